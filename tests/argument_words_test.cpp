// The closed word sets of statement arguments: every word reads back to itself,
// and the game checker accepts exactly the words the statements act on, for
// every statement and argument whose shape names a set.
#include <gtest/gtest.h>

#include <sstream>

#include "base/letter_case.h"
#include "check/checker.h"
#include "graphics/fonts.h"
#include "model/argument_words.h"
#include "shell/dispatch_table.h"
#include "support/test_game.h"

using namespace testing_support;

namespace {

template <char Letter>
void expectRoundTrip() {
  for (const auto& word : model::ArgumentWords<Letter>::words) {
    auto value = model::readArgument<Letter>(word.text);
    ASSERT_TRUE(value.has_value()) << Letter << " " << word.text;
    EXPECT_EQ(model::argumentWord<Letter>(*value), word.text) << Letter;
  }
  EXPECT_FALSE(model::readArgument<Letter>("")) << Letter;
}

// One line of a script: the keyword with the value at argument k (from 0) and the others empty.
std::string lineWith(const std::string& keyword, size_t k, std::string_view value) {
  std::string line = keyword + " ";
  for (size_t i = 0; i < k; ++i) line += ",";
  return line + std::string(value) + "\n";
}

struct Probe {
  int line;
  std::string value;
  bool accepted;
};

// The checker's report on a game whose opening script is the script.
std::string checkedReport(const std::string& script) {
  TempFolder folder;
  writeGameFiles(folder, {"0", "1", "2"});
  folder.write("comandos.scx", "OLHAR | abertura\n");
  folder.write("abertura.scx", script);
  std::ostringstream out, err;
  check::checkGame(folder.path(), "mirandel", out, err);
  return out.str();
}

// Whether the report has a finding on the line that names the value.
bool names(const std::string& report, int line, const std::string& value) {
  const std::string place = "abertura.scx:" + std::to_string(line) + ":";
  std::istringstream lines(report);
  for (std::string finding; std::getline(lines, finding);)
    if (finding.rfind(place, 0) == 0 && finding.find("\"" + value + "\"") != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(ArgumentWords, EveryWordReadsBackToItselfAndNothingElseReads) {
  expectRoundTrip<'t'>();
  expectRoundTrip<'g'>();
  expectRoundTrip<'e'>();
  expectRoundTrip<'E'>();
  expectRoundTrip<'f'>();
  expectRoundTrip<'z'>();
  expectRoundTrip<'v'>();
  expectRoundTrip<'y'>();
  expectRoundTrip<'F'>();
  expectRoundTrip<'m'>();
  // Words are compared exactly, as scripts have always been read.
  EXPECT_FALSE(model::readArgument<'t'>("TEL"));
  EXPECT_FALSE(model::readArgument<'v'>("modelo"));
  EXPECT_FALSE(model::readArgument<'e'>(" on"));
  EXPECT_EQ(model::argumentWordsOf('g'), (std::vector<std::string_view>{"tel", "fnc", "pan", "md3"}));
  EXPECT_TRUE(model::argumentWordsOf('x').empty());
}

TEST(ArgumentWords, TheCheckerAcceptsExactlyTheWordsTheStatementsActOn) {
  // For every statement and every argument whose shape letter has a word set:
  // each word, a word outside the set, and the first word in capitals.
  std::string script = "/ palavras\n";
  int line = 1;
  std::vector<Probe> probes;
  auto probe = [&](const std::string& keyword, size_t k, std::string_view value, bool accepted) {
    script += lineWith(keyword, k, value);
    probes.push_back({++line, std::string(value), accepted});
  };
  const model::Dispatch dispatch = shell::buildDispatch();
  int letters = 0;
  for (const model::StatementRow* row : dispatch.rows()) {
    if (!row->shape) continue;
    const std::string keyword(row->keyword);
    const std::string_view kinds = row->shape->kinds;
    for (size_t k = 0; k < kinds.size() && kinds[k] != 'k'; ++k) {
      const auto words = model::argumentWordsOf(kinds[k]);
      if (words.empty()) continue;
      ++letters;
      for (std::string_view word : words) probe(keyword, k, word, true);
      probe(keyword, k, "qualquer", false);
      if (base::upperCaseLetters(words[0]) != words[0]) probe(keyword, k, base::upperCaseLetters(words[0]), false);
    }
  }
  ASSERT_GE(letters, 15);  // the def* controls, playsnd, getvar=, showobj=, ...
  const std::string report = checkedReport(script);
  for (const Probe& p : probes)
    EXPECT_EQ(names(report, p.line, p.value), !p.accepted) << p.line << " " << p.value << "\n" << report;
}

// A style is read letter by letter in its place: bold first, italic, underline.
TEST(ArgumentWords, TheCheckerWarnsOfAStyleWhoseLettersAreOutOfPlace) {
  const std::vector<Probe> probes = {{2, "Biu", true}, {3, "bIU", true}, {4, "B", true},
                                     {5, "IBU", false}, {6, "Bold", false}, {7, "BIX", false}};
  std::string script = "/ estilos\n";
  for (const Probe& p : probes) script += "fntsty= " + p.value + "\n";
  const std::string report = checkedReport(script);
  for (const Probe& p : probes) EXPECT_EQ(names(report, p.line, p.value), !p.accepted) << p.value << "\n" << report;
  EXPECT_TRUE(graphics::styleFromLetters("bIU").italic);
  EXPECT_FALSE(graphics::styleFromLetters("IBU").bold);  // what the warning is for
}
