// Decoding the demo game's title theme as the player does (opening with its
// length scan, reading in chunks) against bare libmpg123 decoding of the same
// file into the same buffer. The player should stay within 1.1 times.
#include <benchmark/benchmark.h>
#include <mpg123.h>

#include <vector>

#include "media/sound_decoders.h"

namespace {

const std::string kTheme = std::string(MIRANDEL_GAMES_DIR) + "/mirandel/mirandel.mp3";
constexpr int64_t kChunkFrames = 4096;

void BM_PlayerDecodesTheTheme(benchmark::State& state) {
  std::vector<int16_t> buffer(kChunkFrames * 2);
  int64_t frames = 0;
  for (auto _ : state) {
    std::string error;
    auto sound = media::openSound(kTheme, error);
    if (!sound) {
      state.SkipWithError(("cannot decode " + kTheme + ": " + error).c_str());
      return;
    }
    frames = 0;
    while (int64_t got = sound->read(buffer.data(), kChunkFrames)) frames += got;
    benchmark::DoNotOptimize(buffer.data());
  }
  state.counters["frames"] = static_cast<double>(frames);
}
BENCHMARK(BM_PlayerDecodesTheTheme)->Unit(benchmark::kMillisecond);

void BM_BareLibmpg123DecodesTheTheme(benchmark::State& state) {
  mpg123_init();
  std::vector<unsigned char> buffer(kChunkFrames * 2 * sizeof(int16_t));
  size_t bytes = 0;
  for (auto _ : state) {
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_format_none(handle);
    mpg123_format(handle, 22050, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(handle, kTheme.c_str()) != MPG123_OK) {
      state.SkipWithError(("cannot open " + kTheme).c_str());
      mpg123_delete(handle);
      return;
    }
    bytes = 0;
    for (;;) {
      size_t done = 0;
      const int result = mpg123_read(handle, buffer.data(), buffer.size(), &done);
      bytes += done;
      if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;
    }
    benchmark::DoNotOptimize(buffer.data());
    mpg123_delete(handle);
  }
  state.counters["frames"] = static_cast<double>(bytes / 2);
}
BENCHMARK(BM_BareLibmpg123DecodesTheTheme)->Unit(benchmark::kMillisecond);

}  // namespace
