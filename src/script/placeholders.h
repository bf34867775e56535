// Placeholder names: "@norte" ... "@descer" stand for the exits of the current
// location, "@pos" for the location, "@obj" for the current object, "xvlt" and
// "@xvlt" for the return script.
#pragma once
#include <string>

namespace model { struct Game; }

namespace script {

// The name to use: the placeholder's value when the whole name is a placeholder
// whose value is not empty, otherwise the name unchanged.
std::string resolvePlaceholder(const model::Game& game, const std::string& name);

}  // namespace script
