// The game checker: the bundled demo game checks clean; a game with one fault of
// each kind gives exactly the expected lines; a folder that is no game is
// unreadable; the command line prints the same report and exit status, in the
// language of the locale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "check/checker.h"
#include "shell/dispatch_table.h"
#include "model/defs.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct Report {
  int status = 0;
  std::vector<std::string> lines;
  std::string errors;
};

Report runChecker(const std::filesystem::path& folder) {
  std::ostringstream out, err;
  Report report;
  report.status = check::checkGame(folder, "mirandel", out, err);
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) report.lines.push_back(line);
  report.errors = err.str();
  return report;
}

// Runs "mirandel --check" under the locale's variables; standard output as
// lines, standard error apart.
Report runProgram(const std::string& locale, const std::string& arguments, const TempFolder& scratch) {
  std::string command = locale + " " + MIRANDEL_BINARY + " --check " + arguments + " >" +
                        (scratch.path() / "out.txt").string() + " 2>" + (scratch.path() / "err.txt").string();
  int status = std::system(command.c_str());
  Report report;
  report.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  report.lines = scratch.readUtf8Lines("out.txt");
  report.errors = scratch.read("err.txt");
  return report;
}

const std::string kEnglish = "LANGUAGE= LC_ALL= LANG=C.UTF-8";
const std::string kPortuguese = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8";

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

// A small game whose files are right except for one fault of each kind.
struct FaultyGame {
  FaultyGame() {
    auto rows = model::DefinitionsTable::builtInRows();
    rows[5] = "10";       // ten registers
    rows[19] = "FFFF0";   // a colour of five digits, read all the same
    rows[24] = "larga";   // a number that is none
    rows[44] = "sim";     // a switch that is neither * nor empty
    std::string table;
    for (const auto& row : rows) table += row + "\n";
    folder.write("mirandel.ini", table);
    folder.write("mirandel.rgs", "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n");
    folder.write("mirandel.obz", "lanterna\nchave\n");
    // chave names a picture that is missing; lanterna's record is one line short.
    folder.write("mirandel.obx", "chave\nchave\numa chave\nsala\nchave.gif\n\n\n\nlanterna\nlanterna\numa lanterna\njog\n\n\n");
    folder.write("chave.obj", "chave\nchave\numa chave\nsala\n\n\n\n\n");
    folder.write("lanterna.obj", "lanterna\nlanterna\n");
    for (const char* picture : {"U-bot1.bmp", "D-bot1.bmp", "retrato.JPG", "velho.png"})
      folder.writeBytes(picture, "picture");
    folder.write("comandos.scx",
                 "COMANDOS DO JOGO\n"
                 "OLHAR | sala\n"
                 "pegue a chave | sala\n"
                 "OLHAR | sala\n"
                 "DANÇAR | danca\n"
                 "/XYZZY | sala\n");
    folder.write("errocmd.scx", "msg= Não entendi.\n");  // skipped when "script" continues here
    folder.write("abertura.scx", "/ abertura\nreset objs\nscript sala\nscript errocmd\n");
    folder.write("Cozinha.scx",
                 "/ cozinha\n"
                 "setpos= Cozinha\n"
                 "goto porta\n"            // 3 a label line with text after its name
                 ":porta   / a porta\n"
                 "reg= #20,1\n");          // 5 beyond the register count: the text 20
    folder.write("sotao.scx", "/ ninguém chega aqui\n");
    std::string sala =
        "/ sala\n"                                      // 1
        "setpos= sala\n"                                // 2
        "norte= cozinha\n"                              // 3 case only
        "displya= sala.jpg,tel,0,0\n"                   // 4 unknown keyword
        "display= quadro.png,tel,0,0\n"                 // 5 missing picture
        "reg+ 5\n"                                      // 6 too few arguments
        "fim 3\n"                                       // 7 too many arguments
        "reg+ 5,dez\n"                                  // 8 not a number
        "cortxt= amarelo\n"                             // 9 not a colour
        "goto saida\n"                                  // 10 missing label
        "gosub ajuda\n"                                 // 11 missing script
        "script @nort\n"                                // 12 not a placeholder
        "script @leste\n"                               // 13 no exit of that name
        "msg= Veja <a href=Scp=porao>o porão</a>\n"     // 14 link to a missing script
        "ifreg= 50,1,fim\n"                             // 15 register that does not exist
        "pegaobj= espada\n"                             // 16 object that does not exist
        "modo= 5\n"                                     // 17 not a display mode
        "telpos= retrato.JPG,sala\n"                    // 18 extension in capitals
        "goto :fim\n"                                   // 19 label with its colon
        ":fim\n"                                        // 20
        "playsnd porta.wav\n"                           // 21 missing sound
        "FIM\n"                                         // 22 keyword in capitals
        "regtxt= 9,'Olá, mundo'\n"                      // 23 comma ends the text
        "fim'\n"                                        // 24
        "'Um texto sem fim\n"                           // 25 never closes
        "e mais uma linha\n";
    folder.write("sala.scx", sala);
  }
  TempFolder folder;
};

}  // namespace

TEST(GameChecker, TheDemoGameChecksClean) {
  auto report = runChecker(std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel");
  EXPECT_EQ(report.status, 0) << joined(report.lines) << report.errors;
  for (const auto& line : report.lines) {
    EXPECT_EQ(line.find(": error: "), std::string::npos) << line;
    EXPECT_EQ(line.find(": warning: "), std::string::npos) << line;
  }
  ASSERT_FALSE(report.lines.empty());
  EXPECT_EQ(report.lines.back().rfind("mirandel: ", 0), 0u) << report.lines.back();
}

TEST(GameChecker, AGameWithOneFaultOfEachKindGivesExactlyTheExpectedLines) {
  FaultyGame game;
  auto report = runChecker(game.folder.path());
  // Sounds are checked once the player has playsnd; until then it is an unknown statement.
  const bool playsSounds = !!shell::buildDispatch().find("playsnd");
  const std::vector<std::string> expected = {
      "Cozinha.scx:3: error: the label line \":porta   / a porta\" has text after its name, so goto cannot reach it",
      "Cozinha.scx:5: warning: #20 is outside the register count (row 5 is 10), so it stands for the text \"20\"",
      "comandos.scx:1: warning: the line has no \"|\", so it matches nothing",
      "comandos.scx:3: error: the phrase \"pegue a chave\" has small letters; what the player types is in capitals, "
      "so it never matches",
      "comandos.scx:4: warning: the phrase \"OLHAR\" is already on line 2; this line is never used",
      "comandos.scx:5: error: there is no script \"danca\"",
      "comandos.scx:6: note: the hidden phrase \"/XYZZY\" matches only when the player types it with its \"/\"; it is "
      "never suggested",
      "errocmd.scx:1: warning: a run that continues here with \"script\" (abertura.scx:4) skips this first line; "
      "start the script with a comment or a label",
      "lanterna.obj: error: a pristine object file needs 8 lines; this one has 2",
      "mirandel.ini:20: warning: row 19 (text colour) is not six hex digits RRGGBB: \"FFFF0\" reads as FFFF00",
      "mirandel.ini:25: error: row 24 (viewer width) is not a number: \"larga\"",
      "mirandel.ini:45: warning: row 44 (command box shown) is a switch, on only when it holds exactly *: \"sim\"",
      "mirandel.obx: error: the object table has 14 lines; 2 objects need 16",
      "mirandel.obx:5: error: there is no picture \"chave.gif\"",
      "sala.scx:3: warning: the script \"cozinha\" is found only by ignoring case (the file is \"Cozinha.scx\")",
      "sala.scx:4: error: unknown statement \"displya=\"; the line does nothing",
      "sala.scx:5: error: there is no picture \"quadro.png\"",
      "sala.scx:6: error: reg+ needs 2 arguments, the line gives 1",
      "sala.scx:7: warning: fim takes no arguments; the rest of the line is ignored",
      "sala.scx:8: error: \"dez\" is not a number; reg+ stops the run there",
      "sala.scx:9: error: \"amarelo\" is not a colour (six hex digits RRGGBB); cortxt= stops the run there",
      "sala.scx:10: error: goto to the label \"saida\", which this script does not have",
      "sala.scx:11: error: there is no script \"ajuda\"",
      "sala.scx:12: error: \"@nort\" is not a placeholder (@norte, @sul, @leste, @oeste, @subir, @descer, @entrar, "
      "@sair, @pos, @obj, @xvlt) and no script has that name",
      "sala.scx:13: warning: \"@leste\" stands for the exit leste=, which no script sets",
      "sala.scx:14: error: there is no script \"porao\"",
      "sala.scx:15: error: register 50 does not exist (the register file has 10)",
      "sala.scx:16: error: there is no object \"espada\"",
      "sala.scx:17: error: \"5\" is not a display mode (0, 1, 2 or 3)",
      "sala.scx:18: error: the picture \"retrato.JPG\" has its extension in capitals; the player reads only .png, "
      ".jpg, .bmp and .gif",
      "sala.scx:19: error: goto names \":fim\"; write the label without its colon",
      playsSounds ? "sala.scx:21: error: there is no sound \"porta.wav\""
                  : "sala.scx:21: error: unknown statement \"playsnd\"; the line does nothing",
      "sala.scx:22: error: unknown statement \"FIM\"; the line does nothing (keywords are written in small letters: "
      "\"fim\")",
      "sala.scx:23: warning: a comma ends the text of regtxt= before its closing \"'\"; write ^ for a comma",
      "sala.scx:25: error: the quoted text never closes with \"'\": it takes the rest of the script",
      "sotao.scx: note: no path of play reaches the script \"sotao\"",
      "velho.png: note: nothing in reach shows this picture",
      "mirandel: 24 errors, 10 warnings, 3 notes",
  };
  EXPECT_EQ(joined(report.lines), joined(expected)) << report.errors;
  EXPECT_EQ(report.status, 1);
}

TEST(GameChecker, AFolderThatIsNoGameCannotBeRead) {
  TempFolder empty;
  auto report = runChecker(empty.path());
  EXPECT_EQ(report.status, 2);
  EXPECT_NE(report.errors.find("holds no table mirandel.ini"), std::string::npos) << report.errors;
  EXPECT_TRUE(report.lines.empty());
  auto missing = runChecker(empty.path() / "nada");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.errors.find("does not exist"), std::string::npos) << missing.errors;
}

TEST(GameChecker, TheCommandLinePrintsTheReportAndItsStatus) {
  FaultyGame game;
  TempFolder scratch;
  auto printed = runProgram(kEnglish, "--game '" + game.folder.path().string() + "'", scratch);
  EXPECT_EQ(printed.status, 1) << printed.errors;
  EXPECT_EQ(joined(printed.lines), joined(runChecker(game.folder.path()).lines));
  EXPECT_EQ(runProgram(kEnglish, "", scratch).status, 0) << "the bundled demo game";
}

// A small game with two errors (one quoting accented game text), a warning (on
// a phrase holding "%2", which stays as the game wrote it) and a note; then the
// same game without them.
struct SmallGame {
  SmallGame() {
    writeGameFiles(folder);
    for (const char* picture : {"U-bot1.bmp", "D-bot1.bmp"}) folder.writeBytes(picture, "picture");
    folder.write("abertura.scx", "/ abertura\n");
    folder.write("errocmd.scx", "/ não entendi\n");
    folder.write("comandos.scx",
                 "OLHAR %2 | abertura\n"
                 "OLHAR %2 | abertura\n"  // 2 a phrase already on line 1
                 "/XYZZY | abertura\n"    // 3 a hidden phrase
                 "AÇÃO | ação\n"          // 4 no script of that name
                 "PULAR | pulo\n");       // 5 nor of this one
  }
  void clean() const { folder.write("comandos.scx", "OLHAR | abertura\n"); }
  std::string place() const { return "--game '" + folder.path().string() + "'"; }
  TempFolder folder;
};

TEST(GameChecker, TheReportSpeaksTheLanguageOfTheLocale) {
  SmallGame game;
  TempFolder scratch;
  auto portuguese = runProgram(kPortuguese, game.place(), scratch);
  EXPECT_EQ(portuguese.status, 1) << portuguese.errors;
  EXPECT_EQ(joined(portuguese.lines),
            joined({
                "comandos.scx:2: aviso: a frase \"OLHAR %2\" já está na linha 1; esta linha nunca é usada",
                "comandos.scx:3: nota: a frase oculta \"/XYZZY\" só corresponde quando o jogador a digita com a "
                "\"/\"; ela nunca é sugerida",
                "comandos.scx:4: erro: não existe o script \"ação\"",
                "comandos.scx:5: erro: não existe o script \"pulo\"",
                "mirandel: 2 erros, 1 aviso, 1 nota",
            }));
  auto english = runProgram(kEnglish, game.place(), scratch);
  EXPECT_EQ(english.status, 1) << english.errors;
  EXPECT_EQ(joined(english.lines),
            joined({
                "comandos.scx:2: warning: the phrase \"OLHAR %2\" is already on line 1; this line is never used",
                "comandos.scx:3: note: the hidden phrase \"/XYZZY\" matches only when the player types it with its "
                "\"/\"; it is never suggested",
                "comandos.scx:4: error: there is no script \"ação\"",
                "comandos.scx:5: error: there is no script \"pulo\"",
                "mirandel: 2 errors, 1 warning, 1 note",
            }));

  game.clean();
  EXPECT_EQ(joined(runProgram(kPortuguese, game.place(), scratch).lines), "mirandel: nenhum achado\n");
  EXPECT_EQ(joined(runProgram(kEnglish, game.place(), scratch).lines), "mirandel: no findings\n");

  // A folder that is no game says so in the locale's language too.
  auto noTable = runProgram(kPortuguese, "--game '" + scratch.path().string() + "'", scratch);
  EXPECT_EQ(noTable.status, 2);
  EXPECT_NE(noTable.errors.find(" não contém a tabela mirandel.ini; é uma pasta de jogo?"), std::string::npos)
      << noTable.errors;
}

// A game whose table file is empty: the player plays it with the built-in rows
// (row 17: the phrase file "comandos"), and the checker reads it the same way:
// comandos.scx is the phrase file, its faults are found, and "sala", reached
// only through it, is reachable.
TEST(GameChecker, ATableLessGameReadsAsThePlayerPlaysIt) {
  TempFolder folder;
  folder.writeBytes("mirandel.ini", "");
  folder.writeBytes("mirandel.rgs", "0\r\n1\r\n2\r\n");
  folder.writeBytes("mirandel.obz", "");
  folder.writeBytes("mirandel.obx", "");
  for (const char* picture : {"U-bot1.bmp", "D-bot1.bmp"}) folder.writeBytes(picture, "picture");
  folder.write("abertura.scx", "/ abertura\nmodo= 1\n");
  folder.write("errocmd.scx", "/ não entendi\n");
  folder.write("sala.scx", "/ sala\nsetpos= sala\nreg= 2,visitada\n");
  folder.write("comandos.scx",
               "ENTRAR | sala\n"
               "olhar | sala\n"       // 2 small letters
               "ENTRAR | abertura\n"); // 3 already on line 1

  auto report = runChecker(folder.path());
  EXPECT_EQ(joined(report.lines),
            joined({
                "comandos.scx:2: error: the phrase \"olhar\" has small letters; what the player types is in capitals, "
                "so it never matches",
                "comandos.scx:3: warning: the phrase \"ENTRAR\" is already on line 1; this line is never used",
                "mirandel: 1 error, 1 warning, 0 notes",
            }))
      << report.errors;

  ASSERT_EQ(playEvents(folder, "start\ntype ENTRAR\ntype olhar\n", "--dump " + (folder.path() / "fim").string()), 0)
      << folder.read("stderr.txt");
  EXPECT_EQ(dumpedState(folder, "fim", "Posic"), "sala");
  EXPECT_EQ(folder.readLines("mirandel.rgs").at(2), "visitada");
  // The command in small letters is upper-cased before the look-up, so the
  // phrase "olhar" never matched: no error box, and nothing else ran.
  EXPECT_EQ(dumpedState(folder, "fim", "commandsScript"), "comandos");
}

// The map a play saves (addmap=, loadmap=, reset mapa) is a picture the map
// page shows, not one nothing shows.
TEST(GameChecker, TheSavedMapCountsAsShown) {
  SmallGame game;
  game.clean();
  game.folder.write("abertura.scx", "/ abertura\nloadmap= mapa.png,mapa.bmp\naddmap= 1,1,peca.png,mapa.bmp\n");
  for (const char* picture : {"mapa.png", "peca.png", "mapa.bmp", "solto.bmp"}) game.folder.writeBytes(picture, "picture");
  auto report = runChecker(game.folder.path());
  EXPECT_EQ(joined(report.lines), joined({"solto.bmp: note: nothing in reach shows this picture",
                                          "mirandel: 0 errors, 0 warnings, 1 note"}))
      << report.errors;
}
