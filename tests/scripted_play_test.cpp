// End to end: the mirandel program driven by an events file on a game folder
// the test creates, checked through its dump and the files it saves.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>

#include "model/defs.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(ScriptedPlay, RunsScriptsDumpsStateAndSavesAtTheEnd) {
  TempFolder game;
  writeGameFiles(game, {"a", "b", "c", "d"});
  game.write("sala.scx", "modo= 1\nsetpos= sala\nmsg= Você está na sala.\nparam= 3,prm\n");
  game.write("erro.scx", "getvar= nada,Posic\n");
  std::string dump = (game.path() / "fim").string();
  int code = playEvents(game,
                       "# a comment\n\nstart\nrun sala&Prm=7\nwait 500\ndump " + (game.path() / "meio").string() +
                           "\nrun erro\n",
                       "--dump " + dump + " --trace " + (game.path() / "trace.txt").string());
  ASSERT_EQ(code, 0) << game.read("stderr.txt");
  EXPECT_EQ(dumpedState(game, "meio", "Posic"), "sala");
  EXPECT_EQ(dumpedState(game, "meio", "Prm"), "7");
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
  EXPECT_NE(std::find(trace.begin(), trace.end(), "Executando script: sala.scc"), trace.end());
}

TEST(ScriptedPlay, BadEventsAndMissingTablesStopWithAMessage) {
  TempFolder game;
  game.writeBytes("mirandel.ini", "");
  EXPECT_EQ(playEvents(game, "voar alto\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("line 1: unknown event"), std::string::npos);
  EXPECT_EQ(playEvents(game, "click tel 1 2\nwheel md3 5 5\n"), 1);  // a wheel turn needs its delta
  EXPECT_NE(game.read("stderr.txt").find("line 2: wheel needs"), std::string::npos);
  EXPECT_EQ(playEvents(game, "drag pan 1 2 3\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("line 1: drag needs"), std::string::npos);
  std::filesystem::remove(game.path() / "mirandel.ini");
  EXPECT_EQ(playEvents(game, "run sala\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("mirandel.ini"), std::string::npos);
}

TEST(ScriptedPlay, PointerEventsClickHotSpotsAndTheDumpShowsThem) {
  TempFolder game;
  game.writeBytes("mirandel.ini", "");
  QImage normal(20, 20, QImage::Format_RGB32), pressed(20, 20, QImage::Format_RGB32);
  normal.fill(qRgb(255, 0, 0));
  pressed.fill(qRgb(0, 0, 255));
  normal.save(QString::fromStdString((game.path() / "normal.bmp").string()), "BMP");
  pressed.save(QString::fromStdString((game.path() / "apertado.bmp").string()), "BMP");
  game.write("painel.scx", "modo= 1\nlnkfnc= normal.bmp,alvo,5,5,0,0,3,apertado.bmp,clique.wav\n"
                           "lnktel= Olá,alvo,10,10");
  game.write("alvo.scx", "setpos= alvo");
  const std::string d = game.path().string();
  int code = playEvents(game, "run painel\nmove fnc 10 10\npress fnc 10 10\ndump " + d + "/apertado\n"
                             "release fnc 10 10\ndump " + d + "/solto\nwheel md3 5 5 -120\n"
                             "drag pan 300 300 320 290\ndump " + d + "/arrastado\nclick map 1 1\n");
  EXPECT_EQ(code, 0) << game.read("stderr.txt");  // a click on a map page not on show does nothing
  auto spots = game.readUtf8Lines("apertado/hotspots.txt");
  ASSERT_EQ(spots.size(), 2u);
  EXPECT_EQ(spots[0].substr(0, 2), "0\t");
  EXPECT_EQ(spots[0].substr(spots[0].find("alvo")), "alvo\tOlá\t\t");
  EXPECT_EQ(spots[1], "20\t5\t5\t20\t20\t3\talvo\tnormal.bmp\tapertado.bmp\tclique.wav");
  EXPECT_EQ(dumpedState(game, "apertado", "hoveredSlot"), "20");
  EXPECT_EQ(dumpedState(game, "apertado", "cursor"), "3");
  EXPECT_EQ(dumpedState(game, "apertado", "cursorShape"), "rightArrow");
  QImage shown(QString::fromStdString(d + "/apertado/telcmd.png"));
  EXPECT_EQ(shown.pixel(10, 10) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(game.readUtf8Lines("apertado/sounds.txt").back(), "effect clique.wav");
  EXPECT_EQ(dumpedState(game, "solto", "Posic"), "alvo");
  EXPECT_EQ(game.read("solto/hotspots.txt"), "");  // the run cleared them
  // Dragged by its skin, the window moved by the pointer's way.
  auto at = [&](const std::string& dump) {
    std::string position = dumpedState(game, dump, "windowPosition");
    return std::pair{std::stoi(position), std::stoi(position.substr(position.find(',') + 1))};
  };
  EXPECT_EQ(at("arrastado").first - at("solto").first, 20);
  EXPECT_EQ(at("arrastado").second - at("solto").second, -10);
}
