// Table rows to controls.
#include "view/layout_rows.h"

#include <algorithm>
#include <iterator>

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/colour.h"
#include "graphics/fonts.h"
#include "model/game.h"

namespace view {

namespace row = model::row;

namespace {

const std::string& builtInRow(int row) {
  static const std::string none;
  const auto& rows = model::DefinitionsTable::builtInRows();
  return row >= 0 && static_cast<size_t>(row) < rows.size() ? rows[static_cast<size_t>(row)] : none;
}

const int kNumberRows[] = {row::GameWidth, row::GameHeight, row::MessageFontSize, row::ViewerLeft, row::ViewerTop, row::ViewerWidth, row::ViewerHeight, row::MsgLeft, row::MsgTop, row::MsgWidth, row::MsgHeight, row::MsgMd0FontSize, row::InputLeft, row::InputTop, row::InputWidth, row::InputHeight, row::InputFontSize, row::PanelLeft, row::PanelTop, row::PanelWidth, row::PanelHeight, row::CanvasViewerWidth, row::CanvasViewerHeight, row::PageViewerWidth, row::PageViewerHeight, row::PictureWidth, row::PictureHeight, row::EndButtonLeft, row::EndButtonTop, row::EndLabelFontSize, row::MapWidth, row::MapHeight};
const int kColourRows[] = {row::PanelColour, row::TextColour, row::MsgMd0FontColour, row::InputColour, row::InputFontColour, row::EndLabelFontColour};

const int kSizeRows[] = {row::GameWidth, row::GameHeight, row::ViewerWidth, row::ViewerHeight, row::MsgWidth,
                         row::MsgHeight, row::InputWidth, row::InputHeight, row::PanelWidth, row::PanelHeight,
                         row::CanvasViewerWidth, row::CanvasViewerHeight, row::PageViewerWidth,
                         row::PageViewerHeight, row::PictureWidth, row::PictureHeight, row::MapWidth, row::MapHeight};

bool isSizeRow(int row) { return std::find(std::begin(kSizeRows), std::end(kSizeRows), row) != std::end(kSizeRows); }

std::string rowLabel(int row) { return "Linha " + std::to_string(row + 1) + " da tabela de defini\xE7\xF5" "es "; }

}  // namespace

// Every number row is a position, a size or a font size: brought into the
// coordinate range, no sum of them overflows.
int rowNumber(const model::Game& game, int row) {
  if (auto number = game.Defs.number(row))
    return isSizeRow(row) ? std::min(base::coordinateInRange(*number), kMaxLayoutSide) : base::coordinateInRange(*number);
  return base::readNumberOr(builtInRow(row), 0);
}

graphics::Colour rowColour(const model::Game& game, int row) {
  if (auto colour = graphics::Colour::read(game.Defs.defsRow(row))) return *colour;
  return graphics::Colour::read(builtInRow(row)).value_or(graphics::Colour());
}

void logBadLayoutRows(model::Game& game) {
  for (int row : kNumberRows)
    if (!game.Defs.number(row))
      game.debug.logDebug(rowLabel(row) + "n\xE3o \xE9 um n\xFAmero: \"" + game.Defs.defsRow(row) + "\"; usei " +
                          std::to_string(rowNumber(game, row)));
  for (int row : kSizeRows)
    if (auto number = game.Defs.number(row); number && *number > kMaxLayoutSide)
      game.debug.logDebug(rowLabel(row) + "pede " + std::to_string(*number) + " pixels, mais que o limite de " +
                          std::to_string(kMaxLayoutSide) + "; usei " + std::to_string(kMaxLayoutSide));
  for (int row : kColourRows)
    if (!graphics::Colour::read(game.Defs.defsRow(row)))
      game.debug.logDebug(rowLabel(row) + "n\xE3o \xE9 uma cor RRGGBB: \"" + game.Defs.defsRow(row) + "\"; usei " +
                          rowColour(game, row).text());
}

void setControlFont(model::Control& control, const std::string& face, int size, graphics::Colour colour,
                    const std::string& styleLetters) {
  const graphics::StyleFlags flags = graphics::styleFromLetters(styleLetters);
  control.fontName = face;
  control.fontSize = size;
  control.fontColour = colour;
  control.bold = flags.bold;
  control.italic = flags.italic;
  control.underline = flags.underline;
}

void setControlFontFromRows(const model::Game& game, model::Control& control, int faceRow, int sizeRow, int colourRow,
                            int styleRow) {
  setControlFont(control, game.Defs.defsRow(faceRow), rowNumber(game, sizeRow), rowColour(game, colourRow),
                 game.Defs.defsRow(styleRow));
}

void setMessageFont(const model::Game& game, graphics::Canvas& canvas, graphics::Colour colour, const std::string& styleLetters) {
  const graphics::StyleFlags flags = graphics::styleFromLetters(styleLetters);
  canvas.fontName = game.Defs.defsRow(row::MessageFontName);
  canvas.fontSize = rowNumber(game, row::MessageFontSize);
  canvas.fontColour = colour.rgb();
  canvas.bold = flags.bold;
  canvas.italic = flags.italic;
  canvas.underline = flags.underline;
}

void setGeometry(model::Control& control, int x, int y, int width, int height) {
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
}

}  // namespace view
