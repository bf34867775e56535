// MP3 decoding with libmpg123, as 16-bit samples at the file's own rate.
#include <mpg123.h>

#include <mutex>

#include "media/sound_decoders.h"

namespace media {
namespace {

class Mp3Source : public platform::PcmSource {
 public:
  explicit Mp3Source(mpg123_handle* handle) : handle_(handle) {}
  ~Mp3Source() override { mpg123_delete(handle_); }

  bool open(const std::filesystem::path& file, std::string& error) {
    // Damaged files are reported to the caller, not on the terminal.
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Every rate and channel layout the decoder has, always as 16-bit samples.
    mpg123_format_none(handle_);
    const long* rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i) mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle_, file.c_str()) != MPG123_OK) return fail(error);
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK) return fail(error);
    // The format is fixed from here on, even when a later frame differs.
    mpg123_format_none(handle_);
    mpg123_format(handle_, rate, channels, encoding);
    // The encoder's tag gives the exact length; without one the frames are counted.
    long accurate = 0;
    mpg123_getstate(handle_, MPG123_ACCURATE, &accurate, nullptr);
    if (!accurate && mpg123_scan(handle_) != MPG123_OK) return fail(error);
    const off_t length = mpg123_length(handle_);
    if (length < 0 || rate <= 0) return fail(error);
    rate_ = static_cast<int>(rate);
    channels_ = channels;
    frames_ = length;
    return true;
  }

  int sampleRate() const override { return rate_; }
  int channels() const override { return channels_; }
  int64_t frames() const override { return frames_; }

  int64_t read(int16_t* samples, int64_t maxFrames) override {
    const size_t frameBytes = sizeof(int16_t) * static_cast<size_t>(channels_);
    auto* out = reinterpret_cast<unsigned char*>(samples);
    size_t wanted = static_cast<size_t>(maxFrames) * frameBytes, got = 0;
    while (got < wanted) {
      size_t done = 0;
      int result = mpg123_read(handle_, out + got, wanted - got, &done);
      got += done;
      if (result == MPG123_NEW_FORMAT) continue;
      if (result != MPG123_OK) break;  // the end, or a broken frame ends the sound
    }
    return static_cast<int64_t>(got / frameBytes);
  }

  bool rewind() override { return mpg123_seek(handle_, 0, SEEK_SET) >= 0; }

 private:
  bool fail(std::string& error) {
    error = mpg123_strerror(handle_);
    return false;
  }

  mpg123_handle* handle_;
  int rate_ = 0, channels_ = 0;
  int64_t frames_ = 0;
};

}  // namespace

std::unique_ptr<platform::PcmSource> openMp3(const std::filesystem::path& file, std::string& error) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { mpg123_init(); });
  int result = MPG123_OK;
  mpg123_handle* handle = mpg123_new(nullptr, &result);
  if (!handle) {
    error = mpg123_plain_strerror(result);
    return nullptr;
  }
  auto source = std::make_unique<Mp3Source>(handle);
  if (!source->open(file, error)) return nullptr;
  return source;
}

}  // namespace media
