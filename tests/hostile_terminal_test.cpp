// Control characters in game text never reach the terminal: escape sequences
// (screen clearing, window titles, colours, the clipboard through OSC 52) and
// the bell are printed as visible marks; line ends stay.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_game.h"
#include "terminal/printable_text.h"

using namespace testing_support;

TEST(HostileTerminal, ControlCharactersBecomeVisibleMarks) {
  EXPECT_EQ(terminal::printableText("a\x1b[2Jb\x07" "c\x7f"), "a^[[2Jb^Gc^?");
  EXPECT_EQ(terminal::printableText("linha\r\noutra\nx\ty"), "linha\r\noutra\nx\ty");
  EXPECT_EQ(terminal::printableText("\xC2\x9B" "31m \xC3\xA1 \xC2\xA0"), "\xEF\xBF\xBD" "31m \xC3\xA1 \xC2\xA0");
}

TEST(HostileTerminal, TheGamesEscapeSequencesAreNotPrinted) {
  TempFolder game;
  writeGameFiles(game, {"a", "b", "c"});
  game.write("abertura.scx",
             "modo= 0\nmsg= Ol\u00e1\x1b]52;c;SGVsbG8=\x07 fim\x1b[2J\x1b]0;titulo\x07\x1b[31mvermelho\x07\n"
             "msg= linha dois");
  game.write("pagina.scx", "modo= 2\nclearmsg\n'<a href=Scp=abertura>Ir\x1b[5m agora</a>'");
  game.write("comandos.scx", "P\u00c1GINA | pagina\n");
  game.writeBytes("input.txt", "p\xC3\xA1gina\n:links\n");
  const std::string command = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8 " + std::string(MIRANDEL_BINARY) + " --text --game " +
                              game.path().string() + " <" + (game.path() / "input.txt").string() + " >" +
                              (game.path() / "output.txt").string() + " 2>&1";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
  const std::string output = game.read("output.txt");
  EXPECT_EQ(output.find('\x1b'), std::string::npos) << output;
  EXPECT_EQ(output.find('\x07'), std::string::npos) << output;
  EXPECT_NE(output.find("Ol\xC3\xA1^[]52;c;SGVsbG8=^G fim^[[2J"), std::string::npos) << output;
  EXPECT_NE(output.find("linha dois"), std::string::npos) << output;
  EXPECT_NE(output.find("Ir^[[5m agora"), std::string::npos) << output;
}
