// The per-user copy of a game the player cannot write: one copy per installed
// folder (not per folder name), brought up to date when the installed game
// changes, while the files the player's play changed stay as they are.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/game_location.h"
#include "base/file_io.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct GameCopyTest : ::testing::Test {
  GameCopyTest() {
    for (const TempFolder* installed : {&first, &second}) {
      std::filesystem::create_directory(installed->path() / "game");
      installed->write("game/mirandel.ini", "");
      installed->write("game/mirandel.rgs", "shipped");
      installed->write("game/sub/sala.scx", "msg= sala");
    }
    first.write("game/abertura.scx", "msg= primeiro");
    second.write("game/abertura.scx", "msg= segundo");
  }
  std::string read(const std::filesystem::path& file) {
    return base::readFileBytes(file).value_or("<none>");
  }
  TempFolder first, second, userData;
};

}  // namespace

TEST_F(GameCopyTest, TwoGamesOfTheSameFolderNameGetTheirOwnCopies) {
  auto a = app::userCopy(first.path() / "game", userData.path());
  auto b = app::userCopy(second.path() / "game", userData.path());
  EXPECT_NE(a, b);
  EXPECT_EQ(a.filename().string().rfind("game-", 0), 0u) << a;  // still readable
  EXPECT_EQ(read(a / "abertura.scx"), "msg= primeiro\r\n");
  EXPECT_EQ(read(b / "abertura.scx"), "msg= segundo\r\n");
  EXPECT_EQ(app::userCopy(first.path() / "game", userData.path()), a);  // the same copy next time
}

TEST_F(GameCopyTest, AnUpdatedGameRefreshesItsContentButNeverThePlayersSaves) {
  auto copy = app::userCopy(first.path() / "game", userData.path());
  // The player plays: the saved registers change and a log appears.
  base::writeFileAtomically(copy / "mirandel.rgs", "saved by the player");
  base::writeFileAtomically(copy / "debug.txt", "log");
  // The installed game is updated: new scripts, new shipped registers, a new file.
  first.write("game/abertura.scx", "msg= primeiro, versão 2");
  first.write("game/sub/sala.scx", "msg= sala nova");
  first.write("game/mirandel.rgs", "shipped 2");
  first.write("game/novo.scx", "msg= novo");

  ASSERT_EQ(app::userCopy(first.path() / "game", userData.path()), copy);
  EXPECT_EQ(read(copy / "abertura.scx"), cp("msg= primeiro, versão 2\r\n"));
  EXPECT_EQ(read(copy / "sub/sala.scx"), "msg= sala nova\r\n");
  EXPECT_EQ(read(copy / "novo.scx"), "msg= novo\r\n");
  EXPECT_EQ(read(copy / "mirandel.rgs"), "saved by the player");
  EXPECT_EQ(read(copy / "debug.txt"), "log");
}

TEST_F(GameCopyTest, TheCopyOfAnEarlierVersionHandsOverTheSavedGameOnly) {
  // An earlier player kept one copy per folder name, with no record of its files.
  auto legacy = userData.path() / "games" / "game";
  std::filesystem::create_directories(legacy / "sub");
  base::writeFileAtomically(legacy / "mirandel.rgs", "saved by the player");
  base::writeFileAtomically(legacy / "abertura.scx", "msg= stale");
  base::writeFileAtomically(legacy / "mapa.bmp", "the player's map");

  auto copy = app::userCopy(first.path() / "game", userData.path());
  EXPECT_EQ(read(copy / "mirandel.rgs"), "saved by the player");
  EXPECT_EQ(read(copy / "mapa.bmp"), "the player's map");
  EXPECT_EQ(read(copy / "abertura.scx"), "msg= primeiro\r\n");
  EXPECT_EQ(read(legacy / "mirandel.rgs"), "saved by the player");  // left where it was
}

// The record of the copied files is written when it changes only: a start that
// copies nothing writes nothing (every write is a new file renamed into place).
TEST_F(GameCopyTest, AStartThatCopiesNothingLeavesTheRecordAsItWas) {
  auto copy = app::userCopy(first.path() / "game", userData.path());
  auto inode = [&] {
    struct stat info {};
    return ::stat((copy / ".mirandel-copy").c_str(), &info) == 0 ? info.st_ino : ino_t(0);
  };
  const ino_t written = inode();
  ASSERT_NE(written, ino_t(0));
  app::userCopy(first.path() / "game", userData.path());
  EXPECT_EQ(inode(), written);

  first.write("game/abertura.scx", "msg= primeiro, versão 2");
  app::userCopy(first.path() / "game", userData.path());
  EXPECT_NE(inode(), written);
  EXPECT_EQ(read(copy / "abertura.scx"), cp("msg= primeiro, versão 2\r\n"));
  // The new record holds: the next start copies nothing again, and keeps it.
  const ino_t rewritten = inode();
  app::userCopy(first.path() / "game", userData.path());
  EXPECT_EQ(inode(), rewritten);
}

TEST_F(GameCopyTest, TheCopyTakesNothingALinkLeadsToOutsideTheGame) {
  second.write("segredo.scx", "msg= de fora");
  std::filesystem::create_directory(second.path() / "fora");
  second.write("fora/outro.scx", "msg= de outra pasta");
  const auto game = first.path() / "game";
  std::filesystem::create_symlink(second.path() / "segredo.scx", game / "fora.scx");
  std::filesystem::create_symlink(second.path() / "fora", game / "pasta");
  std::filesystem::create_symlink(game / "sub" / "sala.scx", game / "atalho.scx");
  std::filesystem::create_symlink(second.path() / "segredo.scx", game / "sub" / "fundo.scx");

  auto copy = app::userCopy(game, userData.path());
  EXPECT_FALSE(std::filesystem::exists(copy / "fora.scx"));
  EXPECT_FALSE(std::filesystem::exists(copy / "sub" / "fundo.scx"));
  EXPECT_FALSE(std::filesystem::exists(copy / "pasta" / "outro.scx"));
  // A link that stays inside the game is copied as the file it leads to.
  EXPECT_EQ(read(copy / "atalho.scx"), "msg= sala\r\n");
  EXPECT_EQ(read(copy / "sub" / "sala.scx"), "msg= sala\r\n");
}
