// The input queue.
#include "shell/input_queue.h"

#include "shell/state_restore.h"
#include "shell/turn.h"

namespace shell {

void InputQueue::post(PlayerInput input) {
  queue_.push_back(std::move(input));
  if (busy_) return;
  busy_ = true;
  while (!queue_.empty() && !quitRequested_) {
    PlayerInput next = std::move(queue_.front());
    queue_.pop_front();
    // Skipping the typewriter holds for the text of the input that was running.
    game_.screen.typewriterSkipped = false;
    try {
      handle(next);
    } catch (const std::exception& error) {
      // No input may take the player down or leave the queue stuck.
      game_.host.errorBox(std::string("Erro inesperado: ") + error.what());
    }
  }
  queue_.clear();
  game_.screen.typewriterSkipped = false;
  busy_ = false;
}

void InputQueue::handle(const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  if (onInput) onInput(game_, input);
  switch (input.kind) {
    case Kind::Undo:
    case Kind::Redo:
      recordPendingPress();
      moveThroughHistory(input.kind == Kind::Undo);
      return;
    case Kind::SaveSlot:
    case Kind::LoadSlot:
      recordPendingPress();
      useSlot(input);
      return;
    case Kind::Move:
    case Kind::Quit: dispatch(input); return;
    default: handleTurn(input);
  }
}

// An input that may start a run: the state before it is kept for undo when it did.
void InputQueue::handleTurn(const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  if (input.kind != Kind::Release) recordPendingPress();
  const bool pressed = beforePress_.has_value();
  model::GameState before = pressed ? std::move(*beforePress_) : settled_ ? std::move(*settled_) : model::GameState(game_.state());
  bool ran = pressed && pressRan_;
  beforePress_.reset();
  const long long runs = game_.runner.runsStarted;
  dispatch(input);
  ran = ran || game_.runner.runsStarted != runs;
  if (input.kind == Kind::Press) {
    beforePress_ = std::move(before);
    pressRan_ = ran;
  } else if (ran) {
    history.recordTurn(std::move(before));
  }
  settled_ = game_.state();
}

void InputQueue::recordPendingPress() {
  if (beforePress_ && pressRan_) history.recordTurn(std::move(*beforePress_));
  beforePress_.reset();
}

void InputQueue::moveThroughHistory(bool back) {
  model::GameState current = game_.state();
  auto target = back ? history.undo(std::move(current)) : history.redo(std::move(current));
  if (target) restoreState(game_, std::move(*target));
  settled_ = game_.state();
  if (onHistoryMoved) onHistoryMoved(back, target.has_value());
}

// A load is a turn of its own: it can be undone.
void InputQueue::useSlot(const PlayerInput& input) {
  SlotOutcome outcome;
  if (input.kind == PlayerInput::Kind::SaveSlot) {
    outcome = saveSlots.save(game_, input.text, slotScreen ? slotScreen() : game_.surfaces.Tela);
  } else {
    model::GameState before = game_.state();
    outcome = saveSlots.load(game_, input.text);
    if (outcome.ok()) history.recordTurn(settled_ ? std::move(*settled_) : std::move(before));
    settled_ = game_.state();
  }
  if (onSlotDone) onSlotDone(input, outcome);
}

void InputQueue::dispatch(const PlayerInput& input) {
  using Kind = PlayerInput::Kind;
  auto delegate = [&](const std::function<void(model::Game&, const PlayerInput&)>& handler, const char* what) {
    if (handler)
      handler(game_, input);
    else if (onUnsupported)
      onUnsupported(std::string("this build of the player cannot handle ") + what + " yet");
  };
  switch (input.kind) {
    case Kind::Run: runScript(game_, input.text); break;
    case Kind::Quit: quitRequested_ = true; break;
    case Kind::Start: delegate(onStart, "the game start"); break;
    case Kind::Type: delegate(onType, "typed commands"); break;
    case Kind::Key: delegate(onKey, "keys"); break;
    case Kind::Link: delegate(onLink, "page links"); break;
    case Kind::Click:
    case Kind::Move:
    case Kind::Press:
    case Kind::Release:
    case Kind::Wheel: delegate(onPointer, "clicks"); break;
    case Kind::Down: delegate(onDown, "the download page"); break;
    case Kind::Undo:
    case Kind::Redo:
    case Kind::SaveSlot:
    case Kind::LoadSlot: break;
  }
}

}  // namespace shell
