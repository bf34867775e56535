// The rows of the definitions table by name. Rows have no names in the file:
// their meaning is their position (0-based). Each name says what the row holds;
// the built-in defaults are in defs.cpp.
//
// Rows 2, 3, 13, 31, 54-56, 60-63, 89-92, 94, 95, 98, 101 and 102 are carried:
// kept and written back as they stand, never read by the player.
#pragma once

namespace model::row {

constexpr int WindowLeft = 0;          // window left position; written at exit
constexpr int WindowTop = 1;           // window top position; written at exit
constexpr int GameName = 4;            // gameName; written at exit
constexpr int RegisterCount = 5;       // registerCount; written at exit
constexpr int IniScp = 6;              // the initial script; written at exit
constexpr int CurrentScript = 7;       // the script of the last run; written at exit
constexpr int RetScp = 8;              // the return script; written at exit
constexpr int Objeto = 9;              // the current object; written at exit
constexpr int Posic = 10;              // the location; written at exit
constexpr int GameWidth = 11;          // width of the game area Abok0 and the window; written at exit
constexpr int GameHeight = 12;         // height of the game area and the window; written at exit
constexpr int WindowPicture = 14;      // the window background picture in use
constexpr int MessageFontName = 15;    // message font (Msg, picture panel text, mode-"3" text)
constexpr int MessageFontSize = 16;    // message font size
constexpr int CommandsScript = 17;     // the command phrase file (".scx" added)
constexpr int PanelColour = 18;        // background colour of every panel
constexpr int TextColour = 19;         // text colour
constexpr int LinkColour = 20;         // link colour of the page
constexpr int VisitedLinkColour = 21;  // visited-link colour of the page
constexpr int ViewerLeft = 22;         // viewer Abok1 left
constexpr int ViewerTop = 23;          // viewer top
constexpr int ViewerWidth = 24;        // viewer width in modes "0" and "1"
constexpr int ViewerHeight = 25;       // viewer height in modes "0" and "1"
constexpr int StartDisplayMode = 26;   // display mode while the game screen is laid out at game start
constexpr int MsgLeft = 27;            // message strip Msg left (mode "1")
constexpr int MsgTop = 28;             // Msg top
constexpr int MsgWidth = 29;           // Msg width
constexpr int MsgHeight = 30;          // Msg height
constexpr int MsgMd0FontName = 32;     // typewriter page MsgMd0 font (mode "0")
constexpr int MsgMd0FontSize = 33;     // MsgMd0 font size
constexpr int MsgMd0FontColour = 34;   // MsgMd0 font colour
constexpr int MsgShown = 35;           // switch: Msg shown in mode "1"
constexpr int InputLeft = 36;          // command box Input left
constexpr int InputTop = 37;           // Input top
constexpr int InputWidth = 38;         // Input width
constexpr int InputHeight = 39;        // Input height
constexpr int InputColour = 40;        // Input background colour
constexpr int InputFontName = 41;      // Input font
constexpr int InputFontSize = 42;      // Input font size
constexpr int InputFontColour = 43;    // Input font colour
constexpr int InputShown = 44;         // switch: Input shown in modes "0" and "1"
constexpr int PanelLeft = 45;          // function panel Abok2 left
constexpr int PanelTop = 46;           // function panel top
constexpr int PanelWidth = 47;         // function panel width
constexpr int PanelHeight = 48;        // function panel height
constexpr int CanvasViewerWidth = 49;  // viewer width in mode "3"
constexpr int CanvasViewerHeight = 50; // viewer height in mode "3"
constexpr int PageViewerWidth = 51;    // viewer width in mode "2"
constexpr int PageViewerHeight = 52;   // viewer height in mode "2"
constexpr int PanelShown = 53;         // switch: function panel shown
constexpr int MsgMd0FontStyle = 57;    // MsgMd0 font style (three letters BIU)
constexpr int PictureWidth = 58;       // picture panel PanTel / Tela width
constexpr int PictureHeight = 59;      // picture panel height
constexpr int EndButtonLeft = 64;      // end button btFim left
constexpr int EndButtonTop = 65;       // end button top
constexpr int EndButtonPicture = 66;   // end button picture ("U-" and "D-" + name)
constexpr int MessageFontStyle = 67;   // style of Msg and of text drawn on the picture panel
constexpr int InputFontStyle = 68;     // Input font style
constexpr int EndLabelFontName = 69;   // end-button label lbFim font
constexpr int EndLabelFontSize = 70;   // lbFim font size
constexpr int EndLabelFontColour = 71; // lbFim font colour
constexpr int EndLabelCaption = 72;    // lbFim caption
constexpr int NotUnderstood = 73;      // reply to a phrase that matches no command
constexpr int SuggestionsHeading = 74; // heading of the suggestion list
constexpr int ErrorScript = 75;        // script run in mode "2" for a phrase that matches no command
constexpr int F1Command = 76;          // command entered by key F1
constexpr int F2Command = 77;          // command entered by key F2
constexpr int F4Command = 78;          // command entered by key F4
constexpr int CountMarker79 = 79;      // counting marker
constexpr int FirstArticle = 80;       // rows 80-88: articles and prepositions, carried
constexpr int LastArticle = 88;
constexpr int KeepRectangular = 93;    // switch: the window stays rectangular at game start
constexpr int MapWidth = 96;           // map page Sbc1 width
constexpr int MapHeight = 97;          // map page height; the viewer height while the map shows
constexpr int CountMarker99 = 99;      // counting marker
constexpr int EndMarker = 100;         // end marker of the built-in rows
constexpr int OnlineGame = 103;        // switch "Jogo online": content files looked up on the server
constexpr int FullDownload = 104;      // switch "Download completo": every newer file at start-up
constexpr int UpdatedDownload = 105;   // switch "Download atualizado": a newer copy on each request
constexpr int Multiplayer = 106;       // switch "Multiplayer": stored and shown only

}  // namespace model::row
