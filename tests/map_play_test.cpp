// End to end: the map page through the window's own handlers, driven by an
// events file (drag map, click voce), checked through the snapshot.
#include <gtest/gtest.h>

#include <QImage>

#include "support/picture_files.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(MapPlay, TheMapIsDraggedAndTheMarkerLeadsBackToThePlace) {
  TempFolder game;
  game.writeBytes("mirandel.ini", "");
  writeRgbPng(game.path() / "grande.png", testPattern(1000, 900));
  game.write("mapa.scx", "modo= 1\nsetpos= sala\nloadmap= grande.png,\nposmap= 500,100,0,0\nshowmap on");
  game.write("sala.scx", "modo= 1\nmsg= De volta à sala.");
  const std::string d1 = (game.path() / "d1").string(), d2 = (game.path() / "d2").string();
  ASSERT_EQ(playEvents(game, "run mapa\ndrag map 300 300 330 280\ndump " + d1 + "\nclick voce 5 5\ndump " + d2 + "\n"), 0)
      << game.read("stderr.txt");

  EXPECT_EQ(dumpedState(game, "d1", "page"), "Mapa");
  EXPECT_EQ(dumpedState(game, "d1", "mapScrollX"), "150");  // placed at 180, dragged 30 to the right
  EXPECT_EQ(dumpedState(game, "d1", "mapScrollY"), "20");   // placed at 0, dragged 20 up
  EXPECT_EQ(dumpedState(game, "d1", "voceX"), "500");
  EXPECT_EQ(dumpedState(game, "d1", "voceY"), "100");
  QImage map(QString::fromStdString(d1 + "/mapjog.png"));
  EXPECT_EQ(map.size(), QSize(1000, 900));
  // The window shows the map where the engine scrolled it, and the marker on it.
  QImage screen(QString::fromStdString(d1 + "/screen.png"));
  ASSERT_FALSE(screen.isNull());

  EXPECT_EQ(dumpedState(game, "d2", "page"), "1");
  EXPECT_EQ(dumpedState(game, "d2", "currentScript"), "sala");
  EXPECT_EQ(game.readUtf8Lines("d2/msg.txt"), std::vector<std::string>{"De volta à sala."});
}
