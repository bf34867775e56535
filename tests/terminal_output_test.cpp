// Word wrapping of terminal output: breaks fall between words at the width,
// counted in characters of the UTF-8 printed; a word longer than the line is cut;
// pieces of one text written apart still wrap as one text; width 0 (a pipe)
// leaves the text as it came.
#include <gtest/gtest.h>

#include <sstream>

#include "terminal/wrapped_output.h"

namespace {

std::string wrapped(int width, std::initializer_list<std::string> pieces) {
  std::ostringstream out;
  terminal::WrappedOutput output(out, [width] { return width; });
  for (const auto& piece : pieces) output.write(piece);
  output.endLine();
  return out.str();
}

}  // namespace

TEST(WrappedOutputTest, BreaksBetweenWordsCountingCharactersNotBytes) {
  // 39 characters but 42 bytes on the first line: it fits a width of 39.
  EXPECT_EQ(wrapped(39, {"\xC3\x80 noite a n\xC3\xA9voa cobre a pra\xC3\xA7" "a e a ruela toda de Mirandel."}),
            "\xC3\x80 noite a n\xC3\xA9voa cobre a pra\xC3\xA7" "a e a ruela\ntoda de Mirandel.\n");
  EXPECT_EQ(wrapped(10, {"um dois tres quatro"}), "um dois\ntres\nquatro\n");
  // The blanks at a break are dropped; blanks inside a line and at its start stay.
  EXPECT_EQ(wrapped(10, {"  1. Agir   ou fugir"}), "  1. Agir\nou fugir\n");
}

TEST(WrappedOutputTest, KeepsLineBreaksAndCutsWordsLongerThanTheLine) {
  EXPECT_EQ(wrapped(8, {"a\r\nb\rc\nd"}), "a\nb\nc\nd\n");
  EXPECT_EQ(wrapped(4, {"abcdefghij xy"}), "abcd\nefgh\nij\nxy\n");
  // Cut by characters: "ção" is three characters, five bytes.
  EXPECT_EQ(wrapped(3, {"a\xC3\xA7\xC3\xA3o"}), "a\xC3\xA7\xC3\xA3\no\n");
}

TEST(WrappedOutputTest, PiecesOfOneTextWrapAsOne) {
  // A word split between two writes is not broken at the seam.
  EXPECT_EQ(wrapped(12, {"Ol\xC3\xA1, aven", "tureiro! Bem", "-vindo."}), "Ol\xC3\xA1,\naventureiro!\nBem-vindo.\n");
  // The column carries on from one write to the next.
  EXPECT_EQ(wrapped(9, {"abc ", "def ", "ghi"}), "abc def\nghi\n");
}

TEST(WrappedOutputTest, WidthZeroWritesTheTextUnchanged) {
  const std::string text = "uma linha bem comprida que n\xC3\xA3o quebra   com brancos  \r\noutra";
  EXPECT_EQ(wrapped(0, {text}), "uma linha bem comprida que n\xC3\xA3o quebra   com brancos  \noutra\n");
}

TEST(WrappedOutputTest, TextsThatMeetNeverMakeMoreThanOneEmptyLine) {
  std::ostringstream out;
  terminal::WrappedOutput output(out, [] { return 40; });
  output.write("Ferraria");
  output.endLine();
  output.write("[imagem: bussola.png]");
  output.endLine();
  output.write("\r\n\r\nVoc\xC3\xAA v\xC3\xAA aqui uma p\xC3\xA1.");
  output.endLine();
  EXPECT_EQ(out.str(), "Ferraria\n[imagem: bussola.png]\n\nVoc\xC3\xAA v\xC3\xAA aqui uma p\xC3\xA1.\n");
  // A line written by someone else (the prompt) counts as a line of text.
  out.str("");
  output.write("\r\n\r\n");
  output.lineWrittenElsewhere();
  output.write("\r\nB");
  output.endLine();
  EXPECT_EQ(out.str(), "\n\nB\n");
}

TEST(WrappedOutputTest, AListInColumnsGoesOnUnderItsText) {
  std::ostringstream out;
  terminal::WrappedOutput output(out, [] { return 30; });
  output.setHangingIndent(true);
  output.write("  :pontos    the clickable spots of the pictures\r\n  plain words that wrap at the end");
  output.endLine();
  EXPECT_EQ(out.str(),
            "  :pontos    the clickable\n"
            "             spots of the\n"
            "             pictures\n"
            "  plain words that wrap at the\n"
            "  end\n");
}
