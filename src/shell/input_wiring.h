// Connects the player's input queue to the subsystems that handle each kind of
// input (game start, typed commands and keys, page links, clicks). Every front
// end — window, terminal, events file — uses this one wiring. The subsystems say
// which script an input asks for; the functions here run it.
#pragma once
#include <string>

namespace model { struct Game; }

namespace shell {

class InputQueue;

void connectPlayerInput(InputQueue& queue);

// Text typed into the command box key by key, then Enter, and the run it asks for.
void typeCommand(model::Game& game, const std::string& text);
// A key pressed and released in the command box ("F1" ... "Enter").
void pressKey(model::Game& game, const std::string& key);
// A key released (its press, the click, came before).
void releaseKey(model::Game& game, const std::string& key);
// The page view completed a navigation to the address: "Scp=" links run scripts.
void followLink(model::Game& game, const std::string& address);

}  // namespace shell
