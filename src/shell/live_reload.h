// Live reload for authors (--watch): the game folder's scripts, pictures and
// definitions tables are looked at from time to time; a file that changed and
// then stayed as it was for one look (an editor's save settles) is taken: a
// table's changed rows go into Defs, and the current place runs again with the
// registers and objects as they are. Scripts and pictures need nothing dropped:
// a run reads its script afresh and a picture is decoded again when its file stamp
// changed. Files the player writes itself (the saved map, the table rows it saves)
// start no reload.
#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/file_stamp.h"
#include "base/text.h"

namespace model { struct Game; }

namespace shell {

// What one reload took: file names (a table as "name.ini row N") and the place run again.
struct Reload {
  std::vector<std::string> taken;
  std::string place;
};

class LiveReload {
 public:
  // The files on show now are the ones the game runs with.
  explicit LiveReload(const model::Game& game);

  // One look at the folder. A reload when a change has settled since the last
  // look; the place to run again is then the game's current place.
  std::optional<Reload> look(model::Game& game);
  // Whether the last look saw files unlike those the game has (a change not yet settled).
  bool changing() const { return seen_ != accepted_; }

 private:
  using Stamps = std::map<std::filesystem::path, base::FileStamp>;
  Stamps watchedFiles(const model::Game& game) const;
  std::vector<std::string> takeTableRows(model::Game& game, const std::filesystem::path& file);

  Stamps accepted_;  // the files as the game has them
  Stamps seen_;      // the files at the last look
  std::map<std::filesystem::path, base::Lines> tables_;  // each table's rows as last read
};

// The place the game re-enters: the location script (Posic), or the script last
// run when no location was set.
std::string currentPlace(const model::Game& game);

// "sala.scx, mirandel.ini row 12": what a reload took, for its one line.
std::string reloadedNames(const Reload& reload);

}  // namespace shell
