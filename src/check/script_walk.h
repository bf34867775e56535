// Walking a script the way the executor reads it: statements with their argument
// texts (registers not resolved), and quoted texts with the lines they take, so
// lines inside a quoted text (and inside the text of regtxt=) are never read as
// statements.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "base/text.h"

namespace check {

struct ScriptItem {
  enum Kind { Statement, QuotedText } kind = Statement;
  int line = 0;                         // 0-based line where it starts
  std::string keyword;                  // statements
  std::array<std::string, 9> args;      // argument texts as written
  int argCount = 0;                     // how many the executor takes
  std::string argumentText;             // the whole text after the keyword
  std::string text;                     // quoted texts (and regtxt=): the text, lines joined by a blank
  int lastLine = 0;                     // the last line it takes
  bool closed = true;                   // a quoted text found its closing "'"
  bool cutAtComma = false;              // regtxt=: a comma ended the text before its "'"
};

void walkScript(const base::Lines& lines, const std::function<void(const ScriptItem&)>& visit);

}  // namespace check
