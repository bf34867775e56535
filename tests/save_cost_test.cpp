// What the save after a run costs: at most two flushes to the disk on a turn
// that changes the saved game, none on a turn that changes nothing, and the
// saved map written only when the map changed, together with the turn's other
// files.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/file_io.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/layout.h"

using namespace testing_support;

namespace {

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00;

struct SaveCostTest : ::testing::Test {
  SaveCostTest() {
    writeRgbPng(t.folder.path() / "base.png", testPattern(60, 40));
    QImage piece(10, 8, QImage::Format_RGB32);
    piece.fill(kGreen);
    piece.setPixel(4, 4, kRed);
    writeRgbPng(t.folder.path() / "peca.png", piece);
    t.start();
    view::applyStartLayout(*t.game);
  }
  // Runs the lines; returns the flushes the run's save made.
  std::uint64_t flushesOf(const std::string& lines) {
    t.script("s", lines);
    const auto before = base::diskFlushCount();
    t.run("s");
    return base::diskFlushCount() - before;
  }
  // The saved map's file as the disk knows it: a write replaces it by a new one.
  ino_t mapFile() {
    struct stat info {};
    return ::stat((t.folder.path() / "mapa.bmp").c_str(), &info) == 0 ? info.st_ino : 0;
  }

  TestGame t;
};

}  // namespace

TEST_F(SaveCostTest, ATurnThatChangesTheGameFlushesAtMostTwiceAndAnUnchangedOneNever) {
  flushesOf("reg= 2,fixo");
  const auto changing = flushesOf("reg+ 1,1\nsetpos= 3");
  EXPECT_GE(changing, 1u);
  EXPECT_LE(changing, 2u);
  EXPECT_EQ(flushesOf("reg= 2,fixo"), 0u);  // a register set to the value it has
  EXPECT_EQ(t.folder.readLines("mirandel.rgs").at(1), t.reg(1));  // what the turn made of it
  EXPECT_EQ(t.errors(), "");
}

TEST_F(SaveCostTest, TheSavedMapIsWrittenOnlyWhenTheMapChangedAndWithTheTurn) {
  const std::string draw = "loadmap= base.png,mapa.bmp\naddmap= 5,6,peca.png,mapa.bmp\n";
  const auto first = flushesOf(draw + "reg+ 1,1");
  EXPECT_LE(first, 2u);  // the map and the registers in one set
  const ino_t written = mapFile();
  ASSERT_NE(written, 0u);
  EXPECT_EQ(t.folder.read("mapa.bmp").substr(0, 2), "BM");

  // A location entered again draws the same piece: the map did not change.
  EXPECT_EQ(flushesOf(draw), 0u);
  EXPECT_EQ(mapFile(), written);
  // A turn that changes the registers and not the map leaves the map's file alone.
  EXPECT_LE(flushesOf(draw + "reg+ 1,1"), 2u);
  EXPECT_EQ(mapFile(), written);

  // A new piece is a new map.
  EXPECT_LE(flushesOf("loadmap= base.png,mapa.bmp\naddmap= 30,20,peca.png,mapa.bmp"), 2u);
  EXPECT_NE(mapFile(), written);
  EXPECT_EQ(t.errors(), "");
}

TEST_F(SaveCostTest, AMapDrawnInARunIsReadBackBeforeItIsOnTheDiskAndSurvivesAFailedRun) {
  // Drawn, then loaded again in the same run: the drawn map, not the base picture.
  t.script("s", "loadmap= base.png,mapa.bmp\naddmap= 5,6,peca.png,mapa.bmp\nloadmap= base.png,mapa.bmp\n"
                "addmap= 5,6,peca.png,");
  t.run("s");
  EXPECT_EQ(t.game->map.MapJog.pixel(9, 10), kRed);
  // The run failed after the drawing: its save did not happen, the next one takes the map.
  EXPECT_FALSE(t.folder.exists("mapa.bmp"));
  flushesOf("reg= 4,x");
  ASSERT_TRUE(t.folder.exists("mapa.bmp"));
  t.start();
  view::applyStartLayout(*t.game);
  flushesOf("loadmap= base.png,mapa.bmp");
  EXPECT_EQ(t.game->map.MapJog.pixel(9, 10), kRed);

  // reset mapa drops a drawn map that was not written yet, and the file.
  t.script("s", "loadmap= base.png,mapa.bmp\naddmap= 30,20,peca.png,mapa.bmp\nreset mapa,mapa.bmp");
  t.run("s");
  EXPECT_FALSE(t.folder.exists("mapa.bmp"));
}
