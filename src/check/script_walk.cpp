// The script walk.
#include "check/script_walk.h"

#include "script/line_syntax.h"

namespace check {
namespace {

// Collects a quoted text that starts with the piece on line `line`: the piece
// and the following trimmed lines up to the one holding "'".
void collectQuoted(const base::Lines& lines, std::string piece, ScriptItem& item) {
  int line = item.line;
  std::string text;
  while (piece.find('\'') == std::string::npos) {
    text += piece + " ";
    if (++line >= static_cast<int>(lines.size())) {
      item.closed = false;
      item.text = text;
      item.lastLine = line - 1;
      return;
    }
    piece = base::trim(lines[static_cast<size_t>(line)]);
  }
  item.text = text + piece.substr(0, piece.find('\''));
  item.lastLine = line;
}

bool takesQuotedText(const std::string& keyword) { return keyword == "regtxt=" || keyword == "regtxt+"; }

}  // namespace

void walkScript(const base::Lines& lines, const std::function<void(const ScriptItem&)>& visit) {
  for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
    auto syntax = script::readLineSyntax(lines[static_cast<size_t>(i)]);
    ScriptItem item;
    item.line = item.lastLine = i;
    if (syntax.kind == script::LineKind::QuotedText) {
      item.kind = ScriptItem::QuotedText;
      collectQuoted(lines, std::string(syntax.text.substr(1)), item);
    } else if (syntax.kind == script::LineKind::Statement) {
      item.keyword = syntax.text;
      item.argumentText = syntax.rest;
      std::string_view rest = syntax.rest;
      for (auto& argument : item.args) {
        if (rest.empty()) break;
        argument = script::takeArgumentText(syntax.text, rest);
        ++item.argCount;
      }
      if (takesQuotedText(item.keyword) && item.argCount >= 2) {
        std::string piece = item.args[1];
        if (!piece.empty() && piece[0] == '\'') piece.erase(0, 1);
        piece = base::trim(piece);
        // A comma inside the text ends the argument: the closing "'" is left behind.
        size_t afterText = item.args[0].size() + 1 + item.args[1].size();
        item.cutAtComma = piece.find('\'') == std::string::npos &&
                          item.argumentText.find('\'', afterText) != std::string::npos;
        collectQuoted(lines, piece, item);
      }
    } else {
      continue;
    }
    visit(item);
    i = item.lastLine;
  }
}

}  // namespace check
