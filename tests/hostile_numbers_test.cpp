// Numbers far out of range from statements and table rows enter the player's
// coordinate range where they are read: the window's place, the map
// statements and a picture's points far off it never overflow (the sanitizer
// build ends the test on any signed overflow).
#include <gtest/gtest.h>

#include <QImage>

#include "base/content_range.h"
#include "model/defs.h"
#include "model/definitions_rows.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/picture_widget.h"
#include "ui/window_place.h"
#include "view/layout.h"

using namespace testing_support;

TEST(HostileNumbers, TheWindowsPlaceFromTheTableIsInRange) {
  TestGame t(false);
  const auto& builtIn = model::DefinitionsTable::builtInRows();
  std::vector<std::string> rows(builtIn.begin(), builtIn.end());
  rows[model::row::WindowLeft] = "2147483647";
  rows[model::row::WindowTop] = "-2147483648";
  writeGameFiles(t.folder, {}, rows);
  t.start();
  EXPECT_EQ(t.game->window.left, base::kMaxCoordinate);
  EXPECT_EQ(t.game->window.top, -base::kMaxCoordinate);
  const QRect screen(0, 0, 1920, 1080);
  EXPECT_EQ(ui::placeOnScreens(QPoint(t.game->window.left, t.game->window.top), QSize(800, 600), {screen}),
            QPoint(1120, 0));
}

TEST(HostileNumbers, MapStatementsTakePositionsInRange) {
  TestGame t;
  view::applyStartLayout(*t.game);
  writeRgbPng(t.folder.path() / "base.png", testPattern(60, 40));
  writeRgbPng(t.folder.path() / "peca.png", testPattern(10, 8));
  t.script("s", "loadmap= base.png,mapa.bmp\naddmap= 2147483647,2147483647,peca.png,mapa.bmp\n"
                "addmap= -2147483648,2147483600,peca.png,mapa.bmp\n"
                "defpicmap= tel,2147483647,-2147483648,2147483647,2147483647\n"
                "posmap= 2147483647,2147483647,-2147483648,-2147483648\nsetpos= fim");
  t.run("s");
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(t.game->world.Posic, "fim");
  EXPECT_EQ(largestChannelDifference(t.game->map.MapJog, testPattern(60, 40)), 0);  // nothing drawn
  EXPECT_EQ(t.game->map.windowX, base::kMaxCoordinate);
  EXPECT_EQ(t.game->map.windowY, -base::kMaxCoordinate);
  EXPECT_EQ(t.game->map.windowWidth, base::kMaxCoordinate);
  EXPECT_EQ(t.game->map.openMarkerX, base::kMaxCoordinate);
  EXPECT_EQ(t.game->map.openScrollY, -base::kMaxCoordinate);
}

TEST(HostileNumbers, APointFarOffAStretchedPictureDoesNotOverflow) {
  ui::PictureWidget widget;
  QImage picture(10, 10, QImage::Format_RGB32);
  picture.fill(Qt::black);
  widget.setPicture(picture);
  widget.setStretched(true);
  widget.resize(640, 480);
  EXPECT_EQ(widget.fromPicture(QPoint(4, 5)), QPoint(288, 264));
  const int far = base::kMaxCoordinate;
  EXPECT_EQ(widget.fromPicture(QPoint(far, -far)),
            QPoint(int((2 * qint64(far) + 1) * 640 / 20), int((-2 * qint64(far) + 1) * 480 / 20)));
}
