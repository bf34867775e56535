// The undo and redo stacks.
#include "shell/turn_history.h"

namespace shell {

void TurnHistory::pushBounded(std::deque<model::GameState>& stack, model::GameState state) {
  stack.push_back(std::move(state));
  if (stack.size() > kDepth) stack.pop_front();
}

void TurnHistory::recordTurn(model::GameState before) {
  pushBounded(undo_, std::move(before));
  redo_.clear();
}

std::optional<model::GameState> TurnHistory::step(std::deque<model::GameState>& from, std::deque<model::GameState>& to, model::GameState current) {
  if (from.empty()) return std::nullopt;
  model::GameState target = std::move(from.back());
  from.pop_back();
  pushBounded(to, std::move(current));
  return target;
}

std::optional<model::GameState> TurnHistory::undo(model::GameState current) { return step(undo_, redo_, std::move(current)); }

std::optional<model::GameState> TurnHistory::redo(model::GameState current) { return step(redo_, undo_, std::move(current)); }

}  // namespace shell
