// The script guide keeps up with the player: every statement keyword in the
// dispatch table has its heading in docs/script-guide.md, and every keyword the
// guide describes is in the table, or waits in the one list of statements other
// branches are still building.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "check/statement_shapes.h"
#include "shell/dispatch_table.h"

namespace {

// Documented statements not in the dispatch table yet. Empty this list as the
// branches that build them land; the test fails for an entry that has landed.
const std::set<std::string> kNotYetBuilt = {};

// The keywords of the guide's statement headings: every `code` span on a line
// that starts with "### `".
std::set<std::string> guideKeywords() {
  std::ifstream guide(std::string(MIRANDEL_SOURCE_DIR) + "/docs/script-guide.md");
  std::set<std::string> keywords;
  std::string line;
  while (std::getline(guide, line)) {
    if (line.rfind("### `", 0) != 0) continue;
    for (size_t open = line.find('`'); open != std::string::npos; open = line.find('`', open)) {
      size_t close = line.find('`', open + 1);
      if (close == std::string::npos) break;
      keywords.insert(line.substr(open + 1, close - open - 1));
      open = close + 1;
    }
  }
  return keywords;
}

}  // namespace

TEST(ScriptGuide, DescribesEveryStatementOfTheDispatchTableAndNoOther) {
  const auto guide = guideKeywords();
  ASSERT_GT(guide.size(), 150u) << "the guide's statement headings were not found";
  const auto table = shell::buildDispatch().keywords();
  const std::set<std::string> built(table.begin(), table.end());
  for (const auto& keyword : built)
    EXPECT_TRUE(guide.count(keyword)) << "the script guide does not describe \"" << keyword << "\"";
  for (const auto& keyword : guide)
    EXPECT_TRUE(built.count(keyword) || kNotYetBuilt.count(keyword))
        << "the guide describes \"" << keyword << "\", which the player does not have";
  for (const auto& keyword : kNotYetBuilt) {
    EXPECT_FALSE(built.count(keyword)) << "\"" << keyword << "\" is built now: take it off the not-yet-built list";
    EXPECT_TRUE(guide.count(keyword)) << "\"" << keyword << "\" waits to be built but the guide lacks it";
  }
}

TEST(ScriptGuide, TheCheckerKnowsTheShapeOfDocumentedStatementsOnly) {
  const auto guide = guideKeywords();
  for (const auto& keyword : check::shapedKeywords())
    EXPECT_TRUE(guide.count(keyword)) << "the checker has a shape for \"" << keyword << "\", which the guide lacks";
}
