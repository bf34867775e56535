// Fuzz target: the object files. The input is the keys (.obz), the table (.obx)
// and a pristine record (.obj, written for the first keys that make plain file
// names), cut apart at "\n##\n"; they are loaded with the saved game, used by
// the object statements, restored and saved.
#include <cctype>

#include "base/text.h"
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"
#include "shell/startup.h"
#include "world/game_load.h"

namespace fuzz {
namespace {

bool plainFileName(const std::string& key) {
  if (key.empty() || key.size() > 40) return false;
  for (char c : key)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

}  // namespace

void objects(std::string_view input) {
  auto parts = splitInput(input, "\n##\n");
  parts.resize(3);
  FuzzGame fuzzGame;
  fuzzGame.write("mirandel.ini", base::joinLines(model::DefinitionsTable::builtInRows()));
  fuzzGame.write("mirandel.rgs", "");
  fuzzGame.write("mirandel.obz", parts[0]);
  fuzzGame.write("mirandel.obx", parts[1]);
  std::string firstKey;
  int written = 0;
  for (const std::string& key : base::splitLines(parts[0])) {
    if (!plainFileName(key)) continue;
    if (firstKey.empty()) firstKey = key;
    fuzzGame.write(key + ".obj", parts[2]);
    if (++written == 3) break;
  }
  fuzzGame.write("usar.scx", "lstobj\r\nlstobjlnk\r\nconta\r\nlistaobjetos\r\npegaobj= " + firstKey +
                                 "\r\ngetobj= 1," + firstKey + "\r\nsoltaobj= " + firstKey +
                                 "\r\ntiratudo\r\nmodo= 2\r\nlstobjlnk\r\n");
  fuzzGame.write("restaurar.scx", "reset objs," + firstKey + "\r\nreset objs,todos\r\n");
  if (!fuzzGame.start()) return;
  try {
    world::loadGame(*fuzzGame.game, "mirandel");
  } catch (const world::GameLoadError&) {
    return;
  }
  fuzzGame.run("usar");
  fuzzGame.run("restaurar");
  shell::shutDown(*fuzzGame.game);
}

}  // namespace fuzz
