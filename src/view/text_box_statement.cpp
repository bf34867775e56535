// btxt= text, x, y, w, h, colour, style, background, size. Empty or "$" places
// the box at the text position; the text "$" is every quoted text of the run.
#include "view/text_box_statement.h"

#include "base/content_range.h"
#include "base/number.h"
#include "model/dispatch.h"
#include "model/statement.h"
#include "model/game.h"
#include "view/pictures.h"
#include "view/text_box.h"

namespace view {
namespace {

using model::Statement;

void drawBoxOnPage3(model::Game& game, Statement& s) {
  const auto& screen = game.screen;
  const QImage& page = telMod3(game);
  auto position = [&](int k, int current) {
    return s.arg(k).empty() || s.arg(k) == "$" ? current : base::coordinateOr(s.arg(k), 0);
  };
  auto extent = [&](int k, int whole, int fromText) {
    return s.arg(k).empty() ? whole - fromText : base::coordinateOr(s.arg(k), whole);
  };
  TextBox box;
  box.text = s.arg(1);  // markers reach the box as written
  box.x = position(2, screen.textX);
  box.y = position(3, screen.textY);
  box.width = extent(4, page.width(), screen.textX);
  box.height = extent(5, page.height(), screen.textY);
  box.colour = s.arg(6).empty() ? screen.style.textForeColour : s.arg(6);
  box.style = s.arg(7).empty() ? "biu" : s.arg(7);
  box.background = s.arg(8).empty() ? screen.style.textBackColour : s.arg(8);
  box.size = base::coordinateOr(s.arg(9), screen.style.textFontSize);
  drawTextBox(game, box, graphics::SurfaceId::TelMod3);
}

}  // namespace

void registerTextBoxStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"btxt=", {"boxtexto="}, drawBoxOnPage3, {{"TaajjcSCj", 0}},
       "`text, x, y, w, h, colour, style, background, size`."},
  };
  dispatch.add(rows);
}

}  // namespace view
