// Painting the program's own cursors.
#include "ui/cursor_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

namespace ui {
namespace {

constexpr int kSide = 32;

QPixmap blank() {
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void outlined(QPainter& p, const QPainterPath& path, QColor fill) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.5));
  p.setBrush(fill);
  p.drawPath(path);
}

// An arrow pointing up, turned by the angle; its tip is the hot spot.
QCursor arrow(int degrees, QPoint tip) {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  p.translate(kSide / 2.0, kSide / 2.0);
  p.rotate(degrees);
  QPainterPath path;
  path.moveTo(0, -15);
  path.lineTo(11, -3);
  path.lineTo(4, -3);
  path.lineTo(4, 14);
  path.lineTo(-4, 14);
  path.lineTo(-4, -3);
  path.lineTo(-11, -3);
  path.closeSubpath();
  outlined(p, path, Qt::white);
  p.end();
  return QCursor(pixmap, tip.x(), tip.y());
}

// A hand with the index finger up; the finger's tip is the hot spot.
QPainterPath handPath(QPointF at, double scale) {
  QPainterPath hand;
  hand.addRoundedRect(QRectF(0, 0, 5, 14), 2.5, 2.5);    // the index finger
  hand.addRoundedRect(QRectF(-2, 11, 16, 14), 4, 4);     // the palm with the other fingers
  hand.addRoundedRect(QRectF(-7, 14, 7, 5), 2.5, 2.5);   // the thumb
  QTransform place;
  place.translate(at.x(), at.y());
  place.scale(scale, scale);
  return place.map(hand.simplified());
}

QCursor pointingHand() {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  outlined(p, handPath(QPointF(11, 1), 1.15), Qt::white);
  p.end();
  return QCursor(pixmap, 13, 1);
}

QCursor sight() {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (auto [colour, width] : {std::pair{QColor(Qt::white), 3.5}, std::pair{QColor(Qt::black), 1.5}}) {
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 11, 11);
    p.drawLine(QPointF(16, 1), QPointF(16, 31));
    p.drawLine(QPointF(1, 16), QPointF(31, 16));
  }
  p.end();
  return QCursor(pixmap, 16, 16);
}

QCursor handOverGrid() {
  QPixmap pixmap = blank();
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawRect(1, 1, 29, 29);
  for (int line = 8; line < 30; line += 7) {
    p.drawLine(line, 1, line, 30);
    p.drawLine(1, line, 30, line);
  }
  outlined(p, handPath(QPointF(14, 6), 0.95), QColor(255, 230, 190));
  p.end();
  return QCursor(pixmap, 16, 16);
}

}  // namespace

QCursor cursorShape(view::CursorShape shape) {
  using S = view::CursorShape;
  static std::map<S, QCursor> own;
  if (own.empty()) {
    own[S::ForwardArrow] = arrow(0, QPoint(16, 1));
    own[S::DownArrow] = arrow(180, QPoint(16, 30));
    own[S::RightArrow] = arrow(90, QPoint(30, 16));
    own[S::LeftArrow] = arrow(270, QPoint(1, 16));
    own[S::PointingHand] = pointingHand();
    own[S::Sight] = sight();
    own[S::GridHand] = handOverGrid();
  }
  if (auto it = own.find(shape); it != own.end()) return it->second;
  switch (shape) {
    case S::NoEntry: return QCursor(Qt::ForbiddenCursor);
    case S::Hidden: return QCursor(Qt::BlankCursor);
    case S::Hourglass: return QCursor(Qt::WaitCursor);
    case S::Crosshair: return QCursor(Qt::CrossCursor);
    default: return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace ui
