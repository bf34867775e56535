// The window session: wiring between the window, the input queue and the engine.
#include "ui/window_session.h"

#include <QApplication>
#include <QDateTime>
#include <QInputDialog>
#include <QStyleHints>
#include <QMessageBox>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QShortcut>
#include <QTimer>
#include <cstdio>

#include "base/cp1252.h"
#include "input/command_keys.h"
#include "media/sound_player.h"
#include "backends/real_devices.h"
#include "online/down_controls.h"
#include "shell/dump.h"
#include "model/definitions_rows.h"
#include "backends/qt_text.h"
#include "ui/first_paint.h"
#include "ui/raise_request.h"
#include "ui/window_place.h"
#include "ui/window_scale.h"
#include "view/end_button.h"

namespace ui {
namespace {

// --watch looks at the game folder this often; a change is taken when it held for one look.
constexpr int kWatchLookMilliseconds = 200;

Qt::Key keyCode(const std::string& name) {
  static const std::pair<const char*, Qt::Key> keys[] = {
      {"F1", Qt::Key_F1}, {"F2", Qt::Key_F2},     {"F3", Qt::Key_F3},     {"F4", Qt::Key_F4},      {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Enter", Qt::Key_Return},
      {"Escape", Qt::Key_Escape}, {"Home", Qt::Key_Home}, {"End", Qt::Key_End}};
  for (const auto& [keyName, code] : keys)
    if (name == keyName) return code;
  return Qt::Key_unknown;
}

void sendKey(QWidget* target, Qt::Key key, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &release);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace

WindowSession::WindowSession(const WindowOptions& options)
    : shell::Session<backends::QtHost>(options.scripted), window(options.publisher, options.gamePageLater), options_(options) {
  host.modalErrors = !options.scripted;
  host.outer = &recording;
  // Scripted play keeps to its virtual clock: the text cursor does not blink on
  // the real one, so a dump's screen shows it the same way every time.
  if (options.scripted) QGuiApplication::styleHints()->setCursorFlashTime(0);
  speakers = backends::installRealDevices(host, host.devices, !options.scripted);
  host.soundDevice().setMuted(options.mute);
  prepare(options.slotsFolder, options.traceFile);
  connectWindow();
}

WindowSession::~WindowSession() { shutDownOnce(); }

void WindowSession::start() {
  starting_ = true;
  struct Started {
    bool& starting;
    ~Started() { starting = false; }
  } started{starting_};
  window.setFollowsScreen(!options_.scripted);
  window.setExactFit(rememberedExactFit(options_.settingsFile));
  window.setScale(options_.scale > 0 ? options_.scale : rememberedScale(options_.settingsFile));
  shell::StartOptions start = options_.start;
  start.openingScreenReady = [this] {
    placeWindow();
    window.refresh(game);
    window.show();
  };
  shell::start(game, start);
  // A second player started on this game brings this window to the front.
  if (!options_.scripted)
    listenForRaise(&window, options_.start.gameFolder, [this] {
      window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
      window.raise();
      window.activateWindow();
    });
  beginTranscript(options_.transcriptFile);
  window.refresh(game);
  window.show();
  showMuteNote();
  if (options_.watch) {
    liveReload_ = std::make_unique<shell::LiveReload>(game);
    auto* looks = new QTimer(&window);
    QObject::connect(looks, &QTimer::timeout, &window, [this] { lookForChanges(); });
    looks->start(kWatchLookMilliseconds);
  }
  // The title theme starts when the window first becomes active, once the
  // opening screen is painted; scripted play has no active window and starts it
  // at once.
  if (options_.scripted) {
    startTitleMusic();
  } else {
    afterFirstPaint(&window, [this] {
      openingPainted_ = true;
      if (activated_) startTitleMusic();
    });
    window.activateWindow();
  }
  // The game page is made while the player looks at the opening screen (or
  // before, when something needs it); a window that closes at once needs none.
  if (options_.gamePageLater)
    afterFirstPaint(&window, [this] {
      if (!shutDown_) window.page();
    });
}

// The window reopens where it was closed (rows 0 and 1 of the table), on a
// screen the player can see; without a saved place it stays centred.
void WindowSession::placeWindow() {
  if (!game.Defs.number(model::row::WindowLeft) || !game.Defs.number(model::row::WindowTop)) {
    // The first start: in the middle of the main screen, at the scale it opens at.
    const QScreen* primary = QGuiApplication::primaryScreen();
    keepOnScreen(primary ? primary->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2)
                         : window.pos());
    return;
  }
  keepOnScreen(QPoint(game.window.left, game.window.top));
}

void WindowSession::keepOnScreen(QPoint wanted) {
  window.keepOnScreen(wanted);
  game.window.left = window.pos().x();
  game.window.top = window.pos().y();
}

void WindowSession::startTitleMusic() {
  if (titleMusicStarted_ || shutDown_) return;
  titleMusicStarted_ = true;
  media::playTitleMusic(game);
}

void WindowSession::toggleMute() {
  host.soundDevice().setMuted(!host.soundDevice().muted());
  showMuteNote();
}

// While the sound is off a note in the corner says so, and how to turn it on.
void WindowSession::showMuteNote() {
  if (host.soundDevice().muted())
    window.muteNote->say(QCoreApplication::translate("Window", "Sound off (Ctrl+M turns it on)"));
  else
    window.muteNote->hide();
}

void WindowSession::changeScale(double factor) {
  // Past the largest that fits the screen the window stays as it is.
  if (factor > window.largestScale()) {
    window.notice->say(QCoreApplication::translate("Window", "The window is as large as this screen allows."), 3000);
    return;
  }
  if (window.isFullScreen()) toggleFullScreen();  // a scale is the window's
  if (factor == window.chosenScale() && factor == window.scale().factor) return;  // Ctrl+0 at 1x
  window.setScale(factor);
  keepOnScreen(window.pos());
  window.refresh(game);
  if (!rememberScale(options_.settingsFile, factor)) cannotRemember();
}

void WindowSession::toggleFullScreen() {
  window.toggleFullScreen();
  window.refresh(game);
}

void WindowSession::toggleExactFit() {
  window.setExactFit(!window.exactFit());
  window.refresh(game);
  if (!rememberExactFit(options_.settingsFile, window.exactFit())) cannotRemember();
}

void WindowSession::cannotRemember() const {
  std::fprintf(stderr, "mirandel: %s\n",
               QCoreApplication::translate("Window", "cannot remember the window's settings in %1")
                   .arg(options_.settingsFile)
                   .toLocal8Bit()
                   .constData());
}

void WindowSession::addShortcut(const QList<QKeySequence>& keys, std::function<void()> action) {
  // Application-wide: also while the command box or the page has the focus.
  auto* shortcut = new QShortcut(&window);
  shortcut->setKeys(keys);
  shortcut->setContext(Qt::ApplicationShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
}

void WindowSession::connectWindow() {
  host.onRepaint = [this] {
    window.refresh(game);
    // What a run shows is painted as it comes, at a pace the text's length allows.
    if (!options_.scripted) repaintPace_.runWhenDue([this] { window.repaint(); });
  };
  host.onQuit = [this] { window.close(); };
  window.onCloseRequested = [this] {
    if (queue.busy()) {
      // Closing in the middle of a run: the run ends first (a wait for a sound
      // ends at once), then the player closes.
      host.setClosing();
      queue.post({shell::PlayerInput::Kind::Quit, {}});
      return false;
    }
    return shutDownOnce();
  };

  window.onActivated = [this] {
    activated_ = true;
    if (openingPainted_ || options_.scripted) startTitleMusic();
  };
  // A key or a click while a run writes shows the rest of its text at once; the
  // key or click itself is handled after the run, as any input that comes then.
  actions_ = std::make_unique<PlayerActions>(&window, [this] {
    if (queue.busy()) game.screen.typewriterSkipped = true;
  });
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_M)}, [this] { toggleMute(); });
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
              [this] { changeScale(largerScale(window.windowedScale())); });
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { changeScale(smallerScale(window.windowedScale())); });
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { changeScale(kSmallestScale); });
  // Undo and redo whole turns (the command box keeps Ctrl+Z for its own text
  // while it holds some).
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Z)}, [this] { post({shell::PlayerInput::Kind::Undo, {}}); });
  addShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
              [this] { post({shell::PlayerInput::Kind::Redo, {}}); });
  queue.onHistoryMoved = [this](bool back, bool moved) {
    if (!moved) return QApplication::beep();
    transcript.mark(back ? QCoreApplication::translate("Terminal", "[undone: the game is as it was before your last turn]").toStdString()
                         : QCoreApplication::translate("Terminal", "[redone]").toStdString());
  };
  queue.slotScreen = [this] { return window.grab().toImage(); };
  queue.onSlotDone = [this](const shell::PlayerInput& input, const shell::SlotOutcome& outcome) { tellSlotDone(input, outcome); };
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { saveToSlot(); });
  addShortcut({QKeySequence(Qt::CTRL | Qt::Key_O)}, [this] { openSlots(); });
  // The scrollback opens from the game's window only: in its own window PageUp scrolls.
  for (QKeySequence keys : {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::CTRL | Qt::Key_H)}) {
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, [this] { openScrollback(); });
  }
  addShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D)}, [this] { openConsole(); });
  addShortcut({QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); });
  addShortcut({QKeySequence(Qt::SHIFT | Qt::Key_F11)}, [this] { toggleExactFit(); });
  window.onScaleChanged = [this] { window.refresh(game); };

  OpeningPage* opening = window.openingPage;
  QObject::connect(opening, &OpeningPage::startRequested, &window,
                   [this] { post({shell::PlayerInput::Kind::Start, {}}); });
  QObject::connect(opening, &OpeningPage::addressRequested, &window,
                   [this](const QString& address) { recording.openWebPage(backends::cp1252(address)); });

  // A page made later shows the game as it stands at once, as one made with the window would.
  window.onGamePageMade = [this] {
    connectGamePage();
    window.gamePage->refresh(game);
  };
  if (window.gamePage) connectGamePage();
}

void WindowSession::connectGamePage() {
  GamePage* page = window.gamePage;
  QObject::connect(page->Input, &QLineEdit::textChanged, &window, [this](const QString& text) {
    game.screen.Input.text = backends::cp1252(text);
  });
  QObject::connect(page->Input, &CommandBox::keyDown, &window, [this] { input::keyPressed(game); });
  QObject::connect(page->Input, &CommandBox::commandKeyReleased, &window, [this](const QString& name) {
    post({shell::PlayerInput::Kind::Key, name.toStdString()});
  });
  QObject::connect(page, &GamePage::linkFollowed, &window, [this](const QString& address) {
    post({shell::PlayerInput::Kind::Link, backends::cp1252(address)});
  });
  connectMap();
  connectPointer();
  DownPageView* down = page->pageDown;
  auto controlName = [](const QString& name) { return name.toStdString(); };
  QObject::connect(down, &DownPageView::buttonPressed, &window,
                   [this, controlName](const QString& name) { online::pressDownButton(game, controlName(name)); window.refresh(game); });
  QObject::connect(down, &DownPageView::buttonReleased, &window, [this, controlName](const QString& name) {
    online::releaseDownButton(game, controlName(name));
    post({shell::PlayerInput::Kind::Down, controlName(name)});
  });
  QObject::connect(down, &DownPageView::tickClicked, &window, [this, controlName](const QString& name) {
    post({shell::PlayerInput::Kind::Down, controlName(name)});
  });
  QObject::connect(page->btFim, &PictureWidget::pressed, &window, [this] { pressEndButton(); });
  QObject::connect(page->btFim, &PictureWidget::released, &window, [this] { releaseEndButton(); });
}

// The map page: the map is dragged by the engine (moves count only while the
// button is down on it), the scroll bars move it too, and the marker takes
// the player back.
void WindowSession::connectMap() {
  using Kind = shell::PlayerInput::Kind;
  GamePage* page = window.gamePage;
  QObject::connect(page->MapJog, &PictureWidget::pressed, &window,
                   [this](QPoint at) { post({Kind::Press, "map", at.x(), at.y()}); });
  QObject::connect(page->MapJog, &PictureWidget::moved, &window, [this](QPoint at) {
    if (game.map.pressed) post({Kind::Move, "map", at.x(), at.y()});
  });
  QObject::connect(page->MapJog, &PictureWidget::released, &window,
                   [this](QPoint at) { post({Kind::Release, "map", at.x(), at.y()}); });
  QObject::connect(page->Voce, &PictureWidget::released, &window,
                   [this](QPoint at) { post({Kind::Click, "voce", at.x(), at.y()}); });
  QObject::connect(page->Sbc1->horizontalScrollBar(), &QScrollBar::valueChanged, &window,
                   [this](int value) { game.map.scrollX = window.scale().toGame(QPoint(value, 0)).x(); });
  QObject::connect(page->Sbc1->verticalScrollBar(), &QScrollBar::valueChanged, &window,
                   [this](int value) { game.map.scrollY = window.scale().toGame(QPoint(0, value)).y(); });
}

// The pictures' mouse events go to the engine as pointer input; the window only
// follows what the engine decided (cursors, pressed pictures, the drag).
void WindowSession::connectPointer() {
  using Kind = shell::PlayerInput::Kind;
  GamePage* page = window.gamePage;
  for (const char* surface : {"tel", "fnc", "pan", "md3"}) {
    PictureWidget* picture = page->pictureOf(surface);
    const std::string name = surface;
    QObject::connect(picture, &PictureWidget::moved, &window,
                     [this, name](QPoint at) { postPointer({Kind::Move, name, at.x(), at.y()}); });
    QObject::connect(picture, &PictureWidget::pressed, &window,
                     [this, name](QPoint at) { postPointer({Kind::Press, name, at.x(), at.y()}); });
    QObject::connect(picture, &PictureWidget::released, &window,
                     [this, name](QPoint at) { postPointer({Kind::Release, name, at.x(), at.y()}); });
  }
  QObject::connect(page, &GamePage::wheelTurned, &window, [this](QPoint at, int delta) {
    shell::PlayerInput wheel{Kind::Wheel, "md3", at.x(), at.y()};
    wheel.delta = delta;
    postPointer(wheel);
  });
  QObject::connect(page->Sbox2->verticalScrollBar(), &QScrollBar::valueChanged, &window,
                   [this](int value) { game.pointer.page3Scroll = window.scale().toGame(QPoint(value, 0)).x(); });
}

void WindowSession::postPointer(const shell::PlayerInput& input) {
  // The engine moves the window by the skin from where the window really is;
  // it counts the move in game pixels, which the scale turns into screen pixels.
  const QPoint from = window.pos();
  game.window.left = from.x();
  game.window.top = from.y();
  if (input.kind == shell::PlayerInput::Kind::Move) {
    queue.post(input);
    window.gamePage->showCursors(game);
  } else {
    post(input);
  }
  const QPoint moved = window.scale().point(QPoint(game.window.left, game.window.top) - from);
  if (!moved.isNull() && !window.isFullScreen()) window.move(from + moved);
  game.window.left = window.pos().x();
  game.window.top = window.pos().y();
}

void WindowSession::post(shell::PlayerInput input) {
  const QString textBefore = window.page()->gameText(game);
  queue.post(std::move(input));
  // A box shown for one command goes when the command has run: the game's layout is back.
  if (!queue.busy()) window.page()->endLending();
  window.refresh(game);
  if (!queue.busy()) {
    window.page()->applyFocus(game);
    window.page()->tellScreenReaders(textBefore, game);
  }
  if (queue.quitRequested() && !queue.busy()) window.close();
}

void WindowSession::openConsole() {
  if (!console_) console_ = new DebugConsoleView(game, queue, recording.record, [this] { window.refresh(game); }, &window);
  console_->show();
  console_->raise();
  console_->activateWindow();
  console_->input->setFocus();
}

// Never inside a run (a run lets events through) nor before a game was started.
void WindowSession::lookForChanges() {
  if (!liveReload_ || queue.busy() || shutDown_ || !game.world.gameLoaded) return;
  auto reload = liveReload_->look(game);
  if (!reload) return;
  const QString line = QCoreApplication::translate("Window", "Reloaded %1; %2 runs again.")
                           .arg(QString::fromStdString(shell::reloadedNames(*reload)),
                                QString::fromStdString(base::cp1252ToUtf8(reload->place)));
  window.notice->say(line, 4000);
  std::fprintf(stderr, "mirandel: %s\n", line.toLocal8Bit().constData());
  post({shell::PlayerInput::Kind::Run, reload->place});
}

bool WindowSession::shutDownOnce() {
  if (shutDown_) return true;
  shutDown_ = true;
  // Full screen is not a place: the window reopens where it was before it.
  QPoint at = window.isFullScreen() ? window.normalGeometry().topLeft() : window.pos();
  game.window.left = at.x();
  game.window.top = at.y();
  shell::shutDown(game);
  return true;
}

void WindowSession::pressEndButton() {
  view::pressEndButton(game);
  window.refresh(game);
}

void WindowSession::releaseEndButton() {
  view::releaseEndButton(game);
  window.refresh(game);
  host.processEvents();
  host.sleep(200);
  window.close();
}

void WindowSession::openScrollback() {
  // The scrollback and the saved games' list are made when first opened.
  if (!scrollback_) scrollback_ = new ScrollbackView(&window);
  scrollback_->showText(QString::fromStdString(transcript.sessionText()));
  scrollback_->show();
  scrollback_->raise();
  scrollback_->activateWindow();
}

void WindowSession::saveToSlot() {
  const QString offered = backends::unicode(game.world.Posic) + QStringLiteral(" ") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  bool ok = false;
  const QString name = QInputDialog::getText(&window, QCoreApplication::translate("Slots", "Save the game"),
                                             QCoreApplication::translate("Slots", "Name of the saved game:"),
                                             QLineEdit::Normal, offered, &ok);
  if (ok && !name.trimmed().isEmpty()) post({shell::PlayerInput::Kind::SaveSlot, name.trimmed().toStdString()});
}

void WindowSession::openSlots() {
  if (!slotsDialog_) {
    slotsDialog_ = new SlotsDialog(queue.saveSlots, &window);
    slotsDialog_->onRestore = [this](const std::string& name) { post({shell::PlayerInput::Kind::LoadSlot, name}); };
  }
  slotsDialog_->reload();
  slotsDialog_->show();
  slotsDialog_->raise();
  slotsDialog_->activateWindow();
}

void WindowSession::tellSlotDone(const shell::PlayerInput& input, const shell::SlotOutcome& outcome) {
  const bool saving = input.kind == shell::PlayerInput::Kind::SaveSlot;
  const QString said = QCoreApplication::translate("Slots", shell::slotOutcomeText(saving, outcome.result))
                           .arg(QString::fromStdString(input.text), QString::fromStdString(outcome.detail));
  if (outcome.ok()) {
    if (!saving) transcript.mark(said.toStdString());
  } else if (options_.scripted) {
    std::fprintf(stderr, "mirandel: %s\n", said.toLocal8Bit().constData());
  } else {
    QMessageBox::warning(&window, QCoreApplication::translate("Slots", "Saved games"), said);
  }
}

void WindowSession::close() { window.close(); }

void WindowSession::stop() {
  host.setClosing();
  // The box's own event loop ends when the box does; the code that opened it
  // then goes on, with no box to wait for.
  for (int boxes = 0; boxes < 16; ++boxes) {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) break;
    if (auto* dialog = qobject_cast<QDialog*>(box))
      dialog->done(QDialog::Rejected);
    else
      box->close();
  }
  closeWhenFree();
}

// Not in the middle of the start-up (the start-up goes on to its end, then the
// event loop closes the window: a close before the loop runs would leave the
// loop nothing to end); a run in progress is asked to end first.
void WindowSession::closeWhenFree() {
  if (!starting_) window.close();
  if (starting_ || !shutDown_) QTimer::singleShot(50, &window, [this] { closeWhenFree(); });
}

void WindowSession::deliver(const shell::PlayerInput& input) {
  using Kind = shell::PlayerInput::Kind;
  GamePage* page = window.page();
  switch (input.kind) {
    case Kind::Start:
      sendMouse(window.openingPage->TelAber, QEvent::MouseButtonDblClick, QPoint(450, 210));
      break;
    case Kind::Type:
      // Typing where the game hides the box shows it for the command, as in the window.
      page->lendCommandBox();
      // One key event carrying the letters, as an input method delivers them
      // (every letter clicks; the box takes the text in once, not letter by
      // letter with the whole line laid out again each time), then Enter.
      page->Input->clear();
      sendKey(page->Input, Qt::Key_unknown, backends::unicode(input.text));
      sendKey(page->Input, Qt::Key_Return, QStringLiteral("\r"));
      break;
    case Kind::Key:
      sendKey(page->Input, keyCode(input.text));
      break;
    case Kind::Link:
      emit page->linkFollowed(backends::unicode(input.text));
      break;
    case Kind::Click:
    case Kind::Move:
    case Kind::Press:
    case Kind::Release:
      if (PictureWidget* target = page->pictureOf(input.text)) {
        const QPoint at = target->fromPicture(QPoint(input.x, input.y));
        if (input.kind == Kind::Click || input.kind == Kind::Move) sendMouse(target, QEvent::MouseMove, at);
        if (input.kind == Kind::Click || input.kind == Kind::Press) sendMouse(target, QEvent::MouseButtonPress, at);
        if (input.kind == Kind::Click || input.kind == Kind::Release)
          sendMouse(target, QEvent::MouseButtonRelease, at);
      } else {
        post(input);  // surfaces the window does not have yet go straight to the engine
      }
      break;
    case Kind::Wheel:
      if (input.text == "md3") {
        QWidget* viewport = page->Sbox2->viewport();
        const QPointF at = viewport->mapFrom(page->Sbox2, window.scale().point(QPoint(input.x, input.y)));
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, input.delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
      } else {
        post(input);
      }
      break;
    case Kind::Down:
      // A control the page does not show cannot be clicked.
      if (QWidget* control = page->pageDown->control(input.text); control && control->isVisibleTo(page->pageDown)) {
        sendMouse(control, QEvent::MouseButtonPress, QPoint(1, 1));
        sendMouse(control, QEvent::MouseButtonRelease, QPoint(1, 1));
      }
      break;
    case Kind::Quit:
      sendMouse(page->btFim, QEvent::MouseButtonPress, QPoint(1, 1));
      sendMouse(page->btFim, QEvent::MouseButtonRelease, QPoint(1, 1));
      break;
    case Kind::Run:
    case Kind::Undo:
    case Kind::Redo:
    case Kind::SaveSlot:
    case Kind::LoadSlot:
      post(input);
      break;
  }
  QCoreApplication::processEvents();
}

void WindowSession::typeIntoCommandBox(const std::string& cp1252Text) {
  window.page()->lendCommandBox();
  sendKey(window.page()->Input, Qt::Key_unknown, backends::unicode(cp1252Text));
  QCoreApplication::processEvents();
}

void WindowSession::wait(int milliseconds) {
  host.advance(milliseconds);
  QCoreApplication::processEvents();
}

bool WindowSession::dump(const std::filesystem::path& folder) {
  window.refresh(game);
  bool ok = shell::writeDump(game, recording.record, folder);
  return window.grab().save(QString::fromStdString((folder / "screen.png").string()), "PNG") && ok;
}

}  // namespace ui
