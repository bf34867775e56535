// End to end: the mirandel program driven by an events file on a game folder
// the test creates, checked through its dump and the files it saves.
#include <gtest/gtest.h>

#include <cstdlib>

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
  game.writeBytes("mirandel.ini", "");
  game.write("sala.scx", "setpos= sala\nmsg= Você está na sala.\nparam= 3,prm\n");
  game.write("erro.scx", "getvar= nada,Posic\n");
  std::string dump = (game.path() / "fim").string();
  int code = runPlayer(game,
                       "# a comment\n\nrun sala&Prm=7\nwait 500\ndump " + (game.path() / "meio").string() +
                           "\nrun erro\n",
                       "--dump " + dump + " --trace " + (game.path() / "trace.txt").string());
  ASSERT_EQ(code, 0) << game.read("stderr.txt");
  EXPECT_EQ(readState(game, "meio", "Posic"), "sala");
  EXPECT_EQ(readState(game, "meio", "Prm"), "7");
  EXPECT_EQ(game.readUtf8Lines("meio/msg.txt"), std::vector<std::string>{"Você está na sala."});
  // The folder has no title theme: the player says so at start-up and goes on.
  EXPECT_EQ(game.readUtf8Lines("meio/errors.txt"), std::vector<std::string>{"Não encontrei a música mirandel.mp3"});
  auto errors = game.readUtf8Lines("fim/errors.txt");
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[1].find("erro.scx, linha 1"), std::string::npos);
  // Saved at the end of the run and at shut-down.
  auto registers = game.readLines("mirandel.rgs");
  ASSERT_GT(registers.size(), 3u);
  EXPECT_EQ(registers[3], "7");
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "sala");
  EXPECT_EQ(game.readLines("debug.txt").back(), "Componentes liberados com sucesso");
  auto trace = game.readUtf8Lines("trace.txt");
  ASSERT_FALSE(trace.empty());
  EXPECT_EQ(trace[0], "Executando script: sala.scc");
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
