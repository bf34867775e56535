// Writing sound files of our own: 16-bit PCM WAV through libsndfile and MP3
// through libmp3lame. Used by the demo game's synthesiser and by the tests
// that decode what they wrote.
#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

namespace synth {

// Interleaved signed 16-bit samples.
struct Samples {
  int rate = 22050;
  int channels = 1;
  std::vector<int16_t> data;
  int64_t frames() const { return channels > 0 ? static_cast<int64_t>(data.size()) / channels : 0; }
};

bool writeWav(const std::filesystem::path& file, const Samples& sound);

// Constant bit rate, with the encoder's tag frame so decoders drop the padding
// and give back exactly the frames written.
bool writeMp3(const std::filesystem::path& file, const Samples& sound, int kilobitsPerSecond);

}  // namespace synth
