// Roles, names and the press action for the picture controls and their hot spots.
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <map>

namespace ui {
namespace {

const char* const kRoleProperty = "mirandelAccessibleRole";

std::map<const QObject*, std::function<std::vector<AccessibleSpot>()>>& spotLists() {
  static std::map<const QObject*, std::function<std::vector<AccessibleSpot>()>> lists;
  return lists;
}

std::vector<AccessibleSpot> spotsOf(const QWidget* picture) {
  auto it = spotLists().find(picture);
  return it == spotLists().end() ? std::vector<AccessibleSpot>{} : it->second();
}

// A click at a point of the control, as the mouse gives it.
void clickAt(QWidget* target, QPointF at, bool withMove) {
  for (QEvent::Type type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    if (type == QEvent::MouseMove && !withMove) continue;
    QMouseEvent click(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &click);
  }
}

// One hot spot of a picture: a button with no widget of its own.
class SpotAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  SpotAccessible(QWidget* picture, int index) : picture_(picture), index_(index) {}

  bool isValid() const override { return picture_ && index_ < static_cast<int>(spotsOf(picture_).size()); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return picture_ ? picture_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(picture_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? spot().name : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!picture_) return {};
    const QRect local = spot().rect;
    return QRect(picture_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !picture_ || !picture_->isVisible();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid()) clickAt(picture_, QRectF(spot().rect).center(), true);
  }

 private:
  AccessibleSpot spot() const {
    const auto spots = spotsOf(picture_);
    return index_ < static_cast<int>(spots.size()) ? spots[static_cast<size_t>(index_)] : AccessibleSpot{};
  }
  QPointer<QWidget> picture_;
  int index_;
};

// A picture that is a button or a link: pressing it through the screen reader is the
// mouse's press and release in its middle, so it does what a click does. Its hot
// spots follow its child widgets.
class PictureAccessible : public QAccessibleWidget {
 public:
  PictureAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}
  ~PictureAccessible() override {
    for (QAccessible::Id id : spotIds_) QAccessible::deleteAccessibleInterface(id);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    if (pressable()) names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (!pressable() || action != pressAction()) return QAccessibleWidget::doAction(action);
    clickAt(widget(), QRectF(widget()->rect()).center(), false);
  }

  int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(spotsOf(widget()).size()); }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const int spot = index - widgets;
    if (spot >= static_cast<int>(spotsOf(widget()).size())) return nullptr;
    while (static_cast<int>(spotIds_.size()) <= spot)
      spotIds_.push_back(QAccessible::registerAccessibleInterface(new SpotAccessible(widget(), static_cast<int>(spotIds_.size()))));
    return QAccessible::accessibleInterface(spotIds_[static_cast<size_t>(spot)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (size_t i = 0; i < spotIds_.size(); ++i)
      if (QAccessible::accessibleInterface(spotIds_[i]) == child) return QAccessibleWidget::childCount() + static_cast<int>(i);
    return QAccessibleWidget::indexOfChild(child);
  }

 private:
  bool pressable() const { return role() == QAccessible::Button || role() == QAccessible::Link; }
  mutable std::vector<QAccessible::Id> spotIds_;
};

QAccessibleInterface* pictureFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new PictureAccessible(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void installFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(pictureFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace

void describePicture(QWidget* picture, QAccessible::Role role, const QString& name, const QString& description) {
  installFactory();
  picture->setProperty(kRoleProperty, static_cast<int>(role));
  picture->setAccessibleName(name);
  if (!description.isEmpty()) picture->setAccessibleDescription(description);
}

void describeSpots(QWidget* picture, std::function<std::vector<AccessibleSpot>()> spots) {
  installFactory();
  spotLists()[picture] = std::move(spots);
  QObject::connect(picture, &QObject::destroyed, [picture] { spotLists().erase(picture); });
}

Announcer::Announcer(QWidget* parent) : QLabel(parent) {
  installFactory();
  setProperty(kRoleProperty, static_cast<int>(QAccessible::AlertMessage));
  // Out of sight, under the skin: a screen reader reads it, the eye has the game's own text.
  setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
  setGeometry(0, 0, 1, 1);
  lower();
  hide();
}

void Announcer::announce(const QString& news) {
  if (news.isEmpty()) return;
  hide();
  setText(news);
  setAccessibleName(news);
  show();
  lower();
  QAccessibleEvent shown(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&shown);
}

}  // namespace ui
