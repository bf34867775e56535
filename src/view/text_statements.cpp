// Text style and text position statements.
#include "view/text_statements.h"

#include "base/content_range.h"
#include "base/number.h"
#include "graphics/fonts.h"
#include "model/dispatch.h"
#include "model/script_error.h"
#include "model/game.h"
#include "view/layout_rows.h"
#include "view/pictures.h"
#include "view/text_sink.h"

namespace view {

namespace row = model::row;

namespace {

using model::Statement;

model::TextStyle& style(model::Game& game) { return game.screen.style; }

// The value, or the table row when the value is empty.
std::string orRow(const model::Game& game, const std::string& value, int row) {
  return value.empty() ? game.Defs.defsRow(row) : value;
}

void font(model::Game& game, Statement& s) {
  model::TextStyle& st = style(game);
  if (!s.arg(1).empty()) st.textFontName = s.arg(1);
  if (!s.arg(2).empty()) {
    auto size = base::readNumber(s.arg(2));
    if (!size) throw model::ScriptError("fonte=: o tamanho \"" + s.arg(2) + "\" n\xE3o \xE9 um n\xFAmero");
    st.textFontSize = base::coordinateInRange(*size);
  }
  if (!s.arg(3).empty()) st.textForeColour = s.arg(3);
  st.textBold = !s.arg(4).empty();
  st.textItalic = !s.arg(5).empty();
  st.textUnderline = !s.arg(6).empty();
}

void fontFace(model::Game& game, Statement& s) { style(game).textFontName = orRow(game, s.arg(1), 15); }

void fontSize(model::Game& game, Statement& s) {
  auto size = base::readNumber(s.arg(1));
  style(game).textFontSize = size ? base::coordinateInRange(*size) : rowNumber(game, row::MessageFontSize);
}

void fontStyle(model::Game& game, Statement& s) {
  const graphics::StyleFlags flags = graphics::styleFromLetters(s.arg(1).empty() ? "biu" : s.arg(1));
  model::TextStyle& st = style(game);
  st.textBold = flags.bold;
  st.textItalic = flags.italic;
  st.textUnderline = flags.underline;
}

void textColour(model::Game& game, Statement& s) { style(game).textForeColour = orRow(game, s.arg(1), 19); }
void backColour(model::Game& game, Statement& s) { style(game).textBackColour = orRow(game, s.arg(1), 18); }
void linkColour(model::Game& game, Statement& s) { style(game).linkColour = orRow(game, s.arg(1), 20); }
void visitedColour(model::Game& game, Statement& s) { style(game).visitedLinkColour = orRow(game, s.arg(1), 21); }

void clearAccumulatedText(model::Game& game, Statement&) { game.screen.Memo3.clear(); }

// "$" or empty keeps the coordinate; anything else not a number gives 0.
void textPosition(model::Game& game, Statement& s) {
  auto set = [](int& coordinate, const std::string& value) {
    if (!value.empty() && value != "$") coordinate = base::coordinateInRange(base::readNumberOr(value, 0));
  };
  set(game.screen.textX, s.arg(1));
  set(game.screen.textY, s.arg(2));
}

// Mode "3" only: the text position moves down; the page grows to reach it.
void lineFeedBy(model::Game& game, Statement& s) {
  if (!game.screen.isCanvasMode()) return;
  const int step = s.arg(1).empty() ? 10 : base::readNumberOr(s.arg(1), 0);
  int& y = game.screen.textY;
  y = graphics::clampCoordinate(int64_t(y) + step);
  if (y > telMod3(game).height()) setTelMod3Height(game, y);
}

// A line break in the sink of the mode; mode "3" leaves the text position alone.
void lineFeed(model::Game& game, Statement&) {
  const model::DisplayMode mode = game.screen.Modelo;
  if (mode != model::DisplayMode::Canvas) outputQuotedText(game, mode == model::DisplayMode::Page ? "<br>" : "\r\n");
}

}  // namespace

void registerTextStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"fonte=", {}, font, {{"xicxxx", 0}},
       "`name, size, colour, bold, italic, underline`. Sets what is given; each of the last three is on when not empty."},
      {"corfnd=", {}, backColour, {{"c", 0}},
       "`colour`. Background colour; empty restores row 18."},
      {"fntsize=", {}, fontSize, {{"j", 0}},
       "`size`. The font size; not a number restores row 16."},
      {"fntface=", {}, fontFace, {{"x", 0}},
       "`name`. The font; empty restores row 15."},
      {"fntsty=", {}, fontStyle, {{"S", 0}},
       "`flags`. Three letters: `B`, `I`, `U` in the first, second, third place turn bold, italic, underline on (`biu` = plain)."},
      {"corlnk=", {}, linkColour, {{"c", 0}},
       "`colour`. Link colour; empty restores row 20."},
      {"corvzk=", {}, visitedColour, {{"c", 0}},
       "`colour`. Visited-link colour; empty restores row 21."},
      {"cortxt=", {}, textColour, {{"c", 0}},
       "`colour`. Text colour; empty restores row 19."},
      {"cleartxt", {"clear$"}, clearAccumulatedText, {{"", 0}},
       "Empties the mode-3 text memo (what `btxt= $` draws)."},
      {"postxt=", {"postxt"}, textPosition, {{"aa", 0}},
       "`x, y`. The mode-3 text position; `$` or empty keeps a value."},
      {"lnfeed=", {}, lineFeedBy, {{"j", 0}},
       "`pixels` (default 10). Mode \"3\": moves the text position down."},
      {"linefeed", {"lf"}, lineFeed, {{"", 0}},
       "A line break in the text of modes \"0\", \"1\" and \"2\"."},
  };
  dispatch.add(rows);
}

}  // namespace view
