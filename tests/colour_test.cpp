// Colour texts: the one reading of RRGGBB (the picture library's), its text
// written back, and the window's colours taken from the same reading.
#include <gtest/gtest.h>

#include "graphics/colour.h"
#include "ui/colours.h"

namespace {

TEST(ColourTest, SixDigitsReadAsRedGreenBlueInEitherCaseAndWriteBackInUpperCase) {
  EXPECT_EQ(graphics::readColour("FF8000"), 0xFF8000u);
  EXPECT_EQ(graphics::readColour("219439"), 0x219439u);
  EXPECT_EQ(graphics::readColour("00ff7f"), 0x00FF7Fu);
  EXPECT_EQ(graphics::colourText(0x00FF7F), "00FF7F");
  EXPECT_EQ(graphics::colourText(0), "000000");
  // A short text fills red first, as the platform's BBGGRR number does.
  EXPECT_EQ(graphics::readColour("FF"), 0xFF0000u);
  for (const char* noColour : {"", "GG0000", "12 456", "#12345"})
    EXPECT_EQ(graphics::readColour(noColour), std::nullopt) << '"' << noColour << '"';
}

TEST(ColourTest, TheWindowTakesSixReadableDigitsAndFallsBackOnAnythingElse) {
  EXPECT_EQ(ui::colourOf("FF8000"), QColor(255, 128, 0));
  EXPECT_EQ(ui::colourOf("00ff7f").alpha(), 255);
  EXPECT_EQ(ui::colourOf("00ff7f"), QColor(0, 255, 127));
  for (const char* noColour : {"", "FF", "FF80000", "GG0000", "#12345"})
    EXPECT_EQ(ui::colourOf(noColour, Qt::blue), QColor(Qt::blue)) << '"' << noColour << '"';
}

}  // namespace
