// Windows-1252 letter case.
#include "base/letter_case.h"

namespace base {
namespace {

unsigned char byte(char c) { return static_cast<unsigned char>(c); }

// The pairs outside the two regular ranges: S, OE, Z with caron/ligature and Y diaeresis.
struct Pair {
  unsigned char upper, lower;
};
constexpr Pair kIrregular[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}};

}  // namespace

char upperCaseLetter(char c) {
  unsigned char b = byte(c);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 32);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 32);
  for (const Pair& pair : kIrregular)
    if (b == pair.lower) return static_cast<char>(pair.upper);
  return c;
}

char lowerCaseLetter(char c) {
  unsigned char b = byte(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 32);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 32);
  for (const Pair& pair : kIrregular)
    if (b == pair.upper) return static_cast<char>(pair.lower);
  return c;
}

std::string upperCaseLetters(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperCaseLetter(c);
  return out;
}

}  // namespace base
