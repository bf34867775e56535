// Font construction at 96 DPI.
#include "graphics/fonts.h"

#include <iterator>

#include "base/content_range.h"
#include "base/cp1252.h"

namespace graphics {

QFont makeFont(const std::string& family, int points, bool bold, bool italic, bool underline) {
  QFont font(QString::fromStdString(base::cp1252ToUtf8(family)));
  font.setPixelSize(std::max(1, (base::fontSizeInRange(points) * 96 + 36) / 72));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

StyleFlags styleFromLetters(const std::string& letters) {
  StyleFlags flags;
  flags.bold = letters.size() > 0 && letters[0] == 'B';
  flags.italic = letters.size() > 1 && letters[1] == 'I';
  flags.underline = letters.size() > 2 && letters[2] == 'U';
  return flags;
}

bool isStyleText(const std::string& letters) {
  static constexpr char kPlaces[] = {'B', 'I', 'U'};
  if (letters.size() > std::size(kPlaces)) return false;
  for (size_t i = 0; i < letters.size(); ++i)
    if (letters[i] != kPlaces[i] && letters[i] != kPlaces[i] - 'A' + 'a') return false;
  return true;
}

}  // namespace graphics
