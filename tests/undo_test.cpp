// Undo and redo, end to end on the demo game: a turn undone leaves the game as
// it was before it (what the screen shows, the registers, the objects, the
// pictures, the saved files), redo brings it forward again, and a new turn after
// an undo drops what could have been redone. Also a snapshot of the whole state
// assigned back over ten turns.
#include <gtest/gtest.h>

#include <QImage>

#include "base/file_io.h"
#include "shell/game.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

struct UndoTest : ::testing::Test {
  UndoTest() { copyDemoGame(game); }

  static void copyDemoGame(const TempFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(kDemoGame))
      std::filesystem::copy_file(entry.path(), folder.path() / entry.path().filename());
  }

  // The files of a dump that show the game's state (the logs of requests and
  // error boxes grow with the session and are left out).
  static std::vector<std::string> stateFiles(const std::filesystem::path& dump) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dump)) {
      const std::string name = entry.path().filename().string();
      if (name != "sounds.txt" && name != "opened.txt" && name != "errors.txt") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  // Two dumps show the same game: the same files, texts byte for byte,
  // pictures pixel for pixel.
  ::testing::AssertionResult sameGame(const std::string& a, const std::string& b) {
    const auto dumpA = game.path() / a, dumpB = game.path() / b;
    const auto names = stateFiles(dumpA);
    if (names != stateFiles(dumpB)) return ::testing::AssertionFailure() << a << " and " << b << " hold other files";
    for (const std::string& name : names) {
      if (name.ends_with(".png")) {
        QImage one(QString::fromStdString((dumpA / name).string())), two(QString::fromStdString((dumpB / name).string()));
        if (one.convertToFormat(QImage::Format_RGB32) != two.convertToFormat(QImage::Format_RGB32))
          return ::testing::AssertionFailure() << name << " differs between " << a << " and " << b;
      } else if (base::readFileBytes(dumpA / name) != base::readFileBytes(dumpB / name)) {
        return ::testing::AssertionFailure() << name << " differs between " << a << " and " << b << ":\n"
                                             << *base::readFileBytes(dumpA / name) << "\n---\n"
                                             << *base::readFileBytes(dumpB / name);
      }
    }
    return ::testing::AssertionSuccess();
  }

  std::string state(const std::string& dump, const std::string& name) { return dumpedState(game, dump, name); }

  TempFolder game;
};

const char* kFiveTurns =
    "start\n"
    "type NOVO\n"
    "type LESTE\n"
    "dump turn2\n"
    "type PEGUE A P\xC3\x81\n"
    "type OESTE\n"
    "type OESTE\n"
    "dump turn5\n";

}  // namespace

TEST_F(UndoTest, UndoGoesBackTurnByTurnAndRedoComesForward) {
  ASSERT_EQ(playEvents(game, dumpsInGame(game, std::string(kFiveTurns) +
                                 "undo\nundo\nundo\ndump undone\n"
                                 "redo\nredo\nredo\ndump redone\n")),
            0)
      << game.read("stderr.txt");
  // The turns changed the place, the objects and the screen.
  ASSERT_NE(state("turn2", "Posic"), state("turn5", "Posic"));
  EXPECT_TRUE(sameGame("turn2", "undone"));
  EXPECT_TRUE(sameGame("turn5", "redone"));
}

TEST_F(UndoTest, ANewTurnAfterAnUndoDropsTheRedoAndMoreUndoThanTurnsIsHarmless) {
  ASSERT_EQ(playEvents(game, dumpsInGame(game, std::string(kFiveTurns) +
                                 "undo\nundo\nundo\n"
                                 "type LESTE\ndump after\n"
                                 "redo\ndump redoIgnored\n"
                                 "undo\nundo\nundo\nundo\nundo\nundo\nundo\nundo\nundo\ndump opening\n"
                                 "type NOVO\n")),
            0)
      << game.read("stderr.txt");
  EXPECT_TRUE(sameGame("after", "redoIgnored"));
  // Undone past the game start: the opening screen again, from which the game starts anew.
  EXPECT_EQ(state("opening", "outerPage"), "2");
}

// The saved game follows what is shown: after the undo the game folder holds the
// same registers, objects and place as a game that stopped after turn 2.
TEST_F(UndoTest, TheSavedGameAfterAnUndoIsTheGameOfTheTurnUndoneTo) {
  TempFolder stoppedAtTurn2;
  copyDemoGame(stoppedAtTurn2);
  ASSERT_EQ(playEvents(stoppedAtTurn2, "start\ntype NOVO\ntype LESTE\n"), 0);
  ASSERT_EQ(playEvents(game, dumpsInGame(game, std::string(kFiveTurns) + "undo\nundo\nundo\n")), 0) << game.read("stderr.txt");
  for (const char* saved : {"mirandel.rgs", "mirandel.obx"})
    EXPECT_EQ(game.read(saved), stoppedAtTurn2.read(saved)) << saved;
  auto rows = [](const TempFolder& folder) {
    auto lines = folder.readLines("mirandel.ini");
    return std::vector<std::string>(lines.begin() + 6, lines.begin() + 11);  // the position rows 6-10
  };
  EXPECT_EQ(rows(game), rows(stoppedAtTurn2));
}

// The whole state is one value: a copy taken in the middle of a game and
// assigned back after ten more turns gives back that moment, screen and all.
TEST(GameStateTest, ASnapshotAssignedBackIsTheMomentItWasTakenAt) {
  TestGame test;
  test.script("sala",
              "msg= Voc\xC3\xAA est\xC3\xA1 na sala.\n"
              "fim\n");
  test.run("sala");
  test.setReg(20, "antes");
  model::GameState snapshot = test.game->state();
  const QImage telaBefore = test.game->surfaces.Tela;
  for (int turn = 0; turn < 10; ++turn) {
    test.setReg(20, "depois " + std::to_string(turn));
    test.game->world.Posic = "outro";
    test.game->screen.Msg.text += " mais";
    test.game->surfaces.Tela = graphics::makeSurface(10, 10, 0xFF0000);
  }
  test.game->state() = snapshot;
  EXPECT_EQ(test.reg(20), "antes");
  EXPECT_EQ(test.game->world.Posic, snapshot.world.Posic);
  EXPECT_EQ(test.game->screen.Msg.text.str(), snapshot.screen.Msg.text.str());
  EXPECT_EQ(test.game->surfaces.Tela, telaBefore);
  // A text put back is a new edition for the window: it is shown afresh, never
  // taken for an addition to what the window showed after the snapshot.
  EXPECT_NE(test.game->screen.Msg.text.edition(), snapshot.screen.Msg.text.edition());
}
