// The command line of the mirandel program.
#pragma once
#include <optional>
#include <string>

namespace model { class RunObserver; }

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
  std::string transcriptFile;  // the session's text and commands; empty: the game's own transcript
  bool check = false;       // check the game, run nothing
  bool scratch = false;     // play on a temporary copy of the game folder
  bool watch = false;       // reload a changed script, picture or table row and run the place again
  std::string newGameFolder;  // --new: write a new game there, run nothing
  std::string newGameName = "mirandel";
  std::string stepsFile;     // one line per statement run
  std::string coverageFile;  // the lines and phrases a play reached
  // The author's record of the play, set by main() (not by the command line).
  model::RunObserver* runObserver = nullptr;
  bool listGames = false;   // list the games the player knows, play nothing
  bool quitWhenShown = false;  // close the window once its first screen is painted
};

// Parses argv with Qt's parser (after the application object exists); --help and
// --version print and exit there. Returns nothing after printing an error.
std::optional<Options> parseOptions();

}  // namespace app
