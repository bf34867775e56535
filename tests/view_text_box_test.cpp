// Text boxes: wrapping at the box width, paragraph marks, link tokens with their
// colour, underline and hot spot, the text position after a box, the growing
// mode-"3" page, and btxt= with its defaults and "$".
#include <gtest/gtest.h>

#include "shell/player_input.h"
#include "shell/pointer_input.h"
#include "support/test_game.h"
#include "graphics/canvas_text.h"
#include "view/canvas_style.h"
#include "view/display_mode.h"
#include "view/layout.h"
#include "view/text_box.h"

using namespace testing_support;

namespace {

struct TextBoxTest : ::testing::Test {
  TextBoxTest() {
    view::applyStartLayout(*t.game);
    t.script("alvo", "setpos= alvo");
  }
  void runIn(const std::string& mode, const std::string& lines) {
    view::setDisplayMode(*t.game, model::DisplayModeSetting::parse(mode));
    t.script("s", lines);
    t.run("s");
  }
  int textWidth(const std::string& utf8, int size = 16) const {
    graphics::Canvas canvas;
    canvas.fontName = "Arial";
    canvas.fontSize = size;
    return graphics::canvasTextSize(canvas, cp(utf8)).width();
  }
  // Pixels of the colour in the rectangle.
  int count(const QImage& image, QRect area, QRgb colour) const {
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == colour;
    return n;
  }
  int textY() const { return t.game->screen.textY; }
  const QImage& page() const { return t.game->surfaces.Tela3; }
  TestGame t;
};

}  // namespace

TEST_F(TextBoxTest, WordsSplitAtBlanksWithParagraphMarksAndLinkTokens) {
  using Kind = view::TextBoxEntry::Kind;
  auto entries = view::splitTextBox(cp("Abra §§a @porta da frente|abrir| já @fim|x"));
  std::vector<std::pair<Kind, std::string>> got;
  for (const auto& e : entries) got.emplace_back(e.kind, utf(e.text) + (e.script.empty() ? "" : "=" + e.script));
  std::vector<std::pair<Kind, std::string>> expected = {
      {Kind::Word, "Abra "}, {Kind::Paragraph, "§"}, {Kind::Paragraph, "§"}, {Kind::Word, "a "},
      {Kind::Link, "porta da frente=abrir"}, {Kind::Word, " "}, {Kind::Word, "já "},
      // Without its second "|" a link runs nothing and the text goes on.
      {Kind::Link, "fim"}, {Kind::Word, "x"}};
  EXPECT_EQ(got, expected);
  // A last word that is a link is a link too.
  entries = view::splitTextBox("ver @aqui|alvo|");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].kind, Kind::Link);
  EXPECT_EQ(entries[1].script, "alvo");
}

TEST_F(TextBoxTest, WrapsExactlyAtTheBoxWidthAndLeavesTextYBelowTheLastLine) {
  const int width = textWidth("aaa ") + textWidth("bbb");
  runIn("3", "btxt= aaa bbb,10,20," + std::to_string(width) + ",50");
  EXPECT_EQ(textY(), 20 + 24);  // one line of 16 + 8
  runIn("3", "btxt= aaa bbb,10,20," + std::to_string(width - 1) + ",50");
  EXPECT_EQ(textY(), 20 + 48);
  // Each "§" moves down one line height: 24 pixels at size 16.
  runIn("3", "btxt= um §§dois,0,100");
  EXPECT_EQ(textY(), 100 + 48 + 24);
  runIn("3", "btxt= um §§dois,0,100,,,,,,20");
  EXPECT_EQ(textY(), 100 + 60 + 30);
  // Empty x and y mean the text position.
  runIn("3", "postxt= 30,40\nbtxt= um");
  EXPECT_EQ(textY(), 40 + 24);
  EXPECT_GT(count(page(), QRect(30, 40, 40, 24), 0xFFFF00), 10);
  EXPECT_EQ(count(page(), QRect(0, 0, 29, 40), 0xFFFF00), 0);
}

TEST_F(TextBoxTest, ATwoWordLinkIsDrawnInTheLinkColourUnderlinedAndRunsItsScript) {
  runIn("3", "corlnk= FF0000\ncorvzk= 0000FF\nbtxt= Abra @a porta|alvo| agora,10,10,600");
  const int left = 10 + textWidth("Abra "), linkWidth = textWidth("a porta");
  EXPECT_GT(count(page(), QRect(10, 10, textWidth("Abra"), 24), 0xFFFF00), 10);
  EXPECT_GT(count(page(), QRect(left, 10, linkWidth, 24), 0xFF0000), 10);
  EXPECT_EQ(count(page(), QRect(left, 10, linkWidth, 24), 0xFFFF00), 0);
  EXPECT_EQ(count(page(), QRect(left, 10 + 24, linkWidth, 1), 0x0000FF), linkWidth);
  EXPECT_GT(count(page(), QRect(left + linkWidth, 10, 100, 24), 0xFFFF00), 10);
  const auto& spot = t.game->hotSpots.spots[60];
  EXPECT_TRUE(spot.active);
  EXPECT_EQ(spot.picture, "a porta");
  EXPECT_EQ(spot.cursorCode, 1);
  shell::handlePointer(*t.game, {shell::PlayerInput::Kind::Click, "md3", left + 5, 15});
  EXPECT_EQ(t.game->world.Posic, "alvo");
}

TEST_F(TextBoxTest, UnderlinesOnThePictureStayAfterTheRun) {
  runIn("1", "cleartela 000000\ncorvzk= 0000FF\ndisplay= ver @isto|alvo|,tel,5,5\n"
             "display= ver @isto|alvo|,fnc,5,5");
  const int left = 5 + textWidth("ver "), width = textWidth("isto");
  EXPECT_EQ(count(t.game->surfaces.Tela, QRect(left, 5 + 24, width, 1), 0x0000FF), width);
  EXPECT_EQ(count(t.game->surfaces.TelCmd, QRect(left, 5 + 24, width, 1), 0x0000FF), width);
  EXPECT_TRUE(t.game->hotSpots.spots[0].active);
  EXPECT_TRUE(t.game->hotSpots.spots[20].active);
  EXPECT_EQ(model::actionText(t.game->hotSpots.spots[20].action), "alvo");
}

TEST_F(TextBoxTest, EmptyTextsDollarTextsAndTheGrowingPage) {
  // An empty text shows "Sem texto.", exactly as that text would.
  runIn("3", "btxt= ,0,0");
  const QImage empty = page().copy(0, 0, 200, 24);
  runIn("3", "btxt= Sem texto.,0,0");
  EXPECT_EQ(page().copy(0, 0, 200, 24), empty);
  EXPECT_GT(count(empty, empty.rect(), 0xFFFF00), 10);

  // "$" draws the quoted texts of the run as one box; with none it draws nothing.
  runIn("3", "'primeiro bloco'\n'segundo'\nbtxt= $,0,0");
  EXPECT_EQ(t.game->screen.Memo3.size(), 2u);
  EXPECT_GT(count(page(), QRect(0, 0, 300, 24), 0xFFFF00), 10);
  runIn("3", "btxt= $,0,0");
  EXPECT_EQ(count(page(), QRect(0, 0, 300, 24), 0xFFFF00), 0);

  // The page grows as lines pass its bottom, and never shrinks.
  std::string many;
  for (int i = 0; i < 40; ++i) many += "§";
  runIn("3", "btxt= topo " + many + " fim,0,0");
  EXPECT_GE(t.game->surfaces.TelMod3.height(), 40 * 24 + 24);
  EXPECT_EQ(textY(), 40 * 24 + 24);
  EXPECT_GT(count(page(), QRect(0, 40 * 24, 100, 24), 0xFFFF00), 10);
}
