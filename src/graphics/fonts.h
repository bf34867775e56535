// Fonts as the game names them: a family, a size in points at 96 DPI, and style flags.
#pragma once
#include <QFont>
#include <string>

namespace graphics {

QFont makeFont(const std::string& family, int points, bool bold = false, bool italic = false,
               bool underline = false);

// The style of a three-letter style row: "B", "I", "U" in upper case turn bold,
// italic, underline on ("biu" is plain).
struct StyleFlags {
  bool bold = false, italic = false, underline = false;
};
StyleFlags styleFromLetters(const std::string& letters);
// Whether every letter is in its place, in either case: "B" or "b" first, then
// "I" or "i", then "U" or "u" (a shorter text leaves the rest off). Any other
// letter is read as off.
bool isStyleText(const std::string& letters);

}  // namespace graphics
