// Placeholder names: "@norte" ... "@descer" stand for the exits of the current
// location, "@pos" for the location, "@obj" for the current object, "xvlt" and
// "@xvlt" for the return script. Read here for the runs and the game checker.
#pragma once
#include <optional>
#include <string>

namespace model { struct Game; }

namespace script {

struct Placeholder {
  enum Kind { Exit, Position, Object, ReturnScript } kind;
  size_t exitSlot = 0;  // for Exit: the slot of its direction
};

// The placeholder a whole name is, or nothing.
std::optional<Placeholder> readPlaceholder(const std::string& name);

// The name to use: the placeholder's value when the whole name is a placeholder
// whose value is not empty, otherwise the name unchanged.
std::string resolvePlaceholder(const model::Game& game, const std::string& name);

}  // namespace script
