// The bitmap file form of a surface (24-bit, bottom-up rows padded to four
// bytes), the form a map is saved in whatever its name, and drawing a piece with
// one colour of its own left out.
#pragma once
#include <QImage>
#include <string>
#include <string_view>

namespace graphics {

// The bytes of a 24-bit bitmap file holding the surface (empty for a null surface).
std::string encodeBitmap(const QImage& surface);

// Which picture format bytes begin with, by their signature.
enum class PictureFormat { Unknown, Bitmap, Png, Jpeg, Gif };
PictureFormat formatOf(std::string_view leadingBytes);

// Draws the picture over the surface with its top-left corner at (x, y); its
// pixels of the key colour (0xRRGGBB) leave the surface unchanged. Clipped.
// Returns whether a pixel changed; a drawing that changes nothing leaves the
// surface untouched (a surface shared with a snapshot is not copied for it).
bool drawWithKeyColour(QImage& surface, const QImage& picture, int x, int y, QRgb key);

}  // namespace graphics
