// Where names occur in a script's lines, every name in one pass over the text
// (an Aho-Corasick automaton): the trace's label reference summaries of a
// script with thousands of labels cost the script's length, not labels x lines.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "base/text.h"

namespace model {

// For each name, the 0-based numbers of the lines that contain it as a
// substring, in ascending order, each line once. An empty name is in every line.
std::unordered_map<std::string, std::vector<int>> linesContaining(const base::Lines& lines,
                                                                  const std::vector<std::string>& names);

}  // namespace model
