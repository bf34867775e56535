// The mode-"2" page as plain text (the terminal, the transcript): page lines
// with each link followed by its number ("Abrir a porta [2]"), and the list of
// the page's links so that one can be followed by number.
#pragma once
#include <string>
#include <vector>

#include "base/text.h"

namespace view {

struct PageLink {
  std::string address;  // as written in the anchor, e.g. "Scp=sala&Prm=3"
  std::string text;     // the link text without tags
};

// The links of the page lines, in order.
std::vector<PageLink> pageLinks(const base::Lines& lines);

// One page line as text: "<br>" a line break, "&nbsp;" a blank, tags dropped,
// each link's text followed by " [n]", numbering from firstLink.
std::string pageLineText(const std::string& line, size_t firstLink);

}  // namespace view
