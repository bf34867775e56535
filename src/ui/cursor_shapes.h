// The cursor shapes of the hot-spot cursor codes: the program's own pictures
// for the arrows, the pointing hand, the sight and the hand over a grid (32 x 32,
// painted once at first use), Qt's standard shapes for the others.
#pragma once
#include <QCursor>

#include "view/cursors.h"

namespace ui {

QCursor cursorShape(view::CursorShape shape);

}  // namespace ui
