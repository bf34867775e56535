// Where the window opens: where it was last closed, moved as little as needed to
// lie wholly on a screen the player can see (a screen since unplugged, a smaller
// screen, a table edited by hand).
#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// The top-left corner for a window of the given size that wanted to be at
// `wanted`, given the available areas of the screens (the primary first). The
// window goes on the screen it overlaps most, or on the primary when it
// overlaps none; a window larger than its screen keeps its top-left corner in it.
QPoint placeOnScreens(QPoint wanted, QSize size, const QList<QRect>& screens);

}  // namespace ui
