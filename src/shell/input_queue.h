// InputQueue: turns input into runs, one at a time. Input that arrives while a run
// lets pending events run is queued and handled when the run has ended.
#pragma once
#include <deque>
#include <functional>
#include <string>

#include "shell/game.h"
#include "shell/player_input.h"

namespace shell {

class InputQueue {
 public:
  explicit InputQueue(Game& game) : game_(game) {}

  // Queues the input and, unless a run is in progress, handles the queue.
  void post(PlayerInput input);
  bool busy() const { return busy_; }
  bool quitRequested() const { return quitRequested_; }

  // Handlers for the kinds of input other subsystems own (game start, typed
  // commands, keys, links, the pointer: click, move, press, release, wheel; the
  // "Down" page); an input without one is refused with a message.
  std::function<void(Game&, const PlayerInput&)> onStart, onType, onKey, onLink, onPointer, onDown;
  // Called with a clear message when an input cannot be handled by this build.
  std::function<void(const std::string&)> onUnsupported;

 private:
  void handle(const PlayerInput& input);

  Game& game_;
  std::deque<PlayerInput> queue_;
  bool busy_ = false;
  bool quitRequested_ = false;
};

}  // namespace shell
