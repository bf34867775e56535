// Locations and exits: the exit statements, getdir, the exit and location
// tests, ifdir= handing over to lnkfnc=, and placeholder resolution.
#include <gtest/gtest.h>

#include <array>

#include "script/core_statements.h"
#include "script/placeholders.h"
#include "support/test_game.h"
#include "world/location_statements.h"

using namespace testing_support;

namespace {

model::Statement captured;
void capture(model::Game&, model::Statement& s) {
  captured = s;
  s.trace += "<-capturado";
}

struct LocationsTest : ::testing::Test {
  std::array<std::string, 8> exitsAfter(const std::string& lines) {
    t.script("s", lines);
    t.run("s");
    return t.game->world.exits;
  }
  TestGame t;
};

}  // namespace

TEST_F(LocationsTest, ExitStatementsSetTheirSlotsInOrder) {
  auto exits = exitsAfter("norte= n\nsul= s\nleste= l\noeste= o\nsubir= su\ndescer= d\nentrar= e\nsair= sa");
  EXPECT_EQ(exits, (std::array<std::string, 8>{"n", "s", "l", "o", "su", "d", "e", "sa"}));
  // Entering a location does not clear them; an empty argument clears one.
  exits = exitsAfter("norte=\nleste= #11");
  EXPECT_EQ(exits, (std::array<std::string, 8>{"", "s", "a", "o", "su", "d", "e", "sa"}));
  exits = exitsAfter("cleardir");
  EXPECT_EQ(exits, (std::array<std::string, 8>{}));
}

TEST_F(LocationsTest, GetdirCopiesAnExitIntoARegister) {
  t.script("s", "sul= porao\nsair= rua\ngetdir 1,sul\ngetdir 2,sair\ngetdir 3,norte\ngetdir 4,Sul\ngetdir 5,");
  t.setReg(3, "x");
  t.setReg(4, "fica");
  t.setReg(5, "fica");
  t.run("s");
  EXPECT_EQ(t.reg(1), "porao");
  EXPECT_EQ(t.reg(2), "rua");
  EXPECT_EQ(t.reg(3), "");  // an empty exit
  EXPECT_EQ(t.reg(4), "fica");  // not a direction word: nothing
  EXPECT_EQ(t.reg(5), "fica");
  t.script("s", "getdir x,norte\nsetpos= depois");
  t.run("s");
  EXPECT_NE(t.errors().find("\"x\""), std::string::npos);
  EXPECT_NE(t.game->world.Posic, "depois");
}

TEST_F(LocationsTest, ExitTestsCarryAStatement) {
  t.script("s", "ifnor goto,norte\nreg$ 1,a\n:norte\nifsul reg$,1,s\nifles reg$,1,l\nifoes reg$,1,o");
  t.setReg(1, "");
  t.run("s");
  EXPECT_EQ(t.reg(1), "a");  // every exit empty
  t.game->world.exits = {"n", "s", "", "o", "", "", "", ""};
  t.setReg(1, "");
  t.run("s");
  EXPECT_EQ(t.reg(1), "so");  // the goto skipped "a"
}

TEST_F(LocationsTest, LocationTestsCompareWithTheNameAsWritten) {
  t.script("s", "setpos= sala\nifloc= sala,a\nreg$ 1,x\n:a\nifpos= Sala,b\nreg$ 1,y\n:b\nifloc# sala,c\n"
                "reg$ 1,z\n:c\nifloc= @pos,d\nreg$ 1,w\n:d");
  t.setReg(1, "");
  t.run("s");
  EXPECT_EQ(t.reg(1), "yzw");
  t.script("s", "setpos= @pos\nifloc= @pos,a\nreg$ 1,nunca\n:a\nifloc# outra,b\nreg$ 1,nunca\n:b");
  t.setReg(1, "");
  t.run("s");
  EXPECT_EQ(t.reg(1), "");
}

TEST_F(LocationsTest, IfdirHandsTheExitToLnkfnc) {
  // A dispatch with the location statements and a stand-in for lnkfnc=.
  model::Dispatch dispatch;
  script::registerCoreStatements(dispatch);
  dispatch.add("lnkfnc=", capture);
  world::registerLocationStatements(dispatch);
  t.game->dispatch = std::move(dispatch);
  t.script("s", "leste= jardim\nifdir= leste,7,a,b,c,d,e,f,g\nifdir= norte,8\nifdir= fora,9");
  captured = {};
  auto trace = t.run("s");
  EXPECT_EQ(captured.keyword, "lnkfnc=");
  EXPECT_EQ(captured.arg(1), "7");
  EXPECT_EQ(captured.arg(2), "jardim");
  EXPECT_EQ(captured.arg(3), "a");
  EXPECT_EQ(captured.arg(9), "g");  // the further arguments, unchanged
  EXPECT_EQ(trace.at(5), "   1: ifdir= <-capturado");
  EXPECT_EQ(trace.at(6), "   2: ifdir= ");  // an empty exit: nothing
  EXPECT_EQ(trace.at(7), "   3: ifdir= ");  // not a direction word: nothing
}

TEST_F(LocationsTest, PlaceholdersStandForExitsLocationObjectAndReturnScript) {
  auto& world = t.game->world;
  world.exits = {"n", "", "l", "", "", "d", "e", "sa"};
  world.Posic = "sala";
  world.Objeto = "chave";
  t.game->RetScp = "volta";
  auto resolve = [&](const std::string& name) { return script::resolvePlaceholder(*t.game, name); };
  EXPECT_EQ(resolve("@norte"), "n");
  EXPECT_EQ(resolve("@leste"), "l");
  EXPECT_EQ(resolve("@descer"), "d");
  EXPECT_EQ(resolve("@entrar"), "e");
  EXPECT_EQ(resolve("@sair"), "sa");
  EXPECT_EQ(resolve("@sul"), "@sul");  // an empty exit leaves the name
  EXPECT_EQ(resolve("@pos"), "sala");
  EXPECT_EQ(resolve("@obj"), "chave");
  EXPECT_EQ(resolve("xvlt"), "volta");
  EXPECT_EQ(resolve("@xvlt"), "volta");
  for (const char* other : {"@Norte", "norte", "@norte ", "@", "", "@nortex", "@loc", "pos"})
    EXPECT_EQ(resolve(other), other);
  t.game->RetScp.clear();
  EXPECT_EQ(resolve("xvlt"), "xvlt");
}

TEST_F(LocationsTest, ARunOfAnExitPlaceholder) {
  t.script("jardim", "reg= 1,jardim");
  t.game->world.exits[2] = "jardim";
  t.run("@leste");
  EXPECT_EQ(t.reg(1), "jardim");
  t.game->world.exits[2].clear();
  auto trace = t.run("@leste");
  EXPECT_EQ(trace.at(0), "Não encontrei o script: @leste.scx");
}
