// Screen layout: the start layout from the table, what every run lays out again,
// the display modes and their geometry, the def statements and cinza=.
#include <gtest/gtest.h>

#include "shell/dump.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/display_mode.h"
#include "view/layout.h"
#include "view/tint.h"

using namespace testing_support;

namespace {

struct LayoutTest : ::testing::Test {
  LayoutTest() { view::applyStartLayout(*t.game); }
  model::ScreenModel& screen() { return t.game->screen; }
  void runIn(const std::string& mode, const std::string& lines) {
    view::setDisplayMode(*t.game, model::DisplayModeSetting::parse(mode));
    t.script("s", lines);
    t.run("s");
  }
  TestGame t;
};

QRect placeOf(const model::Control& control) { return {control.x, control.y, control.width, control.height}; }

}  // namespace

TEST_F(LayoutTest, TheStartLayoutComesFromTheTable) {
  const auto& s = screen();
  const auto& f = t.game->surfaces;
  EXPECT_EQ(s.outerPage, model::OuterPage::Default);
  EXPECT_EQ(s.Modelo.text(), "1");
  EXPECT_EQ(s.viewerPage.text(), "1");
  EXPECT_EQ(placeOf(s.Abok1), QRect(10, 10, 670, 365));
  EXPECT_EQ(placeOf(s.MsgMd0).size(), QSize(660, 355));
  EXPECT_EQ(placeOf(s.Msg), QRect(0, 285, 670, 80));
  EXPECT_TRUE(s.Msg.visible);
  EXPECT_EQ(f.BufTela.size(), QSize(670, 280));
  EXPECT_EQ(f.Tela.pixel(669, 279) & 0xFFFFFF, 0x219439u);
  EXPECT_EQ(placeOf(s.WebB), QRect(-2, -2, 690, 404));
  EXPECT_EQ(placeOf(s.Sbox2).size(), QSize(670, 400));
  EXPECT_EQ(f.TelMod3.size(), QSize(649, 390));
  EXPECT_EQ(placeOf(s.Input), QRect(10, 380, 670, 30));
  EXPECT_EQ(s.Input.background.text(), "1D8131");
  EXPECT_EQ(s.Input.fontName, "Courier New");
  EXPECT_TRUE(s.Input.bold);  // style row 68 "Biu"
  EXPECT_EQ(placeOf(s.Abok2), QRect(709, 45, 180, 300));
  EXPECT_EQ(f.BufFunc.size(), QSize(180, 300));
  EXPECT_EQ(s.lbFim.text, "Encerrar");
  EXPECT_EQ(s.lbFim.x, 702 + 0 + 2);  // no button picture in the folder: no width
  EXPECT_EQ(s.lbFim.y, 383);
  EXPECT_NE(s.pageHtml.find("<body  bgcolor=219439 "), std::string::npos);
  EXPECT_EQ(utf(t.game->debug.lines().back()), "Não encontrei arquivo: U-bot1.bmp");
}

TEST_F(LayoutTest, TheEndButtonTakesItsPictureAndItsLabelSitsBesideIt) {
  writeBmp(t.folder.path() / "U-fim.bmp", testPattern(50, 24));
  t.game->Defs.setDefsRow(66, "fim.bmp");
  t.game->Defs.setDefsRow(64, "600");
  view::applyStartLayout(*t.game);
  EXPECT_EQ(placeOf(screen().btFim), QRect(600, 380, 50, 24));
  EXPECT_EQ(screen().btFim.text, "fim.bmp");
  EXPECT_EQ(screen().lbFim.x, 600 + 50 + 2);
  EXPECT_GT(screen().lbFim.width, 0);
  // A broken PNG is noted; the button keeps its picture and the game goes on.
  t.folder.writeBytes("U-fim.png", "quebrado");
  t.game->Defs.setDefsRow(66, "fim.png");
  EXPECT_NO_THROW(view::applyStartLayout(*t.game));
  EXPECT_EQ(t.game->surfaces.btFim.size(), QSize(50, 24));
  EXPECT_EQ(t.game->debug.lines().back(), "Error Reading File!");
}

TEST_F(LayoutTest, TheSnapshotHoldsTheLayoutAndThePageText) {
  runIn("2", "corlnk= 00FF00\nmsg= Olá");
  ASSERT_TRUE(shell::writeDump(*t.game, t.host.record, t.folder.path() / "foto"));
  const auto state = t.folder.readUtf8Lines("foto/state.txt");
  for (const char* line : {"viewer=10,10,670,400", "browser=-2,-2,690,404", "telmod3=649,390", "focus=WebB",
                           "linkColour=00FF00", "textStyle=biu", "hud=0,0,0", "functionPanel=709,45,180,300"})
    EXPECT_NE(std::find(state.begin(), state.end(), line), state.end()) << line;
  const auto page = t.folder.readUtf8Lines("foto/webtxt.txt");
  ASSERT_EQ(page.size(), 13u);
  EXPECT_EQ(page[9], "Olá");
}

TEST_F(LayoutTest, BadLayoutRowsAreLoggedAndReadAsTheirDefaults) {
  t.game->Defs.setDefsRow(24, "largo");
  t.game->Defs.setDefsRow(40, "verde");
  view::applyStartLayout(*t.game);
  EXPECT_EQ(screen().Abok1.width, 670);
  EXPECT_EQ(screen().Input.background.text(), "1D8131");
  const auto& log = t.game->debug.lines();
  EXPECT_NE(std::find(log.begin(), log.end(), cp(
                          "Linha 25 da tabela de definições não é um número: \"largo\"; usei 670")),
            log.end());
  t.script("s", "setpos= aqui");
  t.run("s");  // every run lays out from the same rows without stopping
  EXPECT_EQ(t.game->world.Posic, "aqui");
}

TEST_F(LayoutTest, DisplayModesLayOutTheirPages) {
  auto& s = screen();
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("2"));
  EXPECT_EQ(s.viewerPage.text(), "2");
  EXPECT_FALSE(s.Input.visible);
  EXPECT_EQ(placeOf(s.Abok1).size(), QSize(670, 400));  // down to the command box's bottom edge
  EXPECT_EQ(placeOf(s.WebB).size(), QSize(690, 404));
  EXPECT_EQ(s.focus, model::Focus::WebB);
  EXPECT_EQ(s.WebTxt.size(), 9u);  // a fresh page head

  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("3"));
  EXPECT_EQ(placeOf(s.Abok1).size(), QSize(670, 400));
  EXPECT_EQ(t.game->surfaces.TelMod3.size(), QSize(652, 390));
  EXPECT_EQ(s.focus, model::Focus::Sbox2);
  t.script("s", "");
  t.run("s");
  EXPECT_EQ(t.game->surfaces.TelMod3.size(), QSize(649, 390));  // a run uses the table's margins

  s.MsgMd0.text = "velho";
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("0"));
  EXPECT_EQ(s.viewerPage.text(), "0");
  EXPECT_EQ(s.MsgMd0.text, "");
  EXPECT_TRUE(s.Input.visible);
  s.Input.text = "digitado";
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("9"));
  EXPECT_EQ(s.Modelo.text(), "9");
  EXPECT_EQ(s.viewerPage.text(), "0");
  EXPECT_EQ(s.Input.text, "");
}

TEST_F(LayoutTest, EveryRunLaysOutThePageOnShowAgain) {
  auto& s = screen();
  runIn("1", "defmsg= off,300,4,500,200\ndefinput= off\ndeffnc= off,,,100,50");
  EXPECT_FALSE(s.Msg.visible);
  EXPECT_EQ(placeOf(s.Msg), QRect(4, 300, 500, 200));
  EXPECT_FALSE(s.Input.visible);
  EXPECT_EQ(t.game->surfaces.BufFunc.size(), QSize(100, 50));
  t.script("s", "");
  t.run("s");
  EXPECT_TRUE(s.Msg.visible);
  EXPECT_TRUE(s.Input.visible);
  EXPECT_EQ(placeOf(s.Msg), QRect(0, 285, 670, 80));
  EXPECT_EQ(s.Abok1.height, 285 + 200 + 5);  // the strip's height as the last run left it
  EXPECT_EQ(t.game->surfaces.TelCmd.size(), QSize(180, 300));
  // defini= changes the table itself, so the strip stays hidden.
  runIn("1", "defini= 35,\ndefmsg= on");
  EXPECT_TRUE(s.Msg.visible);
  t.script("vazio", "");
  t.run("vazio");
  EXPECT_FALSE(s.Msg.visible);
}

TEST_F(LayoutTest, DefStatementsAbortOnBadNumbersKeepingEarlierSettings) {
  runIn("1", "definput= off,7,x,100\nsetpos= nunca");
  EXPECT_FALSE(screen().Input.visible);
  EXPECT_EQ(screen().Input.y, 7);
  EXPECT_EQ(screen().Input.x, 10);
  EXPECT_NE(t.errors().find("definput=: \"x\""), std::string::npos);
  EXPECT_EQ(t.game->world.Posic, "posic1");

  runIn("1", "deftela= ,,,,,Times,20,FF0000,bIU\ndefvisor= ,,3");
  const auto& canvas = t.game->surfaces.canvas.Tela;
  EXPECT_EQ(canvas.fontName, "Times");
  EXPECT_EQ(canvas.fontSize, 20);
  EXPECT_EQ(canvas.fontColour, 0xFF0000u);
  EXPECT_FALSE(canvas.bold);
  EXPECT_TRUE(canvas.italic && canvas.underline);
  EXPECT_EQ(screen().Abok1.x, 3);
  runIn("1", "defmsg= ,,,,,,,XYZ");
  EXPECT_NE(t.errors().find("XYZ"), std::string::npos);
}

TEST_F(LayoutTest, SmallLayoutStatements) {
  auto& s = screen();
  runIn("0", "barratop on\nbarratop on");
  EXPECT_EQ(s.MsgMd0.y, 20);
  EXPECT_EQ(s.MsgMd0.height, 355 - 40);
  EXPECT_EQ(s.BarraTop.width, s.MsgMd0.width);
  EXPECT_EQ(s.BarraTop.background.text(), "1D8131");
  runIn("0", "barratop off\nveltec= 3\nsetfoco= msg\ndefcom= outros");
  EXPECT_EQ(s.MsgMd0.y, 5);
  EXPECT_EQ(s.typewriterDelay, 3);
  EXPECT_EQ(s.focus, model::Focus::Input);  // the end of a run gives the command box the focus
  EXPECT_EQ(t.game->commandsScript, "outros");

  const int raised = s.windowRaises;
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("1"));
  model::Statement focusMsg{"setfoco=", {"msg"}, ""};
  t.game->dispatch.find("setfoco=")(*t.game, focusMsg);
  EXPECT_EQ(s.focus, model::Focus::Window);  // "msg" only counts in mode "0"
  EXPECT_EQ(s.windowRaises, raised + 1);

  runIn("3", "veltec= lento\naltura= 900\nretmode");
  EXPECT_EQ(s.typewriterDelay, 7);
  EXPECT_EQ(t.game->surfaces.TelMod3.height(), 900);
  runIn("3", "altura= alto");
  EXPECT_EQ(t.game->surfaces.TelMod3.height(), 400 - 10);

  runIn("1", "defini= 90,a~b^c\ndefini= x,nada\ndefini= 500,longe");
  EXPECT_EQ(t.game->Defs.defsRow(90), "a b,c");
  EXPECT_EQ(t.game->Defs.size(), 101u);

  runIn("2", "defweb= 300,200");
  EXPECT_EQ(placeOf(s.WebB).size(), QSize(320, 204));
  s.viewerPage = model::ViewerPage::Map;
  runIn("1", "retmodo");
  EXPECT_EQ(s.viewerPage.text(), "1");
}

TEST_F(LayoutTest, SkinPanelsShapeTheWindow) {
  QImage skin = graphics::makeSurface(300, 200, 0x404040);
  skin.setPixel(0, 0, graphics::kMagenta);
  writeBmp(t.folder.path() / "pele.bmp", skin);
  runIn("1", "loadpainel= pele.bmp");
  EXPECT_EQ(t.game->window.width, 300);
  EXPECT_EQ(t.game->window.height, 200);
  EXPECT_EQ(t.game->surfaces.Imp.size(), QSize(300, 200));
  ASSERT_TRUE(screen().windowShaped);
  EXPECT_EQ(screen().windowShape.front(), QRect(1, 0, 299, 1));

  screen().windowShaped = false;
  runIn("1", "defpainel= pele.bmp,30,800,400");
  EXPECT_EQ(screen().Abok1.y, 30);
  EXPECT_EQ(t.game->window.width, 800);
  EXPECT_EQ(screen().Tela.height, 400);
  EXPECT_FALSE(screen().windowShaped);  // only "on" in the second place shapes it
  runIn("1", "defpainel= pele.bmp,on");
  EXPECT_TRUE(screen().windowShaped);
}

TEST_F(LayoutTest, CinzaGreysAndTintsAsComputed) {
  QImage picture(2, 1, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(100, 150, 200));  // 30 + 88.5 + 22 = 140.5 -> 141
  picture.setPixel(1, 0, qRgb(10, 20, 30));     // 3 + 11.8 + 3.3 = 18.1 -> 18
  QImage grey = picture;
  view::tintPixels(grey, 0, 0);
  EXPECT_EQ(grey.pixel(0, 0) & 0xFFFFFF, 0x8D8D8Du);
  EXPECT_EQ(grey.pixel(1, 0) & 0xFFFFFF, 0x121212u);
  QImage darker = picture;
  view::tintPixels(darker, 0, -40);
  EXPECT_EQ(darker.pixel(0, 0) & 0xFFFFFF, 0x656565u);
  EXPECT_EQ(darker.pixel(1, 0) & 0xFFFFFF, 0u);
  QImage lighter = picture;
  view::tintPixels(lighter, 0, 200);
  EXPECT_EQ(lighter.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);

  // On the picture of mode "1", through BufTela; the rectangle 10, 10, 100, 50 only.
  view::setDisplayMode(*t.game, model::DisplayModeSetting::parse("1"));
  QImage& buffer = t.game->surfaces.BufTela;
  buffer = testPattern(670, 280);
  t.script("s", "cinza= tel,800000,60,10,10,100,50");
  t.run("s");
  for (QPoint p : {QPoint(10, 10), QPoint(109, 59), QPoint(50, 30)}) {
    const QRgb pixel = buffer.pixel(p);
    EXPECT_GE(qRed(pixel), 0x44);
    EXPECT_LE(qRed(pixel), 0x80);
    EXPECT_EQ(qGreen(pixel), 0);
    EXPECT_EQ(qBlue(pixel), 0);
  }
  EXPECT_EQ(buffer.pixel(110, 60), testPattern(670, 280).pixel(110, 60));
  EXPECT_EQ(t.game->surfaces.Tela, buffer);

  // Colour 0 without a rectangle greys the whole picture; the panel and the skin too.
  t.script("s", "cinza= tel,0\ncinza= fnc,000000,-40");
  t.run("s");
  const QRgb corner = buffer.pixel(669, 279);
  EXPECT_TRUE(qRed(corner) == qGreen(corner) && qGreen(corner) == qBlue(corner));
  EXPECT_EQ(t.game->surfaces.BufFunc.pixel(0, 0) & 0xFFFFFF, 0x3F3F3Fu);  // 219439 is grey 103, less 40
}
