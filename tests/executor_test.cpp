// The statement executor: line classes, argument splitting and register
// references, quoted texts, markers per mode, core statements and their traces.
#include <gtest/gtest.h>

#include "base/cp1252.h"
#include "base/text.h"
#include "script/executor.h"
#include "script/markers.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

// A statement "pega" that keeps what the executor handed it.
model::Statement captured;
void capture(model::Game&, model::Statement& s) { captured = s; }

struct ExecutorTest : ::testing::Test {
  ExecutorTest() { t.game->dispatch.add("pega", capture); }
  TestGame t;
};

}  // namespace

TEST_F(ExecutorTest, SplitsArgumentsAtCommasWithoutTrimmingAndKeepsNine) {
  t.script("s", "  pega 5, 10,,x,5,6,7,8,9,10,11  ");
  t.run("s");
  EXPECT_EQ(captured.keyword, "pega");
  EXPECT_EQ(captured.arg(1), "5");
  EXPECT_EQ(captured.arg(2), " 10");
  EXPECT_EQ(captured.arg(3), "");
  EXPECT_EQ(captured.arg(9), "9");  // the tenth and eleventh are ignored
  t.script("s", "pega");
  t.run("s");
  EXPECT_EQ(captured.arg(1), "");
}

TEST_F(ExecutorTest, ResolvesRegisterReferencesWithinTheCount) {
  t.setReg(7, "sete");
  t.setReg(0, "zero");
  t.script("s", "pega #7,#900,#-1,#x,a#7");
  t.run("s");
  EXPECT_EQ(captured.arg(1), "sete");
  EXPECT_EQ(captured.arg(2), "900");
  EXPECT_EQ(captured.arg(3), "-1");
  EXPECT_EQ(captured.arg(4), "zero");
  EXPECT_EQ(captured.arg(5), "a#7");
  // A value is taken literally, never resolved again.
  t.setReg(7, "#0");
  t.run("s");
  EXPECT_EQ(captured.arg(1), "#0");
}

TEST_F(ExecutorTest, ReferenceBelowTheCountButOutsideTheStoreAbortsTheRun) {
  t.game->Regs.values().resize(10);
  t.script("s", "pega #20\nsetpos= depois");
  t.run("s");
  EXPECT_EQ(t.game->world.Posic, "posic1");  // the rest of the run did not happen
  EXPECT_NE(t.errors().find("s.scx, linha 1"), std::string::npos);
  EXPECT_NE(t.errors().find("registro 20"), std::string::npos);
}

TEST_F(ExecutorTest, MessageTakesTheWholeRestOfTheLineWithCommas) {
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.script("s", "msg= Olá, mundo");
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Olá, mundo");
  t.setReg(12, "doze");
  t.script("s", "msg= #12\nmsg+ #x");
  t.setReg(0, ", zero");
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "doze, zero");
}

TEST_F(ExecutorTest, ClassifiesLinesAndComposesTheirTraces) {
  t.script("s", "\n:inicio\n/ comentário\n; outro\n|  pega a\n|\nFIM\n  fim  \nsetpos= nunca");
  auto trace = t.run("s");
  EXPECT_EQ(trace[0], "Executando script: s.scc");
  EXPECT_EQ(trace[1], "Labels neste script...");
  EXPECT_EQ(trace[2], ":inicio ");
  EXPECT_EQ(trace[4], "   0: ");
  EXPECT_EQ(trace[5], "   1: :inicio <-Referência na linha: 1 ");
  EXPECT_EQ(trace[6], "   2: / comentário");
  EXPECT_EQ(captured.arg(1), "a");  // the bar is removed
  EXPECT_EQ(trace[10], "   6: FIM ");  // capitals are not fim: nothing happens
  EXPECT_EQ(trace[11], "   7: fim <-Encerrou a execução");
  EXPECT_EQ(trace[12], std::string(48, '='));
  EXPECT_EQ(trace.size(), 13u);
  EXPECT_EQ(t.game->world.Posic, "posic1");
}

TEST_F(ExecutorTest, LabelSummaryCountsEveryLineThatNamesIt) {
  t.script("s", "pega fim\n:fim\nx fim");
  auto trace = t.run("s");
  EXPECT_EQ(trace.at(5), "   1: :fim <-3x nas linhas: 0 1 2 ");
  t.script("s", ":com espaço");  // a label holding a blank is not listed
  trace = t.run("s");
  EXPECT_EQ(trace.at(2), "Este script não tem labels!");
}

TEST_F(ExecutorTest, QuotedTextJoinsLinesAndRunsTheNextLineAtOnce) {
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.script("s", "'Primeira linha\n:não é label\nfim' resto ignorado\nsetpos= aqui");
  auto trace = t.run("s");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Primeira linha :não é label fim");
  EXPECT_EQ(t.game->world.Posic, "aqui");
  EXPECT_EQ(trace.at(4), "   2: fim' resto ignorado");
  EXPECT_EQ(trace.at(5), "   3: setpos= ");
}

TEST_F(ExecutorTest, QuotedTextWithoutClosingEndsTheRun) {
  t.game->screen.Modelo = model::DisplayMode::Canvas;
  t.script("s", "'um\ndois\nsetpos= nunca");
  t.run("s");
  ASSERT_EQ(t.game->screen.Memo3.size(), 1u);
  EXPECT_EQ(t.game->screen.Memo3[0], "um dois setpos= nunca ");
  EXPECT_EQ(t.game->world.Posic, "posic1");
}

TEST_F(ExecutorTest, HundredThousandQuotedTextsRunWithoutGrowingTheStack) {
  std::string lines;
  for (int i = 0; i < 100000; ++i) lines += "'x'\n";
  lines += "setpos= fim";
  t.game->screen.Modelo = model::DisplayMode::Canvas;
  t.script("s", lines);
  t.run("s");
  EXPECT_EQ(t.game->screen.Memo3.size(), 100000u);
  EXPECT_EQ(t.game->world.Posic, "fim");
}

TEST(Markers, ConvertPerDisplayMode) {
  const std::string text = base::utf8ToCp1252("a§b~c^d");
  EXPECT_EQ(script::convertAllMarkers(model::DisplayMode::Page, text), "a<br>b&nbsp;c,d");
  EXPECT_EQ(script::convertAllMarkers(model::DisplayMode::Strip, text), "a\r\nb c,d");
  EXPECT_EQ(script::convertAllMarkers(model::DisplayMode::Typewriter, text), "a\r\nb c,d");
  EXPECT_EQ(script::convertAllMarkers(model::DisplayMode::Canvas, text), base::utf8ToCp1252("a§b c,d"));
  EXPECT_EQ(script::convertMarkers(model::DisplayMode::Strip, 'x', "axbx"), "ab");
}

TEST_F(ExecutorTest, MessageSinksPerMode) {
  t.script("s", "msg= um^dois~três§fim");
  t.game->screen.Modelo = model::DisplayMode::Page;
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.WebTxt.at(9)), "um,dois&nbsp;três<br>fim");
  t.game->screen.Modelo = model::DisplayMode::Typewriter;
  t.host.record = {};
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.MsgMd0.text), "um,dois três\r\nfim");
  EXPECT_EQ(t.headless.sleptTotal(), 7 * 17);  // CR LF counts as two  // the typewriter pauses per character
  t.script("s", "clearmsg\nmsg=");
  auto trace = t.run("s");
  EXPECT_EQ(t.game->screen.MsgMd0.text, "");
  EXPECT_EQ(trace.at(4), "   0: clearmsg <-mod= 0");
  EXPECT_EQ(trace.at(5), "   1: msg= <-Falta texto!!!");
}

TEST_F(ExecutorTest, ParamAndGetvarStoreRunStateInRegisters) {
  t.script("sala", "param= 1,prm\nparam= 2,pry\nparam= 3,PRM\ngetvar= 4,Script\ngetvar= 5,Modelo\n"
                   "getvar= 250,Posic\ngetvar= 6,Nada");
  t.setReg(3, "antes");
  t.setReg(6, "fica");
  t.run("sala&Pry=9&Prm=1");
  EXPECT_EQ(t.reg(1), "1");
  EXPECT_EQ(t.reg(2), "9");
  EXPECT_EQ(t.reg(3), "antes");
  EXPECT_EQ(t.reg(4), "sala");
  EXPECT_EQ(t.reg(5), "1");
  EXPECT_EQ(t.reg(250), "");  // 250 is not below registerCount: nothing
  EXPECT_EQ(t.reg(6), "fica");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(ExecutorTest, GetvarAndParamAbortOnBadNumbers) {
  t.script("s", "getvar= x,Posic\nsetpos= nunca");
  t.run("s");
  EXPECT_NE(t.errors().find("getvar="), std::string::npos);
  EXPECT_EQ(t.game->world.Posic, "posic1");
  t.script("s", "param= 900,prm");
  t.run("s");
  EXPECT_NE(t.errors().find("registro 900"), std::string::npos);
}
