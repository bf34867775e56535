// The undo and redo stacks.
#include "shell/turn_history.h"

namespace shell {

void TurnHistory::pushBounded(std::deque<GameState>& stack, GameState state) {
  stack.push_back(std::move(state));
  if (stack.size() > kDepth) stack.pop_front();
}

void TurnHistory::recordTurn(GameState before) {
  pushBounded(undo_, std::move(before));
  redo_.clear();
}

std::optional<GameState> TurnHistory::step(std::deque<GameState>& from, std::deque<GameState>& to, GameState current) {
  if (from.empty()) return std::nullopt;
  GameState target = std::move(from.back());
  from.pop_back();
  pushBounded(to, std::move(current));
  return target;
}

std::optional<GameState> TurnHistory::undo(GameState current) { return step(undo_, redo_, std::move(current)); }

std::optional<GameState> TurnHistory::redo(GameState current) { return step(redo_, undo_, std::move(current)); }

}  // namespace shell
