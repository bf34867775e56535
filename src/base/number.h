// Reading a text as a whole number, the one way every statement does it:
// optional leading blanks, an optional sign, decimal digits and nothing else.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace base {

// A digit string that does not fit in 32 bits is not a number.
std::optional<int32_t> readNumber(std::string_view text);

// readNumber, or the fallback when the text is not a number.
int32_t readNumberOr(std::string_view text, int32_t fallback);

// 32-bit arithmetic that wraps instead of overflowing.
int32_t wrapAdd(int32_t a, int32_t b);
int32_t wrapSub(int32_t a, int32_t b);
int32_t wrapMul(int32_t a, int32_t b);

}  // namespace base
