// Model colours and fonts for widgets.
#include "ui/colours.h"

#include "base/content_range.h"
#include "graphics/colour.h"
#include "graphics/fonts.h"

namespace ui {

// The picture library reads the text (graphics/colour.h); the window takes only
// the six digits a checked colour has.
QColor colourOf(const std::string& rrggbb, QColor fallback) {
  if (rrggbb.size() != 6) return fallback;
  const auto colour = graphics::readColour(rrggbb);
  return colour ? QColor(QRgb(*colour)) : fallback;
}

QFont fontOf(const model::Control& control) {
  return graphics::makeFont(control.fontName, control.fontSize, control.bold, control.italic, control.underline);
}

void applyControl(QWidget* widget, const model::Control& control, const Scale& scale) {
  applyPlaceAndLook(widget, control, scale);
  widget->setVisible(control.visible);
}

void applyPlaceAndLook(QWidget* widget, const model::Control& control, const Scale& scale) {
  QRect geometry = scale.rect(QRect(base::coordinateInRange(control.x), base::coordinateInRange(control.y),
                                    base::coordinateInRange(control.width), base::coordinateInRange(control.height)));
  if (widget->geometry() != geometry) widget->setGeometry(geometry);
  QFont font = scale.font(fontOf(control));
  if (widget->font() != font) widget->setFont(font);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colourOf(control.background));
  palette.setColor(QPalette::Window, colourOf(control.background));
  palette.setColor(QPalette::Text, colourOf(control.fontColour, Qt::yellow));
  palette.setColor(QPalette::WindowText, colourOf(control.fontColour, Qt::yellow));
  if (widget->palette() != palette) widget->setPalette(palette);
}

}  // namespace ui
