// The text window: the text style statements and their reset at every run, the
// page lines of display mode "2", the blank page, page links, and the text
// position of mode "3", and a mode no digit names.
#include <gtest/gtest.h>

#include "shell/input_queue.h"
#include "shell/input_wiring.h"
#include "support/test_game.h"
#include "view/layout.h"
#include "view/links.h"
#include "view/page.h"

using namespace testing_support;

namespace {

struct TextTest : ::testing::Test {
  TextTest() { view::applyStartLayout(*t.game); }
  const model::TextStyle& style() const { return t.game->screen.style; }
  // Runs the lines in a script of their own, in the display mode.
  void runIn(const std::string& mode, const std::string& lines) {
    t.game->screen.Modelo = model::DisplayModeSetting::parse(mode);
    t.game->screen.viewerPage = model::ViewerPageSetting::parse(mode);
    t.script("s", lines);
    t.run("s");
  }
  std::vector<std::string> page() const { return t.folder.readLines("tmp.htm"); }
  TestGame t;
};

// The text style of a run, kept by a statement at its end.
model::TextStyle kept;
void keep(model::Game& game, model::Statement&) { kept = game.screen.style; }

}  // namespace

TEST_F(TextTest, StyleStatementsSetTheStyleAndEmptyArgumentsRestoreTheTable) {
  t.game->dispatch.add("guarda", keep);
  runIn("1", "fonte= Verdana,20,112233,x,,s\nguarda");
  EXPECT_EQ(kept.textFontName, "Verdana");
  EXPECT_EQ(kept.textFontSize, 20);
  EXPECT_EQ(kept.textForeColour, "112233");
  EXPECT_TRUE(kept.textBold);
  EXPECT_FALSE(kept.textItalic);
  EXPECT_TRUE(kept.textUnderline);

  runIn("1", "fntface= Courier\nfntsize= 9\ncortxt= 0000FF\ncorfnd= FF0000\ncorlnk= 00FF00\ncorvzk= 123456\n"
             "fntsty= Bi\nguarda");
  EXPECT_EQ(kept.textFontName, "Courier");
  EXPECT_EQ(kept.textFontSize, 9);
  EXPECT_EQ(kept.textBackColour, "FF0000");
  EXPECT_TRUE(kept.textBold);
  EXPECT_FALSE(kept.textItalic);
  EXPECT_FALSE(kept.textUnderline);
  // The next run reloads the style from the table, but the link colours last.
  runIn("1", "guarda");
  EXPECT_EQ(kept.textFontName, "Arial");
  EXPECT_EQ(kept.textFontSize, 16);
  EXPECT_EQ(kept.textForeColour, "FFFF00");
  EXPECT_EQ(kept.textBackColour, "219439");
  EXPECT_FALSE(kept.textBold);
  EXPECT_EQ(kept.linkColour, "00FF00");
  EXPECT_EQ(kept.visitedLinkColour, "123456");

  runIn("1", "fntface=\nfntsize= grande\nfntsty=\ncorlnk=\ncorvzk=\nguarda");
  EXPECT_EQ(kept.textFontName, "Arial");
  EXPECT_EQ(kept.textFontSize, 16);
  EXPECT_EQ(kept.linkColour, "FFFF00");
  EXPECT_EQ(kept.visitedLinkColour, "FF8000");
}

TEST_F(TextTest, AFontSizeThatIsNotANumberAbortsFonteAfterTheName) {
  runIn("1", "fonte= Times,grande,00FF00\nsetpos= nunca");
  EXPECT_NE(t.errors().find("fonte="), std::string::npos);
  EXPECT_NE(t.errors().find("grande"), std::string::npos);
  EXPECT_EQ(style().textFontName, "Times");
  EXPECT_EQ(style().textForeColour, "FFFF00");  // the colour came after the size
  EXPECT_EQ(t.game->world.Posic, "posic1");
}

TEST_F(TextTest, ThePageHeadTakesTheStyleOfItsStart) {
  // Font size 15 gives 22px; bold and underline open and close in order.
  t.game->Defs.setDefsRow(16, "15");
  runIn("2", "msg= um\nfntsty= BiU\ncorfnd= 000000\nclearmsg\nmsg= dois");
  auto lines = page();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[5], "<body bgcolor=#000000 text=#FFFF00 link=#FFFF00 vlink=#FF8000");
  EXPECT_EQ(lines[6], " alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >");
  EXPECT_EQ(lines[7], "<div style=\"margin-right:10px;\">");
  EXPECT_EQ(lines[8], "<font face=Arial color=#FFFF00 style=\"font-size:22px; \"><b><u>");
  EXPECT_EQ(lines[9], "dois");  // clearmsg started the page again
  EXPECT_EQ(lines[10], "</b></u>");
  EXPECT_EQ(lines[11], "</font></div>");
  EXPECT_EQ(lines[13], "</html>");
  EXPECT_EQ(view::pagePixelSize(16), 24);
  EXPECT_EQ(view::pagePixelSize(12), 18);
}

TEST_F(TextTest, APageIsWrittenEvenWithOnlyItsHeadButNotWithoutLines) {
  runIn("2", "");
  EXPECT_EQ(page().size(), 12u);
  EXPECT_EQ(t.game->screen.pageShown, (t.folder.path() / "tmp.htm").string());
  std::filesystem::remove(t.folder.path() / "tmp.htm");
  t.game->screen.WebTxt.clear();
  view::finishPage(*t.game);
  EXPECT_FALSE(t.folder.exists("tmp.htm"));
  // Empty lines are still a text to show.
  t.game->screen.WebTxt = {""};
  view::finishPage(*t.game);
  EXPECT_TRUE(t.folder.exists("tmp.htm"));
}

TEST_F(TextTest, TheBlankPageIsOneLineInTheBackgroundColour) {
  view::showBlankPage(*t.game, "112233");
  EXPECT_EQ(t.game->screen.pageShown, "");
  EXPECT_EQ(t.game->screen.pageHtml,
            "<!DOCTYPE html><head><title>Quimera: mirandel</title><meta http-equiv=\"X-UA-Compatible\" "
            "content=\"ie=edge\"></head><body  bgcolor=112233 text=#FFFF00 link=#FFFF00 vlink=#FFFF00 "
            "alink=#FFFF00 leftmargin=0 topmargin=0 marginwidth=0 marginheight=0 ></body></html>");
}

TEST_F(TextTest, PageLinksRunTheirScriptWithParameters) {
  t.script("sala", "param= 1,prm\nsetpos= sala");
  t.game->screen.Modelo = model::DisplayMode::Page;
  shell::followLink(*t.game, "Scp=sala&Prm=7");
  EXPECT_EQ(t.game->world.Posic, "sala");
  EXPECT_EQ(t.reg(1), "7");
  t.game->world.Posic = "antes";
  shell::followLink(*t.game, "file:///jogo/Scp=sala/tmp.htm");  // a page, not a script
  shell::followLink(*t.game, (t.folder.path() / "tmp.htm").string());
  EXPECT_EQ(t.game->world.Posic, "antes");
  EXPECT_EQ(t.errors(), "");

  // The link input of the player's queue follows the link.
  shell::InputQueue queue(*t.game);
  shell::connectPlayerInput(queue);
  queue.post({shell::PlayerInput::Kind::Link, "Scp=sala&Prm=8"});
  EXPECT_EQ(t.game->world.Posic, "sala");
  EXPECT_EQ(t.reg(1), "8");
}

TEST_F(TextTest, LineFeedsGoToTheSinkOfTheMode) {
  runIn("1", "msg= um\nlf\nmsg+ dois\nlinefeed");
  EXPECT_EQ(t.game->screen.Msg.text, "um\r\ndois\r\n");
  runIn("2", "lf");
  EXPECT_EQ(page().at(9), "<br>");
  runIn("0", "linefeed");
  EXPECT_EQ(t.game->screen.MsgMd0.text, "\r\n");
  runIn("3", "postxt= 4,9\nlf");
  EXPECT_EQ(t.game->screen.textY, 9);
}

TEST_F(TextTest, TheTextPositionMovesAndThePageGrowsToReachIt) {
  auto& screen = t.game->screen;
  runIn("3", "postxt= 30,40\npostxt $,50\ncleartxt\n'guardado'");
  EXPECT_EQ(screen.textX, 30);
  EXPECT_EQ(screen.textY, 50);
  EXPECT_EQ(screen.Memo3, base::Lines{"guardado"});
  runIn("3", "'um'\nclear$\npostxt= x,");
  EXPECT_TRUE(screen.Memo3.empty());
  EXPECT_EQ(screen.textX, 0);

  QImage& page = t.game->surfaces.TelMod3;
  graphics::resizeSurface(page, 649, 380, 0);
  runIn("3", "postxt= 0,380\nlnfeed= 20");
  EXPECT_EQ(screen.textY, 400);
  EXPECT_EQ(page.height(), 400);
  runIn("3", "postxt= 0,10\nlnfeed=\nlnfeed= muito");
  EXPECT_EQ(screen.textY, 20);  // empty is 10, not a number is 0
  EXPECT_EQ(page.height(), 390);  // every run lays the page out again
  runIn("1", "postxt= 0,395\nlnfeed= 20");
  EXPECT_EQ(screen.textY, 395);  // only mode "3" moves down
}

TEST_F(TextTest, MessagesOfModeThreeAreDrawnAtTheTextPosition) {
  QImage& page = t.game->surfaces.TelMod3;
  runIn("3", "cleartela\ncorfnd= 0000FF\ncortxt= FFFFFF\npostxt= 100,200\nmsg= Olá");
  EXPECT_EQ(page.pixel(100, 200) & 0xFFFFFF, 0x0000FFu);  // the text's box takes the brush
  EXPECT_EQ(page.pixel(99, 200) & 0xFFFFFF, 0x219439u);
  int white = 0;
  for (int y = 200; y < 230; ++y)
    for (int x = 100; x < 150; ++x) white += (page.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
  EXPECT_GT(white, 10);
  EXPECT_EQ(t.game->surfaces.Tela3, page);  // shown at the end of the run
  runIn("3", "cortxt= GG0000\nmsg= x");
  EXPECT_NE(t.errors().find("GG0000"), std::string::npos);
}

namespace {

// A mode no digit names (modo= with any other text) keeps its text and shows
// nothing: no sink takes the run's text, no page is laid out, and the run goes on.
TEST(OtherDisplayModeTest, AModeThatIsNotADigitShowsNothingAndKeepsItsText) {
  TestGame t;
  view::applyStartLayout(*t.game);
  auto& screen = t.game->screen;
  t.script("s",
           "modo= texto\n'citado'\nmsg= trocada\nmsg+ mais\nlinefeed\nclearmsg\ngetvar= 3,Modelo\n"
           "ifmod1 setpos= um\nsetpos= fim");
  const auto trace = t.run("s");
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(screen.Modelo, model::DisplayMode::Other);
  EXPECT_EQ(screen.Modelo.text(), "texto");
  EXPECT_EQ(t.game->Regs.values().at(3), "texto");
  EXPECT_EQ(t.game->world.Posic, "fim");
  EXPECT_EQ(screen.Msg.text, "");
  EXPECT_EQ(screen.MsgMd0.text, "");
  EXPECT_TRUE(screen.Memo3.empty());
  EXPECT_TRUE(screen.WebTxt.empty());
  bool clearTraced = false;
  for (const auto& line : trace) clearTraced = clearTraced || line.find("<-mod= texto") != std::string::npos;
  EXPECT_TRUE(clearTraced);
}

}  // namespace
