// The script runner: pagpix, link parameters, missing scripts, the end-of-run
// save, aborting errors and the page of display mode "2".
#include <gtest/gtest.h>

#include "script/runner.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(Runner, PagpixOnlyShowsThePixPage) {
  TestGame t;
  t.script("sala", "setpos= sala");
  t.run("sala");
  t.setReg(3, "mudou");
  std::filesystem::remove(t.folder.path() / "mirandel.rgs");
  t.run("pagpix");
  EXPECT_EQ(t.game->screen.viewerPage.text(), "Pix");
  EXPECT_EQ(t.game->runner.currentScript, "sala");
  EXPECT_EQ(t.game->runner.Script.size(), 1u);
  EXPECT_FALSE(t.folder.exists("mirandel.rgs"));  // nothing saved
}

TEST(Runner, SplitsLinkParametersInAnyOrder) {
  TestGame t;
  t.script("sala", "");
  t.run("sala&Pry=9&Prm=1");
  EXPECT_EQ(t.game->runner.Prm, "1");
  EXPECT_EQ(t.game->runner.Prx, "");
  EXPECT_EQ(t.game->runner.Pry, "9");
  EXPECT_EQ(t.game->runner.currentScript, "sala");
  t.run("sala&Prm=a&b");
  EXPECT_EQ(t.game->runner.Prm, "a");
  EXPECT_EQ(t.game->runner.Pry, "");  // cleared by every run
}

TEST(Runner, MissingScriptRunsNothingButStillSaves) {
  TestGame t;
  t.script("sala", "setpos= sala");
  t.run("sala");
  t.game->world.Posic = "outro";
  std::filesystem::remove(t.folder.path() / "mirandel.rgs");
  auto trace = t.run("nada");
  EXPECT_EQ(trace.at(0), "Não encontrei o script: nada.scx");
  EXPECT_EQ(t.game->world.Posic, "outro");  // the old lines were not replayed
  EXPECT_TRUE(t.folder.exists("mirandel.rgs"));
  EXPECT_EQ(t.errors(), "");
}

TEST(Runner, FimEndsTheRunAndTheEndOfRunSaveHappens) {
  TestGame t;
  t.game->Regs.values().resize(3);
  t.game->world.Objx = {"chave", "Chave", "uma chave", "sala", "chave.png", "", "", ""};
  t.script("s", "fim\nsetpos= nunca");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "posic1");
  EXPECT_EQ(t.folder.read("mirandel.rgs"), "3\r\n1\r\n1\r\n");
  EXPECT_EQ(t.folder.readLines("mirandel.obx").size(), 8u);
}

TEST(Runner, AbortedRunSkipsTheEndOfRunStepsAndKeepsItsState) {
  TestGame t;
  t.script("s", "setpos= antes\ngetvar= x,Posic\nsetpos= depois");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "antes");
  EXPECT_EQ(t.game->runner.currentLine, 1);
  EXPECT_FALSE(t.folder.exists("mirandel.rgs"));
  EXPECT_EQ(t.host.record.errors.size(), 1u);
  EXPECT_FALSE(t.game->runner.running);
}

TEST(Runner, RegisterValuesWithLineBreaksKeepOneLinePerRegister) {
  TestGame t;
  t.setReg(1, "duas\r\nlinhas");
  t.script("s", "");
  t.run("s");
  auto lines = t.folder.readLines("mirandel.rgs");
  EXPECT_EQ(lines.size(), 281u);
  EXPECT_EQ(lines[2], "1");
}

TEST(Runner, ModeTwoWritesThePageWithItsHeadAndClosingTags) {
  TestGame t;
  t.game->screen.Modelo = model::DisplayMode::Page;
  t.script("s", "msg= Olá");
  t.run("s");
  auto page = t.folder.readLines("tmp.htm");
  ASSERT_EQ(page.size(), 13u);
  EXPECT_EQ(page[0], "<!DOCTYPE html>");
  EXPECT_EQ(page[2], "<title>Quimera: mirandel</title>");
  EXPECT_EQ(page[5], "<body bgcolor=#219439 text=#FFFF00 link=#FFFF00 vlink=#FF8000");
  EXPECT_EQ(page[8], "<font face=Arial color=#FFFF00 style=\"font-size:24px; \">");
  EXPECT_EQ(page[9], "Olá");
  EXPECT_EQ(page[10], "</font></div>");
  EXPECT_EQ(page[12], "</html>");
  EXPECT_EQ(t.folder.read("tmp.htm").substr(0, 17), "<!DOCTYPE html>\r\n");
  EXPECT_EQ(t.game->screen.pageShown, (t.folder.path() / "tmp.htm").string());
}

TEST(Runner, StyleFlagsOpenAndCloseInThePage) {
  TestGame t;
  t.game->screen.Modelo = model::DisplayMode::Page;
  t.game->Defs.setDefsRow(16, "13");
  t.script("s", "");
  t.game->screen.style.textBold = true;
  // beginPage runs before the first statement with the style the run reset,
  // so flags set before the run do not reach the page head.
  t.run("s");
  auto page = t.folder.readLines("tmp.htm");
  EXPECT_EQ(page[8], "<font face=Arial color=#FFFF00 style=\"font-size:19px; \">");
  EXPECT_EQ(page[9], "</font></div>");
}
