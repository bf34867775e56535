// The window as a player meets it, offscreen: Enter on the opening screen, the
// publisher links, the place the window reopens at, skipping the typewriter
// with the real clock, the window at scale 2 (clicks, text size), Ctrl+plus and
// F11, and what a screen reader is told.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScreen>
#include <QShortcut>
#include <QTextDocument>
#include <QTimer>

#include "model/defs.h"
#include "shell/startup.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/window_scale.h"
#include "model/map_state.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

const std::string kLongText = [] {
  std::string text;
  while (text.size() < 1500) text += "Era uma vez um castelo muito antigo. ";
  text.pop_back();  // a script line ends at its last letter
  return text;
}();

struct WindowExperienceTest : ::testing::Test {
  WindowExperienceTest() {
    table = model::DefinitionsTable::builtInRows();
    table[93] = "*";  // keeps the window rectangular
    writeGameFiles(folder, base::Lines(60), table);  // open() writes the table a test changed
    folder.write("abertura.scx", "modo= 1\nsetpos= sala\nnorte= norte\nmsg= Bem-vindo à sala.");
    folder.write("sala.scx", "modo= 1\nsetpos= sala\ncleartela 000000\nlnktel= ,norte,100,50,40,30\nmsg= Você está na sala.");
    folder.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte.");
    folder.write("longo.scx", "modo= 0\nmsg= " + kLongText);
    folder.write("comandos.scx", "OLHE | sala\nLONGO | longo");
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
  }

  void open() {
    folder.writeBytes("mirandel.ini", base::joinLines(table));
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
  }

  ui::MainWindow& window() { return session->window; }
  ui::GamePage& page() { return *session->window.gamePage; }
  std::string strip() { return utf(session->game.screen.Msg.text); }

  void key(QWidget* target, Qt::Key code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }

  // A click at a point of the window, delivered as the windowing system does:
  // to the widget under the point, at that widget's own coordinates.
  void clickWindowAt(QPoint at) {
    QWidget* target = window().childAt(at);
    ASSERT_NE(target, nullptr);
    const QPointF local = target->mapFrom(&window(), at);
    for (auto type : {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, local, window().mapToGlobal(QPointF(at)), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(target, &event);
    }
  }

  // A button event at a point of the window, sent to the widget given.
  void mouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, target->mapFrom(&window(), at), window().mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }

  QShortcut* shortcut(const QKeySequence& keys) {
    for (QShortcut* candidate : window().findChildren<QShortcut*>())
      if (candidate->keys().contains(keys)) return candidate;
    return nullptr;
  }

  base::Lines table;
  TempFolder folder;
  ui::WindowOptions options;
  std::unique_ptr<ui::WindowSession> session;
};

// The rows of the strip's text: the top and bottom of the pixels in the text
// colour (yellow, on the strip's green).
std::pair<int, int> textRows(const QImage& screen, QRect strip) {
  int top = -1, bottom = -1;
  for (int y = strip.top(); y <= strip.bottom(); ++y)
    for (int x = strip.left(); x <= strip.right(); ++x)
      if (qRed(screen.pixel(x, y)) > 128) {
        if (top < 0) top = y;
        bottom = y;
        break;
      }
  return {top, bottom};
}

}  // namespace

TEST_F(WindowExperienceTest, EnterOnTheOpeningScreenStartsTheGameOnceAndReachesNothingElse) {
  open();
  std::vector<std::string> keys;
  auto realKeys = session->queue.onKey;
  session->queue.onKey = [&](model::Game& game, const shell::PlayerInput& input) {
    keys.push_back(input.text);
    realKeys(game, input);
  };
  key(&window(), Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(window().Abok0->currentWidget(), window().gamePage);
  EXPECT_EQ(strip(), "Bem-vindo à sala.");
  EXPECT_TRUE(keys.empty());  // the key that started the game is not also a command key

  // Later presses of the opening keys or the title picture start nothing again.
  key(page().Input, Qt::Key_Return, QStringLiteral("\r"));
  folder.write("abertura.scx", "msg= De novo!");
  QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(100, 100), QPointF(100, 100), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(window().openingPage->TelAber, &twice);
  EXPECT_NE(strip(), "De novo!");
  EXPECT_EQ(window().Abok0->currentWidget(), window().gamePage);
}

TEST_F(WindowExperienceTest, SpaceStartsTheGameToo) {
  open();
  key(&window(), Qt::Key_Space, QStringLiteral(" "));
  EXPECT_EQ(strip(), "Bem-vindo à sala.");
  EXPECT_EQ(page().Input->text(), QString());  // the space typed nothing into the command box
}

TEST_F(WindowExperienceTest, WithoutAPublisherTheLinksAreHiddenAndAMissingBrowserIsSaid) {
  open();
  ui::OpeningPage* opening = window().openingPage;
  for (QWidget* link : {opening->Image1, opening->Image3, opening->Image4, opening->Image5})
    EXPECT_FALSE(link->isVisibleTo(opening)) << link->objectName().toStdString();
  EXPECT_TRUE(opening->Image2->isVisibleTo(opening));
  EXPECT_FALSE(opening->Label1->isVisibleTo(opening));

  session.reset();
  options.publisher.baseAddress = QStringLiteral("https://jogos.exemplo.net/");
  open();
  opening = window().openingPage;
  EXPECT_TRUE(opening->Image5->isVisibleTo(opening));
  EXPECT_EQ(opening->Label1->text(), QStringLiteral("https://jogos.exemplo.net/"));
  // No browser on the machine: the player says so in the window.
  std::vector<QString> asked;
  session->host.browser = [&](const QString& address) {
    asked.push_back(address);
    return false;
  };
  QAccessibleInterface* link = QAccessible::queryAccessibleInterface(opening->Image5);
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->role(), QAccessible::Link);
  ASSERT_NE(link->actionInterface(), nullptr);
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(asked, std::vector<QString>{QStringLiteral("https://jogos.exemplo.net/mrd2023")});
  ASSERT_FALSE(session->recording.record.errors.empty());
  EXPECT_NE(session->recording.record.errors.back().find("https://jogos.exemplo.net/mrd2023"), std::string::npos)
      << ::testing::PrintToString(session->recording.record.errors);
}

TEST_F(WindowExperienceTest, TheWindowReopensWhereItWasClosedOnAScreenThePlayerCanSee) {
  table[0] = "5000";  // a screen since unplugged
  table[1] = "5000";
  open();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect shown = window().frameGeometry();
  EXPECT_EQ(shown.bottom(), screen.bottom());  // pulled up and left as far as needed
  EXPECT_EQ(shown.right(), std::max(screen.right(), shown.width() - 1 + screen.left()));
  EXPECT_GE(shown.left(), screen.left());
  session->close();
  const auto saved = folder.readLines("mirandel.ini");
  EXPECT_EQ(saved[0], std::to_string(shown.left()));
  EXPECT_EQ(saved[1], std::to_string(shown.top()));
}

TEST(WindowPosition, PlayWithoutAWindowKeepsTheSavedPlace) {
  TestGame t(false);
  base::Lines table = model::DefinitionsTable::builtInRows();
  table[0] = "123";
  table[1] = "45";
  t.folder.writeBytes("mirandel.ini", base::joinLines(table));
  t.start();
  shell::shutDown(*t.game);
  const auto saved = t.folder.readLines("mirandel.ini");
  EXPECT_EQ(saved[0], "123");
  EXPECT_EQ(saved[1], "45");
}

TEST_F(WindowExperienceTest, AKeyWhileTheTypewriterWritesShowsTheRestAtOnceAndStillTypes) {
  options.scripted = false;  // the real clock: 7 ms a letter, some 10 s for the long text
  open();
  session->host.modalErrors = false;
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  size_t shownAtKey = 0;
  QTimer::singleShot(100, &window(), [&] {
    shownAtKey = session->game.screen.MsgMd0.text.size();
    key(page().Input, Qt::Key_X, QStringLiteral("x"));
  });
  QElapsedTimer clock;
  clock.start();
  session->deliver({shell::PlayerInput::Kind::Run, "longo"});
  const qint64 took = clock.elapsed();
  EXPECT_GT(shownAtKey, 0u);
  EXPECT_LT(shownAtKey, kLongText.size() / 2);  // the key came while the text was being written
  EXPECT_EQ(session->game.screen.MsgMd0.text, kLongText);
  EXPECT_LT(took, 5000);
  EXPECT_EQ(page().Input->text(), QStringLiteral("X"));  // the key itself was typed as always

  // The skip was for that text: the next one is typed again, letter by letter.
  folder.write("curto.scx", "clearmsg\nmsg= " + kLongText.substr(0, 100));
  clock.restart();
  session->deliver({shell::PlayerInput::Kind::Run, "curto"});
  EXPECT_GE(clock.elapsed(), 100 * 7 * 3 / 4);
}

TEST_F(WindowExperienceTest, AtScaleTwoAClickAtTwiceAHotSpotsPlaceHitsIt) {
  options.scale = 2;
  open();
  EXPECT_EQ(window().size(), QSize(1800, 840));
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  session->deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  ASSERT_EQ(strip(), "Você está na sala.");
  const auto& s = session->game.screen;
  ASSERT_EQ(session->game.surfaces.Tela.size(), QSize(s.Tela.width, s.Tela.height));  // one picture pixel a game pixel
  // The hot spot covers the picture's (100, 50) to (140, 80); the picture sits
  // in the viewer's page at the place the layout gives it.
  const QPoint spot(s.Abok1.x + s.PanTel.x + s.Tela.x + 120, s.Abok1.y + s.PanTel.y + s.Tela.y + 65);
  clickWindowAt(2 * spot);
  EXPECT_EQ(strip(), "Ao norte.");
  EXPECT_EQ(session->game.world.Posic, "norte");
}

TEST_F(WindowExperienceTest, AtScaleTwoTheMapAndThePagesPicturesTakeTwiceTheRoomAndStillAnswerThePointer) {
  writeRgbPng(folder.path() / "grande.png", testPattern(1000, 900));
  writeRgbPng(folder.path() / "foto.png", testPattern(40, 30));
  folder.write("mapa.scx", "modo= 1\nsetpos= sala\nloadmap= grande.png,\nposmap= 500,100,0,0\nshowmap on");
  folder.write("foto.scx", "modo= 2\n'<img src=foto.png>'");
  options.scale = 2;
  open();
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  session->deliver({shell::PlayerInput::Kind::Run, "foto"});
  // The page's picture, 30 pixels high, takes 60 of the page.
  EXPECT_GE(page().WebB->document()->size().height(), 60);

  session->deliver({shell::PlayerInput::Kind::Run, "mapa"});
  const auto& map = session->game.map;
  EXPECT_EQ(page().MapJog->size(), QSize(2000, 1800));
  EXPECT_EQ(page().Voce->geometry(), QRect(1000, 200, 2 * model::kMarkerWidth, 2 * model::kMarkerHeight));
  EXPECT_EQ(page().Sbc1->horizontalScrollBar()->value(), 2 * map.scrollX);
  EXPECT_EQ(page().Sbc1->verticalScrollBar()->value(), 2 * map.scrollY);

  // A drag of (+60, -40) screen pixels moves the map by (+30, -20) of its own.
  const int scrollX = map.scrollX, scrollY = map.scrollY;
  const QPoint from = page().MapJog->mapTo(&window(), QPoint(2 * (scrollX + 100), 2 * (scrollY + 100)));
  ASSERT_EQ(window().childAt(from), page().MapJog);
  mouse(page().MapJog, QEvent::MouseButtonPress, from);
  mouse(page().MapJog, QEvent::MouseMove, from + QPoint(60, -40));
  mouse(page().MapJog, QEvent::MouseButtonRelease, from + QPoint(60, -40));
  EXPECT_EQ(map.scrollX, scrollX - 30);
  EXPECT_EQ(map.scrollY, scrollY + 20);

  // The marker, where it is drawn, takes the player back to the place.
  clickWindowAt(page().Voce->mapTo(&window(), page().Voce->rect().center()));
  EXPECT_EQ(strip(), "Você está na sala.");
}

TEST_F(WindowExperienceTest, AtScaleTwoTheTextIsDrawnAtTheLargerSizeNotEnlarged) {
  open();
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  const auto& s = session->game.screen;
  const QRect strip(s.Abok1.x + s.Msg.x, s.Abok1.y + s.Msg.y, s.Msg.width, s.Msg.height);
  TempFolder dumps;
  ASSERT_TRUE(session->dump(dumps.path() / "um"));
  const QImage small(QString::fromStdString((dumps.path() / "um" / "screen.png").string()));

  QShortcut* larger = shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus));
  ASSERT_NE(larger, nullptr);
  emit larger->activated();
  emit larger->activated();
  ASSERT_EQ(window().scale().factor, 2);
  ASSERT_TRUE(session->dump(dumps.path() / "dois"));
  const QImage large(QString::fromStdString((dumps.path() / "dois" / "screen.png").string()));
  ASSERT_EQ(large.size(), QSize(1800, 840));

  const auto [smallTop, smallBottom] = textRows(small, strip);
  const QRect largeStrip = ui::Scale{2}.rect(strip);
  const auto [largeTop, largeBottom] = textRows(large, largeStrip);
  ASSERT_GE(smallTop, 0);
  ASSERT_GE(largeTop, 0);
  const int smallHeight = smallBottom - smallTop + 1, largeHeight = largeBottom - largeTop + 1;
  EXPECT_GE(largeHeight, smallHeight * 17 / 10);
  EXPECT_LE(largeHeight, smallHeight * 23 / 10);
  // Enlarged pixels would come in 2 x 2 blocks of one colour; text drawn at the
  // larger size has its edges anywhere.
  int mixedBlocks = 0;
  for (int y = largeStrip.top() & ~1; y < largeStrip.bottom(); y += 2)
    for (int x = largeStrip.left() & ~1; x < largeStrip.right(); x += 2) {
      const QRgb corner = large.pixel(x, y);
      if (large.pixel(x + 1, y) != corner || large.pixel(x, y + 1) != corner || large.pixel(x + 1, y + 1) != corner)
        ++mixedBlocks;
    }
  EXPECT_GT(mixedBlocks, 20);
}

TEST_F(WindowExperienceTest, CtrlPlusAndMinusAreRememberedAndF11CentresTheGameOnBlack) {
  const QString settings = QString::fromStdString((folder.path() / "config" / "window.ini").string());
  options.settingsFile = settings;
  open();
  EXPECT_EQ(window().size(), QSize(900, 420));
  emit shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus))->activated();
  EXPECT_EQ(window().size(), QSize(1350, 630));
  emit shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus))->activated();
  emit shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal))->activated();
  emit shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal))->activated();
  EXPECT_EQ(window().scale().factor, 2);
  EXPECT_EQ(ui::rememberedScale(settings), 2);

  QShortcut* fullScreen = shortcut(QKeySequence(Qt::Key_F11));
  ASSERT_NE(fullScreen, nullptr);
  emit fullScreen->activated();
  QCoreApplication::processEvents();
  EXPECT_TRUE(window().isFullScreen());
  // Fitted to the 3840 x 2160 screen: the width limits.
  EXPECT_EQ(window().Abok0->width(), 3840);
  EXPECT_LE((window().Abok0->geometry().center() - window().rect().center()).manhattanLength(), 2);
  EXPECT_EQ(window().palette().color(QPalette::Window), QColor(Qt::black));
  emit fullScreen->activated();
  QCoreApplication::processEvents();
  EXPECT_FALSE(window().isFullScreen());
  EXPECT_EQ(window().size(), QSize(1800, 840));

  // The next window opens at the scale chosen; scripted play, which remembers
  // nothing, keeps to scale 1.
  session.reset();
  open();
  EXPECT_EQ(window().scale().factor, 2);
  session.reset();
  options.settingsFile.clear();
  open();
  EXPECT_EQ(window().scale().factor, 1);
}

TEST_F(WindowExperienceTest, AScreenReaderFindsTheControlsByNameAndReadsTheGameText) {
  open();
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(page().Msg);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->text(QAccessible::Name), QStringLiteral("Game text"));
  ASSERT_NE(strip->textInterface(), nullptr);
  EXPECT_EQ(strip->textInterface()->text(0, strip->textInterface()->characterCount()),
            QString::fromUtf8("Bem-vindo à sala."));
  EXPECT_TRUE(strip->state().readOnly);

  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(page().Input);
  EXPECT_EQ(box->role(), QAccessible::EditableText);
  EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Command"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page().Tela)->role(), QAccessible::Graphic);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(page().MsgMd0)->text(QAccessible::Name),
            QStringLiteral("Game text"));

  // The end button is a button a screen reader can press: it closes the game.
  QAccessibleInterface* end = QAccessible::queryAccessibleInterface(page().btFim);
  EXPECT_EQ(end->role(), QAccessible::Button);
  EXPECT_EQ(end->text(QAccessible::Name), QStringLiteral("Encerrar"));  // the caption the game writes beside it
  ASSERT_TRUE(end->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  end->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(session->closed());
}

TEST_F(WindowExperienceTest, TheCommandBoxTellsAScreenReaderWhatTheGameJustWrote) {
  open();
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(page().Input);
  EXPECT_EQ(box->text(QAccessible::Description), QString::fromUtf8("Bem-vindo à sala."));
  session->deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  EXPECT_EQ(box->text(QAccessible::Description), QString::fromUtf8("Você está na sala."));
  // The typewriter page adds to its text: only the new part is news.
  session->deliver({shell::PlayerInput::Kind::Run, "longo"});
  folder.write("mais.scx", "msg= E o castelo caiu.");
  session->deliver({shell::PlayerInput::Kind::Run, "mais"});
  EXPECT_EQ(box->text(QAccessible::Description), QStringLiteral("E o castelo caiu."));
}

TEST_F(WindowExperienceTest, TextWithLineBreaksIsSetOnceAndTypedWithOneBreakALine) {
  folder.write("linhas.scx", "modo= 1\nmsg= Linha um§Linha dois");
  folder.write("maquina.scx", "modo= 0\nclearmsg\nmsg= Um§Dois");
  open();
  session->deliver({shell::PlayerInput::Kind::Start, {}});
  session->deliver({shell::PlayerInput::Kind::Run, "linhas"});
  ASSERT_NE(session->game.screen.Msg.text.str().find("\r\n"), std::string::npos);
  EXPECT_EQ(page().Msg->toPlainText(), QStringLiteral("Linha um\nLinha dois"));
  // Repaints (the rain repaints 25 times a second) leave the unchanged text alone:
  // a screen reader hears it once.
  int changes = 0;
  QObject::connect(page().Msg->document(), &QTextDocument::contentsChange, [&] { ++changes; });
  for (int i = 0; i < 3; ++i) window().refresh(session->game);
  EXPECT_EQ(changes, 0);

  session->deliver({shell::PlayerInput::Kind::Run, "maquina"});
  EXPECT_EQ(page().MsgMd0->toPlainText(), QStringLiteral("Um\nDois"));
}
