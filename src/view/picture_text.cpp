// Drawing text on TelMod3.
#include "view/picture_text.h"

#include <QFont>
#include <QPainter>

#include "base/cp1252.h"
#include "shell/game.h"
#include "view/colour.h"
#include "view/fonts.h"

namespace view {
namespace {

struct Canvas {
  QColor brush, pen;
  QFont font;
};

Canvas canvasFromStyle(const TextStyle& style) {
  Canvas canvas;
  canvas.brush = QColor::fromRgb(colourFromHex(style.textBackColour));
  canvas.pen = QColor::fromRgb(colourFromHex(style.textForeColour));
  canvas.font = makeFont(style.textFontName, style.textFontSize, style.textBold, style.textItalic,
                         style.textUnderline);
  return canvas;
}

}  // namespace

void prepareTextCanvas(shell::Game& game) { canvasFromStyle(game.screen.style); }

void drawTextAtTextPosition(shell::Game& game, const std::string& text) {
  Canvas canvas = canvasFromStyle(game.screen.style);
  QImage& target = game.surfaces.TelMod3;
  if (target.isNull()) target = makeSurface(650, 390, colourFromHex(game.screen.style.textBackColour));
  QPainter painter(&target);
  painter.setFont(canvas.font);
  QString unicode = QString::fromStdString(base::cp1252ToUtf8(text));
  QFontMetrics metrics(canvas.font);
  QRect box(game.screen.textX, game.screen.textY, metrics.horizontalAdvance(unicode), metrics.height());
  painter.fillRect(box, canvas.brush);
  painter.setPen(canvas.pen);
  painter.drawText(box.topLeft() + QPoint(0, metrics.ascent()), unicode);
  game.host.repaint();
}

}  // namespace view
