// The image control.
#include "ui/picture_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "ui/key_colour.h"

namespace ui {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void PictureWidget::setPicture(const QImage& picture) {
  picture_ = picture;
  shown_ = picture;
  if (magentaTransparent_) shown_ = withoutKeyColour(picture);
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (shown_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth_);
  if (stretched_)
    painter.drawImage(rect(), shown_);
  else
    painter.drawImage(QPoint(0, 0), shown_);
}

QPoint PictureWidget::toPicture(QPointF at) const {
  if (!stretched_ || picture_.isNull() || width() == 0 || height() == 0) return at.toPoint();
  return QPoint(static_cast<int>(at.x() * picture_.width() / width()),
                static_cast<int>(at.y() * picture_.height() / height()));
}

QPoint PictureWidget::fromPicture(QPoint at) const {
  if (!stretched_ || picture_.isNull() || picture_.width() == 0 || picture_.height() == 0) return at;
  // The middle of the picture's pixel, so that toPicture gives the same pixel
  // back; in 64 bits, as a point far off the picture would overflow.
  auto scaled = [](int value, int widgetSide, int pictureSide) {
    const qint64 at = (2 * qint64(value) + 1) * widgetSide / (2 * qint64(pictureSide));
    return static_cast<int>(std::clamp<qint64>(at, INT_MIN, INT_MAX));
  };
  return QPoint(scaled(at.x(), width(), picture_.width()), scaled(at.y(), height(), picture_.height()));
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  dragStart_ = event->globalPosition().toPoint();
  dragging_ = dragsWindow_ && event->button() == Qt::LeftButton;
  emit pressed(toPicture(event->position()));
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
  emit moved(toPicture(event->position()));
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
  QPoint now = event->globalPosition().toPoint();
  window()->move(window()->pos() + (now - dragStart_));
  dragStart_ = now;
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  emit released(toPicture(event->position()));
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) { emit doubleClicked(toPicture(event->position())); }

}  // namespace ui
