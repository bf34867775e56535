// Test statements: the label form (ifreg...) with its fallbacks, the statement
// form (ifmod..., if...) with its argument shifting, byte-wise if~, and the
// errors that abort a run.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/dispatch.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

// A statement "pega" that keeps what it was handed.
model::Statement captured;
void capture(model::Game&, model::Statement& s) { captured = s; }

struct ConditionsTest : ::testing::Test {
  ConditionsTest() { t.game->dispatch.add("pega", capture); }
  // Runs `test` followed by a fall-through line and a label line; returns "salto"
  // when the test jumped to :alvo, "segue" when it fell through.
  std::string outcome(const std::string& test) {
    t.script("s", test + "\nreg= 1,segue\ngoto fim\n:alvo\nreg= 1,salto\n:fim");
    t.run("s");
    return t.reg(1);
  }
  TestGame t;
};

}  // namespace

TEST_F(ConditionsTest, IfregEqualAndDifferentCompareTextExactly) {
  t.setReg(5, "Sim");
  EXPECT_EQ(outcome("ifreg= 5,Sim,alvo"), "salto");
  EXPECT_EQ(outcome("ifreg= 5,sim,alvo"), "segue");  // case matters
  t.setReg(5, "sim");
  EXPECT_EQ(outcome("ifreg= 5, sim,alvo"), "segue");  // so does a leading blank
  EXPECT_EQ(outcome("ifreg# 5,sim,alvo"), "segue");
  EXPECT_EQ(outcome("ifreg# 5,Sim,alvo"), "salto");
  t.setReg(5, "");
  EXPECT_EQ(outcome("ifreg= 5,,alvo"), "salto");
}

TEST_F(ConditionsTest, IfregGreaterAndLessReadAnythingUnreadableAsZero) {
  t.setReg(7, "3");
  EXPECT_EQ(outcome("ifreg> 7,x,alvo"), "salto");  // 3 > 0
  EXPECT_EQ(outcome("ifreg> 7,3,alvo"), "segue");
  EXPECT_EQ(outcome("ifreg< 7,4,alvo"), "salto");
  EXPECT_EQ(outcome("ifreg< 7,-4,alvo"), "segue");
  t.setReg(7, "tres");
  EXPECT_EQ(outcome("ifreg< 7,1,alvo"), "salto");   // the value reads as 0
  EXPECT_EQ(outcome("ifreg< x,1,alvo"), "salto");   // so does a bad register number
  EXPECT_EQ(outcome("ifreg< 999,1,alvo"), "salto");  // and a register that does not exist
  EXPECT_EQ(outcome("ifreg> -1,-1,alvo"), "salto");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(ConditionsTest, LabelFormJumpsLikeGotoAndAFailedTestSkipsNothing) {
  t.setReg(5, "1");
  t.script("s", "ifreg= 5,0,longe\nreg= 2,próxima\nifreg= 5,1,longe\nreg= 3,nunca\n:longe\nreg= 4,alvo");
  t.setReg(3, "");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(2), "próxima");
  EXPECT_EQ(t.reg(3), "");
  EXPECT_EQ(t.reg(4), "alvo");
  // The line after the label runs at once with a trace line of its own; the
  // label line itself is not executed.
  EXPECT_EQ(trace.at(6), "   2: ifreg= ");
  EXPECT_EQ(trace.at(7), "   5: reg= ");
  // A missing label: nothing happens.
  EXPECT_EQ(outcome("ifreg= 5,1,nenhum"), "segue");
  // A label right after the test behaves like falling through.
  t.script("s", "ifreg= 5,1,fim\n:fim\nreg= 2,depois");
  t.run("s");
  EXPECT_EQ(t.reg(2), "depois");
}

TEST_F(ConditionsTest, IfregEqualAndDifferentAbortOnABadRegister) {
  for (const char* test : {"ifreg= x,1,alvo", "ifreg# 900,1,alvo", "ifreg= ,1,alvo"}) {
    t.host.record.errors.clear();
    t.setReg(1, "antes");
    EXPECT_EQ(outcome(test), "antes");
    EXPECT_NE(t.errors(), "") << test;
  }
}

TEST_F(ConditionsTest, IfmodTestsTheDisplayMode) {
  t.script("s", "ifmod2 msg=,Olá\nifmod1 reg=,2,um\nifmod3 reg=,3,três");
  t.setReg(2, "");
  t.setReg(3, "");
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "");
  EXPECT_EQ(t.reg(2), "um");
  EXPECT_EQ(t.reg(3), "");
  t.game->screen.Modelo = model::DisplayMode::Page;
  t.run("s");
  const auto& page = t.game->screen.WebTxt;
  EXPECT_NE(std::find(page.begin(), page.end(), cp("Olá")), page.end());
}

TEST_F(ConditionsTest, StatementFormShiftsTheArgumentsDown) {
  t.game->screen.Modelo = model::DisplayMode::Strip;
  t.setReg(2, "1");
  t.script("s", "if= 2,1,msg=,Olá, mundo");
  t.run("s");
  EXPECT_EQ(utf(t.game->screen.Msg.text), "Olá");  // msg= receives only the one argument
  t.script("s", "if# 2,0,pega,a,b,c,d,e,f,g");
  t.run("s");
  EXPECT_EQ(captured.keyword, "pega");
  EXPECT_EQ(captured.arg(1), "a");
  EXPECT_EQ(captured.arg(6), "f");  // six arguments fit after if#; "g" was the tenth
  EXPECT_EQ(captured.arg(7), "");
  t.script("s", "ifmod1 pega,1,2,3,4,5,6,7,8");
  t.run("s");
  EXPECT_EQ(captured.arg(8), "8");
  EXPECT_EQ(captured.arg(9), "");
  t.script("s", "if~ 2,0,9,pega,1,2,3,4,5,6");
  t.run("s");
  EXPECT_EQ(captured.arg(5), "5");
  EXPECT_EQ(captured.arg(6), "");
}

TEST_F(ConditionsTest, CarriedArgumentsAreNotResolvedOrSplitAgain) {
  t.setReg(2, "1");
  t.setReg(3, "#4");
  t.setReg(99, "x,y");
  t.script("s", "if= 2,1,pega,#3,#99");
  t.run("s");
  EXPECT_EQ(captured.arg(1), "#4");  // the value of register 3, taken literally
  EXPECT_EQ(captured.arg(2), "x,y");
}

TEST_F(ConditionsTest, StatementFormsNestAndCarryJumps) {
  t.setReg(2, "1");
  t.setReg(3, "2");
  t.script("s", "if= 2,1,if=,3,2,reg=,4,ambos\nif= 2,1,goto,fim\nreg= 4,nunca\n:fim");
  t.run("s");
  EXPECT_EQ(t.reg(4), "ambos");
}

TEST_F(ConditionsTest, CarriedStatementNotesGoToTheLineTrace) {
  t.setReg(2, "1");
  t.script("s", "if= 2,1,gosub,");
  auto trace = t.run("s");
  EXPECT_EQ(trace.at(4), "   0: if= <---Não informou o script/label!");
}

TEST_F(ConditionsTest, IfGreaterAndLessNeedNumbers) {
  t.setReg(2, "5");
  t.script("s", "if> 2,4,reg=,3,maior\nif< 2,5,reg=,3,menor");
  t.run("s");
  EXPECT_EQ(t.reg(3), "maior");
  t.setReg(2, "-1");
  t.run("s");
  EXPECT_EQ(t.reg(3), "menor");
  for (const char* test : {"if> 2,x,reg=,3,y", "if< x,1,reg=,3,y", "if= 900,1,reg=,3,y", "if# y,1,reg=,3,y"}) {
    t.host.record.errors.clear();
    t.script("s", std::string(test) + "\nreg= 3,depois");
    t.run("s");
    EXPECT_NE(t.errors(), "") << test;
    EXPECT_EQ(t.reg(3), "menor") << test;
  }
  t.setReg(2, "");
  t.host.record.errors.clear();
  t.script("s", "if< 2,1,reg=,3,y");
  t.run("s");
  EXPECT_NE(t.errors().find("if<: o valor do registro \"\" não é um número"), std::string::npos);
}

TEST_F(ConditionsTest, IfBetweenComparesBytewise) {
  t.script("s", "if~ 4,a,m,goto,dentro\nreg= 1,fora\nfim\n:dentro\nreg= 1,dentro");
  auto check = [&](const std::string& value) {
    t.setReg(4, value);
    t.run("s");
    return t.reg(1);
  };
  EXPECT_EQ(check("gato"), "dentro");
  EXPECT_EQ(check("a"), "dentro");
  EXPECT_EQ(check("m"), "dentro");
  EXPECT_EQ(check("peixe"), "fora");
  EXPECT_EQ(check("Zebra"), "fora");  // capitals sort before small letters
  EXPECT_EQ(check("mz"), "fora");
  EXPECT_EQ(check("ácido"), "fora");  // bytes above 127 sort after "z"
  t.script("s", "if~ 4,10,9,reg=,1,sim\nif~ 4,ár,ás,reg=,2,sim");
  t.setReg(1, "");
  t.setReg(2, "");
  t.setReg(4, "10");
  t.run("s");
  EXPECT_EQ(t.reg(1), "sim");  // "10" sorts before "9"
  t.setReg(4, "árvore");
  t.run("s");
  EXPECT_EQ(t.reg(2), "sim");
}

TEST_F(ConditionsTest, IfBetweenFallsBackInsteadOfAborting) {
  t.setReg(0, "b");
  t.setReg(1, "");
  t.script("s", "if~ x,a,c,reg=,1,zero");
  t.run("s");
  EXPECT_EQ(t.reg(1), "zero");  // a bad number reads as register 0
  t.setReg(260, "b");  // exists, but is not below registerCount
  t.setReg(1, "");
  t.script("s", "if~ 260,a,c,reg=,1,sim\nif~ -1,a,c,reg=,1,sim");
  t.run("s");
  EXPECT_EQ(t.reg(1), "");
  t.game->Regs.values().resize(240);
  t.script("s", "if~ 249,,,reg=,1,vazio");
  t.run("s");
  EXPECT_EQ(t.reg(1), "");  // 249 is below the count but outside the store
  EXPECT_EQ(t.errors(), "");
}
