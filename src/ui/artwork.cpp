// Painting the built-in pictures.
#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <qrencode.h>

#include "graphics/font_warm_up.h"

namespace ui {
namespace {

void paintSky(QPainter& p, int w, int h) {
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0.0, QColor(12, 18, 48));
  sky.setColorAt(0.55, QColor(58, 52, 104));
  sky.setColorAt(1.0, QColor(196, 120, 74));
  p.fillRect(0, 0, w, h, sky);
  // A fixed pattern of stars: the picture is the same at every start.
  p.setPen(Qt::NoPen);
  unsigned seed = 12345;
  for (int i = 0; i < 140; ++i) {
    seed = seed * 1103515245u + 12345u;
    int x = static_cast<int>(seed >> 8) % w;
    seed = seed * 1103515245u + 12345u;
    int y = static_cast<int>(seed >> 8) % (h / 2);
    p.setBrush(QColor(255, 255, 230, 90 + static_cast<int>(seed % 160)));
    p.drawEllipse(QPointF(x, y), 1.0, 1.0);
  }
  QRadialGradient moon(w * 0.8, h * 0.2, 40);
  moon.setColorAt(0, QColor(255, 250, 220));
  moon.setColorAt(0.6, QColor(240, 230, 190));
  moon.setColorAt(1, QColor(240, 230, 190, 0));
  p.setBrush(moon);
  p.drawEllipse(QPointF(w * 0.8, h * 0.2), 40, 40);
}

void paintVillage(QPainter& p, int w, int h) {
  const int ground = h * 72 / 100;
  QPainterPath hills;
  hills.moveTo(0, ground);
  hills.cubicTo(w * 0.25, ground - 70, w * 0.45, ground - 10, w * 0.6, ground - 50);
  hills.cubicTo(w * 0.75, ground - 90, w * 0.9, ground - 30, w, ground - 40);
  hills.lineTo(w, h);
  hills.lineTo(0, h);
  p.setBrush(QColor(28, 30, 46));
  p.drawPath(hills);
  // Houses and the chapel with its bell tower.
  p.setBrush(QColor(18, 20, 32));
  const int houses[][3] = {{120, 46, 40}, {170, 60, 52}, {236, 40, 36}, {520, 54, 48}, {580, 44, 40}, {640, 66, 50}};
  for (const auto& house : houses) {
    int x = house[0], width = house[1], height = house[2];
    p.drawRect(x, ground - height, width, height + 40);
    QPolygon roof({QPoint(x - 4, ground - height), QPoint(x + width / 2, ground - height - 22),
                   QPoint(x + width + 4, ground - height)});
    p.drawPolygon(roof);
  }
  p.drawRect(330, ground - 120, 34, 160);
  p.drawPolygon(QPolygon({QPoint(324, ground - 120), QPoint(347, ground - 165), QPoint(370, ground - 120)}));
  p.drawRect(300, ground - 60, 100, 100);
  // Lit windows.
  p.setBrush(QColor(255, 200, 90));
  for (const auto& window : {QRect(132, ground - 30, 8, 10), QRect(186, ground - 40, 8, 10),
                             QRect(540, ground - 36, 8, 10), QRect(660, ground - 44, 8, 10),
                             QRect(343, ground - 100, 8, 12)})
    p.drawRect(window);
  // The river.
  QLinearGradient river(0, ground + 40, 0, h);
  river.setColorAt(0, QColor(40, 60, 110));
  river.setColorAt(1, QColor(20, 26, 60));
  p.setBrush(river);
  QPainterPath water;
  water.moveTo(0, ground + 50);
  water.cubicTo(w * 0.3, ground + 30, w * 0.6, ground + 80, w, ground + 45);
  water.lineTo(w, h);
  water.lineTo(0, h);
  p.drawPath(water);
}

void paintTitle(QPainter& p, int w, int h) {
  graphics::awaitFontWarmUp();
  QFont title(QStringLiteral("Liberation Serif"));
  title.setPixelSize(h / 5);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 150));
  QRect box(0, h / 14, w, h / 4);
  p.drawText(box.translated(3, 3), Qt::AlignCenter, QStringLiteral("Mirandel"));
  p.setPen(QColor(250, 220, 120));
  p.drawText(box, Qt::AlignCenter, QStringLiteral("Mirandel"));
  QFont subtitle(QStringLiteral("Liberation Sans"));
  subtitle.setPixelSize(h / 24);
  subtitle.setItalic(true);
  p.setFont(subtitle);
  p.setPen(QColor(235, 235, 245));
  p.drawText(QRect(0, h / 14 + h / 4, w, h / 12), Qt::AlignCenter,
             QStringLiteral("uma aventura de texto em portugu\u00eas"));
  QFont hint(QStringLiteral("Liberation Sans"));
  hint.setPixelSize(h / 30);
  p.setFont(hint);
  p.setPen(QColor(255, 255, 255, 200));
  p.drawText(QRect(0, h - h / 9, w, h / 12), Qt::AlignCenter,
             QStringLiteral("Clique duas vezes na imagem ou tecle Enter para come\u00e7ar"));
}

// A white five-pointed star in the middle of a badge, drawn rather than
// written: the badge fonts have no star, and finding one costs a font search.
void paintStar(QPainter& p, int size) {
  const double outer = size * 0.12, inner = outer * 0.4;
  QPolygonF star;
  for (int point = 0; point < 10; ++point) {
    const double angle = -M_PI / 2 + point * M_PI / 5, radius = point % 2 ? inner : outer;
    star << QPointF(size / 2.0 + radius * std::cos(angle), size / 2.0 + radius * std::sin(angle));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(star);
}

}  // namespace

QImage paintTitlePicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintSky(p, width, height);
  paintVillage(p, width, height);
  paintTitle(p, width, height);
  return image;
}

QImage paintBadge(const QString& word, QRgb colour, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient fill(size * 0.35, size * 0.3, size * 0.7);
  fill.setColorAt(0, QColor(colour).lighter(150));
  fill.setColorAt(1, QColor(colour));
  p.setBrush(fill);
  p.setPen(QPen(QColor(255, 255, 255, 180), 2));
  p.drawEllipse(2, 2, size - 4, size - 4);
  if (word.isEmpty()) {
    paintStar(p, size);
    return image;
  }
  graphics::awaitFontWarmUp();
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(size / 4);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, word);
  return image;
}

QImage makeQrCode(const QString& text, int scale) {
  QByteArray bytes = text.toUtf8();
  QRcode* code = QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M);
  if (!code) return {};
  const int border = 4;
  const int modules = code->width + 2 * border;
  QImage image(modules * scale, modules * scale, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  for (int y = 0; y < code->width; ++y)
    for (int x = 0; x < code->width; ++x)
      if (code->data[y * code->width + x] & 1)
        p.fillRect((x + border) * scale, (y + border) * scale, scale, scale, Qt::black);
  QRcode_free(code);
  return image;
}

}  // namespace ui

namespace ui {

QImage paintTickBox(bool ticked, int size) {
  QImage box(size, size, QImage::Format_RGB32);
  box.fill(QColor(250, 250, 244));
  QPainter p(&box);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 60), 2));
  p.drawRect(QRectF(1, 1, size - 2, size - 2));
  if (ticked) {
    p.setPen(QPen(QColor(20, 110, 40), size / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(size * 0.22, size * 0.52);
    tick.lineTo(size * 0.42, size * 0.74);
    tick.lineTo(size * 0.80, size * 0.26);
    p.drawPath(tick);
  }
  return box;
}

QImage paintPictureButton(bool pressed, int width, int height) {
  QImage button(width, height, QImage::Format_RGB32);
  QLinearGradient face(0, 0, 0, height);
  face.setColorAt(0, pressed ? QColor(120, 90, 30) : QColor(250, 210, 90));
  face.setColorAt(1, pressed ? QColor(200, 160, 60) : QColor(180, 130, 30));
  QPainter p(&button);
  p.fillRect(button.rect(), face);
  // Light from the top left: a raised edge, or a sunken one while pressed.
  QColor light(255, 245, 200), dark(70, 50, 10);
  p.setPen(pressed ? dark : light);
  p.drawLine(0, 0, width - 1, 0);
  p.drawLine(0, 0, 0, height - 1);
  p.setPen(pressed ? light : dark);
  p.drawLine(0, height - 1, width - 1, height - 1);
  p.drawLine(width - 1, 0, width - 1, height - 1);
  // An arrow pointing down: fetch.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 10));
  const qreal cx = width / 2.0 + (pressed ? 1 : 0), top = height * 0.22 + (pressed ? 1 : 0);
  QPainterPath arrow;
  arrow.addRect(QRectF(cx - 2.5, top, 5, height * 0.3));
  arrow.moveTo(cx - 7, top + height * 0.3);
  arrow.lineTo(cx + 7, top + height * 0.3);
  arrow.lineTo(cx, top + height * 0.58);
  arrow.closeSubpath();
  p.drawPath(arrow);
  return button;
}

}  // namespace ui
