// InputQueue: turns input into runs, one at a time. Input that arrives while a run
// lets pending events run is queued and handled when the run has ended.
#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "shell/game.h"
#include "shell/player_input.h"
#include "shell/save_slots.h"
#include "shell/turn_history.h"

namespace shell {

class InputQueue {
 public:
  explicit InputQueue(model::Game& game) : game_(game) {}

  // Queues the input and, unless a run is in progress, handles the queue.
  void post(PlayerInput input);
  bool busy() const { return busy_; }
  bool quitRequested() const { return quitRequested_; }

  // Handlers for the kinds of input other subsystems own (game start, typed
  // commands, keys, links, the pointer: click, move, press, release, wheel; the
  // "Down" page); an input without one is refused with a message.
  std::function<void(model::Game&, const PlayerInput&)> onStart, onType, onKey, onLink, onPointer, onDown;
  // Called with a clear message when an input cannot be handled by this build.
  std::function<void(const std::string&)> onUnsupported;
  // Called with each input before it is handled (the transcript's commands).
  std::function<void(const model::Game&, const PlayerInput&)> onInput;
  // Called after an undo (back) or a redo: moved is false when there was no
  // turn to undo or redo, so the front end can say so.
  std::function<void(bool back, bool moved)> onHistoryMoved;

  // After a save to a slot or a load from one, what came of it.
  std::function<void(const PlayerInput&, const SlotOutcome&)> onSlotDone;
  // The picture of the screen a slot keeps (the window's); without one, the picture Tela.
  std::function<QImage()> slotScreen;

  // The turns played, for undo and redo; the named save slots.
  TurnHistory history;
  SaveSlots saveSlots;

 private:
  void handle(const PlayerInput& input);
  void handleTurn(const PlayerInput& input);
  void dispatch(const PlayerInput& input);
  void moveThroughHistory(bool back);
  void useSlot(const PlayerInput& input);
  void recordPendingPress();

  model::Game& game_;
  std::deque<PlayerInput> queue_;
  bool busy_ = false;
  bool quitRequested_ = false;
  // The game as the last input left it: what an undo of the next turn shows
  // (typing into the command box and moving the pointer come between them).
  std::optional<model::GameState> settled_;
  // A press waits for its release: the two are one click and one turn.
  std::optional<model::GameState> beforePress_;
  bool pressRan_ = false;
};

}  // namespace shell
