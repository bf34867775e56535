// Paints the demo game's pictures: the window skin, the end button, and a scene
// for each location shown in picture mode. The pictures are ours, made by this
// program; run it again after changing a scene:
//   build/paint_pictures games/mirandel
#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr QRgb kMagenta = qRgb(255, 0, 255);

void sky(QPainter& p, QRect area, QColor top, QColor bottom) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  p.fillRect(area, gradient);
}

void mist(QPainter& p, QRect area, int alpha) {
  QLinearGradient gradient(area.topLeft(), area.bottomLeft());
  gradient.setColorAt(0, QColor(230, 230, 240, 0));
  gradient.setColorAt(1, QColor(230, 230, 240, alpha));
  p.fillRect(area, gradient);
}

void house(QPainter& p, int x, int ground, int w, int h, QColor wall, bool lit) {
  p.setPen(QPen(QColor(40, 36, 32), 1));
  p.setBrush(wall);
  p.drawRect(x, ground - h, w, h);
  p.setBrush(QColor(120, 60, 40));
  p.drawPolygon(QPolygon({QPoint(x - 6, ground - h), QPoint(x + w / 2, ground - h - w / 3), QPoint(x + w + 6, ground - h)}));
  p.setBrush(lit ? QColor(255, 210, 110) : QColor(50, 60, 80));
  p.drawRect(x + w / 5, ground - h * 2 / 3, w / 5, h / 4);
  p.drawRect(x + w * 3 / 5, ground - h * 2 / 3, w / 5, h / 4);
  p.setBrush(QColor(80, 50, 30));
  p.drawRect(x + w * 2 / 5, ground - h / 3, w / 5, h / 3);
}

void cobbles(QPainter& p, QRect area) {
  p.fillRect(area, QColor(110, 104, 96));
  p.setPen(QPen(QColor(80, 76, 70), 1));
  for (int y = area.top(); y < area.bottom(); y += 12)
    for (int x = area.left() + (y / 12 % 2) * 10; x < area.right(); x += 20) p.drawRoundedRect(x, y, 18, 10, 3, 3);
}

void chapel(QPainter& p, int x, int ground) {
  p.setPen(QPen(QColor(40, 36, 32), 1));
  p.setBrush(QColor(205, 200, 185));
  p.drawRect(x, ground - 110, 160, 110);
  p.drawRect(x + 60, ground - 200, 40, 90);
  p.setBrush(QColor(90, 80, 80));
  p.drawPolygon(QPolygon({QPoint(x + 54, ground - 200), QPoint(x + 80, ground - 250), QPoint(x + 106, ground - 200)}));
  p.drawPolygon(QPolygon({QPoint(x - 8, ground - 110), QPoint(x + 80, ground - 150), QPoint(x + 168, ground - 110)}));
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(x + 68, ground - 185, 24, 24);  // the empty bell window
  p.setBrush(QColor(90, 60, 40));
  p.drawRoundedRect(x + 62, ground - 60, 36, 60, 14, 14);
}

using Scene = std::function<void(QPainter&, int, int)>;

const std::map<QString, Scene>& scenes() {
  static const std::map<QString, Scene> all = {
      {"praca", [](QPainter& p, int w, int h) {
         sky(p, QRect(0, 0, w, h), QColor(150, 160, 185), QColor(210, 205, 200));
         int ground = h * 3 / 4;
         cobbles(p, QRect(0, ground, w, h - ground));
         house(p, 20, ground, 120, 110, QColor(170, 160, 140), false);
         house(p, 160, ground, 100, 90, QColor(185, 170, 150), true);
         house(p, 420, ground, 110, 100, QColor(160, 150, 135), false);
         house(p, 550, ground, 100, 120, QColor(175, 165, 145), true);
         p.setBrush(QColor(140, 136, 128));
         p.drawEllipse(QRect(w / 2 - 60, ground - 10, 120, 36));  // the dry fountain
         p.drawRect(w / 2 - 8, ground - 50, 16, 50);
         p.drawEllipse(QRect(w / 2 - 24, ground - 62, 48, 16));
         mist(p, QRect(0, 0, w, h), 120);
       }},
      {"capela", [](QPainter& p, int w, int h) {
         sky(p, QRect(0, 0, w, h), QColor(120, 130, 160), QColor(200, 195, 190));
         int ground = h * 4 / 5;
         p.fillRect(0, ground, w, h - ground, QColor(90, 110, 70));
         chapel(p, w / 2 - 80, ground);
         mist(p, QRect(0, 0, w, h), 100);
       }},
      {"ponte", [](QPainter& p, int w, int h) {
         sky(p, QRect(0, 0, w, h), QColor(140, 150, 175), QColor(200, 200, 205));
         p.fillRect(0, h * 3 / 5, w, h * 2 / 5, QColor(60, 80, 120));
         p.setPen(QPen(QColor(70, 66, 60), 2));
         p.setBrush(QColor(150, 140, 125));
         QPainterPath arch;
         arch.moveTo(0, h * 3 / 5 - 30);
         arch.lineTo(w, h * 3 / 5 - 30);
         arch.lineTo(w, h * 3 / 5 + 10);
         arch.lineTo(w - 60, h * 3 / 5 + 10);
         arch.quadTo(w / 2, h * 3 / 5 - 40, 60, h * 3 / 5 + 10);
         arch.lineTo(0, h * 3 / 5 + 10);
         arch.closeSubpath();
         p.drawPath(arch);
         mist(p, QRect(0, 0, w, h), 140);
       }},
      {"ferraria", [](QPainter& p, int w, int h) {
         p.fillRect(0, 0, w, h, QColor(50, 40, 36));
         QRadialGradient fire(w * 0.25, h * 0.65, 140);
         fire.setColorAt(0, QColor(255, 150, 60));
         fire.setColorAt(1, QColor(50, 40, 36));
         p.fillRect(0, 0, w, h, fire);
         p.fillRect(0, h * 4 / 5, w, h / 5, QColor(40, 32, 28));
         p.setBrush(QColor(70, 70, 78));
         p.setPen(Qt::NoPen);
         p.drawRect(w / 2, h * 4 / 5 - 50, 140, 26);  // the anvil
         p.drawRect(w / 2 + 50, h * 4 / 5 - 24, 40, 24);
       }},
  };
  return all;
}

QImage paintScene(const Scene& scene, int width = 670, int height = 220) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  scene(p, image.width(), image.height());
  return image;
}

// The function panel: a compass rose on dark stone.
QImage paintCompass() {
  QImage image(180, 300, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  sky(p, image.rect(), QColor(52, 66, 82), QColor(30, 38, 50));
  p.translate(90, 130);
  p.setPen(QPen(QColor(200, 170, 90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), 70, 70);
  for (int quarter = 0; quarter < 4; ++quarter) {
    p.setBrush(quarter == 0 ? QColor(220, 80, 60) : QColor(230, 220, 190));
    p.drawPolygon(QPolygonF({QPointF(0, -64), QPointF(10, 0), QPointF(-10, 0)}));
    p.rotate(90);
  }
  p.resetTransform();
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(18);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(240, 230, 200));
  p.drawText(QRect(0, 36, 180, 24), Qt::AlignCenter, QStringLiteral("N"));
  p.drawText(QRect(0, 206, 180, 24), Qt::AlignCenter, QStringLiteral("S"));
  p.drawText(QRect(4, 118, 30, 24), Qt::AlignCenter, QStringLiteral("O"));
  p.drawText(QRect(146, 118, 30, 24), Qt::AlignCenter, QStringLiteral("L"));
  font.setPixelSize(13);
  font.setBold(false);
  font.setItalic(true);
  p.setFont(font);
  p.drawText(QRect(0, 250, 180, 40), Qt::AlignCenter, QStringLiteral("Mirandel\nvila de pedra"));
  return image;
}

// The window skin: a stone frame with rounded corners cut out in magenta.
QImage paintSkin() {
  QImage image(900, 420, QImage::Format_RGB32);
  image.fill(kMagenta);
  QPainter p(&image);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(0, 0, 900, 420), 28, 28);
  p.setClipPath(frame);
  QLinearGradient stone(0, 0, 0, 420);
  stone.setColorAt(0, QColor(70, 64, 80));
  stone.setColorAt(1, QColor(36, 32, 44));
  p.fillRect(image.rect(), stone);
  p.setPen(QPen(QColor(110, 100, 120), 1));
  for (int y = 0; y < 420; y += 30)
    for (int x = (y / 30 % 2) * 30; x < 900; x += 60) p.drawRect(x, y, 60, 30);
  p.setPen(QPen(QColor(200, 170, 90), 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(3, 3, 894, 414), 26, 26);
  return image;
}

QImage paintButton(bool down) {
  QImage image(100, 30, QImage::Format_RGB32);
  image.fill(kMagenta);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, 30);
  face.setColorAt(0, down ? QColor(90, 40, 30) : QColor(180, 80, 50));
  face.setColorAt(1, down ? QColor(140, 60, 40) : QColor(110, 45, 30));
  p.setBrush(face);
  p.setPen(QPen(QColor(240, 200, 110), 2));
  p.drawRoundedRect(QRectF(1, 1 + (down ? 1 : 0), 98, 27), 12, 12);
  return image;
}

// The demo game's map: a parchment with a compass rose, and a piece for each
// place, laid on it by addmap= when the place is first seen. A piece's corners
// are white, the colour of its bottom-left pixel, which addmap= leaves out.
QImage paintMapBase() {
  QImage image(256, 252, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient paper(0, 0, 256, 252);
  paper.setColorAt(0, QColor(232, 216, 176));
  paper.setColorAt(1, QColor(206, 186, 142));
  p.fillRect(image.rect(), paper);
  p.setPen(QPen(QColor(150, 120, 80), 2));
  p.drawRect(1, 1, 253, 249);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(224, 222);
  for (int quarter = 0; quarter < 4; ++quarter) {
    p.setBrush(quarter == 0 ? QColor(170, 60, 40) : QColor(120, 100, 70));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(0, -18), QPointF(4, 0), QPointF(-4, 0)}));
    p.rotate(90);
  }
  return image;
}

QImage paintMapPiece(const QString& caption, QColor colour) {
  QImage image(64, 44, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(QPen(colour.darker(160), 1));
  p.setBrush(colour);
  p.drawRoundedRect(QRect(0, 0, 63, 43), 6, 6);  // edges not smoothed: no white fringe on the map
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(12);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(250, 245, 230));
  p.drawText(QRect(2, 2, 60, 40), Qt::AlignCenter | Qt::TextWordWrap, caption);
  return image;
}

// The player marker of the map page (the player's own picture, not the game's):
// a small walker in a hooded cloak with a lantern, 29 x 46, on a clear background.
QImage paintMarker() {
  QImage image(29, 46, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(30, 24, 20), 1.2));
  // Shadow on the ground.
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(QRectF(5, 40, 19, 5));
  // Cloak.
  QPainterPath cloak;
  cloak.moveTo(14.5, 10);
  cloak.cubicTo(22, 12, 24, 30, 23, 40);
  cloak.lineTo(6, 40);
  cloak.cubicTo(5, 30, 7, 12, 14.5, 10);
  p.setBrush(QColor(150, 40, 40));
  p.drawPath(cloak);
  // Head in its hood.
  p.setBrush(QColor(120, 30, 30));
  p.drawEllipse(QRectF(8.5, 1.5, 12, 12));
  p.setBrush(QColor(240, 205, 170));
  p.drawEllipse(QRectF(11, 4.5, 7, 7.5));
  // The lantern in the right hand.
  p.setPen(QPen(QColor(60, 50, 30), 1));
  p.drawLine(QPointF(22, 24), QPointF(25, 27));
  p.setBrush(QColor(255, 210, 90));
  p.drawRoundedRect(QRectF(22.5, 27, 5, 7), 1.5, 1.5);
  return image;
}

// An object's icon for the function panel: a tile in the object's colour with
// its initial, on magenta so that the panel shows around it.
QImage paintIcon(QChar initial, QColor colour) {
  QImage image(48, 48, QImage::Format_RGB32);
  image.fill(kMagenta);
  QPainter p(&image);  // the tile's edge is not smoothed: no pink fringe around it on the panel
  QLinearGradient face(0, 0, 0, 48);
  face.setColorAt(0, colour.lighter(140));
  face.setColorAt(1, colour.darker(130));
  p.setBrush(face);
  p.setPen(QPen(QColor(240, 220, 160), 2));
  p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
  QFont font(QStringLiteral("Liberation Serif"));
  font.setPixelSize(30);
  font.setBold(true);
  p.setFont(font);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(250, 245, 230));
  p.drawText(QRect(0, 0, 48, 48), Qt::AlignCenter, QString(initial));
  return image;
}

bool save(const QImage& image, const QString& path) {
  bool ok = image.save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.toUtf8().constData());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 3 && QString::fromLocal8Bit(argv[1]) == "--marker")
    return save(paintMarker(), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  if (argc != 2) {
    std::fprintf(stderr, "usage: paint_pictures GAME_FOLDER | paint_pictures --marker FILE\n");
    return 2;
  }
  QString folder = QString::fromLocal8Bit(argv[1]) + "/";
  bool ok = save(paintSkin(), folder + "pele.png");
  ok = save(paintButton(false), folder + "U-bot1.bmp") && ok;
  ok = save(paintButton(true), folder + "D-bot1.bmp") && ok;
  ok = save(paintCompass(), folder + "bussola.png") && ok;
  ok = save(paintMapBase(), folder + "mapa.png") && ok;
  const std::pair<const char*, QString> places[] = {
      {"praca", QString::fromUtf8("Praça")},     {"capela", QStringLiteral("Capela")},
      {"torre", QStringLiteral("Torre")},        {"ferraria", QStringLiteral("Ferraria")},
      {"casa", QString::fromUtf8("Casa da avó")}, {"porao", QString::fromUtf8("Porão")},
      {"ponte", QStringLiteral("Ponte")},        {"margem", QStringLiteral("Margem")},
      {"moinho", QStringLiteral("Moinho")}};
  for (const auto& [name, caption] : places)
    ok = save(paintMapPiece(caption, QColor(110, 90, 60)), folder + "m_" + name + ".png") && ok;
  // The objects' icons (their pictures in the object records).
  const std::pair<const char*, QColor> icons[] = {
      {"pa", QColor(120, 110, 100)},   {"lanterna", QColor(200, 150, 40)}, {"fosforos", QColor(190, 60, 40)},
      {"chave", QColor(90, 90, 110)},  {"badalo", QColor(170, 120, 50)},   {"livro", QColor(110, 40, 50)},
      {"bau", QColor(130, 80, 40)},    {"saco", QColor(200, 190, 160)},   {"bigorna", QColor(60, 60, 70)}};
  for (const auto& [name, colour] : icons)
    ok = save(paintIcon(QString::fromLatin1(name).at(0).toUpper(), colour), folder + "ico_" + name + ".png") && ok;
  for (const auto& [name, scene] : scenes()) ok = save(paintScene(scene), folder + name + ".jpg") && ok;
  // The ending's picture, drawn on the page of picture mode "3".
  ok = save(paintScene(scenes().at("capela"), 600, 200), folder + "sino.jpg") && ok;
  return ok ? 0 : 1;
}
