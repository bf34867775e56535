// The desktop window, offscreen: the opening screen, the command box, the end
// button (pressed and released), closing the window, and the screen the window shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTextDocument>
#include <QElapsedTimer>
#include <QShortcut>
#include <QTimer>

#include "sound_writers.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "ui/pix_page.h"
#include "ui/window_session.h"
#include "view/end_button.h"

using namespace testing_support;

namespace {

struct WindowTest : ::testing::Test {
  WindowTest() {
    folder.writeBytes("mirandel.ini", "");
    ui::WindowOptions options;
    options.start.gameFolder = folder.path().string();
    options.scripted = true;
    options.publisher.baseAddress = QStringLiteral("https://quimera.example.org/");
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
  }
  void click(QWidget* widget, QEvent::Type type) {
    QMouseEvent event(type, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
  TempFolder folder;
  std::unique_ptr<ui::WindowSession> session;
};

}  // namespace

TEST_F(WindowTest, OpensOnTheOpeningScreenWithItsLabelsAndLinks) {
  auto& window = session->window;
  EXPECT_EQ(window.size(), QSize(900, 420));
  EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window.Abok0->currentWidget(), window.openingPage);
  EXPECT_EQ(window.openingPage->Label7->text(), QString::fromUtf8("Versão especial 2023"));
  EXPECT_EQ(window.openingPage->Label1->text(), QStringLiteral("https://quimera.example.org/"));
  click(window.openingPage->Image5, QEvent::MouseButtonRelease);
  click(window.openingPage->Image2, QEvent::MouseButtonRelease);  // no action
  ASSERT_EQ(session->recording.record.opened.size(), 1u);
  EXPECT_EQ(session->recording.record.opened[0], "https://quimera.example.org/mrd2023");
  // The title picture is painted, not blank.
  QImage screen = window.grab().toImage();
  EXPECT_NE(screen.pixel(450, 10), screen.pixel(450, 400));
}

TEST_F(WindowTest, EndButtonClicksThenClosesWithTheShutDownSequence) {
  auto* button = session->window.gamePage->btFim;
  synth::Samples click20ms;
  click20ms.data.assign(441, 1000);
  synth::writeWav(folder.path() / "clk0a.wav", click20ms);
  synth::writeWav(folder.path() / "clk0b.wav", click20ms);
  // Scripted play starts the title theme at once (the folder has none).
  EXPECT_EQ(session->recording.record.sounds, std::vector<std::string>{"music mirandel.mp3"});
  click(button, QEvent::MouseButtonPress);
  EXPECT_EQ(session->recording.record.sounds.back(), "effect clk0a.wav");
  EXPECT_EQ(session->game.media.effect, "clk0a.wav");
  EXPECT_TRUE(session->host.soundDevice().playing(platform::SoundChannel::Effect));
  click(button, QEvent::MouseButtonRelease);
  EXPECT_EQ(session->recording.record.sounds.back(), "effect clk0b.wav");
  EXPECT_EQ(session->game.media.effect, "clk0b.wav");
  EXPECT_TRUE(session->closed());
  EXPECT_EQ(folder.readLines("debug.txt").back(), "Componentes liberados com sucesso");
  EXPECT_EQ(folder.readLines("mirandel.ini").size(), 101u);  // the table was saved
}

TEST_F(WindowTest, TheEndButtonLooksPressedWhileTheMouseIsDown) {
  const QImage up = testPattern(40, 20), down = testPattern(40, 20).mirrored(true, true);
  writeBmp(folder.path() / "U-bot1.bmp", up);
  writeBmp(folder.path() / "D-bot1.bmp", down);
  view::loadEndButtonPicture(session->game, "bot1.bmp");
  auto* button = session->window.gamePage->btFim;
  session->window.refresh(session->game);
  EXPECT_EQ(largestChannelDifference(button->picture(), up), 0);
  click(button, QEvent::MouseButtonPress);
  EXPECT_EQ(largestChannelDifference(session->game.surfaces.btFim, down), 0);
  EXPECT_EQ(largestChannelDifference(button->picture(), down), 0);
  click(button, QEvent::MouseButtonRelease);
  EXPECT_EQ(largestChannelDifference(session->game.surfaces.btFim, up), 0);
  // After the title theme, the two clicks of the button.
  const auto& sounds = session->recording.record.sounds;
  ASSERT_GE(sounds.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(sounds.end() - 2, sounds.end()),
            (std::vector<std::string>{"effect clk0a.wav", "effect clk0b.wav"}));
  // A missing pressed picture is noted; the button keeps the picture it has.
  std::filesystem::remove(folder.path() / "D-bot1.bmp");
  click(button, QEvent::MouseButtonPress);
  EXPECT_EQ(largestChannelDifference(session->game.surfaces.btFim, up), 0);
  EXPECT_EQ(utf(session->game.debug.lines().back()), "Não encontrei arquivo: D-bot1.bmp");
}

TEST_F(WindowTest, CtrlMTurnsTheSoundOffAndOnAgain) {
  QShortcut* mute = nullptr;
  for (QShortcut* shortcut : session->window.findChildren<QShortcut*>())
    if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_M)) mute = shortcut;
  ASSERT_NE(mute, nullptr);
  EXPECT_EQ(mute->context(), Qt::ApplicationShortcut);  // also while the command box has the focus
  EXPECT_FALSE(session->host.soundDevice().muted());
  emit mute->activated();
  EXPECT_TRUE(session->host.soundDevice().muted());
  emit mute->activated();
  EXPECT_FALSE(session->host.soundDevice().muted());
}

TEST_F(WindowTest, ClosingTheWindowAnyOtherWaySavesOnce) {
  session->window.move(40, 30);
  QKeyEvent ctrlQ(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier);
  QApplication::sendEvent(&session->window, &ctrlQ);
  EXPECT_TRUE(session->closed());
  auto table = folder.readLines("mirandel.ini");
  ASSERT_EQ(table.size(), 101u);
  EXPECT_EQ(table[0], std::to_string(session->window.pos().x()));
  session->close();  // a second close does not run the sequence again
  auto log = folder.readLines("debug.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), "Componentes liberados com sucesso"), 1);
}

// A stop signal that comes while an error box waits for its answer closes the
// box, then the window with the shut-down sequence; no box opens after it and
// no pause keeps the run from its end.
TEST_F(WindowTest, AStopClosesAnOpenBoxAndThenTheWindowWithTheShutDownSequence) {
  session->host.modalErrors = true;
  bool boxOpen = false;
  QTimer::singleShot(0, &session->window, [&] {
    boxOpen = QApplication::activeModalWidget() != nullptr;
    session->stop();
  });
  // A box the stop leaves open is closed later, so a failure cannot hang the suite.
  auto closeLeftBox = [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  };
  QTimer fallback;
  fallback.setSingleShot(true);
  QObject::connect(&fallback, &QTimer::timeout, closeLeftBox);
  fallback.start(3000);
  QElapsedTimer answered;
  answered.start();
  session->host.errorBox("N\xE3o encontrei a m\xFAsica mirandel.mp3");
  EXPECT_TRUE(boxOpen);
  EXPECT_LT(answered.elapsed(), 2500);
  EXPECT_TRUE(session->closed());
  EXPECT_EQ(folder.readLines("debug.txt").back(), "Componentes liberados com sucesso");

  answered.restart();
  fallback.start(3000);
  session->host.errorBox("outro erro");
  EXPECT_LT(answered.elapsed(), 2500);
  backends::QtHost clock(false);
  clock.setClosing();
  answered.restart();
  clock.sleep(3000);
  EXPECT_LT(answered.elapsed(), 2500);
}

TEST_F(WindowTest, CommandBoxUpperCasesSwallowsEnterAndReportsCommandKeys) {
  std::vector<std::string> keys;
  session->queue.onKey = [&](model::Game&, const shell::PlayerInput& input) { keys.push_back(input.text); };
  auto* box = session->window.gamePage->Input;
  QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(box, &typed);
  box->setFocus();
  box->insert(QString::fromUtf8("çã"));
  EXPECT_EQ(box->text(), QString::fromUtf8("AÇÃ"));
  EXPECT_EQ(utf(session->game.screen.Input.text), "AÇÃ");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_F3, Qt::Key_Left, Qt::Key_X}) {
    QString text = key == Qt::Key_X ? QStringLiteral("x") : key == Qt::Key_Return ? QStringLiteral("\r") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
  }
  // Left over typed text only moves the cursor: it walks from an empty box alone.
  EXPECT_EQ(keys, (std::vector<std::string>{"Enter", "F3"}));
  EXPECT_EQ(box->text(), QString::fromUtf8("AÇXÃ"));  // Enter added nothing; Left moved the cursor
}

TEST_F(WindowTest, PagpixShowsTheSupportPageWithItsQrCode) {
  session->deliver({shell::PlayerInput::Kind::Run, "pagpix"});
  auto* page = session->window.gamePage;
  EXPECT_EQ(page->Abok1->currentWidget(), static_cast<QWidget*>(page->pagePix));
  const QImage& code = page->pagePix->Image7->picture();
  ASSERT_FALSE(code.isNull());
  // A QR code starts with a finder pattern: dark corner module after the quiet border.
  EXPECT_EQ(qGray(code.pixel(4 * 5 + 1, 4 * 5 + 1)), 0);
  EXPECT_EQ(qGray(code.pixel(1, 1)), 255);
}

TEST_F(WindowTest, PagePicturesComeFromTheGameFolderOnly) {
  TempFolder elsewhere;
  QImage red(8, 6, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(QString::fromStdString((folder.path() / "Sala.png").string())));
  ASSERT_TRUE(red.save(QString::fromStdString((elsewhere.path() / "fora.png").string())));
  std::filesystem::create_symlink(elsewhere.path() / "fora.png", folder.path() / "atalho.png");
  const std::string outside = (elsewhere.path() / "fora.png").string();
  folder.write("pagina.scx", "modo= 2\n'<img src=sala.png><img src=" + outside + "><img src=file://" + outside +
                                 "><img src=atalho.png><img src=../" + elsewhere.path().filename().string() +
                                 "/fora.png>'");
  session->deliver({shell::PlayerInput::Kind::Run, "pagina"});
  QTextDocument* document = session->window.gamePage->WebB->document();
  ASSERT_TRUE(document->toHtml().contains(QStringLiteral("sala.png")));
  auto picture = [&](const QString& source) {
    // What the page view loaded, in whichever form the document keeps it.
    QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(source));
    if (resource.typeId() == QMetaType::QPixmap) return resource.value<QPixmap>().toImage();
    if (resource.typeId() == QMetaType::QImage) return resource.value<QImage>();
    return QImage::fromData(resource.toByteArray());
  };
  EXPECT_EQ(picture(QStringLiteral("sala.png")).size(), QSize(8, 6));  // any spelling of a game file
  for (const QString& source : {QString::fromStdString(outside), QString::fromStdString("file://" + outside),
                                QStringLiteral("atalho.png"),
                                QString::fromStdString("../" + elsewhere.path().filename().string() + "/fora.png")})
    EXPECT_LE(picture(source).width(), 1) << source.toStdString();  // nothing shown (never the picture itself)
}

TEST_F(WindowTest, TheDownloadPageShowsItsSwitchesAndPressedButtons) {
  folder.write("opcoes.scx", "download");
  session->deliver({shell::PlayerInput::Kind::Run, "opcoes"});
  auto* page = session->window.gamePage;
  EXPECT_EQ(page->Abok1->currentWidget(), page->pageDown);
  auto* line = static_cast<ui::PictureWidget*>(page->pageDown->control("TicLine"));
  auto* all = page->pageDown->control("TicTudo");
  EXPECT_FALSE(all->isVisibleTo(page->pageDown));
  const QImage unticked = line->picture();
  click(line, QEvent::MouseButtonPress);
  click(line, QEvent::MouseButtonRelease);
  EXPECT_TRUE(all->isVisibleTo(page->pageDown));
  EXPECT_NE(line->picture(), unticked);  // Tic1 in place of Tic0
  EXPECT_EQ(folder.readLines("mirandel.ini").at(103), "*");

  // A picture button shows its pressed picture only while pressed, with its clicks.
  auto* check = static_cast<ui::PictureWidget*>(page->pageDown->control("btAtual"));
  const QImage up = check->picture();
  click(check, QEvent::MouseButtonPress);
  EXPECT_NE(check->picture(), up);
  EXPECT_EQ(session->recording.record.sounds.back(), "effect clk0a.wav");
  click(check, QEvent::MouseButtonRelease);
  EXPECT_EQ(check->picture(), up);
  EXPECT_EQ(session->recording.record.sounds.back(), "effect clk0b.wav");
  // No server was given: the check fails with its message.
  auto* notice = page->pageDown->findChild<QLabel*>("lbAviso");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->text(), QStringLiteral("Erro ao baixar arquivo ou internet fora do ar!"));
}
