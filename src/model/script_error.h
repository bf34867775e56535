// ScriptError: the run-time error that aborts a run (a number that is not one, a
// register or line outside its list, a file that must exist and does not). The
// runner catches it, names the script and line, and shows it in the error box.
#pragma once
#include <stdexcept>
#include <string>

namespace model {

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace model
