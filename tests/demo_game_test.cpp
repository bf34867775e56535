// End to end: the bundled demo game played through its whole walkthrough by an
// events file on a copy of the game, then started again: it resumes where it
// ended; a new game restores the shipped objects and empty registers; the ending
// keeps the command box for NOVO; what the places mention can be examined; no
// list of suggestions names a thing the player has still to find.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <algorithm>
#include <fstream>
#include <set>

#include "base/file_io.h"
#include "base/text.h"
#include "input/command_text.h"
#include "input/phrase_file.h"
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
    return playEvents(game, events, "--dump " + (game.path() / dump).string());
  }
  std::string state(const std::string& dump, const std::string& name) { return dumpedState(game, dump, name); }
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

TEST_F(DemoGameTest, AfterTheEndingTheCommandBoxStaysInSightAndTakesNovo) {
  std::string events = "start\n";
  for (const auto& command : walkthrough()) events += "type " + command + "\n";
  events += "dump " + (game.path() / "fim").string() + "\ntype novo\n";
  ASSERT_EQ(play(events, "novo"), 0) << game.read("stderr.txt");
  EXPECT_EQ(state("fim", "Posic"), "final");
  EXPECT_EQ(state("fim", "page"), "3");
  EXPECT_EQ(state("fim", "inputVisible"), "1");
  // The box is drawn, in its own colour, below the ending's page rather than under it.
  QImage screen(QString::fromStdString((game.path() / "fim" / "screen.png").string()));
  ASSERT_FALSE(screen.isNull());
  const auto table = game.readLines("mirandel.ini");
  const QColor boxColour(QStringLiteral("#") + QString::fromStdString(table.at(40)));
  EXPECT_EQ(screen.pixelColor(600, 395).rgb(), boxColour.rgb());
  // NOVO typed in the box begins the adventure again.
  EXPECT_EQ(errors("novo"), "");
  EXPECT_EQ(state("novo", "Posic"), "praca");
  EXPECT_EQ(state("novo", "lastCommand"), "NOVO");
}

TEST_F(DemoGameTest, WhatThePlacesMentionCanBeExaminedAndPegueTudoLargueTudoTakeAndDropWhatCanBeCarried) {
  // Every thing the phrase file lets the player examine has its part in the
  // script that answers (a label named as the thing; a missing one would fall
  // through to the first thing's answer), and asking for each of them in the
  // square raises no error.
  std::set<std::string> targets;
  std::string events = "start\ntype novo\n";
  for (const auto& line : game.readLines("comandos.scx")) {
    const size_t bar = line.find('|');
    const std::string target = bar == std::string::npos ? "" : base::trim(line.substr(bar + 1));
    if ((target.rfind("examinar&Prm=", 0) == 0 || target.rfind("cenario&Prm=", 0) == 0) && targets.insert(target).second)
      events += "type " + base::trim(line.substr(0, bar)) + "\n";
  }
  ASSERT_GE(targets.size(), 30u);
  for (const auto& target : targets) {
    const std::string script = target.substr(0, target.find('&')) + ".scx";
    const auto lines = game.readLines(script);
    const std::string label = ":" + target.substr(target.find('=') + 1);
    EXPECT_NE(std::find(lines.begin(), lines.end(), label), lines.end()) << script << " has no " << label;
  }
  ASSERT_EQ(play(events, "todos"), 0) << game.read("stderr.txt");
  EXPECT_EQ(errors("todos"), "");

  // Things are seen where they are, objects where they lie or when carried.
  ASSERT_EQ(play("start\ntype novo\ntype examine as casas\ndump " + (game.path() / "casas").string() +
                     "\ntype olhe a lareira\ndump " + (game.path() / "lareira").string() +
                     "\ntype leste\ntype pegue tudo\ndump " + (game.path() / "tudo").string() +
                     "\ntype pegue tudo\ndump " + (game.path() / "nada").string() +
                     "\ntype largue tudo\ndump " + (game.path() / "larga").string() +
                     "\ntype deixe tudo\ndump " + (game.path() / "vazio").string() +
                     "\ntype pegue tudo\ntype oeste\ntype examinar a pá\n",
                 "pa"),
            0)
      << game.read("stderr.txt");
  EXPECT_NE(game.read("casas/msg.txt").find("Casas de pedra cinzenta"), std::string::npos) << game.read("casas/msg.txt");
  EXPECT_NE(game.read("lareira/msg.txt").find("Não vejo isso aqui."), std::string::npos);
  EXPECT_NE(game.read("tudo/msg.txt").find("Você pega tudo o que pode levar."), std::string::npos);
  EXPECT_NE(game.read("nada/msg.txt").find("Não há nada aqui que você possa levar."), std::string::npos);
  EXPECT_NE(game.read("larga/msg.txt").find("Você larga tudo o que carregava."), std::string::npos);
  EXPECT_NE(game.read("vazio/msg.txt").find("Você não carrega nada."), std::string::npos);
  EXPECT_NE(game.read("pa/msg.txt").find("Uma pá curta de ferreiro"), std::string::npos) << game.read("pa/msg.txt");
  auto objects = game.readLines("mirandel.obx");
  ASSERT_EQ(objects.size(), 72u);
  EXPECT_EQ(objects[7 * 8 + 3], "jog");       // the shovel was taken
  EXPECT_EQ(objects[2 * 8 + 3], "ferraria");  // the anvil does not leave its place
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

TEST_F(DemoGameTest, NoSuggestionListNamesAThingStillHidden) {
  // The things found by solving a puzzle: a list that named them would give it away.
  const std::vector<std::string> hidden = {"LANTERNA", "F\xD3SFORO", "FOSFORO", "BADALO", "CHAVE"};
  auto namesHidden = [&](const std::string& list) {
    return std::any_of(hidden.begin(), hidden.end(), [&](const std::string& h) { return list.find(h) != std::string::npos; });
  };
  auto phrases = base::readTextLines(game.path() / "comandos.scx");
  ASSERT_TRUE(phrases);
  // Every verb typed alone is answered with a question, never with a list.
  std::set<std::string> verbs;
  for (const auto& line : *phrases) {
    const std::string phrase = base::trim(line.substr(0, line.find('|')));
    if (phrase.find(' ') != std::string::npos && phrase[0] != '/') verbs.insert(phrase.substr(0, phrase.find(' ')));
  }
  ASSERT_GE(verbs.size(), 25u);
  for (const auto& verb : verbs)
    if (verb != "MEUS") EXPECT_NE(input::findCommandScript(*phrases, verb), "") << verb << " alone gets a list";
  // The everyday verbs with an article and a thing the game does not know list
  // what can be seen from the start first, and only that.
  for (const std::string verb : {"PEGUE", "PEGAR", "APANHE", "LARGUE", "LARGAR", "SOLTE", "DEIXE", "EXAMINE",
                                 "EXAMINAR", "OLHE", "OLHAR", "ABRA", "ABRIR"})
    for (const std::string article : {"A", "O", "UM", "UMA"}) {
      const std::string command = verb + " " + article + " VELA";
      const std::string list = input::suggestCommands(*phrases, input::splitCommandWords(command));
      EXPECT_FALSE(namesHidden(list)) << command << " lists:\n" << list;
    }

  // In the house, where the lantern waits in the chest, on the typewriter page.
  ASSERT_EQ(play("start\ntype novo\ntype oeste\ntype pegue\ndump " + (game.path() / "pegue").string() +
                     "\ntype pegue a vela\n",
                 "vela"),
            0)
      << game.read("stderr.txt");
  EXPECT_EQ(errors("vela"), "");
  EXPECT_EQ(state("pegue", "Posic"), "casa");
  EXPECT_NE(game.read("pegue/msgmd0.txt").find("Pegar o quê?"), std::string::npos) << game.read("pegue/msgmd0.txt");
  const std::string list = game.read("vela/msgmd0.txt");
  EXPECT_NE(list.find("algumas ações"), std::string::npos) << list;
  EXPECT_NE(list.find("PEGUE O BAÚ"), std::string::npos) << list;
  EXPECT_EQ(list.find("LANTERNA"), std::string::npos) << list;
}
