// The display mode: how the viewer shows a run's text. Scripts name it with a
// text (modo=, setmode=, the start-up row); it is read here once, and the text
// comes back only where the player shows it (getvar=, dumps, the traces).
#pragma once
#include <string>
#include <string_view>

namespace model {

// "0" the typewriter page (MsgMd0), "1" the picture with the text strip under it
// (Msg), "2" the page of text and links (WebTxt), "3" text drawn into the picture
// (TelMod3, the list Memo3); any other text is a mode that shows nothing.
enum class DisplayMode { Typewriter, Strip, Page, Canvas, Other };

// A display mode as a script set it: one of the four, or another text kept as
// written (getvar= hands it back, the viewer looks for a page of that caption).
class DisplayModeSetting {
 public:
  DisplayModeSetting(DisplayMode mode = DisplayMode::Strip) : mode_(mode) {}
  static DisplayModeSetting parse(std::string_view text);

  DisplayMode mode() const { return mode_; }
  operator DisplayMode() const { return mode_; }
  std::string text() const;  // "0".."3", or the other text

 private:
  DisplayMode mode_;
  std::string otherText_;  // only for DisplayMode::Other
};

}  // namespace model
