// The window's memos follow a text that only grows by adding to it, and of a
// text longer than they show they keep its end, from the start of a word.
#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "model/defs.h"
#include "shell/turn.h"
#include "support/test_game.h"
#include "ui/window_session.h"

using namespace testing_support;

TEST(WindowMemoTest, AStripLongerThanTheMemoShowsItsEndFromAWordAndFollowsWhatIsAdded) {
  TempFolder folder;
  auto table = model::DefinitionsTable::builtInRows();
  table[93] = "*";
  writeGameFiles(folder, base::Lines(60), table);
  std::string lines = "modo= 1\nclearmsg\n";
  for (int i = 0; i < 20000; ++i) lines += "'palavra" + std::to_string(i) + " '\n";
  folder.write("longo.scx", lines);
  folder.write("curto.scx", "modo= 1\nmsg= Um texto curto.");
  ui::WindowOptions options;
  options.start.gameFolder = folder.path().string();
  options.scripted = true;
  ui::WindowSession session(options);
  session.start();
  auto& game = session.game;
  game.world.gameLoaded = false;  // nothing to save

  shell::runScript(game, "curto");
  session.window.refresh(game);
  QPlainTextEdit* memo = session.window.gamePage->Msg;
  EXPECT_EQ(memo->toPlainText().toStdString(), "Um texto curto.");

  shell::runScript(game, "longo");
  session.window.refresh(game);
  const std::string whole = utf(game.screen.Msg.text);
  ASSERT_GT(whole.size(), ui::GamePage::kMemoTail);
  const std::string shown = memo->toPlainText().toStdString();
  EXPECT_LE(shown.size(), ui::GamePage::kMemoTail);
  EXPECT_GE(shown.size(), ui::GamePage::kMemoTail / 2 - 64);  // at least half of it, less the cut word
  EXPECT_EQ(whole.substr(whole.size() - shown.size()), shown) << "the memo shows the text's end";
  EXPECT_EQ(shown.rfind("palavra", 0), 0u) << "from the start of a word";
  EXPECT_NE(shown.find("palavra19999 "), std::string::npos);
}
