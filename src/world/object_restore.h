// The object restore: objects back to their pristine records, the <key>.obj
// files, and the table written to <gameName>.obx at once. A restore that cannot
// read a file it needs aborts the run and leaves the table exactly as it was, so
// a table without one record per key never reaches the .obx file.
#pragma once
#include <string>

namespace model { struct Game; }

namespace world {

// An empty name or "todos": every object; any other name: the objects with that key.
void restoreObjects(model::Game& game, const std::string& name);

}  // namespace world
