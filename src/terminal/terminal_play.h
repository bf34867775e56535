// Plays the game in the terminal, a plain line interface that works with a
// screen reader and with piped input. The game starts at once (as a double-click
// on the opening picture would); the text of every sink is printed as it is
// produced, pictures are named ("[imagem: sala.jpg]", from the sink "picture"),
// and each typed line is a command in the command box. Lines starting with ":"
// are the terminal's own (":ajuda" lists them): keys, links, exits. The end of
// the input closes the player as the end button does, saving the game.
#pragma once
#include <filesystem>
#include <functional>
#include <string>

#include "shell/startup.h"

namespace terminal {

// What the terminal needs of the command line: the start-up options, the
// trace file (empty: no trace) and the user's folder, where ":mapa" writes the
// map picture.
struct TerminalOptions {
  shell::StartOptions start;
  std::string traceFile;
  std::filesystem::path transcriptFile;  // empty: no transcript file
  std::filesystem::path slotsFolder;     // where the named save slots are kept
  std::filesystem::path userFolder;
  bool mute = false;  // no sound device: the music and sounds are only named
  bool watch = false;  // --watch: a changed file reloads the place, told before the next prompt
  // Whether the sound backend found no device; said once, between game texts.
  std::function<bool()> soundDeviceMissing;
};

int playInTerminal(const TerminalOptions& options);

}  // namespace terminal
