// Reading and writing colour texts.
#include "graphics/colour.h"

namespace graphics {
namespace {

std::string_view pieceAt(std::string_view text, size_t start) {
  return start < text.size() ? text.substr(start, 2) : std::string_view();
}

int hexDigit(char c) {
  return (c >= '0' && c <= '9')   ? c - '0'
         : (c >= 'a' && c <= 'f') ? c - 'a' + 10
         : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                  : -1;
}

}  // namespace

std::optional<Colour> Colour::read(std::string_view text) {
  std::string bgr;
  for (size_t start : {4, 2, 0}) bgr += pieceAt(text, start);
  if (bgr.empty()) return std::nullopt;
  uint32_t native = 0;  // 0xBBGGRR
  for (char c : bgr) {
    const int digit = hexDigit(c);
    if (digit < 0) return std::nullopt;
    native = native * 16 + static_cast<uint32_t>(digit);
  }
  return Colour(((native & 0xFF) << 16) | (native & 0xFF00) | ((native >> 16) & 0xFF));
}

std::string Colour::text() const {
  static const char digits[] = "0123456789ABCDEF";
  std::string text(6, '0');
  uint32_t rest = rgb_;
  for (int i = 5; i >= 0; --i, rest >>= 4) text[static_cast<size_t>(i)] = digits[rest & 0xF];
  return text;
}

}  // namespace graphics
