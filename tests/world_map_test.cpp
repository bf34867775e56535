// The map: the map picture and the saved map (loadmap=, addmap=, reset mapa),
// the map window (defpicmap=, picmap=), and the map page (showmap, posmap=, the
// view placed around the player, dragging, the marker Voce).
#include <gtest/gtest.h>

#include "graphics/bitmap_file.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/display_mode.h"
#include "view/layout.h"
#include "view/map_page.h"

using namespace testing_support;

namespace {

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlack = 0xFF000000;

struct MapTest : ::testing::Test {
  MapTest() {
    writeRgbPng(t.folder.path() / "base.png", testPattern(60, 40));
    // The piece: red with a green border; its bottom-left pixel is green, so
    // the border is left out and only the red middle reaches the map.
    QImage piece(10, 8, QImage::Format_RGB32);
    piece.fill(kGreen);
    for (int y = 2; y < 6; ++y)
      for (int x = 2; x < 8; ++x) piece.setPixel(x, y, kRed);
    writeRgbPng(t.folder.path() / "peca.png", piece);
    start();
  }
  void start() {
    t.start();
    view::applyStartLayout(*t.game);
  }
  void run(const std::string& lines) {
    t.script("s", lines);
    t.run("s");
  }
  model::Game& game() { return *t.game; }
  const QImage& map() { return t.game->map.MapJog; }
  TestGame t;
};

// The base picture with the piece's red middle at (x + 2 .. x + 7, y + 2 .. y + 5).
QImage withPiece(int x, int y) {
  QImage expected = testPattern(60, 40).convertToFormat(QImage::Format_RGB32);
  for (int row = 2; row < 6; ++row)
    for (int column = 2; column < 8; ++column) expected.setPixel(x + column, y + row, kRed);
  return expected;
}

}  // namespace

TEST_F(MapTest, TheSavedMapKeepsEveryPieceAcrossARestartWhateverItsName) {
  run("loadmap= base.png,mapa.bmp");
  EXPECT_EQ(largestChannelDifference(map(), testPattern(60, 40)), 0);  // no saved map yet: the base picture

  run("loadmap= base.png,mapa.bmp\naddmap= 5,6,peca.png,mapa.bmp");
  EXPECT_EQ(largestChannelDifference(map(), withPiece(5, 6)), 0);  // the green border left out
  EXPECT_EQ(t.folder.read("mapa.bmp").substr(0, 2), "BM");
  EXPECT_FALSE(t.folder.exists("mapa.bmp.tmp~"));

  // A new start of the player: the base picture is replaced by the saved map.
  start();
  run("loadmap= base.png,mapa.bmp");
  EXPECT_EQ(largestChannelDifference(map(), withPiece(5, 6)), 0);

  // An old game saving as "mapa.jpg" gets bitmap data, and reads it back by content.
  run("loadmap= base.png,mapa.jpg\naddmap= 20,10,peca.png,mapa.jpg\naddmap= 55,35,peca.png,mapa.jpg");
  start();
  run("loadmap= base.png,mapa.jpg");
  QImage both = withPiece(20, 10);
  for (int row = 2; row < 6; ++row)
    for (int column = 2; column < 8; ++column)
      if (55 + column < 60 && 35 + row < 40) both.setPixel(55 + column, 35 + row, kRed);
  EXPECT_EQ(largestChannelDifference(map(), both), 0);  // a piece past the edge is clipped

  // reset mapa deletes it; the next loadmap= shows the base picture again.
  run("reset mapa,mapa.jpg\nloadmap= base.png,mapa.jpg");
  EXPECT_FALSE(t.folder.exists("mapa.jpg"));
  EXPECT_EQ(largestChannelDifference(map(), testPattern(60, 40)), 0);
  EXPECT_EQ(t.errors(), "");
}

TEST_F(MapTest, AnAdditionThatCannotBeSavedAbortsTheRunAndChangesNothing) {
  run("loadmap= base.png,mapa.bmp");
  const QImage before = map().copy();
  t.setReg(1, "antes");
  run("addmap= 5,6,peca.png,\nreg= 1,depois");
  EXPECT_NE(t.errors().find("falta o nome do arquivo"), std::string::npos) << t.errors();
  EXPECT_EQ(t.reg(1), "antes");  // the run stopped there
  EXPECT_EQ(largestChannelDifference(map(), before), 0);

  run("addmap= 5,6,peca.png,../fora.bmp");
  EXPECT_NE(t.errors().find("pasta do jogo"), std::string::npos);
  EXPECT_EQ(largestChannelDifference(map(), before), 0);

  // Without a map in memory an addition would save an empty map over the player's.
  t.folder.writeBytes("antigo.bmp", "guardado");
  start();
  run("addmap= 5,6,peca.png,antigo.bmp");
  EXPECT_NE(t.errors().find("n\xC3\xA3o h\xC3\xA1 mapa carregado"), std::string::npos);
  EXPECT_EQ(t.folder.read("antigo.bmp"), "guardado");

  // A saved map that is not a picture leaves the base picture and is noted.
  run("loadmap= base.png,antigo.bmp");
  EXPECT_EQ(largestChannelDifference(map(), testPattern(60, 40)), 0);
  EXPECT_NE(t.folder.read("debug.txt").find("antigo.bmp"), std::string::npos);
}

TEST(BitmapFile, RowsArePaddedAndStoredBottomUp) {
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.fill(kBlack);
  picture.setPixel(0, 0, 0xFF102030);  // top left
  const std::string bytes = graphics::encodeBitmap(picture);
  ASSERT_EQ(bytes.size(), 54u + 2 * 12);  // 3 pixels of 3 bytes padded to 12
  // The top row is the second one in the file, blue first.
  EXPECT_EQ(bytes.substr(54 + 12, 3), std::string("\x30\x20\x10", 3));
  QImage back;
  ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "BMP"));
  EXPECT_EQ(back.pixel(0, 0), 0xFF102030u);
  EXPECT_EQ(graphics::formatOf(bytes), graphics::PictureFormat::Bitmap);
  EXPECT_EQ(graphics::formatOf("\xFF\xD8\xFF\xE0"), graphics::PictureFormat::Jpeg);
  EXPECT_EQ(graphics::formatOf("GIF89a"), graphics::PictureFormat::Gif);
  EXPECT_EQ(graphics::formatOf("xy"), graphics::PictureFormat::Unknown);
}

TEST_F(MapTest, TheMapWindowIsFramedInBlackAndKeepsItsOriginWhenArgumentsAreEmpty) {
  view::setDisplayMode(game(), model::DisplayMode::Strip);
  const QImage pattern = testPattern(60, 40).convertToFormat(QImage::Format_RGB32);
  auto shows = [&](int originX, int originY) {
    const QImage& panel = game().surfaces.BufFunc;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x)
        if (panel.pixel(10 + x, 20 + y) != pattern.pixel(originX + x, originY + y)) return false;
    return true;
  };
  run("loadmap= base.png,\ndefpicmap= fnc,10,20,8,6\npicmap= ,");
  EXPECT_TRUE(shows(0, 0));  // 0, 0 the first time
  const QImage& panel = game().surfaces.BufFunc;
  for (QPoint frame : {QPoint(9, 19), QPoint(18, 19), QPoint(9, 26), QPoint(18, 26), QPoint(13, 19), QPoint(9, 23)})
    EXPECT_EQ(panel.pixel(frame), kBlack) << frame.x() << "," << frame.y();
  EXPECT_NE(panel.pixel(8, 18), kBlack);  // nothing outside the frame
  EXPECT_NE(panel.pixel(19, 27), kBlack);

  run("defpicmap= fnc,10,20,8,6\npicmap= 30,12");
  EXPECT_TRUE(shows(30, 12));
  run("defpicmap= fnc,10,20,8,6\npicmap= ,");
  EXPECT_TRUE(shows(30, 12));  // the previous origin
  run("defpicmap= fnc,10,20,8,6\npicmap= 4,");
  EXPECT_TRUE(shows(4, 12));
  EXPECT_EQ(game().map.originX, 4);
  EXPECT_EQ(game().map.originY, 12);

  // Another target draws nothing.
  const QImage before = game().surfaces.BufTela.copy();
  run("defpicmap= TEL,0,0,8,6\npicmap= 0,0");
  EXPECT_EQ(largestChannelDifference(game().surfaces.BufTela, before), 0);
}

TEST(MapView, TheViewIsPlacedAroundThePlayerByTheThreeCasesOfTheRule) {
  // View 670, marker 29: half 320; map 1000: scroll range 330.
  auto near = view::placeOnAxis(100, 670, 29, 1000);
  EXPECT_EQ(near.scroll, 0);
  EXPECT_EQ(near.marker, 100);
  auto middle = view::placeOnAxis(500, 670, 29, 1000);
  EXPECT_EQ(middle.scroll, 180);
  EXPECT_EQ(middle.marker, 320);
  auto far = view::placeOnAxis(900, 670, 29, 1000);
  EXPECT_EQ(far.scroll, 330);
  EXPECT_EQ(far.marker, 570);
  // Just past the range the view stays centred instead of jumping to the far edge.
  auto pastRange = view::placeOnAxis(340, 670, 29, 1000);
  EXPECT_EQ(pastRange.scroll, 20);
  EXPECT_EQ(pastRange.marker, 320);
  // A map smaller than the view never scrolls.
  auto small = view::placeOnAxis(400, 670, 29, 300);
  EXPECT_EQ(small.scroll, 0);
  EXPECT_EQ(small.marker, 400);
}

TEST_F(MapTest, ShowmapOpensThePageAroundThePosmapPlaceAndClosesBackToTheMode) {
  writeRgbPng(t.folder.path() / "grande.png", testPattern(1000, 900));
  view::setDisplayMode(game(), model::DisplayMode::Strip);
  run("loadmap= grande.png,\nposmap= 500,100,0,0\nshowmap on");
  const auto& screen = game().screen;
  const auto& m = game().map;
  EXPECT_EQ(screen.viewerPage.text(), "Mapa");
  EXPECT_FALSE(screen.Input.visible);
  EXPECT_EQ(screen.Abok1.width, 670);  // the size of Sbc1 (rows 96, 97)
  EXPECT_EQ(screen.Abok1.height, 400);
  EXPECT_EQ(m.scrollX, 180);  // x in the middle
  EXPECT_EQ(m.scrollY, 0);    // y near the origin
  EXPECT_EQ(m.voceX, 500);
  EXPECT_EQ(m.voceY, 100);

  view::closeMapPage(game());
  EXPECT_EQ(screen.viewerPage.text(), "1");
  EXPECT_TRUE(screen.Input.visible);
  EXPECT_EQ(screen.Abok1.height, 365);

  // Mode "3" takes its own viewer size back; any other argument does nothing.
  view::setDisplayMode(game(), model::DisplayMode::Canvas);
  run("posmap= 900,850,0,0\nshowmap= on\nshowmap= talvez");
  EXPECT_EQ(m.scrollY, 500);  // y near the far edge
  EXPECT_EQ(m.voceY, 850);
  EXPECT_EQ(screen.viewerPage.text(), "Mapa");
  game().screen.Abok1.width = game().screen.Abok1.height = 1;
  view::closeMapPage(game());
  EXPECT_EQ(screen.viewerPage.text(), "3");
  EXPECT_EQ(screen.Abok1.width, 670);
  EXPECT_EQ(screen.Abok1.height, 400);
}

TEST_F(MapTest, DraggingMovesTheMapWithThePointerAndStopsAtTheEdges) {
  writeRgbPng(t.folder.path() / "grande.png", testPattern(1000, 900));
  run("loadmap= grande.png,\nposmap= 500,450,0,0\nshowmap on");
  auto& m = game().map;
  ASSERT_EQ(m.scrollX, 180);
  ASSERT_EQ(m.scrollY, 273);
  view::mapPressed(game(), 300, 300);
  view::mapMoved(game(), 330, 280);
  EXPECT_EQ(m.scrollX, 150);
  EXPECT_EQ(m.scrollY, 293);
  view::mapReleased(game());
  view::mapMoved(game(), 0, 0);  // a move without the button does nothing
  EXPECT_EQ(m.scrollX, 150);
  view::mapPressed(game(), 300, 300);
  view::mapMoved(game(), 900, -900);
  EXPECT_EQ(m.scrollX, 0);
  EXPECT_EQ(m.scrollY, 500);
}

TEST_F(MapTest, ClickingTheMarkerReturnsToThePageAndRunsThePlace) {
  view::setDisplayMode(game(), model::DisplayMode::Strip);
  run("showmap on");
  game().world.Posic.clear();
  game().screen.Abok1.width = 123;
  EXPECT_FALSE(view::voceClicked(game()).has_value());  // Posic empty: only back
  EXPECT_EQ(game().screen.viewerPage.text(), "1");
  EXPECT_EQ(game().screen.Abok1.width, 123);

  run("showmap on");
  game().world.Posic = "sala";
  EXPECT_EQ(view::voceClicked(game()), std::optional<std::string>("sala"));
  EXPECT_EQ(game().screen.viewerPage.text(), "1");
  EXPECT_EQ(game().screen.Abok1.width, 670);  // row 24 in modes "0" and "1"
}
