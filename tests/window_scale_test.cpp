// The window's scale and place without a window: the scale steps and what the
// player may write, rectangles and fonts at a scale, the remembered scale, and
// where a window lands on the screens it may be shown on.
#include <gtest/gtest.h>

#include "support/test_game.h"
#include "ui/window_place.h"
#include "ui/window_scale.h"

using namespace testing_support;

TEST(WindowScale, ReadsScalesFromOneToFourAndStepsByHalves) {
  EXPECT_EQ(ui::readScale("2"), 2.0);
  EXPECT_EQ(ui::readScale(" 1.5 "), 1.5);
  for (const char* refused : {"0", "0.5", "4.5", "-2", "dois", "", "nan", "inf"})
    EXPECT_FALSE(ui::readScale(refused)) << refused;

  EXPECT_EQ(ui::largerScale(1), 1.5);
  EXPECT_EQ(ui::largerScale(1.2), 1.5);  // a scale from --scale joins the steps
  EXPECT_EQ(ui::largerScale(3.5), 4);
  EXPECT_EQ(ui::largerScale(4), 4);
  EXPECT_EQ(ui::smallerScale(2), 1.5);
  EXPECT_EQ(ui::smallerScale(1.7), 1.5);
  EXPECT_EQ(ui::smallerScale(1), 1);
}

TEST(WindowScale, ControlsThatTouchStillTouchAndFontsGrowWithTheScale) {
  const ui::Scale half{1.5};
  // Two strips one game pixel high, one above the other: no gap, no overlap.
  const QRect upper = half.rect(QRect(3, 7, 5, 1)), lower = half.rect(QRect(3, 8, 5, 1));
  EXPECT_EQ(upper.bottom() + 1, lower.top());
  EXPECT_EQ(half.rect(QRect(0, 0, 900, 420)), QRect(0, 0, 1350, 630));
  EXPECT_EQ(half.toGame(half.point(QPoint(301, 77))), QPoint(301, 77));

  QFont pixels(QStringLiteral("Arial"));
  pixels.setPixelSize(14);
  EXPECT_EQ(ui::Scale{2}.font(pixels).pixelSize(), 28);
  QFont points(QStringLiteral("Arial"));
  points.setPointSizeF(10);
  EXPECT_DOUBLE_EQ(half.font(points).pointSizeF(), 15);
  EXPECT_TRUE(ui::Scale{3}.whole());
  EXPECT_FALSE(half.whole());
}

TEST(WindowScale, TheChosenScaleIsRememberedInTheSettingsFile) {
  TempFolder folder;
  const QString file = QString::fromStdString((folder.path() / "conf" / "window.ini").string());
  EXPECT_EQ(ui::rememberedScale(file), 1);  // nothing chosen yet
  ASSERT_TRUE(ui::rememberScale(file, 2.5));
  EXPECT_EQ(ui::rememberedScale(file), 2.5);
  // A value edited by hand that is no scale counts as none.
  folder.write("conf/window.ini", "[window]\nscale=12\n");
  EXPECT_EQ(ui::rememberedScale(file), 1);
  EXPECT_EQ(ui::rememberedScale(QString()), 1);
}

TEST(WindowPlace, TheWindowLandsWhollyOnAScreenItOverlapsOrOnThePrimary) {
  const QRect primary(0, 0, 1920, 1040), right(1920, 0, 1280, 1024);
  const QSize window(900, 420);
  // Where it was, when it fits there.
  EXPECT_EQ(ui::placeOnScreens({750, 122}, window, {primary, right}), QPoint(750, 122));
  // Half off the right edge of the right screen: pulled back onto it.
  EXPECT_EQ(ui::placeOnScreens({2900, 900}, window, {primary, right}), QPoint(1920 + 1280 - 900, 1024 - 420));
  // On a screen since unplugged, or at negative places: onto the primary.
  EXPECT_EQ(ui::placeOnScreens({5000, 3000}, window, {primary}), QPoint(1920 - 900, 1040 - 420));
  EXPECT_EQ(ui::placeOnScreens({-4000, -50}, window, {primary, right}), QPoint(0, 0));
  // Mostly on the right screen, a little on the primary: the right screen.
  EXPECT_EQ(ui::placeOnScreens({1800, 10}, window, {primary, right}), QPoint(1920, 10));
  // Larger than the screen (scale 4 on a small screen): its top-left corner stays on it.
  EXPECT_EQ(ui::placeOnScreens({300, 200}, QSize(3600, 1680), {primary}), QPoint(0, 0));
}
