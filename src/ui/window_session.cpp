// The window session: wiring between the window, the input queue and the engine.
#include "ui/window_session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <fstream>

#include "base/cp1252.h"
#include "input/command_keys.h"
#include "shell/dump.h"
#include "shell/input_wiring.h"
#include "ui/qt_text.h"

namespace ui {
namespace {

Qt::Key keyCode(const std::string& name) {
  static const std::pair<const char*, Qt::Key> keys[] = {
      {"F1", Qt::Key_F1}, {"F2", Qt::Key_F2},     {"F3", Qt::Key_F3},     {"F4", Qt::Key_F4},      {"Up", Qt::Key_Up},
      {"Down", Qt::Key_Down}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Enter", Qt::Key_Return}};
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
    : host(options.scripted), game(host), queue(game), window(options.publisher), options_(options) {
  host.modalErrors = !options.scripted;
  if (!options.traceFile.empty()) {
    trace_ = std::make_unique<std::ofstream>(options.traceFile, std::ios::binary | std::ios::trunc);
    game.traceHook = [this](const std::string& line) { *trace_ << base::cp1252ToUtf8(line) << '\n'; };
  }
  shell::connectPlayerInput(queue);
  connectWindow();
}

WindowSession::~WindowSession() { shutDownOnce(); }

void WindowSession::start() {
  shell::start(game, options_.start);
  window.refresh(game);
  window.show();
}

void WindowSession::connectWindow() {
  host.onRepaint = [this] {
    window.refresh(game);
    if (!options_.scripted) window.repaint();
  };
  host.onQuit = [this] { window.close(); };
  window.onCloseRequested = [this] {
    if (queue.busy()) {
      // Closing in the middle of a run: the run ends first, then the player closes.
      queue.post({shell::PlayerInput::Kind::Quit, {}});
      return false;
    }
    return shutDownOnce();
  };

  OpeningPage* opening = window.openingPage;
  QObject::connect(opening, &OpeningPage::startRequested, &window,
                   [this] { post({shell::PlayerInput::Kind::Start, {}}); });
  QObject::connect(opening, &OpeningPage::addressRequested, &window,
                   [this](const QString& address) { host.openWebPage(cp1252(address)); });

  GamePage* page = window.gamePage;
  QObject::connect(page->Input, &QLineEdit::textChanged, &window, [this](const QString& text) {
    game.screen.Input.text = cp1252(text);
  });
  QObject::connect(page->Input, &CommandBox::keyDown, &window, [this] { input::keyPressed(game); });
  QObject::connect(page->Input, &CommandBox::commandKeyReleased, &window, [this](const QString& name) {
    post({shell::PlayerInput::Kind::Key, name.toStdString()});
  });
  QObject::connect(page, &GamePage::linkFollowed, &window, [this](const QString& address) {
    post({shell::PlayerInput::Kind::Link, cp1252(address)});
  });
  connectMap();
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
                   [this](int value) { game.map.scrollX = value; });
  QObject::connect(page->Sbc1->verticalScrollBar(), &QScrollBar::valueChanged, &window,
                   [this](int value) { game.map.scrollY = value; });
}

void WindowSession::post(shell::PlayerInput input) {
  queue.post(std::move(input));
  window.refresh(game);
  if (!queue.busy()) window.gamePage->applyFocus(game);
  if (queue.quitRequested() && !queue.busy()) window.close();
}

bool WindowSession::shutDownOnce() {
  if (shutDown_) return true;
  shutDown_ = true;
  QPoint at = window.pos();
  game.window.left = at.x();
  game.window.top = at.y();
  shell::shutDown(game);
  return true;
}

void WindowSession::pressEndButton() {
  host.sound().playEffect("clk0a.wav", platform::EffectMode::Once);
  window.refresh(game);
}

void WindowSession::releaseEndButton() {
  host.sound().playEffect("clk0b.wav", platform::EffectMode::Once);
  host.processEvents();
  host.sleep(200);
  window.close();
}

void WindowSession::close() { window.close(); }

QWidget* WindowSession::surfaceWidget(const std::string& surface) {
  GamePage* page = window.gamePage;
  if (surface == "tel") return page->Tela;
  if (surface == "fnc") return page->TelCmd;
  if (surface == "pan") return page->Imp;
  if (surface == "md3") return page->Tela3;
  if (surface == "map") return page->MapJog;
  if (surface == "voce") return page->Voce;
  return nullptr;
}

void WindowSession::deliver(const shell::PlayerInput& input) {
  using Kind = shell::PlayerInput::Kind;
  GamePage* page = window.gamePage;
  switch (input.kind) {
    case Kind::Start:
      sendMouse(window.openingPage->TelAber, QEvent::MouseButtonDblClick, QPoint(450, 210));
      break;
    case Kind::Type:
      // Letter by letter, as a user types (every key down clicks), then Enter.
      page->Input->clear();
      for (QChar letter : unicode(input.text)) sendKey(page->Input, Qt::Key_unknown, QString(letter));
      sendKey(page->Input, Qt::Key_Return, QStringLiteral("\r"));
      break;
    case Kind::Key:
      sendKey(page->Input, keyCode(input.text));
      break;
    case Kind::Link:
      emit page->linkFollowed(unicode(input.text));
      break;
    case Kind::Click:
    case Kind::Move:
    case Kind::Press:
    case Kind::Release:
      if (QWidget* target = surfaceWidget(input.text)) {
        QPoint at(input.x, input.y);
        if (input.kind == Kind::Click || input.kind == Kind::Move) sendMouse(target, QEvent::MouseMove, at);
        if (input.kind == Kind::Click || input.kind == Kind::Press) sendMouse(target, QEvent::MouseButtonPress, at);
        if (input.kind == Kind::Click || input.kind == Kind::Release)
          sendMouse(target, QEvent::MouseButtonRelease, at);
      } else {
        post(input);  // surfaces the window does not have yet go straight to the engine
      }
      break;
    case Kind::Quit:
      sendMouse(page->btFim, QEvent::MouseButtonPress, QPoint(1, 1));
      sendMouse(page->btFim, QEvent::MouseButtonRelease, QPoint(1, 1));
      break;
    case Kind::Run:
    case Kind::Wheel:
      post(input);
      break;
  }
  QCoreApplication::processEvents();
}

void WindowSession::wait(int milliseconds) {
  host.advance(milliseconds);
  QCoreApplication::processEvents();
}

bool WindowSession::dump(const std::filesystem::path& folder) {
  window.refresh(game);
  bool ok = shell::writeDump(game, folder);
  return window.grab().save(QString::fromStdString((folder / "screen.png").string()), "PNG") && ok;
}

}  // namespace ui
