// Drawing text on surfaces.
#include "graphics/canvas_text.h"

#include <QFontMetrics>
#include <QPainter>

#include "base/cp1252.h"
#include "graphics/fonts.h"
#include "graphics/surfaces.h"

namespace graphics {

QSize canvasTextSize(const Canvas& canvas, const std::string& text) {
  const QFontMetrics metrics(makeFont(canvas.fontName, canvas.fontSize, canvas.bold, canvas.italic, canvas.underline));
  return QSize(metrics.horizontalAdvance(QString::fromStdString(base::cp1252ToUtf8(text))), metrics.height());
}

int drawCanvasText(QImage& surface, const Canvas& canvas, int x, int y, const std::string& text, bool opaque,
                   const std::optional<QRect>& clip) {
  const QFont font = makeFont(canvas.fontName, canvas.fontSize, canvas.bold, canvas.italic, canvas.underline);
  const QString unicode = QString::fromStdString(base::cp1252ToUtf8(text));
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(unicode);
  if (surface.isNull() || text.empty()) return width;
  QPainter painter(&surface);
  if (clip) painter.setClipRect(*clip);
  painter.setFont(font);
  const QRect box(clampCoordinate(x), clampCoordinate(y), width, metrics.height());
  if (opaque) painter.fillRect(box, QColor::fromRgb(canvas.brush));
  painter.setPen(QColor::fromRgb(canvas.fontColour));
  painter.drawText(box.topLeft() + QPoint(0, metrics.ascent()), unicode);
  return width;
}

}  // namespace graphics
