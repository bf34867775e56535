// Colours: the one reading of RRGGBB texts (the picture library's), the text
// written back, and the window's colours taken from the same value.
#include <gtest/gtest.h>

#include "graphics/colour.h"
#include "ui/colours.h"

namespace {

using graphics::Colour;

uint32_t rgbOf(const char* text) { return Colour::read(text).value_or(Colour(0xDEAD01)).rgb(); }

TEST(ColourTest, SixDigitsReadAsRedGreenBlueInEitherCaseAndWriteBackInUpperCase) {
  EXPECT_EQ(rgbOf("FF8000"), 0xFF8000u);
  EXPECT_EQ(rgbOf("219439"), 0x219439u);
  EXPECT_EQ(rgbOf("00ff7f"), 0x00FF7Fu);
  EXPECT_EQ(Colour(0x00FF7F).text(), "00FF7F");
  EXPECT_EQ(Colour().text(), "000000");
  const Colour orange(0xFF8000);
  EXPECT_EQ(orange.red(), 255);
  EXPECT_EQ(orange.green(), 128);
  EXPECT_EQ(orange.blue(), 0);
}

TEST(ColourTest, ShortTextsFillRedFirstAndLongOnesAreReadInTheirFirstSixCharacters) {
  // The pairs read blue, green, red as one BBGGRR number: a short text is a
  // small number, so it lands in red and then green.
  EXPECT_EQ(rgbOf("FF"), 0xFF0000u);
  EXPECT_EQ(rgbOf("8"), 0x080000u);
  EXPECT_EQ(rgbOf("FFF"), 0xFF0F00u);
  EXPECT_EQ(rgbOf("12345"), 0x123405u);
  EXPECT_EQ(rgbOf("FF80000"), 0xFF8000u);
  EXPECT_EQ(rgbOf("FF8000ZZ"), 0xFF8000u);
}

TEST(ColourTest, TextsThatAreNoHexadecimalNumberAreNoColour) {
  for (const char* noColour : {"", "GG0000", "12 456", "#12345", "FF800G", "-1", "0x12"})
    EXPECT_EQ(Colour::read(noColour), std::nullopt) << '"' << noColour << '"';
}

TEST(ColourTest, EveryColourPrintsAsATextThatReadsBackAsItself) {
  for (uint32_t rgb : {0x000000u, 0xFFFFFFu, 0x0A0B0Cu, 0x219439u, 0xFF00FFu, 0x00FF00u, 0xABCDEFu, 0x123456u})
    EXPECT_EQ(Colour::read(Colour(rgb).text()), Colour(rgb)) << std::hex << rgb;
  EXPECT_EQ(Colour(0xFF123456).rgb(), 0x123456u);  // only 24 bits of colour are kept
}

TEST(ColourTest, TheWindowTakesSixReadableDigitsAndFallsBackOnAnythingElse) {
  EXPECT_EQ(ui::colourOf("FF8000"), QColor(255, 128, 0));
  EXPECT_EQ(ui::colourOf("00ff7f").alpha(), 255);
  EXPECT_EQ(ui::colourOf("00ff7f"), QColor(0, 255, 127));
  for (const char* noColour : {"", "FF", "FF80000", "GG0000", "#12345"})
    EXPECT_EQ(ui::colourOf(noColour, Qt::blue), QColor(Qt::blue)) << '"' << noColour << '"';
  EXPECT_EQ(ui::qColour(Colour(0x219439)), QColor(0x21, 0x94, 0x39));
  EXPECT_EQ(ui::qColour(Colour(0x219439)).alpha(), 255);
}

}  // namespace
