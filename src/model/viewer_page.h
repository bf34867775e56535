// The page of the viewer Abok1 on show. Its caption is the display mode's text
// ("0".."3"), or "Mapa", "Down", "Pix"; a mode of another text names a page the
// viewer does not have, and the viewer keeps the page it shows. The caption is
// read here once and comes back only in the dumps.
#pragma once
#include <string>
#include <string_view>

#include "model/display_mode.h"

namespace model {

// "0" MsgMd0, "1" the picture and the strip, "2" the page view, "3" Sbox2,
// "Mapa" the map's scroll box Sbc1, "Down" the download page, "Pix" the page
// a whole picture is shown on; Other: any other caption.
enum class ViewerPage { Typewriter, Strip, Page, Canvas, Map, Down, Pix, Other };

// A viewer page as it was named: one of the pages, or another caption kept as
// written (the dumps show it).
class ViewerPageSetting {
 public:
  ViewerPageSetting(ViewerPage page = ViewerPage::Strip) : page_(page) {}
  static ViewerPageSetting parse(std::string_view caption);
  // The page a display mode shows: the page of the mode's text as caption.
  static ViewerPageSetting of(const DisplayModeSetting& mode) { return parse(mode.text()); }

  ViewerPage page() const { return page_; }
  operator ViewerPage() const { return page_; }
  std::string text() const;  // the caption

 private:
  ViewerPage page_;
  std::string otherText_;  // only for ViewerPage::Other
};

}  // namespace model
