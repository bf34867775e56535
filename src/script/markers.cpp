// Marker conversion per display mode.
#include "script/markers.h"

#include "model/display_mode.h"

namespace script {
namespace {

constexpr char kLineBreak = '\xA7';  // "§" in Windows-1252

std::string replacementFor(model::DisplayMode mode, char marker) {
  switch (marker) {
    case kLineBreak:
      if (mode == model::DisplayMode::Page) return "<br>";
      if (mode == model::DisplayMode::Canvas) return std::string(1, kLineBreak);
      return "\r\n";
    case '~':
      return mode == model::DisplayMode::Page ? "&nbsp;" : " ";
    case '^':
      return ",";
    default:
      return "";
  }
}

}  // namespace

std::string convertMarkers(model::DisplayMode mode, char marker, const std::string& text) {
  const std::string replacement = replacementFor(mode, marker);
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == marker)
      out += replacement;
    else
      out += c;
  }
  return out;
}

std::string convertAllMarkers(model::DisplayMode mode, const std::string& text) {
  std::string out = text;
  for (char marker : {kLineBreak, '~', '^'})
    if (out.find(marker) != std::string::npos) out = convertMarkers(mode, marker, out);
  return out;
}

}  // namespace script
