// The typed-command parser: normalising and splitting commands, matching and
// suggesting phrases, the answer of each display mode, the command keys and
// the command box's behaviour when the phrase file is missing.
#include <gtest/gtest.h>

#include "input/command_keys.h"
#include "input/command_text.h"
#include "input/phrase_file.h"
#include "shell/input_wiring.h"
#include "support/test_game.h"

using namespace testing_support;

TEST(CommandText, NormalisesAsciiAndTheListedAccentedLetters) {
  EXPECT_EQ(utf(input::normaliseCommand(cp("pegue a chave"))), "PEGUE A CHAVE");
  EXPECT_EQ(utf(input::normaliseCommand(cp("ação à vó, pôr ñ ü ê í ú õ â é á"))), "AÇÃO À VÓ, PÔR Ñ Ü Ê Í Ú Õ Â É Á");
  // Only those: è and ÿ stay small; blanks and punctuation stay.
  EXPECT_EQ(utf(input::normaliseCommand(cp("è ÿ  x?"))), "è ÿ  X?");
}

TEST(CommandText, SplitsTheFirstFourWordsAtSingleBlanks) {
  using W = model::CommandWords;
  EXPECT_EQ(input::splitCommandWords("NORTE"), (W{"NORTE", "", "", ""}));
  EXPECT_EQ(input::splitCommandWords("PEGUE A CHAVE"), (W{"PEGUE", "A", "CHAVE", ""}));
  EXPECT_EQ(input::splitCommandWords("A B C D E F"), (W{"A", "B", "C", "D"}));
  EXPECT_EQ(input::splitCommandWords("ABRA  PORTA"), (W{"ABRA", "", "PORTA", ""}));
}

TEST(PhraseFile, FindsTheFirstExactPhraseIncludingHiddenOnes) {
  base::Lines phrases = {"PEGUE A CHAVE | pegchave", "  NORTE   |  sala2  ", "NORTE | outra", "SEM BARRA",
                         "/AJUDA | ajuda", "| vazio"};
  EXPECT_EQ(input::findCommandScript(phrases, "PEGUE A CHAVE"), "pegchave");
  EXPECT_EQ(input::findCommandScript(phrases, "NORTE"), "sala2");
  EXPECT_EQ(input::findCommandScript(phrases, "/AJUDA"), "ajuda");
  EXPECT_EQ(input::findCommandScript(phrases, "PEGUE CHAVE"), "");
  EXPECT_EQ(input::findCommandScript(phrases, "SEM BARRA"), "");
  EXPECT_EQ(input::findCommandScript(phrases, "norte"), "");  // the command comes normalised
}

TEST(PhraseFile, SuggestsAtMostTwelveNearVisiblePhrasesInFileOrder) {
  base::Lines phrases;
  for (int i = 0; i < 15; ++i) phrases.push_back("ABRA A PORTA " + std::to_string(i) + " | p");
  phrases.insert(phrases.begin(), {"/ABRA TUDO | x", "PORTA ABRA | y", " | z", "FECHE A PORTA | w"});
  std::string one = input::suggestCommands(phrases, {"ABRA", "", "", ""});
  auto lines = base::splitLines(one);
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "PORTA ABRA ");  // the text before the bar, untrimmed
  EXPECT_EQ(lines[11], "ABRA A PORTA 10 ");
  EXPECT_EQ(one.substr(one.size() - 2), "\r\n");
  // Two words: both inside the phrase, in any order.
  std::string two = input::suggestCommands({"FECHE A PORTA | w", "PORTA ABRA | y", "ABRA | a"}, {"ABRA", "PORTA", "", ""});
  EXPECT_EQ(two, "PORTA ABRA \r\n");
  EXPECT_EQ(input::suggestCommands(phrases, {"", "PORTA", "", ""}), "");
  EXPECT_EQ(input::suggestCommands(phrases, {"VOAR", "", "", ""}), "");
}

namespace {

struct CommandStepTest : ::testing::Test {
  CommandStepTest() {
    t.folder.write("comandos.scx",
                   "NORTE | norte\nPEGUE A CHAVE | pegchave\nPEGUE A FACA | pegfaca\n/XYZZY | segredo\n"
                   "AÇÃO | acao\nINSTRUÇÕES | instrucoes\n");
    for (const char* name : {"norte", "pegchave", "pegfaca", "segredo", "acao", "instrucoes", "errocmd", "sala"})
      t.script(name, std::string("reg= 20,") + name);
    t.game->world.Posic = "sala";
    t.setReg(20, "");
  }
  void mode(const std::string& m) { t.game->screen.Modelo = model::DisplayModeSetting::parse(m); }
  std::string ran() {
    std::string name = t.reg(20);
    t.setReg(20, "");
    return name;
  }
  void type(const std::string& text) { shell::typeCommand(*t.game, cp(text)); }
  void key(const std::string& name) { shell::pressKey(*t.game, name); }
  std::string msgMd0() { return utf(t.game->screen.MsgMd0.text); }
  TestGame t;
};

}  // namespace

TEST_F(CommandStepTest, RunsTheScriptOfTheTypedPhraseAndRemembersIt) {
  mode("1");
  type("pegue a chave");
  EXPECT_EQ(ran(), "pegchave");
  EXPECT_EQ(utf(t.game->parser.lastCommand), "PEGUE A CHAVE");
  EXPECT_EQ(t.game->parser.commandWords[2], "CHAVE");
  EXPECT_EQ(t.game->screen.Input.text, "");
  type("ação");
  EXPECT_EQ(ran(), "acao");
  type("/xyzzy");
  EXPECT_EQ(ran(), "segredo");
  // Every key down clicks: five letters and Enter.
  t.host.record.sounds.clear();
  type("norte");
  EXPECT_EQ(t.host.record.sounds, std::vector<std::string>(6, "effect clk3.wav"));
}

TEST_F(CommandStepTest, AnswersAnUnknownCommandAsTheDisplayModeDoes) {
  mode("1");
  type("pegue o martelo");
  EXPECT_EQ(ran(), "");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Perdão, não entendi.");
  mode("2");
  type("pegue o martelo");
  EXPECT_EQ(ran(), "errocmd");
  mode("3");
  t.game->screen.Msg.text.clear();
  type("pegue o martelo");
  EXPECT_EQ(ran(), "");
  EXPECT_EQ(t.game->screen.Msg.text, "");
  EXPECT_EQ(utf(t.game->parser.lastCommand), "PEGUE O MARTELO");
}

TEST_F(CommandStepTest, TypesOutSuggestionsOrTheNotUnderstoodReplyInModeZero) {
  mode("0");
  t.game->screen.MsgMd0.text = "texto anterior";
  type("pegue");
  EXPECT_EQ(msgMd0(),
            "Não entendi mas conheço algumas ações que podem servir.\r\n\r\nPEGUE A CHAVE \r\nPEGUE A FACA \r\n");
  EXPECT_GT(t.headless.sleptTotal(), 0);  // typed out letter by letter
  type("voar");
  EXPECT_EQ(msgMd0(), "Perdão, não entendi.");
  type("pegue faca");  // both words inside, in any order
  EXPECT_EQ(msgMd0(), "Não entendi mas conheço algumas ações que podem servir.\r\n\r\nPEGUE A FACA \r\n");
  type("xyzzy");  // hidden phrases are never offered
  EXPECT_EQ(msgMd0(), "Perdão, não entendi.");
}

TEST_F(CommandStepTest, AnEmptyCommandDescribesTheLocationAgain) {
  mode("0");
  t.game->screen.MsgMd0.text = "texto anterior";
  t.game->parser.lastCommand = "NORTE";
  key("Enter");
  EXPECT_EQ(ran(), "sala");
  EXPECT_EQ(msgMd0(), "");
  EXPECT_EQ(t.game->parser.lastCommand, "NORTE");
  t.game->world.Posic.clear();
  key("Enter");
  EXPECT_EQ(ran(), "");
}

TEST_F(CommandStepTest, ABoxOfBlanksIsTheEmptyCommandNotAnEmptyBox) {
  // The box is tested for emptiness before it is trimmed: blanks make the command "".
  mode("1");
  t.game->parser.lastCommand = "NORTE";
  type("   ");
  EXPECT_EQ(ran(), "");  // the location is not described again
  EXPECT_EQ(t.game->parser.lastCommand, "");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Perdão, não entendi.");
  EXPECT_EQ(t.game->screen.Input.text, "");
  mode("0");
  type(" ");
  EXPECT_EQ(ran(), "");
  EXPECT_EQ(msgMd0(), "Perdão, não entendi.");
  // A phrase line whose phrase is blank is the empty command's own.
  t.folder.write("comandos.scx", "  | errocmd\nNORTE | norte\n");
  mode("1");
  type("  ");
  EXPECT_EQ(ran(), "errocmd");
}

TEST_F(CommandStepTest, FunctionKeysEnterTheTableCommandsAndF3RecallsTheLastOne) {
  mode("1");
  key("F3");  // nothing to recall yet
  EXPECT_EQ(t.game->screen.Input.text, "");
  key("F1");
  EXPECT_EQ(ran(), "instrucoes");
  EXPECT_EQ(utf(t.game->parser.lastCommand), "INSTRUÇÕES");
  type("norte");
  EXPECT_EQ(ran(), "norte");
  key("F3");
  EXPECT_EQ(t.game->screen.Input.text, "NORTE");
  EXPECT_EQ(ran(), "");  // recalled, not run
  key("Enter");
  EXPECT_EQ(ran(), "norte");
  key("F2");  // MEUS OBJETOS is not in this phrase file
  EXPECT_EQ(utf(t.game->parser.lastCommand), "MEUS OBJETOS");
  key("F4");
  EXPECT_EQ(utf(t.game->parser.lastCommand), "EXAMINE O LOCAL");
  key("Escape");
  EXPECT_EQ(ran(), "");
}

TEST_F(CommandStepTest, ArrowKeysWalkThroughTheSetExits) {
  mode("1");
  auto& exits = t.game->world.exits;
  exits[static_cast<size_t>(model::Direction::North)] = "norte";
  exits[static_cast<size_t>(model::Direction::West)] = "segredo";
  t.game->screen.Input.text = "MEIO DIGITADO";
  key("Down");
  EXPECT_EQ(ran(), "");
  EXPECT_EQ(t.game->screen.Input.text, "MEIO DIGITADO");
  key("Up");
  EXPECT_EQ(ran(), "norte");
  key("Left");
  EXPECT_EQ(ran(), "segredo");
  key("Right");
  EXPECT_EQ(ran(), "");
}

TEST_F(CommandStepTest, AMissingPhraseFileIsReportedAndTheCommandStaysInTheBox) {
  mode("1");
  t.game->commandsScript = "vocabulario";
  type("norte");
  EXPECT_EQ(ran(), "");
  EXPECT_NE(t.errors().find("vocabulario.scx"), std::string::npos);
  EXPECT_EQ(t.game->screen.Input.text, "NORTE");
  // The file is read anew for every command.
  t.folder.write("vocabulario.scx", "NORTE | norte\n");
  key("Enter");
  EXPECT_EQ(ran(), "norte");
}
