// Register statements and the decimal numbers of reg/.
#include "script/register_statements.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale>
#include <random>

#include "base/number.h"
#include "script/markers.h"
#include "model/script_error.h"
#include "model/game.h"

namespace script {
namespace {

// A ScriptError when the register the statement names would hold more than Registers::kMaxLength.
void checkLength(const model::Statement& s, size_t length) {
  if (length <= model::Registers::kMaxLength) return;
  throw model::ScriptError(s.keyword + ": o registro " + s.arg(1) + " passaria do limite de " +
                    std::to_string(model::Registers::kMaxLength) + " caracteres");
}

void set(model::Game& game, model::Statement& s) {
  std::string& value = namedRegister(game, s);
  checkLength(s, s.arg(2).size());
  value = s.arg(2);
}
void append(model::Game& game, model::Statement& s) {
  std::string& value = namedRegister(game, s);
  checkLength(s, value.size() + s.arg(2).size());
  value += s.arg(2);
}
void trimRegister(model::Game& game, model::Statement& s) {
  std::string& value = namedRegister(game, s);
  value = base::trim(value);
}

// regtxt= / regtxt+: a quoted text that starts in argument 2 and may run over
// the following lines up to the next apostrophe. The lines it takes are not
// executed: the runner goes on after the line that closes it.
void collectQuotedText(model::Game& game, model::Statement& s, bool appending) {
  std::string& value = namedRegister(game, s);
  if (s.arg(2).empty()) throw model::ScriptError(s.keyword + ": falta o texto");
  auto& runner = game.runner;
  const model::DisplayMode mode = game.screen.Modelo;
  std::string_view first = s.arg(2);
  if (first[0] == '\'') first.remove_prefix(1);
  std::string piece = convertAllMarkers(mode, base::trim(first));
  std::string collected = appending ? value : std::string();
  while (piece.find('\'') == std::string::npos) {
    checkLength(s, collected.size() + piece.size() + 1);
    collected += piece;
    collected += ' ';
    ++runner.currentLine;
    if (runner.currentLine < static_cast<int>(runner.Script.size()))
      piece = convertAllMarkers(mode, base::trim(runner.Script[static_cast<size_t>(runner.currentLine)]));
    else
      piece = "'";  // the text never closes: it takes the rest of the script
  }
  checkLength(s, collected.size() + piece.find('\''));
  collected.append(piece, 0, piece.find('\''));
  value = std::move(collected);
}
void setText(model::Game& game, model::Statement& s) { collectQuotedText(game, s, false); }
void appendText(model::Game& game, model::Statement& s) { collectQuotedText(game, s, true); }

// register n := operation(number(register n), number(m)), as plain decimal text.
using Operation = int32_t (*)(model::Game&, const model::Statement&, int32_t, int32_t);
template <Operation operation>
void compute(model::Game& game, model::Statement& s) {
  std::string& value = namedRegister(game, s);
  int32_t a = requiredNumber(s, value, "o valor do registro");
  int32_t m = requiredNumber(s, s.arg(2), "o valor");
  value = std::to_string(operation(game, s, a, m));
}

int32_t add(model::Game&, const model::Statement&, int32_t a, int32_t m) { return base::wrapAdd(a, m); }
int32_t subtract(model::Game&, const model::Statement&, int32_t a, int32_t m) { return base::wrapSub(a, m); }
int32_t multiply(model::Game&, const model::Statement&, int32_t a, int32_t m) { return base::wrapMul(a, m); }

// Truncated toward zero; the one quotient that leaves 32 bits wraps like the rest.
int32_t divide(model::Game&, const model::Statement& s, int32_t a, int32_t m) {
  if (m == 0) throw model::ScriptError(s.keyword + ": divis\xE3o por zero");
  if (m == -1) return base::wrapSub(0, a);
  return a / m;
}

// reg?: adds a whole number drawn from 0 to m inclusive, or from m to 0 when m
// is negative; each statement draws once from the program's generator.
int32_t addRandom(model::Game& game, const model::Statement&, int32_t a, int32_t m) {
  std::uniform_int_distribution<int32_t> draw(std::min(0, m), std::max(0, m));
  return base::wrapAdd(a, draw(game.random));
}

double requiredDecimal(const model::Statement& s, const std::string& text, const char* what) {
  auto x = readDecimal(text);
  if (!x) throw model::ScriptError(s.keyword + ": " + what + " \"" + text + "\" n\xE3o \xE9 um n\xFAmero decimal");
  return *x;
}

void divideDecimal(model::Game& game, model::Statement& s) {
  std::string& value = namedRegister(game, s);
  double a = requiredDecimal(s, value, "o valor do registro");
  double b = requiredDecimal(s, s.arg(2), "o valor");
  if (b == 0) throw model::ScriptError(s.keyword + ": divis\xE3o por zero");
  double quotient = a / b;
  if (!std::isfinite(quotient)) throw model::ScriptError(s.keyword + ": o resultado \xE9 grande demais");
  value = formatDecimal(quotient, systemDecimalSeparator());
}

}  // namespace

std::string& namedRegister(model::Game& game, const model::Statement& s) {
  return game.Regs.at(game.Regs.existingNumber(s.arg(1)));
}

int32_t requiredNumber(const model::Statement& s, const std::string& text, const char* what) {
  auto n = base::readNumber(text);
  if (!n) throw model::ScriptError(s.keyword + ": " + what + " \"" + text + "\" n\xE3o \xE9 um n\xFAmero");
  return *n;
}

std::optional<double> readDecimal(std::string_view text) {
  text = base::trimView(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  std::string plain = "0";  // so that ".5" reads too
  int digits = 0, separators = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      ++digits;
      plain += c;
    } else if ((c == ',' || c == '.') && ++separators == 1) {
      plain += '.';
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  double value = 0;
  auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return negative ? -value : value;
}

std::string formatDecimal(double value, char separator) {
  if (value == 0 || !std::isfinite(value)) return "0";
  // d.dddddddddddddde±x: fifteen significant digits and where the point goes.
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
  std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
  size_t e = text.find('e');
  int exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  std::string digits;
  for (char c : text.substr(0, e))
    if (c != '.') digits += c;
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string out = value < 0 ? "-" : "";
  if (exponent < 0) {
    out += '0';
    out += separator;
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + separator + digits.substr(whole);
}

char systemDecimalSeparator() {
  static const char separator = [] {
    try {
      return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
    } catch (const std::exception&) {
      return '.';
    }
  }();
  return separator;
}

void registerRegisterStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"reg=", {}, set, {{"rx", 1}},
       "`n, value`. Register n becomes the value."},
      {"reg$", {}, append, {{"rx", 1}},
       "`n, text`. The text is appended to register n."},
      {"trim", {}, trimRegister, {{"r", 1}},
       "`n`. Register n loses its leading and trailing blanks."},
      {"regtxt=", {}, setText, {{"rx", 2, true}},
       "`n, 'text…'`."},
      {"regtxt+", {}, appendText, {{"rx", 2, true}},
       "`n, 'text…'`. As `regtxt=`, appended to the register's value."},
      {"reg-", {}, compute<subtract>, {{"ri", 2}},
       "`n, m`. Register n becomes n − m."},
      {"reg+", {}, compute<add>, {{"ri", 2}},
       "`n, m`. Register n becomes n + m (whole numbers; both must be numbers)."},
      {"reg*", {}, compute<multiply>, {{"ri", 2}},
       "`n, m`. Register n becomes n × m."},
      {"reg/", {}, divideDecimal, {{"rx", 2}},
       "`n, m`. Register n becomes the decimal quotient (up to 15 digits, the system's decimal separator)."},
      {"reg:", {}, compute<divide>, {{"ri", 2}},
       "`n, m`. Register n becomes n ÷ m, truncated toward zero; dividing by 0 stops the run."},
      {"reg?", {}, compute<addRandom>, {{"ri", 2}},
       "`n, m`. Register n grows by a random whole number from 0 to m."},
  };
  dispatch.add(rows);
}

}  // namespace script
