// The text sinks: where script text goes in each display mode (the mode's
// presenter, view/mode_presenter.h). Mode "0" types into MsgMd0, mode "1" writes
// the strip Msg, mode "2" adds lines to the page, mode "3" collects quoted texts
// in Memo3 and draws msg= texts on TelMod3.
#pragma once
#include <string>

namespace model { struct Game; }

namespace view {

// The typewriter: one character at a time into MsgMd0, repainted, with a pause;
// once the player has skipped it, the rest of the text at once.
void typeOut(model::Game& game, const std::string& text);

// A quoted text block ("append"; mode "3" adds a line to Memo3).
void outputQuotedText(model::Game& game, const std::string& text);
// msg+ ("append"; mode "3" only prepares the canvas).
void outputAppendedMessage(model::Game& game, const std::string& text);
// msg= ("replace"; mode "3" draws at the text position).
void outputMessage(model::Game& game, const std::string& text);
// The strip only ever grows at its end or is replaced: adding to it costs the
// added text, however long the strip already is.
void appendToStrip(model::Game& game, const std::string& text);
void setStrip(model::Game& game, std::string text);
// Adds the text as a line of the strip Msg, as a memo adds lines: after a line
// break the line comes with its own, after other text it starts a new line.
void addStripLine(model::Game& game, const std::string& text);

// clearmsg ("clear").
void clearMessages(model::Game& game);

}  // namespace view
