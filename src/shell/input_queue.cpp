// The input queue.
#include "shell/input_queue.h"

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
  auto delegate = [&](const std::function<void(Game&, const PlayerInput&)>& handler, const char* what) {
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
  }
}

}  // namespace shell
