// Model colours and fonts for widgets.
#include "ui/colours.h"

#include "base/content_range.h"
#include "graphics/colour.h"
#include "graphics/fonts.h"

namespace ui {

QColor qColour(graphics::Colour colour) { return QColor(colour.red(), colour.green(), colour.blue()); }

// The picture library reads the text; the window takes only the six digits a
// checked colour has.
QColor colourOf(const std::string& rrggbb, QColor fallback) {
  if (rrggbb.size() != 6) return fallback;
  const auto colour = graphics::Colour::read(rrggbb);
  return colour ? qColour(*colour) : fallback;
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
  palette.setColor(QPalette::Base, qColour(control.background));
  palette.setColor(QPalette::Window, qColour(control.background));
  palette.setColor(QPalette::Text, qColour(control.fontColour));
  palette.setColor(QPalette::WindowText, qColour(control.fontColour));
  if (widget->palette() != palette) widget->setPalette(palette);
}

}  // namespace ui
