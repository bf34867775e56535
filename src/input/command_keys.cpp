// Key handling and the command step.
#include "input/command_keys.h"

#include "base/letter_case.h"
#include "input/command_text.h"
#include "input/phrase_file.h"
#include "model/display_mode.h"
#include "model/game.h"
#include "view/text_sink.h"

namespace input {

namespace row = model::row;

namespace {

void setInput(model::Game& game, std::string text) {
  game.screen.Input.text = std::move(text);
  game.host.repaint();
}

void clearTypewriterPage(model::Game& game) {
  game.screen.MsgMd0.text.clear();
  game.host.repaint();
}

// Mode "1": the strip under the picture says the command was not understood.
void answerInStrip(model::Game& game) {
  const std::string& reply = game.Defs.defsRow(row::NotUnderstood);
  game.screen.Msg.text = reply;
  game.textProduced(platform::TextSink::Msg, reply);
  game.host.repaint();
}

// Mode "0": the near phrases, or that the command was not understood, typed out.
void answerWithSuggestions(model::Game& game, const base::Lines& phrases) {
  clearTypewriterPage(game);
  std::string suggestions = suggestCommands(phrases, game.parser.commandWords);
  if (suggestions.empty())
    view::typeOut(game, game.Defs.defsRow(row::NotUnderstood));
  else
    view::typeOut(game, game.Defs.defsRow(row::SuggestionsHeading) + "\r\n\r\n" + suggestions);
}

ScriptToRun walk(model::Game& game, model::Direction direction) {
  const std::string& exit = game.world.exits[static_cast<size_t>(direction)];
  if (exit.empty()) return std::nullopt;
  std::string script = exit;  // the run may change the exits
  setInput(game, "");
  return script;
}

}  // namespace

void keyPressed(model::Game& game) { game.sound().playEffect("clk3.wav", platform::EffectMode::Once); }

ScriptToRun keyReleased(model::Game& game, const std::string& key) {
  using model::Direction;
  auto enterRow = [&](int commandRow) {
    setInput(game, game.Defs.defsRow(commandRow));
    return enterCommand(game);
  };
  if (key == "F1") return enterRow(row::F1Command);
  if (key == "F2") return enterRow(row::F2Command);
  if (key == "F3") {
    if (!game.parser.lastCommand.empty()) setInput(game, game.parser.lastCommand);
    return std::nullopt;
  }
  if (key == "F4") return enterRow(row::F4Command);
  if (key == "Up") return walk(game, Direction::North);
  if (key == "Down") return walk(game, Direction::South);
  if (key == "Right") return walk(game, Direction::East);
  if (key == "Left") return walk(game, Direction::West);
  if (key == "Enter") return enterCommand(game);
  return std::nullopt;
}

ScriptToRun pressKey(model::Game& game, const std::string& key) {
  keyPressed(game);
  return keyReleased(game, key);
}

ScriptToRun typeCommand(model::Game& game, const std::string& text) {
  for (char c : text) {
    keyPressed(game);
    game.screen.Input.text += base::upperCaseLetter(c);
  }
  game.host.repaint();
  return pressKey(game, "Enter");
}

ScriptToRun enterCommand(model::Game& game) {
  const model::DisplayMode mode = game.screen.Modelo;
  // Only a box with nothing in it describes the place again; a box of blanks is
  // the command "", looked up like any other.
  if (game.screen.Input.text.empty()) {
    if (mode == model::DisplayMode::Typewriter) clearTypewriterPage(game);
    std::string position = game.world.Posic;
    if (!position.empty()) return position;
    return std::nullopt;
  }
  std::string command = normaliseCommand(base::trim(game.screen.Input.text));
  game.parser.lastCommand = command;
  game.parser.commandWords = splitCommandWords(command);
  auto phrases = readPhraseFile(game);
  if (!phrases) {
    // The command is dropped and stays in the box.
    game.host.errorBox(missingPhraseFileMessage(game));
    return std::nullopt;
  }
  std::string script = matchTypedCommand(game, *phrases, command);
  setInput(game, "");
  if (mode == model::DisplayMode::Typewriter) clearTypewriterPage(game);
  if (!script.empty()) return script;
  if (mode == model::DisplayMode::Typewriter) answerWithSuggestions(game, *phrases);
  else if (mode == model::DisplayMode::Strip) answerInStrip(game);
  else if (mode == model::DisplayMode::Page) return game.Defs.defsRow(row::ErrorScript);
  return std::nullopt;
}

}  // namespace input
