// The definitions table: numbers, colours, switches, styles and the names of the
// files and scripts its rows give.
#include <array>

#include "base/number.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/value_checks.h"
#include "shell/definitions_rows.h"

namespace check {
namespace {

struct Row {
  int row;
  const char* meaning;
};

using namespace shell::row;

constexpr std::array<Row, 36> kNumberRows = {{
    {WindowLeft, "window left"}, {WindowTop, "window top"}, {RegisterCount, "register count"},
    {GameWidth, "game area width"}, {GameHeight, "game area height"}, {MessageFontSize, "message font size"},
    {ViewerLeft, "viewer left"}, {ViewerTop, "viewer top"}, {ViewerWidth, "viewer width"},
    {ViewerHeight, "viewer height"}, {MsgLeft, "message strip left"}, {MsgTop, "message strip top"},
    {MsgWidth, "message strip width"}, {MsgHeight, "message strip height"}, {MsgMd0FontSize, "mode-0 font size"},
    {InputLeft, "command box left"}, {InputTop, "command box top"}, {InputWidth, "command box width"},
    {InputHeight, "command box height"}, {InputFontSize, "command box font size"},
    {PanelLeft, "function panel left"}, {PanelTop, "function panel top"}, {PanelWidth, "function panel width"},
    {PanelHeight, "function panel height"}, {CanvasViewerWidth, "mode-3 viewer width"},
    {CanvasViewerHeight, "mode-3 viewer height"}, {PageViewerWidth, "mode-2 viewer width"},
    {PageViewerHeight, "mode-2 viewer height"}, {PictureWidth, "picture width"}, {PictureHeight, "picture height"},
    {EndButtonLeft, "end button left"}, {EndButtonTop, "end button top"}, {EndLabelFontSize, "end button label size"},
    {MapWidth, "map page width"}, {MapHeight, "map page height"}, {StartDisplayMode, "display mode"},
}};
constexpr std::array<Row, 8> kColourRows = {{
    {PanelColour, "background colour"}, {TextColour, "text colour"}, {LinkColour, "link colour"},
    {VisitedLinkColour, "visited-link colour"}, {MsgMd0FontColour, "mode-0 text colour"},
    {InputColour, "command box colour"}, {InputFontColour, "command box text colour"},
    {EndLabelFontColour, "end button label colour"},
}};
constexpr std::array<Row, 8> kSwitchRows = {{
    {MsgShown, "message strip shown"}, {InputShown, "command box shown"}, {PanelShown, "function panel shown"},
    {KeepRectangular, "rectangular window"}, {OnlineGame, "on-line play"}, {FullDownload, "download everything"},
    {UpdatedDownload, "download newer files"}, {Multiplayer, "multiplayer"},
}};
constexpr std::array<Row, 3> kStyleRows = {
    {{MsgMd0FontStyle, "mode-0 font style"}, {MessageFontStyle, "message style"}, {InputFontStyle, "command box style"}}};

}  // namespace

void checkTable(Context& context) {
  const auto& facts = context.facts;
  const auto& rows = facts.table;
  auto& findings = context.findings;
  const std::string& file = facts.tableFile;
  if (rows.empty()) return;  // the player uses its built-in rows
  auto row = [&](int n) -> std::string { return static_cast<size_t>(n) < rows.size() ? rows[static_cast<size_t>(n)] : ""; };
  auto describe = [](const Row& r) { return "row " + std::to_string(r.row) + " (" + r.meaning + ")"; };
  for (const auto& r : kNumberRows)
    if (!base::readNumber(row(r.row)))
      findings.error(file, r.row + 1, describe(r) + " is not a number: \"" + row(r.row) + "\"");
  if (auto mode = row(StartDisplayMode); base::readNumber(mode) && (mode.size() != 1 || mode[0] < '0' || mode[0] > '3'))
    findings.error(file, StartDisplayMode + 1, "row 26 (display mode) is not a display mode (0, 1, 2 or 3): \"" + mode + "\"");
  for (const auto& r : kColourRows) {
    auto reading = readColourText(row(r.row));
    if (reading.kind == ColourReading::Unreadable)
      findings.error(file, r.row + 1, describe(r) + " is not a colour (six hex digits RRGGBB): \"" + row(r.row) + "\"");
    else if (reading.kind == ColourReading::Readable)
      findings.warning(file, r.row + 1, describe(r) + " is not six hex digits RRGGBB: \"" + row(r.row) +
                                            "\" reads as " + reading.asRead);
  }
  for (const auto& r : kSwitchRows)
    if (!row(r.row).empty() && row(r.row) != "*")
      findings.warning(file, r.row + 1, describe(r) + " is a switch, on only when it holds exactly *: \"" + row(r.row) + "\"");
  for (const auto& r : kStyleRows)
    if (row(r.row).size() > 3 || row(r.row).find_first_not_of("BbIiUu") != std::string::npos)
      findings.warning(file, r.row + 1, describe(r) + " is not a style (three letters such as Biu): \"" + row(r.row) + "\"");
  if (row(GameName).empty()) findings.error(file, GameName + 1, "row 4 (the game's name) is empty");

  // Names the rows give.
  const std::string phrases = row(CommandsScript);
  if (phrases.empty()) findings.error(file, CommandsScript + 1, "row 17 (phrase file) is empty");
  else if (auto found = checkPhraseFileName(context, {file, CommandsScript + 1}, phrases)) context.refs.rootScripts.insert(*found);
  if (!row(ErrorScript).empty())
    if (auto script = checkScriptName(context, {file, ErrorScript + 1}, row(ErrorScript)))
      context.refs.rootScripts.insert(*script);
  if (!row(EndButtonPicture).empty())
    for (const char* side : {"U-", "D-"})
      if (auto picture = checkPictureName(context, {file, EndButtonPicture + 1}, side + row(EndButtonPicture)))
        context.refs.rootPictures.insert(*picture);
  if (!row(WindowPicture).empty())
    if (auto picture = checkPictureName(context, {file, WindowPicture + 1}, row(WindowPicture)))
      context.refs.rootPictures.insert(*picture);
}

}  // namespace check
