// Key handling and the command step.
#include "input/command_keys.h"

#include "base/letter_case.h"
#include "input/command_text.h"
#include "input/phrase_file.h"
#include "script/runner.h"
#include "shell/game.h"
#include "view/text_sink.h"

namespace input {
namespace {

// Rows of the table the parser reads.
constexpr int kNotUnderstood = 73, kSuggestionsHeading = 74, kErrorScript = 75;
constexpr int kF1Command = 76, kF2Command = 77, kF4Command = 78;

void setInput(shell::Game& game, std::string text) {
  game.screen.Input.text = std::move(text);
  game.host.repaint();
}

void clearTypewriterPage(shell::Game& game) {
  game.screen.MsgMd0.text.clear();
  game.host.repaint();
}

// Mode "1": the strip under the picture says the command was not understood.
void answerInStrip(shell::Game& game) {
  const std::string& reply = game.Defs.defsRow(kNotUnderstood);
  game.screen.Msg.text = reply;
  game.host.textProduced("Msg", reply);
  game.host.repaint();
}

// Mode "0": the near phrases, or that the command was not understood, typed out.
void answerWithSuggestions(shell::Game& game, const base::Lines& phrases) {
  clearTypewriterPage(game);
  std::string suggestions = suggestCommands(phrases, game.parser.commandWords);
  if (suggestions.empty())
    view::typeOut(game, game.Defs.defsRow(kNotUnderstood));
  else
    view::typeOut(game, game.Defs.defsRow(kSuggestionsHeading) + "\r\n\r\n" + suggestions);
}

void walk(shell::Game& game, world::Direction direction) {
  const std::string& exit = game.world.exits[static_cast<size_t>(direction)];
  if (exit.empty()) return;
  std::string script = exit;  // the run may change the exits
  setInput(game, "");
  script::runScript(game, script);
}

}  // namespace

void keyPressed(shell::Game& game) { game.host.playEffect("clk3.wav"); }

void keyReleased(shell::Game& game, const std::string& key) {
  using world::Direction;
  auto enterRow = [&](int row) {
    setInput(game, game.Defs.defsRow(row));
    enterCommand(game);
  };
  if (key == "F1") return enterRow(kF1Command);
  if (key == "F2") return enterRow(kF2Command);
  if (key == "F3") {
    if (!game.parser.lastCommand.empty()) setInput(game, game.parser.lastCommand);
    return;
  }
  if (key == "F4") return enterRow(kF4Command);
  if (key == "Up") return walk(game, Direction::North);
  if (key == "Down") return walk(game, Direction::South);
  if (key == "Right") return walk(game, Direction::East);
  if (key == "Left") return walk(game, Direction::West);
  if (key == "Enter") enterCommand(game);
}

void pressKey(shell::Game& game, const std::string& key) {
  keyPressed(game);
  keyReleased(game, key);
}

void typeCommand(shell::Game& game, const std::string& text) {
  for (char c : text) {
    keyPressed(game);
    game.screen.Input.text += base::upperCaseLetter(c);
  }
  game.host.repaint();
  pressKey(game, "Enter");
}

void enterCommand(shell::Game& game) {
  const std::string& mode = game.screen.Modelo;
  // Only a box with nothing in it describes the place again; a box of blanks is
  // the command "", looked up like any other.
  if (game.screen.Input.text.empty()) {
    if (mode == "0") clearTypewriterPage(game);
    std::string position = game.world.Posic;
    if (!position.empty()) script::runScript(game, position);
    return;
  }
  std::string command = normaliseCommand(base::trim(game.screen.Input.text));
  game.parser.lastCommand = command;
  game.parser.commandWords = splitCommandWords(command);
  auto phrases = readPhraseFile(game);
  if (!phrases) {
    // The command is dropped and stays in the box.
    game.host.errorBox(missingPhraseFileMessage(game));
    return;
  }
  std::string script = findCommandScript(*phrases, command);
  setInput(game, "");
  if (mode == "0") clearTypewriterPage(game);
  if (!script.empty()) return script::runScript(game, script);
  if (mode == "0") answerWithSuggestions(game, *phrases);
  else if (mode == "1") answerInStrip(game);
  else if (mode == "2") script::runScript(game, game.Defs.defsRow(kErrorScript));
}

}  // namespace input
