// A game page made ready for the page view. Game pages are written for old
// browsers (unquoted links, colours without "#"), and a page from a stranger may
// ask Qt's layout for work without end: tables nested deep or holding a grid of
// hundreds of thousands of cells. The page is measured as Qt itself parsed it,
// so no guess of how Qt nests broken markup can let such a page through.
#pragma once
#include <QString>
#include <string>

namespace ui {

// The most table cells a page may lay out, each cell counted twice for every
// table it sits in: a nested table is laid out again for each pass of the one
// holding it. About a third of a second of layout.
constexpr long kMaxPageLayoutCells = 16384;

// The page (Windows-1252 bytes) as the page view takes it: its nesting bounded,
// its attributes quoted, and, when Qt would still nest tables deeper than a few
// levels or lay out more cells than kMaxPageLayoutCells, its tables taken out
// (their text stays); as plain text when even that is too much.
QString pageViewHtml(const std::string& cp1252Html);

}  // namespace ui
