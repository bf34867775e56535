// Watching for a window's first paint.
#include "ui/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <vector>

namespace ui {
namespace {

// Sees every event until the first paint in its window, then runs what waits
// for it, in the order it was asked for, and goes.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(QWidget* window) : QObject(window), window_(window) {
    setObjectName(kName);
    QApplication::instance()->installEventFilter(this);
  }
  static constexpr const char* kName = "first paint watch";
  void add(std::function<void()> action) { actions_.push_back(std::move(action)); }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
    if (widget && widget->window() == window_) {
      QApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, window_, [actions = std::move(actions_)] {
        for (const auto& action : actions) action();
      });
      deleteLater();
    }
    return false;
  }

  QWidget* window_;
  std::vector<std::function<void()>> actions_;
};

}  // namespace

void afterFirstPaint(QWidget* window, std::function<void()> action) {
  // One watch a window, the window's: gone with it if it is never painted.
  auto* watch = dynamic_cast<FirstPaintWatch*>(
      window->findChild<QObject*>(QString::fromLatin1(FirstPaintWatch::kName), Qt::FindDirectChildrenOnly));
  if (!watch) watch = new FirstPaintWatch(window);
  watch->add(std::move(action));
}

}  // namespace ui
