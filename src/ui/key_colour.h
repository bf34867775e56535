// The key colour of pictures laid over the skin and of the skin itself: magenta
// (FF00FF) marks what is cut out. Painted pictures soften their edges against it,
// so the pixels along a cut-out that are mostly magenta go too: no pink shows
// at any scale or in full screen.
#pragma once
#include <QImage>

namespace ui {

inline constexpr QRgb kKeyColour = 0xFFFF00FF;

// The picture with its key colour, and the magenta edge pixels beside it, clear.
QImage withoutKeyColour(const QImage& picture);

}  // namespace ui
