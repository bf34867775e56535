// The screen model: every control of the window as plain data. The engine changes
// it; the Qt window (ui/) shows it, the terminal prints from it, tests read it.
#pragma once
#include <string>

#include "base/text.h"

namespace view {

// A control with a place on screen, a font and a text.
struct Control {
  int x = 0, y = 0, width = 0, height = 0;
  bool visible = true;
  std::string text;
  std::string fontName = "Arial";
  int fontSize = 12;
  std::string fontColour = "FFFF00";   // RRGGBB
  std::string background = "000000";   // RRGGBB
  bool bold = false, italic = false, underline = false;
};

// The style scripts give their text (page text and text drawn on pictures).
struct TextStyle {
  std::string textFontName = "Arial";
  int textFontSize = 16;
  std::string textForeColour = "FFFF00";
  std::string textBackColour = "219439";
  std::string linkColour = "FFFF00";
  std::string visitedLinkColour = "FF8000";
  bool textBold = false, textItalic = false, textUnderline = false;
};

// Where the window is and how big its game area is (rows 0, 1, 11, 12 at exit).
struct WindowGeometry {
  int left = 0, top = 0, width = 900, height = 420;
};

// Pages of the outer notebook Abok0.
enum class OuterPage { Default = 0, Imagens = 1, Abertura = 2 };

struct ScreenModel {
  std::string Modelo = "1";  // display mode "0".."3"

  OuterPage outerPage = OuterPage::Abertura;
  std::string viewerPage = "1";  // caption of the Abok1 page on show

  // Controls of the game page (page 0 of Abok0). Geometry is in window pixels
  // for Abok1, Abok2, Input, btFim, lbFim; inside the viewer for its pages' controls.
  Control Abok1;     // the viewer; its page on show is viewerPage
  Control Abok2;     // the function panel holding TelCmd
  Control MsgMd0;    // mode "0": the typewriter page
  Control BarraTop;  // mode "0": the thin bar above MsgMd0
  Control PanTel;    // mode "1": the panel holding the picture Tela
  Control Msg;       // mode "1": the strip under the picture
  Control WebB;      // mode "2": the page view
  Control Sbox2;     // mode "3": the scroll box holding Tela3
  Control Sbc1;      // the map page's scroll box
  Control Input;     // the command box
  Control btFim;     // the end button (its picture name is btFim.text)
  Control lbFim;     // the end button's label
  base::Lines Memo3;  // mode "3": the accumulated quoted texts

  // Mode "2": the page being built and the closing tags its head opened.
  base::Lines WebTxt;
  std::string closingStyleTags;
  std::string pageShown;  // path of the page file the page view shows

  TextStyle style;
  int textX = 0, textY = 0;  // where msg= draws in mode "3"
  int typewriterDelay = 7;   // milliseconds per typed character
};

}  // namespace view
