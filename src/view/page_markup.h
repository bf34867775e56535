// Page markup made safe for the page view before it gets it. Game pages nest a
// few levels; a page nested thousands deep costs the page view time that grows
// with the square of the depth (and its stack), and each level of nested
// tables doubles the cost of laying the page out. A picture asked for millions
// of pixels a side keeps the layout busy for ever.
#pragma once
#include <string>
#include <string_view>

namespace view {

constexpr int kMaxMarkupDepth = 200;
constexpr int kMaxTableDepth = 4;
// The largest width or height a page picture may ask for, in pixels: the largest
// picture surface.
constexpr int kMaxPagePictureSide = 16384;

// The page with every start tag that would open an element deeper than
// kMaxMarkupDepth (a table deeper than kMaxTableDepth) left out, and as many end
// tags of the same names with them; end tags that close no open element are left
// out too. Picture sizes past kMaxPagePictureSide are brought down to it. Text,
// and markup that does not nest, stay as they are. One pass over the page.
std::string boundMarkupNesting(std::string_view html);

}  // namespace view
