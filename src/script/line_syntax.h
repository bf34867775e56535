// The syntax of one script line, shared by the executor and the game checker:
// how a trimmed line is classified, where its keyword ends, and how argument
// texts are cut off the rest (before any register reference is resolved).
#pragma once
#include <string_view>

namespace script {

enum class LineKind { Blank, Label, Comment, QuotedText, Statement };

struct LineSyntax {
  LineKind kind = LineKind::Blank;
  // Label and comment: the trimmed line. Quoted text: from the opening "'" on.
  // Statement: the keyword; `rest` holds the argument text after the first blank.
  std::string_view text;
  std::string_view rest;
};

// Trims the line and classifies it: ":" label, "/" or ";" comment, "'" quoted
// text, anything else a statement. A leading "|" is dropped and the rest read
// again, as a statement or quoted text only.
LineSyntax readLineSyntax(std::string_view line);

// "msg+" and "msg=" take the whole rest of the line, commas included.
bool takesWholeLine(std::string_view keyword);

// Cuts the next argument off the front of rest: the text before the first comma
// (the whole rest for msg+ and msg=); rest keeps what follows the comma.
std::string_view takeArgumentText(std::string_view keyword, std::string_view& rest);

}  // namespace script
