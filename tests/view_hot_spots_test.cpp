// Hot spots: the table and its groups, the link statements that fill it, the
// object icon grid, and the mouse handling that acts on it (hit test, pressed
// pictures, sounds, web addresses, the skin's drag, the mode-"3" wheel).
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/player_input.h"
#include "shell/pointer_input.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/cursors.h"
#include "view/display_mode.h"
#include "view/layout.h"
#include "view/pointer.h"

using namespace testing_support;
using Kind = shell::PlayerInput::Kind;

namespace {

struct HotSpotTest : ::testing::Test {
  HotSpotTest() {
    view::applyStartLayout(*t.game);
    writeBmp(t.folder.path() / "seta.bmp", graphics::makeSurface(30, 20, 0xFF0000));
    writeBmp(t.folder.path() / "seta2.bmp", graphics::makeSurface(30, 20, 0x0000FF));
    t.script("alvo", "setpos= alvo");
    t.script("outro", "setpos= outro");
  }
  std::vector<std::string> runIn(const std::string& mode, const std::string& lines) {
    view::setDisplayMode(*t.game, model::DisplayModeSetting::parse(mode));
    t.script("s", lines);
    return t.run("s");
  }
  // The hot-spot dump's lines.
  std::vector<std::string> listing() const {
    std::vector<std::string> lines;
    std::string text = utf(t.game->hotSpots.listing());
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
      lines.push_back(text.substr(at, end - at));
    return lines;
  }
  void pointer(Kind kind, const std::string& surface, int x, int y, int delta = 0) {
    shell::PlayerInput input{kind, surface, x, y};
    input.delta = delta;
    ASSERT_TRUE(shell::handlePointer(*t.game, input));
  }
  std::string posic() const { return t.game->world.Posic; }
  QRgb pixel(const QImage& image, int x, int y) const { return image.pixel(x, y) & 0xFFFFFF; }
  graphics::Surfaces& f() { return t.game->surfaces; }
  TestGame t;
};

}  // namespace

TEST_F(HotSpotTest, LinksRegisterSlotsWithTheirCursorAndDrawTheirPictures) {
  runIn("1", "cleartela 000000\nlnktel= seta.bmp,alvo,10,10\nlnktel= seta.bmp,,50,10,60,40\n"
             "lnktel= ,outro,100,100,5,5,7,seta2.bmp,clk.wav");
  const auto lines = listing();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "0\t10\t10\t30\t20\t1\talvo\tseta.bmp\t\t");  // size from the picture, cursor 1
  EXPECT_EQ(lines[1], "1\t50\t10\t60\t40\t0\t\tseta.bmp\t\t");     // no script: cursor 0
  EXPECT_EQ(lines[2], "2\t100\t100\t5\t5\t7\toutro\t\tseta2.bmp\tclk.wav");
  EXPECT_EQ(pixel(f().Tela, 10, 10), 0xFF0000u);
  EXPECT_EQ(pixel(f().Tela, 39, 29), 0xFF0000u);
  EXPECT_EQ(pixel(f().Tela, 109, 49), 0xFF0000u);  // stretched into 60 x 40
  EXPECT_EQ(pixel(f().Tela, 111, 51), 0u);

  // A size that is not a number aborts the run in mode "1"; mode "3" takes 0.
  runIn("1", "lnktel= seta.bmp,alvo,dez,10\nsetpos= depois");
  EXPECT_NE(t.errors().find("dez"), std::string::npos);
  EXPECT_NE(posic(), "depois");
  runIn("3", "lnktel= seta.bmp,alvo,dez,10");
  EXPECT_EQ(listing().at(0), "60\t0\t10\t30\t20\t1\talvo\tseta.bmp\t\t");
}

TEST_F(HotSpotTest, TheTwentyFirstLinkOverwritesTheFirstSlotAndTheHigherSlotWins) {
  std::string lines;
  for (int i = 0; i < 21; ++i) lines += "lnktel= ,s" + std::to_string(i) + "," + std::to_string(i * 10) + ",0,5,5\n";
  runIn("1", lines);
  const auto listed = listing();
  ASSERT_EQ(listed.size(), 20u);
  EXPECT_EQ(listed[0], "0\t200\t0\t5\t5\t1\ts20\t\t\t");
  EXPECT_EQ(t.game->hotSpots.next[0], 1);

  // Overlapping rectangles: the later slot wins, edges included.
  runIn("1", "lnktel= ,alvo,0,0,100,100\nlnktel= ,outro,50,50,20,20");
  pointer(Kind::Move, "tel", 70, 70);
  EXPECT_EQ(t.game->pointer.hoveredSlot, 1);
  pointer(Kind::Move, "tel", 71, 70);
  EXPECT_EQ(t.game->pointer.hoveredSlot, 0);
  pointer(Kind::Move, "tel", 101, 70);
  EXPECT_EQ(t.game->pointer.hoveredSlot, -1);
  EXPECT_EQ(t.game->pointer.cursor, 0);
  pointer(Kind::Click, "tel", 60, 60);
  EXPECT_EQ(posic(), "outro");
}

TEST_F(HotSpotTest, ObjectIconsMakeAGridOfHotSpotsThatRunTheObjectNames) {
  writeBmp(t.folder.path() / "icone.bmp", graphics::makeSurface(10, 10, 0x00FF00));
  auto& world = t.game->world;
  for (int i = 0; i < 7; ++i) {
    const std::string key = "obj" + std::to_string(i);
    world.Objs.push_back(key);
    for (const std::string& line : {key, std::string("Nome"), std::string("Desc"),
                                    std::string(i == 3 ? "jog" : "sala"), std::string("icone.bmp"),
                                    std::string(), std::string(), std::string()})
      world.Objx.push_back(line);
  }
  t.script("obj5", "setpos= obj5");
  runIn("1", "setpos= sala\nclearfunc 000000\ndispobj= loc,fnc,0,0,200,300,5");
  const auto listed = listing();
  ASSERT_EQ(listed.size(), 6u);  // obj3 is carried
  EXPECT_EQ(listed[0], "20\t0\t0\t40\t40\t1\tobj0\t\t\t");
  EXPECT_EQ(listed[4], "24\t160\t0\t40\t40\t1\tobj5\t\t\t");
  EXPECT_EQ(listed[5], "25\t0\t40\t40\t40\t1\tobj6\t\t\t");
  EXPECT_EQ(pixel(f().TelCmd, 179, 39), 0x00FF00u);  // the icons are stretched to 40 x 40 (the panel is 180 wide)
  EXPECT_EQ(pixel(f().TelCmd, 41, 41), 0u);

  // The grid's numbers stay: a later dispobj= with only the place uses them.
  pointer(Kind::Click, "fnc", 170, 10);
  EXPECT_EQ(posic(), "obj5");
  runIn("1", "setpos= sala\ndispobj= sala");
  EXPECT_EQ(listing().at(5), "25\t0\t40\t40\t40\t1\tobj6\t\t\t");

  // No columns would divide by zero: the grid takes one column.
  runIn("1", "setpos= sala\ndispobj= sala,fnc,0,0,40,300,0");
  EXPECT_EQ(listing().at(1), "21\t0\t40\t40\t40\t1\tobj1\t\t\t");

  // In mode "2" the grid is a block of linked icons on the page.
  runIn("2", "dispobj= sala,tel,5,6,100,100,2");
  const auto& page = t.game->screen.WebTxt;
  auto at = std::find(page.begin(), page.end(),
                      "<div style=\"width:100px; height:100px; position:absolute; top:6px; left:5px;\">");
  ASSERT_LT(at + 7, page.end());
  EXPECT_EQ(*(at + 1), "<a href=Scp=obj0><img src=" + t.game->folders.exeFolderUrl +
                           "icone.bmp width=50 height=50 border=0></a>");
  EXPECT_EQ(*(at + 3), "<br>");
  EXPECT_EQ(*(at + 6), "<br>");  // two rows of two fill the 100-pixel height
  EXPECT_EQ(*(at + 7), "</div>");
}

TEST_F(HotSpotTest, PanelHotSpotsSurviveARunAndPictureHotSpotsDoNot) {
  runIn("1", "lnkpan= ,alvo,0,0,20,20\nlnktel= ,alvo,0,0,20,20\nlnkfnc= ,alvo,0,0,20,20");
  EXPECT_EQ(listing().size(), 3u);
  t.script("nada", "msg= nada");
  t.run("nada");
  ASSERT_EQ(listing().size(), 1u);
  EXPECT_EQ(listing()[0].substr(0, 3), "40\t");
  pointer(Kind::Click, "tel", 5, 5);
  EXPECT_NE(posic(), "alvo");
  pointer(Kind::Click, "pan", 5, 5);
  EXPECT_EQ(posic(), "alvo");

  // A hidden function panel takes no links; ifdir= links through an exit.
  runIn("1", "deffnc= off\nlnkfnc= ,alvo,0,0,20,20");
  EXPECT_EQ(listing().size(), 1u);
  runIn("1", "norte= alvo\nifdir= norte,seta.bmp,100,50\nifdir= sul,seta.bmp,0,0");
  EXPECT_EQ(listing().at(0), "20\t100\t50\t30\t20\t1\talvo\tseta.bmp\t\t");
}

TEST_F(HotSpotTest, WebAddressesOpenTheBrowserAndRunNothing) {
  runIn("1", "lnktel= ,http://exemplo.com.br/mapa,0,0,10,10\nlnktel= ,https://exemplo.com.br,20,0,10,10\n"
             "lnktel= ,file:///etc/passwd,40,0,10,10\nsetpos= aqui");
  pointer(Kind::Click, "tel", 5, 5);
  pointer(Kind::Click, "tel", 25, 5);
  pointer(Kind::Click, "tel", 45, 5);
  EXPECT_EQ(t.host.record.opened,
            (std::vector<std::string>{"http://exemplo.com.br/mapa", "https://exemplo.com.br"}));
  EXPECT_EQ(posic(), "aqui");  // no run
  EXPECT_EQ(t.game->runner.currentScript, "s");
  ASSERT_EQ(t.host.record.errors.size(), 1u);
  EXPECT_NE(t.errors().find("file:///etc/passwd"), std::string::npos);
}

TEST_F(HotSpotTest, PressedPicturesShowWhileTheButtonIsDownAndTheClickActsWhereItWasPressed) {
  runIn("1", "cleartela 000000\nlnkfnc= seta.bmp,alvo,10,10,0,0,3,seta2.bmp,clk.wav\n"
             "lnkfnc= seta.bmp,outro,100,10");
  pointer(Kind::Move, "fnc", 105, 15);  // the last move found the second slot
  EXPECT_EQ(t.game->pointer.cursor, 1);
  pointer(Kind::Press, "fnc", 15, 15);  // a press without a move, over the first
  EXPECT_EQ(pixel(f().TelCmd, 15, 15), 0x0000FFu);  // pressed picture on the visible panel
  EXPECT_EQ(pixel(f().BufFunc, 15, 15), 0xFF0000u);  // the buffer keeps the normal one
  EXPECT_EQ(t.host.record.sounds.back(), "effect clk.wav");
  EXPECT_EQ(view::pointerReleased(*t.game, model::PointerSurface::TelCmd, 15, 15), "alvo");
  EXPECT_EQ(pixel(f().TelCmd, 15, 15), 0xFF0000u);  // the normal picture is back

  // A release outside the pressed slot restores the picture and runs nothing.
  pointer(Kind::Press, "fnc", 15, 15);
  pointer(Kind::Release, "fnc", 150, 150);
  EXPECT_EQ(pixel(f().TelCmd, 15, 15), 0xFF0000u);
  EXPECT_NE(posic(), "alvo");
  EXPECT_EQ(t.game->runner.currentScript, "s");

  // A text link with a pressed picture gets back what the run drew under it.
  runIn("1", "clearfunc 00FF00\nlnkfnc= Abrir,alvo,10,10,0,0,1,seta2.bmp");
  pointer(Kind::Press, "fnc", 12, 12);
  EXPECT_EQ(pixel(f().TelCmd, 12, 12), 0x0000FFu);
  pointer(Kind::Release, "fnc", 150, 150);
  EXPECT_EQ(f().TelCmd.copy(0, 0, 100, 60), f().BufFunc.copy(0, 0, 100, 60));

  // On the main picture a slot without a pressed picture makes no sound on press.
  runIn("1", "lnktel= ,alvo,0,0,10,10,,,clk2.wav");
  pointer(Kind::Click, "tel", 5, 5);
  EXPECT_EQ(t.host.record.sounds.back(), "effect clk.wav");
}

TEST_F(HotSpotTest, TheWholePictureLinkRunsOnPressBeforeTheSlot) {
  t.script("fundo", "retscp= fundo\nlnktel= ,alvo,0,0,50,50");
  t.script("figura", "/ line 0 is skipped by script\ntelpos= seta.bmp,fundo\nlnktel= ,outro,0,0,50,50");
  runIn("1", "script figura");
  pointer(Kind::Move, "tel", 200, 200);
  EXPECT_EQ(t.game->pointer.cursor, static_cast<int>(view::CursorShape::ForwardArrow));
  pointer(Kind::Click, "tel", 10, 10);
  EXPECT_EQ(t.game->RetScp, "fundo");
  EXPECT_EQ(posic(), "alvo");  // the slot as the first run left it
}

// One click, two runs: the whole-picture script on the press, then on the
// release the script of the slot the press went down on, even when the first
// run registered no hot spot at all.
TEST_F(HotSpotTest, TheReleaseRunsThePressedSlotTheWholePictureRunDidNotRegisterAgain) {
  t.script("fundo", "retscp= fundo");
  t.script("figura", "/ line 0 is skipped by script\ntelpos= seta.bmp,fundo\nlnktel= ,outro,0,0,50,50,,seta2.bmp");
  runIn("1", "script figura");
  t.game->world.Posic.clear();
  pointer(Kind::Move, "tel", 10, 10);
  pointer(Kind::Press, "tel", 10, 10);
  EXPECT_EQ(t.game->RetScp, "fundo");
  EXPECT_EQ(pixel(f().Tela, 10, 10), 0x0000FFu);  // the slot's pressed picture
  EXPECT_EQ(posic(), "");
  pointer(Kind::Release, "tel", 12, 12);
  EXPECT_EQ(posic(), "outro");
  EXPECT_EQ(pixel(f().Tela, 10, 10), 0xFF0000u);  // its normal picture back

  // Released outside the slot: the whole-picture script only.
  t.game->world.Posic.clear();
  runIn("1", "script figura");
  t.game->RetScp.clear();
  pointer(Kind::Press, "tel", 10, 10);
  pointer(Kind::Release, "tel", 200, 200);
  EXPECT_EQ(t.game->RetScp, "fundo");
  EXPECT_EQ(posic(), "");
}

TEST_F(HotSpotTest, TheSkinDragsTheWindowOutsideItsHotSpots) {
  runIn("1", "lnkpan= ,alvo,0,0,20,20");
  t.game->window.left = 100, t.game->window.top = 100;
  pointer(Kind::Move, "pan", 300, 300);
  EXPECT_EQ(t.game->pointer.cursor, static_cast<int>(view::CursorShape::PointingHand));
  pointer(Kind::Press, "pan", 300, 300);
  pointer(Kind::Move, "pan", 310, 295);
  EXPECT_EQ(t.game->window.left, 110);
  EXPECT_EQ(t.game->window.top, 95);
  pointer(Kind::Move, "pan", 10, 10);  // over a hot spot: no drag
  EXPECT_EQ(t.game->window.left, 110);
  pointer(Kind::Release, "pan", 320, 300);
  pointer(Kind::Move, "pan", 330, 300);
  EXPECT_EQ(t.game->window.left, 110);
}

TEST_F(HotSpotTest, AWheelNotchScrollsThePage3By120PixelsOnlyInsideTheBox) {
  runIn("3", "altura= 2000");
  auto& scroll = t.game->pointer.page3Scroll;
  pointer(Kind::Wheel, "md3", 100, 100, -120);
  EXPECT_EQ(scroll, 120);
  pointer(Kind::Wheel, "md3", 100, t.game->screen.Sbox2.height + 1, -120);  // below the box
  EXPECT_EQ(scroll, 120);
  pointer(Kind::Wheel, "md3", 100, t.game->screen.Sbox2.height, -240);  // its edge counts
  EXPECT_EQ(scroll, 360);
  pointer(Kind::Wheel, "md3", 0, 0, 1000);
  EXPECT_EQ(scroll, 0);
  pointer(Kind::Wheel, "md3", 0, 0, -100000);
  EXPECT_EQ(scroll, view::page3ScrollRange(*t.game));
}

TEST_F(HotSpotTest, LinksInModes2And3AndNowhereInMode0) {
  runIn("0", "lnktel= seta.bmp,alvo,0,0");
  EXPECT_TRUE(listing().empty());
  runIn("2", "fntsty= BiU\nlnktel= Abrir^ já,alvo\nlnktel= seta.bmp,alvo,,,right\nlnktel= seta.bmp,,,,center");
  const auto& page = t.game->screen.WebTxt;
  const std::string url = t.game->folders.exeFolderUrl;
  auto has = [&](const std::string& line) { return std::find(page.begin(), page.end(), line) != page.end(); };
  EXPECT_TRUE(has(cp("<font face=Arial color=#FFFF00 style=\"Font-Size:16\"><b><u><a href=Scp=alvo>Abrir, já"
                     "</u></b></font></a>")));
  EXPECT_TRUE(has("<a href=Scp=alvo><img src=" + url + "seta.bmp width=30 height=20 border=0 align=right></a>"));
  EXPECT_TRUE(has("<div align=center><img src=" + url + "seta.bmp width=30 height=20 border=0 ></div>"));

  runIn("3", "corlnk= FF0000\ncorvzk= 0000FF\nlnktel= Abrir,alvo,10,20");
  const auto slot = listing().at(0);
  EXPECT_EQ(slot.substr(0, 9), "60\t10\t20\t");
  EXPECT_EQ(pixel(f().Tela3, 12, 20 + 16 + 8 - 1), 0x0000FFu);  // the underline
  pointer(Kind::Click, "md3", 12, 25);
  EXPECT_EQ(posic(), "alvo");
}

TEST_F(HotSpotTest, LinksoffSwitchesOffOneGroupOrWithoutOneThePanelsOnly) {
  const std::string everyGroup =
      "lnktel= ,alvo,0,0,20,20\nlnkfnc= ,alvo,0,0,20,20\nlnkpan= ,alvo,0,0,20,20\n";
  auto activeSlots = [&] {
    std::string firstColumns;
    for (const auto& line : listing()) firstColumns += line.substr(0, line.find('\t')) + " ";
    return firstColumns;
  };
  runIn("1", everyGroup + "linksoff=");
  EXPECT_EQ(activeSlots(), "40 ");  // the skin keeps its hot spot
  runIn("1", everyGroup + "linksoff= fnc");
  EXPECT_EQ(activeSlots(), "0 40 ");
  runIn("1", everyGroup + "linksoff= pan");
  EXPECT_EQ(activeSlots(), "0 20 ");
  runIn("1", everyGroup + "linksoff= qualquer");
  EXPECT_EQ(activeSlots(), "0 20 40 ");
  // Switched off, a slot no longer answers a click; the counter stays, so the
  // next link takes the next slot.
  runIn("1", everyGroup + "linksoff= tel\nlnktel= ,outro,50,0,20,20");
  EXPECT_EQ(activeSlots(), "1 20 40 ");
  pointer(Kind::Click, "tel", 5, 5);
  EXPECT_NE(posic(), "alvo");
}

TEST_F(HotSpotTest, TheMapWindowIsAHotSpotThatTogglesTheMapPageFromThePanels) {
  writeBmp(t.folder.path() / "mapa.bmp", graphics::makeSurface(100, 100, 0x00FF00));
  runIn("1", "loadmap= mapa.bmp,\ndefpicmap= fnc,10,20,30,30\npicmap= 0,0");
  ASSERT_EQ(listing().size(), 1u);
  EXPECT_EQ(listing()[0], "20\t10\t20\t30\t30\t1\tpicFmap\t\t\t");
  auto& screen = t.game->screen;
  const bool inputShown = screen.Input.visible;
  const int height = screen.Abok1.height;
  pointer(Kind::Click, "fnc", 15, 25);
  EXPECT_EQ(screen.viewerPage.text(), "Mapa");
  EXPECT_FALSE(screen.Input.visible);
  pointer(Kind::Click, "fnc", 15, 25);
  EXPECT_EQ(screen.viewerPage.text(), "1");
  EXPECT_EQ(screen.Input.visible, inputShown);
  EXPECT_EQ(screen.Abok1.height, height);

  // On the picture panel it is a plain script name.
  t.script("picFmap", "setpos= picFmap");
  runIn("1", "defpicmap= tel,0,0,30,30\npicmap= ,");
  pointer(Kind::Click, "tel", 5, 5);
  EXPECT_EQ(screen.viewerPage.text(), "1");
  EXPECT_EQ(posic(), "picFmap");
}
