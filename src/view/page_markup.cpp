// Markup bounds for the page view.
#include "view/page_markup.h"

#include <algorithm>
#include <initializer_list>
#include <map>
#include <optional>
#include <vector>

#include "base/letter_case.h"

namespace view {
namespace {

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Elements that never hold others, or that the next one of their kind closes:
// they do not make a page deeper.
bool nestsNothing(std::string_view name) {
  return isOneOf(name, {"area", "base", "br", "col", "colgroup", "dd", "dt", "embed", "hr", "img", "input", "li",
                        "link", "meta", "option", "p", "param", "source"});
}

// The parts of a table: the page view closes them when the next part of their
// kind opens, so they are followed but never counted as depth.
bool isTablePart(std::string_view name) { return isOneOf(name, {"caption", "tbody", "td", "tfoot", "th", "thead", "tr"}); }

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// The end of a word of a tag starting at `at`, read as the page view reads it: a
// quoted word runs to its closing quote; another stops before a blank, "=", "<",
// ">" or "/>".
size_t wordEnd(std::string_view html, size_t at) {
  if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
    const size_t close = html.find(html[at], at + 1);
    return close == std::string_view::npos ? html.size() : close + 1;
  }
  while (at < html.size()) {
    const char c = html[at];
    if (isBlank(c) || c == '=' || c == '<' || c == '>' || (c == '/' && html.substr(at, 2) == "/>")) break;
    ++at;
  }
  return at;
}

// Just past the next ">" from `at`; the end of the page when there is none.
size_t pastNextClose(std::string_view html, size_t at) {
  const size_t close = html.find('>', at);
  return close == std::string_view::npos ? html.size() : close + 1;
}

size_t blanksEnd(std::string_view html, size_t at) {
  while (at < html.size() && isBlank(html[at])) ++at;
  return at;
}

// Where the tag whose name starts at `name` ends (just past its ">"), read as
// the page view reads it: the name, then attributes (key, "=", value) as long as
// there are keys, and whatever follows up to the next ">". A quote is a value's
// only where a key and its "=" come before it; the end of the page when the tag
// never closes.
size_t tagEnd(std::string_view html, size_t name, bool closing) {
  size_t at = wordEnd(html, name);
  while (!closing) {
    at = blanksEnd(html, at);
    if (at >= html.size() || html[at] == '>' || html[at] == '/') break;
    const size_t keyEnd = wordEnd(html, at);
    if (keyEnd == at) break;
    at = blanksEnd(html, keyEnd);
    if (at < html.size() && html[at] == '=') at = wordEnd(html, blanksEnd(html, at + 1));
  }
  return pastNextClose(html, at);
}

// The elements open at a point of the page, as the page view nests them: an end
// tag closes its element and every one opened inside it, a table part closes
// the parts inside its own table, and an end tag that closes nothing is not
// followed.
class OpenElements {
 public:
  // Whether `name` may open here; when it may, it is opened.
  bool open(const std::string& name) {
    const bool part = isTablePart(name);
    // A cell outside any row, or a row outside any table, makes a table of its own
    // where it stands.
    const bool implicitTable = ((name == "td" || name == "th") && !holderOf(name)) || (name == "tr" && !isOpen("table"));
    const int depthAdded = (implicitTable ? 1 : 0) + (part ? 0 : 1);
    const int tablesAdded = (implicitTable ? 1 : 0) + (name == "table" ? 1 : 0);
    if (depth_ + depthAdded > kMaxMarkupDepth || tables_ + tablesAdded > kMaxTableDepth) return false;
    if (part && !implicitTable) closePartsFor(name);
    if (implicitTable) push("table");
    if (implicitTable && name != "tr") push("tr");
    push(name);
    return true;
  }
  // Whether an end tag of `name` closes an open element; when it does, that one
  // and those inside it are closed.
  bool close(const std::string& name) {
    for (size_t i = elements_.size(); i-- > 0;)
      if (elements_[i] == name) {
        while (elements_.size() > i) pop();
        return true;
      }
    return false;
  }

 private:
  void push(const std::string& name) {
    elements_.push_back(name);
    if (name == "table") ++tables_;
    if (!isTablePart(name)) ++depth_;
  }
  void pop() {
    if (elements_.back() == "table") --tables_;
    if (!isTablePart(elements_.back())) --depth_;
    elements_.pop_back();
  }
  bool isOpen(const std::string& name) const {
    return std::find(elements_.begin(), elements_.end(), name) != elements_.end();
  }
  // The innermost open element that may hold the table part, from the end.
  std::optional<size_t> holderOf(const std::string& part) const {
    for (size_t i = elements_.size(); i-- > 0;) {
      const std::string& e = elements_[i];
      if ((part == "td" || part == "th") ? e == "tr"
          : part == "tr"                 ? isOneOf(e, {"table", "tbody", "thead", "tfoot"})
                                         : e == "table")
        return i;
    }
    return std::nullopt;
  }
  // A table part goes into its holder: what is open inside the holder closes.
  // A row group or caption outside any table goes to the top of the page.
  void closePartsFor(const std::string& part) {
    const auto holder = holderOf(part);
    const size_t keep = holder ? *holder + 1 : (part == "td" || part == "th" || part == "tr") ? elements_.size() : 0;
    while (elements_.size() > keep) pop();
  }

  std::vector<std::string> elements_;
  int depth_ = 0;   // open elements that nest, tables included
  int tables_ = 0;  // open tables
};

// A picture tag with every width and height past kMaxPagePictureSide brought down to it.
std::string boundPictureSize(std::string_view tag) {
  std::string out(tag);
  char quote = 0;
  for (size_t i = 1; i < out.size(); ++i) {
    const char c = out[i];
    if (quote) {
      if (c == quote) quote = 0;
      continue;
    }
    if (c == '"' || c == '\'') {
      quote = c;
      continue;
    }
    if (!isNameCharacter(c) || isNameCharacter(out[i - 1])) continue;
    size_t nameEnd = i;
    while (nameEnd < out.size() && isNameCharacter(out[nameEnd])) ++nameEnd;
    std::string name;
    for (size_t k = i; k < nameEnd; ++k) name += base::lowerCaseLetter(out[k]);
    size_t value = nameEnd;
    while (value < out.size() && out[value] == ' ') ++value;
    if ((name != "width" && name != "height") || value >= out.size() || out[value] != '=') {
      i = nameEnd - 1;
      continue;
    }
    ++value;
    while (value < out.size() && (out[value] == ' ' || out[value] == '"' || out[value] == '\'')) {
      if (out[value] != ' ') quote = out[value];
      ++value;
    }
    size_t digitsEnd = value;
    while (digitsEnd < out.size() && isDigit(out[digitsEnd])) ++digitsEnd;
    const std::string_view digits(out.data() + value, digitsEnd - value);
    const std::string largest = std::to_string(kMaxPagePictureSide);
    const bool tooLarge = digits.size() > largest.size() || (digits.size() == largest.size() && digits > largest);
    if (tooLarge) out.replace(value, digits.size(), largest);
    i = value + (tooLarge ? largest.size() : digits.size());
    if (i > 0) --i;
  }
  return out;
}

}  // namespace

std::string boundMarkupNesting(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  OpenElements open;
  std::map<std::string, int> leftOut;  // start tags left out, by element name
  size_t at = 0;
  while (at < html.size()) {
    const size_t start = html.find('<', at);
    if (start == std::string_view::npos) {
      out.append(html.substr(at));
      break;
    }
    out.append(html.substr(at, start - at));
    // Comments may hold anything up to their end.
    if (html.substr(start, 4) == "<!--") {
      const size_t close = html.find("-->", start + 4);
      const size_t end = close == std::string_view::npos ? html.size() : close + 3;
      out.append(html.substr(start, end - start));
      at = end;
      continue;
    }
    const bool closing = start + 1 < html.size() && html[start + 1] == '/';
    const size_t nameStart = start + (closing ? 2 : 1);
    size_t nameEnd = nameStart;
    while (nameEnd < html.size() && isNameCharacter(html[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart) {  // not a tag: "<" as text, "<!DOCTYPE", "<?"
      const size_t end = nameStart < html.size() && (html[nameStart] == '!' || html[nameStart] == '?')
                             ? pastNextClose(html, start)
                             : start + 1;
      out.append(html.substr(start, end - start));
      at = end;
      continue;
    }
    const size_t end = tagEnd(html, nameStart, closing);
    const std::string_view tag = html.substr(start, end - start);
    std::string name;
    for (char c : html.substr(nameStart, nameEnd - nameStart)) name += base::lowerCaseLetter(c);
    const bool selfClosing = tag.size() >= 2 && tag[tag.size() - 2] == '/';
    at = end;
    if (name == "img" && !closing) {
      out.append(boundPictureSize(tag));
    } else if (nestsNothing(name) || (selfClosing && !closing)) {
      out.append(tag);
    } else if (!closing) {
      if (open.open(name))
        out.append(tag);
      else
        ++leftOut[name];
    } else {
      auto dropped = leftOut.find(name);
      if (dropped != leftOut.end() && dropped->second > 0) {
        --dropped->second;
        continue;
      }
      if (open.close(name)) out.append(tag);
    }
  }
  return out;
}

}  // namespace view
