// Marker conversion per display mode.
#include "script/markers.h"

#include "shell/game.h"

namespace script {
namespace {

constexpr char kLineBreak = '\xA7';  // "§" in Windows-1252

std::string replacementFor(const std::string& mode, char marker) {
  switch (marker) {
    case kLineBreak:
      if (view::isPageMode(mode)) return "<br>";
      if (view::isCanvasMode(mode)) return std::string(1, kLineBreak);
      return "\r\n";
    case '~':
      return view::isPageMode(mode) ? "&nbsp;" : " ";
    case '^':
      return ",";
    default:
      return "";
  }
}

}  // namespace

std::string convertMarkers(const std::string& mode, char marker, const std::string& text) {
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

std::string convertAllMarkers(const std::string& mode, const std::string& text) {
  std::string out = text;
  for (char marker : {kLineBreak, '~', '^'})
    if (out.find(marker) != std::string::npos) out = convertMarkers(mode, marker, out);
  return out;
}

}  // namespace script
