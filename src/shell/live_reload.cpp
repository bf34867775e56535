// Live reload: the folder looked at, settled changes taken.
#include "shell/live_reload.h"

#include <system_error>

#include "base/letter_case.h"
#include "shell/game.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

// A game folder holds hundreds of files; more than this is not looked at on each tick.
constexpr int kMaxWatchedFiles = 20000;

std::string extensionOf(const fs::path& file) {
  std::string extension = file.extension().string();
  for (char& c : extension) c = base::lowerCaseLetter(c);
  return extension;
}

bool isWatchedKind(const std::string& extension) {
  return extension == ".scx" || extension == ".ini" || extension == ".bmp" || extension == ".jpg" ||
         extension == ".jpeg" || extension == ".gif" || extension == ".png";
}

bool sameFile(const fs::path& file, const fs::path& other) {
  std::error_code error;
  return !other.empty() && fs::equivalent(file, other, error);
}

}  // namespace

LiveReload::LiveReload(const model::Game& game) : accepted_(watchedFiles(game)), seen_(accepted_) {
  for (const auto& [file, stamp] : accepted_)
    if (extensionOf(file) == ".ini")
      if (auto table = model::DefinitionsTable::readFile(file)) tables_[file] = table->rows();
}

LiveReload::Stamps LiveReload::watchedFiles(const model::Game& game) const {
  Stamps files;
  std::error_code error;
  const fs::path root = game.folders.dataFolder.root();
  const auto savedMap = game.folders.dataFolder.find(game.map.savedFile);
  int looked = 0;
  for (fs::recursive_directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
    if (++looked > kMaxWatchedFiles) break;
    if (it.depth() > 2) it.disable_recursion_pending();
    if (!it->is_regular_file(error) || !isWatchedKind(extensionOf(it->path()))) continue;
    // The saved map is the player's own writing.
    if ((savedMap && sameFile(it->path(), *savedMap)) || sameFile(it->path(), game.map.mapInFile)) continue;
    if (auto stamp = base::stampOf(it->path())) files[it->path()] = *stamp;
  }
  return files;
}

std::optional<Reload> LiveReload::look(model::Game& game) {
  Stamps now = watchedFiles(game);
  // A change still going on (the editor writing, a rename under way) waits for the next look.
  const bool settled = now == seen_;
  seen_ = now;
  if (!settled || now == accepted_) return std::nullopt;
  Reload reload;
  for (const auto& [file, stamp] : now) {
    auto before = accepted_.find(file);
    if (before != accepted_.end() && before->second == stamp) continue;
    if (extensionOf(file) == ".ini") {
      for (auto& row : takeTableRows(game, file)) reload.taken.push_back(std::move(row));
    } else {
      reload.taken.push_back(fs::relative(file, game.folders.dataFolder.root()).generic_string());
    }
  }
  accepted_ = std::move(now);
  if (reload.taken.empty()) return std::nullopt;
  reload.place = currentPlace(game);
  return reload;
}

// The rows an author changed: those the file holds anew that the game does not
// have already (the player's own saves write the rows it has).
std::vector<std::string> LiveReload::takeTableRows(model::Game& game, const fs::path& file) {
  std::vector<std::string> taken;
  auto table = model::DefinitionsTable::readFile(file);
  if (!table) return taken;
  const base::Lines& rows = table->rows();
  base::Lines& before = tables_[file];
  const std::string name = file.filename().string();
  auto named = [&](const std::string& base) { return base::upperCaseLetters(name) == base::upperCaseLetters(base + ".ini"); };
  const bool gameTable = named(game.folders.gameName) || named(game.folders.exeBaseName);
  for (size_t n = 0; gameTable && n < rows.size(); ++n) {
    const bool changed = n >= before.size() || before[n] != rows[n];
    if (!changed || game.Defs.defsRow(static_cast<int>(n)) == rows[n]) continue;
    game.Defs.extendTo(n + 1);
    game.Defs.setDefsRow(static_cast<int>(n), rows[n]);
    taken.push_back(name + " row " + std::to_string(n));
  }
  before = rows;
  return taken;
}

std::string currentPlace(const model::Game& game) {
  return game.world.Posic.empty() ? game.runner.currentScript : game.world.Posic;
}

std::string reloadedNames(const Reload& reload) {
  std::string names;
  for (const auto& name : reload.taken) names += (names.empty() ? "" : ", ") + name;
  return names;
}

}  // namespace shell
