// Line classification, argument splitting and dispatch.
#include "script/executor.h"

#include "base/number.h"
#include "script/line_syntax.h"
#include "script/markers.h"
#include "model/run_observer.h"
#include "model/script_error.h"
#include "model/game.h"

namespace script {
namespace {

// nextArgument: one argument off the front of the argument text, resolved.
std::string nextArgument(model::Game& game, const std::string& keyword, std::string_view& rest) {
  std::string argument(takeArgumentText(keyword, rest));
  if (argument.empty() || argument[0] != '#') return argument;
  int32_t n = base::readNumberOr(std::string_view(argument).substr(1), 0);
  // In msg+ and msg= the whole text "#n" is register n, with no range check.
  if (takesWholeLine(keyword)) return game.Regs.at(n);
  if (n >= 0 && n < game.registerCount) return game.Regs.at(n);
  return argument.substr(1);
}

void outputQuotedText(model::Game& game, const std::string& text) {
  if (game.dispatch.quotedText) game.dispatch.quotedText(game, text);
}

// A quoted text: from the opening apostrophe to the next one, over as many lines
// as it takes, output as one text; the line after it runs at once.
void quotedText(model::Game& game, std::string_view firstLine, std::string& trace) {
  auto& runner = game.runner;
  const model::DisplayMode mode = game.screen.Modelo;
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
void executeLine(model::Game& game) {
  auto& runner = game.runner;
  if (++runner.stepsThisRun > runner.maxStepsPerRun)
    throw model::ScriptError("o script n\xE3o terminou depois de " + std::to_string(runner.maxStepsPerRun) +
                      " instru\xE7\xF5" "es (um la\xE7o sem fim?)");
  // A long run keeps the window painting and hears a close, which ends it (the
  // shut-down then saves as always).
  if (runner.stepsThisRun % model::kStepsBetweenEvents == 0) {
    game.host.processEvents();
    if (game.host.closing()) throw model::ScriptError("a execu\xE7\xE3o parou: o jogador est\xE1 fechando");
  }
  const bool tracing = static_cast<bool>(game.traceHook);
  // The line is read in place: everything a handler needs is copied out of it
  // before the handler runs (and may replace the script).
  const size_t lineIndex = static_cast<size_t>(runner.currentLine);
  const LineSyntax line = readLineSyntax(runner.Script[lineIndex]);
  model::Statement statement;
  if (tracing) statement.trace = linePrefix(runner.currentLine);
  switch (line.kind) {
    case LineKind::Blank:
      return game.trace(statement.trace);
    case LineKind::Label:
    case LineKind::Comment:
      if (tracing) {
        statement.trace += line.text;
        if (line.kind == LineKind::Label) statement.trace += " <-" + labelReferenceSummary(game, std::string(line.text));
      }
      return game.trace(statement.trace);
    case LineKind::QuotedText:
      quotedText(game, line.text, statement.trace);
      return game.trace(statement.trace);
    case LineKind::Statement:
      break;
  }

  statement.keyword = line.text;
  std::string_view rest = line.rest;
  if (tracing) statement.trace += statement.keyword + " ";
  for (auto& argument : statement.args) {
    if (rest.empty()) break;
    argument = nextArgument(game, statement.keyword, rest);
  }
  if (model::Handler handler = runner.Script.handlerAt(lineIndex, statement.keyword, game.dispatch))
    handler(game, statement);
  game.trace(statement.trace);
}

}  // namespace

std::string linePrefix(int line) {
  std::string padded = "     " + std::to_string(line);
  return padded.substr(padded.size() - 4) + ": ";
}

std::string labelReferenceSummary(const model::Game& game, const std::string& labelLine) {
  const std::vector<int>& found = game.runner.Script.linesContaining(labelLine.substr(1));
  std::string list;
  for (int line : found) list += std::to_string(line) + " ";
  if (found.empty()) return "N\xE3o encontrei refer\xEAncia a este label!";
  if (found.size() == 1) return "Refer\xEAncia na linha: " + list;
  return std::to_string(found.size()) + "x nas linhas: " + list;
}

void dispatchStatement(model::Game& game, model::Statement& statement) {
  if (model::Handler handler = game.dispatch.find(statement.keyword)) handler(game, statement);
}

void continueAtOnce(model::Game& game) { game.runner.executeAtOnce = true; }

void executeStatement(model::Game& game) {
  auto& runner = game.runner;
  for (;;) {
    runner.executeAtOnce = false;
    if (runner.observer) runner.observer->lineStarting(game);
    executeLine(game);
    if (runner.observer) runner.observer->lineDone(game);
    if (!runner.executeAtOnce) return;
    if (runner.currentLine < 0 || runner.currentLine >= static_cast<int>(runner.Script.size())) return;
  }
}

}  // namespace script
