// Game text made safe to print on a terminal. A game's text may hold control
// characters: ESC sequences clear the screen, set the title or the colours, and
// OSC 52 writes the clipboard in terminals that allow it; BEL rings. They are
// shown as visible marks instead, and only line ends and tabs pass.
#pragma once
#include <string>

namespace terminal {

// The UTF-8 text with each C0 control but LF, CR and tab shown in caret
// notation (ESC as "^[", BEL as "^G"), DEL as "^?", and each C1 control as U+FFFD.
std::string printableText(const std::string& utf8);

}  // namespace terminal
