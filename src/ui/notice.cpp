// The window's notes.
#include "ui/notice.h"

#include <QAccessible>
#include <algorithm>

#include "ui/accessibility.h"

namespace ui {

Notice::Notice(QWidget* window, QWidget* over, bool corner) : QLabel(window), over_(over), corner_(corner) {
  setObjectName(corner ? QStringLiteral("cornerNotice") : QStringLiteral("notice"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  describePicture(this, QAccessible::AlertMessage, {});
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

void Notice::say(const QString& text, int milliseconds) {
  // The note takes its look when first said: most sessions never show one.
  if (styleSheet().isEmpty())
    setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 190); color: white; border-radius: 6px; padding: 4px 10px; }"));
  setText(text);
  setAccessibleName(text);
  adjustSize();
  place();
  show();
  raise();
  QAccessibleEvent shown(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&shown);
  if (milliseconds > 0)
    timer_.start(milliseconds);
  else
    timer_.stop();
}

void Notice::place() {
  const QRect area = over_->geometry();
  const int margin = 8;
  // The corner note stays clear of the command box and the end button below.
  const int x = corner_ ? area.right() - width() - margin : area.center().x() - width() / 2;
  const int y = corner_ ? area.top() + margin : area.bottom() - height() - margin;
  move(std::max(area.left(), x), std::max(area.top(), y));
}

}  // namespace ui
