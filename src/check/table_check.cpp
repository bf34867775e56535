// The definitions table: numbers, colours, switches, styles and the names of the
// files and scripts its rows give.
#include <array>

#include "base/number.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/value_checks.h"
#include "check/words.h"
#include "model/definitions_rows.h"

namespace check {
namespace {

struct Row {
  int row;
  const char* meaning;  // in English, marked for translation
};

using namespace model::row;

constexpr std::array<Row, 36> kNumberRows = {{
    {WindowLeft, QT_TRANSLATE_NOOP("Check", "window left")},
    {WindowTop, QT_TRANSLATE_NOOP("Check", "window top")},
    {RegisterCount, QT_TRANSLATE_NOOP("Check", "register count")},
    {GameWidth, QT_TRANSLATE_NOOP("Check", "game area width")},
    {GameHeight, QT_TRANSLATE_NOOP("Check", "game area height")},
    {MessageFontSize, QT_TRANSLATE_NOOP("Check", "message font size")},
    {ViewerLeft, QT_TRANSLATE_NOOP("Check", "viewer left")},
    {ViewerTop, QT_TRANSLATE_NOOP("Check", "viewer top")},
    {ViewerWidth, QT_TRANSLATE_NOOP("Check", "viewer width")},
    {ViewerHeight, QT_TRANSLATE_NOOP("Check", "viewer height")},
    {MsgLeft, QT_TRANSLATE_NOOP("Check", "message strip left")},
    {MsgTop, QT_TRANSLATE_NOOP("Check", "message strip top")},
    {MsgWidth, QT_TRANSLATE_NOOP("Check", "message strip width")},
    {MsgHeight, QT_TRANSLATE_NOOP("Check", "message strip height")},
    {MsgMd0FontSize, QT_TRANSLATE_NOOP("Check", "mode-0 font size")},
    {InputLeft, QT_TRANSLATE_NOOP("Check", "command box left")},
    {InputTop, QT_TRANSLATE_NOOP("Check", "command box top")},
    {InputWidth, QT_TRANSLATE_NOOP("Check", "command box width")},
    {InputHeight, QT_TRANSLATE_NOOP("Check", "command box height")},
    {InputFontSize, QT_TRANSLATE_NOOP("Check", "command box font size")},
    {PanelLeft, QT_TRANSLATE_NOOP("Check", "function panel left")},
    {PanelTop, QT_TRANSLATE_NOOP("Check", "function panel top")},
    {PanelWidth, QT_TRANSLATE_NOOP("Check", "function panel width")},
    {PanelHeight, QT_TRANSLATE_NOOP("Check", "function panel height")},
    {CanvasViewerWidth, QT_TRANSLATE_NOOP("Check", "mode-3 viewer width")},
    {CanvasViewerHeight, QT_TRANSLATE_NOOP("Check", "mode-3 viewer height")},
    {PageViewerWidth, QT_TRANSLATE_NOOP("Check", "mode-2 viewer width")},
    {PageViewerHeight, QT_TRANSLATE_NOOP("Check", "mode-2 viewer height")},
    {PictureWidth, QT_TRANSLATE_NOOP("Check", "picture width")},
    {PictureHeight, QT_TRANSLATE_NOOP("Check", "picture height")},
    {EndButtonLeft, QT_TRANSLATE_NOOP("Check", "end button left")},
    {EndButtonTop, QT_TRANSLATE_NOOP("Check", "end button top")},
    {EndLabelFontSize, QT_TRANSLATE_NOOP("Check", "end button label size")},
    {MapWidth, QT_TRANSLATE_NOOP("Check", "map page width")},
    {MapHeight, QT_TRANSLATE_NOOP("Check", "map page height")},
    {StartDisplayMode, QT_TRANSLATE_NOOP("Check", "display mode")},
}};
constexpr std::array<Row, 8> kColourRows = {{
    {PanelColour, QT_TRANSLATE_NOOP("Check", "background colour")},
    {TextColour, QT_TRANSLATE_NOOP("Check", "text colour")},
    {LinkColour, QT_TRANSLATE_NOOP("Check", "link colour")},
    {VisitedLinkColour, QT_TRANSLATE_NOOP("Check", "visited-link colour")},
    {MsgMd0FontColour, QT_TRANSLATE_NOOP("Check", "mode-0 text colour")},
    {InputColour, QT_TRANSLATE_NOOP("Check", "command box colour")},
    {InputFontColour, QT_TRANSLATE_NOOP("Check", "command box text colour")},
    {EndLabelFontColour, QT_TRANSLATE_NOOP("Check", "end button label colour")},
}};
constexpr std::array<Row, 8> kSwitchRows = {{
    {MsgShown, QT_TRANSLATE_NOOP("Check", "message strip shown")},
    {InputShown, QT_TRANSLATE_NOOP("Check", "command box shown")},
    {PanelShown, QT_TRANSLATE_NOOP("Check", "function panel shown")},
    {KeepRectangular, QT_TRANSLATE_NOOP("Check", "rectangular window")},
    {OnlineGame, QT_TRANSLATE_NOOP("Check", "on-line play")},
    {FullDownload, QT_TRANSLATE_NOOP("Check", "download everything")},
    {UpdatedDownload, QT_TRANSLATE_NOOP("Check", "download newer files")},
    {Multiplayer, QT_TRANSLATE_NOOP("Check", "multiplayer")},
}};
constexpr std::array<Row, 3> kStyleRows = {{
    {MsgMd0FontStyle, QT_TRANSLATE_NOOP("Check", "mode-0 font style")},
    {MessageFontStyle, QT_TRANSLATE_NOOP("Check", "message style")},
    {InputFontStyle, QT_TRANSLATE_NOOP("Check", "command box style")},
}};
// The display mode row, read apart for its values.
constexpr Row kDisplayModeRow = kNumberRows.back();
static_assert(kDisplayModeRow.row == StartDisplayMode);

}  // namespace

void checkTable(Context& context) {
  const auto& facts = context.facts;
  const auto& rows = facts.table;
  auto& findings = context.findings;
  const std::string& file = facts.tableFile;
  if (rows.empty()) return;  // the player uses its built-in rows
  auto row = [&](int n) -> std::string { return static_cast<size_t>(n) < rows.size() ? rows[static_cast<size_t>(n)] : ""; };
  // "row %1 (%2) ...": the row's number, its meaning and what it holds, then any more pieces.
  auto rowSays = [&](const QString& sentence, const Row& r, const auto&... more) {
    return say(sentence, r.row, Check::tr(r.meaning), row(r.row), more...);
  };
  for (const auto& r : kNumberRows)
    if (!base::readNumber(row(r.row)))
      findings.error(file, r.row + 1, rowSays(Check::tr("row %1 (%2) is not a number: \"%3\""), r));
  if (auto mode = row(StartDisplayMode); base::readNumber(mode) && (mode.size() != 1 || mode[0] < '0' || mode[0] > '3'))
    findings.error(file, StartDisplayMode + 1,
                   rowSays(Check::tr("row %1 (%2) is not a display mode (0, 1, 2 or 3): \"%3\""), kDisplayModeRow));
  for (const auto& r : kColourRows) {
    auto reading = readColourText(row(r.row));
    if (reading.kind == ColourReading::Unreadable)
      findings.error(file, r.row + 1,
                     rowSays(Check::tr("row %1 (%2) is not a colour (six hex digits RRGGBB): \"%3\""), r));
    else if (reading.kind == ColourReading::Readable)
      findings.warning(
          file, r.row + 1,
          rowSays(Check::tr("row %1 (%2) is not six hex digits RRGGBB: \"%3\" reads as %4"), r, reading.asRead));
  }
  for (const auto& r : kSwitchRows)
    if (!row(r.row).empty() && row(r.row) != "*")
      findings.warning(file, r.row + 1,
                       rowSays(Check::tr("row %1 (%2) is a switch, on only when it holds exactly *: \"%3\""), r));
  for (const auto& r : kStyleRows)
    if (row(r.row).size() > 3 || row(r.row).find_first_not_of("BbIiUu") != std::string::npos)
      findings.warning(file, r.row + 1,
                       rowSays(Check::tr("row %1 (%2) is not a style (three letters such as Biu): \"%3\""), r));
  if (row(GameName).empty()) findings.error(file, GameName + 1, say(Check::tr("row 4 (the game's name) is empty")));

  // Names the rows give.
  const std::string phrases = row(CommandsScript);
  if (phrases.empty())
    findings.error(file, CommandsScript + 1, say(Check::tr("row 17 (phrase file) is empty")));
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
