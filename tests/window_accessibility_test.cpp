// The window through a screen reader's eyes (Qt's accessibility interfaces, as the
// AT-SPI bridge hands them on): the function panel's hot spots are buttons named
// by their link text or picture, and pressing one clicks it; the end button is
// named with the game's caption, is reached with Tab and pressed with Space, and
// its caption is clickable; the game's reply is said as an alert.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "model/defs.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

struct WindowAccessibilityTest : ::testing::Test {
  WindowAccessibilityTest() {
    base::Lines table = model::DefinitionsTable::builtInRows();
    table[93] = "*";
    writeGameFiles(folder, base::Lines(60), table);
    writeRgbPng(folder.path() / "bussola.png", testPattern(20, 20));
    folder.write("abertura.scx",
                 "modo= 1\nsetpos= sala\nlnkfnc= Norte,norte,10,10\nlnkfnc= bussola.png,sul,10,60\nmsg= Na sala.");
    folder.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte.");
    folder.write("sul.scx", "modo= 1\nsetpos= sul\nmsg= Ao sul.");
    folder.write("comandos.scx", "OLHE | norte");
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
    session->deliver({shell::PlayerInput::Kind::Start, {}});
  }
  ui::GamePage& page() { return *session->window.gamePage; }

  // The buttons among the children of a control, by name.
  static std::map<QString, QAccessibleInterface*> buttons(QWidget* control) {
    std::map<QString, QAccessibleInterface*> found;
    QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(control);
    for (int i = 0; parent && i < parent->childCount(); ++i)
      if (QAccessibleInterface* child = parent->child(i); child && child->role() == QAccessible::Button)
        found[child->text(QAccessible::Name)] = child;
    return found;
  }

  TempFolder folder;
  std::unique_ptr<ui::WindowSession> session;
};

}  // namespace

TEST_F(WindowAccessibilityTest, ThePanelsHotSpotsAreButtonsNamedByTheirTextOrPictureAndPressOne) {
  auto panel = buttons(page().TelCmd);
  ASSERT_EQ(panel.size(), 2u);
  ASSERT_TRUE(panel.count(QStringLiteral("Norte")));
  ASSERT_TRUE(panel.count(QStringLiteral("bussola")));
  QAccessibleInterface* north = panel[QStringLiteral("Norte")];
  EXPECT_EQ(north->parent()->object(), page().TelCmd);
  EXPECT_TRUE(north->rect().isValid());
  ASSERT_NE(north->actionInterface(), nullptr);
  EXPECT_EQ(north->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  north->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(session->game.world.Posic, "norte");
}

TEST_F(WindowAccessibilityTest, TheEndButtonIsCalledByTheGamesCaptionAndIsReachedAndPressedFromTheKeyboard) {
  QAccessibleInterface* end = QAccessible::queryAccessibleInterface(page().btFim);
  ASSERT_EQ(page().lbFim->text(), QStringLiteral("Encerrar"));
  EXPECT_EQ(end->text(QAccessible::Name), QStringLiteral("Encerrar"));
  EXPECT_EQ(end->role(), QAccessible::Button);
  EXPECT_TRUE(page().btFim->focusPolicy() & Qt::TabFocus);
  page().btFim->setFocus();
  QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
  QApplication::sendEvent(page().btFim, &down);
  ASSERT_FALSE(session->recording.record.sounds.empty());
  EXPECT_EQ(session->recording.record.sounds.back(), "effect clk0a.wav") << "Space holds the button down";
  QApplication::sendEvent(page().btFim, &up);
  EXPECT_TRUE(session->closed());
}

TEST_F(WindowAccessibilityTest, TheCaptionIsClickableLikeThePill) {
  for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, QPointF(3, 3), page().lbFim->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(page().lbFim, &click);
  }
  EXPECT_TRUE(session->closed());
}

TEST_F(WindowAccessibilityTest, TheGamesReplyIsSaidAsAnAlert) {
  // The alert a screen reader speaks as it appears (Qt's offscreen platform has
  // no accessibility bridge to watch its event go out; Orca speaks an alert
  // that shows, as the AT-SPI tree under Xvfb shows it).
  session->deliver({shell::PlayerInput::Kind::Type, "OLHE"});
  QAccessibleInterface* news = QAccessible::queryAccessibleInterface(page().news);
  ASSERT_NE(news, nullptr);
  EXPECT_EQ(news->role(), QAccessible::AlertMessage);
  EXPECT_EQ(news->text(QAccessible::Name), QStringLiteral("Ao norte."));
  EXPECT_FALSE(news->state().invisible);
  EXPECT_TRUE(page().news->isVisibleTo(&page()));
  // The next reply replaces it.
  folder.write("sul.scx", "modo= 1\nsetpos= sul\nmsg= Ao sul.");
  session->deliver({shell::PlayerInput::Kind::Run, "sul"});
  EXPECT_EQ(news->text(QAccessible::Name), QStringLiteral("Ao sul."));
}
