// The kept sounds: whole sample buffers of short files, in order of use.
#include "media/sound_cache.h"

#include <algorithm>
#include <list>
#include <mutex>
#include <vector>

#include "base/file_stamp.h"
#include "media/sound_decoders.h"

namespace media {
namespace {

// A sound up to about 12 seconds of stereo at 44.1 kHz is kept (2 MB).
constexpr int64_t kKeptSamplesPerSound = 1 << 20;
constexpr size_t kKeptSounds = 32;

struct Samples {
  int sampleRate = 0, channels = 0;
  std::vector<int16_t> samples;
};

// A stream over kept samples, read like the file's own stream.
class KeptSound : public platform::PcmSource {
 public:
  explicit KeptSound(std::shared_ptr<const Samples> samples) : samples_(std::move(samples)) {}
  int sampleRate() const override { return samples_->sampleRate; }
  int channels() const override { return samples_->channels; }
  int64_t frames() const override {
    return channels() > 0 ? static_cast<int64_t>(samples_->samples.size()) / channels() : 0;
  }
  int64_t read(int16_t* out, int64_t maxFrames) override {
    const int64_t given = std::min(maxFrames, frames() - position_);
    if (given <= 0) return 0;
    std::copy_n(samples_->samples.data() + position_ * channels(), given * channels(), out);
    position_ += given;
    return given;
  }
  bool rewind() override {
    position_ = 0;
    return true;
  }

 private:
  std::shared_ptr<const Samples> samples_;
  int64_t position_ = 0;
};

struct Kept {
  std::filesystem::path file;
  base::FileStamp stamp;
  std::shared_ptr<const Samples> samples;
};

std::mutex mutex;
std::list<Kept> kept;  // most recently used first
long long spared = 0;

// The whole stream read into memory; nothing when it is too long to keep or
// its length is not what it said.
std::shared_ptr<const Samples> readWhole(platform::PcmSource& sound) {
  const int64_t frames = sound.frames();
  if (sound.channels() <= 0 || frames < 0 || frames * sound.channels() > kKeptSamplesPerSound) return nullptr;
  auto whole = std::make_shared<Samples>();
  whole->sampleRate = sound.sampleRate();
  whole->channels = sound.channels();
  whole->samples.resize(static_cast<size_t>(frames * sound.channels()));
  int64_t done = 0;
  while (done < frames) {
    const int64_t given = sound.read(whole->samples.data() + done * sound.channels(), frames - done);
    if (given <= 0) break;
    done += given;
  }
  if (done != frames) return nullptr;
  return whole;
}

}  // namespace

std::shared_ptr<platform::PcmSource> openSoundOnce(const std::filesystem::path& file, std::string& error) {
  const auto stamp = base::stampOf(file);
  if (stamp) {
    std::lock_guard lock(mutex);
    for (auto it = kept.begin(); it != kept.end(); ++it) {
      if (it->file != file) continue;
      if (it->stamp == *stamp) {
        kept.splice(kept.begin(), kept, it);
        ++spared;
        return std::make_shared<KeptSound>(kept.front().samples);
      }
      kept.erase(it);
      break;
    }
  }
  std::shared_ptr<platform::PcmSource> sound = openSound(file, error);
  if (!sound || !stamp) return sound;
  auto whole = readWhole(*sound);
  if (!whole) {
    // Too long to keep (or a stream that read short): a fresh stream from the file.
    if (sound->rewind()) return sound;
    return openSound(file, error);
  }
  std::lock_guard lock(mutex);
  kept.push_front(Kept{file, *stamp, whole});
  if (kept.size() > kKeptSounds) kept.pop_back();
  return std::make_shared<KeptSound>(whole);
}

long long soundOpensSpared() {
  std::lock_guard lock(mutex);
  return spared;
}

}  // namespace media
