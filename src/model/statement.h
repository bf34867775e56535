// One statement as the executor hands it to a handler: the keyword, nine
// arguments already split and resolved, and the trace line being composed.
#pragma once
#include <array>
#include <string>

namespace model {

struct Statement {
  std::string keyword;
  std::array<std::string, 9> args;  // args[0] is argument 1
  std::string trace;

  const std::string& arg(int k) const { return args[static_cast<size_t>(k - 1)]; }
  // Argument k onwards shifted down into a new statement: the first becomes the
  // keyword, the freed places empty (the statement-form tests and ifnor...).
  Statement shiftedFrom(int k) const;
};

}  // namespace model
