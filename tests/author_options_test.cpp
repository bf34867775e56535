// The author's options of the player program: --new writes a game that checks
// clean and plays, --scratch leaves the game folder byte for byte as it was,
// --steps writes one line per statement run, --coverage names what never ran.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

#include "app/new_game.h"
#include "base/file_io.h"
#include "check/checker.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

// Every file under the folder with its bytes.
std::map<std::string, std::string> contents(const std::filesystem::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[entry.path().lexically_relative(folder).string()] = base::readFileBytes(entry.path()).value_or("?");
  return files;
}

int run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string binary() { return MIRANDEL_BINARY; }

}  // namespace

TEST(NewGame, WritesAGameThatChecksCleanAndPlaysInTheWindowAndTheTerminal) {
  TempFolder parent;
  const auto folder = parent.path() / "vila";
  ASSERT_EQ(run(binary() + " --new " + folder.string() + " vila >" + (parent.path() / "out.txt").string()), 0);
  EXPECT_NE(parent.read("out.txt").find("vila"), std::string::npos);
  for (const char* file : {"mirandel.ini", "vila.ini", "vila.rgs", "vila.obz", "vila.obx", "mirandel.mp3", "abertura.scx",
                           "comandos.scx", "praca.scx", "capela.scx", "U-bot1.bmp", "D-bot1.bmp", "clk0a.wav"})
    EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;

  std::ostringstream out, err;
  EXPECT_EQ(check::checkGame(folder, "mirandel", out, err), 0) << out.str() << err.str();
  EXPECT_EQ(out.str().find(": error: "), std::string::npos) << out.str();

  // A second --new on the same folder replaces nothing.
  EXPECT_EQ(run(binary() + " --new " + folder.string() + " 2>" + (parent.path() / "err.txt").string()), 1);
  EXPECT_NE(parent.read("err.txt").find("already holds files"), std::string::npos);

  // Two commands in the window (scripted), then in the terminal.
  const std::string events = (parent.path() / "events.txt").string();
  parent.writeBytes("events.txt", "start\ntype NORTE\ndump " + (parent.path() / "norte").string() + "\ntype SUL\n");
  ASSERT_EQ(run(binary() + " --game " + folder.string() + " --events " + events + " --dump " +
                (parent.path() / "fim").string() + " 2>" + (parent.path() / "err.txt").string()),
            0)
      << parent.read("err.txt");
  EXPECT_EQ(dumpedState(parent, "norte", "Posic"), "capela");
  EXPECT_EQ(dumpedState(parent, "fim", "Posic"), "praca");
  EXPECT_EQ(parent.readUtf8Lines("fim/errors.txt"), std::vector<std::string>{});
  EXPECT_EQ(parent.readUtf8Lines("fim/msg.txt"), std::vector<std::string>{"Você está na praça. Ao norte fica a capela."});

  parent.writeBytes("typed.txt", "NORTE\nSUL\n");
  ASSERT_EQ(run("LANG=C.UTF-8 " + binary() + " --text --mute --game " + folder.string() + " <" +
                (parent.path() / "typed.txt").string() + " >" + (parent.path() / "out.txt").string() + " 2>&1"),
            0)
      << parent.read("out.txt");
  const std::string shown = parent.read("out.txt");
  EXPECT_NE(shown.find("Você está na capela."), std::string::npos) << shown;
  EXPECT_NE(shown.find("Você está na praça."), std::string::npos) << shown;
}

TEST(NewGame, RefusesANameThatIsNoPlainFileName) {
  TempFolder parent;
  std::string error;
  EXPECT_FALSE(app::writeNewGame(parent.path() / "a", "../fora", error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(std::filesystem::exists(parent.path() / "a"));
}

TEST(Scratch, AnEventsRunLeavesTheGameFolderByteForByteUnchanged) {
  TempFolder parent, temporary;
  const auto folder = parent.path() / "jogo";
  std::string error;
  ASSERT_TRUE(app::writeNewGame(folder, "mirandel", error)) << error;
  const auto before = contents(folder);
  parent.writeBytes("events.txt", "start\ntype NORTE\nquit\n");
  const std::string command = "TMPDIR=" + temporary.path().string() + " " + binary() + " --game " + folder.string() +
                              " --events " + (parent.path() / "events.txt").string() + " --dump " +
                              (parent.path() / "fim").string() + " 2>" + (parent.path() / "err.txt").string();
  ASSERT_EQ(run(command + " --scratch"), 0) << parent.read("err.txt");
  EXPECT_EQ(dumpedState(parent, "fim", "Posic"), "capela");  // it did play
  EXPECT_EQ(contents(folder), before);
  EXPECT_TRUE(std::filesystem::is_empty(temporary.path())) << "the copy was not removed";

  // Without --scratch the events play in place: the position is saved.
  ASSERT_EQ(run(command), 0) << parent.read("err.txt");
  EXPECT_NE(contents(folder), before);
  EXPECT_EQ(parent.readLines("jogo/mirandel.ini").at(10), "capela");
}

TEST(Steps, ATwoStatementRunGivesExactlyTwoLinesAndARunThatStopsItsError) {
  TempFolder game;
  writeGameFiles(game, std::vector<std::string>(20, ""));
  game.write("dois.scx", "/ dois passos\nreg= 12,aberta\n\nmsg= #12\n");
  game.write("erro.scx", "reg= 3,um\nreg+ 3,1\nmsg= nunca\n");
  const auto steps = (game.path() / "passos.txt").string();
  ASSERT_EQ(playEvents(game, "run dois\n", "--steps " + steps), 0) << game.read("stderr.txt");
  EXPECT_EQ(game.readUtf8Lines("passos.txt"), (std::vector<std::string>{
                                                  "dois.scx:2: reg= 12,aberta  -> #12 = \"aberta\"",
                                                  "dois.scx:4: msg= #12",
                                              }));
  ASSERT_EQ(playEvents(game, "run erro\n", "--steps " + steps), 0) << game.read("stderr.txt");
  const auto lines = game.readUtf8Lines("passos.txt");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "erro.scx:1: reg= 3,um  -> #3 = \"um\"");
  EXPECT_EQ(lines[1], "erro.scx:2: reg+ 3,1");
  EXPECT_EQ(lines[2].rfind("erro.scx:2: error: ", 0), 0u) << lines[2];
}

TEST(Coverage, NamesTheLineNeverRunTheScriptNeverRunAndThePhraseNeverMatched) {
  TempFolder game;
  writeGameFiles(game, std::vector<std::string>(20, ""));
  game.write("abertura.scx", "/ abertura\nmodo= 1\nscript sala\n");
  game.write("sala.scx", "/ sala\nsetpos= sala\ngoto fim\nmsg= nunca\n:fim\n'Fim\nda sala.'\n");
  game.write("porao.scx", "/ porão\nsetpos= porao\n");
  game.write("comandos.scx", "OLHAR | sala\nDESCER | porao\n");
  const auto coverage = (game.path() / "cobertura.txt").string();
  ASSERT_EQ(playEvents(game, "start\ntype OLHAR\n", "--coverage " + coverage), 0) << game.read("stderr.txt");
  EXPECT_EQ(game.readUtf8Lines("cobertura.txt"),
            (std::vector<std::string>{
                "abertura.scx: 2 of 2 lines ran",
                "comandos.scx:2: never matched: DESCER | porao",
                "porao.scx: never ran (1 lines)",
                "sala.scx: 3 of 4 lines ran",
                "sala.scx:4: never ran: msg= nunca",
                "coverage: 5 of 7 lines ran (71%), 1 scripts never run (porao); 1 of 2 phrases matched",
            }));
}
