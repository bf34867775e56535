// Markup nesting bound for the page view.
#include "view/page_markup.h"

#include <algorithm>
#include <array>
#include <map>

#include "base/letter_case.h"

namespace view {
namespace {

// Elements that never hold others, or that the next one of their kind closes:
// they do not make a page deeper.
bool nestsNothing(const std::string& name) {
  static constexpr std::array<std::string_view, 24> names = {
      "area", "base", "br",    "col",   "colgroup", "dd",     "dt",    "embed", "hr",    "img",   "input", "li",
      "link", "meta", "option", "p",    "param",    "source", "tbody", "td",    "tfoot", "th",    "thead", "tr"};
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Where the tag starting at `open` ends (just past its ">"), quoted attribute
// values included; the end of the page when it never closes.
size_t tagEnd(std::string_view html, size_t open) {
  char quote = 0;
  for (size_t i = open + 1; i < html.size(); ++i) {
    const char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return html.size();
}

}  // namespace

std::string boundMarkupNesting(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  int depth = 0;
  std::map<std::string, int> leftOut;  // start tags left out, by element name
  size_t at = 0;
  while (at < html.size()) {
    const size_t open = html.find('<', at);
    if (open == std::string_view::npos) {
      out.append(html.substr(at));
      break;
    }
    out.append(html.substr(at, open - at));
    // Comments may hold anything up to their end.
    if (html.substr(open, 4) == "<!--") {
      const size_t close = html.find("-->", open + 4);
      const size_t end = close == std::string_view::npos ? html.size() : close + 3;
      out.append(html.substr(open, end - open));
      at = end;
      continue;
    }
    const bool closing = open + 1 < html.size() && html[open + 1] == '/';
    const size_t nameStart = open + (closing ? 2 : 1);
    size_t nameEnd = nameStart;
    while (nameEnd < html.size() && isNameCharacter(html[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart) {  // not a tag: "<" as text, "<!DOCTYPE", "<?"
      const size_t end = nameStart < html.size() && (html[nameStart] == '!' || html[nameStart] == '?')
                             ? tagEnd(html, open)
                             : open + 1;
      out.append(html.substr(open, end - open));
      at = end;
      continue;
    }
    const size_t end = tagEnd(html, open);
    const std::string_view tag = html.substr(open, end - open);
    std::string name;
    for (char c : html.substr(nameStart, nameEnd - nameStart)) name += base::lowerCaseLetter(c);
    const bool selfClosing = tag.size() >= 2 && tag[tag.size() - 2] == '/';
    at = end;
    if (nestsNothing(name) || (selfClosing && !closing)) {
      out.append(tag);
    } else if (!closing) {
      if (depth >= kMaxMarkupDepth) {
        ++leftOut[name];
        continue;
      }
      ++depth;
      out.append(tag);
    } else {
      auto dropped = leftOut.find(name);
      if (dropped != leftOut.end() && dropped->second > 0) {
        --dropped->second;
        continue;
      }
      depth = std::max(depth - 1, 0);
      out.append(tag);
    }
  }
  return out;
}

}  // namespace view
