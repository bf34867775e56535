// Register store and its built-in defaults.
#include "model/registers.h"

#include "base/number.h"
#include "model/script_error.h"

namespace model {

const base::Lines& Registers::builtInValues() {
  static const base::Lines values = [] {
    base::Lines v(281);
    auto set = [&](int from, int to, const char* value) {
      for (int n = from; n <= to; ++n) v[static_cast<size_t>(n)] = value;
    };
    set(0, 0, "3"); set(1, 2, "1"); set(3, 4, "."); set(5, 5, "0"); set(6, 6, ".");
    set(8, 8, "-"); set(9, 9, "0"); set(10, 10, "-"); set(11, 11, "a"); set(12, 13, "-");
    set(14, 14, "0"); set(15, 15, "500"); set(16, 16, "5"); set(17, 17, "0"); set(18, 19, "-");
    set(20, 20, "0"); set(21, 22, "6"); set(23, 23, "0"); set(25, 25, "3"); set(26, 26, "6");
    set(27, 27, "13"); set(28, 29, "0"); set(30, 30, "5"); set(31, 31, "8"); set(32, 33, "0");
    set(34, 34, "40"); set(35, 37, "0"); set(38, 38, "18"); set(39, 47, "0"); set(49, 50, "0");
    set(52, 52, "8"); set(53, 53, "0"); set(55, 56, "0"); set(58, 58, "d");
    set(59, 59, "mrd01d.jpg"); set(60, 60, "br"); set(61, 64, "-"); set(65, 65, "Seus objetos:");
    set(66, 66, "Aqui tem:"); set(67, 67, "49"); set(70, 70, "1"); set(71, 71, "posic12");
    set(72, 72, "1"); set(73, 73, "*"); set(76, 79, "0"); set(100, 109, "...");
    return v;
  }();
  return values;
}

std::string& Registers::at(int64_t n) {
  if (!exists(n))
    throw ScriptError("o registro " + std::to_string(n) + " n\xE3o existe (h\xE1 " +
                      std::to_string(values_.size()) + " registros)");
  return values_[static_cast<size_t>(n)];
}

const std::string& Registers::at(int64_t n) const { return const_cast<Registers*>(this)->at(n); }

int32_t Registers::existingNumber(const std::string& argument) const {
  auto n = base::readNumber(argument);
  if (!n) throw ScriptError("\"" + argument + "\" n\xE3o \xE9 um n\xFAmero de registro");
  at(*n);
  return *n;
}

}  // namespace model
