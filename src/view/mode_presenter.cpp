// The four display modes' presenters: page layout on entry, the text sinks and
// the end of a run, mode by mode.
#include "view/mode_presenter.h"

#include "base/text.h"
#include "graphics/canvas_text.h"
#include "model/game.h"
#include "view/canvas_style.h"
#include "view/colour.h"
#include "view/layout_rows.h"
#include "view/page.h"
#include "view/picture_text.h"
#include "view/text_sink.h"

namespace view {

namespace row = model::row;

namespace {

const char* const kMemo3Name = "a lista de textos do modo 3";

// Every page but the typewriter's lets pending events run once it shows, and
// gives the command box the focus when the box is in sight.
void showEnteredPage(model::Game& game) {
  game.host.repaint();
  game.host.processEvents();
  if (game.screen.Input.visible) game.screen.focus = model::Focus::Input;
}

void focusVisibleInput(model::Game& game) {
  if (game.screen.Input.visible) game.screen.focus = model::Focus::Input;
}

void nothing(model::Game&) {}
void nothingShown(model::Game&, const std::string&) {}

// Mode "0": the typewriter page MsgMd0.

void enterTypewriter(model::Game& game) {
  auto& screen = game.screen;
  screen.viewerPage = model::ViewerPage::Typewriter;
  screen.Input.visible = game.Defs.isOn(row::InputShown);
  screen.Abok1.height = rowNumber(game, row::ViewerHeight);
  screen.MsgMd0.text.clear();
  screen.MsgMd0.background = colourArgument(screen.style.textBackColour);
  game.host.repaint();
}

void clearTypewriter(model::Game& game) {
  game.screen.MsgMd0.text.clear();
  game.host.repaint();
}

const ModePresenter kTypewriter{
    .enter = enterTypewriter,
    .output = typeOut,
    .append = typeOut,
    .replace = typeOut,
    .clear = clearTypewriter,
    .endOfRun = focusVisibleInput,
};

// Mode "1": the picture with the strip Msg under it.

void enterStrip(model::Game& game) {
  auto& screen = game.screen;
  screen.viewerPage = model::ViewerPage::Strip;
  screen.Msg.visible = game.Defs.isOn(row::MsgShown);
  screen.Input.visible = game.Defs.isOn(row::InputShown);
  screen.Abok1.height = rowNumber(game, row::ViewerHeight);
  screen.Msg.text.clear();
  showEnteredPage(game);
}

void addToStrip(model::Game& game, const std::string& text) {
  game.textProduced(platform::TextSink::Msg, text);
  appendToStrip(game, text);
}

void replaceStrip(model::Game& game, const std::string& text) {
  game.textProduced(platform::TextSink::Msg, text);
  setStrip(game, text);
}

const ModePresenter kStrip{
    .enter = enterStrip,
    .output = addToStrip,
    .append = addToStrip,
    .replace = replaceStrip,
    .clear = [](model::Game& game) { setStrip(game, ""); },
    .endOfRun = focusVisibleInput,
};

// Mode "2": the page of text and links, built in WebTxt. The page view reaches
// down to the bottom edge of the command box.

void enterPage(model::Game& game) {
  auto& screen = game.screen;
  showBlankPage(game, screen.style.textBackColour);
  screen.viewerPage = model::ViewerPage::Page;
  screen.Input.visible = false;
  model::Control& viewer = screen.Abok1;
  viewer.width = rowNumber(game, row::ViewerWidth);
  viewer.height = rowNumber(game, row::InputTop) + rowNumber(game, row::InputHeight) - viewer.y;
  screen.WebB.width = viewer.width + 20;
  screen.WebB.height = viewer.height + 4;
  beginPage(game);
  loadPageText(game, base::joinLines(screen.WebTxt));
  focusPage(game);
  showEnteredPage(game);
}

void showOnPage(model::Game& game, const std::string& text) {
  addPageLine(game, text);
  game.textProduced(platform::TextSink::WebTxt, text);
}

void finishWrittenPage(model::Game& game) {
  if (!game.screen.WebTxt.empty()) finishPage(game);
}

const ModePresenter kPage{
    .enter = enterPage,
    .output = showOnPage,
    .append = showOnPage,
    .replace = showOnPage,
    .clear = beginPage,
    .endOfRun = finishWrittenPage,
};

// Mode "3": quoted texts collected in Memo3, msg= drawn into TelMod3.

void enterCanvas(model::Game& game) {
  auto& screen = game.screen;
  auto& surfaces = game.surfaces;
  screen.Input.visible = false;
  screen.viewerPage = model::ViewerPage::Canvas;
  model::Control& viewer = screen.Abok1;
  viewer.width = rowNumber(game, row::CanvasViewerWidth);
  viewer.height = rowNumber(game, row::CanvasViewerHeight);
  screen.Sbox2.width = viewer.width;
  screen.Sbox2.height = viewer.height;
  screen.Sbox2.background = viewer.background;
  surfaces.canvas.TelMod3 = canvasFromStyle(screen.style);
  surfaces.TelMod3 = graphics::makeSurface(viewer.width - 18, viewer.height - 10, surfaces.canvas.TelMod3.brush);
  screen.Memo3.clear();
  screen.textX = screen.textY = 0;
  screen.focus = model::Focus::Sbox2;
  showEnteredPage(game);
}

void addToMemo3(model::Game& game, const std::string& text) {
  auto& memo = game.screen.Memo3;
  checkRoomForText(memo.bytes() + memo.size() * 2, text.size() + 2, kMemo3Name);
  memo.push_back(text);
  game.textProduced(platform::TextSink::Memo3, text);
}

void drawOnCanvas(model::Game& game, const std::string& text) {
  game.textProduced(platform::TextSink::TelMod3, text);
  drawTextAtTextPosition(game, text);
}

// msg+ draws nothing yet: it only readies the canvas for the next msg=.
void readyCanvas(model::Game& game, const std::string&) { prepareTextCanvas(game); }

void showCanvas(model::Game& game) {
  if (!game.surfaces.TelMod3.isNull()) game.surfaces.Tela3 = game.surfaces.TelMod3;
}

const ModePresenter kCanvas{
    .enter = enterCanvas,
    .output = addToMemo3,
    .append = readyCanvas,
    .replace = drawOnCanvas,
    .clear = nothing,
    .endOfRun = showCanvas,
};

const ModePresenter kOther{
    .enter = nothing,
    .output = nothingShown,
    .append = nothingShown,
    .replace = nothingShown,
    .clear = nothing,
    .endOfRun = nothing,
};

}  // namespace

const ModePresenter& presenterFor(model::DisplayMode mode) {
  switch (mode) {
    case model::DisplayMode::Typewriter: return kTypewriter;
    case model::DisplayMode::Strip: return kStrip;
    case model::DisplayMode::Page: return kPage;
    case model::DisplayMode::Canvas: return kCanvas;
    case model::DisplayMode::Other: break;
  }
  return kOther;
}

}  // namespace view
