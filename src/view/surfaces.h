// The picture surfaces of the screen: visible ones (Imp, Tela, TelCmd, Tela3),
// the off-screen buffers scripts compose into (BufTela, BufFunc, TelMod3), and
// the scratch and effect bitmaps. All are 24-bit images; magenta FF00FF is the
// transparent colour of every picture laid over another.
#pragma once
#include <QImage>

namespace view {

struct Surfaces {
  QImage Imp, Tela, BufTela, TelCmd, BufFunc, TelMod3, Tela3, BufShp, Hud, BkTel;
  QImage Msk1, Msk2, BfDst, BfChv;  // the rain effect's working bitmaps
};

// A 24-bit surface of the given size filled with one colour (0xRRGGBB).
QImage makeSurface(int width, int height, unsigned colour = 0);

}  // namespace view
