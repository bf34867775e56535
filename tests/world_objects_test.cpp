// Objects: key order, lookup by key (first of duplicates), fields and their
// aliases, moves one by one and in bulk, counts and lists, the jumps on an
// object's place, the current object, and the object restore with its failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/text.h"
#include "support/test_game.h"
#include "world/key_order.h"
#include "world/object_table.h"

using namespace testing_support;

namespace {

struct Object {
  std::string key, nom, dsc, loc;
};

struct ObjectsTest : ::testing::Test {
  ObjectsTest() {
    t.game->world.Posic = "sala";
    table({{"caixa", "Caixa", "uma caixa", "sala"},
           {"chave", "Chave", "uma chave", "sala"},
           {"lanterna", "Lanterna", "uma lanterna", "jog"},
           {"moeda", "Moeda", "uma moeda", "caixa"}});
  }
  // The lists as a game's files hold them: keys, and 8 lines per record.
  void table(const std::vector<Object>& objects) {
    auto& world = t.game->world;
    world.Objs.clear();
    world.Objx.clear();
    for (const auto& o : objects) {
      world.Objs.push_back(cp(o.key));
      for (const auto& line : {o.key, o.nom, o.dsc, o.loc, o.key + ".gif", std::string("t"), std::string("r1"),
                               std::string("r2")})
        world.Objx.push_back(cp(line));
    }
  }
  std::string field(const std::string& key, world::Field f) {
    auto record = world::findObject(t.game->world, cp(key));
    return record ? utf(world::field(t.game->world, *record, f)) : "<none>";
  }
  std::string loc(const std::string& key) { return field(key, world::Field::Loc); }
  // Runs a script of these lines and returns its trace.
  std::vector<std::string> runLines(const std::string& lines) {
    t.script("s", lines);
    return t.run("s");
  }
  // The trace line of the script's line n (0-based).
  std::string traceOf(const std::vector<std::string>& trace, int n) {
    std::string prefix = script_prefix(n);
    for (const auto& line : trace)
      if (line.rfind(prefix, 0) == 0) return line;
    return "<no trace>";
  }
  static std::string script_prefix(int n) {
    std::string padded = "     " + std::to_string(n);
    return padded.substr(padded.size() - 4) + ": ";
  }
  TestGame t;
};

}  // namespace

TEST(ObjectKeyOrder, SortsWithoutCaseOrAccentsAndKeepsEqualKeysInArrivalOrder) {
  const base::Lines keys =
      world::sortedKeys({"faca", "Chave", "\xE1gua", "chave", "Zebra", "agua", "abacaxi", "_x", "1a", "b"});
  EXPECT_EQ(keys, (base::Lines{"1a", "_x", "abacaxi", "agua", "\xE1gua", "b", "Chave", "chave", "faca", "Zebra"}));
  EXPECT_EQ(world::sortedKeys({"chave", "Chave"}), (base::Lines{"chave", "Chave"}));
  EXPECT_EQ(world::sortedKeys({"Chave", "b", "chave", "a", "CHAVE"}), (base::Lines{"a", "b", "Chave", "chave", "CHAVE"}));
  EXPECT_LT(world::compareKeys("\xC7" "ab", "cac"), 0);  // Ç sorts as c
  EXPECT_GT(world::compareKeys("\xC7", "c"), 0);  // and after it when all else ties
  EXPECT_LT(world::compareKeys("ab", "abc"), 0);
}

TEST_F(ObjectsTest, ReadsFieldsAndReportsMissingObjects) {
  t.script("s",
           "getobj= 5,chave,dsc\ngetnomobj= 6,lanterna\ngetlocobj= 7,moeda\ngetshpobj= 8,caixa\n"
           "gettagobj= 9,caixa\nreg= 10,antes\ngetobj= 10,chave,cor\ngetobj= 11,nada,nom\ngetdscobj= x,chave");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(5), "uma chave");
  EXPECT_EQ(t.reg(6), "Lanterna");
  EXPECT_EQ(t.reg(7), "caixa");
  EXPECT_EQ(t.reg(8), "caixa.gif");
  EXPECT_EQ(t.reg(9), "t");
  EXPECT_EQ(t.reg(10), "antes");  // an unknown field changes nothing
  EXPECT_NE(traceOf(trace, 7).find("getobj= 11<---Este objeto n\u00e3o existe!"), std::string::npos);
  EXPECT_EQ(t.reg(0), "uma chave");  // a register that is not a number is register 0
  EXPECT_EQ(t.errors(), "");
}

TEST_F(ObjectsTest, AResultRegisterOutsideTheStoreAbortsTheRun) {
  t.script("s", "getobj= 999,chave,nom\nsetpos= depois");
  t.run("s");
  EXPECT_NE(t.errors().find("linha 1"), std::string::npos);
  EXPECT_EQ(t.game->world.Posic, "sala");
  t.host.record.errors.clear();
  t.script("s", "conta sala,-1");
  t.run("s");
  EXPECT_NE(t.errors().find("registro -1"), std::string::npos);
}

TEST_F(ObjectsTest, WritesFieldsWithThePlaceAliases) {
  t.script("s",
           "setobj= chave,nom,Chave velha\nsetobj= moeda,loc,@pos\nsettagobj= caixa,@loc\nsetdscobj= lanterna,loc\n"
           "setobj= chave,,x\nsetobj= nada,nom,x\nsetobj= chave,peso,9\nsetshpobj= nada,x");
  auto trace = t.run("s");
  EXPECT_EQ(field("chave", world::Field::Nom), "Chave velha");
  EXPECT_EQ(loc("moeda"), "sala");
  EXPECT_EQ(field("caixa", world::Field::Tag), "sala");
  EXPECT_EQ(field("lanterna", world::Field::Dsc), "sala");
  EXPECT_NE(traceOf(trace, 4).find("setobj= chave<---N\u00e3o informou a propriedade!"), std::string::npos);
  EXPECT_NE(traceOf(trace, 5).find("setobj= nada<---Este objeto n\u00e3o existe!"), std::string::npos);
  EXPECT_NE(traceOf(trace, 7).find("nada<---Este objeto n\u00e3o existe!"), std::string::npos);
  EXPECT_EQ(t.errors(), "");
}

TEST_F(ObjectsTest, TakesDropsAndPutsObjects) {
  t.script("s", "pegaobj= chave\nsoltaobj lanterna\npoeobj= moeda,quarto\npegaobj nada\nsoltaobj= nada");
  t.run("s");
  EXPECT_EQ(loc("chave"), "jog");
  EXPECT_EQ(loc("lanterna"), "sala");
  EXPECT_EQ(loc("moeda"), "quarto");
  t.script("s", "poeobj= moeda,@pos\npoeobj= caixa,");
  t.run("s");
  EXPECT_EQ(loc("moeda"), "sala");
  EXPECT_EQ(loc("caixa"), "");
  EXPECT_EQ(t.errors(), "");
}

TEST_F(ObjectsTest, MovesEverythingAtAPlaceAndTracesTheMove) {
  auto trace = runLines("tiratudo loc,jog");
  EXPECT_EQ(loc("caixa"), "jog");
  EXPECT_EQ(loc("chave"), "jog");
  EXPECT_EQ(loc("moeda"), "caixa");
  // The first line names the places (no note when only "to" is the inventory),
  // the second the keys moved, in table order.
  auto at = std::find(trace.begin(), trace.end(), "   0: tiratudo sala,jog ");
  ASSERT_NE(at, trace.end());
  ASSERT_NE(at + 1, trace.end());
  EXPECT_EQ(*(at + 1), "  caixa chave ");

  trace = runLines("poetudo jog,caixa");
  EXPECT_EQ(loc("chave"), "caixa");
  EXPECT_NE(std::find(trace.begin(), trace.end(),
                      "   0: poetudo jog,caixa <- Objetos colocados pelo jogador no objeto caixa."),
            trace.end());
  trace = runLines("tiratudo caixa,@pos");
  EXPECT_EQ(loc("moeda"), "sala");
  EXPECT_NE(std::find(trace.begin(), trace.end(),
                      "   0: tiratudo caixa,sala <- Objetos em caixa que ser\u00e3o colocados em sala."),
            trace.end());
  trace = runLines("tiratudo ,jog");
  EXPECT_NE(std::find(trace.begin(), trace.end(), "   0: tiratudo <---N\u00e3o informou \"de\" onde..."),
            trace.end());
  trace = runLines("poetudo sala,");
  EXPECT_NE(std::find(trace.begin(), trace.end(), "   0: poetudo <---N\u00e3o informou \"para\" onde..."),
            trace.end());
  EXPECT_EQ(loc("moeda"), "sala");
}

TEST_F(ObjectsTest, CountsAndListsJoiningFromTheLastItem) {
  t.script("s",
           "conta sala,5\nconta @pos,6\nlstobj= sala,7\nlstobj jog,8\nlstobj= nada,9\nlstobjlnk= loc,10\n"
           "pegaobj= lanterna\npoeobj= moeda,jog\npoeobj= caixa,jog\nlstobj= jog,11");
  t.run("s");
  EXPECT_EQ(t.reg(5), "2");
  EXPECT_EQ(t.reg(6), "0");  // "@pos" is taken literally here
  EXPECT_EQ(t.reg(7), "uma chave e uma caixa.");
  EXPECT_EQ(t.reg(8), "uma lanterna.");
  EXPECT_EQ(t.reg(9), "");
  EXPECT_EQ(t.reg(10), "<a href=Scp=chave>uma chave</a> e <a href=Scp=caixa>uma caixa</a>.");
  EXPECT_EQ(t.reg(11), "uma moeda, uma lanterna e uma caixa.");
  EXPECT_EQ(world::joinObjectList({}), "");
}

TEST_F(ObjectsTest, GathersAtMostTwelveIconKeysOutsideModeZero) {
  std::vector<Object> many;
  for (int i = 0; i < 15; ++i) many.push_back({"o" + std::to_string(10 + i), "", "", "sala"});
  table(many);
  t.game->world.ObjtsClk = {"velho"};
  t.game->screen.Modelo = model::DisplayMode::Typewriter;
  runLines("listaobjetos loc");
  EXPECT_EQ(t.game->world.ObjtsClk, base::Lines{"velho"});
  t.game->screen.Modelo = model::DisplayMode::Strip;
  runLines("listaobjetos sala");
  EXPECT_EQ(t.game->world.ObjtsClk, base::Lines{"velho"});
  auto pictureLookups = [&] {
    const auto& log = t.game->debug.lines();
    return std::count_if(log.begin(), log.end(),
                         [](const std::string& line) { return line.find(".gif") != std::string::npos; });
  };
  EXPECT_EQ(pictureLookups(), 0);
  runLines("listaobjetos loc");
  ASSERT_EQ(t.game->world.ObjtsClk.size(), 12u);
  EXPECT_EQ(t.game->world.ObjtsClk.front(), "o10");
  EXPECT_EQ(t.game->world.ObjtsClk.back(), "o21");
  // Each icon's picture was looked for (and, missing, logged), none beyond the twelfth.
  EXPECT_EQ(pictureLookups(), 12);
  runLines("listaobjetos jog");
  EXPECT_TRUE(t.game->world.ObjtsClk.empty());
}

TEST_F(ObjectsTest, JumpsOnWhereAnObjectIs) {
  t.script("s",
           "ifobj= chave,@pos,a\nreg= 5,nao\n:a\nifobj= chave,quarto,b\nreg= 6,nao\n:b\n"
           "ifobj# chave,quarto,c\nreg= 7,nao\n:c\nifobj= nada,sala,d\nifobj# nada,sala,d\nreg= 8,nao\n:d");
  for (int n : {5, 6, 7, 8}) t.setReg(n, "");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(5), "");
  EXPECT_EQ(t.reg(6), "nao");
  EXPECT_EQ(t.reg(7), "");
  EXPECT_EQ(t.reg(8), "nao");
  EXPECT_EQ(traceOf(trace, 0), "   0: ifobj= chave,sala,a <-Saltou...");
  EXPECT_EQ(traceOf(trace, 3), "   3: ifobj= chave,quarto,b <-N\u00c3O saltou...");
  EXPECT_EQ(traceOf(trace, 9), "   9: ifobj= nada,<---Objeto n\u00e3o existe!");
  EXPECT_EQ(traceOf(trace, 10), "  10: ifobj# ");
}

TEST_F(ObjectsTest, TestsWhatThePlayerCarriesDefaultingToTheCurrentObject) {
  t.script("s",
           "objeto= chave\npegaobj= chave\ntemos? ,l1\nreg= 5,nao\n:l1\ntem? caixa,l2\nreg= 6,nao\n:l2\n"
           "tem? nada,l3\nreg= 7,nao\n:l3\ntemos? nada,l4\ngetultobj= 8");
  for (int n : {5, 6, 7, 8}) t.setReg(n, "");
  auto trace = t.run("s");
  EXPECT_EQ(t.reg(5), "");
  EXPECT_EQ(t.reg(6), "nao");
  EXPECT_EQ(t.reg(7), "nao");
  EXPECT_EQ(t.reg(8), "chave");
  EXPECT_EQ(traceOf(trace, 2), "   2: temos? chave,l1 <-Saltou...");
  EXPECT_EQ(traceOf(trace, 11), "  11: temos? nada, <---Objeto n\u00e3o existe!");
  EXPECT_EQ(traceOf(trace, 12), "  12: getultobj= 8");
  t.script("s", "temos? caixa,fim\nreg= 9,passou\n:fim");
  trace = t.run("s");
  EXPECT_EQ(t.reg(9), "passou");
  EXPECT_EQ(traceOf(trace, 0), "   0: temos? caixa,fim <-N\u00c3O saltou...");
}

TEST_F(ObjectsTest, DuplicateKeysAreFoundFirstButSelectedByPlaceTogether) {
  table({{"dado", "Primeiro", "um dado", "sala"}, {"dado", "Segundo", "outro dado", "sala"}});
  t.script("s", "getnomobj= 5,dado\nsetlocobj= dado,jog\nconta sala,6\nconta jog,7\ntiratudo sala,jog\nconta jog,8");
  t.run("s");
  EXPECT_EQ(t.reg(5), "Primeiro");
  EXPECT_EQ(t.reg(6), "1");
  EXPECT_EQ(t.reg(7), "1");
  EXPECT_EQ(t.reg(8), "2");
}

TEST_F(ObjectsTest, AShortTableAbortsTheRunThatReachesAMissingLine) {
  t.game->world.Objx.resize(12);  // the second record is cut
  t.script("s", "getlocobj= 5,caixa\ngetlocobj= 6,lanterna\nsetpos= depois");
  t.setReg(6, "antes");
  t.run("s");
  EXPECT_EQ(t.reg(5), "sala");
  EXPECT_EQ(t.reg(6), "antes");
  EXPECT_EQ(t.game->world.Posic, "sala");
  EXPECT_NE(t.errors().find(".obx"), std::string::npos);
}

namespace {

// Pristine files for the four objects, each with a new place.
struct RestoreTest : ObjectsTest {
  RestoreTest() {
    for (const char* key : {"caixa", "chave", "lanterna", "moeda"}) pristine(key);
    t.folder.write("mirandel.obx", "antigo\n");
  }
  void pristine(const std::string& k) {
    t.folder.write(k + ".obj", k + "\nN\nd\norigem-" + k + "\ns\nt\n\n\nlinha extra ignorada\n");
  }
  base::Lines tableBefore() { return t.game->world.Objx; }
};

}  // namespace

TEST_F(RestoreTest, RestoresEveryObjectOrOneAndWritesTheTable) {
  runLines("reset objs,lanterna");
  EXPECT_EQ(loc("lanterna"), "origem-lanterna");
  EXPECT_EQ(loc("chave"), "sala");
  runLines("reset objs");
  for (const char* key : {"caixa", "chave", "lanterna", "moeda"}) EXPECT_EQ(loc(key), std::string("origem-") + key);
  ASSERT_EQ(t.game->world.Objx.size(), 32u);  // the ninth line of each file is not taken
  EXPECT_EQ(t.game->world.Objx[6], "");
  // Written at once (and again at the end of the run).
  EXPECT_EQ(t.folder.readLines("mirandel.obx").size(), 32u);
  runLines("pegaobj= chave\nreset objs,todos");
  EXPECT_EQ(loc("chave"), "origem-chave");
  // A name that is no key changes nothing.
  t.folder.write("fantasma.obj", "fantasma\n1\n2\n3\n4\n5\n6\n7\n");
  auto before = tableBefore();
  runLines("reset objs,fantasma");
  EXPECT_EQ(t.game->world.Objx, before);
  EXPECT_EQ(t.errors(), "");
}

TEST_F(RestoreTest, AFailedRestoreLeavesTableAndFileAsTheyWere) {
  auto before = tableBefore();
  std::filesystem::remove(t.folder.path() / "moeda.obj");
  runLines("reset objs\nsetpos= depois");
  EXPECT_EQ(t.game->world.Objx, before);
  EXPECT_EQ(t.game->world.Posic, "sala");
  EXPECT_EQ(t.folder.readLines("mirandel.obx"), std::vector<std::string>{"antigo"});
  EXPECT_NE(t.errors().find("moeda.obj"), std::string::npos);

  t.host.record.errors.clear();
  t.folder.write("chave.obj", "chave\nso\ncinco\nlinhas\naqui\n");
  runLines("reset objs,chave");
  EXPECT_EQ(t.game->world.Objx, before);
  EXPECT_NE(t.errors().find("chave.obj tem 5 linhas"), std::string::npos);

  // A table shorter than its keys cannot take one record back in place.
  t.host.record.errors.clear();
  pristine("moeda");
  t.game->world.Objx.resize(24);
  before = tableBefore();
  runLines("reset objs,moeda");
  EXPECT_EQ(t.game->world.Objx, before);
  EXPECT_FALSE(t.errors().empty());
  EXPECT_EQ(t.folder.readLines("mirandel.obx"), std::vector<std::string>{"antigo"});
}
