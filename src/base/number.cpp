// Whole-number reading and wrapping 32-bit arithmetic.
#include "base/number.h"

namespace base {

std::optional<int32_t> readNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Digits are gathered in 64 bits and stop counting past 32: a digit string that
  // does not fit is no number (it never wraps into a small one).
  const int64_t limit = negative ? int64_t{2147483648} : int64_t{2147483647};
  int64_t value = 0;
  bool tooBig = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) tooBig = true, value = limit;
  }
  if (tooBig) return std::nullopt;
  return static_cast<int32_t>(negative ? -value : value);
}

int32_t readNumberOr(std::string_view text, int32_t fallback) {
  return readNumber(text).value_or(fallback);
}

int32_t wrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t wrapSub(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
int32_t wrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

}  // namespace base
