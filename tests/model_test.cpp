// The model's plain values: the display mode, a hot spot's action and the
// viewer page read from their texts and written back, the object table's
// lookups by key and by place on whole, cut and case-differing tables, and the
// table of the definitions rows.
#include <gtest/gtest.h>

#include <set>

#include "base/number.h"
#include "graphics/colour.h"
#include "model/defs.h"
#include "model/display_mode.h"
#include "model/hot_spot_action.h"
#include "model/object_table.h"
#include "model/viewer_page.h"

namespace {

using model::DisplayMode;
using model::DisplayModeSetting;
using model::Field;
using model::KeyMatch;
using model::ObjectTable;

TEST(DisplayModeTest, TheFourModesAreReadFromTheirDigitsAndAnyOtherTextIsKeptAsWritten) {
  const DisplayMode modes[] = {DisplayMode::Typewriter, DisplayMode::Strip, DisplayMode::Page, DisplayMode::Canvas};
  for (int digit = 0; digit < 4; ++digit) {
    const std::string text = std::to_string(digit);
    const DisplayModeSetting setting = DisplayModeSetting::parse(text);
    EXPECT_EQ(setting.mode(), modes[digit]) << text;
    EXPECT_EQ(setting.text(), text);
    EXPECT_EQ(DisplayModeSetting(modes[digit]).text(), text);
  }
  // Only the digit alone names a mode: blanks, a second digit, a word do not.
  for (const char* other : {"9", " 1", "1 ", "01", "", "texto"}) {
    const DisplayModeSetting setting = DisplayModeSetting::parse(other);
    EXPECT_EQ(setting.mode(), DisplayMode::Other) << '"' << other << '"';
    EXPECT_EQ(setting.text(), other);
  }
  EXPECT_EQ(DisplayModeSetting().mode(), DisplayMode::Strip);
}

// Records of eight lines: key, nom, dsc, loc, shp, tag and two reserved.
base::Lines records(const std::vector<std::pair<std::string, std::string>>& keysAndPlaces) {
  base::Lines lines;
  for (const auto& [key, place] : keysAndPlaces)
    for (const std::string& line : {key, "N" + key, "D" + key, place, key + ".png", std::string(), std::string(), std::string()})
      lines.push_back(line);
  return lines;
}

TEST(DefinitionsRowsTest, OneRowPerPositionWithANameOfItsOwnAndABuiltInTextOfItsKind) {
  std::set<std::string> names;
  int position = 0;
  for (const model::DefinitionsRow& row : model::definitionsRows()) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.index, position++);
    EXPECT_TRUE(names.insert(row.name).second);
    EXPECT_EQ(row.builtIn != nullptr, row.index <= model::row::EndMarker);  // the built-in table is rows 0-100
    EXPECT_NE(std::string(row.meaning), "");
    if (!row.builtIn) continue;
    const std::string text = row.builtIn;
    if (row.kind == model::RowKind::Number) EXPECT_TRUE(base::readNumber(text).has_value()) << text;
    if (row.kind == model::RowKind::Colour) EXPECT_TRUE(graphics::Colour::read(text).has_value()) << text;
    if (row.kind == model::RowKind::Switch) EXPECT_TRUE(text == "*" || text.empty()) << text;
  }
  EXPECT_EQ(position, model::row::Multiplayer + 1);
  const base::Lines& builtIn = model::DefinitionsTable::builtInRows();
  ASSERT_EQ(builtIn.size(), 101u);
  EXPECT_EQ(builtIn[model::row::GameName], "mirandel");
  EXPECT_EQ(builtIn[model::row::NotUnderstood], "Perd\xE3o, n\xE3o entendi.");
  EXPECT_EQ(builtIn[model::row::F1Command], "INSTRU\xC7\xD5" "ES");
  EXPECT_EQ(builtIn[model::row::EndMarker], "---");
  EXPECT_EQ(model::definitionsRow(model::row::Multiplayer + 1), nullptr);
  EXPECT_EQ(model::definitionsRow(-1), nullptr);
}

// Every text a link may name reads as the action a click took it for, and
// writes back as it was written.
TEST(HotSpotActionTest, EachTextReadsAsTheActionAClickTookItForAndWritesBackAsWritten) {
  using model::HotSpotAction;
  const std::pair<const char*, HotSpotAction> cases[] = {
      {"", model::NoAction{}},
      {" ", model::RunScript{" "}},  // only the empty text does nothing
      {"sala", model::RunScript{"sala"}},
      {"sala&Prm=3", model::RunScript{"sala&Prm=3"}},
      {"picFmap", model::MapSwitch{}},
      {"picfmap", model::RunScript{"picfmap"}},  // the switch is named in its own letter case
      {" picFmap", model::RunScript{" picFmap"}},
      // An address from its "http://" or "https://", whichever comes first, trimmed.
      {"http://exemplo.com", model::OpenWebPage{"http://exemplo.com", "http://exemplo.com"}},
      {"veja https://a.org/x ", model::OpenWebPage{"veja https://a.org/x ", "https://a.org/x"}},
      {"https://a.org/?v=http://b", model::OpenWebPage{"https://a.org/?v=http://b", "https://a.org/?v=http://b"}},
      {"HTTP://exemplo.com", model::RefusedAddress{"HTTP://exemplo.com"}},  // letter case counts
      {"file:///etc/passwd", model::RefusedAddress{"file:///etc/passwd"}},
      {"mailto:a@b", model::RefusedAddress{"mailto:a@b"}},
      {"picFmap:", model::RefusedAddress{"picFmap:"}},
  };
  for (const auto& [text, action] : cases) {
    const HotSpotAction read = model::parseHotSpotAction(text);
    EXPECT_EQ(read, action) << '"' << text << '"';
    EXPECT_EQ(model::actionText(read), text);
  }
  EXPECT_EQ(model::actionText(model::MapSwitch{}), "picFmap");
}

// Each page's caption reads as that page and writes back the same; a mode shows
// the page of its own text, so a mode named "Mapa" shows the map page as it
// always did, and a caption of no page is kept as written.
TEST(ViewerPageTest, CaptionsReadAsTheirPagesAndAModeShowsThePageOfItsText) {
  using model::ViewerPage;
  using model::ViewerPageSetting;
  const std::pair<const char*, ViewerPage> pages[] = {
      {"0", ViewerPage::Typewriter}, {"1", ViewerPage::Strip}, {"2", ViewerPage::Page}, {"3", ViewerPage::Canvas},
      {"Mapa", ViewerPage::Map},     {"Down", ViewerPage::Down}, {"Pix", ViewerPage::Pix}};
  for (const auto& [caption, page] : pages) {
    EXPECT_EQ(ViewerPageSetting::parse(caption).page(), page) << caption;
    EXPECT_EQ(ViewerPageSetting(page).text(), caption);
    EXPECT_EQ(ViewerPageSetting::of(DisplayModeSetting::parse(caption)).page(), page) << caption;
  }
  for (const char* other : {"mapa", "MAPA", "4", " 1", "", "pix"}) {
    const ViewerPageSetting setting = ViewerPageSetting::of(DisplayModeSetting::parse(other));
    EXPECT_EQ(setting.page(), ViewerPage::Other) << '"' << other << '"';
    EXPECT_EQ(setting.text(), other);
  }
  EXPECT_EQ(ViewerPageSetting().text(), "1");
}

TEST(ObjectTableTest, FindGivesTheFirstRecordOfTheKeyAmongTheRecordsAsked) {
  const base::Lines lines = records({{"bau", "sala"}, {"chave", "jog"}, {"bau", "porao"}, {"Pa", "sala"}});
  const ObjectTable table(lines);
  EXPECT_EQ(table.wholeRecords(), 4u);
  EXPECT_EQ(table.find("bau", 4), 0u);
  EXPECT_EQ(table.find("chave", 4), 1u);
  EXPECT_EQ(table.find("chave", 1), std::nullopt);  // past the records the keys reach
  EXPECT_EQ(table.find("pa", 4), std::nullopt);
  EXPECT_EQ(table.find("pa", 4, KeyMatch::IgnoringCase), 3u);
  EXPECT_EQ(*table.line(3, Field::Nom), "NPa");
  EXPECT_EQ(*table.line(2, Field::Loc), "porao");
  EXPECT_EQ(table.line(4, Field::Key), nullptr);
  EXPECT_EQ(ObjectTable::lineIndex(2, Field::Shp), 20u);
}

TEST(ObjectTableTest, AtGivesEveryRecordOfThePlaceInTableOrder) {
  const base::Lines lines = records({{"bau", "sala"}, {"chave", "jog"}, {"pa", "sala"}, {"saco", "sala"}});
  const ObjectTable table(lines);
  EXPECT_EQ(table.at("sala", 4), (std::vector<size_t>{0, 2, 3}));
  EXPECT_EQ(table.at("sala", 3), (std::vector<size_t>{0, 2}));
  EXPECT_EQ(table.at("jog", 4), (std::vector<size_t>{1}));
  EXPECT_TRUE(table.at("porao", 4).empty());
}

TEST(ObjectTableTest, ACutTableEndsTheLookupsAtItsFirstMissingLine) {
  base::Lines lines = records({{"bau", "sala"}, {"chave", "sala"}, {"pa", "sala"}});
  lines.resize(12);  // the second record keeps its key and place, the third is gone
  const ObjectTable table(lines);
  EXPECT_EQ(table.wholeRecords(), 1u);
  EXPECT_EQ(table.find("chave", 3), 1u);
  EXPECT_EQ(table.find("pa", 3), std::nullopt);
  EXPECT_EQ(table.at("sala", 3), (std::vector<size_t>{0, 1}));
  EXPECT_EQ(table.firstRecordWithout(Field::Key, 3), 2u);
  EXPECT_EQ(table.firstRecordWithout(Field::Loc, 3), 2u);
  EXPECT_EQ(table.firstRecordWithout(Field::Shp, 3), 1u);
  EXPECT_EQ(table.firstRecordWithout(Field::Key, 2), std::nullopt);  // the keys reach no further
  EXPECT_EQ(ObjectTable(base::Lines{}).firstRecordWithout(Field::Key, 1), 0u);
  EXPECT_EQ(ObjectTable(base::Lines{}).firstRecordWithout(Field::Key, 0), std::nullopt);
}

}  // namespace
