// The command line of the mirandel program.
#pragma once
#include <optional>
#include <string>

namespace app {

struct Options {
  std::string gameFolder;   // empty: the bundled demo game
  std::string exeBaseName = "mirandel";
  std::string serverBaseUrl;
  std::string publisherUrl;  // base address of the publisher's pages (opening screen)
  bool text = false;        // play in the terminal
  bool mute = false;        // no sound (the window can unmute with Ctrl+M)
  double scale = 0;         // the window's scale; 0: the one the user last chose
  std::string eventsFile;   // scripted play
  std::string dumpFolder;   // snapshot after the last event
  std::string traceFile;    // every statement trace line
  bool check = false;       // check the game, run nothing
  bool listGames = false;   // list the games the player knows, play nothing
};

// Parses argv with Qt's parser (after the application object exists); --help and
// --version print and exit there. Returns nothing after printing an error.
std::optional<Options> parseOptions();

}  // namespace app
