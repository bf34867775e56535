// The kept pictures: a short list in order of use, searched from the front.
#include "view/picture_cache.h"

#include <list>
#include <mutex>

#include "base/file_stamp.h"

namespace view {
namespace {

// Room for a game's usual pictures (a screen of 640 x 480 is 1.2 MB) and few
// enough entries that a search costs nothing next to a decode.
constexpr qsizetype kKeptBytes = 64 << 20;
constexpr size_t kKeptPictures = 96;

struct Kept {
  std::filesystem::path file;
  std::string how;
  base::FileStamp stamp;
  QImage picture;
};

std::mutex mutex;
std::list<Kept> kept;  // most recently used first
qsizetype keptBytes = 0;
long long spared = 0;

void keep(Kept entry) {
  keptBytes += entry.picture.sizeInBytes();
  kept.push_front(std::move(entry));
  while (kept.size() > 1 && (keptBytes > kKeptBytes || kept.size() > kKeptPictures)) {
    keptBytes -= kept.back().picture.sizeInBytes();
    kept.pop_back();
  }
}

}  // namespace

QImage decodedOnce(const std::filesystem::path& file, const std::string& how, const std::function<QImage()>& decode) {
  const auto stamp = base::stampOf(file);
  if (!stamp) return decode();
  {
    std::lock_guard lock(mutex);
    for (auto it = kept.begin(); it != kept.end(); ++it) {
      if (it->file != file || it->how != how) continue;
      if (it->stamp == *stamp) {
        kept.splice(kept.begin(), kept, it);
        ++spared;
        return kept.front().picture;
      }
      keptBytes -= it->picture.sizeInBytes();
      kept.erase(it);
      break;
    }
  }
  // The stamp is the one from before the decode: a file changed meanwhile is
  // decoded again next time.
  QImage picture = decode();
  std::lock_guard lock(mutex);
  keep(Kept{file, how, *stamp, picture});
  return picture;
}

long long pictureDecodesSpared() {
  std::lock_guard lock(mutex);
  return spared;
}

}  // namespace view
