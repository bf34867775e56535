// goto, gosub and return, script, retscp= and scriptcmd=; the label index and
// chains of jumps that run in one step; the bound on runs that never end.
#include <gtest/gtest.h>

#include "model/script_lines.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

const std::string kDashes(48, '-');

struct JumpsTest : ::testing::Test {
  TestGame t;
};

}  // namespace

TEST_F(JumpsTest, GotoJumpsToTheFirstMatchingLabel) {
  t.script("s", "goto fim\nreg$ 1,a\n  :fim  \nreg$ 1,b\n:fim\nreg$ 1,c");
  t.setReg(1, "");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(1), "bc");
  EXPECT_EQ(trace.at(4), "   0: goto ");
  EXPECT_EQ(trace.at(5), "   3: reg$ ");  // the target line's trace starts anew
}

TEST_F(JumpsTest, GotoMatchesTheWholeTrimmedLineCaseSensitively) {
  t.script("s",
           "goto :fim\nreg$ 1,a\ngoto Fim\nreg$ 1,b\ngoto fim\nreg$ 1,c\ngoto com espaço\n"
           "reg$ 1,d\n:fim   / comentário\n:com espaço\nreg$ 1,e\n:FIM");
  t.setReg(1, "");
  t.run("s");
  // ":fim" is searched as "::fim", "Fim" is not "FIM", "fim" has only a line
  // with trailing text, and missing labels let the run go on with the next line.
  EXPECT_EQ(t.reg(1), "abce");
}

TEST_F(JumpsTest, GotoTakesItsLabelFromARegisterAndEndsAtALastLabel) {
  t.setReg(12, "fim");
  t.setReg(1, "");
  t.script("s", "goto #12\nreg$ 1,nunca\n:fim");
  t.run("s");
  EXPECT_EQ(t.reg(1), "");
  EXPECT_EQ(t.errors(), "");
  EXPECT_TRUE(t.folder.exists("mirandel.rgs"));  // the run ended normally
}

TEST_F(JumpsTest, GosubToALabelAndReturn) {
  t.setReg(1, "");
  t.script("s",
           "reg$ 1,0\nreg$ 1,1\nreg$ 1,2\nreg$ 1,3\ngosub :menu\nreg$ 1,5\nfim\nreg$ 1,x\nreg$ 1,x\n"
           "reg$ 1,x\n:menu\nreg$ 1,11\nreg$ 1,12\nreturn\nreg$ 1,x");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(1), "012311125");
  EXPECT_EQ(trace.at(8), "   4: gosub menu<-Label em subrotina!");
  EXPECT_EQ(trace.at(9), kDashes);
  EXPECT_EQ(trace.at(10), "  11: reg$ ");
  EXPECT_EQ(trace.at(12), "  13: return <-Retorno ao script s na linha: 4!");
  EXPECT_EQ(trace.at(13), kDashes);
  EXPECT_EQ(trace.at(14), "   5: reg$ ");
  EXPECT_EQ(t.game->runner.gosubLine, -1);
}

TEST_F(JumpsTest, GosubToAScriptRunsItFromLineZeroAndReturnReloads) {
  t.script("sala", ":topo\nreg$ 1,s0\ngosub ajuda\nreg$ 1,s3");
  t.script("ajuda", "reg$ 1,a0\n:ajuda\nret\nreg$ 1,nunca");
  t.setReg(1, "");
  auto trace = t.run("sala");
  EXPECT_EQ(t.reg(1), "s0a0s3");
  EXPECT_EQ(t.game->runner.currentScript, "sala");
  EXPECT_EQ(t.game->runner.Script.size(), 4u);
  std::vector<std::string> expected = {"   2: gosub ajuda <-Script em subrotina!",
                                       kDashes,
                                       "Executando script: ajuda.scx",
                                       "Labels neste script...",
                                       ":ajuda ",
                                       "",
                                       "   0: reg$ "};
  EXPECT_EQ(std::vector<std::string>(trace.begin() + 6, trace.begin() + 13), expected);
  EXPECT_EQ(trace.at(14), "   2: ret <-Retorno ao script sala na linha: 2!");
  EXPECT_EQ(trace.at(15), kDashes);
  EXPECT_EQ(trace.at(16), "   3: reg$ ");
}

TEST_F(JumpsTest, GosubTargetIsTakenLiterally) {
  t.script("ajuda", "reg= 1,ajuda");
  t.game->world.exits[0] = "ajuda";
  t.script("s", "gosub @norte\ngosub ajuda&Prm=1\nreg= 2,depois");
  auto trace = t.run("s");
  EXPECT_EQ(trace.at(4), "   0: gosub @norte <---Não existe este script!");
  EXPECT_EQ(trace.at(5), "   1: gosub ajuda&Prm=1 <---Não existe este script!");
  EXPECT_EQ(t.reg(2), "depois");
  EXPECT_EQ(t.game->runner.Prm, "");
}

TEST_F(JumpsTest, RefusedGosubsAndReturnsOnlyTrace) {
  t.setReg(1, "");
  t.script("s",
           "return\ngosub\ngosub nada\ngosub :sub\nreg$ 1,fim\nfim\n:sub\ngosub :outra\nreg$ 1,b\nreturn\n"
           ":outra\nreg$ 1,nunca");
  auto trace = t.run("s");
  EXPECT_EQ(trace.at(4), "   0: return <---Há há gosub em execução!");
  EXPECT_EQ(trace.at(5), "   1: gosub <---Não informou o script/label!");
  EXPECT_EQ(trace.at(6), "   2: gosub nada <---Não existe este script!");
  EXPECT_EQ(trace.at(9), "   7: gosub :outra<---Já existe um gosub em execução!");
  // The refused gosub goes on with its next line; return goes back to the first.
  EXPECT_EQ(t.reg(1), "bfim");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(JumpsTest, GosubToAMissingLabelStillCountsAsActive) {
  t.setReg(1, "");
  t.script("s", "gosub :nenhum\nreg$ 1,a\nreturn\nreg$ 1,b");
  t.run("s");
  EXPECT_EQ(t.reg(1), "aab");  // return went back to the gosub line, so "a" ran twice
}

TEST_F(JumpsTest, ARunThatEndsInsideASubroutineLeavesNothingBehind) {
  t.script("s", "gosub :sub\nfim\n:sub\nfim");
  t.run("s");
  EXPECT_EQ(t.game->runner.gosubLine, 0);
  t.setReg(1, "");
  t.script("s2", "gosub :sub\nreg$ 1,fora\nfim\n:sub\nreg$ 1,dentro\nreturn");
  t.run("s2");
  EXPECT_EQ(t.reg(1), "dentrofora");  // the gosub was accepted
  EXPECT_EQ(t.game->runner.gosubLine, -1);
}

TEST_F(JumpsTest, ReturnToAScriptThatDisappearedAborts) {
  // The subroutine removes its caller's file before it returns.
  t.game->dispatch.add("apaga", [](model::Game& game, model::Statement&) {
    std::filesystem::remove(game.folders.dataFolder.find("sala.scx").value());
  });
  t.script("sala", "gosub ajuda\nreg= 1,nunca");
  t.script("ajuda", "apaga\nreturn");
  t.setReg(1, "");
  t.run("sala");
  EXPECT_NE(t.errors().find("Erro no script ajuda.scx, linha 2: não encontrei o script sala.scx"),
            std::string::npos);
  EXPECT_EQ(t.reg(1), "");
}

TEST_F(JumpsTest, ScriptContinuesInAnotherScriptFromItsLineOne) {
  t.script("sala", "script outra&Prm=5\nreg= 1,nunca");
  t.script("outra", "reg= 2,linha0\nreg= 3,linha1");
  t.setReg(1, "");
  t.setReg(2, "");
  auto trace = t.run("sala&Prx=7");
  EXPECT_EQ(t.reg(1), "");
  EXPECT_EQ(t.reg(2), "");  // line 0 of the new script is skipped
  EXPECT_EQ(t.reg(3), "linha1");
  EXPECT_EQ(t.game->runner.currentScript, "outra");
  EXPECT_EQ(t.game->runner.Prm, "5");
  EXPECT_EQ(t.game->runner.Prx, "7");  // not cleared by script
  EXPECT_EQ(trace.at(4), "   0: script outra");
  EXPECT_EQ(trace.at(5), "   1: reg= ");
}

TEST_F(JumpsTest, ScriptResolvesPlaceholders) {
  t.script("norte1", "\nreg= 1,norte");
  t.script("volta", "\nreg= 2,volta");
  t.script("s", "norte= norte1\nretscp= volta\nscript @norte");
  t.script("s2", "script xvlt");
  t.run("s");
  t.run("s2");
  EXPECT_EQ(t.reg(1), "norte");
  EXPECT_EQ(t.reg(2), "volta");
  EXPECT_EQ(t.game->RetScp, "volta");
}

TEST_F(JumpsTest, ScriptWithoutANameOnlyTracesAndAMissingScriptAborts) {
  t.script("s", "script\nreg= 1,depois\nscript nada\nreg= 2,nunca");
  t.setReg(2, "");
  auto trace = t.run("s");
  EXPECT_EQ(trace.at(4), "   0: script  <---Não informou o nome do script!");
  EXPECT_EQ(t.reg(1), "depois");
  EXPECT_EQ(t.reg(2), "");
  EXPECT_NE(t.errors().find("Erro no script s.scx, linha 3"), std::string::npos);
  EXPECT_NE(t.errors().find("nada.scx"), std::string::npos);
}

TEST_F(JumpsTest, ReturnAfterScriptGoesBackToTheScriptThatCalled) {
  t.script("sala", "gosub :sub\nreg$ 1,volta\nfim\n:sub\nscript outra");
  t.script("outra", "\nreg$ 1,outra\nreturn");
  t.setReg(1, "");
  t.run("sala");
  EXPECT_EQ(t.reg(1), "outravolta");
  EXPECT_EQ(t.game->runner.currentScript, "sala");
}

TEST_F(JumpsTest, RetscpAndScriptcmdSetTheirNames) {
  t.script("s", "retscp= volta\nscriptcmd= cmds\nscpcmd= cmds2\nscriptcmd=");
  t.run("s");
  EXPECT_EQ(t.game->RetScp, "volta");
  EXPECT_EQ(t.game->commandsScript, "cmds2");  // an empty name does nothing
  t.script("s", "retscp=");
  t.run("s");
  EXPECT_EQ(t.game->RetScp, "");  // an empty return script is kept
}

TEST_F(JumpsTest, HundredThousandChainedJumpsAndTestsRunInOneStep) {
  // Every jump lands on the next jump, so the whole chain is one step.
  t.setReg(2, "1");
  std::string lines = "goto l0\n";
  const int links = 100000;
  for (int i = 0; i < links; ++i) {
    lines += ":l" + std::to_string(i) + "\n";
    const std::string next = "l" + std::to_string(i + 1);
    switch (i % 4) {
      case 0: lines += "goto " + next + "\n"; break;
      case 1: lines += "ifreg= 2,1," + next + "\n"; break;
      case 2: lines += "if= 2,1,goto," + next + "\n"; break;
      case 3: lines += "ifloc# nenhum," + next + "\n"; break;
    }
  }
  lines += ":l" + std::to_string(links) + "\nreg= 1,chegou";
  t.script("s", lines);
  t.run("s");
  EXPECT_EQ(t.reg(1), "chegou");
  EXPECT_EQ(t.errors(), "");
  EXPECT_EQ(t.game->runner.stepsThisRun, links + 2);
}

TEST_F(JumpsTest, ARunThatNeverEndsIsStoppedAndThePlayerGoesOn) {
  t.game->runner.maxStepsPerRun = 50000;
  t.script("laco", "reg= 1,0\n:volta\nreg+ 1,1\ngoto volta");
  t.run("laco");
  EXPECT_NE(t.errors().find("não terminou depois de 50000 instruções"), std::string::npos);
  EXPECT_EQ(t.reg(1), "24999");
  EXPECT_FALSE(t.game->runner.running);
  t.script("s", "reg= 1,depois");
  t.run("s");
  EXPECT_EQ(t.reg(1), "depois");
  EXPECT_EQ(t.host.record.errors.size(), 1u);
}

TEST(ScriptLines, FindsTheFirstTrimmedLabelAndNeverGoesStale) {
  model::ScriptLines lines(base::Lines{"a", " :x ", ":x", ":com espaço", "::y"});
  EXPECT_EQ(lines.findLabel("x"), 1);
  EXPECT_EQ(lines.findLabel("com espaço"), 3);
  EXPECT_EQ(lines.findLabel(":y"), 4);
  EXPECT_EQ(lines.findLabel("y"), -1);
  EXPECT_EQ(lines.findLabel(""), -1);
  lines = base::Lines{"", "", ":y"};
  EXPECT_EQ(lines.findLabel("x"), -1);
  EXPECT_EQ(lines.findLabel(":y"), -1);
  model::ScriptLines copy = lines;
  lines.clear();
  EXPECT_EQ(lines.findLabel("y"), -1);
  EXPECT_EQ(copy.findLabel("y"), 2);
}

TEST_F(JumpsTest, TheLabelIndexFollowsEveryChangeOfScript) {
  // The label :x sits on line 1 of a and on line 3 of b: a stale index would
  // land on the wrong line of the other script.
  t.script("a", "goto x\n:x\nreg$ 1,a\ngosub b\nifreg= 1,ab,x\nfim");
  t.script("b", "goto x\nreg$ 1,nunca\nreg$ 1,nunca\n:x\nreg$ 1,b\nreturn");
  t.setReg(1, "");
  t.run("a");
  EXPECT_EQ(t.reg(1), "abab");
  // Lines assigned directly are indexed anew too.
  t.game->runner.Script = base::Lines{"reg$ 1,?", ":z"};
  EXPECT_EQ(t.game->runner.Script.findLabel("z"), 1);
  EXPECT_EQ(t.game->runner.Script.findLabel("x"), -1);
}
