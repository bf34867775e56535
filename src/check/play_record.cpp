// Steps and coverage.
#include "check/play_record.h"

#include <QCoreApplication>
#include <algorithm>

#include "base/cp1252.h"
#include "base/text_encoding.h"
#include "check/game_files.h"
#include "check/script_walk.h"
#include "input/phrase_file.h"
#include "script/line_syntax.h"
#include "shell/game.h"

namespace check {
namespace {

QString tr(const char* source) { return QCoreApplication::translate("Record", source); }
std::string utf8(const std::string& cp1252) { return base::cp1252ToUtf8(cp1252); }

// What a statement did to the registers: `#12 = "x"` for each one it changed.
std::string changedRegisters(const base::Lines& before, const base::Lines& after) {
  std::string changes;
  for (size_t n = 0; n < std::max(before.size(), after.size()); ++n) {
    const std::string* old = n < before.size() ? &before[n] : nullptr;
    const std::string* now = n < after.size() ? &after[n] : nullptr;
    if (old && now && *old == *now) continue;
    if (!changes.empty()) changes += ", ";
    changes += "#" + std::to_string(n) + (now ? " = \"" + utf8(*now) + "\"" : " removed");
  }
  return changes;
}

// The statement lines of a script (from 1): lines inside quoted texts and
// regtxt= texts are part of the statement that starts them.
std::vector<int> statementLines(const base::Lines& lines) {
  std::vector<int> found;
  walkScript(lines, [&](const ScriptItem& item) { found.push_back(item.line + 1); });
  return found;
}

std::string percent(size_t part, size_t whole) { return whole == 0 ? "100" : std::to_string(part * 100 / whole); }

}  // namespace

PlayRecord::PlayRecord(const std::filesystem::path& stepsFile) : stepsFile_(stepsFile) {
  if (!stepsFile_.empty()) steps_.open(stepsFile_, std::ios::binary | std::ios::trunc);
}

void PlayRecord::lineStarting(const model::Game& game) {
  const auto& runner = game.runner;
  phraseFile_ = input::phraseFileName(game.commandsScript);
  const auto index = static_cast<size_t>(runner.currentLine);
  if (index >= runner.Script.size()) return;
  const std::string& written = runner.Script[index];
  const auto kind = script::readLineSyntax(written).kind;
  step_.open = kind == script::LineKind::Statement || kind == script::LineKind::QuotedText;
  if (!step_.open) return;
  step_.file = runner.currentScript + ".scx";
  step_.line = runner.currentLine + 1;
  ran_[step_.file].insert(step_.line);
  if (!steps_.is_open()) return;
  step_.text = base::trim(written);
  step_.registers = game.Regs.values();
}

void PlayRecord::lineDone(const model::Game& game) {
  if (!step_.open) return;
  step_.open = false;
  if (steps_.is_open()) writeStep(changedRegisters(step_.registers, game.Regs.values()));
}

void PlayRecord::runStopped(const model::Game& game, const std::string& cause) {
  if (!steps_.is_open()) return;
  if (!step_.open) {
    step_.file = game.runner.currentScript + ".scx";
    step_.line = game.runner.currentLine + 1;
    step_.text.clear();
  }
  step_.open = false;
  writeStep("");
  steps_ << step_.file << ":" << step_.line << ": " << tr("error: %1").arg(QString::fromStdString(utf8(cause))).toStdString()
         << "\n";
  steps_.flush();
}

void PlayRecord::phraseMatched(const std::string& phraseFile, int line) { matched_[phraseFile].insert(line); }

void PlayRecord::writeStep(const std::string& after) {
  if (step_.text.empty()) return;
  steps_ << step_.file << ":" << step_.line << ": " << utf8(step_.text);
  if (!after.empty()) steps_ << "  -> " << after;
  steps_ << "\n";
}

std::string PlayRecord::coverage(const std::filesystem::path& gameFolder) const {
  GameFiles files(gameFolder);
  std::set<std::string> phraseFiles;
  for (const auto& [file, lines] : matched_) phraseFiles.insert(files.lookup(file).onDisk);
  if (!phraseFile_.empty()) phraseFiles.insert(files.lookup(phraseFile_).onDisk);
  auto ranIn = [](const std::map<std::string, std::set<int>>& record, const std::string& file) {
    auto it = record.find(file);
    return it == record.end() ? std::set<int>{} : it->second;
  };
  std::string text, neverRunScripts;
  size_t lines = 0, linesRun = 0, phrases = 0, phrasesMatched = 0, scriptsNeverRun = 0;
  for (const auto& name : files.names()) {
    if (!hasExtension(name, ".scx")) continue;
    auto content = files.read(name);
    if (!content) continue;
    if (phraseFiles.count(name)) {
      const std::set<int> matched = ranIn(matched_, name);
      for (size_t i = 0; i < content->size(); ++i) {
        auto phrase = input::readPhraseLine((*content)[i]);
        if (!phrase || phrase->phrase.empty()) continue;
        ++phrases;
        const int line = static_cast<int>(i) + 1;
        if (matched.count(line)) ++phrasesMatched;
        else
          text += name + ":" + std::to_string(line) + ": " +
                  tr("never matched: %1").arg(QString::fromStdString(utf8(base::trim((*content)[i])))).toStdString() + "\n";
      }
      continue;
    }
    const std::set<int> ran = ranIn(ran_, name);
    const std::vector<int> statements = statementLines(*content);
    size_t run = 0;
    std::string never;
    for (int line : statements) {
      if (ran.count(line)) ++run;
      else
        never += name + ":" + std::to_string(line) + ": " +
                 tr("never ran: %1").arg(QString::fromStdString(utf8(base::trim((*content)[static_cast<size_t>(line - 1)])))).toStdString() + "\n";
    }
    lines += statements.size();
    linesRun += run;
    if (run == 0) {
      ++scriptsNeverRun;
      neverRunScripts += (neverRunScripts.empty() ? "" : ", ") + utf8(name.substr(0, name.size() - 4));
      text += name + ": " + tr("never ran (%1 lines)").arg(statements.size()).toStdString() + "\n";
      continue;
    }
    text += name + ": " + tr("%1 of %2 lines ran").arg(run).arg(statements.size()).toStdString() + "\n" + never;
  }
  text += tr("coverage: %1 of %2 lines ran (%3%), %4 scripts never run%5; %6 of %7 phrases matched")
              .arg(linesRun)
              .arg(lines)
              .arg(QString::fromStdString(percent(linesRun, lines)))
              .arg(scriptsNeverRun)
              .arg(QString::fromStdString(neverRunScripts.empty() ? "" : " (" + neverRunScripts + ")"))
              .arg(phrasesMatched)
              .arg(phrases)
              .toStdString() +
          "\n";
  return text;
}

}  // namespace check
