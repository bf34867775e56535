// The window on the screens of a desktop (the test program's offscreen desktop:
// a 3840 x 2160 main screen and a 1600 x 1000 screen on its right): the scale
// never takes the window past its screen, steps down on the smaller screen and
// back up; F11 fits the demo game to the screen, exactly or in whole steps, on
// black with no key colour anywhere; Ctrl+0 goes back to 1x.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include "support/test_game.h"
#include "ui/key_colour.h"
#include "ui/window_scale.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_SOURCE_DIR) / "games" / "mirandel";

int keyColourPixels(const QImage& picture) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      if ((rgb.pixel(x, y) | 0xFF000000) == ui::kKeyColour) ++count;
  return count;
}

QScreen* screenNamed(const QString& name) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->name() == name) return screen;
  return nullptr;
}

struct WindowFitTest : ::testing::Test {
  WindowFitTest() {
    for (const auto& entry : std::filesystem::directory_iterator(kDemoGame))
      std::filesystem::copy_file(entry.path(), game.path() / entry.path().filename());
    options.start.gameFolder = game.path().string();
    options.settingsFile = QString::fromStdString((game.path() / "config" / "window.ini").string());
  }

  void open() {
    session = std::make_unique<ui::WindowSession>(options);
    session->host.modalErrors = false;
    session->start();
    session->deliver({shell::PlayerInput::Kind::Start, {}});
    QCoreApplication::processEvents();
  }

  void moveTo(QScreen* screen) {
    session->window.keepOnScreen(screen->availableGeometry().topLeft() + QPoint(20, 20));
    QCoreApplication::processEvents();
  }

  void press(const QKeySequence& keys) {
    for (QShortcut* shortcut : session->window.findChildren<QShortcut*>())
      if (shortcut->keys().contains(keys)) {
        emit shortcut->activated();
        QCoreApplication::processEvents();
        return;
      }
    ADD_FAILURE() << "no shortcut " << keys.toString().toStdString();
  }

  ui::MainWindow& window() { return session->window; }

  TempFolder game;
  ui::WindowOptions options;
  std::unique_ptr<ui::WindowSession> session;
};

}  // namespace

TEST(WindowScale, TheLargestScaleThatFitsAndTheFullScreenFit) {
  const QSize game(900, 420);
  EXPECT_EQ(ui::largestScaleThatFits(game, QSize(3840, 2160)), 4);
  EXPECT_EQ(ui::largestScaleThatFits(game, QSize(1600, 1000)), 1.5);
  EXPECT_EQ(ui::largestScaleThatFits(game, QSize(1800, 840)), 2);  // to the pixel
  EXPECT_EQ(ui::largestScaleThatFits(game, QSize(1799, 840)), 1.5);
  EXPECT_EQ(ui::largestScaleThatFits(game, QSize(800, 600)), 1);  // smaller than the game: 1x all the same

  EXPECT_EQ(ui::fullScreenScale(game, QSize(1600, 1000), false), 1);
  EXPECT_EQ(ui::fullScreenScale(game, QSize(1920, 1080), false), 2);
  const double exact = ui::fullScreenScale(game, QSize(1600, 1000), true);
  const QSize shown = ui::Scale{exact}.size(game);
  EXPECT_EQ(shown.width(), 1600);  // the width is the side that limits
  EXPECT_LE(shown.height(), 1000);
  const QSize tall = ui::Scale{ui::fullScreenScale(game, QSize(1000, 1600), true)}.size(game);
  EXPECT_EQ(tall.width(), 1000);
  EXPECT_LE(tall.height(), 1600);
}

TEST(WindowScale, TheFullScreenFitIsRemembered) {
  TempFolder folder;
  const QString settings = QString::fromStdString((folder.path() / "window.ini").string());
  EXPECT_TRUE(ui::rememberedExactFit(settings));  // nothing said: the exact fit
  EXPECT_TRUE(ui::rememberExactFit(settings, false));
  EXPECT_FALSE(ui::rememberedExactFit(settings));
  EXPECT_TRUE(ui::rememberScale(settings, 2));  // one setting leaves the other alone
  EXPECT_FALSE(ui::rememberedExactFit(settings));
}

TEST_F(WindowFitTest, TheScaleNeverTakesTheWindowPastItsScreenAndComesBackOnALargerOne) {
  QScreen* main = screenNamed("main");
  QScreen* small = screenNamed("small");
  ASSERT_NE(main, nullptr);
  ASSERT_NE(small, nullptr) << "the test desktop has two screens";
  options.scale = 3;
  open();
  ASSERT_EQ(window().currentScreen(), main);
  EXPECT_EQ(window().scale().factor, 3);
  EXPECT_EQ(window().size(), QSize(2700, 1260));

  moveTo(small);
  EXPECT_EQ(window().currentScreen(), small);
  EXPECT_EQ(window().scale().factor, 1.5);
  EXPECT_TRUE(small->availableGeometry().contains(window().frameGeometry())) << window().frameGeometry().width();
  // Ctrl+plus at the largest that fits says so and changes nothing.
  press(QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_EQ(window().scale().factor, 1.5);
  EXPECT_TRUE(window().notice->isVisibleTo(&window()));
  EXPECT_EQ(ui::rememberedScale(options.settingsFile), 1);  // nothing chosen yet

  // Back on the large screen the window takes the scale the player chose.
  moveTo(main);
  EXPECT_EQ(window().scale().factor, 3);
  press(QKeySequence(Qt::CTRL | Qt::Key_0));
  EXPECT_EQ(window().scale().factor, 1);
  EXPECT_EQ(window().size(), QSize(900, 420));
  EXPECT_EQ(ui::rememberedScale(options.settingsFile), 1);
}

TEST_F(WindowFitTest, F11FitsTheGameToTheScreenOnBlackWithoutTheKeyColour) {
  QScreen* small = screenNamed("small");
  ASSERT_NE(small, nullptr);
  open();
  moveTo(small);
  press(QKeySequence(Qt::Key_F11));
  ASSERT_TRUE(window().isFullScreen());
  ASSERT_EQ(window().size(), small->geometry().size());
  // The exact fit: the game fills the side that limits it, centred.
  const QRect game = window().Abok0->geometry();
  EXPECT_EQ(game.width(), 1600);
  EXPECT_LE(game.height(), 1000);
  EXPECT_LE(std::abs(game.center().y() - window().rect().center().y()), 1);
  const QImage exact = window().grab().toImage();
  EXPECT_EQ(keyColourPixels(exact), 0);
  EXPECT_EQ(QColor(exact.pixel(5, 5)), QColor(Qt::black));  // above the game

  // Shift+F11: whole steps, remembered; the game is within one step of the edge.
  press(QKeySequence(Qt::SHIFT | Qt::Key_F11));
  EXPECT_EQ(window().scale().factor, 1);
  EXPECT_LT(1600 - window().Abok0->width(), 900);
  EXPECT_EQ(keyColourPixels(window().grab().toImage()), 0);
  EXPECT_FALSE(ui::rememberedExactFit(options.settingsFile));

  press(QKeySequence(Qt::Key_F11));
  EXPECT_FALSE(window().isFullScreen());
  EXPECT_EQ(window().size(), QSize(900, 420));
}

TEST_F(WindowFitTest, TheEndButtonShowsNoKeyColourFringeAtOneAndAHalf) {
  options.scripted = true;  // the dump's screen is the window's
  for (double scale : {1.0, 1.5}) {
    options.scale = scale;
    open();
    const QImage screen = window().grab().toImage();
    const QRect button = window().gamePage->btFim->geometry().adjusted(-2, -2, 2, 2);
    ASSERT_TRUE(window().gamePage->btFim->isVisibleTo(window().gamePage));
    EXPECT_EQ(keyColourPixels(screen.copy(button)), 0) << scale;
    // Nor a pixel mostly magenta at its edge.
    int pink = 0;
    const QImage around = screen.copy(button).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < around.height(); ++y)
      for (int x = 0; x < around.width(); ++x) {
        const QRgb c = around.pixel(x, y);
        if (std::min(qRed(c), qBlue(c)) - qGreen(c) > 100) ++pink;
      }
    EXPECT_EQ(pink, 0) << scale;
    EXPECT_EQ(keyColourPixels(screen), 0) << scale;
    session.reset();
  }
}
