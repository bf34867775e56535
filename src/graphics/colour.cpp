// Reading and writing colour texts.
#include "graphics/colour.h"

namespace graphics {
namespace {

std::string pieceAt(const std::string& text, size_t start) {
  return start < text.size() ? text.substr(start, 2) : std::string();
}

}  // namespace

std::optional<uint32_t> readColour(const std::string& text) {
  const std::string bgr = pieceAt(text, 4) + pieceAt(text, 2) + pieceAt(text, 0);
  if (bgr.empty()) return std::nullopt;
  uint32_t native = 0;
  for (char c : bgr) {
    int digit = (c >= '0' && c <= '9') ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
    if (digit < 0) return std::nullopt;
    native = native * 16 + static_cast<uint32_t>(digit);
  }
  // native is 0xBBGGRR
  return ((native & 0xFF) << 16) | (native & 0xFF00) | ((native >> 16) & 0xFF);
}

std::string colourText(uint32_t colour) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text(6, '0');
  for (int i = 5; i >= 0; --i, colour >>= 4) text[static_cast<size_t>(i)] = digits[colour & 0xF];
  return text;
}

}  // namespace graphics
