// Line classes and argument cutting.
#include "script/line_syntax.h"

#include "base/text.h"

namespace script {

LineSyntax readLineSyntax(std::string_view line) {
  line = base::trimView(line);
  if (line.empty()) return {};
  char first = line[0];
  if (first == ':') return {LineKind::Label, line, {}};
  if (first == '/' || first == ';') return {LineKind::Comment, line, {}};
  if (first == '|') {
    line = base::trimView(line.substr(1));
    if (line.empty()) return {};
  }
  if (line[0] == '\'') return {LineKind::QuotedText, line, {}};
  size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {LineKind::Statement, line, {}};
  return {LineKind::Statement, line.substr(0, blank), line.substr(blank + 1)};
}

bool takesWholeLine(std::string_view keyword) { return keyword == "msg+" || keyword == "msg="; }

std::string_view takeArgumentText(std::string_view keyword, std::string_view& rest) {
  std::string_view argument = rest;
  if (takesWholeLine(keyword)) {
    rest = {};
    return argument;
  }
  size_t comma = rest.find(',');
  if (comma == std::string_view::npos) {
    rest = {};
    return argument;
  }
  rest = rest.substr(comma + 1);
  return argument.substr(0, comma);
}

}  // namespace script
