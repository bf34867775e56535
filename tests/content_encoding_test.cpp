// Content files in UTF-8 or Windows-1252: a UTF-8 script shows its accents, the
// saved files keep the encoding they were read in, a file that mixes both is
// read as Windows-1252, and the checker says which files it read as UTF-8.
#include <gtest/gtest.h>

#include <sstream>

#include "base/text_encoding.h"
#include "check/checker.h"
#include "shell/turn.h"
#include "support/test_game.h"
#include "world/saved_state.h"

using namespace testing_support;

TEST(ContentEncoding, TellsUtf8FromWindows1252AndMixedFiles) {
  auto utf8 = base::decodeContentText("Voc\xC3\xAA est\xC3\xA1 \xE2\x80\x94 aqui");
  EXPECT_EQ(utf8.encoding, base::TextEncoding::Utf8);
  EXPECT_EQ(utf8.text, "Voc\xEA est\xE1 \x97 aqui");
  EXPECT_FALSE(utf8.mixed);

  auto marked = base::decodeContentText("\xEF\xBB\xBF" "750\r\n");
  EXPECT_EQ(marked.encoding, base::TextEncoding::Utf8WithMark);
  EXPECT_EQ(marked.text, "750\r\n");  // the mark is no part of row 0
  EXPECT_EQ(base::encodeContentText("N\xE3o", marked.encoding), "\xEF\xBB\xBFN\xC3\xA3o");

  for (const char* cp1252 : {"Voc\xEA est\xE1", "plain ASCII", "", "\xC3\xA9\xE9"}) {
    auto read = base::decodeContentText(cp1252);
    EXPECT_EQ(read.encoding, base::TextEncoding::Windows1252) << cp1252;
    EXPECT_EQ(read.text, cp1252);
  }
  EXPECT_TRUE(base::decodeContentText("\xC3\xA9 e \xE9").mixed);
  EXPECT_FALSE(base::decodeContentText("Voc\xEA").mixed);
  // Overlong forms and surrogates are no UTF-8.
  EXPECT_EQ(base::decodeContentText("\xE0\x80\xAF").encoding, base::TextEncoding::Windows1252);
  EXPECT_EQ(base::decodeContentText("\xED\xA0\x80").encoding, base::TextEncoding::Windows1252);
}

TEST(ContentEncoding, AUtf8ScriptShowsItsAccentsAndSavedFilesKeepTheirEncoding) {
  TestGame t(false);
  t.folder.writeBytes("mirandel.rgs", "\xC3\xA1gua\r\nzero\r\n");  // UTF-8
  t.start();
  t.folder.writeBytes("sala.scx", "modo= 1\r\nmsg= Voc\xC3\xAA est\xC3\xA1 na pra\xC3\xA7" "a.\r\nreg= 1,ma\xC3\xA7\xC3\xA3\r\n");
  t.folder.writeBytes("velha.scx", "modo= 1\r\nmsg= Voc\xEA est\xE1 na pra\xE7" "a.\r\n");
  t.game->Regs.values() = {"\xE1gua", "zero"};
  t.run("sala");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Você está na praça.");
  EXPECT_EQ(t.reg(1), "maçã");
  EXPECT_EQ(t.errors(), "");
  t.run("velha");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Você está na praça.");
  // The registers were read as UTF-8 and are written back so; the table was
  // Windows-1252 (ASCII) and stays so.
  EXPECT_EQ(t.folder.read("mirandel.rgs"), "\xC3\xA1gua\r\nma\xC3\xA7\xC3\xA3\r\n");
  t.game->Defs.setDefsRow(74, "N\xE3o h\xE1");
  world::saveAfterRun(*t.game);
  EXPECT_NE(t.folder.read("mirandel.ini").find("N\xE3o h\xE1\r\n"), std::string::npos);
}

TEST(ContentEncoding, TheCheckerNotesUtf8FilesAndWarnsOnMixedOnes) {
  TempFolder folder;
  writeGameFiles(folder);
  for (const char* picture : {"U-bot1.bmp", "D-bot1.bmp"}) folder.writeBytes(picture, "picture");
  folder.writeBytes("abertura.scx", "/ abertura\r\nmsg= Voc\xC3\xAA est\xC3\xA1 aqui.\r\n");
  folder.writeBytes("errocmd.scx", "/ n\xE3o entendi \xC3\xA9\r\n");
  folder.write("comandos.scx", "OLHAR | abertura\n");
  std::ostringstream out, err;
  EXPECT_EQ(check::checkGame(folder.path(), "mirandel", out, err), 1) << err.str();
  EXPECT_EQ(out.str(),
            "abertura.scx: note: the file is read as UTF-8\n"
            "errocmd.scx: warning: the file mixes UTF-8 and Windows-1252 letters; it is read as Windows-1252, so its "
            "UTF-8 letters show wrong\n"
            "mirandel: 0 errors, 1 warning, 1 note\n");
}
