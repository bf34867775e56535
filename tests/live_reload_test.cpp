// Authors' tools while playing: --watch takes an edited script, picture or table
// row and runs the place again with the registers as they were (in the window,
// by its own timer), and the debug console reads and sets registers, lists the
// objects, goes to a script and shows the last error.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <thread>

#include "shell/debug_console.h"
#include "model/defs.h"
#include "shell/input_queue.h"
#include "shell/live_reload.h"
#include "base/text.h"
#include "support/test_game.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

// Files written within one tick of the file clock may keep their stamp; a
// different length always changes it.
void rewrite(const TempFolder& folder, const std::string& name, const std::string& bytes) {
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  folder.writeBytes(name, bytes);
}

struct Console {
  explicit Console(TestGame& t) : queue(*t.game), console(*t.game, queue, t.host.record, [this](const std::string& line) { said.push_back(line); }) {}
  std::string answer(const std::string& command) {
    said.clear();
    console.command(command);
    std::string all;
    for (const auto& line : said) all += (all.empty() ? "" : "\n") + line;
    return all;
  }
  shell::InputQueue queue;
  std::vector<std::string> said;
  shell::DebugConsole console;
};

}  // namespace

TEST(LiveReload, AChangeIsTakenOnceItHeldForOneLookAndThePlayersOwnSavesStartNone) {
  TestGame t;
  t.script("sala", "setpos= sala\nmsg= antes");
  t.run("sala");
  shell::LiveReload watch(*t.game);
  EXPECT_FALSE(watch.look(*t.game));  // nothing changed
  rewrite(t.folder, "sala.scx", "setpos= sala\nmsg= depois de editado");
  EXPECT_FALSE(watch.look(*t.game));  // seen, not settled yet
  EXPECT_TRUE(watch.changing());
  auto reload = watch.look(*t.game);
  ASSERT_TRUE(reload);
  EXPECT_EQ(shell::reloadedNames(*reload), "sala.scx");
  EXPECT_EQ(reload->place, "sala");
  EXPECT_FALSE(watch.look(*t.game));  // taken once
}

TEST(LiveReload, ATableRowTheAuthorChangedGoesIntoTheGameButOneThePlayerSavedDoesNot) {
  TestGame t;
  base::Lines table = model::DefinitionsTable::builtInRows();
  const std::string file = t.game->folders.exeBaseName + ".ini";
  t.folder.writeBytes(file, base::joinLines(table));
  shell::LiveReload watch(*t.game);
  // The player writes back a row it holds: no reload.
  table[10] = "praca";
  t.game->Defs.setDefsRow(10, "praca");
  rewrite(t.folder, file, base::joinLines(table));
  watch.look(*t.game);
  EXPECT_FALSE(watch.look(*t.game));
  // The author changes the text colour.
  table[19] = "00FF00";
  rewrite(t.folder, file, base::joinLines(table));
  watch.look(*t.game);
  auto reload = watch.look(*t.game);
  ASSERT_TRUE(reload);
  EXPECT_EQ(shell::reloadedNames(*reload), file + " row 19");
  EXPECT_EQ(t.game->Defs.defsRow(19), "00FF00");
}

TEST(DebugConsole, ReadsAndSetsRegistersListsObjectsAndGoesToAScript) {
  TestGame t;
  t.game->Regs.at(12) = "chave";
  Console c(t);
  EXPECT_EQ(c.answer("reg 12"), "#12 = \"chave\"");
  EXPECT_EQ(c.answer("reg 12 = porta aberta"), "#12 = \"porta aberta\"");
  EXPECT_EQ(t.reg(12), "porta aberta");
  EXPECT_NE(c.answer("reg 99999").find("99999"), std::string::npos);
  EXPECT_EQ(t.reg(12), "porta aberta");

  t.game->world.Objs = {"LIVRO", "VELA"};
  t.game->world.Objx = {"LIVRO", "um livro", "", "sala", "", "", "", "", "VELA", "uma vela", "", "jog", "", "", "", ""};
  EXPECT_EQ(c.answer("obj"), "LIVRO  sala  um livro\nVELA  jog  uma vela");

  t.script("jardim", "setpos= jardim");
  c.answer("goto jardim");
  EXPECT_EQ(t.game->world.Posic, "jardim");
  EXPECT_NE(c.answer("goto nenhum").find("nenhum.scx"), std::string::npos);
  EXPECT_EQ(t.game->world.Posic, "jardim");

  EXPECT_NE(c.answer("error").find(' '), std::string::npos);  // no error yet, said so
  t.game->dispatch.add("quebra", [](model::Game&, model::Statement&) { throw std::runtime_error("falhou"); });
  t.script("quebra", "quebra");
  c.answer("goto quebra");
  ASSERT_FALSE(t.errors().empty());
  EXPECT_NE(c.answer("error").find("quebra.scx"), std::string::npos);

  const std::string help = c.answer("voar");
  EXPECT_NE(help.find("reg N"), std::string::npos);
  EXPECT_NE(help.find("goto"), std::string::npos);
}

TEST(DebugConsole, ShowsADefinitionsRowByPositionOrNameWithWhatItHolds) {
  TestGame t;
  Console c(t);
  t.game->Defs.setDefsRow(model::row::ViewerWidth, "640");
  const std::string expected = "row 24 ViewerWidth (number: viewer width in modes \"0\" and \"1\") = \"640\"";
  EXPECT_EQ(c.answer("row 24"), expected);
  EXPECT_EQ(c.answer("row viewerwidth"), expected);
  EXPECT_EQ(c.answer("row 2"), "row 2 Carried2 (carried: kept and written back as it stands) = \"750\"");
  EXPECT_NE(c.answer("row 107").find("107"), std::string::npos);
  EXPECT_NE(c.answer("row Nenhuma").find("Nenhuma"), std::string::npos);
}

TEST(DebugConsole, TheTraceGoesToTheConsoleWhileItIsOn) {
  TestGame t;
  Console c(t);
  t.script("sala", "setpos= sala");
  c.answer("trace on");
  c.answer("goto sala");
  bool traced = false;
  for (const auto& line : c.said) traced = traced || line.find("setpos=") != std::string::npos;
  EXPECT_TRUE(traced);
  c.answer("trace off");
  c.answer("goto sala");
  for (const auto& line : c.said) EXPECT_EQ(line.find("setpos="), std::string::npos);
}

TEST(LiveReload, TheWindowTakesAnEditedScriptAndKeepsTheRegisters) {
  TempFolder folder;
  base::Lines table = model::DefinitionsTable::builtInRows();
  table[93] = "*";
  writeGameFiles(folder, base::Lines(60), table);
  folder.write("abertura.scx", "modo= 1\nsetpos= sala\nreg= 7,lembrado\nmsg= Bem-vindo.");
  folder.write("sala.scx", "modo= 1\nsetpos= sala\nmsg= Você está na sala.");
  folder.write("comandos.scx", "OLHE | sala");
  ui::WindowOptions options;
  options.start.gameFolder = folder.path().string();
  options.scripted = true;
  options.watch = true;
  ui::WindowSession session(options);
  session.start();
  QWidget* title = session.window.openingPage->TelAber;
  QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(100, 100), title->mapToGlobal(QPointF(100, 100)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(title, &click);
  ASSERT_EQ(session.game.world.Posic, "sala");
  ASSERT_EQ(session.game.Regs.at(7), "lembrado");

  // The edited place shows register 7, set before the edit.
  rewrite(folder, "sala.scx", "modo= 1\nsetpos= sala\nmsg= #7");
  QElapsedTimer waited;
  waited.start();
  while (utf(session.game.screen.Msg.text) != "lembrado" && waited.elapsed() < 10000)
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_EQ(utf(session.game.screen.Msg.text), "lembrado");
  EXPECT_EQ(session.game.Regs.at(7), "lembrado");
}
