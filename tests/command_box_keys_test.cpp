// The command box's keys as a player meets them: the arrows walk while the box is
// empty and edit the line while it holds text, Up and Down go through the
// commands of the session, Esc empties the box; played through the program with
// an events file (`text`, `key`) and in the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextCursor>

#include "support/test_game.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

// A place with exits on every side; each exit's script names where it leads.
void writeCrossroads(const TempFolder& game) {
  writeGameFiles(game);
  game.write("sala.scx", "modo= 1\nsetpos= sala\nnorte= norte\nsul= sul\nleste= leste\noeste= oeste\nmsg= Na sala.");
  for (const char* side : {"norte", "sul", "leste", "oeste"})
    game.write(std::string(side) + ".scx", std::string("modo= 1\nsetpos= ") + side + "\nmsg= Ao " + side + ".");
  game.write("comandos.scx", "OLHE | sala\nPEGUE A PA | sala");
}

}  // namespace

TEST(CommandBoxKeys, ArrowsOverTypedTextEditItAndWalkOnlyFromAnEmptyBox) {
  TempFolder game;
  writeCrossroads(game);
  const std::string dump = (game.path() / "meio").string();
  // Two Lefts put the cursor before "PA"; the X goes in there. Up has no earlier command to show.
  ASSERT_EQ(playEvents(game, "start\nrun sala\ntext PEGUE A PA\nkey Left\nkey Left\nkey Up\ntext X\ndump " + dump +
                                 "\nkey Escape\nkey Left\ndump " + (game.path() / "fim").string() + "\n"),
            0)
      << game.read("stderr.txt");
  EXPECT_EQ(dumpedState(game, "meio", "Posic"), "sala");
  EXPECT_EQ(game.readUtf8Lines("meio/input.txt"), std::vector<std::string>{"PEGUE A XPA"});
  // Esc emptied the box: Left walks west as ever.
  EXPECT_EQ(dumpedState(game, "fim", "Posic"), "oeste");
  EXPECT_EQ(game.readUtf8Lines("fim/msg.txt"), std::vector<std::string>{"Ao oeste."});
}

TEST(CommandBoxKeys, HomeEndAndUnknownKeysInEventsFiles) {
  TempFolder game;
  writeCrossroads(game);
  ASSERT_EQ(playEvents(game, "start\ntext OLHE\nkey Home\ntext A\nkey End\ntext Z\ndump " +
                                 (game.path() / "d").string() + "\n"),
            0)
      << game.read("stderr.txt");
  EXPECT_EQ(game.readUtf8Lines("d/input.txt"), std::vector<std::string>{"AOLHEZ"});
  EXPECT_EQ(playEvents(game, "start\nkey Tab\n"), 1);
  EXPECT_NE(game.read("stderr.txt").find("line 2: unknown key \"Tab\" (F1 F2 F3 F4 Up Down Left Right Enter Escape Home End)"),
            std::string::npos)
      << game.read("stderr.txt");
}

namespace {

struct CommandBoxWindowTest : ::testing::Test {
  CommandBoxWindowTest() {
    writeCrossroads(folder);
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
    session->deliver({shell::PlayerInput::Kind::Start, {}});
    session->deliver({shell::PlayerInput::Kind::Run, "sala"});
  }
  void key(Qt::Key code) { session->deliver({shell::PlayerInput::Kind::Key, name(code)}); }
  static std::string name(Qt::Key code) {
    if (code == Qt::Key_Escape) return "Escape";
    return ui::CommandBox::commandKeyName(code).toStdString();
  }
  QString box() { return session->window.gamePage->Input->text(); }
  std::string place() { return session->game.world.Posic; }

  TempFolder folder;
  ui::WindowOptions options;
  std::unique_ptr<ui::WindowSession> session;
};

}  // namespace

TEST_F(CommandBoxWindowTest, UpAndDownGoThroughTheSessionsCommandsAndBackToTheLineBeingEdited) {
  session->deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  session->deliver({shell::PlayerInput::Kind::Type, "PEGUE A PA"});
  EXPECT_EQ(box(), QString());
  EXPECT_EQ(session->window.gamePage->Input->history(), (QStringList{"OLHE", "PEGUE A PA"}));

  session->typeIntoCommandBox("EXAM");
  key(Qt::Key_Up);
  EXPECT_EQ(box(), QStringLiteral("PEGUE A PA"));
  key(Qt::Key_Up);
  EXPECT_EQ(box(), QStringLiteral("OLHE"));
  key(Qt::Key_Up);  // the oldest stays
  EXPECT_EQ(box(), QStringLiteral("OLHE"));
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  EXPECT_EQ(box(), QStringLiteral("EXAM"));  // the line being edited comes back
  key(Qt::Key_Down);
  EXPECT_EQ(box(), QStringLiteral("EXAM"));
  EXPECT_EQ(place(), "sala");  // no arrow walked

  // An empty box: each arrow is the game's walking key.
  session->deliver({shell::PlayerInput::Kind::Run, "sala"});
  ASSERT_EQ(box(), QString());
  key(Qt::Key_Up);
  EXPECT_EQ(place(), "norte");
}

TEST_F(CommandBoxWindowTest, AnArrowHeldDownOverTextNeverWalksWhenItEmptiesTheBox) {
  session->typeIntoCommandBox("AB");
  ui::CommandBox* input = session->window.gamePage->Input;
  // Left pressed over text; the box is emptied before Left comes up.
  QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(input, &left);
  input->clear();
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(input, &up);
  QCoreApplication::processEvents();
  EXPECT_EQ(place(), "sala");
}

TEST_F(CommandBoxWindowTest, TypingWhereTheGameHidesTheBoxShowsItForThatCommand) {
  folder.write("livro.scx", "modo= 2\nclearmsg\n'<a href=Scp=sala>Fechar o livro</a>'");
  session->deliver({shell::PlayerInput::Kind::Run, "livro"});
  ui::GamePage* page = session->window.gamePage;
  ASSERT_FALSE(page->Input->isVisibleTo(page));
  // A letter typed on the page (it reaches the window: the page takes no letters).
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_O, Qt::NoModifier, QStringLiteral("o"));
  QApplication::sendEvent(page->WebB, &letter);
  EXPECT_TRUE(page->Input->isVisibleTo(page));
  EXPECT_EQ(box(), QStringLiteral("O"));
  session->typeIntoCommandBox("LHE");
  key(Qt::Key_Return);
  EXPECT_EQ(place(), "sala");  // OLHE ran
  EXPECT_EQ(session->game.screen.viewerPage.text(), "1");
  EXPECT_TRUE(page->Input->isVisibleTo(page));  // the game shows it again itself

  // Esc on a box shown for a command hides it again, and the page is as the game left it.
  session->deliver({shell::PlayerInput::Kind::Run, "livro"});
  session->typeIntoCommandBox("X");
  EXPECT_TRUE(page->Input->isVisibleTo(page));
  key(Qt::Key_Escape);
  EXPECT_FALSE(page->Input->isVisibleTo(page));
  EXPECT_EQ(box(), QString());
  session->window.refresh(session->game);
  EXPECT_FALSE(page->Input->isVisibleTo(page));
}

TEST_F(CommandBoxWindowTest, CtrlCInTheBoxCopiesTheGameTextSelected) {
  ui::GamePage* page = session->window.gamePage;
  QTextCursor all(page->Msg->document());
  all.select(QTextCursor::Document);
  page->Msg->setTextCursor(all);
  QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
  QApplication::sendEvent(page->Input, &copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Na sala."));
}

TEST_F(CommandBoxWindowTest, ANoteInTheCornerSaysWhileTheSoundIsOff) {
  session->toggleMute();
  EXPECT_TRUE(session->window.muteNote->isVisibleTo(&session->window));
  EXPECT_TRUE(session->window.muteNote->text().contains(QStringLiteral("Ctrl+M")));
  session->toggleMute();
  EXPECT_FALSE(session->window.muteNote->isVisibleTo(&session->window));
}
