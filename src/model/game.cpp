// The game position rows of the definitions table.
#include "model/game.h"

namespace model {

void Game::readPositionRows() {
  IniScp = Defs.defsRow(row::IniScp);
  runner.currentScript = Defs.defsRow(row::CurrentScript);
  RetScp = Defs.defsRow(row::RetScp);
  world.Objeto = Defs.defsRow(row::Objeto);
  world.Posic = Defs.defsRow(row::Posic);
}

void Game::writePositionRows() {
  Defs.setDefsRow(row::IniScp, IniScp);
  Defs.setDefsRow(row::CurrentScript, runner.currentScript);
  Defs.setDefsRow(row::RetScp, RetScp);
  Defs.setDefsRow(row::Objeto, world.Objeto);
  Defs.setDefsRow(row::Posic, world.Posic);
}

}  // namespace model
