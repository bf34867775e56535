// Loading a game's saved state: its table (<name>.ini), registers (.rgs), object
// keys (.obz, sorted on insertion) and object table (.obx), then the engine
// variables from rows 5-10 and the screen laid out from the table. The files are
// all read before any is taken, so a game that cannot be loaded leaves the
// player exactly as it was.
#pragma once
#include <stdexcept>
#include <string>

namespace model { struct Game; }

namespace world {

// A game file that cannot be opened or a table whose row 5 is not a number; the
// message says which, in Portuguese.
class GameLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void loadGame(model::Game& game, const std::string& name);

}  // namespace world
