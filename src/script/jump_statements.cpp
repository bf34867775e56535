// goto, gosub, return/ret, script, retscp=, scriptcmd=/scpcmd=. Jumps only move
// the runner (Script, currentScript, currentLine); the runner goes on from there.
#include "script/jump_statements.h"

#include "script/executor.h"
#include "script/placeholders.h"
#include "script/runner.h"
#include "model/game.h"

namespace script {
namespace {

const std::string kSubroutineSeparator(48, '-');

// A handler's trace may hold several lines: all but the last go out at once,
// the last stays in the statement's trace for the executor to hand on.
void traceLines(model::Game& game, model::Statement& s, std::initializer_list<std::string> lines) {
  for (const auto& line : lines) {
    game.trace(s.trace);
    s.trace = line;
  }
}

void jump(model::Game& game, model::Statement& s) { goToLabel(game, s.arg(1)); }

void callSubroutine(model::Game& game, model::Statement& s) {
  auto& runner = game.runner;
  const std::string& target = s.arg(1);
  if (runner.gosubLine >= 0) {
    s.trace += target + "<---J\xE1 existe um gosub em execu\xE7\xE3o!";
    return;
  }
  if (target.empty()) {
    s.trace += "<---N\xE3o informou o script/label!";
    return;
  }
  const bool label = target[0] == ':';
  if (!label && !game.folders.dataFolder.exists(target + ".scx")) {
    s.trace += target + " <---N\xE3o existe este script!";
    return;
  }
  if (label) {
    runner.gosubScript = runner.currentScript;
    runner.gosubLine = runner.currentLine;
    const std::string name = target.substr(1);
    s.trace += name + "<-Label em subrotina!";
    traceLines(game, s, {kSubroutineSeparator});
    goToLabel(game, name);
    return;
  }
  // A whole script: taken literally (no link parameters, no placeholders), and
  // started at its line 0 once the runner has moved on.
  loadScript(game, target);
  runner.gosubScript = runner.currentScript;
  runner.gosubLine = runner.currentLine;
  runner.currentScript = target;
  runner.currentLine = -1;
  s.trace += target + " <-Script em subrotina!";
  if (game.traceHook)
    traceLines(game, s, {kSubroutineSeparator, "Executando script: " + target + ".scx", "Labels neste script...",
                         listLabels(game), ""});
}

void returnFromSubroutine(model::Game& game, model::Statement& s) {
  auto& runner = game.runner;
  if (runner.gosubLine < 0) {
    s.trace += "<---H\xE1 h\xE1 gosub em execu\xE7\xE3o!";
    return;
  }
  if (runner.currentScript != runner.gosubScript) loadScript(game, runner.gosubScript);
  runner.currentScript = runner.gosubScript;
  runner.currentLine = runner.gosubLine;
  runner.gosubLine = -1;
  // The runner's step moves on to the line after the gosub.
  s.trace += "<-Retorno ao script " + runner.currentScript + " na linha: " + std::to_string(runner.currentLine) + "!";
  traceLines(game, s, {kSubroutineSeparator});
}

void continueInScript(model::Game& game, model::Statement& s) {
  std::string name = s.arg(1);
  if (name.empty()) {
    s.trace += " <---N\xE3o informou o nome do script!";
    return;
  }
  // Link parameters the name does not carry keep their values.
  if (name.find('&') != std::string::npos) name = parseLinkParameters(game, name);
  name = resolvePlaceholder(game, name);
  loadScript(game, name);
  game.runner.currentScript = name;
  // Line 0 of the new script is skipped: the runner's step moves on to line 1,
  // as it always has, and shipped games are written for it.
  game.runner.currentLine = 0;
  s.trace += name;
}

void returnScript(model::Game& game, model::Statement& s) { game.RetScp = s.arg(1); }

void commandsScript(model::Game& game, model::Statement& s) {
  if (!s.arg(1).empty()) game.commandsScript = s.arg(1);
}

}  // namespace

void goToLabel(model::Game& game, std::string_view name) {
  auto& runner = game.runner;
  int label = runner.Script.findLabel(name);
  if (label < 0) return;
  runner.currentLine = label + 1;
  continueAtOnce(game);
}

void registerJumpStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"script", {}, continueInScript, {{"s", 1}},
       "`name` (with link parameters or a placeholder, if you like)."},
      {"retscp=", {}, returnScript, {{"s", 0}},
       "`name`. Sets the return script that the placeholder `xvlt`/`@xvlt` names."},
      {"gosub", {}, callSubroutine, {{"G", 1}},
       "`:label` or `script`."},
      {"return", {"ret"}, returnFromSubroutine, {{"", 0}},
       "Returns from the active subroutine; without one it does nothing."},
      {"scriptcmd=", {"scpcmd="}, commandsScript, {{"q", 1}},
       "`name`. The phrase file becomes `name.scx` (an empty name does nothing)."},
      {"goto", {}, jump, {{"l", 1}},
       "`label`. Jumps to the line after the first `:label` of the script. A missing label does nothing. Write the name without its `:`."},
  };
  dispatch.add(rows);
}

}  // namespace script
