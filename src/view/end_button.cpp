// End button picture and label.
#include "view/end_button.h"

#include <QFontMetrics>

#include "base/cp1252.h"
#include "graphics/fonts.h"
#include "model/script_error.h"
#include "model/game.h"
#include "view/layout_rows.h"
#include "view/pictures.h"

namespace view {

namespace row = model::row;

namespace {

// The button shows prefix + its picture name ("U-" up, "D-" down).
void showButtonPicture(model::Game& game, const char* prefix) {
  auto& button = game.screen.btFim;
  try {
    loadPicture(game, prefix + button.text.str(), graphics::SurfaceId::btFim);
  } catch (const model::ScriptError& error) {
    // An unreadable PNG: the button keeps its picture and the log says why.
    game.debug.logDebug(error.what());
  }
  button.width = game.surfaces.btFim.width();
  button.height = game.surfaces.btFim.height();
}

}  // namespace

void loadEndButtonPicture(model::Game& game, const std::string& pictureName) {
  game.screen.btFim.text = pictureName;
  showButtonPicture(game, "U-");
}

void pressEndButton(model::Game& game) {
  showButtonPicture(game, "D-");
  game.sound().playEffect("clk0a.wav", platform::EffectMode::Once);
}

void releaseEndButton(model::Game& game) {
  showButtonPicture(game, "U-");
  game.sound().playEffect("clk0b.wav", platform::EffectMode::Once);
}

void layOutEndButton(model::Game& game) {
  auto& screen = game.screen;
  screen.btFim.x = rowNumber(game, row::EndButtonLeft);
  screen.btFim.y = rowNumber(game, row::EndButtonTop);
  loadEndButtonPicture(game, game.Defs.defsRow(row::EndButtonPicture));
  model::Control& label = screen.lbFim;
  setControlFontFromRows(game, label, row::EndLabelFontName, row::EndLabelFontSize, row::EndLabelFontColour, -1);
  label.text = game.Defs.defsRow(row::EndLabelCaption);
  const QFontMetrics metrics(graphics::makeFont(label.fontName, label.fontSize));
  setGeometry(label, screen.btFim.x + screen.btFim.width + 2, screen.btFim.y + 3,
              metrics.horizontalAdvance(QString::fromStdString(base::cp1252ToUtf8(label.text))), metrics.height());
}

}  // namespace view
