// Scale steps and the remembered scale.
#include "ui/window_scale.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

const QString kScaleKey = QStringLiteral("window/scale");
const QString kFitKey = QStringLiteral("window/fullScreenFit");

bool fits(QSize game, double scale, QSize area) {
  const QSize shown = Scale{scale}.size(game);
  return shown.width() <= area.width() && shown.height() <= area.height();
}

}  // namespace

int Scale::px(int length) const { return static_cast<int>(std::lround(length * factor)); }

QRect Scale::rect(QRect rect) const {
  const int left = px(rect.x()), top = px(rect.y());
  return QRect(left, top, px(rect.x() + rect.width()) - left, px(rect.y() + rect.height()) - top);
}

QFont Scale::font(QFont font) const {
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, px(font.pixelSize())));
  else if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * factor);
  return font;
}

QPoint Scale::toGame(QPoint at) const {
  return QPoint(static_cast<int>(std::floor(at.x() / factor)), static_cast<int>(std::floor(at.y() / factor)));
}

bool Scale::whole() const { return std::floor(factor) == factor; }

std::optional<double> readScale(const QString& text) {
  bool ok = false;
  const double scale = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(scale) || scale < kSmallestScale || scale > kLargestScale) return std::nullopt;
  return scale;
}

double largerScale(double scale) {
  return std::min(kLargestScale, std::floor(scale * 2 + 1e-9) / 2 + 0.5);
}

double smallerScale(double scale) {
  return std::max(kSmallestScale, std::ceil(scale * 2 - 1e-9) / 2 - 0.5);
}

double largestScaleThatFits(QSize game, QSize area) {
  double scale = kLargestScale;
  while (scale > kSmallestScale && !fits(game, scale, area)) scale = smallerScale(scale);
  return scale;
}

double fullScreenScale(QSize game, QSize screen, bool exactFit) {
  if (game.isEmpty() || screen.isEmpty()) return kSmallestScale;
  double exact = std::min(double(screen.width()) / game.width(), double(screen.height()) / game.height());
  // Rounding to whole pixels must not take the game past an edge.
  while (exact > 0.01 && !fits(game, exact, screen)) exact -= 1e-6;
  return exactFit ? exact : std::max(kSmallestScale, std::floor(exact + 1e-9));
}

double rememberedScale(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return kSmallestScale;
  QSettings settings(settingsFile, QSettings::IniFormat);
  return readScale(settings.value(kScaleKey).toString()).value_or(kSmallestScale);
}

bool rememberScale(const QString& settingsFile, double scale) {
  if (settingsFile.isEmpty()) return true;
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(kScaleKey, QString::number(scale));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

bool rememberedExactFit(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return true;
  return QSettings(settingsFile, QSettings::IniFormat).value(kFitKey).toString() != QStringLiteral("whole");
}

bool rememberExactFit(const QString& settingsFile, bool exactFit) {
  if (settingsFile.isEmpty()) return true;
  QSettings settings(settingsFile, QSettings::IniFormat);
  settings.setValue(kFitKey, exactFit ? QStringLiteral("exact") : QStringLiteral("whole"));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace ui
