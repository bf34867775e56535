// The definitions table's rows: one line of the table below for each, with its
// position (rows have no names in the file: their meaning is their place,
// 0-based), its name, its kind, its text in the built-in table (rows 0-100;
// the later ones exist only when a game's table has them) and what it holds.
// The row names (row::ViewerWidth ...), the built-in table and the debug
// console's descriptions all come from this one table.
//
// Carried rows are kept and written back as they stand, never read by the player.
#pragma once
#include <cstddef>
#include <span>

namespace model {

enum class RowKind { Number, Text, Colour, Switch, Carried };

// ROW(index, name, kind, built-in text, meaning)
#define MIRANDEL_DEFINITIONS_ROWS(ROW) \
  ROW(0, WindowLeft, Number, "750", "window left position; written at exit") \
  ROW(1, WindowTop, Number, "122", "window top position; written at exit") \
  ROW(2, Carried2, Carried, "750", "kept and written back as it stands") \
  ROW(3, Carried3, Carried, "551", "kept and written back as it stands") \
  ROW(4, GameName, Text, "mirandel", "gameName; written at exit") \
  ROW(5, RegisterCount, Number, "250", "registerCount; written at exit") \
  ROW(6, IniScp, Text, "start", "the initial script; written at exit") \
  ROW(7, CurrentScript, Text, "posic1", "the script of the last run; written at exit") \
  ROW(8, RetScp, Text, "posic1", "the return script; written at exit") \
  ROW(9, Objeto, Text, "chave", "the current object; written at exit") \
  ROW(10, Posic, Text, "posic1", "the location; written at exit") \
  ROW(11, GameWidth, Number, "900", "width of the game area Abok0 and the window; written at exit") \
  ROW(12, GameHeight, Number, "420", "height of the game area and the window; written at exit") \
  ROW(13, Carried13, Carried, "aber.bmp", "kept and written back as it stands") \
  ROW(14, WindowPicture, Text, "", "the window background picture in use") \
  ROW(15, MessageFontName, Text, "Arial", "message font (Msg, picture panel text, mode-\"3\" text)") \
  ROW(16, MessageFontSize, Number, "16", "message font size") \
  ROW(17, CommandsScript, Text, "comandos", "the command phrase file (\".scx\" added)") \
  ROW(18, PanelColour, Colour, "219439", "background colour of every panel") \
  ROW(19, TextColour, Colour, "FFFF00", "text colour") \
  ROW(20, LinkColour, Colour, "FFFF00", "link colour of the page") \
  ROW(21, VisitedLinkColour, Colour, "FF8000", "visited-link colour of the page") \
  ROW(22, ViewerLeft, Number, "10", "viewer Abok1 left") \
  ROW(23, ViewerTop, Number, "10", "viewer top") \
  ROW(24, ViewerWidth, Number, "670", "viewer width in modes \"0\" and \"1\"") \
  ROW(25, ViewerHeight, Number, "365", "viewer height in modes \"0\" and \"1\"") \
  ROW(26, StartDisplayMode, Number, "1", "display mode while the game screen is laid out at game start") \
  ROW(27, MsgLeft, Number, "0", "message strip Msg left (mode \"1\")") \
  ROW(28, MsgTop, Number, "285", "Msg top") \
  ROW(29, MsgWidth, Number, "670", "Msg width") \
  ROW(30, MsgHeight, Number, "80", "Msg height") \
  ROW(31, Carried31, Carried, "219439", "kept and written back as it stands") \
  ROW(32, MsgMd0FontName, Text, "Arial", "typewriter page MsgMd0 font (mode \"0\")") \
  ROW(33, MsgMd0FontSize, Number, "16", "MsgMd0 font size") \
  ROW(34, MsgMd0FontColour, Colour, "FFFF00", "MsgMd0 font colour") \
  ROW(35, MsgShown, Switch, "*", "switch: Msg shown in mode \"1\"") \
  ROW(36, InputLeft, Number, "10", "command box Input left") \
  ROW(37, InputTop, Number, "380", "Input top") \
  ROW(38, InputWidth, Number, "670", "Input width") \
  ROW(39, InputHeight, Number, "30", "Input height") \
  ROW(40, InputColour, Colour, "1D8131", "Input background colour") \
  ROW(41, InputFontName, Text, "Courier New", "Input font") \
  ROW(42, InputFontSize, Number, "16", "Input font size") \
  ROW(43, InputFontColour, Colour, "FFFF00", "Input font colour") \
  ROW(44, InputShown, Switch, "*", "switch: Input shown in modes \"0\" and \"1\"") \
  ROW(45, PanelLeft, Number, "709", "function panel Abok2 left") \
  ROW(46, PanelTop, Number, "45", "function panel top") \
  ROW(47, PanelWidth, Number, "180", "function panel width") \
  ROW(48, PanelHeight, Number, "300", "function panel height") \
  ROW(49, CanvasViewerWidth, Number, "670", "viewer width in mode \"3\"") \
  ROW(50, CanvasViewerHeight, Number, "400", "viewer height in mode \"3\"") \
  ROW(51, PageViewerWidth, Number, "670", "viewer width in mode \"2\"") \
  ROW(52, PageViewerHeight, Number, "400", "viewer height in mode \"2\"") \
  ROW(53, PanelShown, Switch, "*", "switch: function panel shown") \
  ROW(54, Carried54, Carried, "830", "kept and written back as it stands") \
  ROW(55, Carried55, Carried, "380", "kept and written back as it stands") \
  ROW(56, Carried56, Carried, "bot1.bmp", "kept and written back as it stands") \
  ROW(57, MsgMd0FontStyle, Text, "biu", "MsgMd0 font style (three letters BIU)") \
  ROW(58, PictureWidth, Number, "670", "picture panel PanTel / Tela width") \
  ROW(59, PictureHeight, Number, "280", "picture panel height") \
  ROW(60, Carried60, Carried, "Arial", "kept and written back as it stands") \
  ROW(61, Carried61, Carried, "12", "kept and written back as it stands") \
  ROW(62, Carried62, Carried, "D0D0D0", "kept and written back as it stands") \
  ROW(63, Carried63, Carried, "[ ]", "kept and written back as it stands") \
  ROW(64, EndButtonLeft, Number, "702", "end button btFim left") \
  ROW(65, EndButtonTop, Number, "380", "end button top") \
  ROW(66, EndButtonPicture, Text, "bot1.bmp", "end button picture (\"U-\" and \"D-\" + name)") \
  ROW(67, MessageFontStyle, Text, "biu", "style of Msg and of text drawn on the picture panel") \
  ROW(68, InputFontStyle, Text, "Biu", "Input font style") \
  ROW(69, EndLabelFontName, Text, "Arial", "end-button label lbFim font") \
  ROW(70, EndLabelFontSize, Number, "12", "lbFim font size") \
  ROW(71, EndLabelFontColour, Colour, "FFFF00", "lbFim font colour") \
  ROW(72, EndLabelCaption, Text, "Encerrar", "lbFim caption") \
  ROW(73, NotUnderstood, Text, "Perd\xE3o, n\xE3o entendi.", "reply to a phrase that matches no command") \
  ROW(74, SuggestionsHeading, Text, "N\xE3o entendi mas conhe\xE7o algumas a\xE7\xF5" "es que podem servir.", "heading of the suggestion list") \
  ROW(75, ErrorScript, Text, "errocmd", "script run in mode \"2\" for a phrase that matches no command") \
  ROW(76, F1Command, Text, "INSTRU\xC7\xD5" "ES", "command entered by key F1") \
  ROW(77, F2Command, Text, "MEUS OBJETOS", "command entered by key F2") \
  ROW(78, F4Command, Text, "EXAMINE O LOCAL", "command entered by key F4") \
  ROW(79, CountMarker79, Text, "- 79 -", "counting marker") \
  ROW(80, Article80, Carried, "A", "an article or preposition (rows 80-88)") \
  ROW(81, Article81, Carried, "O", "an article or preposition (rows 80-88)") \
  ROW(82, Article82, Carried, "UM", "an article or preposition (rows 80-88)") \
  ROW(83, Article83, Carried, "UMA", "an article or preposition (rows 80-88)") \
  ROW(84, Article84, Carried, "PRO", "an article or preposition (rows 80-88)") \
  ROW(85, Article85, Carried, "PRA", "an article or preposition (rows 80-88)") \
  ROW(86, Article86, Carried, "PARA", "an article or preposition (rows 80-88)") \
  ROW(87, Article87, Carried, "NO", "an article or preposition (rows 80-88)") \
  ROW(88, Article88, Carried, "NA", "an article or preposition (rows 80-88)") \
  ROW(89, Carried89, Carried, "", "kept and written back as it stands") \
  ROW(90, Carried90, Carried, "", "kept and written back as it stands") \
  ROW(91, Carried91, Carried, "", "kept and written back as it stands") \
  ROW(92, Carried92, Carried, "", "kept and written back as it stands") \
  ROW(93, KeepRectangular, Switch, "", "switch: the window stays rectangular at game start") \
  ROW(94, Carried94, Carried, "", "kept and written back as it stands") \
  ROW(95, Carried95, Carried, "", "kept and written back as it stands") \
  ROW(96, MapWidth, Number, "670", "map page Sbc1 width") \
  ROW(97, MapHeight, Number, "400", "map page height; the viewer height while the map shows") \
  ROW(98, Carried98, Carried, "", "kept and written back as it stands") \
  ROW(99, CountMarker99, Text, "- 99 -", "counting marker") \
  ROW(100, EndMarker, Text, "---", "end marker of the built-in rows") \
  ROW(101, Carried101, Carried, nullptr, "kept and written back as it stands") \
  ROW(102, Carried102, Carried, nullptr, "kept and written back as it stands") \
  ROW(103, OnlineGame, Switch, nullptr, "switch \"Jogo online\": content files looked up on the server") \
  ROW(104, FullDownload, Switch, nullptr, "switch \"Download completo\": every newer file at start-up") \
  ROW(105, UpdatedDownload, Switch, nullptr, "switch \"Download atualizado\": a newer copy on each request") \
  ROW(106, Multiplayer, Switch, nullptr, "switch \"Multiplayer\": stored and shown only")

namespace row {
#define MIRANDEL_ROW_NAME(index, name, kind, builtIn, meaning) constexpr int name = index;
MIRANDEL_DEFINITIONS_ROWS(MIRANDEL_ROW_NAME)
#undef MIRANDEL_ROW_NAME
}  // namespace row

struct DefinitionsRow {
  int index;
  const char* name;
  RowKind kind;
  const char* builtIn;  // null: not in the built-in table
  const char* meaning;
};

// Every row, in order of position.
std::span<const DefinitionsRow> definitionsRows();
// The row at a position, or null past the last one.
const DefinitionsRow* definitionsRow(int index);
const char* rowKindName(RowKind kind);  // "number", "text", "colour", "switch", "carried"

}  // namespace model
