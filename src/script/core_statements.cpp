// The core statements: fim/end, pausa=, param=, setpos=, getvar=.
#include "base/number.h"
#include "script/core_statements.h"
#include "model/script_error.h"
#include "model/game.h"

namespace script {
namespace {

void endRun(model::Game& game, model::Statement& s) {
  s.trace += "<-Encerrou a execu\xE7\xE3o";
  game.trace(s.trace);
  s.trace = std::string(48, '=');
  game.runner.currentLine = static_cast<int>(game.runner.Script.size()) + 10;
}

void pause(model::Game&, model::Statement&) {}

void linkParameter(model::Game& game, model::Statement& s) {
  int32_t n = base::readNumberOr(s.arg(1), 0);
  const std::string& selector = s.arg(2);
  const std::string* value = selector == "prm"   ? &game.runner.Prm
                             : selector == "prx" ? &game.runner.Prx
                             : selector == "pry" ? &game.runner.Pry
                                                 : nullptr;
  if (value) game.Regs.at(n) = *value;
}

void setPosition(model::Game& game, model::Statement& s) { game.world.Posic = s.arg(1); }

void engineVariable(model::Game& game, model::Statement& s) {
  auto n = base::readNumber(s.arg(1));
  if (!n) throw model::ScriptError("getvar=: \"" + s.arg(1) + "\" n\xE3o \xE9 um n\xFAmero");
  if (*n < 0 || *n >= game.registerCount) return;
  const std::string& name = s.arg(2);
  if (name == "Modelo") {
    game.Regs.at(*n) = game.screen.Modelo.text();
    return;
  }
  const std::string* value = name == "Script"   ? &game.runner.currentScript
                             : name == "IniScp" ? &game.IniScp
                             : name == "RetScp" ? &game.RetScp
                             : name == "Posic"  ? &game.world.Posic
                             : name == "Objeto" ? &game.world.Objeto
                                                : nullptr;
  if (value) game.Regs.at(*n) = *value;
}

}  // namespace

void registerCoreStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"fim", {"end"}, endRun, {{"", 0}},
       "Ends the run; the end-of-run steps (screen copy, save) still happen."},
      {"pausa=", {}, pause, {{"", 0, true}},
       "Accepted and does nothing (kept for old games)."},
      {"param=", {}, linkParameter, {{"ry", 2}},
       "`n, selector`. Register n gets the link parameter `Prm`, `Prx` or `Pry` (selector `prm`, `prx` or `pry`, in lower case)."},
      {"setpos=", {}, setPosition, {{"s", 0}},
       "`name`."},
      {"getvar=", {}, engineVariable, {{"rv", 2}},
       "`n, variable`."},
  };
  dispatch.add(rows);
}

}  // namespace script
