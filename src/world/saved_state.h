// The saved state: the game's table, registers and objects live in the game's own
// files, written after every run and at shut-down so the next start resumes.
// Each save is one set of files replaced together, and nothing is saved over the
// game's files before a game was loaded.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace model { struct Game; }

namespace world {

// After every run: the position rows 6-10 into the table, then the table to
// <gameName>.ini, registers to <gameName>.rgs and objects to <gameName>.obx.
void saveAfterRun(model::Game& game);

// The object table alone, to <gameName>.obx (after an object restore).
void saveObjectTable(model::Game& game);

// At shut-down: the table under the player's own name and, once a game was
// loaded, table, registers, objects and object keys under the game's name.
void saveAtShutDown(model::Game& game);

// The game's saved set as it would be written now (table with the position
// rows, registers, objects, object keys), file name and bytes, for a copy kept
// elsewhere (a save slot); empty before a game was loaded.
std::vector<std::pair<std::string, std::string>> savedSetFiles(model::Game& game);

}  // namespace world
