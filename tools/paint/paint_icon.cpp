// Paints the player's icon (the chapel bell of Mirandel in the evening mist) in
// every size the desktop asks for, from one drawing in a 256-unit square:
//   build/paint_icon data/icons
// writes data/icons/<N>x<N>/mirandel.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

void drawBell(QPainter& p) {
  // Bell body: a waisted curve flaring to a rim.
  QPainterPath body;
  body.moveTo(78, 176);
  body.cubicTo(92, 160, 86, 104, 100, 82);
  body.cubicTo(110, 64, 146, 64, 156, 82);
  body.cubicTo(170, 104, 164, 160, 178, 176);
  body.closeSubpath();
  QLinearGradient gold(78, 0, 178, 0);
  gold.setColorAt(0, QColor(150, 100, 30));
  gold.setColorAt(0.35, QColor(250, 214, 120));
  gold.setColorAt(1, QColor(170, 110, 35));
  p.setPen(QPen(QColor(90, 56, 20), 4));
  p.setBrush(gold);
  p.drawPath(body);
  // Rim, crown and clapper.
  p.drawRoundedRect(QRectF(70, 172, 116, 16), 8, 8);
  p.drawRoundedRect(QRectF(118, 52, 20, 18), 6, 6);
  p.setBrush(QColor(110, 70, 25));
  p.drawEllipse(QPointF(128, 198), 12, 12);
}

QImage paintIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  // Night sky in a rounded square, the bell in front, mist along the bottom.
  QLinearGradient sky(0, 8, 0, 248);
  sky.setColorAt(0, QColor(24, 34, 64));
  sky.setColorAt(1, QColor(58, 84, 110));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
  QRadialGradient glow(128, 124, 100);
  glow.setColorAt(0, QColor(255, 220, 140, 110));
  glow.setColorAt(1, QColor(255, 220, 140, 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(128, 124), 100, 100);
  drawBell(p);
  QLinearGradient mist(0, 170, 0, 248);
  mist.setColorAt(0, QColor(230, 232, 240, 0));
  mist.setColorAt(1, QColor(230, 232, 240, 170));
  p.setPen(Qt::NoPen);
  p.setBrush(mist);
  p.drawRoundedRect(QRectF(8, 170, 240, 78), 44, 44);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: paint_icon ICONS_FOLDER\n");
    return 2;
  }
  bool ok = true;
  for (int size : kSizes) {
    QString folder = QString::fromLocal8Bit(argv[1]) + QString("/%1x%1").arg(size);
    QDir().mkpath(folder);
    QString path = folder + "/mirandel.png";
    bool saved = paintIcon(size).save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", path.toUtf8().constData());
    ok = ok && saved;
  }
  return ok ? 0 : 1;
}
