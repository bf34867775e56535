// The player's start-up as a whole program: --quit-when-shown opens the window,
// paints the opening screen and closes it as the end button does (the shut-down
// sequence runs); and what the start-up leaves for later is not done before it
// is needed: libcurl is opened by the first transfer, never by a start without
// on-line play (that it works once opened is the on-line tests' business), and
// the opening screen opens no library of what it does not show (pictures from
// files, sound, QR codes, line editing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_game.h"

using namespace testing_support;

namespace {

struct StartUpTest : ::testing::Test {
  StartUpTest() {
    writeGameFiles(game);
    game.write("abertura.scx", "msg= Bem-vindo.");
  }

  // Runs the player with the loader naming every library it opens; its own
  // home, so nothing of the user's is read or changed. The exit status.
  int run(const std::string& options) {
    const std::string home = user.path().string();
    const std::string command = "HOME=" + home + " XDG_CONFIG_HOME=" + home + "/config XDG_DATA_HOME=" + home +
                                "/share XDG_RUNTIME_DIR=" + home + " DISPLAY=${DISPLAY:-:0} QT_QPA_PLATFORM=offscreen" +
                                " LD_DEBUG=files timeout 120 " + MIRANDEL_BINARY + " --game " + game.path().string() +
                                " " + options + " >" + (user.path() / "out.txt").string() + " 2>" +
                                (user.path() / "err.txt").string();
    return WEXITSTATUS(std::system(command.c_str()));
  }
  bool loaded(const std::string& library) { return user.read("err.txt").find(library) != std::string::npos; }

  TempFolder game, user;
};

}  // namespace

TEST_F(StartUpTest, QuitWhenShownClosesTheOpeningScreenAsTheEndButtonDoes) {
  ASSERT_EQ(run("--quit-when-shown"), 0) << user.read("err.txt").substr(0, 2000);
  ASSERT_TRUE(loaded("libQt6Widgets")) << "the loader's report is missing";
  // Played in the window: the terminal would have said who it is.
  EXPECT_EQ(user.read("out.txt"), "");
  // The shut-down sequence ran: its last line of the debug log is there.
  const auto log = game.readLines("debug.txt");
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Componentes liberados com sucesso");
  EXPECT_FALSE(loaded("libcurl")) << "the start-up opened libcurl without a transfer";
  for (const char* later : {"libjpeg", "libgif", "libsndfile", "libmpg123", "libmirandel_sound", "libqrencode", "libedit"})
    EXPECT_FALSE(loaded(later)) << "the opening screen opened " << later;
}

TEST_F(StartUpTest, ScriptedPlayWithoutAServerNeverOpensLibcurl) {
  game.write("events.txt", "start\ntype OLHE\nquit\n");
  ASSERT_EQ(run("--events " + (game.path() / "events.txt").string()), 0) << user.read("err.txt").substr(0, 2000);
  ASSERT_TRUE(loaded("libQt6Core"));
  EXPECT_FALSE(loaded("libcurl"));
}
