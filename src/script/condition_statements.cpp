// ifreg=, ifreg#, ifreg>, ifreg< (label form); ifmod0-3, if=, if#, if>, if<, if~
// (statement form). A failed test does nothing, not even skip a line.
#include "script/condition_statements.h"

#include "base/number.h"
#include "script/executor.h"
#include "script/jump_statements.h"
#include "script/register_statements.h"
#include "model/display_mode.h"
#include "model/game.h"

namespace script {
namespace {

// ifreg> and ifreg< read anything unreadable as 0: a bad register number, a
// register that does not exist, a value or a bound that is not a number.
int32_t registerOrZero(const model::Game& game, const std::string& argument) {
  auto n = base::readNumber(argument);
  if (!n || !game.Regs.exists(*n)) return 0;
  return base::readNumberOr(game.Regs.at(*n), 0);
}

void ifRegEqual(model::Game& game, model::Statement& s) {
  applyLabelForm(game, namedRegister(game, s) == s.arg(2), s.arg(3));
}
void ifRegDiffers(model::Game& game, model::Statement& s) {
  applyLabelForm(game, namedRegister(game, s) != s.arg(2), s.arg(3));
}
void ifRegGreater(model::Game& game, model::Statement& s) {
  applyLabelForm(game, registerOrZero(game, s.arg(1)) > base::readNumberOr(s.arg(2), 0), s.arg(3));
}
void ifRegLess(model::Game& game, model::Statement& s) {
  applyLabelForm(game, registerOrZero(game, s.arg(1)) < base::readNumberOr(s.arg(2), 0), s.arg(3));
}

template <model::DisplayMode Mode>
void ifMode(model::Game& game, model::Statement& s) {
  applyStatementForm(game, game.screen.Modelo == Mode, s, 1);
}

void ifEqual(model::Game& game, model::Statement& s) { applyStatementForm(game, namedRegister(game, s) == s.arg(2), s, 3); }
void ifDiffers(model::Game& game, model::Statement& s) { applyStatementForm(game, namedRegister(game, s) != s.arg(2), s, 3); }

// if> and if<: both sides must be numbers.
std::pair<int32_t, int32_t> comparedNumbers(model::Game& game, const model::Statement& s) {
  int32_t value = requiredNumber(s, namedRegister(game, s), "o valor do registro");
  return {value, requiredNumber(s, s.arg(2), "o valor")};
}
void ifGreater(model::Game& game, model::Statement& s) {
  auto [value, bound] = comparedNumbers(game, s);
  applyStatementForm(game, value > bound, s, 3);
}
void ifLess(model::Game& game, model::Statement& s) {
  auto [value, bound] = comparedNumbers(game, s);
  applyStatementForm(game, value < bound, s, 3);
}

// if~: low <= register <= high in byte order; a register number outside the
// ones references may name, or outside the store, makes the test fail.
void ifBetween(model::Game& game, model::Statement& s) {
  int32_t n = base::readNumberOr(s.arg(1), 0);
  bool holds = false;
  if (n >= 0 && n < game.registerCount && game.Regs.exists(n)) {
    const std::string& value = game.Regs.at(n);
    holds = s.arg(2) <= value && value <= s.arg(3);
  }
  applyStatementForm(game, holds, s, 4);
}

}  // namespace

void applyLabelForm(model::Game& game, bool holds, const std::string& label) {
  if (holds) goToLabel(game, label);
}

void applyStatementForm(model::Game& game, bool holds, model::Statement& s, int from) {
  if (holds) dispatchCarried(game, s, s.shiftedFrom(from));
}

void dispatchCarried(model::Game& game, model::Statement& carrier, model::Statement carried) {
  carried.trace = std::move(carrier.trace);
  dispatchStatement(game, carried);
  carrier.trace = std::move(carried.trace);
}

void registerConditionStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"ifreg=", {}, ifRegEqual, {{"rxl", 3}},
       "`n, value, label`. Jumps to the label when register n equals the value (exact text, case matters)."},
      {"ifreg#", {}, ifRegDiffers, {{"rxl", 3}},
       "`n, value, label`. Jumps when register n differs from the value."},
      {"ifreg>", {}, ifRegGreater, {{"rjl", 3}},
       "`n, m, label`. Jumps when register n is greater than m as numbers (anything that is not a number counts as 0)."},
      {"ifreg<", {}, ifRegLess, {{"rjl", 3}},
       "`n, m, label`. Jumps when register n is less than m."},
      {"ifmod0", {}, ifMode<model::DisplayMode::Typewriter>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the display mode is \"0\", \"1\", \"2\" or \"3\"."},
      {"ifmod1", {}, ifMode<model::DisplayMode::Strip>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the display mode is \"0\", \"1\", \"2\" or \"3\"."},
      {"ifmod2", {}, ifMode<model::DisplayMode::Page>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the display mode is \"0\", \"1\", \"2\" or \"3\"."},
      {"ifmod3", {}, ifMode<model::DisplayMode::Canvas>, {{"k", 1}},
       "`keyword, arguments…`. Runs the statement when the display mode is \"0\", \"1\", \"2\" or \"3\"."},
      {"if=", {}, ifEqual, {{"rxk", 3}},
       "`n, value, keyword, arguments…`. Runs the statement when register n equals the value."},
      {"if#", {}, ifDiffers, {{"rxk", 3}},
       "`n, value, keyword, arguments…`. Runs the statement when register n differs from the value."},
      {"if>", {}, ifGreater, {{"rik", 3}},
       "`n, m, keyword, arguments…`. Runs the statement when register n > m as numbers."},
      {"if<", {}, ifLess, {{"rik", 3}},
       "`n, m, keyword, arguments…`. Runs the statement when register n < m as numbers."},
      {"if~", {}, ifBetween, {{"jxxk", 4}},
       "`n, low, high, keyword, arguments…`."},
  };
  dispatch.add(rows);
}

}  // namespace script
