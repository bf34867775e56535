// The game page made after the opening screen is on show: until then the
// opening screen and the keys work without it, a start that comes before it
// makes it at once, and either way the game plays and looks as with a page
// made with the window.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "model/defs.h"
#include "support/test_game.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

struct GamePageLaterTest : ::testing::Test {
  static void writeGame(TempFolder& folder) {
    base::Lines table = model::DefinitionsTable::builtInRows();
    table[93] = "*";  // keeps the window rectangular
    writeGameFiles(folder, base::Lines(60), table);
    folder.write("abertura.scx", "modo= 1\nsetpos= sala\nmsg= Bem-vindo.");
    folder.write("sala.scx", "msg= Uma sala.");
  }
  GamePageLaterTest() {
    writeGame(folder);
    writeGame(otherFolder);
  }
  std::unique_ptr<ui::WindowSession> open(bool later, const TempFolder& folder) {
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    options.gamePageLater = later;
    auto session = std::make_unique<ui::WindowSession>(options);
    session->start();
    return session;
  }
  static void play(ui::WindowSession& session) {
    session.deliver({shell::PlayerInput::Kind::Start, {}});
    session.deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  }

  TempFolder folder, otherFolder;
};

}  // namespace

TEST_F(GamePageLaterTest, ThePageIsMadeOnceTheOpeningScreenIsPaintedAndTakesTheCommandBox) {
  auto session = open(true, folder);
  ASSERT_EQ(session->window.gamePage, nullptr);
  EXPECT_EQ(session->window.Abok0->currentWidget(), static_cast<QWidget*>(session->window.openingPage));
  // A key before the page is there reaches the window, which has no box to hand it to.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  QApplication::sendEvent(&session->window, &press);
  EXPECT_EQ(session->window.gamePage, nullptr);

  QElapsedTimer clock;
  clock.start();
  while (!session->window.gamePage && clock.elapsed() < 10000) QApplication::processEvents();
  ASSERT_NE(session->window.gamePage, nullptr);
  EXPECT_EQ(session->window.Abok0->indexOf(session->window.gamePage), 0);
  EXPECT_EQ(session->window.Abok0->currentWidget(), static_cast<QWidget*>(session->window.openingPage));
  // Its controls are connected to the game.
  session->window.gamePage->Input->setText(QStringLiteral("ABC"));
  EXPECT_EQ(session->game.screen.Input.text, "ABC");
}

TEST_F(GamePageLaterTest, AStartBeforeThePageIsMadePlaysAndLooksAsWithThePageMadeFirst) {
  auto first = open(false, folder);
  play(*first);
  const QImage expected = first->window.grab().toImage();
  const QString expectedText = first->window.gamePage->gameText(first->game);
  auto later = open(true, otherFolder);
  ASSERT_EQ(later->window.gamePage, nullptr);
  play(*later);
  ASSERT_NE(later->window.gamePage, nullptr);
  EXPECT_EQ(later->window.gamePage->gameText(later->game), expectedText);
  EXPECT_TRUE(expectedText.contains(QStringLiteral("Bem-vindo.")));
  EXPECT_EQ(later->window.grab().toImage(), expected);
}
