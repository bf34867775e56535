// Phrase lookup and suggestions.
#include "input/phrase_file.h"

#include <ctime>
#include <mutex>

#include "base/cp1252.h"
#include "base/file_stamp.h"
#include "base/text_encoding.h"
#include "model/run_observer.h"
#include "model/game.h"

namespace input {
namespace {

constexpr size_t kMaxSuggestions = 12;

std::string phraseFileName(const model::Game& game) { return input::phraseFileName(game.commandsScript); }

// The phrase file is read for every typed command: its lines are kept while the
// file keeps its stamp. A file changed in the last seconds is read afresh each
// time, since a rewrite within the file system's time granularity may keep it.
std::optional<base::Lines> readKeptLines(const std::filesystem::path& file) {
  static std::mutex mutex;
  static std::filesystem::path keptFile;
  static base::FileStamp keptStamp;
  static base::Lines keptLines;
  const auto stamp = base::stampOf(file);
  const bool settled = stamp && stamp->modifiedSeconds + 2 < static_cast<std::int64_t>(std::time(nullptr));
  std::lock_guard lock(mutex);
  if (settled && keptFile == file && keptStamp == *stamp) return keptLines;
  auto lines = base::readContentLines(file);
  if (settled && lines) keptFile = file, keptStamp = *stamp, keptLines = *lines;
  return lines;
}

}  // namespace

std::string phraseFileName(const std::string& commandsScript) { return commandsScript + ".scx"; }

std::optional<PhraseLine> readPhraseLine(std::string_view line) {
  size_t bar = line.find('|');
  if (bar == std::string_view::npos) return std::nullopt;
  return PhraseLine{std::string(base::trimView(line.substr(0, bar))), std::string(base::trimView(line.substr(bar + 1)))};
}

std::optional<base::Lines> readPhraseFile(model::Game& game) {
  game.refreshBeforeReading(phraseFileName(game));
  auto path = game.folders.dataFolder.find(phraseFileName(game));
  return path ? readKeptLines(*path) : std::nullopt;
}

std::string missingPhraseFileMessage(const model::Game& game) {
  return "N\xE3o encontrei o arquivo de comandos " + phraseFileName(game) + " em " +
         base::pathToCp1252(game.folders.exeFolder) + ".";
}

std::optional<size_t> findCommandLine(const base::Lines& phrases, const std::string& command) {
  const std::string_view wanted = base::trimView(command);
  for (size_t i = 0; i < phrases.size(); ++i) {
    const std::string& line = phrases[i];
    size_t bar = line.find('|');
    if (bar != std::string::npos && base::trimView(std::string_view(line).substr(0, bar)) == wanted) return i;
  }
  return std::nullopt;
}

std::string findCommandScript(const base::Lines& phrases, const std::string& command) {
  auto found = findCommandLine(phrases, command);
  return found ? readPhraseLine(phrases[*found])->script : "";
}

std::string matchTypedCommand(model::Game& game, const base::Lines& phrases, const std::string& command) {
  auto found = findCommandLine(phrases, command);
  if (!found) return "";
  if (game.runner.observer) game.runner.observer->phraseMatched(phraseFileName(game), static_cast<int>(*found) + 1);
  return readPhraseLine(phrases[*found])->script;
}

std::string suggestCommands(const base::Lines& phrases, const model::CommandWords& words) {
  const std::string& word1 = words[0];
  const std::string& word2 = words[1];
  if (word1.empty()) return "";
  std::string suggestions;
  size_t taken = 0;
  for (const auto& line : phrases) {
    if (taken == kMaxSuggestions) break;
    size_t bar = line.find('|');
    if (bar == std::string::npos || bar == 0) continue;
    std::string_view phrase = std::string_view(line).substr(0, bar);
    if (isHiddenPhrase(phrase)) continue;
    bool near = base::contains(phrase, word1) && (word2.empty() || base::contains(phrase, word2));
    if (!near) continue;
    suggestions += std::string(phrase) + "\r\n";
    ++taken;
  }
  return suggestions;
}

}  // namespace input
