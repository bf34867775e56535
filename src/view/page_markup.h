// Bounding how deep a page's markup nests before the page view gets it. Game
// pages nest a few levels; a page nested thousands deep costs the page view
// time that grows with the square of the depth.
#pragma once
#include <string>
#include <string_view>

namespace view {

constexpr int kMaxMarkupDepth = 200;

// The page with every start tag that would open an element deeper than
// kMaxMarkupDepth left out, and as many end tags of the same names with them;
// text, and markup that does not nest, stay as they are. One pass over the page.
std::string boundMarkupNesting(std::string_view html);

}  // namespace view
