// Update package unpacking with libzip.
#include "updater/package.h"

#include <sys/stat.h>
#include <zip.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "base/game_folder.h"

namespace updater {
namespace {

namespace fs = std::filesystem;

constexpr uint64_t kMaxEntryBytes = 512ull << 20;

struct Archive {
  zip_t* handle = nullptr;
  ~Archive() {
    if (handle) zip_discard(handle);
  }
};

bool isLink(zip_t* archive, zip_uint64_t index) {
  zip_uint8_t system = 0;
  zip_uint32_t attributes = 0;
  if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) return false;
  return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// Whether the path, once its existing parts are resolved, stays inside the folder.
bool staysInside(const fs::path& path, const fs::path& folder) {
  std::error_code error;
  fs::path resolved = fs::weakly_canonical(path, error);
  fs::path root = fs::weakly_canonical(folder, error);
  if (error) return false;
  auto [rootEnd, pathAt] = std::mismatch(root.begin(), root.end(), resolved.begin(), resolved.end());
  return rootEnd == root.end();
}

bool extractEntry(zip_t* archive, zip_uint64_t index, const fs::path& target, uint64_t size, std::string& error) {
  zip_file_t* file = zip_fopen_index(archive, index, 0);
  if (!file) {
    error = std::string("cannot open the entry: ") + zip_strerror(archive);
    return false;
  }
  std::error_code made;
  fs::create_directories(target.parent_path(), made);
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  std::vector<char> buffer(1 << 16);
  uint64_t total = 0;
  zip_int64_t read = 0;
  while ((read = zip_fread(file, buffer.data(), buffer.size())) > 0) {
    out.write(buffer.data(), read);
    total += static_cast<uint64_t>(read);
  }
  bool ok = read == 0 && total == size && static_cast<bool>(out.flush());
  if (!ok) error = std::string("unreadable entry (wrong password or damaged package): ") + zip_file_strerror(file);
  zip_fclose(file);
  return ok;
}

// Extracts every file entry below staging; returns the entries' names.
bool extractAll(zip_t* archive, const fs::path& staging, std::vector<std::string>& names, std::string& error) {
  zip_int64_t count = zip_get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t status;
    zip_stat_init(&status);
    if (zip_stat_index(archive, index, 0, &status) != 0 || !(status.valid & ZIP_STAT_NAME)) {
      error = "an entry without a name";
      return false;
    }
    std::string name = status.name;
    bool directory = !name.empty() && name.back() == '/';
    if (directory) name.pop_back();
    if (!base::GameFolder::isSafeName(name) || name.find('\\') != std::string::npos) {
      error = "entry refused (outside the game folder): " + name;
      return false;
    }
    if (isLink(archive, index)) {
      error = "entry refused (a link): " + name;
      return false;
    }
    if (directory) continue;
    if (status.size > kMaxEntryBytes) {
      error = "entry too large: " + name;
      return false;
    }
    if (!extractEntry(archive, index, staging / name, status.size, error)) {
      error = name + ": " + error;
      return false;
    }
    names.push_back(name);
  }
  return true;
}

struct Move {
  fs::path target, backup;
  bool hadOld = false;
};

// Moves the staged files into the folder; on failure undoes every move.
bool install(const std::vector<std::string>& names, const fs::path& staging, const fs::path& folder,
             std::string& error) {
  for (const auto& name : names)
    if (!staysInside(folder / name, folder)) {
      error = "entry refused (would leave the game folder): " + name;
      return false;
    }
  const fs::path backups = staging / ".previous";
  std::vector<Move> done;
  std::error_code failure;
  for (const auto& name : names) {
    Move move{folder / name, backups / name, false};
    fs::create_directories(move.target.parent_path(), failure);
    if (!failure && fs::exists(fs::symlink_status(move.target))) {
      fs::create_directories(move.backup.parent_path(), failure);
      if (!failure) fs::rename(move.target, move.backup, failure);
      move.hadOld = !failure;
    }
    if (!failure) fs::rename(staging / name, move.target, failure);
    if (failure) {
      if (move.hadOld) fs::rename(move.backup, move.target, failure);
      for (auto it = done.rbegin(); it != done.rend(); ++it) {
        std::error_code ignored;
        if (it->hadOld)
          fs::rename(it->backup, it->target, ignored);
        else
          fs::remove(it->target, ignored);
      }
      error = "cannot install " + name;
      return false;
    }
    done.push_back(move);
  }
  return true;
}

}  // namespace

bool unpackPackage(const fs::path& package, const std::string& password, const fs::path& gameFolder,
                   std::string& error) {
  Archive archive;
  int code = 0;
  archive.handle = zip_open(package.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (!archive.handle) {
    zip_error_t why;
    zip_error_init_with_code(&why, code);
    error = "cannot open the package " + package.string() + ": " + zip_error_strerror(&why);
    zip_error_fini(&why);
    return false;
  }
  zip_set_default_password(archive.handle, password.c_str());
  // The staging folder lives inside the game folder, so the final moves are renames.
  std::string pattern = (gameFolder / ".mirandel-update-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) {
    error = "cannot create a staging folder in " + gameFolder.string();
    return false;
  }
  const fs::path staging = pattern;
  std::vector<std::string> names;
  bool ok = extractAll(archive.handle, staging, names, error) && install(names, staging, gameFolder, error);
  std::error_code ignored;
  fs::remove_all(staging, ignored);
  return ok;
}

}  // namespace updater
