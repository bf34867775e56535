// The debug log: each run's file starts afresh, every line is in the file as
// soon as it is logged, a log without end stays bounded with its first lines
// kept, and the file never writes through a symlink planted in its place.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/debug_log.h"
#include "support/test_game.h"

using namespace testing_support;
using model::DebugLog;

TEST(DebugLogTest, EachLineIsInTheFileAtOnceAndAnOlderRunIsGone) {
  TempFolder folder;
  folder.write("debug.txt", "linha de uma vez anterior\nmais uma");
  DebugLog log;
  log.logDebug("antes do arquivo");
  log.setFile(folder.path() / "debug.txt");
  log.logDebug("Defs criado com sucesso");
  EXPECT_EQ(folder.readLines("debug.txt"), (std::vector<std::string>{"antes do arquivo", "Defs criado com sucesso"}));
  log.logDebug("N\xE3o encontrei arquivo: nada.gif");
  EXPECT_EQ(folder.read("debug.txt"), "antes do arquivo\r\nDefs criado com sucesso\r\nN\xE3o encontrei arquivo: nada.gif\r\n");
  EXPECT_EQ(log.lines().size(), 3u);
}

TEST(DebugLogTest, ALogWithoutEndKeepsItsFirstLinesTheLatestOnesAndACountOfTheRest) {
  TempFolder folder;
  DebugLog log;
  log.setFile(folder.path() / "debug.txt");
  const size_t total = 3 * DebugLog::kMaxLines + 7;
  for (size_t i = 0; i < total; ++i) log.logDebug("linha " + std::to_string(i));
  const auto lines = folder.readLines("debug.txt");
  ASSERT_LE(lines.size(), DebugLog::kMaxLines);
  ASSERT_EQ(lines.size(), log.lines().size());
  EXPECT_EQ(lines.front(), "linha 0");
  EXPECT_EQ(lines.at(DebugLog::kKeptHeadLines - 1), "linha " + std::to_string(DebugLog::kKeptHeadLines - 1));
  EXPECT_EQ(lines.back(), "linha " + std::to_string(total - 1));
  // Kept: the head, the count line, and the last lines in a row.
  const size_t latest = lines.size() - DebugLog::kKeptHeadLines - 1;
  const size_t omitted = total - DebugLog::kKeptHeadLines - latest;
  EXPECT_EQ(lines.at(DebugLog::kKeptHeadLines), "(" + std::to_string(omitted) + " linhas omitidas)");
  EXPECT_EQ(lines.at(DebugLog::kKeptHeadLines + 1), "linha " + std::to_string(total - latest));
  log.logDebug("Componentes liberados com sucesso");
  EXPECT_EQ(folder.readLines("debug.txt").back(), "Componentes liberados com sucesso");
}

TEST(DebugLogTest, ASymlinkInThePlaceOfTheFileIsReplacedNeverFollowed) {
  TempFolder folder, outside;
  outside.write("alvo.txt", "não mexa");
  std::filesystem::create_symlink(outside.path() / "alvo.txt", folder.path() / "debug.txt");
  DebugLog log;
  log.setFile(folder.path() / "debug.txt");
  log.logDebug("Defs criado com sucesso");
  log.logDebug("Script criado com sucesso");
  EXPECT_EQ(outside.readLines("alvo.txt"), std::vector<std::string>{"não mexa"});
  EXPECT_FALSE(std::filesystem::is_symlink(folder.path() / "debug.txt"));
  EXPECT_EQ(folder.readLines("debug.txt"), (std::vector<std::string>{"Defs criado com sucesso", "Script criado com sucesso"}));
}
