// The rain effect: chuva='s cases, the frames a tick composes (drops, mask,
// HUD), the wrap-around, the timer stopped by runs, and its failures.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "media/rain.h"
#include "model/dispatch.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;
constexpr QRgb kDrop = 0xFFC8D2EA;

struct RainTest : ::testing::Test {
  RainTest() {
    // Drops: one horizontal streak at row 10 over magenta.
    QImage drops(670, 280, QImage::Format_RGB32);
    drops.fill(kMagenta);
    for (int x = 0; x < 670; ++x) drops.setPixel(x, 10, kDrop);
    drops.save(QString::fromStdString((t.folder.path() / "gotas.bmp").string()), "BMP");
    // Mask: white (the scene covers the rain) over the left half, magenta elsewhere.
    QImage mask(670, 280, QImage::Format_RGB32);
    mask.fill(kMagenta);
    QPainter(&mask).fillRect(0, 0, 335, 280, Qt::white);
    mask.save(QString::fromStdString((t.folder.path() / "telhado.bmp").string()), "BMP");
    // A background where every row differs.
    QImage background(670, 280, QImage::Format_RGB32);
    for (int y = 0; y < 280; ++y)
      for (int x = 0; x < 670; ++x) background.setPixel(x, y, qRgb(y % 256, x % 256, 40));
    t.game->surfaces.BufTela = background;
  }
  void run(const std::string& lines) {
    t.script("s", lines);
    t.run("s");
  }
  const QImage& tela() { return t.game->surfaces.Tela; }
  QRgb background(int x, int y) { return qRgb(y % 256, x % 256, 40); }
  const model::RainState& rain() { return t.game->media.rain; }
  void statement(const std::string& a1, const std::string& a2) {
    model::Statement s;
    s.keyword = "chuva=";
    s.args[0] = a1;
    s.args[1] = a2;
    t.game->dispatch.find("chuva=")(*t.game, s);
  }
  TestGame t;
};

}  // namespace

TEST_F(RainTest, DropsFallByTheStepAndComeBackAfterFourteenTicks) {
  run("chuva= gotas.bmp\nchuva= on");
  ASSERT_TRUE(rain().running());
  t.headless.advance(39);
  EXPECT_EQ(tela().pixel(5, 10), background(5, 10));  // no tick yet
  t.headless.advance(1);
  EXPECT_EQ(tela().pixel(5, 10), kDrop);
  EXPECT_EQ(tela().pixel(669, 10), kDrop);  // the last pixels of a row, past the wide steps
  EXPECT_EQ(tela().pixel(5, 11), background(5, 11));
  EXPECT_EQ(tela().pixel(668, 11), background(668, 11));
  const QImage first = tela().copy();
  t.headless.advance(40);
  EXPECT_EQ(tela().pixel(5, 30), kDrop);
  EXPECT_EQ(tela().pixel(5, 10), background(5, 10));
  t.headless.advance(40 * 12);
  EXPECT_NE(tela(), first);
  EXPECT_EQ(tela().pixel(5, 270), kDrop);  // 13 steps down
  t.headless.advance(40);
  EXPECT_EQ(tela(), first);  // 14 steps of 20 rows: round the 280 rows once

  // A step that does not divide the height wraps around the same way.
  run("chuva= gotas.bmp\nchuva= wgotas,100\nchuva= on");
  t.headless.advance(40 * 3);
  EXPECT_EQ(tela().pixel(5, 210), kDrop);
  t.headless.advance(40);
  EXPECT_EQ(tela().pixel(5, 30), kDrop);  // row 310 wraps to 30
}

TEST_F(RainTest, TheMaskCoversTheRainUntilItIsSwitchedOffAndTheHudStaysOnTop) {
  QImage hud(10, 10, QImage::Format_RGB32);
  hud.fill(qRgb(1, 2, 3));
  t.game->surfaces.Hud = hud;
  t.game->screen.hudOn = true;
  t.game->screen.hudX = 600;
  t.game->screen.hudY = 5;
  run("chuva= mask,telhado.bmp\nchuva= gotas.bmp\nchuva= on");
  t.headless.advance(40);
  EXPECT_EQ(tela().pixel(5, 10), background(5, 10));  // under the roof
  EXPECT_EQ(tela().pixel(400, 10), kDrop);            // in the open
  EXPECT_EQ(tela().pixel(669, 10), kDrop);
  EXPECT_EQ(tela().pixel(334, 10), background(334, 10));
  EXPECT_EQ(tela().pixel(605, 10), qRgb(1, 2, 3));    // the HUD over the drops
  statement("mask", "off");
  EXPECT_EQ(rain().rainMask, "");
  EXPECT_EQ(tela().pixel(5, 30), background(5, 30));  // nothing changes before the next tick
  t.headless.advance(40);
  EXPECT_EQ(tela().pixel(5, 30), kDrop);
}

TEST_F(RainTest, OtherDisplayModesChangeNothingNotEvenTheSettings) {
  for (const char* mode : {"2", "3"}) {
    run(std::string("modo= ") + mode +
        "\nchuva= gotas.bmp\nchuva= mask,telhado.bmp\nchuva= time,100\nchuva= wgotas,5\nchuva= on");
    EXPECT_FALSE(rain().running()) << mode;
    EXPECT_EQ(rain().rainPicture, "") << mode;
    EXPECT_EQ(rain().rainMask, "") << mode;
    EXPECT_EQ(rain().rainInterval, 40) << mode;
    EXPECT_EQ(rain().rainStep, 20) << mode;
  }
}

TEST_F(RainTest, SettingsFollowTheTableInOrder) {
  run("chuva= on\nchuva= time,x\nchuva= wgotas,y\nchuva= mask,telhado.jpg");
  EXPECT_FALSE(rain().running());  // no drops picture yet
  EXPECT_EQ(rain().rainInterval, 40);
  EXPECT_EQ(rain().rainStep, 20);
  EXPECT_EQ(rain().rainMask, "");
  run("chuva= gotas.bmp\nchuva= time,25\nchuva= wgotas,7\nchuva= mask,telhado.bmp\nchuva= on");
  EXPECT_TRUE(rain().running());
  EXPECT_EQ(rain().rainMask, "telhado.bmp");
  t.headless.advance(100);  // four ticks of 25 ms
  EXPECT_EQ(rain().fallen, 28);
  statement("off", "");
  EXPECT_FALSE(rain().running());
  EXPECT_EQ(rain().rainMask, "");
  EXPECT_EQ(rain().rainPicture, "gotas.bmp");  // the drops stay for the next "on"
}

TEST_F(RainTest, ARunStopsTheRainAndTheLastFrameStays) {
  run("chuva= gotas.bmp\nchuva= mask,telhado.bmp\nchuva= on");
  t.headless.advance(40);
  t.script("outro", "setpos= outro");
  t.run("outro");
  EXPECT_FALSE(rain().running());
  EXPECT_EQ(rain().rainMask, "");  // a run also forgets the mask
  const QImage frame = tela().copy();
  t.headless.advance(400);
  EXPECT_EQ(tela(), frame);
}

TEST_F(RainTest, AMissingPictureAbortsTheRunBeforeTheTimerStarts) {
  run("chuva= nada.bmp\nchuva= on\nsetpos= depois");
  EXPECT_FALSE(rain().running());
  EXPECT_NE(t.game->world.Posic, "depois");
  EXPECT_NE(t.errors().find("não encontrei o arquivo nada.bmp"), std::string::npos) << t.errors();
  const auto& log = t.game->debug.lines();
  EXPECT_NE(std::find(log.begin(), log.end(), "N\xE3o encontrei arquivo: nada.bmp"), log.end());
  run("chuva= gotas.bmp\nchuva= mask,sem.bmp\nchuva= on");
  EXPECT_FALSE(rain().running());
  EXPECT_NE(t.errors().find("sem.bmp"), std::string::npos);
}
