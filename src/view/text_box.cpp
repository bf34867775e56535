// The text box: entries laid out line by line with a line height of size + size/2.
#include "view/text_box.h"

#include <algorithm>

#include "base/text.h"
#include "model/game.h"
#include "graphics/canvas_text.h"
#include "view/canvas_style.h"
#include "view/colour.h"
#include "graphics/fonts.h"
#include "model/hot_spots.h"
#include "view/pictures.h"

namespace view {
namespace {

using Kind = TextBoxEntry::Kind;

const std::string kParagraph = "\xA7";  // "§" in Windows-1252

// Trimmed of blanks and control characters at both ends.
std::string trimmedText(const std::string& text) {
  size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return text.substr(first, last - first);
}

// The line breaks between the quoted texts of "$" part words as a blank does.
std::string breaksAsBlanks(std::string text) {
  for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.replace(at, 2, " ");
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// Takes the entries at the start of the rest: a link token, or the paragraph
// marks and the word (up to and including its blank) that follow them.
void takeEntries(std::string& rest, std::vector<TextBoxEntry>& entries, bool last) {
  if (!rest.empty() && rest[0] == '@' && rest.find('|') != std::string::npos) {
    const size_t bar = rest.find('|');
    TextBoxEntry link{Kind::Link, rest.substr(1, bar - 1), {}};
    const size_t end = rest.find('|', bar + 1);
    // Without its second "|" the link runs nothing and the text goes on as words.
    if (end != std::string::npos) link.script = rest.substr(bar + 1, end - bar - 1);
    rest.erase(0, end == std::string::npos ? bar + 1 : end + 1);
    entries.push_back(std::move(link));
    return;
  }
  while (base::startsWith(rest, kParagraph)) {
    entries.push_back({Kind::Paragraph, kParagraph, {}});
    rest.erase(0, kParagraph.size());
  }
  const size_t blank = rest.find(' ');
  if (blank == std::string::npos) {
    if (last && !rest.empty()) entries.push_back({Kind::Word, rest, {}});
    if (last) rest.clear();
    return;
  }
  entries.push_back({Kind::Word, rest.substr(0, blank + 1), {}});
  rest.erase(0, blank + 1);
}

// The surface a box on the target is drawn into.
QImage& drawingSurface(model::Game& game, graphics::SurfaceId target) {
  auto& surfaces = game.surfaces;
  switch (target) {
    case graphics::SurfaceId::Tela: return surfaces.BufTela;
    case graphics::SurfaceId::TelCmd: return surfaces.BufFunc;
    case graphics::SurfaceId::TelMod3: return telMod3(game);
    default: return surfaces.image(target);
  }
}

model::PointerSurface linkGroup(graphics::SurfaceId target) {
  switch (target) {
    case graphics::SurfaceId::Tela: return model::PointerSurface::Tela;
    case graphics::SurfaceId::TelCmd: return model::PointerSurface::TelCmd;
    case graphics::SurfaceId::Imp: return model::PointerSurface::Imp;
    default: return model::PointerSurface::Tela3;
  }
}

}  // namespace

std::vector<TextBoxEntry> splitTextBox(const std::string& text) {
  std::vector<TextBoxEntry> entries;
  std::string rest = text;
  while (rest.find(' ') != std::string::npos) takeEntries(rest, entries, false);
  // What is left holds no blank: the last entry, a link or a word like the others.
  while (!rest.empty()) takeEntries(rest, entries, true);
  if (entries.empty()) entries.push_back({Kind::Word, "", {}});
  return entries;
}

void drawTextBox(model::Game& game, TextBox box, graphics::SurfaceId target) {
  const model::TextStyle& style = game.screen.style;
  auto& screen = game.screen;
  if (box.text.empty()) box.text = "Sem texto.";
  const bool fromMemo3 = box.text == "$";
  if (fromMemo3) box.text = base::joinLines(screen.Memo3);
  box.text = breaksAsBlanks(trimmedText(box.text));

  const bool page3 = target == graphics::SurfaceId::TelMod3;
  QImage* surface = &drawingSurface(game, target);
  if (box.x == -1) box.x = screen.textX;
  if (box.y == -1) box.y = screen.textY;
  box.x = graphics::clampCoordinate(box.x);
  box.y = graphics::clampCoordinate(box.y);
  if (box.width == 0) box.width = surface->width() - box.x;
  if (box.height == 0) box.height = surface->height() - box.y;
  auto grow = [&](int64_t height) {
    setTelMod3Height(game, graphics::clampCoordinate(std::min<int64_t>(height, graphics::kMaxSurfaceSide)));
    surface = &telMod3(game);
  };
  if (page3 && surface->height() < int64_t(box.y) + box.height) grow(int64_t(box.y) + box.height);

  if (box.size == 0) box.size = style.textFontSize;
  graphics::Canvas canvas;
  const graphics::StyleFlags flags = graphics::styleFromLetters(box.style.empty() ? "biu" : box.style);
  canvas.fontName = style.textFontName;
  canvas.fontSize = box.size;
  canvas.fontColour = colourFromHex(box.colour.empty() ? style.textForeColour : box.colour);
  canvas.brush = colourFromHex(box.background == "0" || box.background.empty() ? style.textBackColour : box.background);
  canvas.bold = flags.bold, canvas.italic = flags.italic, canvas.underline = flags.underline;
  const uint32_t boxColour = canvas.fontColour;
  const uint32_t linkColour = colourFromHex(style.linkColour);
  const uint32_t underlineColour = colourFromHex(style.visitedLinkColour);
  const int lineHeight = box.size + box.size / 2;

  const auto entries = splitTextBox(box.text);
  // Front ends without pictures read the box (the quoted texts of "$" were read as they came).
  if (!fromMemo3) {
    std::string plain;
    for (const TextBoxEntry& entry : entries) plain += entry.kind == Kind::Paragraph ? "\r\n" : entry.text;
    game.textProduced(platform::TextSink::TextBox, plain);
  }
  int64_t dx = 0, dy = 0;
  for (const TextBoxEntry& entry : entries) {
    const std::string& shown = entry.text;
    const QSize size = graphics::canvasTextSize(canvas, shown);
    // A word that does not fit goes to the next line; one wider than the box
    // has a line of its own and overflows to the right.
    if (dx > 0 && dx + size.width() > box.width) dx = 0, dy += lineHeight;
    if (entry.kind == Kind::Paragraph && page3) {
      dy += lineHeight;
      dx = 0;
      if (box.y + dy + lineHeight > surface->height()) grow(int64_t(surface->height()) + lineHeight);
      continue;
    }
    const int left = graphics::clampCoordinate(box.x + dx), top = graphics::clampCoordinate(box.y + dy);
    if (entry.kind == Kind::Link) {
      model::HotSpot spot;
      spot.picture = entry.text;
      spot.action = model::parseHotSpotAction(entry.script);
      spot.x = left, spot.y = top, spot.width = size.width(), spot.height = size.height();
      spot.cursorCode = 1;
      game.hotSpots.add(linkGroup(target), std::move(spot));
      canvas.fontColour = linkColour;
    }
    if (page3 && box.y + dy + lineHeight > surface->height())
      grow(int64_t(surface->height()) + lineHeight + 10);
    graphics::drawCanvasText(*surface, canvas, left, top, shown, false);
    // The underline goes where the text went (the buffer), so the end of the run keeps it.
    if (entry.kind == Kind::Link)
      graphics::fillSurface(*surface, QRect(left, graphics::clampCoordinate(top + lineHeight), size.width(), 1), underlineColour);
    canvas.fontColour = boxColour;
    dx += size.width();
  }
  screen.textY = graphics::clampCoordinate(box.y + dy + lineHeight);
  game.host.repaint();
}

}  // namespace view
