// The updater program: an encrypted package unpacked into the game folder, all
// or nothing, entries checked like names from the server, the player started again.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_game.h"
#include "support/test_package.h"

using namespace testing_support;

namespace {

int runUpdater(const TempFolder& game, const std::string& password, const std::string& restart = "") {
  std::string command = std::string(MIRANDEL_UPDATER) + " --game " + game.path().string() + " " + password +
                        " mirandel mirandel.zpp" + (restart.empty() ? "" : " -- " + restart) + " 2>" +
                        (game.path() / "updater-stderr.txt").string();
  return WEXITSTATUS(std::system(command.c_str()));
}

}  // namespace

TEST(Updater, UnpacksTheEncryptedPackageRemovesItAndStartsThePlayerAgain) {
  TempFolder game;
  game.writeBytes("sala.scx", "msg= velha\r\n");
  writePackage(game.path() / "mirandel.zpp", "q8m41xw",
               {{"sala.scx", "msg= nova\r\n"}, {"quadros/novo.png", "PNG"}, {"comandos.scx", "NORTE | sala\r\n"}});
  // The command after "--" is the player; here one that leaves a mark.
  EXPECT_EQ(runUpdater(game, "q8m41xw", "/bin/sh -c 'echo reiniciado > " + (game.path() / "marca.txt").string() + "'"), 0)
      << game.read("updater-stderr.txt");
  EXPECT_EQ(game.read("sala.scx"), "msg= nova\r\n");
  EXPECT_EQ(game.read("quadros/novo.png"), "PNG");
  EXPECT_EQ(game.read("comandos.scx"), "NORTE | sala\r\n");
  EXPECT_FALSE(game.exists("mirandel.zpp"));
  EXPECT_EQ(game.read("marca.txt"), "reiniciado\n");
  for (const auto& entry : std::filesystem::directory_iterator(game.path()))
    EXPECT_EQ(entry.path().filename().string().find(".mirandel-update"), std::string::npos);
}

TEST(Updater, WaitsForThePlayerToEndBeforeItUnpacks) {
  TempFolder game;
  writePackage(game.path() / "mirandel.zpp", "q8m41xw", {{"sala.scx", "nova"}});
  // A stand-in player that runs one more second, then the updater told to wait for it.
  const std::string timing = (game.path() / "timing.txt").string();
  std::string command = "sh -c 'sleep 1 & start=$(date +%s%N); " + std::string(MIRANDEL_UPDATER) + " --game " +
                        game.path().string() + " --wait $! q8m41xw mirandel mirandel.zpp; echo $(( ($(date +%s%N) - start) / 1000000 )) > " +
                        timing + "'";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0);
  EXPECT_EQ(game.read("sala.scx"), "nova");
  EXPECT_GE(std::stoi(game.read("timing.txt")), 900);
}

TEST(Updater, ABadPackageLeavesTheGameFolderAsItWas) {
  TempFolder game;
  game.writeBytes("sala.scx", "msg= velha\r\n");
  const std::filesystem::path outside = game.path().parent_path() / ("fora-" + game.path().filename().string());
  struct Case {
    const char* what;
    std::vector<PackageEntry> entries;
    const char* password;
  };
  const std::vector<Case> cases = {
      {"a name with ..", {{"sala.scx", "msg= nova\r\n"}, {"../" + outside.filename().string(), "mau"}}, "q8m41xw"},
      {"an absolute name", {{"sala.scx", "msg= nova\r\n"}, {outside.string(), "mau"}}, "q8m41xw"},
      {"a link", {{"sala.scx", "msg= nova\r\n"}, {"atalho", "/etc/passwd", true}}, "q8m41xw"},
      {"the wrong password", {{"sala.scx", "msg= nova\r\n"}, {"outro.scx", "x"}}, "errada"},
  };
  for (const auto& c : cases) {
    writePackage(game.path() / "mirandel.zpp", c.password, c.entries);
    EXPECT_EQ(runUpdater(game, "q8m41xw"), 1) << c.what;
    EXPECT_EQ(game.read("sala.scx"), "msg= velha\r\n") << c.what;
    EXPECT_FALSE(game.exists("atalho")) << c.what;
    EXPECT_FALSE(game.exists("outro.scx")) << c.what;
    EXPECT_FALSE(std::filesystem::exists(outside)) << c.what;
    EXPECT_NE(game.read("updater-stderr.txt").find("as it was"), std::string::npos) << c.what;
  }
  // A package that is no zip at all.
  game.writeBytes("mirandel.zpp", "isto n\xE3o \xE9 um zip");
  EXPECT_EQ(runUpdater(game, "q8m41xw"), 1);
  EXPECT_EQ(game.read("sala.scx"), "msg= velha\r\n");
}
