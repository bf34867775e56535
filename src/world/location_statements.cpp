// Exits and location tests. The engine never sets the location or the exits by
// itself: location scripts declare them with these statements.
#include "world/location_statements.h"

#include "script/condition_statements.h"
#include "script/executor.h"
#include "script/register_statements.h"
#include "model/game.h"

namespace world {
namespace {

using model::Statement;

// The exit slot a direction word names, or -1.
int exitSlot(const std::string& word) {
  const auto slot = model::directionSlot(word);
  return slot ? static_cast<int>(*slot) : -1;
}

template <model::Direction direction>
void setExit(model::Game& game, Statement& s) {
  game.world.exits[static_cast<size_t>(direction)] = s.arg(1);
}

void clearExits(model::Game& game, Statement&) {
  for (auto& exit : game.world.exits) exit.clear();
}

void getExit(model::Game& game, Statement& s) {
  int slot = exitSlot(s.arg(2));
  if (slot < 0) return;
  script::namedRegister(game, s) = game.world.exits[static_cast<size_t>(slot)];
}

// ifdir=: makes a function-panel link lead through the exit, by handing the
// link id, the exit's script and the further arguments to lnkfnc=.
void linkThroughExit(model::Game& game, Statement& s) {
  int slot = exitSlot(s.arg(1));
  if (slot < 0 || game.world.exits[static_cast<size_t>(slot)].empty()) return;
  Statement link;
  link.keyword = "lnkfnc=";
  link.args[0] = s.arg(2);
  link.args[1] = game.world.exits[static_cast<size_t>(slot)];
  for (size_t k = 2; k < link.args.size(); ++k) link.args[k] = s.args[k];
  script::dispatchCarried(game, s, std::move(link));
}

template <model::Direction direction>
void ifExit(model::Game& game, Statement& s) {
  script::applyStatementForm(game, !game.world.exits[static_cast<size_t>(direction)].empty(), s, 1);
}

// Compared with the name as written: the object statements' aliases do not apply.
void ifAt(model::Game& game, Statement& s) { script::applyLabelForm(game, game.world.Posic == s.arg(1), s.arg(2)); }
void ifNotAt(model::Game& game, Statement& s) {
  script::applyLabelForm(game, game.world.Posic != s.arg(1), s.arg(2));
}

}  // namespace

void registerLocationStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"cleardir", {}, clearExits, {{"", 0}},
       "Clears the eight exits."},
      {"norte=", {}, setExit<model::Direction::North>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"sul=", {}, setExit<model::Direction::South>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"leste=", {}, setExit<model::Direction::East>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"oeste=", {}, setExit<model::Direction::West>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"entrar=", {}, setExit<model::Direction::In>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"sair=", {}, setExit<model::Direction::Out>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"subir=", {}, setExit<model::Direction::Up>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"descer=", {}, setExit<model::Direction::Down>, {{"s", 0}},
       "`script`. The exit in that direction leads to the script; empty clears it. The arrow keys use north, south, east and west."},
      {"ifdir=", {}, linkThroughExit, {{"dPiiiijpw", 2}},
       "`direction, picture or text, x, y, w, h, …`. When that exit is set, makes a function-panel link (as `lnkfnc=`) that leads through the exit."},
      {"getdir", {}, getExit, {{"rd", 2}},
       "`n, direction`. Register n gets the exit named by the word (`norte`, `sul`, `leste`, `oeste`, `subir`, `descer`, `entrar`, `sair`)."},
      {"ifnor", {}, ifExit<model::Direction::North>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the north, south, east or west exit is set."},
      {"ifsul", {}, ifExit<model::Direction::South>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the north, south, east or west exit is set."},
      {"ifles", {}, ifExit<model::Direction::East>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the north, south, east or west exit is set."},
      {"ifoes", {}, ifExit<model::Direction::West>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the north, south, east or west exit is set."},
      {"ifloc=", {"ifpos="}, ifAt, {{"xl", 2}},
       "`name, label`. Jumps when the current location is the name."},
      {"ifloc#", {}, ifNotAt, {{"xl", 2}},
       "`name, label`. Jumps when the current location is not the name."},
  };
  dispatch.add(rows);
}

}  // namespace world
