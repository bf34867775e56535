// A session of the player in its window: the Qt host, the game, the input queue
// and the window, connected. Used for play and for scripted play, where events go
// through the window's own handlers.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "backends/qt_host.h"
#include "shell/live_reload.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "ui/debug_console_view.h"
#include "ui/main_window.h"
#include "ui/player_actions.h"
#include "ui/scrollback_view.h"
#include "ui/slots_dialog.h"
#include "backends/work_pace.h"

namespace ui {

struct WindowOptions {
  shell::StartOptions start;
  Publisher publisher;
  bool scripted = false;  // virtual clock, no modal boxes, no sound device
  bool mute = false;      // the sound starts muted
  double scale = 0;       // screen pixels per game pixel; 0: the remembered scale
  QString settingsFile;   // where the window remembers its scale; empty: nowhere
  std::string traceFile;
  std::filesystem::path transcriptFile;  // empty: no transcript file
  std::filesystem::path slotsFolder;     // where the named save slots are kept
  bool watch = false;  // --watch: a changed script, picture or table row reloads the place
  bool gamePageLater = false;  // the game page is made once the opening screen is painted, or when needed
};

// The session's parts (host, recording, speakers, game, queue, transcript) on
// the window's host, and the window.
class WindowSession : public shell::Session<backends::QtHost> {
 public:
  explicit WindowSession(const WindowOptions& options);
  ~WindowSession();

  // Start-up, then the window shows the opening screen. Throws shell::StartupError.
  void start();

  // Scripted input, delivered through the window's own handlers.
  void deliver(const shell::PlayerInput& input);
  // Letters typed into the command box where its cursor is, without Enter.
  void typeIntoCommandBox(const std::string& cp1252Text);
  void wait(int milliseconds);
  bool dump(const std::filesystem::path& folder);

  bool closed() const { return shutDown_; }
  // Ctrl+M: sound off and on again.
  void toggleMute();
  // Ctrl+plus, Ctrl+minus, Ctrl+0: the window larger or smaller (never larger
  // than its screen), remembered for the user.
  void changeScale(double factor);
  // PageUp, Ctrl+H: the session's transcript in the scrollback window.
  void openScrollback();
  ScrollbackView* scrollback() const { return scrollback_; }  // null until first opened
  // Ctrl+S: a name for a save slot (the place and date offered), then the save;
  // Ctrl+O: the saved games, one of which may be restored.
  void saveToSlot();
  void openSlots();
  // F11: full screen and back; Shift+F11: full screen fits exactly or in whole
  // steps, remembered for the user.
  void toggleFullScreen();
  void toggleExactFit();
  // Ctrl+Shift+D: the debug console for authors.
  void openConsole();
  DebugConsoleView* console() const { return console_; }
  // --watch: one look at the game folder; a settled change reloads and runs the place again.
  void lookForChanges();
  // Closes the window the way the end button does (shut-down sequence once).
  void close();
  // A stop signal (a logout, a kill, Ctrl-C), at any moment: open boxes close,
  // pauses end, and the window closes as the end button closes it — at once,
  // when the run in progress ends, or when the start-up still going on is done.
  void stop();

  MainWindow window;

 private:
  void connectWindow();
  void connectGamePage();
  void placeWindow();
  void keepOnScreen(QPoint wanted);
  void cannotRemember() const;
  void showMuteNote();
  void addShortcut(const QList<QKeySequence>& keys, std::function<void()> action);
  void connectMap();
  void startTitleMusic();
  void post(shell::PlayerInput input);
  void connectPointer();
  void postPointer(const shell::PlayerInput& input);
  bool shutDownOnce();
  void pressEndButton();
  void releaseEndButton();
  void closeWhenFree();

  WindowOptions options_;
  std::unique_ptr<PlayerActions> actions_;
  ScrollbackView* scrollback_ = nullptr;  // owned by the window
  SlotsDialog* slotsDialog_ = nullptr;    // owned by the window
  DebugConsoleView* console_ = nullptr;   // owned by the window, made when first opened
  std::unique_ptr<shell::LiveReload> liveReload_;
  void tellSlotDone(const shell::PlayerInput& input, const shell::SlotOutcome& outcome);
  backends::WorkPace repaintPace_;
  bool shutDown_ = false;
  bool titleMusicStarted_ = false;
  bool activated_ = false;        // the window has been active
  bool openingPainted_ = false;   // the opening screen has been on show
  bool starting_ = false;
};

}  // namespace ui
