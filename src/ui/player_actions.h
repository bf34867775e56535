// PlayerActions: watches the application's events for the player's own actions
// (a key pressed, a mouse button pressed) on the widgets of one window, before
// any widget handles them. The window session uses it to let a key or a click
// skip the typewriter; the action itself then reaches its widget as always.
#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace ui {

class PlayerActions : public QObject {
  Q_OBJECT
 public:
  PlayerActions(QWidget* window, std::function<void()> onAction);
  ~PlayerActions() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool inWindow(QObject* watched) const;

  QPointer<QWidget> window_;
  std::function<void()> onAction_;
};

}  // namespace ui
