// Colours and fonts of the screen model as Qt values, tolerant of bad content
// (the window never fails on a colour a script wrote).
#pragma once
#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>

#include "graphics/colour.h"
#include "model/screen_model.h"
#include "ui/window_scale.h"

namespace ui {

// The colour as the window draws it (opaque).
QColor qColour(graphics::Colour colour);
// A colour text as a script wrote it (a text style's colour): six digits the
// colour reading takes; anything else gives the fallback.
QColor colourOf(const std::string& rrggbb, QColor fallback = Qt::black);

// A control's font (points at 96 DPI) with its style flags.
QFont fontOf(const model::Control& control);

// Sets geometry, visibility, font and colours of a widget from a control, its
// place and font at the window's scale.
void applyControl(QWidget* widget, const model::Control& control, const Scale& scale = {});
// The same without the visibility, for a widget something else shows and hides
// (a page of the viewer is on show only while its mode is).
void applyPlaceAndLook(QWidget* widget, const model::Control& control, const Scale& scale = {});

}  // namespace ui
