// One player per game folder, as the processes see it: a second player on a
// folder another one plays says so and ends without writing anything, the
// first player's saves stay whole and its own, and once the first is killed
// with SIGKILL a new start plays the folder again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "base/file_io.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

// Every file of the folder with its bytes: what a player wrote there.
std::map<std::string, std::string> contents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file())
      files[entry.path().lexically_relative(folder).string()] = base::readFileBytes(entry.path()).value_or("");
  return files;
}

struct OnePlayerTest : ::testing::Test {
  OnePlayerTest() {
    fs::copy(fs::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel", game, fs::copy_options::recursive);
    // Every turn moves a register, an object and the position together.
    scratch.writeBytes("jogo/preparar.scx", "reg= 49,0\r\nsetpos= 0\r\nsetlocobj= badalo,0\r\n");
    scratch.writeBytes("jogo/turno.scx", "reg+ 49,1\r\nsetpos= #49\r\nsetlocobj= badalo,#49\r\n");
  }

  // A shell script run in the scratch folder; the player is $P, the game $G.
  int shell(const std::string& script) {
    scratch.writeBytes("play.sh", "cd " + quoted(scratch.path()) + " || exit 99\nP=" + std::string(MIRANDEL_BINARY) +
                                      "\nG=" + quoted(game) + "\nexport LANGUAGE= LC_ALL= LANG=C.UTF-8\n" + script);
    return WEXITSTATUS(std::system(("bash " + quoted(scratch.path() / "play.sh")).c_str()));
  }
  // Starts the first player on a pipe it reads its commands from (descriptor 3),
  // once it waits at its prompt.
  static std::string startFirst() {
    return "rm -f in first.txt && mkfifo in || exit 98\n"
           "$P --text --game \"$G\" <in >first.txt 2>&1 & first=$!\n"
           "exec 3>in\n"
           "for i in $(seq 600); do grep -q '^> ' first.txt 2>/dev/null && break; sleep 0.05; done\n";
  }
  // The turn the saved set holds, or what is wrong with it.
  std::string savedTurn() {
    const auto registers = scratch.readLines("jogo/mirandel.rgs");
    const auto table = scratch.readLines("jogo/mirandel.ini");
    const auto objects = scratch.readLines("jogo/mirandel.obx");
    if (registers.size() < 50 || table.size() < 12) return "missing lines";
    std::string place = "?";
    for (size_t i = 0; i + 3 < objects.size(); i += 8)
      if (objects[i] == "badalo") place = objects[i + 3];
    if (registers[49] != table[10] || registers[49] != place)
      return "mixed: register " + registers[49] + ", position " + table[10] + ", object at " + place;
    return registers[49];
  }

  TempFolder scratch;
  fs::path game = scratch.path() / "jogo";
};

}  // namespace

TEST_F(OnePlayerTest, ASecondPlayerOnTheFolderSaysSoAndWritesNothing) {
  ASSERT_EQ(shell("printf ':executar preparar\\n:sair\\n' | $P --text --game \"$G\" >/dev/null 2>&1\n"), 0);
  const int status = shell(startFirst() +
                           "printf ':executar turno\\n:executar turno\\n' >&3\n"
                           "for i in $(seq 600); do test $(grep -c 'executar turno' first.txt) -ge 2 && break; sleep 0.05; done\n"
                           "sleep 0.3\n"
                           "find \"$G\" -type f -exec md5sum {} + | sort >before.txt\n"
                           // The second player, asked to play a turn of its own.
                           "printf ':executar turno\\n:executar turno\\n:sair\\n' | $P --text --game \"$G\" >second.txt 2>&1\n"
                           "echo $? >second.code\n"
                           "find \"$G\" -type f -exec md5sum {} + | sort >after.txt\n"
                           "printf ':executar turno\\n:sair\\n' >&3\nexec 3>&-\nwait $first; echo $? >first.code\n");
  ASSERT_EQ(status, 0);
  EXPECT_EQ(scratch.read("second.code"), "1\n");
  const std::string second = scratch.read("second.txt");
  EXPECT_NE(second.find("This game is already open in another mirandel"), std::string::npos) << second;
  EXPECT_NE(second.find(game.filename().string()), std::string::npos) << second;
  // Not a byte of the folder changed while the second player ran.
  EXPECT_EQ(scratch.read("before.txt"), scratch.read("after.txt"));
  EXPECT_EQ(scratch.read("first.code"), "0\n");
  // The first player's three turns, whole, and none of the second's.
  EXPECT_EQ(savedTurn(), "3");
  EXPECT_EQ(scratch.read("first.txt").find("consegui gravar"), std::string::npos) << scratch.read("first.txt");
}

TEST_F(OnePlayerTest, AKilledPlayerLeavesTheFolderFreeForTheNextStart) {
  ASSERT_EQ(shell("printf ':executar preparar\\n:sair\\n' | $P --text --game \"$G\" >/dev/null 2>&1\n"), 0);
  const int status = shell(startFirst() +
                           "printf ':executar turno\\n' >&3\n"
                           "for i in $(seq 600); do grep -q 'executar turno' first.txt && break; sleep 0.05; done\n"
                           "sleep 0.3\nkill -KILL $first; wait $first\n"
                           "exec 3>&-\n"
                           "printf ':executar turno\\n:sair\\n' | $P --text --game \"$G\" >next.txt 2>&1\n"
                           "echo $? >next.code\n");
  ASSERT_EQ(status, 0);
  EXPECT_EQ(scratch.read("next.code"), "0\n") << scratch.read("next.txt");
  EXPECT_EQ(scratch.read("next.txt").find("already open"), std::string::npos) << scratch.read("next.txt");
  EXPECT_EQ(savedTurn(), "2");
}
