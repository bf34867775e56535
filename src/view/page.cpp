// Page head, page end, the tmp.htm file and the blank page.
#include "view/page.h"

#include <algorithm>

#include "base/content_range.h"
#include "base/cp1252.h"
#include "base/file_io.h"
#include "model/script_error.h"
#include "model/game.h"

namespace view {
namespace {

std::string titleAndMeta(const model::Game& game) {
  return "<title>Quimera: " + game.folders.gameName + "</title>" +
         "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">";
}

}  // namespace

void checkRoomForText(size_t current, size_t adding, const std::string& what) {
  if (adding <= kMaxShownText && current <= kMaxShownText - adding) return;
  throw model::ScriptError(what + " passou do limite de " + std::to_string(kMaxShownText) + " caracteres");
}

void addPageLine(model::Game& game, std::string line) {
  auto& page = game.screen.WebTxt;
  checkRoomForText(page.bytes() + page.size() * 2, line.size() + 2, "o texto da p\xE1gina");
  page.push_back(std::move(line));
}

int pagePixelSize(int fontSize) {
  // A size past the font range changes nothing a page can show; it must not overflow.
  const int size = std::clamp(fontSize, -base::kMaxFontSize, base::kMaxFontSize);
  return size + size / 2;
}

void beginPage(model::Game& game) {
  auto& screen = game.screen;
  const model::TextStyle& s = screen.style;
  std::string openTags, closeTags;
  if (s.textBold) openTags += "<b>", closeTags += "</b>";
  if (s.textItalic) openTags += "<em>", closeTags += "</em>";
  if (s.textUnderline) openTags += "<u>", closeTags += "</u>";

  screen.WebTxt = {
      "<!DOCTYPE html>",
      "<head>",
      "<title>Quimera: " + game.folders.gameName + "</title>",
      "<meta http-equiv=\"X-UA-Compatible\" content=\"ie=edge\">",
      "</head>",
      "<body bgcolor=#" + s.textBackColour + " text=#" + s.textForeColour + " link=#" +
          s.linkColour + " vlink=#" + s.visitedLinkColour,
      " alink=#FFFF00 leftmargin=10 topmargin=0 marginwidth=0 marginheight=0 >",
      "<div style=\"margin-right:10px;\">",
      "<font face=" + s.textFontName + " color=#" + s.textForeColour + " style=\"font-size:" +
          std::to_string(pagePixelSize(s.textFontSize)) + "px; \">" + openTags,
  };
  screen.closingStyleTags = closeTags;
}

void finishPage(model::Game& game) {
  auto& screen = game.screen;
  // A page of empty lines still has a text (its line breaks); only no line at all is empty.
  if (screen.WebTxt.empty()) return;
  if (!screen.closingStyleTags.empty()) screen.WebTxt.push_back(screen.closingStyleTags);
  for (const char* line : {"</font></div>", "</body>", "</html>"}) screen.WebTxt.push_back(line);

  const auto file = game.folders.exeFile("tmp.htm");
  if (!base::writeTextLines(file, screen.WebTxt))
    throw model::ScriptError("n\xE3o consegui gravar a p\xE1gina " + base::pathToCp1252(file));
  showPageFile(game, file);
}

void showPageFile(model::Game& game, const std::filesystem::path& file) {
  game.screen.pageShown = file.string();
  game.screen.pageHtml.clear();
  game.host.repaint();
  game.host.processEvents();
}

void loadPageText(model::Game& game, const std::string& html) {
  game.screen.pageShown.clear();
  game.screen.pageHtml = html;
  game.host.repaint();
  game.host.processEvents();
}

void showBlankPage(model::Game& game, const std::string& colour) {
  loadPageText(game, "<!DOCTYPE html><head>" + titleAndMeta(game) + "</head>" + "<body  bgcolor=" + colour +
                         " text=#FFFF00 link=#FFFF00 vlink=#FFFF00 alink=#FFFF00 leftmargin=0 topmargin=0 "
                         "marginwidth=0 marginheight=0 ></body></html>");
}

void focusPage(model::Game& game) {
  game.host.processEvents();
  game.screen.focus = model::Focus::WebB;
}

}  // namespace view
