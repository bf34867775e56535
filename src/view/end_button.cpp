// End button picture and label.
#include "view/end_button.h"

#include <QFontMetrics>

#include "base/cp1252.h"
#include "script/script_error.h"
#include "shell/game.h"
#include "view/fonts.h"
#include "view/layout_rows.h"
#include "view/pictures.h"

namespace view {

namespace {

// The button shows prefix + its picture name ("U-" up, "D-" down).
void showButtonPicture(shell::Game& game, const char* prefix) {
  auto& button = game.screen.btFim;
  try {
    loadPicture(game, prefix + button.text, SurfaceId::btFim);
  } catch (const script::ScriptError& error) {
    // An unreadable PNG: the button keeps its picture and the log says why.
    game.debug.logDebug(error.what());
  }
  button.width = game.surfaces.btFim.width();
  button.height = game.surfaces.btFim.height();
}

}  // namespace

void loadEndButtonPicture(shell::Game& game, const std::string& pictureName) {
  game.screen.btFim.text = pictureName;
  showButtonPicture(game, "U-");
}

void pressEndButton(shell::Game& game) {
  showButtonPicture(game, "D-");
  game.host.playEffect("clk0a.wav");
}

void releaseEndButton(shell::Game& game) {
  showButtonPicture(game, "U-");
  game.host.playEffect("clk0b.wav");
}

void layOutEndButton(shell::Game& game) {
  auto& screen = game.screen;
  screen.btFim.x = rowNumber(game, 64);
  screen.btFim.y = rowNumber(game, 65);
  loadEndButtonPicture(game, game.Defs.defsRow(66));
  Control& label = screen.lbFim;
  setControlFontFromRows(game, label, 69, 70, 71, -1);
  label.text = game.Defs.defsRow(72);
  const QFontMetrics metrics(makeFont(label.fontName, label.fontSize));
  setGeometry(label, screen.btFim.x + screen.btFim.width + 2, screen.btFim.y + 3,
              metrics.horizontalAdvance(QString::fromStdString(base::cp1252ToUtf8(label.text))), metrics.height());
}

}  // namespace view
