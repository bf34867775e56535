// Named save slots, end to end on the demo game through the player program: a
// slot restored in the same session is the moment it was saved; a slot survives
// a restart; a damaged slot is refused and changes nothing; a restore can be
// undone; slots live in the user's data folder, never in the game folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "base/file_io.h"

#include "support/test_game.h"

using namespace testing_support;

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

struct SaveSlotsTest : ::testing::Test {
  SaveSlotsTest() {
    for (const auto& entry : std::filesystem::directory_iterator(kDemoGame))
      std::filesystem::copy_file(entry.path(), game.path() / entry.path().filename());
    const char* old = std::getenv("XDG_DATA_HOME");
    if (old) oldDataHome = old;
    hadDataHome = old != nullptr;
    setenv("XDG_DATA_HOME", userData.path().c_str(), 1);
  }
  ~SaveSlotsTest() override {
    if (hadDataHome) setenv("XDG_DATA_HOME", oldDataHome.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
  }
  std::string state(const std::string& dump, const std::string& name) { return dumpedState(game, dump, name); }
  // The slot folders the player made for slot A (one per game).
  std::vector<std::filesystem::path> slotFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(userData.path() / "mirandel" / "saves"))
      if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
  }

  TempFolder game, userData;
  std::string oldDataHome;
  bool hadDataHome = false;
};

}  // namespace

TEST_F(SaveSlotsTest, ASlotRestoredInTheSameSessionIsTheMomentItWasSaved) {
  ASSERT_EQ(playEvents(game, dumpsInGame(game, "start\ntype NOVO\ntype LESTE\nsave A\ndump saved\n"
                             "type OESTE\ntype OESTE\ntype ABRA O BA\xC3\x9A\n"
                             "load A\ndump loaded\n"
                             "undo\ndump loadUndone\n")),
            0)
      << game.read("stderr.txt");
  for (const char* file : {"state.txt", "msg.txt", "msgmd0.txt", "hotspots.txt"})
    EXPECT_EQ(game.read(std::string("saved/") + file), game.read(std::string("loaded/") + file)) << file;
  // The restore is a turn: undone, the game is where it was before it.
  EXPECT_EQ(state("loadUndone", "Posic"), "casa");
  EXPECT_EQ(state("loaded", "Posic"), state("saved", "Posic"));
  // Nothing of the slot is in the game folder.
  EXPECT_FALSE(game.exists("slot.txt"));
  EXPECT_FALSE(slotFiles().empty());
}

TEST_F(SaveSlotsTest, ASlotSurvivesARestartAndBringsBackItsPlaceAndRegisters) {
  ASSERT_EQ(playEvents(game, dumpsInGame(game, "start\ntype NOVO\ntype LESTE\nsave Forja\ntype OESTE\ntype OESTE\nquit\n")), 0)
      << game.read("stderr.txt");
  const std::string registersAtSave = [&] {
    // The slot holds the registers of the moment it was saved.
    for (const auto& file : slotFiles())
      if (file.filename() == "2.dat") return *base::readFileBytes(file);
    return std::string("<none>");
  }();
  ASSERT_EQ(playEvents(game, dumpsInGame(game, "start\nload Forja\ndump loaded\n")), 0) << game.read("stderr.txt");
  EXPECT_EQ(state("loaded", "Posic"), "ferraria");
  EXPECT_EQ(game.read("mirandel.rgs"), registersAtSave);
  // The place's own text is on show.
  EXPECT_NE(game.read("loaded/msg.txt").find("Ferraria"), std::string::npos) << game.read("loaded/msg.txt");
}

TEST_F(SaveSlotsTest, ADamagedOrMissingSlotIsRefusedWithAClearMessageAndChangesNothing) {
  ASSERT_EQ(playEvents(game, dumpsInGame(game, "start\ntype NOVO\ntype LESTE\nsave A\ntype OESTE\nquit\n")), 0);
  for (const auto& file : slotFiles())
    if (file.filename() == "2.dat") std::ofstream(file, std::ios::binary | std::ios::app) << "x";
  const std::string registers = game.read("mirandel.rgs"), objects = game.read("mirandel.obx");
  ASSERT_EQ(playEvents(game, dumpsInGame(game, "start\ntype CONTINUAR\nload A\nload Nenhum\ndump after\n")), 0);
  const std::string errors = game.read("stderr.txt");
  EXPECT_NE(errors.find("\"A\" is damaged (mirandel.rgs): nothing was changed"), std::string::npos) << errors;
  EXPECT_NE(errors.find("no saved game named \"Nenhum\""), std::string::npos) << errors;
  EXPECT_EQ(game.read("mirandel.rgs"), registers);
  EXPECT_EQ(game.read("mirandel.obx"), objects);
  EXPECT_EQ(state("after", "Posic"), "praca");
}
