// The screen model: every control of the window as plain data. The engine changes
// it; the Qt window (ui/) shows it, the terminal prints from it, tests read it.
// Positions are in pixels relative to the control's parent: the game page for
// Imp, Abok1, Abok2, Input, btFim and lbFim; the viewer page for the controls of
// a viewer page (PanTel, Msg, MsgMd0, BarraTop, WebB, Sbox2, Sbc1); PanTel for
// Tela. A control's colours are values, read from the script's text when it set them.
#pragma once
#include <QRect>
#include <atomic>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "graphics/colour.h"
#include "model/display_mode.h"
#include "model/viewer_page.h"

namespace model {

// The text of a control. Scripts add to the end of a memo far more often than
// they change what it shows, and a window that has shown part of it needs to
// know only whether that part is still there: every change other than an
// addition at the end gives the text a new edition, unique in the program.
class ControlText {
 public:
  ControlText() = default;
  ControlText(std::string text) : text_(std::move(text)) {}
  ControlText(const char* text) : text_(text) {}
  // A copy is a text of its own: the window cannot take it for additions to
  // the original (a snapshot put back is shown afresh). A move keeps the edition.
  ControlText(const ControlText& other) : text_(other.text_) {}
  ControlText& operator=(const ControlText& other) { return *this = other.text_; }
  ControlText(ControlText&&) = default;
  ControlText& operator=(ControlText&&) = default;
  ControlText& operator=(std::string text) {
    text_ = std::move(text);
    edition_ = nextEdition();
    return *this;
  }
  ControlText& operator=(const char* text) { return *this = std::string(text); }
  ControlText& operator+=(std::string_view more) {
    text_.append(more);
    return *this;
  }
  ControlText& operator+=(char c) {
    text_ += c;
    return *this;
  }
  void clear() { *this = std::string(); }

  const std::string& str() const { return text_; }
  operator const std::string&() const { return text_; }
  operator std::string_view() const { return text_; }
  bool empty() const { return text_.empty(); }
  size_t size() const { return text_.size(); }
  uint64_t edition() const { return edition_; }

  friend bool operator==(const ControlText& a, std::string_view b) { return a.text_ == b; }
  friend std::ostream& operator<<(std::ostream& out, const ControlText& t) { return out << t.text_; }

 private:
  static uint64_t nextEdition() {
    static std::atomic<uint64_t> last{0};
    return ++last;
  }
  std::string text_;
  uint64_t edition_ = nextEdition();
};

// Lines a run adds to (the page being built, Memo3), with their total length
// kept so a limit is checked without adding them up again.
class TextLines {
 public:
  TextLines() = default;
  TextLines(std::initializer_list<std::string> lines) { *this = base::Lines(lines); }
  TextLines& operator=(base::Lines lines) {
    lines_ = std::move(lines);
    bytes_ = 0;
    for (const auto& line : lines_) bytes_ += line.size();
    return *this;
  }
  TextLines& operator=(std::initializer_list<std::string> lines) { return *this = base::Lines(lines); }
  void push_back(std::string line) {
    bytes_ += line.size();
    lines_.push_back(std::move(line));
  }
  void clear() {
    lines_.clear();
    bytes_ = 0;
  }

  const base::Lines& lines() const { return lines_; }
  operator const base::Lines&() const { return lines_; }
  size_t bytes() const { return bytes_; }  // the sum of the lines' lengths
  bool empty() const { return lines_.empty(); }
  size_t size() const { return lines_.size(); }
  const std::string& operator[](size_t i) const { return lines_[i]; }
  const std::string& at(size_t i) const { return lines_.at(i); }
  const std::string& back() const { return lines_.back(); }
  base::Lines::const_iterator begin() const { return lines_.begin(); }
  base::Lines::const_iterator end() const { return lines_.end(); }

  friend bool operator==(const TextLines& a, const base::Lines& b) { return a.lines_ == b; }

 private:
  base::Lines lines_;
  size_t bytes_ = 0;
};

// A control with a place on screen, a font and a text.
struct Control {
  int x = 0, y = 0, width = 0, height = 0;
  bool visible = true;
  ControlText text;                    // memo, edit box or label text (Windows-1252)
  std::string fontName = "Arial";
  int fontSize = 12;                   // points at 96 DPI
  graphics::Colour fontColour{0xFFFF00};
  graphics::Colour background{0x219439};
  bool bold = false, italic = false, underline = false;
};

// A control at a place with a size, the rest as a new control has it.
inline Control placedAt(int x, int y, int width, int height) {
  Control control;
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  return control;
}

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

// Where the window is and how big its game area Abok0 is; the window's client
// area and the skin Imp take the game area's size (rows 0, 1, 11, 12 at exit).
struct WindowGeometry {
  int left = 0, top = 0, width = 900, height = 420;
};

// Pages of the outer notebook Abok0.
enum class OuterPage { Default = 0, Imagens = 1, Abertura = 2 };

// What holds the keyboard focus.
enum class Focus { Window, Input, WebB, MsgMd0, Sbox2 };
// Which of the two panels that may overlap is drawn on top.
enum class FrontPanel { Viewer, FunctionPanel };

// Where Tela3 (the visible copy of TelMod3) sits inside the scroll box Sbox2.
constexpr int kTela3Left = 5, kTela3Top = 5;


struct ScreenModel {
  DisplayModeSetting Modelo = DisplayMode::Strip;
  bool isTypewriterMode() const { return Modelo == DisplayMode::Typewriter; }
  bool isStripMode() const { return Modelo == DisplayMode::Strip; }
  bool isPageMode() const { return Modelo == DisplayMode::Page; }
  bool isCanvasMode() const { return Modelo == DisplayMode::Canvas; }

  OuterPage outerPage = OuterPage::Abertura;
  ViewerPageSetting viewerPage = ViewerPage::Strip;  // the Abok1 page on show

  // The window: when windowShaped, only the union of windowShape (rectangles in
  // window pixels, one row high, from the non-magenta pixels of the skin Imp)
  // is part of the window; otherwise the window is a plain rectangle.
  bool windowShaped = false;
  std::vector<QRect> windowShape;
  int windowRaises = 0;  // grows each time the window is brought to the front

  Control Imp = placedAt(0, 0, 900, 420);  // the window skin, stretched over the game area

  // The viewer Abok1 and its pages.
  Control Abok1 = placedAt(10, 10, 670, 365);
  Control MsgMd0 = placedAt(5, 5, 660, 355);     // page "0": the typewriter page
  Control BarraTop = placedAt(5, 0, 0, 20);      // page "0": the thin bar above MsgMd0 (width 0: not seen)
  Control PanTel = placedAt(0, 0, 670, 280);     // page "1": the panel holding the picture Tela
  Control Tela = placedAt(0, 0, 670, 280);       // page "1": the picture (surfaces.Tela), stretched to this place
  Control Msg = placedAt(0, 285, 670, 80);       // page "1": the strip under the picture
  Control WebB = placedAt(-2, -2, 690, 404);     // page "2": the page view
  Control Sbox2 = placedAt(0, 0, 670, 400);      // page "3": the scroll box showing Tela3
  Control Sbc1 = placedAt(0, 0, 670, 400);       // page "Mapa": the map's scroll box

  Control Abok2 = placedAt(709, 45, 180, 300);   // the function panel; TelCmd fills it
  Control Input = placedAt(10, 380, 670, 30);    // the command box
  Control btFim = placedAt(702, 380, 0, 0);      // the end button: its size is its picture's, its text
                                                 // the name of its pictures ("U-"/"D-" + name)
  Control lbFim = placedAt(704, 383, 0, 0);      // the end button's label (text = caption)

  Focus focus = Focus::Window;
  FrontPanel front = FrontPanel::Viewer;

  TextLines Memo3;  // mode "3": the accumulated quoted texts

  // Mode "2": the page being built and the closing tags its head opened.
  TextLines WebTxt;
  std::string closingStyleTags;
  // What the page view shows: the page file at pageShown, or, when pageShown is
  // empty, the HTML text pageHtml (the blank page, a page loaded without a file).
  std::string pageShown;
  std::string pageHtml;

  TextStyle style;
  int textX = 0, textY = 0;  // where msg= draws in mode "3"
  int typewriterDelay = 7;   // milliseconds per typed character
  // A key or click arrived while the input's run was writing: the typewriter
  // shows the rest of its text at once until the next input is handled.
  bool typewriterSkipped = false;

  // Pictures: the head-up picture laid over BufTela at the end of every run
  // while hudOn; the script a click anywhere on Tela runs; Tela's cursor
  // (0 the arrow, 1 the forward arrow).
  bool hudOn = false;
  int hudX = 0, hudY = 0;
  std::string pictureLinkScript;
  int telaCursor = 0;
};

}  // namespace model
