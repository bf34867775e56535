// The script guide keeps up with the player: every statement keyword in the
// dispatch table has its heading in docs/script-guide.md, and every keyword the
// guide describes is in the table, or waits in the one list of statements other
// branches are still building.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>

#include "check/statement_shapes.h"
#include "model/dispatch.h"
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

namespace {

// The guide's statement headings: the keywords of each, and the first
// paragraph under it as one line.
struct GuideHeading {
  std::set<std::string> keywords;
  std::string firstParagraph;
};
std::vector<GuideHeading> guideHeadings() {
  std::ifstream guide(std::string(MIRANDEL_SOURCE_DIR) + "/docs/script-guide.md");
  std::vector<GuideHeading> headings;
  std::string line;
  bool inParagraph = false;
  while (std::getline(guide, line)) {
    if (line.rfind("### `", 0) == 0) {
      headings.push_back({});
      for (size_t open = line.find('`'); open != std::string::npos; open = line.find('`', open)) {
        const size_t close = line.find('`', open + 1);
        if (close == std::string::npos) break;
        headings.back().keywords.insert(line.substr(open + 1, close - open - 1));
        open = close + 1;
      }
      inParagraph = true;
    } else if (!headings.empty() && inParagraph) {
      std::string& paragraph = headings.back().firstParagraph;
      if (line.empty() && !paragraph.empty()) inParagraph = false;
      else if (line.rfind("#", 0) == 0 || line.rfind("```", 0) == 0) inParagraph = false;
      else if (!line.empty()) paragraph += (paragraph.empty() ? "" : " ") + line;
    }
  }
  return headings;
}

}  // namespace

TEST(ScriptGuide, DescribesEachStatementRowUnderOneHeadingThatBeginsWithItsSummary) {
  const auto headings = guideHeadings();
  const auto dispatch = shell::buildDispatch();
  for (const model::StatementRow* row : dispatch.rows()) {
    std::set<std::string> names = {std::string(row->keyword)};
    for (std::string_view alias : row->aliases) names.insert(std::string(alias));
    const auto heading = std::find_if(headings.begin(), headings.end(),
                                      [&](const GuideHeading& h) { return h.keywords.count(*names.begin()) > 0; });
    ASSERT_NE(heading, headings.end()) << row->keyword;
    // A heading may group statements of one kind with handlers of their own
    // (the exits); the aliases of a row are always under its heading.
    for (const std::string& name : names)
      EXPECT_TRUE(heading->keywords.count(name)) << name << " is an alias of " << row->keyword << " but not under its heading";
    EXPECT_FALSE(row->summary.empty()) << row->keyword;
    const std::string summary(row->summary.substr(0, row->summary.size() - (row->summary.ends_with("…") ? 3 : 0)));
    EXPECT_EQ(heading->firstParagraph.substr(0, summary.size()), summary) << row->keyword;
  }
}

TEST(ScriptGuide, TheCheckerKnowsTheShapeOfDocumentedStatementsOnly) {
  const auto guide = guideKeywords();
  for (const auto& keyword : check::shapedKeywords())
    EXPECT_TRUE(guide.count(keyword)) << "the checker has a shape for \"" << keyword << "\", which the guide lacks";
}

// Every script example of the guide runs as written. An example is a fenced
// block without a language; the "output" block that may follow it says what
// the run gives: "shows: text" for each line of the display mode's text (the
// strip in mode "1", the page in mode "0"), `#n = "value"` for a register,
// `Posic = "value"` (or RetScp, Objeto, Modelo) for an engine variable,
// "paragraphs: n" for the line breaks a mode-"3" text box makes of the run's
// quoted texts, and "error: text" for the error that stops the run. Without
// an "error:" line the run must end without one. Each example runs alone, on
// a fresh copy of a game that holds whatever the examples name.
#include <QImage>
#include <algorithm>

#include "app/new_game.h"
#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/text_encoding.h"
#include "model/defs.h"
#include "shell/game_start.h"
#include "shell/startup.h"
#include "shell/turn.h"
#include "support/picture_files.h"
#include "support/test_game.h"
#include "view/text_box.h"

namespace {

struct Example {
  int line = 0;  // where its block starts in the guide
  std::string script;
  std::vector<std::string> expected;
};

std::vector<Example> guideExamples() {
  std::ifstream guide(std::string(MIRANDEL_SOURCE_DIR) + "/docs/script-guide.md");
  std::vector<Example> examples;
  std::string line, language;
  std::vector<std::string> block;
  bool inside = false;
  int number = 0, start = 0;
  while (std::getline(guide, line)) {
    ++number;
    if (line.rfind("```", 0) != 0) {
      if (inside) block.push_back(line);
      continue;
    }
    if (!inside) {
      inside = true;
      language = line.substr(3);
      block.clear();
      start = number;
      continue;
    }
    inside = false;
    if (language.empty()) {
      Example example{start, "", {}};
      for (const auto& text : block) example.script += text + "\n";
      examples.push_back(example);
    } else if (language == "output" && !examples.empty() && examples.back().expected.empty()) {
      examples.back().expected = block;
    }
  }
  return examples;
}

// The game the examples play in: the new-game skeleton with the objects,
// pictures, sounds and scripts the examples name.
void writeExampleGame(const testing_support::TempFolder& folder) {
  std::string error;
  ASSERT_TRUE(app::writeNewGame(folder.path() / "jogo", "mirandel", error)) << error;
  const auto game = folder.path() / "jogo";
  auto write = [&](const std::string& name, const std::string& utf8) {
    folder.write("jogo/" + name, utf8);
  };
  const std::vector<std::pair<std::string, std::string>> objects = {
      {"badalo", "praca"}, {"bau", "praca"}, {"chave", "praca"}, {"lanterna", "jog"}, {"sino", "capela"}};
  std::string keys, records;
  for (const auto& [key, place] : objects) {
    const std::string record = key + "\n" + key + "\num " + key + "\n" + place + "\nico_" + key + ".png\n\n\n\n";
    keys += key + "\n";
    records += record;
    write(key + ".obj", record);
    write(key + ".scx", "/ " + key + "\nmsg= É um " + key + ".\n");
    testing_support::writeRgbPng(game / ("ico_" + key + ".png"), testing_support::testPattern(32, 32));
  }
  // Forty registers, for the examples' register numbers.
  auto rows = base::readContentLines(game / "mirandel.ini").value_or(model::DefinitionsTable::builtInRows());
  rows[model::row::RegisterCount] = "40";
  folder.writeBytes("jogo/mirandel.ini", base::joinLines(rows));
  folder.writeBytes("jogo/mirandel.rgs", base::joinLines(base::Lines(40, "")));
  write("mirandel.obz", keys);
  write("mirandel.obx", records);
  for (const char* picture : {"praca.jpg", "mapa.jpg"})
    testing_support::testPattern(200, 120).save(QString::fromStdString((game / picture).string()), "JPG");
  for (const char* picture : {"seta-n.png", "mapa.png", "mapa-capela.png", "pele.png", "porta.png", "porta-aberta.png"})
    testing_support::writeRgbPng(game / picture, testing_support::testPattern(60, 40));
  for (const char* picture : {"gotas.bmp", "telhado.bmp"})
    testing_support::testPattern(40, 40).save(QString::fromStdString((game / picture).string()), "BMP");
  for (const char* sound : {"sino.wav", "rangido.wav"}) std::filesystem::copy_file(game / "clk0a.wav", game / sound);
  std::filesystem::copy_file(game / "mirandel.mp3", game / "tema.mp3");
  for (const char* script : {"salao", "ajuda", "casa", "ferraria"}) write(std::string(script) + ".scx", "/ " + std::string(script) + "\n");
}

std::string engineVariable(const model::Game& game, const std::string& name) {
  if (name == "Posic") return game.world.Posic;
  if (name == "RetScp") return game.RetScp;
  if (name == "Objeto") return game.world.Objeto;
  if (name == "Modelo") return game.screen.Modelo.text();
  return "<no variable " + name + ">";
}

// What the run gave, in the words of the output blocks, for the lines expected.
std::vector<std::string> outcome(const model::Game& game, const platform::RecordingHost& host,
                                 const std::vector<std::string>& expected) {
  using testing_support::utf;
  std::vector<std::string> found;
  const std::string shown = game.screen.isTypewriterMode() ? game.screen.MsgMd0.text : game.screen.Msg.text;
  for (const auto& line : base::splitLines(shown))
    if (!line.empty()) found.push_back("shows: " + utf(line));
  for (const auto& line : expected) {
    if (line.rfind("#", 0) == 0) {
      const int n = std::stoi(line.substr(1));
      found.push_back("#" + std::to_string(n) + " = \"" + utf(game.Regs.values().at(static_cast<size_t>(n))) + "\"");
    } else if (auto equals = line.find(" = \""); equals != std::string::npos) {
      const std::string name = line.substr(0, equals);
      found.push_back(name + " = \"" + utf(engineVariable(game, name)) + "\"");
    } else if (line.rfind("paragraphs: ", 0) == 0) {
      int paragraphs = 0;
      for (const auto& entry : view::splitTextBox(base::joinLines(game.screen.Memo3)))
        paragraphs += entry.kind == view::TextBoxEntry::Kind::Paragraph;
      found.push_back("paragraphs: " + std::to_string(paragraphs));
    }
  }
  for (const auto& error : host.record.errors) found.push_back("error: " + utf(error));
  return found;
}

}  // namespace

TEST(ScriptGuide, EveryExampleRunsAsWritten) {
  const auto examples = guideExamples();
  ASSERT_GT(examples.size(), 40u) << "the guide's examples were not found";
  testing_support::TempFolder pristine;
  writeExampleGame(pristine);
  for (const auto& example : examples) {
    SCOPED_TRACE("the example at docs/script-guide.md:" + std::to_string(example.line));
    testing_support::TempFolder copy;
    std::filesystem::copy(pristine.path() / "jogo", copy.path(), std::filesystem::copy_options::recursive);
    backends::HeadlessHost headless;
    platform::RecordingHost host(headless);
    shell::Game game(host);
    shell::StartOptions options;
    options.gameFolder = copy.path().string();
    shell::start(game, options);
    shell::startGame(game);  // the opening script, then the first place in mode "1"
    ASSERT_EQ(host.record.errors.size(), 0u) << testing_support::utf(host.record.errors.front());
    // Each example starts from an empty text.
    copy.write("limpa.scx", "clearmsg\n");
    shell::runScript(game, "limpa");
    copy.write("exemplo.scx", example.script);
    shell::runScript(game, "exemplo");
    std::vector<std::string> expected;
    for (const auto& line : example.expected) expected.push_back(line);
    auto found = outcome(game, host, expected);
    // An error is compared up to what the example writes of it.
    for (size_t i = 0; i < found.size() && i < expected.size(); ++i)
      if (expected[i].rfind("error: ", 0) == 0 && found[i].rfind(expected[i], 0) == 0) found[i] = expected[i];
    EXPECT_EQ(found, expected) << example.script;
  }
}
