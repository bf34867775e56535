// The window's turn history, offscreen: Ctrl+Z undoes a turn and Ctrl+Y redoes
// it (Ctrl+Z with text in the command box edits the text instead); PageUp opens
// the scrollback of the session's transcript, Ctrl+F finds a word in it, Esc
// closes the search and then the scrollback; the game's screen stays as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QDir>
#include <QTimer>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "model/defs.h"
#include "support/test_game.h"
#include "ui/raise_request.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

struct WindowHistoryTest : ::testing::Test {
  WindowHistoryTest() {
    auto table = model::DefinitionsTable::builtInRows();
    table[93] = "*";  // keeps the window rectangular
    writeGameFiles(folder, base::Lines(60), table);
    folder.write("abertura.scx", "modo= 1\nsetpos= sala\nmsg= Bem-vindo \xC3\xA0 sala.");
    folder.write("sala.scx", "modo= 1\nsetpos= sala\nmsg= Voc\xC3\xAA est\xC3\xA1 na sala.");
    folder.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte h\xC3\xA1 uma lanterna.");
    folder.write("comandos.scx", "OLHE | sala\nNORTE | norte");
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
    session->deliver({shell::PlayerInput::Kind::Start, {}});
  }

  void key(QWidget* target, Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
  QShortcut* shortcut(const QKeySequence& keys) {
    for (QShortcut* candidate : session->window.findChildren<QShortcut*>())
      if (candidate->keys().contains(keys)) return candidate;
    return nullptr;
  }
  std::string place() { return session->game.world.Posic; }

  TempFolder folder;
  std::unique_ptr<ui::WindowSession> session;
};

}  // namespace

TEST_F(WindowHistoryTest, CtrlZUndoesATurnAndCtrlYRedoesIt) {
  session->deliver({shell::PlayerInput::Kind::Type, "NORTE"});
  ASSERT_EQ(place(), "norte");
  QShortcut* undo = shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QShortcut* redo = shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  ASSERT_TRUE(undo && redo);
  emit undo->activated();
  EXPECT_EQ(place(), "sala");
  EXPECT_EQ(utf(session->game.screen.Msg.text), "Bem-vindo \xC3\xA0 sala.");
  // The window shows the restored text, not the text of the turn undone.
  EXPECT_EQ(session->window.gamePage->gameText(session->game).toStdString(), "Bem-vindo \xC3\xA0 sala.");
  emit redo->activated();
  EXPECT_EQ(place(), "norte");
}

TEST_F(WindowHistoryTest, TheCommandBoxKeepsCtrlZForItsTextWhileItHoldsSome) {
  QLineEdit* box = session->window.gamePage->Input;
  QKeyEvent withText(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
  box->setText("NOR");
  withText.ignore();  // as the shortcut map asks: unclaimed unless a widget takes it
  QApplication::sendEvent(box, &withText);
  EXPECT_TRUE(withText.isAccepted()) << "the box undoes its own typing";
  box->clear();
  QKeyEvent empty(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
  empty.ignore();  // as the shortcut map asks: unclaimed unless a widget takes it
  QApplication::sendEvent(box, &empty);
  EXPECT_FALSE(empty.isAccepted()) << "an empty box leaves Ctrl+Z to the window";
}

TEST_F(WindowHistoryTest, PageUpOpensTheScrollbackWhereCtrlFFindsAWordAndEscCloses) {
  session->deliver({shell::PlayerInput::Kind::Type, "NORTE"});
  session->deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  QShortcut* open = shortcut(QKeySequence(Qt::Key_PageUp));
  ASSERT_NE(open, nullptr);
  emit open->activated();
  ui::ScrollbackView* scrollback = session->scrollback();
  ASSERT_TRUE(scrollback->isVisible());
  const QString text = scrollback->text->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("> NORTE\nAo norte há uma lanterna.\n> OLHE\nVocê está na sala."))) << text.toStdString();
  EXPECT_TRUE(scrollback->text->isReadOnly());
  scrollback->startSearch();
  scrollback->search->setText(QStringLiteral("lanterna"));
  key(scrollback->search, Qt::Key_Return);
  EXPECT_EQ(scrollback->text->textCursor().selectedText(), QStringLiteral("lanterna"));
  scrollback->grab().save(QString::fromStdString((folder.path() / "scrollback.png").string()));
  if (const char* keep = std::getenv("MIRANDEL_KEEP_SCREENSHOTS"))
    scrollback->grab().save(QString::fromStdString(std::string(keep) + "/scrollback.png"));
  key(scrollback, Qt::Key_Escape);
  EXPECT_FALSE(scrollback->search->isVisible());
  EXPECT_TRUE(scrollback->isVisible());
  key(scrollback, Qt::Key_Escape);
  EXPECT_FALSE(scrollback->isVisible());
  // The game's screen is as it was.
  EXPECT_EQ(utf(session->game.screen.Msg.text), "Voc\xC3\xAA est\xC3\xA1 na sala.");
}

// A second player started on an open game asks the first to raise its window:
// the request reaches the listener of that folder, and no other.
TEST(RaiseRequestTest, TheFirstPlayerOfAFolderHearsTheSecondAndOnlyThatFolder) {
  TempFolder game, other;
  QObject owner;
  int raised = 0;
  ui::listenForRaise(&owner, game.path(), [&] { ++raised; });
  EXPECT_FALSE(ui::askToRaise(other.path()));
  // The asking side waits for its line to go out; the listener hears it as events run.
  bool asked = false;
  QTimer::singleShot(0, [&] { asked = ui::askToRaise(game.path() / "." ); });
  for (int i = 0; i < 200 && raised == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_TRUE(asked);
  EXPECT_EQ(raised, 1);
}

// A player killed while it listened leaves its socket behind: the next player of
// the folder takes it over, and only its user may connect to it.
TEST(RaiseRequestTest, ASocketLeftByAKilledPlayerIsTakenOverForThisUserOnly) {
  TempFolder game;
  const std::string path = (QDir::tempPath() + "/" + ui::raiseChannelName(game.path())).toStdString();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  path.copy(address.sun_path, path.size());
  const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(left, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(left);  // the file stays, nobody listens
  EXPECT_FALSE(ui::askToRaise(game.path()));

  QObject owner;
  int raised = 0;
  ui::listenForRaise(&owner, game.path(), [&] { ++raised; });
  struct stat mode {};
  ASSERT_EQ(::stat(path.c_str(), &mode), 0);
  EXPECT_EQ(mode.st_mode & 0777, 0600u);
  EXPECT_TRUE(ui::askToRaise(game.path()));
  for (int i = 0; i < 200 && raised == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_EQ(raised, 1);
}

// A player that closes takes its socket with it.
TEST(RaiseRequestTest, AClosingPlayerTakesItsSocketWithIt) {
  TempFolder game;
  const std::string path = (QDir::tempPath() + "/" + ui::raiseChannelName(game.path())).toStdString();
  {
    QObject owner;
    ui::listenForRaise(&owner, game.path(), [] {});
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(path)));
  }
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
  EXPECT_FALSE(ui::askToRaise(game.path()));
}
