// Safe files: temporaries that never follow a planted symlink, sets of files
// replaced together, what a start finds after a kill, and a game folder that
// symlinks or folder parts cannot leave.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "base/file_io.h"
#include "base/game_folder.h"
#include "support/test_game.h"

using testing_support::TempFolder;

namespace {

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    names.push_back(entry.path().lexically_relative(folder).generic_string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(FileSafety, ATemporaryNamedLikeTheOldOneDoesNotLeadTheWriteOutside) {
  TempFolder game, elsewhere;
  elsewhere.writeBytes("precioso.txt", "intacto");
  auto victim = elsewhere.path() / "precioso.txt";
  std::filesystem::create_symlink(victim, game.path() / "mirandel.rgs.tmp~");
  ASSERT_TRUE(base::writeFileAtomically(game.path() / "mirandel.rgs", "novo"));
  EXPECT_EQ(elsewhere.read("precioso.txt"), "intacto");
  EXPECT_EQ(game.read("mirandel.rgs"), "novo");
  EXPECT_FALSE(std::filesystem::is_symlink(game.path() / "mirandel.rgs"));
}

TEST(FileSafety, AWriteOverASymlinkReplacesTheLinkNotItsTarget) {
  TempFolder game, elsewhere;
  elsewhere.writeBytes("precioso.txt", "intacto");
  std::filesystem::create_symlink(elsewhere.path() / "precioso.txt", game.path() / "debug.txt");
  ASSERT_TRUE(base::writeFileAtomically(game.path() / "debug.txt", "log", base::Durability::Unflushed));
  EXPECT_EQ(elsewhere.read("precioso.txt"), "intacto");
  EXPECT_EQ(game.read("debug.txt"), "log");
}

TEST(FileSafety, ASetIsReplacedWholeOrNotAtAll) {
  TempFolder game;
  game.writeBytes("j.rgs", "velho");
  game.writeBytes("j.obx", "velho");
  {
    base::FileSet set(game.path());
    set.add(game.path() / "j.rgs", "novo");
    set.add(game.path() / "j.obx", "novo");
    set.add(game.path() / "falta/j.ini", "novo");  // its folder does not exist
    std::string failed;
    EXPECT_FALSE(set.commit(&failed));
    EXPECT_EQ(failed, "j.ini");
  }
  EXPECT_EQ(game.read("j.rgs"), "velho");
  EXPECT_EQ(game.read("j.obx"), "velho");
  EXPECT_EQ(namesIn(game.path()), (std::vector<std::string>{"j.obx", "j.rgs"}));

  base::FileSet set(game.path());
  set.add(game.path() / "j.rgs", "novo rgs");
  set.addLines(game.path() / "j.obx", {"a", "b"});
  EXPECT_TRUE(set.commit());
  EXPECT_EQ(game.read("j.rgs"), "novo rgs");
  EXPECT_EQ(game.read("j.obx"), "a\r\nb\r\n");
  EXPECT_EQ(namesIn(game.path()), (std::vector<std::string>{"j.obx", "j.rgs"}));
}

TEST(FileSafety, TheNextStartFinishesAJournaledSetAndRemovesStaleTemporaries) {
  TempFolder game, elsewhere;
  // Killed while renaming: the journal lists two temporaries, one already renamed.
  game.writeBytes("j.rgs", "turno 2");
  game.writeBytes("j.obx", "turno 1");
  game.writeBytes("j.obx.AbCd12.tmp~", "turno 2");
  game.writeBytes("save-set.journal~", "j.rgs.XyZw34.tmp~\tj.rgs\nj.obx.AbCd12.tmp~\tj.obx\n");
  // Killed while writing: temporaries of an unfinished set and of the old naming.
  game.writeBytes("j.ini.QwEr56.tmp~", "meio");
  elsewhere.writeBytes("precioso.txt", "intacto");
  std::filesystem::create_symlink(elsewhere.path() / "precioso.txt", game.path() / "j.rgs.tmp~");
  game.writeBytes("notas.txt", "do autor");

  base::finishInterruptedSaves(game.path());
  EXPECT_EQ(game.read("j.rgs"), "turno 2");
  EXPECT_EQ(game.read("j.obx"), "turno 2");
  EXPECT_EQ(elsewhere.read("precioso.txt"), "intacto");
  EXPECT_EQ(namesIn(game.path()), (std::vector<std::string>{"j.obx", "j.rgs", "notas.txt"}));
}

TEST(FileSafety, AJournalCannotRenameAnythingOutsideTheFolder) {
  TempFolder game, elsewhere;
  elsewhere.writeBytes("x.tmp~", "de fora");
  elsewhere.writeBytes("alvo.txt", "intacto");
  game.writeBytes("notas.txt", "do autor");
  game.writeBytes("save-set.journal~", "../" + elsewhere.path().filename().string() + "/x.tmp~\tnotas.txt\n"
                  "notas.txt\t" + (elsewhere.path() / "alvo.txt").string() + "\n");
  base::finishInterruptedSaves(game.path());
  EXPECT_EQ(game.read("notas.txt"), "do autor");
  EXPECT_EQ(elsewhere.read("alvo.txt"), "intacto");
  EXPECT_TRUE(elsewhere.exists("x.tmp~"));
  EXPECT_FALSE(game.exists("save-set.journal~"));
}

TEST(FileSafety, TheGameFolderRefusesSymlinksAndFolderPartsThatLeadOutside) {
  TempFolder game, elsewhere;
  elsewhere.writeBytes("segredo.scx", "msg= de fora");
  game.writeBytes("dentro.scx", "msg= de dentro");
  std::filesystem::create_symlink(elsewhere.path() / "segredo.scx", game.path() / "fora.scx");
  std::filesystem::create_symlink(elsewhere.path(), game.path() / "sub");
  std::filesystem::create_symlink(game.path() / "dentro.scx", game.path() / "atalho.scx");
  std::filesystem::create_directory(game.path() / "pasta");
  base::GameFolder folder(game.path());

  EXPECT_FALSE(folder.find("fora.scx"));
  EXPECT_FALSE(folder.find("FORA.SCX"));
  EXPECT_FALSE(folder.find("sub/segredo.scx"));
  EXPECT_FALSE(folder.pathForWriting("sub/evil.rgs"));
  EXPECT_FALSE(folder.pathForWriting("fora.scx"));
  // Links that stay inside the folder keep working.
  EXPECT_TRUE(folder.find("atalho.scx"));
  EXPECT_TRUE(folder.pathForWriting("pasta/novo.rgs"));
  EXPECT_TRUE(folder.pathForWriting("novo.rgs"));
}

TEST(FileSafety, AGameFolderReachedThroughASymlinkStillWorks) {
  TempFolder real, links;
  real.writeBytes("sala.scx", "msg= ok");
  std::filesystem::create_symlink(real.path(), links.path() / "jogo");
  base::GameFolder folder(links.path() / "jogo");
  EXPECT_TRUE(folder.find("sala.scx"));
  EXPECT_TRUE(folder.pathForWriting("novo.rgs"));
}

TEST(FileSafety, APlayerNeverRunsOrSavesThroughALinkThatLeadsOutside) {
  testing_support::TestGame t;
  TempFolder elsewhere;
  elsewhere.write("fora.scx", "reg= 1,de fora");
  std::filesystem::create_symlink(elsewhere.path() / "fora.scx", t.folder.path() / "atalho.scx");
  std::filesystem::create_symlink(elsewhere.path(), t.folder.path() / "sub");
  t.run("atalho");
  EXPECT_NE(t.reg(1), "de fora");

  t.game->folders.gameName = "sub/evil";
  t.script("s", "reg= 1,dentro");
  t.run("s");
  EXPECT_EQ(namesIn(elsewhere.path()), (std::vector<std::string>{"fora.scx"}));
  EXPECT_NE(t.errors().find("sub/evil"), std::string::npos) << t.errors();
}

namespace {

// A journal line that vouches for a temporary's bytes.
std::string vouchedLine(const std::string& temporary, const std::string& file, const std::string& bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001B3ULL;
  char sum[17];
  std::snprintf(sum, sizeof sum, "%016llx", static_cast<unsigned long long>(hash));
  return temporary + "\t" + file + "\t" + std::to_string(bytes.size()) + "\t" + sum + "\n";
}

}  // namespace

TEST(FileSafety, AJournalRenamesOnlyTemporariesThatHoldTheBytesItVouchesFor) {
  // Cut by a power loss before the set reached the disk: the journal did, one
  // temporary came back short. The old set stays, whole.
  TempFolder game;
  game.writeBytes("j.rgs", "turno 1");
  game.writeBytes("j.obx", "turno 1");
  game.writeBytes("j.rgs.AAAAAA.tmp~", "turno 2");
  game.writeBytes("j.obx.BBBBBB.tmp~", "tur");
  game.writeBytes("save-set.journal~", "save-set 2\n" + vouchedLine("j.rgs.AAAAAA.tmp~", "j.rgs", "turno 2") +
                                           vouchedLine("j.obx.BBBBBB.tmp~", "j.obx", "turno 2") + "end\n");
  base::finishInterruptedSaves(game.path());
  EXPECT_EQ(game.read("j.rgs"), "turno 1");
  EXPECT_EQ(game.read("j.obx"), "turno 1");
  EXPECT_EQ(namesIn(game.path()), (std::vector<std::string>{"j.obx", "j.rgs"}));

  // A journal cut short (no last line) names no set either.
  game.writeBytes("j.rgs.CCCCCC.tmp~", "turno 2");
  game.writeBytes("save-set.journal~", "save-set 2\n" + vouchedLine("j.rgs.CCCCCC.tmp~", "j.rgs", "turno 2"));
  base::finishInterruptedSaves(game.path());
  EXPECT_EQ(game.read("j.rgs"), "turno 1");

  // Whole temporaries, one already renamed by the kill: the set is finished.
  game.writeBytes("j.rgs", "turno 2");
  game.writeBytes("j.obx.DDDDDD.tmp~", "turno 2");
  game.writeBytes("save-set.journal~", "save-set 2\n" + vouchedLine("j.rgs.EEEEEE.tmp~", "j.rgs", "turno 2") +
                                           vouchedLine("j.obx.DDDDDD.tmp~", "j.obx", "turno 2") + "end\n");
  base::finishInterruptedSaves(game.path());
  EXPECT_EQ(game.read("j.rgs"), "turno 2");
  EXPECT_EQ(game.read("j.obx"), "turno 2");
  EXPECT_EQ(namesIn(game.path()), (std::vector<std::string>{"j.obx", "j.rgs"}));
}

TEST(FileSafety, ASetCostsTwoFlushesWhateverItsSizeAndAnUnchangedSetNone) {
  TempFolder game;
  auto commit = [&](const std::string& turn, int files) {
    base::FileSet set(game.path());
    for (int i = 0; i < files; ++i) set.add(game.path() / ("f" + std::to_string(i)), turn);
    const auto before = base::diskFlushCount();
    EXPECT_TRUE(set.commit());
    return base::diskFlushCount() - before;
  };
  EXPECT_EQ(commit("1", 5), 2u);
  EXPECT_EQ(commit("2", 2), 2u);
  EXPECT_EQ(commit("2", 2), 0u);  // both files hold these bytes already
  EXPECT_EQ(game.read("f0"), "2");
  EXPECT_EQ(game.read("f4"), "1");
  EXPECT_EQ(commit("3", 1), 2u);  // one file: its temporary, then its folder
  EXPECT_FALSE(game.exists("save-set.journal~"));
}
