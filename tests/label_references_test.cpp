// Where names occur in a script's lines: the one-pass search must find exactly
// what a search for each name in each line finds, overlapping names, names
// inside names and names repeated in a line included.
#include <gtest/gtest.h>

#include <random>

#include "model/label_references.h"
#include "model/script_lines.h"

namespace {

std::vector<int> searchedOneByOne(const base::Lines& lines, const std::string& name) {
  std::vector<int> found;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].find(name) != std::string::npos) found.push_back(static_cast<int>(i));
  return found;
}

}  // namespace

TEST(LabelReferencesTest, FindsNamesInsideOtherNamesAndOverlappingOnes) {
  const base::Lines lines = {":fim", "goto fim", "gosub fimdo", ":abab", "ifreg= 1,2,abab", "xaba", "", "\xE1gua fim fim"};
  auto found = model::linesContaining(lines, {"fim", "fimdo", "aba", "bab", "abab", "nada", "fim", ""});
  EXPECT_EQ(found["fim"], (std::vector<int>{0, 1, 2, 7}));
  EXPECT_EQ(found["fimdo"], (std::vector<int>{2}));
  EXPECT_EQ(found["aba"], (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(found["bab"], (std::vector<int>{3, 4}));
  EXPECT_EQ(found["abab"], (std::vector<int>{3, 4}));
  EXPECT_TRUE(found["nada"].empty());
  EXPECT_EQ(found[""].size(), lines.size());  // an empty name is in every line
}

TEST(LabelReferencesTest, AgreesWithASearchLineByLineOnRandomScripts) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 200; ++round) {
    SCOPED_TRACE(round);
    auto text = [&](size_t most) {
      std::string t(random() % (most + 1), 'a');
      for (char& c : t) c = "ab\xE1:"[random() % 4];
      return t;
    };
    base::Lines lines(random() % 12);
    for (auto& line : lines) line = text(10);
    std::vector<std::string> names(1 + random() % 6);
    for (auto& name : names) name = text(4);
    auto found = model::linesContaining(lines, names);
    for (const auto& name : names) EXPECT_EQ(found[name], searchedOneByOne(lines, name)) << "name \"" << name << "\"";
  }
}

TEST(LabelReferencesTest, TheScriptsListsAreDroppedWithItsLines) {
  model::ScriptLines running(base::Lines{":volta", "goto volta"});
  EXPECT_EQ(running.linesContaining("volta"), (std::vector<int>{0, 1}));
  EXPECT_EQ(running.linesContaining("outro"), std::vector<int>{});  // not a label: searched on its own
  running = base::Lines{"goto volta", ":outro", ":volta", "goto outro"};
  EXPECT_EQ(running.linesContaining("volta"), (std::vector<int>{0, 2}));
  EXPECT_EQ(running.linesContaining("outro"), (std::vector<int>{1, 3}));
}
