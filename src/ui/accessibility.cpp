// Roles, names and the press action for the picture controls.
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>

namespace ui {
namespace {

const char* const kRoleProperty = "mirandelAccessibleRole";

// A picture that is a button or a link: pressing it through the screen reader is the
// mouse's press and release in its middle, so it does what a click does.
class PictureAccessible : public QAccessibleWidget {
 public:
  PictureAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (!pressable() || action != pressAction()) return QAccessibleWidget::doAction(action);
    QWidget* target = widget();
    const QPointF middle = QRectF(target->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent click(type, middle, target->mapToGlobal(middle), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(target, &click);
    }
  }

 private:
  bool pressable() const { return role() == QAccessible::Button || role() == QAccessible::Link; }
};

QAccessibleInterface* pictureFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new PictureAccessible(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void describePicture(QWidget* picture, QAccessible::Role role, const QString& name, const QString& description) {
  static const bool installed = [] {
    QAccessible::installFactory(pictureFactory);
    return true;
  }();
  (void)installed;
  picture->setProperty(kRoleProperty, static_cast<int>(role));
  picture->setAccessibleName(name);
  if (!description.isEmpty()) picture->setAccessibleDescription(description);
}

}  // namespace ui
