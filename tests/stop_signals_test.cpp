// SIGTERM, SIGINT and SIGHUP close the player like the end button: the shut-down
// sequence runs (the game saved, the log's last line written) and the program
// exits normally, in the terminal and in the window.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "model/defs.h"
#include "support/test_game.h"

extern char** environ;

using namespace testing_support;

namespace {

struct StopSignalsTest : ::testing::Test {
  StopSignalsTest() { writeGame(); }
  void writeGame() {
    writeGameFiles(game, {"a", "b", "c"});
    game.write("abertura.scx", "modo= 0\nmsg= Olá");
    game.write("andar.scx", "setpos= quarto\nreg= 1,andou");
  }
  ~StopSignalsTest() override {
    if (input >= 0) ::close(input);
    if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }

  // Starts the player with its input from a pipe the test keeps open.
  void launch(bool window) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    input = pipeEnds[1];
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
      std::string text(*entry);
      if (text.rfind("DISPLAY=", 0) != 0 && text.rfind("WAYLAND_DISPLAY=", 0) != 0 &&
          text.rfind("QT_QPA_PLATFORM=", 0) != 0)
        environment.push_back(text);
    }
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    if (window) environment.push_back("DISPLAY=:mirandel-test");  // chooses the window, drawn offscreen
    std::vector<std::string> arguments = {MIRANDEL_BINARY, "--game", game.path().string()};
    if (!window) arguments.push_back("--text");
    std::vector<char*> argv, envp;
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : environment) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    const std::string output = (game.path() / "output.txt").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    ASSERT_EQ(posix_spawn(&pid, MIRANDEL_BINARY, &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[0]);
  }

  void type(const std::string& line) { ASSERT_EQ(::write(input, line.data(), line.size()), ssize_t(line.size())); }

  // Waits until the file has a line equal to the text.
  bool waitForLine(const std::string& file, const std::string& text) {
    for (int i = 0; i < 1200; ++i) {
      if (game.exists(file)) {
        auto lines = game.readLines(file);
        if (std::find(lines.begin(), lines.end(), text) != lines.end()) return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }

  // The exit status, or -1 when the player did not end by itself in time.
  int waitForExit() {
    for (int i = 0; i < 1200; ++i) {
      int status = 0;
      if (::waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
  }

  TempFolder game;
  pid_t pid = -1;
  int input = -1;
};

}  // namespace

TEST_F(StopSignalsTest, TheTerminalSavesAndEndsOnTermAndInt) {
  for (int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    writeGame();
    launch(false);
    type(":executar andar\n");
    ASSERT_TRUE(waitForLine("mirandel.rgs", "andou")) << game.read("output.txt");
    ::kill(pid, signal);
    EXPECT_EQ(waitForExit(), 0) << game.read("output.txt");
    EXPECT_EQ(game.readLines("debug.txt").back(), "Componentes liberados com sucesso");
    EXPECT_EQ(game.readLines("mirandel.ini").at(10), "quarto");
    ::close(input);
    input = -1;
  }
}

// The window's start-up opens an error box (the folder has no title theme) as
// the window first becomes active; a stop at any moment of the start-up, that
// box open or not, ends the player with the shut-down sequence.
TEST_F(StopSignalsTest, TheWindowSavesAndEndsOnHangUpAtAnyMomentOfItsStart) {
  struct Moment {
    const char* logged;  // the start-up line after which the signal comes
    int delay;           // milliseconds after that line
  };
  for (Moment moment : {Moment{"Defs criado com sucesso", 0}, Moment{"BufFunc criado com sucesso", 0},
                        Moment{"BufFunc criado com sucesso", 400}, Moment{"BufFunc criado com sucesso", 1500}}) {
    SCOPED_TRACE(std::string(moment.logged) + " + " + std::to_string(moment.delay) + " ms");
    writeGame();
    if (game.exists("debug.txt")) std::filesystem::remove(game.path() / "debug.txt");
    launch(true);
    ASSERT_TRUE(waitForLine("debug.txt", moment.logged)) << game.read("output.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(moment.delay));
    ::kill(pid, SIGHUP);
    EXPECT_EQ(waitForExit(), 0) << game.read("output.txt");
    EXPECT_EQ(game.readLines("debug.txt").back(), "Componentes liberados com sucesso");
    ::close(input);
    input = -1;
  }
}
