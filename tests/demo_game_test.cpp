// End to end: the bundled demo game played through its whole walkthrough by an
// events file on a copy of the game, then started again: it resumes where it
// ended; a new game restores the shipped objects and empty registers.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "base/file_io.h"
#include "base/text.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

// The commands of the walkthrough: the lines of its fenced block.
std::vector<std::string> walkthrough() {
  std::ifstream file(kDemoGame / "WALKTHROUGH.md");
  std::vector<std::string> commands;
  std::string line;
  bool inside = false;
  while (std::getline(file, line)) {
    if (line == "```") inside = !inside;
    else if (inside && !base::trim(line).empty()) commands.push_back(line);
  }
  return commands;
}

struct DemoGameTest : ::testing::Test {
  DemoGameTest() {
    for (const auto& entry : std::filesystem::directory_iterator(kDemoGame))
      std::filesystem::copy_file(entry.path(), game.path() / entry.path().filename());
  }
  // Plays the events and dumps into the named folder; returns the exit code.
  int play(const std::string& events, const std::string& dump) {
    game.writeBytes("events.txt", events);
    std::string command = std::string(MIRANDEL_BINARY) + " --game " + game.path().string() + " --events " +
                          (game.path() / "events.txt").string() + " --dump " + (game.path() / dump).string() +
                          " 2>" + (game.path() / "stderr.txt").string();
    return WEXITSTATUS(std::system(command.c_str()));
  }
  std::string state(const std::string& dump, const std::string& name) {
    for (const auto& line : game.readUtf8Lines(dump + "/state.txt"))
      if (line.rfind(name + "=", 0) == 0) return line.substr(name.size() + 1);
    return "<absent>";
  }
  std::string errors(const std::string& dump) { return game.read(dump + "/errors.txt"); }

  // The places of the map and where their pieces lie on it.
  struct Place {
    const char* name;
    int x, y;
  };
  static std::vector<Place> allPlaces() {
    return {{"praca", 88, 68},  {"capela", 88, 8},  {"torre", 168, 8},   {"ferraria", 168, 68}, {"casa", 8, 68},
            {"porao", 8, 128},  {"ponte", 88, 128}, {"margem", 168, 128}, {"moinho", 88, 188}};
  }
  // Whether the saved map shows the pieces of these places and of no other.
  ::testing::AssertionResult mapShowsExactly(const std::vector<Place>& shown) {
    QImage map(QString::fromStdString((game.path() / "mapa.bmp").string()), "BMP");
    if (map.size() != QSize(256, 252)) return ::testing::AssertionFailure() << "no saved map of 256 x 252";
    for (const Place& place : allPlaces()) {
      const bool expected = std::any_of(shown.begin(), shown.end(), [&](const Place& p) { return p.x == place.x && p.y == place.y; });
      const bool present = (map.pixel(place.x + 3, place.y + 22) & 0xFFFFFF) == 0x6E5A3C;  // the pieces' colour
      if (present != expected) return ::testing::AssertionFailure() << place.name << (present ? " is" : " is not") << " on the map";
    }
    return ::testing::AssertionSuccess();
  }
  TempFolder game;
};

}  // namespace

TEST_F(DemoGameTest, TheWalkthroughReachesTheEndAndTheGameResumesThere) {
  auto commands = walkthrough();
  ASSERT_GE(commands.size(), 20u);
  std::string events = "start\n";
  for (const auto& command : commands) events += "type " + command + "\n";
  events += "quit\n";
  ASSERT_EQ(play(events, "fim"), 0) << game.read("stderr.txt");
  EXPECT_EQ(errors("fim"), "");
  EXPECT_EQ(state("fim", "Posic"), "final");
  EXPECT_EQ(state("fim", "lastCommand"), "TOQUE O SINO");
  auto registers = game.readLines("mirandel.rgs");
  ASSERT_EQ(registers.size(), 50u);
  EXPECT_EQ(registers[24], "fim");
  auto objects = game.readLines("mirandel.obx");
  auto objectsFile = game.read("mirandel.obx");
  ASSERT_EQ(objects.size(), 72u);
  EXPECT_EQ(objects[3], "sino");      // badalo, in the bell
  EXPECT_EQ(objects[5 * 8 + 3], "jog");  // lanterna, carried
  EXPECT_EQ(objects[5 * 8 + 2], "uma lanterna acesa");
  EXPECT_EQ(game.readLines("mirandel.ini").at(10), "final");
  // The saved map holds a piece for every place the walkthrough went through.
  EXPECT_TRUE(mapShowsExactly(allPlaces()));
  // Every key down in the command box clicked (at least Enter for each command).
  auto sounds = game.readUtf8Lines("fim/sounds.txt");
  EXPECT_GE(std::count(sounds.begin(), sounds.end(), "effect clk3.wav"), static_cast<long>(commands.size()));

  // Started again, the game continues where it stopped, with the same state.
  // The ending's text box holds a link that starts a new game.
  std::vector<std::string> link;
  for (const auto& line : game.readUtf8Lines("fim/hotspots.txt"))
    if (line.find("\tnovo\tcomece de novo\t") != std::string::npos)
      for (size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
        link.push_back(line.substr(at, (end = line.find('\t', at)) - at));
  ASSERT_GE(link.size(), 5u) << game.read("fim/hotspots.txt");
  EXPECT_EQ(link[0], "60");
  const std::string clickLink = "click md3 " + std::to_string(std::stoi(link[1]) + std::stoi(link[3]) / 2) + " " +
                                std::to_string(std::stoi(link[2]) + std::stoi(link[4]) / 2) + "\n";

  std::string registersFile = game.read("mirandel.rgs");
  ASSERT_EQ(play("start\ntype continuar\n", "volta"), 0) << game.read("stderr.txt");
  EXPECT_EQ(errors("volta"), "");
  EXPECT_EQ(state("volta", "Posic"), "final");
  EXPECT_EQ(state("volta", "registers"), "50");
  EXPECT_EQ(state("volta", "objects"), "9");
  EXPECT_EQ(game.read("mirandel.rgs"), registersFile);
  EXPECT_EQ(game.read("mirandel.obx"), objectsFile);
  // The ending is a drawn page (mode "3"): its closing words are collected in Memo3.
  EXPECT_EQ(state("volta", "page"), "3");
  EXPECT_NE(game.read("volta/memo3.txt").find("*** FIM ***"), std::string::npos);
  // A click on the link begins the adventure again.
  ASSERT_EQ(play("start\ntype continuar\n" + clickLink, "recomeco"), 0) << game.read("stderr.txt");
  EXPECT_EQ(state("recomeco", "Posic"), "praca");
  EXPECT_EQ(state("recomeco", "lastCommand"), "CONTINUAR");
  EXPECT_EQ(errors("recomeco"), "");
}

TEST_F(DemoGameTest, TheCompassArrowsAndTheObjectIconsOfThePanelPlayWithTheMouse) {
  // In the square the panel's compass has an arrow for every exit, and at the
  // forge the shovel lies there as an icon.
  ASSERT_EQ(play("start\ntype novo\ndump " + (game.path() / "praca").string() +
                     "\nmove fnc 140 130\ndump " + (game.path() / "seta").string() +
                     "\nclick fnc 140 130\ndump " + (game.path() / "ferraria").string() +
                     "\nclick fnc 50 250\ntype olhe\nclick fnc 40 130\n",
                 "volta"),
            0)
      << game.read("stderr.txt");
  // Four arrows and the map window, which opens the map page.
  const auto praca = game.readUtf8Lines("praca/hotspots.txt");
  EXPECT_EQ(praca.size(), 5u);
  EXPECT_EQ(std::count_if(praca.begin(), praca.end(),
                          [](const std::string& line) { return line.find("\tpicFmap\t") != std::string::npos; }),
            1);
  EXPECT_EQ(state("seta", "cursorShape"), "rightArrow");
  EXPECT_EQ(state("ferraria", "Posic"), "ferraria");
  auto spots = game.readUtf8Lines("ferraria/hotspots.txt");
  ASSERT_EQ(spots.size(), 4u);  // the map window, the way back west, the anvil and the shovel
  auto shovel = std::find_if(spots.begin(), spots.end(),
                             [](const std::string& line) { return line.find("\tpa\t") != std::string::npos; });
  ASSERT_NE(shovel, spots.end());
  EXPECT_EQ(shovel->substr(0, shovel->find("\tpa\t")), "22\t42\t238\t32\t32\t1");
  EXPECT_EQ(errors("volta"), "");
  EXPECT_EQ(state("volta", "Posic"), "praca");
  auto objects = game.readLines("mirandel.obx");
  ASSERT_EQ(objects.size(), 72u);
  EXPECT_EQ(objects[7 * 8 + 3], "jog");  // the shovel was taken by its icon
}

TEST_F(DemoGameTest, ANewGameRestoresTheShippedObjectsAndEmptiesTheRegisters) {
  ASSERT_EQ(play("start\ntype novo\ntype leste\ntype pegue a pá\ntype novo\n", "novo"), 0)
      << game.read("stderr.txt");
  EXPECT_EQ(errors("novo"), "");
  EXPECT_EQ(state("novo", "Posic"), "praca");
  for (const char* file : {"mirandel.obx", "mirandel.rgs"})
    EXPECT_EQ(game.read(file), base::readFileBytes(kDemoGame / file).value_or("<missing>")) << file;
}

TEST_F(DemoGameTest, TheMapGrowsWithThePlacesSeenAndItsPageLeadsBack) {
  const std::string at = game.path().string() + "/";
  ASSERT_EQ(play("start\ntype novo\ntype leste\ntype mapa\ndump " + at + "mapa\nclick voce 10 10\ndump " + at + "volta\n", "fim"), 0)
      << game.read("stderr.txt");
  EXPECT_EQ(errors("fim"), "");
  EXPECT_TRUE(mapShowsExactly({{"praca", 88, 68}, {"ferraria", 168, 68}}));
  EXPECT_EQ(state("mapa", "page"), "Mapa");
  EXPECT_EQ(state("mapa", "voceX"), "186");  // the middle of the smithy's piece
  EXPECT_EQ(state("mapa", "voceY"), "67");
  // The map window on the function panel shows the smithy's piece in its black frame.
  QImage panel(QString::fromStdString((game.path() / "mapa/buffunc.png").string()));
  ASSERT_FALSE(panel.isNull());
  EXPECT_EQ(panel.pixel(3, 3) & 0xFFFFFF, 0u);
  EXPECT_EQ(panel.pixel(5, 26) & 0xFFFFFF, 0x6E5A3Cu);
  EXPECT_EQ(state("volta", "page"), "1");
  EXPECT_EQ(state("volta", "Posic"), "ferraria");

  // Continuing keeps the map; a new game starts it blank again.
  ASSERT_EQ(play("start\ntype continuar\ntype oeste\ntype oeste\n", "mais"), 0);
  EXPECT_TRUE(mapShowsExactly({{"praca", 88, 68}, {"ferraria", 168, 68}, {"casa", 8, 68}}));
  ASSERT_EQ(play("start\ntype novo\n", "novo"), 0);
  EXPECT_TRUE(mapShowsExactly({{"praca", 88, 68}}));
}
