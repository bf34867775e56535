// The transcript: what the game shows in each display mode and what the player
// typed, in order, as UTF-8 lines; the demo game's opening turns through the
// player program with --transcript, appended to at each start.
#include <gtest/gtest.h>

#include "shell/input_queue.h"
#include "shell/input_wiring.h"
#include "shell/transcript.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

struct TranscriptTest : ::testing::Test {
  TranscriptTest() : queue(*test.game) {
    shell::connectPlayerInput(queue);
    transcript.attach(*test.game, queue);
  }
  void run(const std::string& script) { queue.post({shell::PlayerInput::Kind::Run, script}); }

  TestGame test;
  shell::InputQueue queue;
  shell::Transcript transcript;
};

}  // namespace

TEST_F(TranscriptTest, EachDisplayModeIsWrittenAsItReadsWithLineEndsOfItsOwn) {
  test.script("tipo", "modo= 0\n'Era uma vez§uma vila.'\nfim\n");
  test.script("faixa", "modo= 1\nmsg= Voc\xC3\xAA est\xC3\xA1 na pra\xC3\xA7" "a.\nfim\n");
  test.script("pagina",
              "modo= 2\n"
              "'Um livro.'\n"
              "'<a href=\"Scp=fechar\">Fechar</a> ou <a href=\"Scp=ler\">ler</a>'\n"
              "fim\n");
  test.script("tela", "modo= 3\n'Texto no quadro.'\nfim\n");
  run("tipo");
  run("faixa");
  run("pagina");
  run("tela");
  const std::string& text = transcript.sessionText();
  EXPECT_NE(text.find("Era uma vez\numa vila."), std::string::npos) << text;
  EXPECT_EQ(text.find('\r'), std::string::npos) << "game line ends become LF";
  EXPECT_NE(text.find("Voc\xC3\xAA est\xC3\xA1 na pra\xC3\xA7" "a."), std::string::npos) << text;
  // The page's links are numbered through the page, as the terminal numbers them.
  EXPECT_NE(text.find("\nUm livro.\nFechar [1] ou ler [2]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nTexto no quadro.\n"), std::string::npos) << text;
  EXPECT_LT(text.find("Era uma vez"), text.find("Um livro."));
}

TEST_F(TranscriptTest, TypedCommandsAndKeysAreWrittenBeforeTheirReply) {
  queue.post({shell::PlayerInput::Kind::Type, "OLHE"});
  const std::string& text = transcript.sessionText();
  ASSERT_NE(text.find("> OLHE\n"), std::string::npos) << text;
}

// The demo game's first turns through the player: the transcript file holds the
// start line, each command after "> " and each reply, in order; a second start
// appends.
TEST(TranscriptFileTest, TheDemoGamesTurnsAreWrittenInOrderAndEachStartAppends) {
  TempFolder game;
  for (const auto& entry : std::filesystem::directory_iterator(kDemoGame))
    std::filesystem::copy_file(entry.path(), game.path() / entry.path().filename());
  const std::string file = (game.path() / "transcript.txt").string();
  ASSERT_EQ(playEvents(game, "start\ntype NOVO\ntype LESTE\n", "--transcript " + file), 0) << game.read("stderr.txt");
  ASSERT_EQ(playEvents(game, "start\ntype CONTINUAR\n", "--transcript " + file), 0) << game.read("stderr.txt");
  const std::string text = game.read("transcript.txt");
  ASSERT_EQ(text.rfind("=== mirandel \xC2\xB7 ", 0), 0u) << text;
  const size_t novo = text.find("\n> NOVO\n"), leste = text.find("\n> LESTE\n"),
               forge = text.find("A forja est\xC3\xA1 fria h\xC3\xA1 muito tempo."),
               second = text.find("=== mirandel \xC2\xB7 ", 1), continuar = text.find("\n> CONTINUAR\n");
  ASSERT_NE(novo, std::string::npos) << text;
  ASSERT_NE(forge, std::string::npos) << text;
  EXPECT_LT(novo, leste);
  EXPECT_LT(leste, forge);
  EXPECT_LT(forge, second);
  EXPECT_LT(second, continuar);
  // Scripted play keeps no transcript unless asked.
  ASSERT_EQ(playEvents(game, "start\n"), 0);
  EXPECT_EQ(game.read("transcript.txt"), text);
}
