// The register store Regs: numbered text cells, the game's variables. Statements
// never add or remove registers; reaching one outside the store aborts the run.
#pragma once
#include <cstdint>
#include <string>

#include "base/text.h"

namespace model {

class Registers {
 public:
  // The most characters a register holds: a loop that doubles one ends with
  // the run's error instead of taking all memory.
  static constexpr size_t kMaxLength = size_t(1) << 20;

  // The 281 built-in registers a store starts with.
  static const base::Lines& builtInValues();

  base::Lines& values() { return values_; }
  const base::Lines& values() const { return values_; }
  size_t size() const { return values_.size(); }
  bool exists(int64_t n) const { return n >= 0 && static_cast<size_t>(n) < values_.size(); }

  // The register, or a ScriptError naming it when it does not exist.
  std::string& at(int64_t n);
  const std::string& at(int64_t n) const;

  // The register number an argument names: a ScriptError when the argument is
  // not a number or names no existing register.
  int32_t existingNumber(const std::string& argument) const;

 private:
  base::Lines values_;
};

}  // namespace model
