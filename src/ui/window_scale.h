// The window's scale: how many screen pixels one pixel of the game takes. The
// player picks it with --scale or Ctrl+plus and Ctrl+minus, in half steps from 1
// to 4, and the window keeps it for the user in a small settings file. The
// window never grows past its screen, and full screen fits the game to it.
#pragma once
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

namespace ui {

// Game pixels to window pixels. Rectangles are scaled by their edges, so that
// controls that touch at one scale still touch at every other; fonts are scaled
// by their size, so that text is drawn at the larger size, not enlarged.
struct Scale {
  double factor = 1.0;

  int px(int length) const;
  QPoint point(QPoint at) const { return QPoint(px(at.x()), px(at.y())); }
  QSize size(QSize size) const { return QSize(px(size.width()), px(size.height())); }
  QRect rect(QRect rect) const;
  QFont font(QFont font) const;
  // A window point back in game pixels.
  QPoint toGame(QPoint at) const;
  // Whole-number scales show each game pixel as a square of screen pixels.
  bool whole() const;
};

constexpr double kSmallestScale = 1.0, kLargestScale = 4.0;

// A scale written by a person ("2", "1.5"): a number from 1 to 4, or nothing.
std::optional<double> readScale(const QString& text);
// The next half step up or down from the scale, within 1 to 4.
double largerScale(double scale);
double smallerScale(double scale);

// The largest half step from 1 to 4 at which a game of the given size fits the
// area (a screen's free area); 1 when even that does not fit.
double largestScaleThatFits(QSize game, QSize area);
// Full screen: the largest scale at which the game fits the screen, a whole
// number (each game pixel a square block, never below 1) or the exact fit.
double fullScreenScale(QSize game, QSize screen, bool exactFit);

// The scale remembered in the settings file; 1 when it holds none (or no
// readable one). An empty file name remembers nothing.
double rememberedScale(const QString& settingsFile);
// Remembers the scale; false when the settings file cannot be written.
bool rememberScale(const QString& settingsFile, double scale);
// How full screen fits the game (true: exactly; false: in whole steps), as the
// player last chose; exactly when the file says nothing.
bool rememberedExactFit(const QString& settingsFile);
bool rememberExactFit(const QString& settingsFile, bool exactFit);

}  // namespace ui
