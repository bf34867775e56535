// The page of display mode "2": built line by line in WebTxt during a run, written
// to tmp.htm in the player's folder at the end of the run and shown by the page
// view. Its links ("Scp=" addresses) run scripts; other links may show pages of
// the game folder instead (view/links.h).
#pragma once
#include <filesystem>
#include <string>

namespace model { struct Game; }

namespace view {

// The most text (Windows-1252 bytes) the page or a memo of the window may hold:
// the window could not lay out much more, and the model stays bounded.
constexpr size_t kMaxShownText = size_t(4) << 20;
// A ScriptError, naming what is full, when `adding` more bytes would take a text
// of `current` bytes past kMaxShownText.
void checkRoomForText(size_t current, size_t adding, const std::string& what);
// Adds a line to the page being built (WebTxt), within kMaxShownText.
void addPageLine(model::Game& game, std::string line);

// Empties WebTxt and writes the page head from the current text style.
void beginPage(model::Game& game);
// Closes the page, saves it as tmp.htm and shows it (nothing when WebTxt has no line).
void finishPage(model::Game& game);

// The font size of page text in CSS pixels: size + size/2.
int pagePixelSize(int fontSize);

// The page view shows the page file (tmp.htm, or a page of the game folder).
void showPageFile(model::Game& game, const std::filesystem::path& file);
// The page view shows an HTML text without a file.
void loadPageText(model::Game& game, const std::string& html);
// The page view shows the one-line blank page in the background colour (RRGGBB).
void showBlankPage(model::Game& game, const std::string& colour);
// The page view takes the keyboard focus.
void focusPage(model::Game& game);

}  // namespace view
