// Grey and tint over a rectangle of a surface.
#include "view/tint.h"

#include <algorithm>

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/surfaces.h"
#include "model/argument_words.h"
#include "model/game.h"

namespace view {
namespace {

int greyOf(QRgb pixel, int level) {
  // 0.3, 0.59 and 0.11 in hundredths, rounded to the nearest whole number.
  const int grey = (30 * qRed(pixel) + 59 * qGreen(pixel) + 11 * qBlue(pixel) + 50) / 100 + level;
  return std::clamp(grey, 0, 255);
}

int tintChannel(int channel, int colour, int level) {
  if (channel > colour) return colour;
  if (level > 0 && channel < colour - level) return colour - level;
  return channel;
}

// A six-digit RRGGBB text read directly; anything not hexadecimal is 0.
uint32_t rgbFromText(const std::string& text) {
  if (text.empty() || text.size() > 8) return 0;
  uint32_t value = 0;
  for (char c : text) {
    const int digit = (c >= '0' && c <= '9') ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : -1;
    if (digit < 0) return 0;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value & 0xFFFFFF;
}

// The surface read and the surface written for a target, or nothing.
struct TintSurfaces {
  QImage* source = nullptr;
  QImage* destination = nullptr;
};

TintSurfaces surfacesFor(model::Game& game, const std::string& target) {
  auto& f = game.surfaces;
  const model::DisplayMode mode = game.screen.Modelo;
  const auto surface = model::readArgument<'t'>(target);
  if (surface == model::Surface::Tel && mode == model::DisplayMode::Strip) return {&f.BufTela, &f.BufTela};
  // In mode "3" the picture is the mode-"3" page; the end of the run shows it.
  if (surface == model::Surface::Tel && mode == model::DisplayMode::Canvas) return {&f.TelMod3, &f.TelMod3};
  if (surface == model::Surface::Fnc) return {&f.BufFunc, &f.BufFunc};
  if (surface == model::Surface::Pan) return {&f.Imp, &f.Imp};
  return {};
}

// A size: 0 is the whole target, not a number is the target less the corner.
int sizeArgument(const std::string& text, int whole, int corner) {
  if (text.empty()) return whole;
  auto number = base::readNumber(text);
  if (!number) return whole - corner;
  return *number == 0 ? whole : *number;
}

}  // namespace

void tintPixels(QImage& picture, uint32_t colour, int level) {
  picture = graphics::toSurfaceFormat(picture);
  const int red = static_cast<int>(colour >> 16) & 0xFF, green = static_cast<int>(colour >> 8) & 0xFF,
            blue = static_cast<int>(colour) & 0xFF;
  for (int y = 0; y < picture.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (colour == 0) {
        const int grey = greyOf(row[x], level);
        row[x] = qRgb(grey, grey, grey);
      } else {
        row[x] = qRgb(tintChannel(qRed(row[x]), red, level), tintChannel(qGreen(row[x]), green, level),
                      tintChannel(qBlue(row[x]), blue, level));
      }
    }
  }
}

void tintRegion(model::Game& game, const std::string& target, const std::string& colour, const std::string& level,
                const std::string& x, const std::string& y, const std::string& width, const std::string& height) {
  const TintSurfaces surfaces = surfacesFor(game, target);
  if (!surfaces.source || surfaces.source->isNull()) return;
  const QImage& source = *surfaces.source;
  const uint32_t tint = rgbFromText(colour.empty() ? game.screen.style.textBackColour : colour);
  const int left = graphics::clampCoordinate(base::readNumberOr(x, 0)), top = graphics::clampCoordinate(base::readNumberOr(y, 0));
  const QRect area(left, top, graphics::clampCoordinate(sizeArgument(width, source.width(), left)),
                   graphics::clampCoordinate(sizeArgument(height, source.height(), top)));
  const QRect clipped = area.intersected(source.rect());
  if (clipped.isEmpty()) return;
  QImage work = source.copy(clipped);
  tintPixels(work, tint, base::levelInRange(base::readNumberOr(level, 0)));
  QImage& destination = *surfaces.destination;
  for (int row = 0; row < work.height(); ++row)
    std::copy_n(work.constScanLine(row), work.width() * 4, destination.scanLine(clipped.top() + row) + clipped.left() * 4);
  game.host.repaint();
}

}  // namespace view
