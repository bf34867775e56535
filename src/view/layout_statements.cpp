// Layout statements.
#include "view/layout_statements.h"

#include "base/content_range.h"
#include "base/number.h"
#include "model/dispatch.h"
#include "script/markers.h"
#include "model/argument_words.h"
#include "model/game.h"
#include "view/colour.h"
#include "view/control_arguments.h"
#include "view/display_mode.h"
#include "view/page.h"
#include "view/pictures.h"
#include "view/tint.h"
#include "view/window_shape.h"

namespace view {

namespace row = model::row;

namespace {

using model::Statement;

void displayMode(model::Game& game, Statement& s) { setDisplayMode(game, model::DisplayModeSetting::parse(s.arg(1))); }

void returnToMode(model::Game& game, Statement&) {
  game.screen.viewerPage = model::ViewerPageSetting::of(game.screen.Modelo);
  game.host.repaint();
}

// The def statements of plain controls: on/off, then place, then font; some let
// pending events run once the control is shown or hidden.
enum class Events { Wait, Run };
void defineControl(model::Game& game, model::Control& control, Statement& s, Events events) {
  applyOnOff(control, s.arg(1));
  if (events == Events::Run) game.host.processEvents();
  applyPlace(control, s, 2);
  applyFont(control, s, 6);
}

void stripDefinition(model::Game& game, Statement& s) {
  defineControl(game, game.screen.Msg, s, Events::Wait);
  game.host.repaint();
}

void pictureDefinition(model::Game& game, Statement& s) {
  applyOnOff(game.screen.Tela, s.arg(1));
  applyPlace(game.screen.Tela, s, 2);
  graphics::Canvas& canvas = game.surfaces.canvas.Tela;
  applyFont(canvas, s, 6);
  graphics::fillSurface(game.surfaces.Tela, canvas.brush);
  game.host.repaint();
}

void functionPanelDefinition(model::Game& game, Statement& s) {
  model::Control& panel = game.screen.Abok2;
  auto& surfaces = game.surfaces;
  applyOnOff(panel, s.arg(1));
  applyPlace(panel, s, 2);
  if (!s.arg(4).empty() || !s.arg(5).empty())
    graphics::resizeSurface(surfaces.BufFunc, panel.width, panel.height, surfaces.canvas.BufFunc.brush);
  applyFont(surfaces.canvas.BufFunc, s, 6);
  graphics::fillSurface(surfaces.BufFunc, surfaces.canvas.BufFunc.brush);
  game.host.repaint();
}

void inputDefinition(model::Game& game, Statement& s) {
  defineControl(game, game.screen.Input, s, Events::Run);
  game.host.repaint();
}

void viewerDefinition(model::Game& game, Statement& s) {
  defineControl(game, game.screen.Abok1, s, Events::Run);
  if (game.screen.isPageMode()) showBlankPage(game, game.screen.style.textBackColour);
  game.host.repaint();
}

// defpainel= picture, top (or "on" to shape the window), width, height, font...:
// the game area and Tela take the size; a new skin picture is loaded into Imp.
void panelDefinition(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  const bool shape = s.arg(2) == "on";
  if (!s.arg(2).empty() && !shape) screen.Abok1.y = graphics::clampCoordinate(numberArgument(s, 2));
  if (!s.arg(3).empty()) game.window.width = screen.Imp.width = screen.Tela.width = graphics::clampCoordinate(numberArgument(s, 3));
  if (!s.arg(4).empty())
    game.window.height = screen.Imp.height = screen.Tela.height = graphics::clampCoordinate(numberArgument(s, 4));
  applyFont(game.surfaces.canvas.Tela, s, 5);
  if (s.arg(1) != game.Defs.defsRow(row::WindowPicture)) {
    game.surfaces.Imp = QImage();
    loadPicture(game, s.arg(1), graphics::SurfaceId::Imp);
    if (shape) shapeWindow(game);
  }
  game.host.repaint();
}

// loadpainel= picture: a new skin; the game area takes its size and the window its outline.
void loadPanel(model::Game& game, Statement& s) {
  auto& surfaces = game.surfaces;
  loadPicture(game, s.arg(1), graphics::SurfaceId::BufShp);
  if (!surfaces.BufShp.isNull()) {
    game.window.width = game.screen.Imp.width = surfaces.BufShp.width();
    game.window.height = game.screen.Imp.height = surfaces.BufShp.height();
  }
  surfaces.Imp = QImage();
  loadPicture(game, s.arg(1), graphics::SurfaceId::Imp);
  shapeWindow(game);
  surfaces.Imp = graphics::toSurfaceFormat(surfaces.Imp);
}

void pageViewDefinition(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  if (!s.arg(1).empty()) screen.Abok1.width = std::max(graphics::clampCoordinate(numberArgument(s, 1)), 0);
  if (!s.arg(2).empty()) screen.Abok1.height = std::max(graphics::clampCoordinate(numberArgument(s, 2)), 0);
  screen.WebB.width = screen.Abok1.width + 20;
  screen.WebB.height = screen.Abok1.height + 4;
  showBlankPage(game, s.arg(3).empty() ? screen.style.textBackColour : s.arg(3));
}

// barratop on/off: the typewriter page makes room for the bar above it, or takes it back.
void topBar(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  const auto shown = model::argument<'e'>(s, 1);
  if (shown == model::Switch::On) {
    screen.MsgMd0.y = 20;
    screen.MsgMd0.height -= 20;
    screen.BarraTop.width = screen.MsgMd0.width;
    screen.BarraTop.background = screen.Input.background;
  } else if (shown == model::Switch::Off) {
    screen.MsgMd0.y = 5;
    screen.MsgMd0.height += 20;
  }
  game.host.repaint();
}

void commandsFile(model::Game& game, Statement& s) { game.commandsScript = s.arg(1); }

void tableRow(model::Game& game, Statement& s) {
  auto row = base::readNumber(s.arg(1));
  if (!row) return;
  std::string value = s.arg(2);
  for (char marker : {'~', '^'})
    if (value.find(marker) != std::string::npos) value = script::convertMarkers(game.screen.Modelo, marker, value);
  game.Defs.setDefsRow(*row, value);
}

void focusTarget(model::Game& game, Statement& s) {
  auto& screen = game.screen;
  ++screen.windowRaises;
  screen.focus = model::Focus::Window;
  using model::FocusTarget;
  const auto target = model::argument<'F'>(s, 1);
  if (target == FocusTarget::Web) focusPage(game);
  else if (target == FocusTarget::Inp) screen.focus = model::Focus::Input;
  else if (target == FocusTarget::Fnc) screen.front = model::FrontPanel::FunctionPanel;
  else if (target == FocusTarget::Vsr) screen.front = model::FrontPanel::Viewer;
  else if (target == FocusTarget::Msg && screen.isTypewriterMode()) screen.focus = model::Focus::MsgMd0;
  game.host.repaint();
}

void pageHeight(model::Game& game, Statement& s) {
  const int height = base::readNumber(s.arg(1)).value_or(game.screen.Sbox2.height - 10);
  setTelMod3Height(game, height);
}

void typewriterSpeed(model::Game& game, Statement& s) {
  game.screen.typewriterDelay = base::delayInRange(base::readNumberOr(s.arg(1), 7));
}

void greyOrTint(model::Game& game, Statement& s) {
  tintRegion(game, s.arg(1), s.arg(2), s.arg(3), s.arg(4), s.arg(5), s.arg(6), s.arg(7));
}

}  // namespace

void registerLayoutStatements(model::Dispatch& dispatch) {
  static const model::StatementRow rows[] = {
      {"modo=", {"setmode="}, displayMode, {{"m", 1}},
       "`mode`. Switches the display mode: \"0\", \"1\", \"2\" or \"3\"."},
      {"defini=", {}, tableRow, {{"jx", 1}},
       "`row, value`. Changes row `row` of the definitions table (saved with the game); `~` and `^` in the value are converted."},
      {"setfoco=", {}, focusTarget, {{"F", 1}},
       "`target`."},
      {"loadpainel=", {"ldpan="}, loadPanel, {{"p", 1}},
       "`picture`. Loads the window's skin picture; the window takes its size and outline."},
      {"defmsg=", {}, stripDefinition, {{"eiiiixicS", 1}},
       "`on/off, top, left, width, height, font, size, colour, style`. The message strip of mode \"1\"."},
      {"deffnc=", {}, functionPanelDefinition, {{"eiiiixicS", 1}},
       "`on/off, top, left, width, height, font, size, colour, style`. The function panel."},
      {"deftela=", {}, pictureDefinition, {{"eiiiixicS", 1}},
       "`on/off, top, left, width, height, font, size, colour, style`. The location picture."},
      {"definput=", {}, inputDefinition, {{"eiiiixicS", 1}},
       "`on/off, top, left, width, height, font, size, colour, style`. The command box."},
      {"defvisor=", {}, viewerDefinition, {{"eiiiixicS", 1}},
       "`on/off, top, left, width, height, font, size, colour, style`. The viewer."},
      {"defpainel=", {}, panelDefinition, {{"pxiixicS", 1}},
       "`picture, top, width, height, font, size, colour, style`. The game area and its skin picture."},
      {"defweb=", {}, pageViewDefinition, {{"iic", 0}},
       "`width, height, colour`. The viewer size and page colour of mode \"2\"."},
      {"barratop", {}, topBar, {{"e", 1}},
       "`on` or `off`. The thin bar above the mode-0 page."},
      {"defcom=", {}, commandsFile, {{"q", 1}},
       "`name`. The phrase file becomes `name.scx` (also when empty)."},
      {"cinza=", {}, greyOrTint, {{"tCjjjjj", 1}},
       "`target, colour, level, x, y, width, height`."},
      {"altura=", {}, pageHeight, {{"j", 0}},
       "`pixels`. Height of the mode-3 page."},
      {"retmode", {"retmodo"}, returnToMode, {{"", 0}},
       "Shows the page of the current display mode again (after the map or another page)."},
      {"veltec=", {}, typewriterSpeed, {{"j", 0}},
       "`milliseconds` (default 7). The typewriter's pause per letter in mode \"0\"."},
  };
  dispatch.add(rows);
}

}  // namespace view
