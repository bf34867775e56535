// Page lines as plain text.
#include "view/page_text.h"

#include "base/letter_case.h"

namespace view {
namespace {

// The tag starting at text[at] ('<'): its lower-case name and where it ends.
struct Tag {
  std::string name;   // "a", "/a", "br", ...
  std::string body;   // everything between "<" and ">"
  size_t end = 0;     // index just after ">"
};

Tag readTag(const std::string& text, size_t at) {
  Tag tag;
  size_t close = text.find('>', at);
  tag.end = close == std::string::npos ? text.size() : close + 1;
  tag.body = text.substr(at + 1, (close == std::string::npos ? text.size() : close) - at - 1);
  std::string name = tag.body.substr(0, tag.body.find_first_of(" \t\r\n"));
  if (name.size() > 1 && name.back() == '/') name.pop_back();  // <br/>
  for (char c : name) tag.name += base::lowerCaseLetter(c);
  return tag;
}

// The href of an anchor tag, quoted or not.
std::string hrefOf(const std::string& body) {
  std::string lower;
  for (char c : body) lower += base::lowerCaseLetter(c);
  size_t at = lower.find("href=");
  if (at == std::string::npos) return "";
  size_t start = at + 5;
  if (start < body.size() && (body[start] == '"' || body[start] == '\'')) {
    size_t end = body.find(body[start], start + 1);
    return body.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  }
  size_t end = body.find_first_of(" \t", start);
  return body.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string entityText(const std::string& text, size_t at, size_t& length) {
  static const struct {
    const char* entity;
    const char* text;
  } entities[] = {{"&nbsp;", " "}, {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}};
  for (const auto& e : entities) {
    std::string_view entity(e.entity);
    if (text.compare(at, entity.size(), entity) == 0) {
      length = entity.size();
      return e.text;
    }
  }
  length = 1;
  return "&";
}

// Walks a line, calling out for text and for anchors opened and closed.
template <typename OnText, typename OnOpen, typename OnClose>
void walkLine(const std::string& line, OnText onText, OnOpen onOpen, OnClose onClose) {
  for (size_t i = 0; i < line.size();) {
    if (line[i] == '<') {
      Tag tag = readTag(line, i);
      if (tag.name == "br") onText("\n");
      else if (tag.name == "a") onOpen(hrefOf(tag.body));
      else if (tag.name == "/a") onClose();
      i = tag.end;
    } else if (line[i] == '&') {
      size_t length = 0;
      onText(entityText(line, i, length));
      i += length;
    } else {
      onText(std::string(1, line[i]));
      ++i;
    }
  }
}

}  // namespace

std::vector<PageLink> pageLinks(const base::Lines& lines) {
  std::vector<PageLink> links;
  bool inside = false;
  for (const auto& line : lines)
    walkLine(
        line, [&](const std::string& text) { if (inside) links.back().text += text; },
        [&](const std::string& address) {
          links.push_back({address, ""});
          inside = true;
        },
        [&] { inside = false; });
  return links;
}

std::string pageLineText(const std::string& line, size_t firstLink) {
  std::string text;
  size_t next = firstLink;
  std::string pending;  // the number of the link being read, shown where it closes
  auto close = [&] {
    if (!pending.empty()) text += " [" + pending + "]";
    pending.clear();
  };
  walkLine(
      line, [&](const std::string& piece) { text += piece; },
      [&](const std::string&) {
        close();
        pending = std::to_string(next++);
      },
      close);
  close();
  return text;
}

}  // namespace view
