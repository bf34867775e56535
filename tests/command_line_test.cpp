// The program's messages on a terminal: a game folder that is a file, an
// unknown option, start-up errors and a table that cannot be saved all read as
// UTF-8, each converted once; --scale and what it refuses.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "app/interface_language.h"
#include "model/defs.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct CommandLineTest : ::testing::Test {
  // Runs the player with the arguments and the input; returns what it printed
  // (standard output and error together).
  // The player's own words in English (the tests below that want another language say so).
  std::string run(const std::string& arguments, const std::string& input = "") {
    return runIn("LANGUAGE= LC_ALL= LANG=C.UTF-8 ", arguments, input);
  }
  // The same with variables set before the program (the locale).
  std::string runIn(const std::string& variables, const std::string& arguments, const std::string& input = "") {
    scratch.writeBytes("input.txt", input);
    std::string command = variables + std::string(MIRANDEL_BINARY) + " " + arguments + " <" +
                          (scratch.path() / "input.txt").string() + " >" + (scratch.path() / "output.txt").string() +
                          " 2>&1";
    exitCode = WEXITSTATUS(std::system(command.c_str()));
    return scratch.read("output.txt");
  }
  static bool has(const std::string& output, const std::string& part) { return output.find(part) != std::string::npos; }
  std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

  TempFolder scratch;
  int exitCode = -1;
};

}  // namespace

TEST_F(CommandLineTest, AGameFileIsNotAFolderAndAnUnknownOptionPointsToHelp) {
  scratch.write("jogo.ini", "");
  std::string out = run("--text --game " + quoted(scratch.path() / "jogo.ini"));
  EXPECT_EQ(exitCode, 1);
  EXPECT_TRUE(has(out, "is not a folder")) << out;
  EXPECT_FALSE(has(out, "does not exist")) << out;
  out = run("--text --game " + quoted(scratch.path() / "nenhum"));
  EXPECT_TRUE(has(out, "does not exist")) << out;

  out = run("--text --voar");
  EXPECT_NE(exitCode, 0);
  EXPECT_TRUE(has(out, "voar")) << out;
  EXPECT_TRUE(has(out, "--help")) << out;
}

TEST_F(CommandLineTest, StartUpErrorsReachTheTerminalAsUtf8) {
  // A folder with an accented name and no table: both the message and the
  // folder's name read right.
  std::filesystem::create_directories(scratch.path() / "Aventuras de ação");
  std::string out = run("--text --game " + quoted(scratch.path() / "Aventuras de ação"));
  EXPECT_EQ(exitCode, 1);
  EXPECT_TRUE(has(out, "mirandel: Não encontrei a tabela de definições mirandel.ini em ")) << out;
  EXPECT_TRUE(has(out, "Aventuras de ação")) << out;
}

TEST_F(CommandLineTest, ATableThatCannotBeSavedIsReportedOnceConverted) {
  const auto game = scratch.path() / "Jogo ação";
  std::filesystem::create_directories(game);
  scratch.writeBytes("Jogo ação/mirandel.ini", base::joinLines(model::DefinitionsTable::builtInRows()));
  // Once the player waits at its prompt it has read the table; then a folder
  // takes the table's name, so at exit the table cannot be written back.
  const auto ini = quoted(game / "mirandel.ini");
  scratch.writeBytes("play.sh",
                     "cd " + quoted(scratch.path()) + " || exit 1\nrm -f in code && mkfifo in || exit 1\n(" +
                         std::string(MIRANDEL_BINARY) + " --text --game " + quoted(game) +
                         " <in >out 2>&1; echo $? >code) &\n"
                         "exec 3>in\n"
                         "for i in $(seq 600); do grep -q '^> ' out 2>/dev/null || test -e code && break; sleep 0.1; done\n"
                         "rm " + ini + " && mkdir " + ini + "\n"
                         "echo :sair >&3\nexec 3>&-\nwait\n");
  ASSERT_EQ(std::system(("bash " + quoted(scratch.path() / "play.sh")).c_str()), 0);
  std::string out = scratch.read("out");
  EXPECT_TRUE(has(out, "Não consegui gravar mirandel.ini")) << out;
  EXPECT_FALSE(has(out, "NÃ")) << out;
  EXPECT_FALSE(has(out, "Ã§")) << out;
}

TEST_F(CommandLineTest, HelpAndOptionErrorsSpeakTheLanguageOfTheLocale) {
  const std::string portuguese = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8 ";
  const std::string english = "LANGUAGE= LC_ALL= LANG=en_GB.UTF-8 ";
  std::string out = runIn(portuguese, "--help");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "Joga o jogo da pasta DIR.")) << out;
  EXPECT_TRUE(has(out, "Uso: ")) << out;  // Qt's own words come with Qt's catalogue
  out = runIn(english, "--help");
  EXPECT_TRUE(has(out, "Play the game in folder DIR.")) << out;
  EXPECT_TRUE(has(out, "Usage: ")) << out;

  out = runIn(portuguese, "--text --voar");
  EXPECT_EQ(exitCode, 1) << out;
  EXPECT_TRUE(has(out, "voar")) << out;
  EXPECT_TRUE(has(out, "(veja --help)")) << out;
  out = runIn(portuguese, "--text --game " + quoted(scratch.path() / "nenhum"));
  EXPECT_TRUE(has(out, "a pasta de jogo ")) << out;
  EXPECT_TRUE(has(out, " não existe")) << out;
  out = runIn(english, "--text extra more");
  EXPECT_TRUE(has(out, "unexpected argument more (see --help)")) << out;
  out = runIn(english, "--text --game " + quoted(scratch.path()) + " extra");
  EXPECT_TRUE(has(out, "unexpected argument extra (see --help)")) << out;
}

TEST_F(CommandLineTest, AFolderGivenAloneIsTheGameToPlay) {
  scratch.writeBytes("mirandel.ini", "");
  scratch.write("sala.scx", "modo= 1\nsetpos= sala\nmsg= Na sala.");
  scratch.write("eventos.txt", "start\nrun sala\ndump " + (scratch.path() / "tela").string() + "\n");
  std::string out = run(quoted(scratch.path()) + " --events " + quoted(scratch.path() / "eventos.txt"));
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_EQ(scratch.readUtf8Lines("tela/msg.txt"), std::vector<std::string>{"Na sala."});
}

TEST(InterfaceLanguageTest, AnyPortugueseReadsBrazilianAndEverythingElseEnglish) {
  EXPECT_EQ(app::interfaceLanguage({"pt-BR"}), "pt_BR");
  EXPECT_EQ(app::interfaceLanguage({"pt-PT", "en-GB"}), "pt_BR");
  EXPECT_EQ(app::interfaceLanguage({"pt"}), "pt_BR");
  EXPECT_EQ(app::interfaceLanguage({"de-DE", "en-US", "pt-BR"}), "en");  // the first listed that has one
  EXPECT_EQ(app::interfaceLanguage({"fr-FR"}), "en");
  EXPECT_EQ(app::interfaceLanguage({"C"}), "en");
  EXPECT_EQ(app::interfaceLanguage({}), "en");
}

TEST_F(CommandLineTest, ScaleTakesANumberFromOneToFourAndScalesTheScreenOfScriptedPlay) {
  std::string out = run("--text --scale 7");
  EXPECT_EQ(exitCode, 1);
  EXPECT_TRUE(has(out, "--scale takes a number from 1 to 4")) << out;

  scratch.writeBytes("mirandel.ini", "");
  scratch.write("eventos.txt", "dump " + (scratch.path() / "tela").string() + "\n");
  out = run("--game " + quoted(scratch.path()) + " --scale 1.5 --events " + quoted(scratch.path() / "eventos.txt"));
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_EQ(QImage(QString::fromStdString((scratch.path() / "tela" / "screen.png").string())).size(), QSize(1350, 630));
}

// A display that does not answer leaves the window nowhere to go: one line says
// so and the game plays in the terminal, where a display that was chosen on
// purpose (the offscreen platform) keeps the window.
TEST_F(CommandLineTest, AStaleDisplayPlaysInTheTerminalWithOneLine) {
  writeGameFiles(scratch);
  scratch.write("abertura.scx", "modo= 1\nmsg= Bem-vindo.");
  std::string out = runIn("env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:97 LANGUAGE= LC_ALL= LANG=C.UTF-8 ",
                          "--mute --game " + quoted(scratch.path()));
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "mirandel: the display :97 does not answer: playing in the terminal")) << out;
  EXPECT_TRUE(has(out, "Bem-vindo.")) << out;
}
