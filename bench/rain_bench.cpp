// One tick of the rain on the main picture's size (670 x 280) with a mask and
// the HUD, against a memcpy moving as many bytes as the tick reads and writes
// (two layers read and one frame written: one and a half frames copied, plus
// the HUD read and written).
// The tick should stay within 3 times the copy.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <cstring>
#include <random>
#include <vector>

#include "media/rain.h"
#include "support_bench.h"

namespace {

constexpr int kWidth = 670, kHeight = 280, kHudWidth = 120, kHudHeight = 60;

QImage picture(uint32_t seed, bool keyed) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> colour(0, 255), chance(0, 9);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      image.setPixel(x, y, keyed && chance(random) != 0 ? 0xFFFF00FF : qRgb(colour(random), colour(random), colour(random)));
  return image;
}

struct RainGame : BenchGame {
  RainGame() {
    picture(1, true).save(QString::fromStdString((folder / "gotas.bmp").string()), "BMP");
    QImage mask = picture(2, false);
    QPainter(&mask).fillRect(0, 100, kWidth, 180, QColor(255, 0, 255));
    mask.save(QString::fromStdString((folder / "telhado.bmp").string()), "BMP");
    game.surfaces.BufTela = picture(3, false);
    game.surfaces.Hud = picture(4, true).copy(0, 0, kHudWidth, kHudHeight);
    game.screen.hudOn = true;
    game.screen.hudX = 500;
    game.screen.hudY = 10;
    game.media.rain.rainPicture = "gotas.bmp";
    game.media.rain.rainMask = "telhado.bmp";
    media::startRain(game);
  }
};

void BM_RainTick(benchmark::State& state) {
  RainGame rain;
  for (auto _ : state) {
    media::rainTick(rain.game);
    benchmark::DoNotOptimize(rain.game.surfaces.Tela.constBits());
  }
}
BENCHMARK(BM_RainTick);

void BM_MemcpyOfTheBytesATickTouches(benchmark::State& state) {
  const size_t frame = size_t(kWidth) * kHeight * 4;
  const size_t bytes = frame * 3 / 2 + size_t(kHudWidth) * kHudHeight * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MemcpyOfTheBytesATickTouches);

}  // namespace
