// Undo and redo: the state the game was in before each player input that
// started a run. Snapshots share the pictures they have in common, so a hundred
// of them cost about a hundred copies of the game's text, not of its surfaces.
#pragma once
#include <cstddef>
#include <deque>
#include <optional>

#include "shell/game.h"

namespace shell {

class TurnHistory {
 public:
  static constexpr size_t kDepth = 200;  // turns that can be undone

  // A turn was played from `before`: it can be undone, and what was undone
  // before it can no longer be redone.
  void recordTurn(model::GameState before);

  // The state to go back to, given the one on show (kept for redo); nothing
  // when there is no turn to undo.
  std::optional<model::GameState> undo(model::GameState current);
  // The state an undo left, given the one on show (kept for undo).
  std::optional<model::GameState> redo(model::GameState current);

  size_t undoDepth() const { return undo_.size(); }
  size_t redoDepth() const { return redo_.size(); }

 private:
  static void pushBounded(std::deque<model::GameState>& stack, model::GameState state);
  // Takes the state on top of `from`, leaving the current one on `to`.
  static std::optional<model::GameState> step(std::deque<model::GameState>& from, std::deque<model::GameState>& to, model::GameState current);
  std::deque<model::GameState> undo_, redo_;
};

}  // namespace shell
