// Terminal play: the program with --text reading piped commands. Game text comes
// out as UTF-8 as it is produced, typed UTF-8 reaches the phrase file as
// Windows-1252, the terminal's own ":" commands press keys and list and follow
// page links, and the end of the input closes the player with the shut-down save.
// On a real terminal (a pseudo-terminal here) lines are edited with the arrow
// keys, earlier commands come back, and output wraps to the terminal's width.
#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <csignal>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

#include "model/defs.h"
#include "support/picture_files.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct TerminalTest : ::testing::Test {
  TerminalTest() {
    writeGameFiles(game, {"a", "b", "c"});
    game.write("abertura.scx", "modo= 0\nmsg= Olá, aventureiro!");
    game.write("pontos.scx", "modo= 1\nlnktel= Abrir a porta,acao,10,10\nlnkfnc= ,norte,0,0,20,20\n"
                             "display= Ou @volte|norte| depois.,fnc,0,100");
    game.write("acao.scx", "modo= 0\nsetpos= acao\nmsg= Você agiu.");
    game.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte.\ndisplay= norte.bmp,tel,0,0");
    game.writeBytes("norte.bmp", "");
    game.write("pagina.scx",
               "modo= 2\nclearmsg\n'<a href=Scp=acao>Agir</a> ou <a href=\"Scp=norte&Prm=1\">ir&nbsp;embora</a>'");
    game.write("longo.scx", "modo= 0\nmsg= À noite a névoa cobre a praça e a ruela toda de Mirandel.");
    game.write("comandos.scx", "AÇÃO | acao\nPÁGINA | pagina\nPONTOS | pontos\nNORTE | norte\nLONGO | longo\n"
                               "2 | acao\n");
  }
  // Runs the terminal on the input with the interface language of the locale
  // variables given (Portuguese unless told); returns its output.
  std::string play(const std::string& input, const std::string& locale = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8") {
    game.writeBytes("input.txt", input);
    // Without sound: a missing click sound plays the default sound, and a machine
    // without a sound server says so on the output read here.
    std::string command = locale + " " + std::string(MIRANDEL_BINARY) + " --text --mute --game " + game.path().string() + " <" +
                          (game.path() / "input.txt").string() + " >" + (game.path() / "output.txt").string() +
                          " 2>&1";
    exitCode = WEXITSTATUS(std::system(command.c_str()));
    return game.read("output.txt");
  }
  static bool has(const std::string& output, const std::string& part) { return output.find(part) != std::string::npos; }
  TempFolder game;
  int exitCode = -1;
};

// The player on a pseudo-terminal of the given width, in Portuguese: keys are
// written to it and what it shows is read back.
class TerminalOnPty {
 public:
  TerminalOnPty(const std::filesystem::path& folder, unsigned short columns, bool mute = true) {
    // Everything the child needs is made before the fork.
    std::vector<std::string> environment = {"TERM=xterm", "LANG=pt_BR.UTF-8", "QT_QPA_PLATFORM=offscreen"};
    for (char** variable = environ; *variable; ++variable) {
      std::string entry = *variable;
      for (const char* replaced : {"TERM=", "LANG=", "LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "QT_QPA_PLATFORM="})
        if (entry.rfind(replaced, 0) == 0) entry.clear();
      if (!entry.empty()) environment.push_back(entry);
    }
    std::vector<char*> envp;
    for (auto& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string binary = MIRANDEL_BINARY, game = folder.string();
    std::vector<const char*> argv = {binary.c_str(), "--text", "--mute", "--game", game.c_str(), nullptr};
    if (!mute) argv.erase(argv.begin() + 2);
    winsize size{};
    size.ws_row = 24;
    size.ws_col = columns;
    pid_ = ::forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ == 0) {
      ::execve(binary.c_str(), const_cast<char* const*>(argv.data()), envp.data());
      ::_exit(127);
    }
  }
  ~TerminalOnPty() {
    if (pid_ > 0 && !ended_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) ::close(master_);
  }
  bool started() const { return pid_ > 0; }

  // Types the keys once the line editor reads keys one by one (the terminal is
  // out of its line mode); keys typed before that are echoed by the terminal
  // itself, as type-ahead is on any terminal.
  void type(const std::string& keys) {
    for (int tries = 0; tries < 3000 && inLineMode(); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(::write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  // Waits until the screen shows part after offset from; returns where it ends
  // (npos after 30 seconds).
  size_t waitFor(const std::string& part, size_t from = 0) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
      if (size_t at = shown_.find(part, from); at != std::string::npos) return at + part.size();
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0 || !readSome(static_cast<int>(left.count()))) return std::string::npos;
    }
  }
  // The exit status once the program ended (-1 when it did not within 30 seconds).
  int exitStatus() {
    for (int tries = 0; tries < 300; ++tries) {
      // A closed terminal reads at once; the wait is then the sleep.
      if (!readSome(100)) std::this_thread::sleep_for(std::chrono::milliseconds(100));
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      }
    }
    return -1;
  }
  const std::string& shown() const { return shown_; }

 private:
  bool readSome(int milliseconds) {
    pollfd watched{master_, POLLIN, 0};
    if (::poll(&watched, 1, milliseconds) <= 0) return false;
    char chunk[4096];
    ssize_t got = ::read(master_, chunk, sizeof chunk);
    if (got <= 0) return false;  // EIO once the program has closed the terminal
    shown_.append(chunk, static_cast<size_t>(got));
    return true;
  }

  // The terminal's settings as the program left them (the master reads the slave's).
  bool inLineMode() const {
    termios settings{};
    return ::tcgetattr(master_, &settings) == 0 && (settings.c_lflag & ICANON);
  }

  pid_t pid_ = -1;
  int master_ = -1;
  bool ended_ = false;
  std::string shown_;
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
  std::string command = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8 XDG_DATA_HOME=" + user.string() + " " + MIRANDEL_BINARY + " --text --game " +
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

TEST_F(TerminalTest, OnATerminalTheArrowKeysEditTheLineAndRecallEarlierCommands) {
  TerminalOnPty terminal(game.path(), 39);
  ASSERT_TRUE(terminal.started());
  size_t at = terminal.waitFor("> ", terminal.waitFor("Olá, aventureiro!"));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  // "nrte", three times Left, "o": the line reads "norte".
  terminal.type("nrte\x1b[D\x1b[D\x1b[Do\r");
  at = terminal.waitFor("> ", terminal.waitFor("Ao norte.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type("longo\r");
  at = terminal.waitFor("> ", terminal.waitFor("Mirandel.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type("ação\r");
  at = terminal.waitFor("> ", terminal.waitFor("Você agiu.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  // Up three times goes back past "ação" and "longo" to the edited "norte".
  terminal.type("\x1b[A\x1b[A\x1b[A\r");
  at = terminal.waitFor("> ", terminal.waitFor("Ao norte.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type(":sair\r");
  EXPECT_EQ(terminal.exitStatus(), 0) << terminal.shown();

  // The long text wrapped at a word, by characters: 39 of them (42 bytes) fill
  // the first line.
  EXPECT_TRUE(has(terminal.shown(), "À noite a névoa cobre a praça e a ruela\r\ntoda de Mirandel.")) << terminal.shown();
  EXPECT_FALSE(has(terminal.shown(), "^[[")) << terminal.shown();  // no key typed as text
  EXPECT_FALSE(has(terminal.shown(), "Perdão, não entendi.")) << terminal.shown();
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "norte");
}

TEST_F(TerminalTest, PipedOutputIsNeverWrapped) {
  std::string out = play("longo\n");
  EXPECT_TRUE(has(out, "À noite a névoa cobre a praça e a ruela toda de Mirandel.\n")) << out;
}

TEST_F(TerminalTest, ABareNumberFollowsTheLinkOfThatNumberWhenThePageShowsLinks) {
  // Without a page "2" is a typed command (the game has a phrase for it).
  std::string out = play("2\npágina\n3\n2\n");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "> 2\nVocê agiu.")) << out;
  EXPECT_TRUE(has(out, "Agir [1] ou ir embora [2]")) << out;
  EXPECT_TRUE(has(out, "> 3\nNão há o link 3; :links lista os links.")) << out;
  EXPECT_TRUE(has(out, "> 2\nAo norte.")) << out;
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "norte");
}

TEST_F(TerminalTest, LeavingWordsTheGameDoesNotKnowPointAtSair) {
  std::string out = play("sair\nencerrar\n");
  const std::string hint = "(para encerrar e salvar o jogo, digite :sair)";
  size_t first = out.find(hint);
  ASSERT_NE(first, std::string::npos) << out;
  EXPECT_NE(out.find(hint, first + 1), std::string::npos) << out;
  // The game's own answer comes first, word for word.
  EXPECT_LT(out.find("> sair\nPerdão, não entendi."), first) << out;

  // A game that has a phrase for the word keeps it: no hint.
  game.write("comandos.scx", "SAIR | acao\n");
  out = play("sair\n");
  EXPECT_TRUE(has(out, "> sair\nVocê agiu.")) << out;
  EXPECT_FALSE(has(out, hint)) << out;
}

TEST_F(TerminalTest, ThePlayersOwnWordsFollowTheLocaleAndTheGamesTextNever) {
  const std::string input = "voar\n:links\n:saidas\n";
  std::string out = play(input, "LANGUAGE= LC_ALL= LANG=en_US.UTF-8");
  EXPECT_TRUE(has(out, "Perdão, não entendi.")) << out;
  EXPECT_TRUE(has(out, "This screen has no links.")) << out;
  EXPECT_TRUE(has(out, "No exit is marked in this place.")) << out;
  EXPECT_TRUE(has(out, "(:ajuda lists the terminal's commands)")) << out;

  out = play(input);
  EXPECT_TRUE(has(out, "Perdão, não entendi.")) << out;
  EXPECT_TRUE(has(out, "Esta tela não tem links.")) << out;
  EXPECT_TRUE(has(out, "Nenhuma saída marcada neste local.")) << out;

  // LANGUAGE comes before LANG; a language without a catalogue reads English.
  EXPECT_TRUE(has(play(input, "LANGUAGE=en LC_ALL= LANG=pt_BR.UTF-8"), "This screen has no links."));
  EXPECT_TRUE(has(play(input, "LANGUAGE= LC_ALL= LANG=de_DE.UTF-8"), "This screen has no links."));
  EXPECT_TRUE(has(play(input, "LANGUAGE= LC_ALL=pt_PT.UTF-8 LANG=en_US.UTF-8"), "Esta tela não tem links."));
}

TEST_F(TerminalTest, OnATerminalTheSoundBackendIsQuietAndF1IsTheFunctionKey) {
  game.write("instrucoes.scx", "modo= 0\nclearmsg\nmsg= Eis as instruções.");
  game.write("comandos.scx", "INSTRUÇÕES | instrucoes\nNORTE | norte\n");
  // With sound: whatever the machine's sound is (here most likely none), its
  // backend's own messages never show; F1 (as xterm and the Linux console send it) is the key.
  TerminalOnPty terminal(game.path(), 80, false);
  ASSERT_TRUE(terminal.started());
  size_t at = terminal.waitFor("> ", terminal.waitFor("Olá, aventureiro!"));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type("\x1bOP");
  at = terminal.waitFor("> ", terminal.waitFor("Eis as instruções.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type("nor\x1b[11~");
  at = terminal.waitFor("> ", terminal.waitFor("Eis as instruções.", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type(":sair\r");
  EXPECT_EQ(terminal.exitStatus(), 0) << terminal.shown();
  for (const char* backend : {"PulseAudio", "pa_context", "qt.multimedia", "ALSA"})
    EXPECT_FALSE(has(terminal.shown(), backend)) << terminal.shown();
  EXPECT_FALSE(has(terminal.shown(), "OP")) << terminal.shown();
  EXPECT_FALSE(has(terminal.shown(), "Perdão, não entendi.")) << terminal.shown();
  // A missing device is said once at most, in the player's words.
  for (const std::string told : {"[nenhum dispositivo de som responde", "[no sound device answers"}) {
    const size_t first = terminal.shown().find(told);
    if (first != std::string::npos) EXPECT_EQ(terminal.shown().find(told, first + 1), std::string::npos) << terminal.shown();
  }
}

TEST_F(TerminalTest, TheLinksOfPicturesAreLinksAndSpotsAreNamedForThePlayer) {
  game.write("final.scx", "modo= 3\ndefinput= on\nbtxt= Digite NOVO ou @comece de novo|abertura|. Fim.\nlnkfnc= ,picFmap,0,0,20,20");
  std::string out = play(":executar final\n:links\n:pontos\n:clicar\n:link\n:link 1\n", "LANGUAGE= LC_ALL= LANG=C.UTF-8");
  EXPECT_EQ(exitCode, 0) << out;
  EXPECT_TRUE(has(out, "  1. comece de novo -> abertura\n")) << out;
  EXPECT_FALSE(has(out, "picFmap")) << out;
  EXPECT_TRUE(has(out, "  1. the map (panel)\n  2. comece de novo (page)\n")) << out;
  EXPECT_TRUE(has(out, "Type :clicar and the number of a spot (:pontos lists them), for example :clicar 1.")) << out;
  EXPECT_TRUE(has(out, "Type :link and the number of a link (:links lists them), for example :link 1.")) << out;
  EXPECT_TRUE(has(out, "> :link 1\nOlá, aventureiro!")) << out;  // following it clicks it
}

TEST_F(TerminalTest, TheHelpKeepsItsColumnsWhenItWraps) {
  TerminalOnPty terminal(game.path(), 50);
  ASSERT_TRUE(terminal.started());
  size_t at = terminal.waitFor("> ", terminal.waitFor("Olá, aventureiro!"));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type(":ajuda\r");
  at = terminal.waitFor("> ", terminal.waitFor(":sair", at));
  ASSERT_NE(at, std::string::npos) << terminal.shown();
  terminal.type(":sair\r");
  EXPECT_EQ(terminal.exitStatus(), 0);
  // ":baixar CONTROL  clicks one of its controls (TicLine, ...)" goes on under
  // its text (English or Portuguese, as the catalogue has it).
  const std::string& shown = terminal.shown();
  const bool english = has(shown, "  :baixar CONTROL ");
  const size_t line = shown.find(english ? "  :baixar CONTROL " : "  :baixar CONTROLE ");
  ASSERT_NE(line, std::string::npos) << shown;
  const size_t column = shown.find(english ? "clicks" : "clica", line) - line;
  const size_t next = shown.find('\n', line) + 1;
  EXPECT_EQ(shown.substr(next, column), std::string(column, ' ')) << shown.substr(line, 200);
}
