// WAV and the other PCM formats with libsndfile, as 16-bit samples; and the
// short chime that plays for an effect that cannot be played.
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "media/sound_decoders.h"

namespace media {
namespace {

// A stream of `frames` frames (a compressed WAV's true length may end inside
// its last block). libsndfile cannot seek in some compressed files (GSM 6.10):
// those are opened again to start over.
class SndfileSource : public platform::PcmSource {
 public:
  SndfileSource(SNDFILE* file, const SF_INFO& info, int64_t frames, std::filesystem::path path)
      : file_(file), info_(info), frames_(frames), path_(std::move(path)) {}
  ~SndfileSource() override { sf_close(file_); }

  int sampleRate() const override { return info_.samplerate; }
  int channels() const override { return info_.channels; }
  int64_t frames() const override { return frames_; }
  int64_t read(int16_t* samples, int64_t maxFrames) override {
    const int64_t given = sf_readf_short(file_, samples, std::clamp<int64_t>(frames_ - position_, 0, maxFrames));
    position_ += std::max<int64_t>(given, 0);
    return given;
  }
  bool rewind() override {
    position_ = 0;
    if (sf_seek(file_, 0, SEEK_SET) == 0) return true;
    SF_INFO info{};
    SNDFILE* again = sf_open(path_.c_str(), SFM_READ, &info);
    if (!again) return false;
    if (info.channels != info_.channels || info.samplerate != info_.samplerate) {
      sf_close(again);
      return false;
    }
    sf_close(file_);
    file_ = again;
    return true;
  }

 private:
  SNDFILE* file_;
  SF_INFO info_;
  int64_t frames_;
  std::filesystem::path path_;
  int64_t position_ = 0;
};

bool isPlainPcm(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8: case SF_FORMAT_PCM_U8: case SF_FORMAT_PCM_16: case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32: case SF_FORMAT_FLOAT: case SF_FORMAT_DOUBLE: return true;
    default: return false;
  }
}

// The length a compressed WAV's fact chunk gives (GSM 6.10, ADPCM: the blocks
// hold more samples than the sound has), or -1 when it gives none.
int64_t factFrames(SNDFILE* file, const SF_INFO& info) {
  if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || isPlainPcm(info.format)) return -1;
  SF_CHUNK_INFO chunk{};
  std::strcpy(chunk.id, "fact");
  chunk.id_size = 4;
  SF_CHUNK_ITERATOR* fact = sf_get_chunk_iterator(file, &chunk);
  if (!fact || sf_get_chunk_size(fact, &chunk) != SF_ERR_NO_ERROR || chunk.datalen < 4 || chunk.datalen > 64)
    return -1;
  std::vector<unsigned char> data(chunk.datalen);
  chunk.data = data.data();
  if (sf_get_chunk_data(fact, &chunk) != SF_ERR_NO_ERROR) return -1;
  return int64_t(data[0]) | int64_t(data[1]) << 8 | int64_t(data[2]) << 16 | int64_t(data[3]) << 24;
}

// The chime: two short decaying tones.
class ChimeSource : public platform::PcmSource {
 public:
  static constexpr int kRate = 22050, kFrames = kRate / 4;
  int sampleRate() const override { return kRate; }
  int channels() const override { return 1; }
  int64_t frames() const override { return kFrames; }
  int64_t read(int16_t* samples, int64_t maxFrames) override {
    const int64_t given = std::min<int64_t>(maxFrames, kFrames - position_);
    for (int64_t i = 0; i < given; ++i, ++position_) {
      const double t = double(position_) / kRate;
      const double frequency = position_ < kFrames / 3 ? 1320 : 990;
      samples[i] = static_cast<int16_t>(6000 * std::exp(-9 * t) * std::sin(2 * M_PI * frequency * t));
    }
    return given;
  }
  bool rewind() override {
    position_ = 0;
    return true;
  }

 private:
  int64_t position_ = 0;
};

}  // namespace

std::unique_ptr<platform::PcmSource> openPcmFile(const std::filesystem::path& file, std::string& error) {
  SF_INFO info{};
  SNDFILE* handle = sf_open(file.c_str(), SFM_READ, &info);
  if (!handle) {
    error = sf_strerror(nullptr);
    return nullptr;
  }
  if (info.channels <= 0 || info.channels > 8 || info.samplerate <= 0 || info.frames < 0) {
    sf_close(handle);
    error = "formato de som desconhecido";
    return nullptr;
  }
  const int64_t fact = factFrames(handle, info);
  const int64_t frames = fact > 0 && fact < info.frames ? fact : info.frames;
  return std::make_unique<SndfileSource>(handle, info, frames, file);
}

std::unique_ptr<platform::PcmSource> defaultSound() { return std::make_unique<ChimeSource>(); }

std::unique_ptr<platform::PcmSource> openSound(const std::filesystem::path& file, std::string& error) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  if (extension == ".mp3") return openMp3(file, error);
  if (auto sound = openPcmFile(file, error)) return sound;
  std::string mp3Error;
  if (auto sound = openMp3(file, mp3Error)) return sound;
  return nullptr;
}

}  // namespace media
