// End to end: the mirandel program driven by an events file on a game folder
// the test creates, checked through its dump and the files it saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "shell/defs.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

int runPlayer(const TempFolder& game, const std::string& events, const std::string& extra = "") {
  game.writeBytes("events.txt", events);
  std::string command = std::string(MIRANDEL_BINARY) + " --game " + game.path().string() + " --events " +
                        (game.path() / "events.txt").string() + " " + extra + " 2>" +
                        (game.path() / "stderr.txt").string();
  return WEXITSTATUS(std::system(command.c_str()));
}

std::string readState(const TempFolder& folder, const std::string& dump, const std::string& name) {
  for (const auto& line : folder.readUtf8Lines(dump + "/state.txt"))
    if (line.rfind(name + "=", 0) == 0) return line.substr(name.size() + 1);
  return "<absent>";
}

}  // namespace

TEST(ScriptedPlay, RunsScriptsDumpsStateAndSavesAtTheEnd) {
  TempFolder game;
  game.writeBytes("mirandel.ini", base::joinLines(shell::DefinitionsTable::builtInRows()));
  game.write("mirandel.rgs", "a\nb\nc\nd\n");
  game.write("mirandel.obz", "");
  game.write("mirandel.obx", "");
  game.write("sala.scx", "modo= 1\nsetpos= sala\nmsg= Você está na sala.\nparam= 3,prm\n");
  game.write("erro.scx", "getvar= nada,Posic\n");
  std::string dump = (game.path() / "fim").string();
  int code = runPlayer(game,
                       "# a comment\n\nstart\nrun sala&Prm=7\nwait 500\ndump " + (game.path() / "meio").string() +
                           "\nrun erro\n",
                       "--dump " + dump + " --trace " + (game.path() / "trace.txt").string());
  ASSERT_EQ(code, 0) << game.read("stderr.txt");
  EXPECT_EQ(readState(game, "meio", "Posic"), "sala");
  EXPECT_EQ(readState(game, "meio", "Prm"), "7");
  EXPECT_EQ(game.readUtf8Lines("meio/msg.txt"), std::vector<std::string>{"Você está na sala."});
  EXPECT_EQ(game.readUtf8Lines("meio/errors.txt").size(), 0u);
  auto errors = game.readUtf8Lines("fim/errors.txt");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("erro.scx, linha 1"), std::string::npos);
  // Saved at the end of the run and at shut-down.
  auto registers = game.readLines("mirandel.rgs");
  ASSERT_GT(registers.size(), 3u);
  EXPECT_EQ(registers[3], "7");
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "sala");
  EXPECT_EQ(game.readLines("debug.txt").back(), "Componentes liberados com sucesso");
  auto trace = game.readUtf8Lines("trace.txt");
  EXPECT_NE(std::find(trace.begin(), trace.end(), "Executando script: sala.scc"), trace.end());
}

TEST(ScriptedPlay, BadEventsAndMissingTablesStopWithAMessage) {
  TempFolder game;
  game.writeBytes("mirandel.ini", "");
  EXPECT_EQ(runPlayer(game, "voar alto\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("line 1: unknown event"), std::string::npos);
  std::filesystem::remove(game.path() / "mirandel.ini");
  EXPECT_EQ(runPlayer(game, "run sala\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("mirandel.ini"), std::string::npos);
}
