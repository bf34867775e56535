// Object key collation.
#include "world/key_order.h"

#include <algorithm>

#include "base/letter_case.h"

namespace world {
namespace {

// The lower-case letter without its accent (ç -> c, Ã -> a, œ -> o).
unsigned char baseLetter(char c) {
  auto lower = static_cast<unsigned char>(base::lowerCaseLetter(c));
  if (lower < 0x80) return lower;
  static const struct {
    unsigned char from, to;
    char letter;
  } ranges[] = {{0xE0, 0xE6, 'a'}, {0xE7, 0xE7, 'c'}, {0xE8, 0xEB, 'e'}, {0xEC, 0xEF, 'i'},
                {0xF0, 0xF0, 'd'}, {0xF1, 0xF1, 'n'}, {0xF2, 0xF6, 'o'}, {0xF8, 0xF8, 'o'},
                {0xF9, 0xFC, 'u'}, {0xFD, 0xFD, 'y'}, {0xFF, 0xFF, 'y'}, {0x9A, 0x9A, 's'},
                {0x9C, 0x9C, 'o'}, {0x9E, 0x9E, 'z'}};
  for (const auto& range : ranges)
    if (lower >= range.from && lower <= range.to) return static_cast<unsigned char>(range.letter);
  return lower;
}

unsigned char lowerByte(char c) { return static_cast<unsigned char>(base::lowerCaseLetter(c)); }

template <typename Weight>
int compareBy(const std::string& a, const std::string& b, Weight weight) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int difference = int(weight(a[i])) - int(weight(b[i]));
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

int compareKeys(const std::string& a, const std::string& b) {
  int primary = compareBy(a, b, baseLetter);
  return primary != 0 ? primary : compareBy(a, b, lowerByte);
}

namespace {
bool sortsBefore(const std::string& a, const std::string& b) { return compareKeys(a, b) < 0; }
}  // namespace

base::Lines sortedKeys(base::Lines keys) {
  std::stable_sort(keys.begin(), keys.end(), sortsBefore);
  return keys;
}

}  // namespace world
