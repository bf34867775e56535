// Terminal play: the program with --text reading piped commands. Game text comes
// out as UTF-8 as it is produced, typed UTF-8 reaches the phrase file as
// Windows-1252, the terminal's own ":" commands press keys and list and follow
// page links, and the end of the input closes the player with the shut-down save.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "shell/defs.h"
#include "support/picture_files.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct TerminalTest : ::testing::Test {
  TerminalTest() {
    game.writeBytes("mirandel.ini", base::joinLines(shell::DefinitionsTable::builtInRows()));
    game.write("mirandel.rgs", "a\nb\nc\n");
    game.write("mirandel.obz", "");
    game.write("mirandel.obx", "");
    game.write("abertura.scx", "modo= 0\nmsg= Olá, aventureiro!");
    game.write("comandos.scx", "AÇÃO | acao\nPÁGINA | pagina\nPONTOS | pontos\n");
    game.write("pontos.scx", "modo= 1\nlnktel= Abrir a porta,acao,10,10\nlnkfnc= ,norte,0,0,20,20\n"
                             "display= Ou @volte|norte| depois.,fnc,0,100");
    game.write("acao.scx", "modo= 0\nsetpos= acao\nmsg= Você agiu.");
    game.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte.\ndisplay= norte.bmp,tel,0,0");
    game.writeBytes("norte.bmp", "");
    game.write("pagina.scx",
               "modo= 2\nclearmsg\n'<a href=Scp=acao>Agir</a> ou <a href=\"Scp=norte&Prm=1\">ir&nbsp;embora</a>'");
  }
  // Runs the terminal on the input; returns its output.
  std::string play(const std::string& input) {
    game.writeBytes("input.txt", input);
    std::string command = std::string(MIRANDEL_BINARY) + " --text --game " + game.path().string() + " <" +
                          (game.path() / "input.txt").string() + " >" + (game.path() / "output.txt").string() +
                          " 2>&1";
    exitCode = WEXITSTATUS(std::system(command.c_str()));
    return game.read("output.txt");
  }
  static bool has(const std::string& output, const std::string& part) { return output.find(part) != std::string::npos; }
  TempFolder game;
  int exitCode = -1;
};

}  // namespace

TEST_F(TerminalTest, PlaysTypedCommandsAndKeysAndSavesAtTheEndOfInput) {
  std::string out = play("ação\n:f3\n\n:norte\nvoar\n");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "Olá, aventureiro!")) << out;    // the game started by itself
  EXPECT_TRUE(has(out, "> ação\nVocê agiu.")) << out;   // piped commands are echoed
  EXPECT_TRUE(has(out, "[caixa de comando: AÇÃO")) << out;
  EXPECT_EQ(out.find("Você agiu.", out.find("[caixa de comando")) != std::string::npos, true) << out;
  EXPECT_TRUE(has(out, "Perdão, não entendi.")) << out;  // mode "0" without near phrases
  // The shut-down save wrote the position and the registers.
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "acao");
  EXPECT_EQ(game.readLines("mirandel.rgs"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(TerminalTest, ListsAndFollowsTheLinksOfThePageAndRunsScriptsByName) {
  std::string out = play(":ajuda\npágina\n:links\n:link 7\n:link 1\n:executar norte\n:links\n:sair\nação\n");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, ":link N")) << out;  // the help lists the terminal's commands
  EXPECT_TRUE(has(out, "Agir [1] ou ir embora [2]")) << out;
  EXPECT_TRUE(has(out, "  1. Agir -> Scp=acao\n  2. ir embora -> Scp=norte&Prm=1")) << out;
  EXPECT_TRUE(has(out, "Não há o link 7")) << out;
  EXPECT_TRUE(has(out, "> :link 1\nVocê agiu.")) << out;
  EXPECT_TRUE(has(out, "Ao norte.\n[imagem: norte.bmp]")) << out;
  EXPECT_TRUE(has(out, "Esta tela não tem links.")) << out;  // mode "2" is over
  EXPECT_EQ(out.find("Você agiu.", out.find("> :sair")), std::string::npos) << out;  // nothing after :sair
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "norte");
}

TEST_F(TerminalTest, MapaWritesTheMapPictureIntoTheUsersFolder) {
  writeRgbPng(game.path() / "base.png", testPattern(40, 30));
  game.write("mapa.scx", "loadmap= base.png,");
  game.writeBytes("input.txt", ":mapa\n:executar mapa\n:mapa\n");
  const std::filesystem::path user = game.path() / "usuario";
  std::string command = "XDG_DATA_HOME=" + user.string() + " " + MIRANDEL_BINARY + " --text --game " +
                        game.path().string() + " <" + (game.path() / "input.txt").string() + " >" +
                        (game.path() / "output.txt").string() + " 2>&1";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
  const std::string out = game.read("output.txt");
  EXPECT_TRUE(has(out, "Este jogo ainda não mostrou um mapa.")) << out;
  const std::filesystem::path file = user / "mirandel" / "mirandel-mapa.png";
  EXPECT_TRUE(has(out, "Mapa gravado em: " + file.string())) << out;
  QImage saved(QString::fromStdString(file.string()));
  EXPECT_EQ(largestChannelDifference(saved, testPattern(40, 30)), 0);
}

TEST_F(TerminalTest, ListsTheHotSpotsOfThePicturesAndClicksThemByNumber) {
  std::string out = play("pontos\n:pontos\n:clicar 4\n:clicar 1\n:pontos\n");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "Ou volte depois.\n")) << out;  // a text box is read out
  EXPECT_TRUE(has(out, "  1. Abrir a porta (imagem)\n  2. norte (painel)\n  3. volte (painel)\n")) << out;
  EXPECT_TRUE(has(out, "Não há o ponto 4")) << out;
  EXPECT_TRUE(has(out, "> :clicar 1\nVocê agiu.")) << out;
  EXPECT_TRUE(has(out, "Nenhum ponto clicável nesta tela.")) << out;  // the run cleared them
}
