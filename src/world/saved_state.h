// The saved state: the game's table, registers and objects live in the game's own
// files, written after every run and at shut-down so the next start resumes.
#pragma once

namespace shell { struct Game; }

namespace world {

// After every run: registers to <gameName>.rgs, objects to <gameName>.obx.
void saveAfterRun(shell::Game& game);

// The object table alone, to <gameName>.obx (after an object restore).
void saveObjectTable(shell::Game& game);

// At shut-down: the table under the player's own name and, once a game was
// loaded, table, registers, objects and object keys under the game's name.
void saveAtShutDown(shell::Game& game);

}  // namespace world
