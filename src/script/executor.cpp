// Line classification, argument splitting and dispatch.
#include "script/executor.h"

#include "base/number.h"
#include "script/markers.h"
#include "script/script_error.h"
#include "shell/game.h"

namespace script {
namespace {

bool isMessageKeyword(const std::string& keyword) { return keyword == "msg+" || keyword == "msg="; }

// nextArgument: one argument off the front of the argument text, resolved.
std::string nextArgument(shell::Game& game, const std::string& keyword, std::string_view& rest) {
  if (isMessageKeyword(keyword)) {
    std::string argument(rest);
    rest = {};
    if (!argument.empty() && argument[0] == '#')
      return game.Regs.at(base::readNumberOr(std::string_view(argument).substr(1), 0));
    return argument;
  }
  size_t comma = rest.find(',');
  std::string argument(rest.substr(0, comma));
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  if (!argument.empty() && argument[0] == '#') {
    int32_t n = base::readNumberOr(std::string_view(argument).substr(1), 0);
    if (n >= 0 && n < game.registerCount) return game.Regs.at(n);
    return argument.substr(1);
  }
  return argument;
}

void outputQuotedText(shell::Game& game, const std::string& text) {
  if (game.dispatch.quotedText) game.dispatch.quotedText(game, text);
}

// A quoted text: from the opening apostrophe to the next one, over as many lines
// as it takes, output as one text; the line after it runs at once.
void quotedText(shell::Game& game, std::string_view firstLine, std::string& trace) {
  auto& runner = game.runner;
  const std::string& mode = game.screen.Modelo;
  std::string piece = convertAllMarkers(mode, std::string(firstLine.substr(1)));
  std::string collected;
  while (piece.find('\'') == std::string::npos) {
    collected += piece;
    collected += ' ';
    ++runner.currentLine;
    if (runner.currentLine >= static_cast<int>(runner.Script.size())) {
      // No closing apostrophe: the text is output and the run ends.
      outputQuotedText(game, collected);
      return;
    }
    piece = convertAllMarkers(mode, base::trim(runner.Script[static_cast<size_t>(runner.currentLine)]));
  }
  collected += piece.substr(0, piece.find('\''));
  outputQuotedText(game, collected);
  if (game.traceHook) trace = linePrefix(runner.currentLine) + piece;
  ++runner.currentLine;
  continueAtOnce(game);
}

// One line, from trimming to its handler; returns its trace line.
void executeLine(shell::Game& game) {
  auto& runner = game.runner;
  if (++runner.stepsThisRun > runner.maxStepsPerRun)
    throw ScriptError("o script n\xE3o terminou depois de " + std::to_string(runner.maxStepsPerRun) +
                      " instru\xE7\xF5" "es (um la\xE7o sem fim?)");
  const bool tracing = static_cast<bool>(game.traceHook);
  // The line is read in place: everything a handler needs is copied out of it
  // before the handler runs (and may replace the script).
  const size_t lineIndex = static_cast<size_t>(runner.currentLine);
  std::string_view line = base::trimView(runner.Script[lineIndex]);
  Statement statement;
  if (tracing) statement.trace = linePrefix(runner.currentLine);
  if (line.empty()) return game.trace(statement.trace);

  char first = line[0];
  if (first == ':' || first == '/' || first == ';') {
    if (tracing) {
      statement.trace += line;
      if (first == ':') statement.trace += " <-" + labelReferenceSummary(game, std::string(line));
    }
    return game.trace(statement.trace);
  }
  if (first == '|') {
    line = base::trimView(line.substr(1));
    if (line.empty()) return game.trace(statement.trace);
  }
  if (line[0] == '\'') {
    quotedText(game, line, statement.trace);
    return game.trace(statement.trace);
  }

  size_t blank = line.find(' ');
  statement.keyword = line.substr(0, blank);
  std::string_view rest;
  if (blank != std::string_view::npos) rest = line.substr(blank + 1);
  if (tracing) statement.trace += statement.keyword + " ";
  for (auto& argument : statement.args) {
    if (rest.empty()) break;
    argument = nextArgument(game, statement.keyword, rest);
  }
  if (Handler handler = runner.Script.handlerAt(lineIndex, statement.keyword, game.dispatch))
    handler(game, statement);
  game.trace(statement.trace);
}

}  // namespace

std::string linePrefix(int line) {
  std::string padded = "     " + std::to_string(line);
  return padded.substr(padded.size() - 4) + ": ";
}

std::string labelReferenceSummary(const shell::Game& game, const std::string& labelLine) {
  const std::string name = labelLine.substr(1);
  std::string list;
  int count = 0;
  const auto& lines = game.runner.Script;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(name) == std::string::npos) continue;
    ++count;
    list += std::to_string(i) + " ";
  }
  if (count == 0) return "N\xE3o encontrei refer\xEAncia a este label!";
  if (count == 1) return "Refer\xEAncia na linha: " + list;
  return std::to_string(count) + "x nas linhas: " + list;
}

void dispatchStatement(shell::Game& game, Statement& statement) {
  if (Handler handler = game.dispatch.find(statement.keyword)) handler(game, statement);
}

void continueAtOnce(shell::Game& game) { game.runner.executeAtOnce = true; }

void executeStatement(shell::Game& game) {
  auto& runner = game.runner;
  for (;;) {
    runner.executeAtOnce = false;
    executeLine(game);
    if (!runner.executeAtOnce) return;
    if (runner.currentLine < 0 || runner.currentLine >= static_cast<int>(runner.Script.size())) return;
  }
}

}  // namespace script
