// Value readings for the checker.
#include "check/value_checks.h"

#include <cctype>

#include "base/letter_case.h"
#include "graphics/colour.h"

namespace check {

ColourReading readColourText(const std::string& text) {
  bool sixDigits = text.size() == 6;
  for (char c : text) sixDigits = sixDigits && std::isxdigit(static_cast<unsigned char>(c));
  if (sixDigits) return {ColourReading::Exact, text};
  if (auto colour = graphics::Colour::read(text)) return {ColourReading::Readable, colour->text()};
  return {ColourReading::Unreadable, ""};
}

std::string lowerCase(std::string_view text) {
  std::string lower;
  for (char c : text) lower += base::lowerCaseLetter(c);
  return lower;
}

}  // namespace check
