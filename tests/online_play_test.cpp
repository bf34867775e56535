// End to end: the demo game played on-line against a local server. The server
// publishes a newer opening script, which the player runs; the version check
// offers a package; our updater unpacks it and starts the player again, which
// then plays the package's new script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/file_io.h"
#include "model/defs.h"
#include "support/test_game.h"
#include "support/test_package.h"
#include "support/test_server.h"

using namespace testing_support;

namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

}  // namespace

TEST(OnlinePlay, TheDemoGamePlaysANewerScriptAndUpdatesItselfThroughOurUpdater) {
  TempFolder game;
  const auto demo = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";
  std::filesystem::copy(demo, game.path(), std::filesystem::copy_options::recursive);
  // On-line play switched on in the player's table.
  auto table = base::readTextLines(game.path() / "mirandel.ini").value();
  table.resize(107);
  table[103] = "*";
  base::writeTextLines(game.path() / "mirandel.ini", table);

  TestServer server;
  server.serveList({"abertura.scx", "01/01/2030", "10:00:00", "x"});
  server.serve("/mrd2023/mrd/abertura.scx", "modo= 0\r\nmsg= Nova abertura do servidor.\r\n");
  server.serve("//mrd2023/vrsmrd.txt", "1.1\r\nmirandel.zpp\r\n");
  writePackage(game.path() / "pacote.zip", "q8m41xw",
               {{"novidade.scx", "modo= 0\r\nmsg= Novidade instalada pelo pacote.\r\n"}});
  server.serve("/mrd2023/mirandel.zpp", game.read("pacote.zip"));
  std::filesystem::remove(game.path() / "pacote.zip");

  const std::string dump = (game.path() / "fim").string();
  ASSERT_EQ(playEvents(game, "start\nclick down btAtual\nclick down btDEG\n", "--server " + server.url() + " --dump " + dump),
            0)
      << game.read("stderr.txt");

  // The newer opening script came from the server and ran.
  EXPECT_EQ(game.readUtf8Lines("fim/msgmd0.txt").at(0), "Nova abertura do servidor.");
  EXPECT_EQ(game.read("abertura.scx"), "modo= 0\r\nmsg= Nova abertura do servidor.\r\n");
  EXPECT_EQ(dumpedState(game, "fim", "lbAviso"), "Download completo!");
  EXPECT_TRUE(game.exists("mirandel.zpp"));
  EXPECT_FALSE(game.exists("novidade.scx"));

  // The player started the updater beside itself, never one from the game folder.
  auto opened = game.readUtf8Lines("fim/opened.txt");
  ASSERT_EQ(opened.size(), 1u);
  auto updater = words(opened[0]);
  ASSERT_GT(updater.size(), 10u);
  EXPECT_EQ(std::filesystem::path(updater[0]), std::filesystem::path(MIRANDEL_BINARY).parent_path() / "mirandel-update");

  // The updater runs as the player asked; the player it starts again plays a
  // second events file.
  std::filesystem::remove_all(dump);
  game.writeBytes("events.txt", "run novidade\n");
  std::string again;
  for (const auto& word : updater) again += word + " ";
  again += "2>" + (game.path() / "stderr2.txt").string();
  ASSERT_EQ(WEXITSTATUS(std::system(again.c_str())), 0) << game.read("stderr2.txt");
  EXPECT_FALSE(game.exists("mirandel.zpp"));
  EXPECT_TRUE(game.exists("novidade.scx"));
  EXPECT_EQ(game.readUtf8Lines("fim/msgmd0.txt").at(0), "Novidade instalada pelo pacote.");
}

TEST(OnlinePlay, TheTerminalShowsTheDownloadPageAndABulkDownloadLineByLine) {
  TempFolder game;
  writeGameFiles(game);
  game.write("abertura.scx", "modo= 0\nmsg= Olá!\ndownload");
  TestServer server;
  server.serveList({"a.scx", "01/01/2024", "10:00:00", "x", "b.scx", "01/01/2024", "10:00:00", "x", "c.scx"});
  server.serve("/mrd2023/mrd/a.scx", "A");
  server.serve("/mrd2023/mrd/b.scx", "B");
  game.writeBytes("input.txt", ":baixar\n:baixar TicLine\n:baixar btDWNtudo\n:baixar btAtual\n:baixar Nada\n");
  // The terminal's own words in Portuguese.
  std::string command = "LANGUAGE= LC_ALL= LANG=pt_BR.UTF-8 " + std::string(MIRANDEL_BINARY) + " --text --game " +
                        game.path().string() + " --server " +
                        server.url() + " <" + (game.path() / "input.txt").string() + " >" +
                        (game.path() / "output.txt").string() + " 2>&1";
  ASSERT_EQ(WEXITSTATUS(std::system(command.c_str())), 0) << game.read("output.txt");
  const std::string out = game.read("output.txt");
  auto has = [&](const std::string& part) { return out.find(part) != std::string::npos; };
  EXPECT_TRUE(has("Olá!\n[ ] TicLine\n(botão) btAtual\n1.0g\nVerificar atualizações...")) << out;
  EXPECT_TRUE(has("[x] TicLine\n[ ] TicTudo\n[ ] TicDown\n[ ] TicMult")) << out;
  EXPECT_TRUE(has("[1/3] a.scx\n[2/3] b.scx\n[3/3] c.scx")) << out;
  EXPECT_TRUE(has("Baixando...\nErro ao baixar arquivo ou internet fora do ar!")) << out;
  EXPECT_TRUE(has("Não há o controle Nada")) << out;
  EXPECT_EQ(game.read("a.scx"), "A");
  EXPECT_EQ(game.readLines("mirandel.ini").at(103), "*");
}

TEST(OnlinePlay, AnEventsFileNamesOnlyControlsOfTheDownloadPage) {
  TempFolder game;
  game.writeBytes("mirandel.ini", "");
  EXPECT_EQ(playEvents(game, "click down TicLine\nclick down Nada\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("line 2: click down needs a control"), std::string::npos)
      << game.read("stderr.txt");
}
