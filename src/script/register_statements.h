// The statements that change registers: reg=, reg$, trim, regtxt=, regtxt+,
// reg+, reg-, reg*, reg:, reg/, reg?. Values are texts; the arithmetic reads
// them as 32-bit whole numbers that wrap around, reg/ as decimal numbers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/dispatch.h"

namespace model { struct Game; }

namespace script {

void registerRegisterStatements(model::Dispatch& dispatch);

// The register argument 1 names: a ScriptError when it is not a number or names
// no existing register.
std::string& namedRegister(model::Game& game, const model::Statement& s);

// The text read as a whole number, or a ScriptError naming the statement and
// what the text was ("o valor").
int32_t requiredNumber(const model::Statement& s, const std::string& text, const char* what);

// Decimal numbers of reg/: blanks around, an optional sign, digits with at most
// one decimal separator ("," or "." alike, whatever the user's locale).
std::optional<double> readDecimal(std::string_view text);

// Up to 15 significant digits, never an exponent, no trailing zeros.
std::string formatDecimal(double value, char separator);

// The decimal separator of the user's locale ("." when it cannot be told).
char systemDecimalSeparator();

}  // namespace script
