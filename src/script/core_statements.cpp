// The core statements: fim/end, pausa=, param=, setpos=, getvar=.
#include "base/number.h"
#include "script/core_statements.h"
#include "model/script_error.h"
#include "model/argument_words.h"
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
  const auto selector = model::argument<'y'>(s, 2);
  if (!selector) return;
  switch (*selector) {
    case model::LinkParameter::Prm: game.Regs.at(n) = game.runner.Prm; break;
    case model::LinkParameter::Prx: game.Regs.at(n) = game.runner.Prx; break;
    case model::LinkParameter::Pry: game.Regs.at(n) = game.runner.Pry; break;
  }
}

void setPosition(model::Game& game, model::Statement& s) { game.world.Posic = s.arg(1); }

void engineVariable(model::Game& game, model::Statement& s) {
  auto n = base::readNumber(s.arg(1));
  if (!n) throw model::ScriptError("getvar=: \"" + s.arg(1) + "\" n\xE3o \xE9 um n\xFAmero");
  if (*n < 0 || *n >= game.registerCount) return;
  const auto variable = model::argument<'v'>(s, 2);
  if (!variable) return;
  std::string& result = game.Regs.at(*n);
  switch (*variable) {
    case model::EngineVariable::Modelo: result = game.screen.Modelo.text(); break;
    case model::EngineVariable::Script: result = game.runner.currentScript; break;
    case model::EngineVariable::IniScp: result = game.IniScp; break;
    case model::EngineVariable::RetScp: result = game.RetScp; break;
    case model::EngineVariable::Posic: result = game.world.Posic; break;
    case model::EngineVariable::Objeto: result = game.world.Objeto; break;
  }
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
