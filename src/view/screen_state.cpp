// Screen state rows.
#include "view/screen_state.h"

#include "base/cp1252.h"
#include "model/game.h"
#include "view/cursors.h"

namespace view {
namespace {

std::string place(const model::Control& control) {
  return std::to_string(control.x) + "," + std::to_string(control.y) + "," + std::to_string(control.width) + "," +
         std::to_string(control.height);
}

std::string size(const QImage& image) {
  return std::to_string(image.width()) + "," + std::to_string(image.height());
}

std::string flag(bool on) { return on ? "1" : "0"; }

// The page file on show, named inside the game folder ("tmp.htm"); empty when
// the page view shows a text without a file.
std::string pageFileName(const model::Game& game) {
  if (game.screen.pageShown.empty()) return "";
  const auto name = std::filesystem::path(game.screen.pageShown).lexically_relative(game.folders.exeFolder);
  return base::pathToCp1252(name.generic_string());
}

const char* focusName(model::Focus focus) {
  switch (focus) {
    case model::Focus::Window: return "window";
    case model::Focus::Input: return "Input";
    case model::Focus::WebB: return "WebB";
    case model::Focus::MsgMd0: return "MsgMd0";
    case model::Focus::Sbox2: return "Sbox2";
  }
  return "window";
}

std::string styleLetters(const model::TextStyle& style) {
  return std::string(style.textBold ? "B" : "b") + (style.textItalic ? "I" : "i") + (style.textUnderline ? "U" : "u");
}

}  // namespace

std::vector<std::pair<std::string, std::string>> screenStateRows(const model::Game& game) {
  const model::ScreenModel& s = game.screen;
  const graphics::Surfaces& f = game.surfaces;
  const model::TextStyle& style = s.style;
  return {
      {"gameArea", std::to_string(game.window.width) + "," + std::to_string(game.window.height)},
      {"windowShaped", flag(s.windowShaped)},
      {"viewer", place(s.Abok1)},
      {"viewerVisible", flag(s.Abok1.visible)},
      {"msg", place(s.Msg)},
      {"msgmd0", place(s.MsgMd0)},
      {"tela", place(s.Tela)},
      {"browser", place(s.WebB)},
      {"sbox2", place(s.Sbox2)},
      {"telmod3", size(f.TelMod3)},
      {"input", place(s.Input)},
      {"functionPanel", place(s.Abok2)},
      {"functionPanelVisible", flag(s.Abok2.visible)},
      {"focus", focusName(s.focus)},
      {"pageFile", pageFileName(game)},
      {"textFontName", style.textFontName},
      {"textFontSize", std::to_string(style.textFontSize)},
      {"textForeColour", style.textForeColour},
      {"textBackColour", style.textBackColour},
      {"linkColour", style.linkColour},
      {"visitedLinkColour", style.visitedLinkColour},
      {"textStyle", styleLetters(style)},
      {"hud", flag(s.hudOn) + "," + std::to_string(s.hudX) + "," + std::to_string(s.hudY)},
      {"pictureLinkScript", s.pictureLinkScript},
      {"hoveredSlot", std::to_string(game.pointer.hoveredSlot)},
      {"cursor", std::to_string(game.pointer.cursor)},
      {"cursorShape", cursorName(cursorFor(game.pointer.cursor))},
      {"page3Scroll", std::to_string(game.pointer.page3Scroll)},
      {"windowPosition", std::to_string(game.window.left) + "," + std::to_string(game.window.top)},
  };
}

}  // namespace view
