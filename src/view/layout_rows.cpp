// Table rows to controls.
#include "view/layout_rows.h"

#include "base/number.h"
#include "script/script_error.h"
#include "shell/game.h"
#include "view/colour.h"
#include "view/fonts.h"

namespace view {

namespace {

const std::string& builtInRow(int row) {
  static const std::string none;
  const auto& rows = shell::DefinitionsTable::builtInRows();
  return row >= 0 && static_cast<size_t>(row) < rows.size() ? rows[static_cast<size_t>(row)] : none;
}

std::optional<std::string> validColour(const std::string& text) {
  try {
    return checkedColour(text);
  } catch (const script::ScriptError&) {
    return std::nullopt;
  }
}

const int kNumberRows[] = {11, 12, 16, 22, 23, 24, 25, 27, 28, 29, 30, 33, 36, 37, 38, 39, 42,
                           45, 46, 47, 48, 49, 50, 51, 52, 58, 59, 64, 65, 70, 96, 97};
const int kColourRows[] = {18, 19, 34, 40, 43, 71};

std::string rowLabel(int row) { return "Linha " + std::to_string(row + 1) + " da tabela de defini\xE7\xF5" "es "; }

}  // namespace

int rowNumber(const shell::Game& game, int row) {
  if (auto number = game.Defs.number(row)) return *number;
  return base::readNumberOr(builtInRow(row), 0);
}

std::string rowColour(const shell::Game& game, int row) {
  if (auto colour = validColour(game.Defs.defsRow(row))) return *colour;
  return validColour(builtInRow(row)).value_or("000000");
}

void logBadLayoutRows(shell::Game& game) {
  for (int row : kNumberRows)
    if (!game.Defs.number(row))
      game.debug.logDebug(rowLabel(row) + "n\xE3o \xE9 um n\xFAmero: \"" + game.Defs.defsRow(row) + "\"; usei " +
                          std::to_string(rowNumber(game, row)));
  for (int row : kColourRows)
    if (!validColour(game.Defs.defsRow(row)))
      game.debug.logDebug(rowLabel(row) + "n\xE3o \xE9 uma cor RRGGBB: \"" + game.Defs.defsRow(row) + "\"; usei " +
                          rowColour(game, row));
}

void setControlFont(Control& control, const std::string& face, int size, const std::string& colour,
                    const std::string& styleLetters) {
  const StyleFlags flags = styleFromLetters(styleLetters);
  control.fontName = face;
  control.fontSize = size;
  control.fontColour = checkedColour(colour);
  control.bold = flags.bold;
  control.italic = flags.italic;
  control.underline = flags.underline;
}

void setControlFontFromRows(const shell::Game& game, Control& control, int faceRow, int sizeRow, int colourRow,
                            int styleRow) {
  setControlFont(control, game.Defs.defsRow(faceRow), rowNumber(game, sizeRow), rowColour(game, colourRow),
                 game.Defs.defsRow(styleRow));
}

void setMessageFont(const shell::Game& game, Canvas& canvas, const std::string& colour, const std::string& styleLetters) {
  const StyleFlags flags = styleFromLetters(styleLetters);
  canvas.fontName = game.Defs.defsRow(15);
  canvas.fontSize = rowNumber(game, 16);
  canvas.fontColour = colourFromHex(colour);
  canvas.bold = flags.bold;
  canvas.italic = flags.italic;
  canvas.underline = flags.underline;
}

void setGeometry(Control& control, int x, int y, int width, int height) {
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
}

}  // namespace view
