// Argument shifting for statements carried by other statements.
#include "model/statement.h"

namespace model {

Statement Statement::shiftedFrom(int k) const {
  Statement carried;
  carried.keyword = arg(k);
  for (int i = k + 1, j = 0; i <= 9; ++i, ++j) carried.args[static_cast<size_t>(j)] = arg(i);
  return carried;
}

}  // namespace model
