// The definitions table: numbers, colours, switches, styles and the names of the
// files and scripts its rows give.
#include <array>

#include "base/number.h"
#include "check/game_checks.h"
#include "check/name_checks.h"
#include "check/value_checks.h"

namespace check {
namespace {

struct Row {
  int row;
  const char* meaning;
};

constexpr std::array<Row, 36> kNumberRows = {{
    {0, "window left"}, {1, "window top"}, {5, "register count"}, {11, "game area width"},
    {12, "game area height"}, {16, "message font size"}, {22, "viewer left"}, {23, "viewer top"},
    {24, "viewer width"}, {25, "viewer height"}, {27, "message strip left"}, {28, "message strip top"},
    {29, "message strip width"}, {30, "message strip height"}, {33, "mode-0 font size"},
    {36, "command box left"}, {37, "command box top"}, {38, "command box width"}, {39, "command box height"},
    {42, "command box font size"}, {45, "function panel left"}, {46, "function panel top"},
    {47, "function panel width"}, {48, "function panel height"}, {49, "mode-3 viewer width"},
    {50, "mode-3 viewer height"}, {51, "mode-2 viewer width"}, {52, "mode-2 viewer height"},
    {58, "picture width"}, {59, "picture height"}, {64, "end button left"}, {65, "end button top"},
    {70, "end button label size"}, {96, "map page width"}, {97, "map page height"}, {26, "display mode"},
}};
constexpr std::array<Row, 8> kColourRows = {{
    {18, "background colour"}, {19, "text colour"}, {20, "link colour"}, {21, "visited-link colour"},
    {34, "mode-0 text colour"}, {40, "command box colour"}, {43, "command box text colour"},
    {71, "end button label colour"},
}};
constexpr std::array<Row, 8> kSwitchRows = {{
    {35, "message strip shown"}, {44, "command box shown"}, {53, "function panel shown"},
    {93, "rectangular window"}, {103, "on-line play"}, {104, "download everything"},
    {105, "download newer files"}, {106, "multiplayer"},
}};
constexpr std::array<Row, 3> kStyleRows = {{{57, "mode-0 font style"}, {67, "message style"}, {68, "command box style"}}};

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
  if (auto mode = row(26); base::readNumber(mode) && (mode.size() != 1 || mode[0] < '0' || mode[0] > '3'))
    findings.error(file, 27, "row 26 (display mode) is not a display mode (0, 1, 2 or 3): \"" + mode + "\"");
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
  if (row(4).empty()) findings.error(file, 5, "row 4 (the game's name) is empty");

  // Names the rows give.
  if (auto phrases = checkPhraseFileName(context, {file, 18}, row(17))) context.refs.rootScripts.insert(*phrases);
  else if (row(17).empty()) findings.error(file, 18, "row 17 (phrase file) is empty");
  if (!row(75).empty())
    if (auto script = checkScriptName(context, {file, 76}, row(75))) context.refs.rootScripts.insert(*script);
  if (!row(66).empty())
    for (const char* side : {"U-", "D-"})
      if (auto picture = checkPictureName(context, {file, 67}, side + row(66))) context.refs.rootPictures.insert(*picture);
  if (!row(14).empty())
    if (auto picture = checkPictureName(context, {file, 15}, row(14))) context.refs.rootPictures.insert(*picture);
}

}  // namespace check
