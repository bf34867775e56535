// The picture statements: display= with pictures and texts on every target and
// mode, showobj=, the head-up picture, telpos= and the clearing statements.
#include <gtest/gtest.h>

#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/display_mode.h"
#include "view/layout.h"

using namespace testing_support;

namespace {

struct PictureStatementTest : ::testing::Test {
  PictureStatementTest() {
    view::applyStartLayout(*t.game);
    QImage picture = graphics::makeSurface(40, 20, 0xFF0000);
    picture.setPixel(0, 0, graphics::kMagenta);
    writeBmp(t.folder.path() / "bloco.bmp", picture);
    t.game->world.Objx = {"chave", "A~chave", "Uma chave^ velha.", "sala", "bloco.bmp", "", "", "",
                          "mapa", "Mapa", "Um mapa.", "jog", "mapa.png", "", "", ""};
  }
  // Runs the lines in the display mode and returns the trace of the run.
  std::vector<std::string> runIn(const std::string& mode, const std::string& lines) {
    view::setDisplayMode(*t.game, model::DisplayModeSetting::parse(mode));
    t.script("s", lines);
    return t.run("s");
  }
  QRgb pixel(const QImage& image, int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
  graphics::Surfaces& f() { return t.game->surfaces; }
  const base::Lines& webTxt() const { return t.game->screen.WebTxt; }
  TestGame t;
};

}  // namespace

TEST_F(PictureStatementTest, DisplayPlacesPicturesByTargetAndMode) {
  runIn("1", "cleartela 000000\ndisplay= bloco.bmp,tel,10,5\ndisplay= bloco.bmp,fnc,0,0,80,40\n"
             "display bloco.bmp,pan,1,1");
  EXPECT_EQ(pixel(f().Tela, 10, 5), 0u);  // magenta stays clear
  EXPECT_EQ(pixel(f().Tela, 11, 5), 0xFF0000u);
  EXPECT_EQ(pixel(f().Tela, 50, 5), 0u);
  EXPECT_EQ(pixel(f().TelCmd, 79, 39), 0xFF0000u);  // stretched to 80 x 40
  EXPECT_EQ(pixel(f().Imp, 2, 2), 0xFF0000u);

  auto trace = runIn("1", "display= nada.bmp,tel\ndisplay= bloco.bmp,TEL\ndisplay= ,tel");
  EXPECT_NE(trace.at(4).find("??? <---Imagem inexistente!"), std::string::npos);
  EXPECT_NE(trace.at(5).find("??? <---Não indicou o local tel/fnc/tel!"), std::string::npos);
  EXPECT_NE(trace.at(6).find("??? <---Texto/frase inexistente!"), std::string::npos);

  // Mode "0" shows no picture and logs nothing.
  const size_t logged = t.game->debug.lines().size();
  const QImage before = f().BufTela;
  runIn("0", "display= bloco.bmp,tel,0,0");
  EXPECT_EQ(f().BufTela, before);
  EXPECT_EQ(t.game->debug.lines().size(), logged);

  // Mode "3": at the text position, which moves down by the picture's height.
  runIn("3", "cleartela\npostxt= 20,30\ndisplay= bloco.bmp,tel,5,5");
  EXPECT_EQ(pixel(f().Tela3, 26, 35), 0xFF0000u);
  EXPECT_EQ(t.game->screen.textY, 50);
}

TEST_F(PictureStatementTest, DisplayWritesPageLinesInModeTwo) {
  const std::string url = t.game->folders.exeFolderUrl;
  runIn("2", "display= bloco.bmp,tel,9,9\ndisplay= bloco.bmp,tel,,,100,,left\n"
             "display= bloco.bmp,tel,,,,,center\ndisplay= bloco.bmp,fnc,0,0\n"
             "display= Olá§mundo,tel,0,0,,,20,FF0000,BiU\ndisplay= simples,tel");
  ASSERT_EQ(webTxt().size(), 9u + 5u + 3u);  // head, five lines, page end
  EXPECT_EQ(webTxt()[9], "<img src=" + url + "bloco.bmp width=40 height=20 border=0 >");
  EXPECT_EQ(webTxt()[10], "<img src=" + url + "bloco.bmp width=100 height=20 border=0 align=left>");
  EXPECT_EQ(webTxt()[11], "<div align=center><img src=" + url + "bloco.bmp width=40 height=20 border=0 ></div>");
  EXPECT_EQ(utf(webTxt()[12]), "<font face=Arial color=#FF0000 style=\"font-Size:20px; \"><b><u>Olá§mundo</u></b></font>");
  EXPECT_EQ(webTxt()[13], "<font face=Arial color=#FFFF00 style=\"font-Size:16px; \">simples</font>");
  EXPECT_EQ(pixel(f().TelCmd, 1, 0), 0xFF0000u);  // the panel is drawn in every mode
}

TEST_F(PictureStatementTest, DisplayDrawsTextsOnTheTargets) {
  runIn("1", "clearfunc 000000\ndisplay= Texto,fnc,10,10,,,30,FFFFFF");
  int white = 0;
  for (int y = 10; y < 50; ++y)
    for (int x = 10; x < 100; ++x) white += pixel(f().TelCmd, x, y) == 0xFFFFFF;
  EXPECT_GT(white, 20);
  EXPECT_EQ(pixel(f().TelCmd, 5, 5), 0u);  // the background is not painted
  runIn("1", "display= Texto,fnc,10,10,,,30,ZZZZZZ\nsetpos= nunca");
  EXPECT_NE(t.errors().find("ZZZZZZ"), std::string::npos);
}

TEST_F(PictureStatementTest, ShowobjShowsTitlesDescriptionsAndPictures) {
  auto& screen = t.game->screen;
  runIn("1", "showobj= chave,tit,msg\nshowobj= chave,dsc\nshowobj= chave,shp,fnc,0,0");
  EXPECT_EQ(screen.Msg.text, "A chave\r\nUma chave, velha.\r\n");
  EXPECT_EQ(pixel(f().TelCmd, 179, 179), 0xFF0000u);  // stretched into 180 x 180
  EXPECT_EQ(pixel(f().TelCmd, 179, 180), 0x219439u);

  runIn("1", "cleartela 000000\nshowobj= chave,tit,tel,0,0,30,10,4,00FF00");
  int green = 0, outside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inside = x < 30 && y < 10;
      const bool isGreen = pixel(f().Tela, x, y) == 0x00FF00;
      green += inside && isGreen;
      outside += !inside && pixel(f().Tela, x, y) != 0;
    }
  EXPECT_GT(green, 5);
  EXPECT_EQ(outside, 0);  // clipped to its rectangle
  EXPECT_EQ(f().canvas.BufTela.fontSize, 16);  // size and colour return to the text style

  const std::string url = t.game->folders.exeFolderUrl;
  runIn("2", "showobj= chave,tit,x,x,FF0000\nshowobj= chave,dsc\nshowobj= mapa,shp,,right,,50\nshowobj= nada,tit");
  EXPECT_EQ(webTxt()[9], "<font color=#FF0000 style=\"font-size:1.3em; \">A&nbsp;chave</font>");
  EXPECT_EQ(webTxt()[10], "Uma chave, velha.<br>");
  EXPECT_EQ(webTxt()[11], "<img src=" + url + "mapa.png width=50 height=180 border=0 align=right>");
  EXPECT_EQ(webTxt().size(), 12u + 3u);  // nothing for an unknown object

  runIn("0", "showobj= mapa,tit");
  EXPECT_EQ(screen.MsgMd0.text, "Mapa\r\n");
  runIn("3", "showobj= mapa,tit");
  EXPECT_TRUE(screen.Memo3.empty());
}

TEST_F(PictureStatementTest, TheHeadUpPictureWorksInModeOneAndSwitchesOffAnywhere) {
  auto& screen = t.game->screen;
  writeBmp(t.folder.path() / "hud.bmp", graphics::makeSurface(4, 4, 0x0000FF));
  runIn("3", "hud= hud.bmp\nhud= on");
  EXPECT_FALSE(screen.hudOn);
  EXPECT_TRUE(f().Hud.isNull());
  runIn("1", "cleartela 000000\nhud= hud.bmp\nmasktel= 20\nhud= on");
  EXPECT_TRUE(screen.hudOn);
  EXPECT_EQ(screen.hudX, 20);
  EXPECT_EQ(screen.hudY, 0);
  EXPECT_EQ(pixel(f().Tela, 20, 0), 0x0000FFu);
  runIn("1", "cleartela 000000\nhud= 5,x");
  EXPECT_EQ(pixel(f().Tela, 5, 0), 0x0000FFu);  // laid over at the end of every run
  EXPECT_EQ(pixel(f().Tela, 20, 0), 0u);
  runIn("3", "hud= off\nhud=");
  EXPECT_FALSE(screen.hudOn);
}

TEST_F(PictureStatementTest, TelposLinksTheWholePicture) {
  auto& screen = t.game->screen;
  t.game->world.Posic = "sala";
  runIn("1", "cleartela 000000\ntelpos= bloco.bmp,@pos");
  EXPECT_EQ(screen.pictureLinkScript, "sala");
  EXPECT_EQ(screen.telaCursor, 1);
  EXPECT_EQ(pixel(f().Tela, 1, 0), 0xFF0000u);
  runIn("1", "setpos= x");
  EXPECT_EQ(screen.pictureLinkScript, "");  // every run clears it
  EXPECT_EQ(screen.telaCursor, 0);

  const std::string url = t.game->folders.exeFolderUrl;
  runIn("2", "telpos= bloco.bmp,\ntelpos= bloco.bmp,porta");
  EXPECT_EQ(webTxt()[9], "<img src=" + url + "bloco.bmp width=670px border=0>");
  EXPECT_EQ(webTxt()[10], "<a href=Scp=porta><img src=" + url + "bloco.bmp width=670px border=0></a>");

  runIn("3", "telpos= bloco.bmp,porta");
  EXPECT_EQ(f().Tela3.size(), QSize(40, 20));
}

TEST_F(PictureStatementTest, ClearingStatementsAndTheCanvasOfBufTela) {
  auto& canvas = f().canvas;
  runIn("1", "cleartela 0000FF\nclearfunc 00FF00\ntelacorfnd= 111111\ntelacortxt= 222222\n"
             "telafntnome= Courier\ntelafntalt= 30");
  EXPECT_EQ(pixel(f().Tela, 669, 279), 0x0000FFu);
  EXPECT_EQ(pixel(f().TelCmd, 179, 299), 0x00FF00u);
  EXPECT_EQ(canvas.BufTela.brush, 0x111111u);
  EXPECT_EQ(canvas.BufTela.fontColour, 0x222222u);
  EXPECT_EQ(canvas.BufTela.fontName, "Courier");
  EXPECT_EQ(canvas.BufTela.fontSize, 30);
  runIn("1", "telafntalt= enorme\nsetpos= nunca");
  EXPECT_NE(t.errors().find("telafntalt="), std::string::npos);
  runIn("1", "cleartela\ntelacorfnd= verde");
  EXPECT_EQ(pixel(f().BufTela, 0, 0), 0x219439u);  // the aborted run did not reach the screen
  EXPECT_EQ(pixel(f().Tela, 0, 0), 0x0000FFu);
  EXPECT_NE(t.errors().find("verde"), std::string::npos);
  EXPECT_EQ(t.game->world.Posic, "posic1");
}
