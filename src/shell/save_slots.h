// Named save slots beside the game's own autosave: each is the game's whole
// saved set at one moment (table, registers, objects, object keys, the saved
// map), a thumbnail of the screen and a manifest with the place, the date and
// each file's size and checksum. A slot is written as one set (all its files or
// none) and restored whole or not at all: a slot whose files do not match their
// manifest changes nothing. Slots live in the user's data folder, never in the
// game folder. A slot saved in this session also keeps the whole state in
// memory and comes back exactly as it was shown; one of an earlier session
// brings back the saved game and shows its place.
#pragma once
#include <QImage>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "shell/game.h"

namespace shell {

struct SlotInfo {
  std::string name;   // as the player gave it (UTF-8)
  std::string place;  // the location then (UTF-8)
  std::string date;   // "2026-12-09 14:30"
  std::filesystem::path thumbnail;  // a PNG of the screen, when there is one
};

enum class SlotResult { Done, NoGame, NoName, NotFound, Damaged, WriteFailed, LoadFailed };

struct SlotOutcome {
  SlotResult result = SlotResult::Done;
  std::string detail;  // the file that is damaged, could not be written or read
  bool ranPlace = false;  // a load ran the place's script (its text was shown as it ran)
  bool ok() const { return result == SlotResult::Done; }
};

// What the front ends tell the player of an outcome: an English source text of
// the context "Slots" for QCoreApplication::translate, with %1 the slot's name
// and %2 the outcome's detail.
const char* slotOutcomeText(bool saving, SlotResult result);

class SaveSlots {
 public:
  // Slots are kept in this folder (made when the first is saved); empty: none.
  void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  const std::filesystem::path& folder() const { return folder_; }

  // Saves the game as the slot of that name, replacing one of the same name.
  SlotOutcome save(model::Game& game, const std::string& name, const QImage& screen);
  // Puts the slot back: the game folder's saved set, then the game as saved.
  SlotOutcome load(model::Game& game, const std::string& name);
  bool remove(const std::string& name);
  // The slots, the most recent first.
  std::vector<SlotInfo> list() const;

 private:
  std::filesystem::path slotFolder(const std::string& name) const;

  std::filesystem::path folder_;
  // What the slots saved in this session showed, by name, with their manifest.
  struct Kept {
    std::string manifest;
    model::GameState state;
  };
  std::map<std::string, Kept> kept_;
};

}  // namespace shell
