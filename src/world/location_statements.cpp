// Exits and location tests. The engine never sets the location or the exits by
// itself: location scripts declare them with these statements.
#include "world/location_statements.h"

#include "script/condition_statements.h"
#include "script/executor.h"
#include "script/register_statements.h"
#include "shell/game.h"

namespace world {
namespace {

using script::Statement;

// The exit slot a direction word names, or -1.
int exitSlot(const std::string& word) {
  const auto& words = directionWords();
  for (size_t slot = 0; slot < words.size(); ++slot)
    if (word == words[slot]) return static_cast<int>(slot);
  return -1;
}

template <Direction direction>
void setExit(shell::Game& game, Statement& s) {
  game.world.exits[static_cast<size_t>(direction)] = s.arg(1);
}

void clearExits(shell::Game& game, Statement&) {
  for (auto& exit : game.world.exits) exit.clear();
}

void getExit(shell::Game& game, Statement& s) {
  int slot = exitSlot(s.arg(2));
  if (slot < 0) return;
  script::namedRegister(game, s) = game.world.exits[static_cast<size_t>(slot)];
}

// ifdir=: makes a function-panel link lead through the exit, by handing the
// link id, the exit's script and the further arguments to lnkfnc=.
void linkThroughExit(shell::Game& game, Statement& s) {
  int slot = exitSlot(s.arg(1));
  if (slot < 0 || game.world.exits[static_cast<size_t>(slot)].empty()) return;
  Statement link;
  link.keyword = "lnkfnc=";
  link.args[0] = s.arg(2);
  link.args[1] = game.world.exits[static_cast<size_t>(slot)];
  for (size_t k = 2; k < link.args.size(); ++k) link.args[k] = s.args[k];
  script::dispatchCarried(game, s, std::move(link));
}

template <Direction direction>
void ifExit(shell::Game& game, Statement& s) {
  script::applyStatementForm(game, !game.world.exits[static_cast<size_t>(direction)].empty(), s, 1);
}

// Compared with the name as written: the object statements' aliases do not apply.
void ifAt(shell::Game& game, Statement& s) { script::applyLabelForm(game, game.world.Posic == s.arg(1), s.arg(2)); }
void ifNotAt(shell::Game& game, Statement& s) {
  script::applyLabelForm(game, game.world.Posic != s.arg(1), s.arg(2));
}

}  // namespace

void registerLocationStatements(script::Dispatch& dispatch) {
  dispatch.add("cleardir", clearExits);
  dispatch.add("norte=", setExit<Direction::North>);
  dispatch.add("sul=", setExit<Direction::South>);
  dispatch.add("leste=", setExit<Direction::East>);
  dispatch.add("oeste=", setExit<Direction::West>);
  dispatch.add("entrar=", setExit<Direction::In>);
  dispatch.add("sair=", setExit<Direction::Out>);
  dispatch.add("subir=", setExit<Direction::Up>);
  dispatch.add("descer=", setExit<Direction::Down>);
  dispatch.add("ifdir=", linkThroughExit);
  dispatch.add("getdir", getExit);
  dispatch.add("ifnor", ifExit<Direction::North>);
  dispatch.add("ifsul", ifExit<Direction::South>);
  dispatch.add("ifles", ifExit<Direction::East>);
  dispatch.add("ifoes", ifExit<Direction::West>);
  dispatch.add("ifloc=", ifAt);
  dispatch.add("ifpos=", ifAt);
  dispatch.add("ifloc#", ifNotAt);
}

}  // namespace world
