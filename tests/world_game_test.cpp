// Game start and saved state: loading the game files, the opening script in
// display mode "3", a start that comes once only, a start that cannot load a
// file, resuming after shut-down, and the reset statement for registers and the
// saved map.
#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "graphics/surfaces.h"
#include "model/defs.h"
#include "shell/game_start.h"
#include "shell/input_queue.h"
#include "shell/input_wiring.h"
#include "shell/startup.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

struct GameStartTest : ::testing::Test {
  GameStartTest() : t(false) {
    t.gameInPlay = false;
    // The player's own table names the game "aventura"; the game's table
    // carries the saved position.
    base::Lines own = model::DefinitionsTable::builtInRows();
    own[4] = "aventura";
    t.folder.writeBytes("mirandel.ini", base::joinLines(own));
    base::Lines table = own;
    table[5] = "20";
    table[6] = "inicio";
    table[7] = "ultimo";
    table[8] = "volta";
    table[9] = "lanterna";
    table[10] = "sala";
    t.folder.writeBytes("aventura.ini", base::joinLines(table));
    std::string registers;
    for (int n = 0; n < 20; ++n) registers += "r" + std::to_string(n) + "\n";
    t.folder.write("aventura.rgs", registers);
    t.folder.write("aventura.obz", "lanterna\nChave\n");
    t.folder.write("aventura.obx",
                   "Chave\nChave\numa chave\nsala\n\n\n\n\nlanterna\nLanterna\numa lanterna\njog\n\n\n\n\n");
    // The opening script notes the mode it runs in and what it found.
    t.script("abertura", "getvar= 0,Modelo\ngetvar= 1,Script\ngetvar= 2,Posic\ngetlocobj= 3,lanterna");
    t.start();
  }
  void startGame() { shell::startGame(*t.game); }
  TestGame t;

  // One turn that moves, sets a register and takes an object together.
  void playTurnInTheRoom() {
    t.script("jogar", "setpos= quarto\nreg= 7,aberta\npoeobj= Chave,jog\nobjeto= Chave\nretscp= quarto");
    t.run("jogar");
  }
  // What a start after that turn must bring back.
  void expectResumedInTheRoom() {
    EXPECT_EQ(t.errors(), "");
    EXPECT_EQ(t.game->world.Posic, "quarto");
    EXPECT_EQ(t.game->world.Objeto, "Chave");
    EXPECT_EQ(t.game->RetScp, "quarto");
  }
};

}  // namespace

TEST_F(GameStartTest, LoadsTheGameFilesAndRunsTheOpeningScriptInModeThree) {
  startGame();
  auto& game = *t.game;
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(game.Regs.size(), 20u);
  EXPECT_EQ(game.registerCount, 20);
  EXPECT_EQ(game.world.Objs, (base::Lines{"Chave", "lanterna"}));  // sorted on loading
  EXPECT_EQ(game.world.Objx.size(), 16u);
  EXPECT_EQ(game.IniScp, "inicio");
  EXPECT_EQ(game.RetScp, "volta");
  EXPECT_EQ(game.world.Objeto, "lanterna");
  EXPECT_EQ(t.reg(0), "3");
  EXPECT_EQ(t.reg(1), "abertura");  // not the script named in row 7
  EXPECT_EQ(t.reg(2), "sala");
  EXPECT_EQ(t.reg(3), "jog");
  EXPECT_EQ(game.Defs.defsRow(7), "abertura");  // the run's save wrote the position rows
  EXPECT_EQ(game.screen.outerPage, model::OuterPage::Default);
  // The end of the run saved the registers.
  EXPECT_EQ(t.folder.readLines("aventura.rgs").at(0), "3");
}

TEST_F(GameStartTest, AfterTheFirstStartAStartDoesNothing) {
  t.script("abertura", "reg$ 4,+");
  shell::InputQueue player(*t.game);
  shell::connectPlayerInput(player);
  using Kind = shell::PlayerInput::Kind;
  // A double-click that arrives while the first start runs waits in the queue.
  bool clickedAgain = false;
  t.headless.onProcessEvents = [&] {
    if (!std::exchange(clickedAgain, true)) player.post({Kind::Start, {}});
  };
  player.post({Kind::Start, {}});
  EXPECT_TRUE(clickedAgain);
  EXPECT_EQ(t.reg(4), "r4+");  // the opening script ran once
  // A later start neither reloads the game nor runs the opening script again.
  t.script("mexe", "reg= 4,mexido\nsetpos= quarto");
  t.run("mexe");
  player.post({Kind::Start, {}});
  EXPECT_EQ(t.reg(4), "mexido");
  EXPECT_EQ(t.game->world.Posic, "quarto");
  EXPECT_EQ(t.game->runner.currentScript, "mexe");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(GameStartTest, AGameFileThatCannotBeOpenedStopsTheStartWithNothingRun) {
  for (const char* file : {"aventura.obx", "aventura.obz", "aventura.rgs", "aventura.ini"}) {
    SCOPED_TRACE(file);
    t.host.record.errors.clear();
    std::filesystem::remove(t.folder.path() / file);
    startGame();
    EXPECT_NE(t.errors().find(std::string("N\u00e3o consegui come\u00e7ar o jogo: n\u00e3o consegui abrir o arquivo ") +
                              file),
              std::string::npos)
        << t.errors();
    // Nothing was taken from the files read before the missing one, and no script ran.
    EXPECT_EQ(t.game->Regs.size(), model::Registers::builtInValues().size());
    EXPECT_TRUE(t.game->world.Objs.empty());
    EXPECT_EQ(t.game->Defs.defsRow(10), "posic1");
    EXPECT_EQ(t.reg(1), "1");
    // The opening screen is back: the player may close or try again.
    EXPECT_EQ(t.game->screen.outerPage, model::OuterPage::Abertura);
  }
}

TEST_F(GameStartTest, ANonNumericRegisterCountStopsTheStart) {
  base::Lines table = model::DefinitionsTable::builtInRows();
  table[5] = "muitos";
  t.folder.writeBytes("aventura.ini", base::joinLines(table));
  startGame();
  EXPECT_NE(t.errors().find("muitos"), std::string::npos);
  EXPECT_EQ(t.game->registerCount, 250);
}

TEST_F(GameStartTest, ResumesWithTheSameStateAfterShutDown) {
  startGame();
  playTurnInTheRoom();
  shell::shutDown(*t.game);
  base::Lines registers = t.game->Regs.values(), objects = t.game->world.Objx;

  t.start();
  startGame();
  expectResumedInTheRoom();
  EXPECT_EQ(t.game->world.Objx, objects);
  EXPECT_EQ(t.reg(7), "aberta");
  // Everything else as it was; the opening script noted the new position.
  registers[2] = "quarto";
  EXPECT_EQ(t.game->Regs.values(), registers);
}

TEST_F(GameStartTest, ResetEmptiesTheCountedRegistersAndAbortsPastTheStore) {
  startGame();
  t.script("s", "reset regs\nreset qualquer,coisa\nreg= 0,depois");
  t.run("s");
  for (int n = 1; n < 20; ++n) EXPECT_EQ(t.reg(n), "");
  EXPECT_EQ(t.reg(0), "depois");
  t.game->Regs.values().resize(5);
  t.setReg(4, "quatro");
  t.game->registerCount = 10;
  t.script("s", "reg= 0,antes\nreset regs\nreg= 0,depois");
  t.run("s");
  EXPECT_EQ(t.reg(0), "");  // emptied before the missing register stopped the run
  EXPECT_EQ(t.reg(4), "");
  EXPECT_NE(t.errors().find("registro 5"), std::string::npos);
}

TEST_F(GameStartTest, ResetOfTheMapDeletesOnlyAFileOfTheGameFolder) {
  t.folder.write("mapa.bmp", "x");
  t.folder.write("sub/mapa2.bmp", "x");
  std::filesystem::path outside = t.folder.path().parent_path() / "mirandel-fora-do-jogo.bmp";
  std::ofstream(outside) << "x";
  t.script("s", "reset mapa,MAPA.BMP\nreset mapa,sub\\mapa2.bmp\nreset mapa,../mirandel-fora-do-jogo.bmp\n"
                "reset mapa,\nreset mapa,nenhum.bmp");
  t.run("s");
  EXPECT_FALSE(t.folder.exists("mapa.bmp"));
  EXPECT_FALSE(t.folder.exists("sub/mapa2.bmp"));
  EXPECT_TRUE(std::filesystem::exists(outside));
  std::filesystem::remove(outside);
  EXPECT_EQ(t.errors(), "");
}

TEST_F(GameStartTest, ClosingWithoutAGameLoadedLeavesTheSavedGameAlone) {
  std::string registers = t.folder.read("aventura.rgs");
  t.game->world.Posic = "perto";
  shell::shutDown(*t.game);  // closed at the opening screen
  EXPECT_EQ(t.folder.read("aventura.rgs"), registers);
  EXPECT_EQ(t.folder.readLines("aventura.ini").at(10), "sala");
  EXPECT_EQ(t.folder.readLines("mirandel.ini").at(10), "perto");  // the player's own table

  std::filesystem::remove(t.folder.path() / "aventura.obx");
  t.start();
  startGame();  // fails: nothing of the game is in memory
  shell::shutDown(*t.game);
  EXPECT_EQ(t.folder.read("aventura.rgs"), registers);
  EXPECT_FALSE(t.folder.exists("aventura.obx"));
}

TEST_F(GameStartTest, ShapesTheWindowToItsSkinUnlessRow93KeepsItRectangular) {
  QImage skin = graphics::makeSurface(4, 2, 0x102030);
  skin.setPixelColor(0, 0, QColor(255, 0, 255));
  t.game->surfaces.Imp = skin;
  startGame();
  EXPECT_TRUE(t.game->screen.windowShaped);

  t.start();
  t.game->Defs.setDefsRow(93, "*");
  t.game->surfaces.Imp = skin;
  startGame();
  EXPECT_FALSE(t.game->screen.windowShaped);
}

TEST_F(GameStartTest, AFailedStartWritesNothingOverTheGameAndShowsTheOpeningScreenAgain) {
  for (const char* file : {"aventura.obz", "aventura.ini"}) {
    SCOPED_TRACE(file);
    std::string registers = t.folder.read("aventura.rgs"), objects = t.folder.read("aventura.obx");
    std::string saved = t.folder.read(file);
    std::filesystem::remove(t.folder.path() / file);
    t.start();
    startGame();
    ASSERT_NE(t.errors(), "");
    EXPECT_EQ(t.game->screen.outerPage, model::OuterPage::Abertura);
    // Commands typed after it run, but they cannot overwrite the saved game.
    t.script("pegar", "reg= 1,pegou\nsetpos= longe");
    t.run("pegar");
    EXPECT_EQ(t.folder.read("aventura.rgs"), registers);
    EXPECT_EQ(t.folder.read("aventura.obx"), objects);
    t.folder.writeBytes(file, saved);
  }
}

TEST_F(GameStartTest, EveryRunSavesThePositionWithTheRegistersAndObjects) {
  startGame();
  playTurnInTheRoom();
  base::Lines objects = t.game->world.Objx;
  // Killed here: no shut-down. The next start resumes the turn as a whole.
  t.start();
  startGame();
  expectResumedInTheRoom();
  EXPECT_EQ(t.reg(7), "aberta");
  EXPECT_EQ(t.game->world.Objx, objects);
  EXPECT_EQ(t.folder.readLines("aventura.ini").at(10), "quarto");
}

TEST_F(GameStartTest, AStartFinishesAnInterruptedSaveAndRemovesItsTemporaries) {
  t.folder.writeBytes("aventura.rgs.tmp~", "velho");
  t.folder.writeBytes("aventura.obx.k3Xq9Z.tmp~", "meio");
  t.start();
  EXPECT_FALSE(t.folder.exists("aventura.rgs.tmp~"));
  EXPECT_FALSE(t.folder.exists("aventura.obx.k3Xq9Z.tmp~"));
}
