// The demo game's rain pictures for the square: "gotas.bmp", streaks of rain
// on magenta (the transparent colour), and "beiral.bmp", the mask of the eave
// the player stands under (magenta lets the rain through, the eave's own
// colours cover it). Two or a few colours each, written as small indexed BMPs.
//   paint_rain GAME_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <random>

namespace {

constexpr int kWidth = 670, kHeight = 280;
const QColor kMagenta(255, 0, 255);

QImage drops() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  picture.fill(kMagenta);
  QPainter painter(&picture);
  painter.setPen(QColor(205, 215, 235));
  std::mt19937 random(5);
  std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1), length(8, 16);
  for (int i = 0; i < 260; ++i) {
    const int x0 = x(random), y0 = y(random), l = length(random);
    // Streaks lean a little with the wind; the wrap-around keeps them whole.
    for (int wrap : {0, -kHeight}) painter.drawLine(x0, y0 + wrap, x0 - l / 4, y0 + l + wrap);
  }
  return picture;
}

QImage eave() {
  QImage picture(kWidth, kHeight, QImage::Format_RGB32);
  picture.fill(kMagenta);
  QPainter painter(&picture);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(96, 52, 40));
  painter.drawRect(0, 0, kWidth, 26);                       // the eave's tiles
  painter.setBrush(QColor(70, 38, 30));
  for (int x = 0; x < kWidth; x += 34) painter.drawRect(x, 0, 4, 26);
  painter.setBrush(QColor(90, 64, 44));
  painter.drawRect(0, 26, 18, kHeight - 26);                // the porch posts
  painter.drawRect(kWidth - 18, 26, 18, kHeight - 26);
  return picture;
}

// Few colours: an indexed picture writes a small BMP.
bool save(const QImage& picture, const QString& file) {
  return picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither).save(file, "BMP");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: paint_rain GAME_FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/";
  const bool ok = save(drops(), folder + "gotas.bmp") && save(eave(), folder + "beiral.bmp");
  if (!ok) std::fprintf(stderr, "paint_rain: could not write the pictures into %s\n", argv[1]);
  return ok ? 0 : 1;
}
