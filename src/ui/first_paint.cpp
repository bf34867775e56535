// Watching for a window's first paint.
#include "ui/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace ui {
namespace {

// Sees every event until the first paint in its window, then goes.
class FirstPaintWatch : public QObject {
 public:
  FirstPaintWatch(QWidget* window, std::function<void()> action) : QObject(window), window_(window), action_(std::move(action)) {
    QApplication::instance()->installEventFilter(this);
  }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
    if (widget && widget->window() == window_) {
      QApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, window_, std::move(action_));
      deleteLater();
    }
    return false;
  }

  QWidget* window_;
  std::function<void()> action_;
};

}  // namespace

void afterFirstPaint(QWidget* window, std::function<void()> action) {
  new FirstPaintWatch(window, std::move(action));  // the window's: gone with it if it is never painted
}

}  // namespace ui
