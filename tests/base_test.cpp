// Text encoding, number reading, line splitting, the game-folder resolver and
// atomic writes.
#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/game_folder.h"
#include "base/number.h"
#include "base/text.h"
#include "support/test_game.h"

using testing_support::TempFolder;

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(base::utf8ToCp1252(base::cp1252ToUtf8(all)), all);
  EXPECT_EQ(base::cp1252ToUtf8("\xE7\xE3o \x80"), "ção €");
  EXPECT_EQ(base::utf8ToCp1252("Você… 中"), "Voc\xEA\x85 ?");
  // Bytes that are not UTF-8 are taken as Windows-1252 already.
  EXPECT_EQ(base::utf8ToCp1252("n\xE3o"), "n\xE3o");
}

TEST(Number, ReadsBlanksSignAndDigitsOnly) {
  EXPECT_EQ(base::readNumber("42"), 42);
  EXPECT_EQ(base::readNumber("  -7"), -7);
  EXPECT_EQ(base::readNumber("+0012"), 12);
  for (const char* bad : {"", " ", "-", "1 ", "1a", "x", "1.5", "\t3"})
    EXPECT_FALSE(base::readNumber(bad).has_value()) << bad;
  EXPECT_EQ(base::wrapAdd(2147483647, 1), -2147483647 - 1);
  EXPECT_EQ(base::wrapMul(65536, 65536), 0);
}

TEST(Number, ADigitStringThatDoesNotFitThirtyTwoBitsIsNoNumber) {
  EXPECT_EQ(base::readNumber("2147483647"), 2147483647);
  EXPECT_EQ(base::readNumber("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(base::readNumber("000000000000002147483647"), 2147483647);  // leading zeros are no size
  for (const char* big : {"2147483648", "-2147483649", "99999999999", "4294967297", "18446744073709551617"})
    EXPECT_FALSE(base::readNumber(big).has_value()) << big;
  EXPECT_EQ(base::readNumberOr("99999999999", 7), 7);
}

TEST(Text, SplitsLinesAtAnyEndingAndTrimsControls) {
  EXPECT_EQ(base::splitLines("a\r\nb\nc\rd"), (base::Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(base::splitLines("a\r\n\r\n"), (base::Lines{"a", ""}));
  EXPECT_TRUE(base::splitLines("").empty());
  EXPECT_EQ(base::joinLines({"x", ""}), "x\r\n\r\n");
  EXPECT_EQ(base::trim("\t fim \x01"), "fim");
}

TEST(GameFolder, ResolvesBackslashesAndCaseButRefusesLeavingTheFolder) {
  TempFolder folder;
  folder.writeBytes("Pics/Sala.JPG", "x");
  base::GameFolder game(folder.path());
  auto found = game.find("pics\\sala.jpg");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "Sala.JPG");
  EXPECT_FALSE(game.find("../etc/passwd"));
  EXPECT_FALSE(game.find("/etc/passwd"));
  EXPECT_FALSE(game.find("C:\\x.txt"));
  EXPECT_FALSE(game.pathForWriting("a/../../b"));
  EXPECT_EQ(*game.pathForWriting("PICS/SALA.jpg"), *found);
  EXPECT_FALSE(game.exists("nada.scx"));
}

TEST(FileIo, AtomicWriteReplacesWholeFileAndLeavesNoTemporary) {
  TempFolder folder;
  auto file = folder.path() / "save.rgs";
  ASSERT_TRUE(base::writeTextLines(file, {"um", "dois"}));
  ASSERT_TRUE(base::writeTextLines(file, {"três"}));
  EXPECT_EQ(folder.read("save.rgs"), "três\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  EXPECT_FALSE(base::writeTextLines(folder.path() / "missing-dir" / "x", {"a"}));
}
