// Colours and fonts of the screen model as Qt values, tolerant of bad content
// (the window never fails on a colour a script wrote).
#pragma once
#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>

#include "ui/window_scale.h"
#include "model/screen_model.h"

namespace ui {

// RRGGBB text; anything unreadable gives the fallback.
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
