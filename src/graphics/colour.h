// A colour as a value: 0xRRGGBB, read once from the RRGGBB text a game writes
// and printed back as that text only where a text is kept (dumps, messages).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace graphics {

class Colour {
 public:
  constexpr Colour() = default;  // black
  constexpr explicit Colour(uint32_t rgb) : rgb_(rgb & 0xFFFFFF) {}

  // The text's pairs are taken in the order blue, green, red and read as one
  // hexadecimal number in the platform's BBGGRR order, so a short text still
  // fills red first ("FF" is red) and anything past six characters is not
  // looked at. Nothing when the pairs do not then read as a hexadecimal number
  // (the empty text among them).
  static std::optional<Colour> read(std::string_view text);

  // Six hexadecimal digits RRGGBB, upper case, no "#".
  std::string text() const;

  constexpr uint32_t rgb() const { return rgb_; }
  constexpr int red() const { return static_cast<int>(rgb_ >> 16); }
  constexpr int green() const { return static_cast<int>((rgb_ >> 8) & 0xFF); }
  constexpr int blue() const { return static_cast<int>(rgb_ & 0xFF); }

  friend constexpr bool operator==(Colour, Colour) = default;

 private:
  uint32_t rgb_ = 0;
};

}  // namespace graphics
