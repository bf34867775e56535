// The picture surfaces of the screen: visible ones (Imp, Tela, TelCmd, Tela3),
// the off-screen buffers scripts compose into (BufTela, BufFunc, TelMod3), and
// the scratch and effect bitmaps. All hold 24 bits of colour (Format_RGB32);
// magenta FF00FF is the transparent colour of every picture laid over another.
// A null image is a surface without a picture.
#pragma once
#include <QImage>
#include <cstdint>
#include <string>

namespace graphics {

constexpr QRgb kMagenta = 0xFFFF00FF;  // the transparent key colour as an RGB32 pixel

// Surfaces never grow past this many pixels a side, and pictures larger than it
// are refused as unreadable, so a script or a file header cannot make the player
// allocate gigabytes.
constexpr int kMaxSurfaceSide = 16384;

// The one decision on the largest picture a file may bring: no side past
// kMaxSurfaceSide and no more than kMaxPicturePixels in all (256 MB as a
// surface). Decoders ask it as soon as a header declares the size, before they
// allocate anything, and limit their own working memory to kMaxDecoderMemory.
constexpr int64_t kMaxPicturePixels = int64_t(1) << 26;
constexpr long kMaxDecoderMemory = 256L << 20;
bool acceptablePictureSize(int64_t width, int64_t height);

// A coordinate or size from a script, kept where pixel arithmetic cannot overflow.
int clampCoordinate(int64_t value);

// What a surface's drawing canvas holds between statements: the brush (fill)
// colour and the font text is drawn with. Colours are 0xRRGGBB.
struct Canvas {
  uint32_t brush = 0x219439;
  std::string fontName = "Arial";
  int fontSize = 16;
  uint32_t fontColour = 0xFFFF00;
  bool bold = false, italic = false, underline = false;
};

// The surfaces a picture can be loaded into.
enum class SurfaceId { Imp, Tela, BufTela, TelCmd, BufFunc, TelMod3, Tela3, BufShp, Hud, BkTel, btFim };

struct Surfaces {
  QImage Imp, Tela, BufTela, TelCmd, BufFunc, TelMod3, Tela3, BufShp, Hud, BkTel;
  QImage btFim;                     // the end button's up picture
  QImage Msk1, Msk2, BfDst, BfChv;  // the rain effect's working bitmaps

  // The canvases of the surfaces scripts draw text and fills on.
  struct Canvases {
    Canvas Imp, Tela, BufTela, TelCmd, BufFunc, TelMod3;
  } canvas;

  QImage& image(SurfaceId id);
};

// A 24-bit surface of the given size (1 to kMaxSurfaceSide) filled with one colour (0xRRGGBB).
QImage makeSurface(int width, int height, uint32_t colour = 0);

// The picture as a 24-bit surface (a null image stays null).
QImage toSurfaceFormat(const QImage& picture);

// Gives the surface a new size keeping what it shows at the top left; new
// pixels take the colour. A null surface becomes a filled one.
void resizeSurface(QImage& surface, int width, int height, uint32_t colour);

// Fills a rectangle of the surface (clipped to it) with one colour.
void fillSurface(QImage& surface, const QRect& area, uint32_t colour);
void fillSurface(QImage& surface, uint32_t colour);

// Draws the picture over the surface with its top-left corner at (x, y); its
// magenta pixels leave the surface unchanged. Clipped to the surface.
void drawTransparent(QImage& surface, const QImage& picture, int x, int y);
// The same, stretched (nearest pixel) into the rectangle.
void drawTransparentStretched(QImage& surface, const QImage& picture, const QRect& into);

}  // namespace graphics
