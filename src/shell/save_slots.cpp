// Save slots.
#include "shell/save_slots.h"

#include <QBuffer>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <optional>

#include "base/cp1252.h"
#include "base/file_io.h"
#include "base/text.h"
#include "graphics/bitmap_file.h"
#include "shell/state_restore.h"
#include "shell/turn.h"
#include "world/game_load.h"
#include "world/saved_map.h"
#include "world/saved_state.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr const char* kManifest = "slot.txt";
constexpr const char* kThumbnail = "screen.png";
constexpr const char* kManifestHeader = "mirandel-slot 1";
constexpr int kThumbnailWidth = 240;

std::vector<std::string> splitTabs(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '\t') parts.emplace_back();
    else parts.back() += c;
  }
  return parts;
}

// One file of the saved set: the name it is kept under in the slot, and the
// name it has in the game folder.
struct SlotFile {
  std::string stored, original;
  size_t size = 0;
  std::string sum;
};

// The manifest: UTF-8 lines "key=value"; a file line holds its stored name,
// size, checksum and game name separated by tabs.
struct Manifest {
  std::string name, place, date, map;
  std::vector<SlotFile> files;

  std::string text() const {
    std::string out = std::string(kManifestHeader) + "\nname=" + name + "\nplace=" + place + "\ndate=" + date + "\n";
    for (const SlotFile& file : files)
      out += "file=" + file.stored + "\t" + std::to_string(file.size) + "\t" + file.sum + "\t" + file.original + "\n";
    if (!map.empty()) out += "map=" + map + "\n";
    return out;
  }

  static std::optional<Manifest> read(const std::string& text) {
    auto lines = base::splitLines(text);
    if (lines.empty() || lines[0] != kManifestHeader) return std::nullopt;
    Manifest manifest;
    for (const std::string& line : lines) {
      const size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      const std::string key = line.substr(0, equals), value = line.substr(equals + 1);
      if (key == "name") manifest.name = value;
      if (key == "place") manifest.place = value;
      if (key == "date") manifest.date = value;
      if (key == "map") manifest.map = value;
      if (key == "file") {
        auto parts = splitTabs(value);
        size_t size = 0;
        if (parts.size() != 4 || std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), size).ec != std::errc())
          return std::nullopt;
        manifest.files.push_back({parts[0], parts[3], size, parts[2]});
      }
    }
    if (manifest.files.empty()) return std::nullopt;
    return manifest;
  }
};

std::string thumbnailPng(const QImage& screen) {
  if (screen.isNull()) return {};
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  screen.scaledToWidth(kThumbnailWidth, Qt::SmoothTransformation).save(&buffer, "PNG");
  return png.toStdString();
}

// The slot's files, each checked against the manifest; the first that does not
// match is named.
struct ReadSlot {
  std::string manifestText;
  Manifest manifest;
  std::vector<std::string> bytes;  // in the manifest's order
};

std::optional<ReadSlot> readSlot(const fs::path& folder, SlotOutcome& outcome) {
  auto text = base::readFileBytes(folder / kManifest);
  if (!text) {
    outcome = {fs::exists(folder) ? SlotResult::Damaged : SlotResult::NotFound, kManifest};
    return std::nullopt;
  }
  auto manifest = Manifest::read(*text);
  if (!manifest) {
    outcome = {SlotResult::Damaged, kManifest};
    return std::nullopt;
  }
  ReadSlot slot{*text, *manifest, {}};
  for (const SlotFile& file : manifest->files) {
    auto bytes = base::readFileBytes(folder / file.stored);
    if (!bytes || bytes->size() != file.size || base::checkSumHex(*bytes) != file.sum) {
      outcome = {SlotResult::Damaged, file.original};
      return std::nullopt;
    }
    slot.bytes.push_back(std::move(*bytes));
  }
  return slot;
}

}  // namespace

const char* slotOutcomeText(bool saving, SlotResult result) {
  switch (result) {
    case SlotResult::Done:
      return saving ? QT_TRANSLATE_NOOP("Slots", "Saved as \"%1\".") : QT_TRANSLATE_NOOP("Slots", "Restored \"%1\".");
    case SlotResult::NoGame: return QT_TRANSLATE_NOOP("Slots", "There is no game in play to save or restore yet.");
    case SlotResult::NoName: return QT_TRANSLATE_NOOP("Slots", "A save slot needs a name.");
    case SlotResult::NotFound: return QT_TRANSLATE_NOOP("Slots", "There is no saved game named \"%1\".");
    case SlotResult::Damaged:
      return QT_TRANSLATE_NOOP("Slots", "The saved game \"%1\" is damaged (%2): nothing was changed.");
    case SlotResult::WriteFailed:
      return saving ? QT_TRANSLATE_NOOP("Slots", "Could not save \"%1\": %2 could not be written.")
                    : QT_TRANSLATE_NOOP("Slots", "Could not restore \"%1\": %2 could not be written; nothing was changed.");
    case SlotResult::LoadFailed:
      return QT_TRANSLATE_NOOP("Slots", "Could not restore \"%1\" (%2): the game is as it was.");
  }
  return "";
}

fs::path SaveSlots::slotFolder(const std::string& name) const {
  // A folder name any file system takes, distinct for distinct slot names.
  std::string safe;
  for (unsigned char c : name) safe += std::isalnum(c) ? char(c) : '_';
  return folder_ / (safe.substr(0, 40) + "-" + base::checkSumHex(name).substr(0, 8));
}

SlotOutcome SaveSlots::save(model::Game& game, const std::string& name, const QImage& screen) {
  if (base::trim(name).empty() || folder_.empty()) return {SlotResult::NoName, {}};
  auto files = world::savedSetFiles(game);
  if (files.empty()) return {SlotResult::NoGame, {}};
  Manifest manifest{name, base::cp1252ToUtf8(game.world.Posic), base::localTimeText(), {}, {}};
  if (!game.map.savedFile.empty() && !game.map.MapJog.isNull()) {
    files.emplace_back(game.map.savedFile, graphics::encodeBitmap(game.map.MapJog));
    manifest.map = game.map.savedFile;
  }
  const fs::path folder = slotFolder(name);
  std::error_code error;
  fs::create_directories(folder, error);
  base::FileSet set(folder);
  for (size_t i = 0; i < files.size(); ++i) {
    auto& [original, bytes] = files[i];
    SlotFile file{std::to_string(i + 1) + ".dat", original, bytes.size(), base::checkSumHex(bytes)};
    set.add(folder / file.stored, std::move(bytes));
    manifest.files.push_back(std::move(file));
  }
  if (std::string png = thumbnailPng(screen); !png.empty()) set.add(folder / kThumbnail, std::move(png));
  const std::string manifestText = manifest.text();
  set.add(folder / kManifest, manifestText);
  std::string failed;
  if (!set.commit(&failed)) return {SlotResult::WriteFailed, failed};
  kept_.insert_or_assign(name, Kept{manifestText, game.state()});
  return {};
}

SlotOutcome SaveSlots::load(model::Game& game, const std::string& name) {
  if (base::trim(name).empty() || folder_.empty()) return {SlotResult::NoName, {}};
  SlotOutcome outcome;
  auto slot = readSlot(slotFolder(name), outcome);
  if (!slot) return outcome;
  if (game.folders.gameName.empty()) return {SlotResult::NoGame, {}};
  // Saved in this session and unchanged since: the moment exactly as it was shown.
  if (auto kept = kept_.find(name); kept != kept_.end() && kept->second.manifest == slot->manifestText) {
    restoreState(game, kept->second.state);
    return {};
  }
  // The saved set goes into the game folder as one set, then the game is loaded from it.
  base::FileSet set(game.folders.dataFolder.root());
  for (size_t i = 0; i < slot->manifest.files.size(); ++i) {
    const std::string& original = slot->manifest.files[i].original;
    auto path = game.folders.dataFolder.pathForWriting(original);
    if (!path) return {SlotResult::Damaged, original};
    set.add(*path, slot->bytes[i]);
  }
  model::GameState before = game.state();
  std::string failed;
  if (!set.commit(&failed)) return {SlotResult::WriteFailed, failed};
  try {
    world::loadGame(game, game.folders.gameName);
  } catch (const world::GameLoadError& error) {
    restoreState(game, std::move(before));  // the game and its files as they were
    return {SlotResult::LoadFailed, error.what()};
  }
  if (!slot->manifest.map.empty()) {
    if (auto path = game.folders.dataFolder.find(slot->manifest.map)) {
      if (auto map = world::readSavedMap(*path)) {
        game.map.MapJog = std::move(*map);
        game.map.mapInFile = *path;
      }
    }
    game.map.savedFile = slot->manifest.map;
  }
  // The game page shows the place the slot was saved in, as a resumed game does.
  game.screen.outerPage = model::OuterPage::Default;
  runScript(game, !game.world.Posic.empty() ? game.world.Posic : game.IniScp);
  SlotOutcome done;
  done.ranPlace = true;
  return done;
}

bool SaveSlots::remove(const std::string& name) {
  std::error_code error;
  kept_.erase(name);
  return !folder_.empty() && fs::remove_all(slotFolder(name), error) > 0 && !error;
}

std::vector<SlotInfo> SaveSlots::list() const {
  std::vector<SlotInfo> found;
  std::error_code error;
  if (folder_.empty() || !fs::is_directory(folder_, error)) return found;
  for (const auto& entry : fs::directory_iterator(folder_, error)) {
    auto text = base::readFileBytes(entry.path() / kManifest);
    auto manifest = text ? Manifest::read(*text) : std::nullopt;
    if (!manifest) continue;
    fs::path thumbnail = entry.path() / kThumbnail;
    found.push_back({manifest->name, manifest->place, manifest->date, fs::exists(thumbnail) ? thumbnail : fs::path()});
  }
  std::sort(found.begin(), found.end(), [](const SlotInfo& a, const SlotInfo& b) {
    return a.date != b.date ? a.date > b.date : a.name < b.name;
  });
  return found;
}

}  // namespace shell
