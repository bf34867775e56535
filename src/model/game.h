// Game: the state and what cannot be copied with it: the host, the statement
// table, the debug log's file, the sound player and the hooks of the front ends.
// Statement handlers receive it and touch the part their subsystem owns; the
// shell makes it (shell/game.h), filling the table and the sound player.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "model/debug_log.h"
#include "model/definitions_rows.h"
#include "model/dispatch.h"
#include "model/game_state.h"
#include "platform/host.h"

namespace model {

struct Game : GameState {
  explicit Game(platform::Host& host) : host(host) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  platform::Host& host;
  DebugLog debug;
  Dispatch dispatch;

  // The game's sound player (made by the shell): it decodes the game's sounds and
  // plays them on the host's sound device, telling the host of each request.
  std::unique_ptr<platform::SoundOut> soundPlayer;
  platform::SoundOut& sound() { return *soundPlayer; }

  // A text sink received text: the observer (the transcript, when one is kept)
  // hears it first, then the host (the terminal prints it).
  std::function<void(platform::TextSink sink, const std::string& text)> textObserver;
  void textProduced(platform::TextSink sink, const std::string& text) {
    if (textObserver) textObserver(sink, text);
    host.textProduced(sink, text);
  }

  // Fetches a fresh copy of a content file from the server when one is due (set
  // at start-up by the on-line subsystem, which the readers below it cannot call).
  std::function<bool(const std::string& name)> resolveContentFile;
  // What every reader of a content file calls first: in on-line play (row 103)
  // the file is resolved against the server.
  void refreshBeforeReading(const std::string& name) {
    if (Defs.isOn(row::OnlineGame) && resolveContentFile) resolveContentFile(name);
  }

  // The game position carried by table rows 6-10: initial script, current
  // script, return script, current object and location.
  void readPositionRows();
  void writePositionRows();

  // Receives every statement trace line; the player discards them unless asked
  // to write them to a file.
  std::function<void(const std::string&)> traceHook;
  void trace(const std::string& line) {
    if (traceHook) traceHook(line);
  }

  GameState& state() { return *this; }
  const GameState& state() const { return *this; }
};

}  // namespace model
