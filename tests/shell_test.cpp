// Start-up and shut-down: the table and its defaults, the debug log, the files
// written at exit, and the folders' address.
#include <gtest/gtest.h>

#include "graphics/surfaces.h"
#include "shell/startup.h"
#include "support/picture_files.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {
const std::vector<std::string> kStartLines = {
    "Defs criado com sucesso",    "Script criado com sucesso", "Objx criado com sucesso",
    "ObjtsClk criado com sucesso", "Regs criado com sucesso",  "WebTxt criado com sucesso",
    "Msk1 criado com sucesso",    "Msk2 criado com sucesso",   "BfDst criado com sucesso",
    "BfChv criado com sucesso",   "BufTela criado com sucesso", "BufFunc criado com sucesso"};
}

TEST(StartUp, EmptyTableGivesTheBuiltInRowsAndTwelveLogLines) {
  TestGame t(false);
  writeBmp(t.folder.path() / "U-bot1.bmp", testPattern(30, 20));  // the end button's picture
  t.start();
  const auto& defs = t.game->Defs;
  ASSERT_EQ(defs.size(), 101u);
  EXPECT_EQ(defs.defsRow(4), "mirandel");
  EXPECT_EQ(utf(defs.defsRow(73)), "Perdão, não entendi.");
  EXPECT_EQ(utf(defs.defsRow(74)), "Não entendi mas conheço algumas ações que podem servir.");
  EXPECT_EQ(utf(defs.defsRow(76)), "INSTRUÇÕES");
  EXPECT_EQ(defs.defsRow(88), "NA");
  EXPECT_EQ(defs.defsRow(100), "---");
  EXPECT_EQ(defs.defsRow(103), "");  // on-line switches absent: off
  EXPECT_FALSE(defs.isOn(103));
  EXPECT_EQ(t.game->registerCount, 250);
  EXPECT_EQ(t.game->world.Posic, "posic1");
  EXPECT_EQ(t.game->runner.currentScript, "posic1");
  EXPECT_EQ(t.game->Regs.size(), 281u);
  EXPECT_EQ(t.reg(65), "Seus objetos:");
  EXPECT_EQ(t.reg(109), "...");
  EXPECT_EQ(t.reg(110), "");
  EXPECT_EQ(t.folder.readLines("debug.txt"), kStartLines);
  EXPECT_EQ(t.game->screen.outerPage, model::OuterPage::Abertura);
  EXPECT_EQ(t.game->surfaces.btFim.size(), QSize(30, 20));
}

TEST(ShutDown, WritesPositionRowsAndSavesUnderBothNames) {
  TestGame t(false);
  t.folder.write("jogador.ini", "");
  writeBmp(t.folder.path() / "U-bot1.bmp", testPattern(30, 20));
  t.start("jogador");  // the player is called jogador, the game (row 4) mirandel
  t.game->world.Posic = "sala";
  t.game->IniScp = "inicio";
  t.game->window = {15, 25, 900, 420};
  t.game->world.gameLoaded = true;  // as after a game start: the game's files are saved too
  shell::shutDown(*t.game);
  auto own = t.folder.readLines("jogador.ini");
  ASSERT_EQ(own.size(), 101u);
  EXPECT_EQ(own[0], "15");
  EXPECT_EQ(own[1], "25");
  EXPECT_EQ(own[6], "inicio");
  EXPECT_EQ(own[10], "sala");
  EXPECT_EQ(own[2], "750");  // carried rows are written back as they stand
  EXPECT_EQ(t.folder.readLines("mirandel.ini"), own);
  EXPECT_EQ(t.folder.readLines("mirandel.rgs").size(), 281u);
  EXPECT_FALSE(t.folder.exists("mirandel.obz"));  // no objects: nothing to save
  auto log = t.folder.readLines("debug.txt");
  ASSERT_EQ(log.size(), 13u);
  EXPECT_EQ(log.back(), "Componentes liberados com sucesso");
}

TEST(ShutDown, EmptyGameNameWritesOnlyThePlayersTable) {
  TestGame t;
  t.game->folders.gameName.clear();
  shell::shutDown(*t.game);
  EXPECT_TRUE(t.folder.exists("mirandel.ini"));
  EXPECT_FALSE(t.folder.exists("mirandel.rgs"));
}

TEST(StartUp, MissingTableAndNonNumericCountAreClearErrors) {
  TestGame t(false);
  std::filesystem::remove(t.folder.path() / "mirandel.ini");
  try {
    t.start();
    FAIL() << "started without a table";
  } catch (const shell::StartupError& error) {
    EXPECT_NE(std::string(error.what()).find("mirandel.ini"), std::string::npos);
  }
  t.folder.write("mirandel.ini", "0\n0\n0\n0\nmirandel\nmuitos\n");
  EXPECT_THROW(t.start(), shell::StartupError);
}

TEST(StartUp, ShortTableReadsMissingRowsAsEmpty) {
  TestGame t(false);
  t.folder.write("mirandel.ini", "1\n2\n3\n4\njogo\n40\ninicio\n");
  t.start();
  EXPECT_EQ(t.game->Defs.size(), 7u);
  EXPECT_EQ(t.game->folders.gameName, "jogo");
  EXPECT_EQ(t.game->registerCount, 40);
  EXPECT_EQ(t.game->Defs.defsRow(50), "");
  t.game->Defs.setDefsRow(50, "x");  // past the end: not stored
  EXPECT_EQ(t.game->Defs.defsRow(50), "");
}

TEST(Folders, AddressEncodesBlanksAndUsesSlashes) {
  EXPECT_EQ(model::folderUrl("/home/ana/Meus Jogos/x"), "file:///home/ana/Meus%20Jogos/x/");
  EXPECT_EQ(model::folderUrl("/jogos/"), "file:///jogos/");
}
