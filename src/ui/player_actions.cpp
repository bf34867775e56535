// The player's actions, seen before the widgets.
#include "ui/player_actions.h"

#include <QApplication>
#include <QKeyEvent>

namespace ui {

PlayerActions::PlayerActions(QWidget* window, std::function<void()> onAction)
    : window_(window), onAction_(std::move(onAction)) {
  qApp->installEventFilter(this);
}

PlayerActions::~PlayerActions() {
  if (qApp) qApp->removeEventFilter(this);
}

bool PlayerActions::inWindow(QObject* watched) const {
  for (QObject* object = watched; object; object = object->parent())
    if (object == window_) return true;
  return false;
}

bool PlayerActions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Shift, Ctrl and the like alone are no action of the player.
      const int key = static_cast<QKeyEvent*>(event)->key();
      const bool modifierOnly = key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
                                key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock;
      if (!modifierOnly && inWindow(watched)) onAction_();
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (inWindow(watched)) onAction_();
      break;
    default:
      break;
  }
  return false;
}

}  // namespace ui
