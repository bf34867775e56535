// The window playing a small game, offscreen: the double-click that starts it,
// typed commands, function and arrow keys, page links clicked in mode "2" (to a
// script, to a page of the game folder, to the web), and what the screen shows.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>

#include "model/defs.h"
#include "support/test_game.h"
#include "ui/cursor_shapes.h"
#include "ui/window_session.h"

using namespace testing_support;

namespace {

struct WindowPlayTest : ::testing::Test {
  WindowPlayTest() {
    base::Lines table = model::DefinitionsTable::builtInRows();
    table[93] = "*";  // keeps the window rectangular
    writeGameFiles(folder, base::Lines(60), table);
    folder.write("abertura.scx", "modo= 1\nsetpos= sala\nnorte= norte\nmsg= Bem-vindo à sala.");
    folder.write("sala.scx", "modo= 1\nsetpos= sala\nnorte= norte\nmsg= Você está na sala.");
    folder.write("norte.scx", "modo= 1\nsetpos= norte\nmsg= Ao norte.");
    folder.write("ajuda.scx", "msg= Ajuda!");
    folder.write("livro.scx", "modo= 2\n'Um livro. <a href=Scp=sala&Prm=5>Voltar</a>'");
    folder.write("casa.scx", "modo= 0\nsetpos= casa\nmsg= Casa sem figura.");
    folder.write("comandos.scx", "OLHE | sala\nLEIA O LIVRO | livro\nINSTRUÇÕES | ajuda\nENTRE | casa");
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
  }

  ui::GamePage& page() { return *session->window.gamePage; }
  std::string strip() { return utf(session->game.screen.Msg.text); }

  void doubleClickTitle() {
    QWidget* title = session->window.openingPage->TelAber;
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(100, 100), title->mapToGlobal(QPointF(100, 100)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &click);
  }

  // Keys as a user types them in the command box.
  void key(Qt::Key code, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(page().Input, &press);
    QApplication::sendEvent(page().Input, &release);
  }
  void type(const QString& command) {
    for (QChar c : command) key(static_cast<Qt::Key>(c.toUpper().unicode()), QString(c));
    key(Qt::Key_Return, QStringLiteral("\r"));
  }

  // Finds the link text on the shown page and clicks it where it is drawn.
  bool clickLink(const QString& text) {
    QTextCursor link = page().WebB->document()->find(text);
    if (link.isNull()) return false;
    QRect at = page().WebB->cursorRect(link);
    QPointF point(at.left() - 8, at.center().y());
    QWidget* viewport = page().WebB->viewport();
    for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent event(type, point, viewport->mapToGlobal(point), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(viewport, &event);
    }
    return true;
  }

  TempFolder folder;
  std::unique_ptr<ui::WindowSession> session;
};

// The number of pixels in the rectangle that have the colour.
int pixelsOf(const QImage& image, QRect area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
  return count;
}

}  // namespace

TEST_F(WindowPlayTest, DoubleClickStartsTheGameAndTheStripShowsTheText) {
  doubleClickTitle();
  auto& window = session->window;
  EXPECT_EQ(window.Abok0->currentWidget(), window.gamePage);
  EXPECT_EQ(strip(), "Bem-vindo à sala.");
  EXPECT_EQ(page().Msg->toPlainText(), QString::fromUtf8("Bem-vindo à sala."));
  EXPECT_EQ(page().Abok1->currentWidget(), page().page1);
  // The strip lies where rows 27-30 put it inside the viewer (rows 22-23), in the
  // panel colour (row 18) with its text in the text colour (row 19).
  QImage screen = window.grab().toImage();
  const QRect strip(10 + 0, 10 + 285, 670, 80);
  EXPECT_EQ(page().Msg->geometry().translated(page().Abok1->pos()), strip);
  EXPECT_GT(pixelsOf(screen, strip, qRgb(0x21, 0x94, 0x39)), strip.width() * strip.height() / 2);
  EXPECT_GT(pixelsOf(screen, strip, qRgb(0xFF, 0xFF, 0x00)), 50);
  EXPECT_EQ(pixelsOf(screen, QRect(10, 10, 670, 280), qRgb(0xFF, 0xFF, 0x00)), 0);  // none on the picture
  // A second double-click is impossible: the opening screen is gone.
  EXPECT_FALSE(window.openingPage->isVisible());
}

TEST_F(WindowPlayTest, TypedCommandsFunctionKeysAndArrowsRunTheirScripts) {
  doubleClickTitle();
  type(QStringLiteral("olhe"));
  EXPECT_EQ(strip(), "Você está na sala.");
  EXPECT_EQ(page().Input->text(), QString());  // the command box is emptied
  key(Qt::Key_F1);
  EXPECT_EQ(strip(), "Ajuda!");
  key(Qt::Key_F3);  // recalls the last command without running it
  EXPECT_EQ(page().Input->text(), QStringLiteral("INSTRU\u00c7\u00d5ES"));
  EXPECT_EQ(strip(), "Ajuda!");
  page().Input->clear();
  key(Qt::Key_Up);  // the north exit
  EXPECT_EQ(strip(), "Ao norte.");
  EXPECT_EQ(session->game.world.Posic, "norte");
  type(QStringLiteral("voar"));
  EXPECT_EQ(strip(), "Perdão, não entendi.");
  // Every key down clicked.
  auto& sounds = session->recording.record.sounds;
  EXPECT_GE(std::count(sounds.begin(), sounds.end(), "effect clk3.wav"), 12);
}

TEST_F(WindowPlayTest, ClickingAPageLinkRunsItsScriptWithItsParameters) {
  doubleClickTitle();
  type(QStringLiteral("leia o livro"));
  ASSERT_EQ(session->game.screen.Modelo.text(), "2");
  EXPECT_EQ(page().Abok1->currentWidget(), page().WebB);
  EXPECT_TRUE(page().WebB->toPlainText().contains(QStringLiteral("Um livro.")));
  ASSERT_TRUE(clickLink(QStringLiteral("Voltar")));
  EXPECT_EQ(session->game.runner.currentScript, "sala");
  EXPECT_EQ(session->game.runner.Prm, "5");
  EXPECT_EQ(strip(), "Você está na sala.");
}

TEST_F(WindowPlayTest, APageLinkToAPageOfTheGameFolderShowsThatPage) {
  folder.write("livro.scx", "modo= 2\n'Um livro. <a href=ajuda.htm>Ajuda</a>'");
  folder.write("ajuda.htm",
               "<p>Página de ajuda.</p><p><a href=Scp=sala>Voltar</a> <a href=https://example.org/>Site</a> "
               "<a href=mailto:autor@example.org>Autor</a></p>");
  doubleClickTitle();
  type(QStringLiteral("leia o livro"));
  ASSERT_TRUE(clickLink(QStringLiteral("Ajuda")));
  EXPECT_TRUE(page().WebB->toPlainText().contains(QString::fromUtf8("Página de ajuda.")));
  EXPECT_EQ(session->game.screen.pageShown, (folder.path() / "ajuda.htm").string());
  // Its own links: a web site opens in the browser, a mail address is refused.
  ASSERT_TRUE(clickLink(QStringLiteral("Site")));
  EXPECT_EQ(session->recording.record.opened, std::vector<std::string>{"https://example.org/"});
  const size_t errorsBefore = session->recording.record.errors.size();
  ASSERT_TRUE(clickLink(QStringLiteral("Autor")));
  ASSERT_EQ(session->recording.record.errors.size(), errorsBefore + 1);
  EXPECT_NE(session->recording.record.errors.back().find("mailto:autor@example.org"), std::string::npos);
  EXPECT_TRUE(page().WebB->toPlainText().contains(QString::fromUtf8("Página de ajuda.")));
  ASSERT_TRUE(clickLink(QStringLiteral("Voltar")));
  EXPECT_EQ(strip(), "Você está na sala.");
}

TEST_F(WindowPlayTest, APlaceWithoutAPictureShowsNothingOfAnEarlierPageAtItsEdges) {
  // A page whose text starts at the left edge, then a typewriter place: the
  // margins around MsgMd0 show the viewer's colour (row 18) and nothing else.
  folder.write("livro.scx", "modo= 2\n'" + std::string(30, 'W') + "<br>" + std::string(30, 'M') + "'");
  doubleClickTitle();
  type(QStringLiteral("leia o livro"));
  type(QStringLiteral("entre"));
  ASSERT_EQ(session->game.screen.viewerPage.text(), "0");
  EXPECT_EQ(page().MsgMd0->toPlainText(), QStringLiteral("Casa sem figura."));
  QImage screen = session->window.grab().toImage();
  const QRgb viewer = qRgb(0x21, 0x94, 0x39);
  for (QRect margin : {QRect(10, 10, 5, 365), QRect(675, 10, 5, 365), QRect(10, 10, 670, 5), QRect(10, 370, 670, 5)})
    EXPECT_EQ(pixelsOf(screen, margin, viewer), margin.width() * margin.height())
        << margin.x() << "," << margin.y() << " " << margin.width() << "x" << margin.height();
  // Only the page of the mode is on show.
  for (QWidget* other : {static_cast<QWidget*>(page().WebB), static_cast<QWidget*>(page().Sbox2),
                         static_cast<QWidget*>(page().Sbc1), page().page1})
    EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
}

TEST_F(WindowPlayTest, KeysThatReachTheWindowGoToTheCommandBox) {
  doubleClickTitle();
  session->window.setFocus();  // no control holds the focus
  for (auto [code, text] : std::initializer_list<std::pair<Qt::Key, QString>>{
           {Qt::Key_O, "o"}, {Qt::Key_L, "l"}, {Qt::Key_H, "h"}, {Qt::Key_E, "e"}, {Qt::Key_F5, ""},
           {Qt::Key_Return, "\r"}}) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(&session->window, &press);  // a key the box ignores must not loop back
    QApplication::sendEvent(&session->window, &release);
  }
  EXPECT_EQ(strip(), "Você está na sala.");
}

TEST_F(WindowPlayTest, ARealMouseClickOnAHotSpotRunsItsScriptAndTheCursorTakesItsShape) {
  QImage normal(40, 30, QImage::Format_RGB32), pressed(40, 30, QImage::Format_RGB32);
  normal.fill(qRgb(255, 0, 0));
  pressed.fill(qRgb(0, 0, 255));
  normal.save(QString::fromStdString((folder.path() / "porta.bmp").string()), "BMP");
  pressed.save(QString::fromStdString((folder.path() / "porta2.bmp").string()), "BMP");
  folder.write("sala.scx", "modo= 1\nsetpos= sala\ncleartela 000000\nlnktel= porta.bmp,norte,100,50,0,0,6,porta2.bmp\n"
                           "msg= Você está na sala.");
  doubleClickTitle();
  type(QStringLiteral("olhe"));
  ui::PictureWidget* tela = page().Tela;
  auto mouse = [&](QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), tela->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tela, &event);
  };
  mouse(QEvent::MouseMove, QPoint(300, 200));
  EXPECT_EQ(tela->cursor().shape(), Qt::ArrowCursor);
  mouse(QEvent::MouseMove, QPoint(110, 60));
  EXPECT_EQ(session->game.pointer.hoveredSlot, 0);
  ASSERT_EQ(tela->cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(tela->cursor().pixmap().toImage(), ui::cursorShape(view::CursorShape::LeftArrow).pixmap().toImage());
  EXPECT_EQ(tela->cursor().hotSpot(), QPoint(1, 16));
  mouse(QEvent::MouseButtonPress, QPoint(110, 60));
  // The pressed picture shows on the window while the button is down.
  EXPECT_EQ(tela->grab().toImage().pixel(110, 60) & 0xFFFFFF, 0x0000FFu);
  mouse(QEvent::MouseButtonRelease, QPoint(110, 60));
  EXPECT_EQ(strip(), "Ao norte.");
  EXPECT_EQ(session->game.world.Posic, "norte");
}
