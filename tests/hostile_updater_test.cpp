// Hostile update packages: a package that is a link to another archive, entries
// that name one file twice, a package that would unpack into far more than its
// size, and one that does not fit on the disk. Each leaves the game folder as
// it was and says why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "support/test_game.h"
#include "support/test_package.h"

using namespace testing_support;

namespace {

constexpr const char* kPassword = "q8m41xw";

int runUpdater(const TempFolder& game) {
  std::string command = std::string(MIRANDEL_UPDATER) + " --game " + game.path().string() + " " + kPassword +
                        " mirandel mirandel.zpp 2>" + (game.path() / "updater-stderr.txt").string();
  return WEXITSTATUS(std::system(command.c_str()));
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string randomBytes(size_t size) {
  std::mt19937 random(29);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(random());
  return bytes;
}

}  // namespace

TEST(HostileUpdater, APackageThatIsALinkIsRefused) {
  TempFolder game, user;
  game.writeBytes("sala.scx", "velha");
  // Any archive of the user's, with the same password even.
  writePackage(user.path() / "meu.zip", kPassword, {{"sala.scx", "nova"}, {"segredo.txt", "do usuario"}});
  std::filesystem::create_symlink(user.path() / "meu.zip", game.path() / "mirandel.zpp");
  EXPECT_EQ(runUpdater(game), 1);
  EXPECT_EQ(game.read("sala.scx"), "velha");
  EXPECT_FALSE(game.exists("segredo.txt"));
  EXPECT_TRUE(user.exists("meu.zip"));
  EXPECT_TRUE(contains(game.read("updater-stderr.txt"), "link")) << game.read("updater-stderr.txt");
  // Nor a folder, nor a link to a folder.
  std::filesystem::remove(game.path() / "mirandel.zpp");
  std::filesystem::create_directory(game.path() / "mirandel.zpp");
  EXPECT_EQ(runUpdater(game), 1);
  EXPECT_TRUE(contains(game.read("updater-stderr.txt"), "not a regular file")) << game.read("updater-stderr.txt");
}

TEST(HostileUpdater, EntriesThatNameOneFileTwiceAreRefusedBeforeAnythingIsWritten) {
  const std::vector<std::vector<PackageEntry>> cases = {
      {{"x", "nova 1"}, {"./x", "nova 2"}},
      {{"a/b", "nova 1"}, {"a//b", "nova 2"}},
      {{"a/b", "nova 1"}, {"a/./b", "nova 2"}},
      {{"novo", "arquivo"}, {"novo/dentro", "precisa de uma pasta"}},
  };
  for (const auto& entries : cases) {
    TempFolder game;
    game.writeBytes("x", "original");
    std::filesystem::create_directory(game.path() / "a");
    game.writeBytes("a/b", "original");
    writePackage(game.path() / "mirandel.zpp", kPassword, entries);
    EXPECT_EQ(runUpdater(game), 1) << entries[1].name;
    EXPECT_EQ(game.read("x"), "original") << entries[1].name;
    EXPECT_EQ(game.read("a/b"), "original") << entries[1].name;
    EXPECT_FALSE(game.exists("novo")) << entries[1].name;
    EXPECT_TRUE(contains(game.read("updater-stderr.txt"), "as it was")) << game.read("updater-stderr.txt");
  }
  // Names in another spelling, each once, install as their one file.
  TempFolder game;
  writePackage(game.path() / "mirandel.zpp", kPassword, {{"./sala.scx", "nova"}, {"quadros//fundo.png", "PNG"}});
  EXPECT_EQ(runUpdater(game), 0) << game.read("updater-stderr.txt");
  EXPECT_EQ(game.read("sala.scx"), "nova");
  EXPECT_EQ(game.read("quadros/fundo.png"), "PNG");
}

TEST(HostileUpdater, AFailedInstallPutsBackEveryFile) {
  TempFolder game;
  game.writeBytes("sala.scx", "velha");
  game.writeBytes("pasta", "um arquivo onde o pacote quer uma pasta");
  writePackage(game.path() / "mirandel.zpp", kPassword, {{"sala.scx", "nova"}, {"pasta/dentro.scx", "x"}});
  EXPECT_EQ(runUpdater(game), 1);
  EXPECT_EQ(game.read("sala.scx"), "velha");
  EXPECT_EQ(game.read("pasta"), "um arquivo onde o pacote quer uma pasta");
  EXPECT_TRUE(contains(game.read("updater-stderr.txt"), "as it was")) << game.read("updater-stderr.txt");
}

TEST(HostileUpdater, APackageThatUnpacksToFarMoreThanItsSizeIsRefused) {
  TempFolder game;
  game.writeBytes("sala.scx", "velha");
  // Four entries of 25 MB each, none too large alone: 100 MB from some 100 KB.
  const std::string zeros(25u << 20, '\0');
  writePackage(game.path() / "mirandel.zpp", kPassword,
               {{"sala.scx", "nova"}, {"a.bin", zeros}, {"b.bin", zeros}, {"c.bin", zeros}, {"d.bin", zeros}});
  ASSERT_LT(std::filesystem::file_size(game.path() / "mirandel.zpp"), 1u << 20);
  EXPECT_EQ(runUpdater(game), 1);
  EXPECT_EQ(game.read("sala.scx"), "velha");
  EXPECT_FALSE(game.exists("a.bin"));
  EXPECT_TRUE(contains(game.read("updater-stderr.txt"), "more than")) << game.read("updater-stderr.txt");
}

TEST(HostileUpdater, APackageThatDoesNotFitOnTheDiskSaysDiskFull) {
  // A small disk of its own: a tmpfs in a private mount namespace.
  TempFolder work;
  std::filesystem::create_directories(work.path() / "jogo");
  std::filesystem::create_directories(work.path() / "disco");
  work.writeBytes("jogo/sala.scx", "velha");
  writePackage(work.path() / "jogo/mirandel.zpp", kPassword, {{"sala.scx", "nova"}, {"musica.bin", randomBytes(2u << 20)}});
  const std::string w = work.path().string();
  const std::string script = "mount -t tmpfs -o size=3m none " + w + "/disco || exit 77; cp -r " + w + "/jogo " + w +
                             "/disco/; " + MIRANDEL_UPDATER + " --game " + w + "/disco/jogo " + kPassword +
                             " mirandel mirandel.zpp 2>" + w + "/stderr.txt; echo $? > " + w + "/rc.txt; cp " + w +
                             "/disco/jogo/sala.scx " + w + "/sala-depois.scx";
  const int status = WEXITSTATUS(std::system(("unshare -rm sh -c '" + script + "' 2>/dev/null").c_str()));
  if (status == 77 || !work.exists("rc.txt")) GTEST_SKIP() << "no private tmpfs here";
  EXPECT_EQ(work.read("rc.txt"), "1\n");
  EXPECT_EQ(work.read("sala-depois.scx"), "velha");
  EXPECT_TRUE(contains(work.read("stderr.txt"), "disk full")) << work.read("stderr.txt");
  EXPECT_FALSE(contains(work.read("stderr.txt"), "password")) << work.read("stderr.txt");
}
