// WAV and the other PCM formats with libsndfile, as 16-bit samples.
#include <sndfile.h>

#include <algorithm>

#include "media/sound_decoders.h"

namespace media {
namespace {

class SndfileSource : public platform::PcmSource {
 public:
  SndfileSource(SNDFILE* file, const SF_INFO& info) : file_(file), info_(info) {}
  ~SndfileSource() override { sf_close(file_); }

  int sampleRate() const override { return info_.samplerate; }
  int channels() const override { return info_.channels; }
  int64_t frames() const override { return info_.frames; }
  int64_t read(int16_t* samples, int64_t maxFrames) override { return sf_readf_short(file_, samples, maxFrames); }
  bool rewind() override { return sf_seek(file_, 0, SEEK_SET) == 0; }

 private:
  SNDFILE* file_;
  SF_INFO info_;
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
  return std::make_unique<SndfileSource>(handle, info);
}

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
