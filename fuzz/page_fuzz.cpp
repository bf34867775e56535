// Fuzz target: the mode-"2" page writer. Every input line becomes a line of a
// page script (the line's first byte chooses msg+, msg=, a quoted text or the
// line as it stands), so any text with markers and placeholders reaches the
// page, which the end of the run writes to tmp.htm.
#include "base/text.h"
#include "fuzz/fuzz_game.h"
#include "fuzz/targets.h"

namespace fuzz {

void page(std::string_view input) {
  std::string script = "modo= 2\r\n";
  for (const std::string& line : base::splitLines(std::string(input))) {
    if (line.empty()) continue;
    static const char* const forms[] = {"msg+ ", "msg= ", "'", ""};
    script += forms[static_cast<unsigned char>(line[0]) % 4] + line.substr(1) + "\r\n";
  }
  FuzzGame fuzzGame;
  fuzzGame.write("pagina.scx", script);
  if (!fuzzGame.start()) return;
  fuzzGame.run("pagina");
}

}  // namespace fuzz
