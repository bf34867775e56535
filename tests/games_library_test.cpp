// The games library: the list in the per-user config, adding (only games, with
// the checker's reason for a folder that holds none), removing (never the
// files), the last played game and its place; the terminal's list and number;
// the launcher window; and the player program's --games and its question.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QApplication>
#include <sstream>

#include "app/game_choice.h"
#include "app/games_library.h"
#include "model/defs.h"
#include "support/test_game.h"
#include "ui/launcher.h"

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

const fs::path kDemo = fs::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

// A small game whose table names it and the place it was left in.
void writeNamedGame(const TempFolder& folder, const std::string& name, const std::string& place) {
  auto table = model::DefinitionsTable::builtInRows();
  table[4] = name;
  table[10] = place;
  writeGameFiles(folder, {}, table);
  // The game's own files carry its name; the player's table stays mirandel.ini.
  for (const auto& entry : fs::directory_iterator(folder.path()))
    if (entry.path().stem() == "mirandel" && entry.path().extension() != ".ini")
      fs::copy_file(entry.path(), folder.path() / (name + entry.path().extension().string()));
  fs::copy_file(folder.path() / "mirandel.ini", folder.path() / (name + ".ini"));
}

// A per-user config folder with a library list naming the folders.
struct Config {
  TempFolder home;
  fs::path listFile() const { return home.path() / "mirandel" / "games.ini"; }
  void name(const std::vector<std::pair<fs::path, std::string>>& games) const {
    std::string text = "[games]\n";
    for (size_t i = 0; i < games.size(); ++i) {
      text += std::to_string(i + 1) + "\\folder=" + games[i].first.string() + "\n";
      if (!games[i].second.empty()) text += std::to_string(i + 1) + "\\lastPlayed=" + games[i].second + "\n";
    }
    text += "size=" + std::to_string(games.size()) + "\n";
    fs::create_directories(listFile().parent_path());
    home.writeBytes("mirandel/games.ini", text);
  }
};

std::vector<std::string> namesOf(const std::vector<app::KnownGame>& games) {
  std::vector<std::string> names;
  for (const auto& game : games) names.push_back(game.name);
  return names;
}

std::string runPlayer(const Config& config, const std::string& arguments, const std::string& input,
                      const TempFolder& scratch) {
  scratch.writeBytes("input.txt", input);
  std::string command = "XDG_CONFIG_HOME=" + config.home.path().string() + " XDG_DATA_HOME=" +
                        (scratch.path() / "data").string() + " " + MIRANDEL_BINARY + " " + arguments + " <" +
                        (scratch.path() / "input.txt").string() + " >" + (scratch.path() / "output.txt").string() +
                        " 2>&1";
  EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 0) << scratch.read("output.txt");
  return scratch.read("output.txt");
}

}  // namespace

TEST(GamesLibrary, ListsTheInstalledGamesThenTheAddedOnesWithTheirPlacesAndRemembersWhatWasPlayed) {
  Config config;
  TempFolder installed, vila, serra;
  fs::create_directories(installed.path() / "aldeia");
  writeNamedGame(vila, "vila", "praca");
  writeNamedGame(serra, "serra", "cume");
  {
    TempFolder aldeia;
    writeNamedGame(aldeia, "aldeia", "rio");
    fs::copy(aldeia.path(), installed.path() / "aldeia", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  fs::create_directories(installed.path() / "not-a-game");  // no table: not listed
  app::GamesLibrary library(config.listFile(), installed.path(), "mirandel");
  EXPECT_EQ(namesOf(library.games()), (std::vector<std::string>{"aldeia"}));

  EXPECT_EQ(library.add(vila.path()), std::nullopt);
  EXPECT_EQ(library.add(serra.path()), std::nullopt);
  EXPECT_EQ(library.add(vila.path()), std::nullopt);  // once only
  auto games = library.games();
  ASSERT_EQ(namesOf(games), (std::vector<std::string>{"aldeia", "vila", "serra"}));
  EXPECT_TRUE(games[0].installed);
  EXPECT_FALSE(games[1].installed);
  EXPECT_EQ(games[1].folder, fs::canonical(vila.path()));
  EXPECT_EQ(games[1].lastPlayed, "");
  EXPECT_EQ(games[1].place, "");  // never played: no place yet

  // Played: the time and the place of the folder it is played in.
  library.recordPlayed(serra.path(), serra.path());
  games = library.games();
  EXPECT_EQ(app::GamesLibrary::lastPlayedIndex(games), 2u);
  EXPECT_EQ(games[2].lastPlayed.size(), std::string("2026-12-09 04:15").size()) << games[2].lastPlayed;
  EXPECT_EQ(games[2].place, "cume");

  // Removing never deletes files; an installed game taken off the list stays
  // off until it is added again.
  library.remove(installed.path() / "aldeia");
  library.remove(vila.path());
  EXPECT_EQ(namesOf(library.games()), (std::vector<std::string>{"serra"}));
  EXPECT_TRUE(vila.exists("mirandel.ini"));
  EXPECT_TRUE(fs::exists(installed.path() / "aldeia" / "mirandel.ini"));
  EXPECT_EQ(library.add(installed.path() / "aldeia"), std::nullopt);
  EXPECT_EQ(namesOf(library.games()), (std::vector<std::string>{"aldeia", "serra"}));

  // A folder that is gone for now is not offered, but stays on the list.
  std::string gonePath;
  {
    TempFolder gone;
    writeNamedGame(gone, "sumida", "");
    EXPECT_EQ(library.add(gone.path()), std::nullopt);
    gonePath = fs::canonical(gone.path()).string();
  }
  EXPECT_EQ(namesOf(library.games()), (std::vector<std::string>{"aldeia", "serra"}));
  EXPECT_NE(config.home.read("mirandel/games.ini").find(gonePath), std::string::npos);
}

TEST(GamesLibrary, AFolderThatHoldsNoGameIsRefusedWithTheCheckersReason) {
  Config config;
  TempFolder empty;
  empty.writeBytes("notas.txt", "nada\n");
  app::GamesLibrary library(config.listFile(), {}, "mirandel");
  auto reason = library.add(empty.path());
  ASSERT_TRUE(reason.has_value());
  EXPECT_EQ(*reason, empty.path().string() + " holds no table mirandel.ini; is it a game folder?");
  // The same words mirandel --check prints for it.
  std::string command = "LANG=C.UTF-8 " + std::string(MIRANDEL_BINARY) + " --check --game " + empty.path().string() +
                        " 2>&1 >/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  char said[4096] = {};
  size_t got = std::fread(said, 1, sizeof said - 1, pipe);
  ::pclose(pipe);
  EXPECT_EQ(std::string(said, got), "mirandel: " + *reason + "\n");
  EXPECT_EQ(library.add(empty.path() / "nenhuma"), "the game folder " + (empty.path() / "nenhuma").string() + " does not exist");
  EXPECT_TRUE(library.games().empty());
  EXPECT_FALSE(fs::exists(config.listFile()));
}

TEST(GameChoice, TheTerminalListsTheGamesAndAsksForANumberUntilOneIsGiven) {
  std::vector<app::KnownGame> games(3);
  games[0] = {"/jogos/aldeia", {}, "aldeia", "", "", {}, true};
  games[1] = {"/jogos/vila", {}, "vila", "2026-12-01 10:00", "praca", {}, false};
  games[2] = {"/jogos/serra", {}, "serra", "2026-11-30 09:00", "", {}, false};
  std::ostringstream listed;
  app::printGames(games, listed);
  EXPECT_EQ(listed.str(),
            "1. aldeia  /jogos/aldeia  never played\n"
            "2. vila  /jogos/vila  last played 2026-12-01 10:00, in praca\n"
            "3. serra  /jogos/serra  last played 2026-11-30 09:00\n");

  auto lines = [](std::vector<std::string> answers) {
    return [answers, at = size_t(0)]() mutable -> std::optional<std::string> {
      if (at == answers.size()) return std::nullopt;
      return answers[at++];
    };
  };
  std::ostringstream out;
  auto chosen = app::askForGame(games, lines({"quatro", "4", "0", " 3"}), out);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->name, "serra");
  EXPECT_NE(out.str().find("There is no game quatro.\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("There is no game 4.\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("Number of the game to play (1-3, Enter for 2): "), std::string::npos) << out.str();
  // Enter alone plays the last played; the end of the input plays nothing.
  std::ostringstream ignored;
  EXPECT_EQ(app::askForGame(games, lines({""}), ignored)->name, "vila");
  EXPECT_FALSE(app::askForGame(games, lines({"x"}), ignored).has_value());
}

TEST(Launcher, ShowsEachGameWithItsPictureSelectsTheLastPlayedAndPlaysItWithEnter) {
  Config config;
  TempFolder vila, serra, empty;
  writeNamedGame(vila, "vila", "praca");
  writeNamedGame(serra, "serra", "cume");
  config.name({{kDemo, "2026-11-01 20:00"}, {vila.path(), "2026-12-01 10:00"}, {serra.path(), ""}});
  app::GamesLibrary library(config.listFile(), kDemo.parent_path(), "mirandel");
  auto games = library.games();
  ASSERT_EQ(games.size(), 3u);
  EXPECT_FALSE(games[0].titlePicture.empty());  // the demo's opening picture (row 13)

  // The launcher as the player builds it, on this library.
  ui::Launcher launcher(app::launcherActions(library, games), static_cast<int>(app::GamesLibrary::lastPlayedIndex(games)));
  launcher.show();
  ASSERT_EQ(launcher.list->count(), 3);
  EXPECT_EQ(launcher.list->currentRow(), 1);
  EXPECT_TRUE(launcher.list->item(1)->text().contains("vila"));
  EXPECT_TRUE(launcher.list->item(1)->text().contains(QString::fromStdString(fs::canonical(vila.path()).string())));
  EXPECT_TRUE(launcher.list->item(1)->text().contains("last played 2026-12-01 10:00"));
  EXPECT_TRUE(launcher.list->item(2)->text().contains("never played"));
  EXPECT_FALSE(launcher.list->item(0)->icon().isNull());
  QImage screen = launcher.grab().toImage();
  EXPECT_FALSE(screen.isNull());
  if (const char* keep = std::getenv("MIRANDEL_LAUNCHER_SCREENSHOT")) screen.save(keep);

  // Add game...: a folder that holds no game is refused with the checker's reason.
  EXPECT_FALSE(launcher.addFolder(QString::fromStdString(empty.path().string())));
  EXPECT_TRUE(launcher.message->isVisibleTo(&launcher));
  EXPECT_TRUE(launcher.message->text().contains("holds no table mirandel.ini; is it a game folder?"))
      << launcher.message->text().toStdString();
  EXPECT_EQ(launcher.list->count(), 3);

  // Remove from list takes the selected game off; its files stay.
  launcher.list->setCurrentRow(2);
  launcher.removeButton->click();
  EXPECT_EQ(launcher.list->count(), 2);
  EXPECT_TRUE(serra.exists("mirandel.ini"));
  EXPECT_EQ(namesOf(library.games()), (std::vector<std::string>{"mirandel", "vila"}));

  // Enter plays the selected game.
  launcher.list->setCurrentRow(1);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(launcher.list, &enter);
  EXPECT_EQ(launcher.result(), QDialog::Accepted);
  EXPECT_EQ(launcher.chosenIndex(), 1);
}

TEST(GamesLibrary, ThePlayerListsTheGamesOfTheConfigAndAsksForANumberInTheTerminal) {
  Config config;
  TempFolder vila, serra, scratch;
  writeNamedGame(vila, "vila", "praca");
  writeNamedGame(serra, "serra", "cume");
  vila.write("abertura.scx", "modo= 0\nmsg= Bem-vindo à vila.\n");
  config.name({{kDemo, "2026-11-01 20:00"}, {vila.path(), ""}, {serra.path(), "2026-12-02 08:00"}});

  std::string listed = runPlayer(config, "--games", "", scratch);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 3) << listed;
  EXPECT_NE(listed.find("1. mirandel  " + fs::canonical(kDemo).string() + "  last played 2026-11-01 20:00"),
            std::string::npos) << listed;
  EXPECT_NE(listed.find("2. vila  " + fs::canonical(vila.path()).string() + "  never played"), std::string::npos)
      << listed;
  EXPECT_NE(listed.find("3. serra  " + fs::canonical(serra.path()).string() + "  last played 2026-12-02 08:00"),
            std::string::npos) << listed;

  // --text without --game asks; the game chosen is played and joins the list as played.
  std::string played = runPlayer(config, "--text", "7\n2\n", scratch);
  EXPECT_NE(played.find("There is no game 7."), std::string::npos) << played;
  EXPECT_NE(played.find("Bem-vindo à vila."), std::string::npos) << played;
  listed = runPlayer(config, "--games", "", scratch);
  EXPECT_EQ(listed.find("2. vila  " + fs::canonical(vila.path()).string() + "  never played"), std::string::npos)
      << listed;
  EXPECT_NE(listed.find("in praca"), std::string::npos) << listed;

  // A game folder named on the command line joins the list.
  TempFolder aldeia;
  writeNamedGame(aldeia, "aldeia", "rio");
  aldeia.write("abertura.scx", "modo= 0\nmsg= Olá.\n");
  runPlayer(config, "--text --game " + aldeia.path().string(), "", scratch);
  listed = runPlayer(config, "--games", "", scratch);
  EXPECT_NE(listed.find("4. aldeia  " + fs::canonical(aldeia.path()).string()), std::string::npos) << listed;
}

TEST(GamesLibrary, ThePlayerOpensOnTheLauncherWithoutAGameAndAStopSignalClosesIt) {
  Config config;
  TempFolder vila, serra, scratch;
  writeNamedGame(vila, "vila", "praca");
  writeNamedGame(serra, "serra", "cume");
  config.name({{kDemo, "2026-11-01 20:00"}, {vila.path(), "2026-12-01 10:00"}, {serra.path(), ""}});
  const std::string before = config.home.read("mirandel/games.ini");
  // The window drawn offscreen; the launcher waits for a choice, so the player
  // still runs after a while, and SIGTERM ends it without playing anything.
  std::string command = "cd " + scratch.path().string() + " && XDG_CONFIG_HOME=" + config.home.path().string() +
                        " XDG_DATA_HOME=" + (scratch.path() / "data").string() +
                        " DISPLAY=:mirandel-test QT_QPA_PLATFORM=offscreen " + MIRANDEL_BINARY +
                        " >out.txt 2>&1 & pid=$!; sleep 2; kill -0 $pid || exit 3; kill -TERM $pid; "
                        "for i in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done; "
                        "kill -0 $pid 2>/dev/null && { kill -KILL $pid; exit 4; }; wait $pid";
  EXPECT_EQ(WEXITSTATUS(std::system(("sh -c '" + command + "'").c_str())), 0) << scratch.read("out.txt");
  EXPECT_EQ(config.home.read("mirandel/games.ini"), before);
  EXPECT_FALSE(fs::exists(scratch.path() / "data" / "mirandel" / "games"));  // no game copy made
}
