// Choosing a game of the library when none is named: the list in the terminal
// (mirandel --games, and a number asked for in terminal play) and the launcher
// window.
#pragma once
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/games_library.h"
#include "ui/launcher.h"

namespace app {

// One numbered line per game: its name, folder and when it was last played.
void printGames(const std::vector<KnownGame>& games, std::ostream& out);

// One line of standard input, read byte by byte so that nothing after it is taken
// from the terminal session that reads on; nothing at the end of the input.
std::optional<std::string> readInputLine();

// Prints the list and asks for a number until one is given (an empty answer
// plays the last played game); nothing at the end of the input.
std::optional<KnownGame> askForGame(const std::vector<KnownGame>& games,
                                    const std::function<std::optional<std::string>()>& nextLine, std::ostream& out);

// What the launcher shows and does, on the library: games holds the list as the
// launcher last showed it (its rows' games).
ui::Launcher::Actions launcherActions(GamesLibrary& library, std::vector<KnownGame>& games);

// The launcher window; nothing when it was closed without choosing.
std::optional<KnownGame> chooseInWindow(GamesLibrary& library);

}  // namespace app
