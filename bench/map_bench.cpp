// Adding a piece to a large map: addmap= on a 2000 x 2000 map — the piece loaded
// and drawn (the map itself now reaches the disk with the run's save, and only
// when it changed: bench/save_bench.cpp) — against writing the same bitmap bytes
// with one fwrite. The addition should stay within 3 times the bare write.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "graphics/bitmap_file.h"
#include "model/dispatch.h"
#include "support_bench.h"

namespace {

struct MapBench {
  MapBench() {
    QImage piece(64, 64, QImage::Format_RGB32);
    piece.fill(qRgb(200, 40, 40));
    piece.setPixel(0, 63, qRgb(0, 255, 0));
    piece.save(QString::fromStdString((bench.folder / "peca.png").string()), "PNG");
    QImage map(2000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
      for (int x = 0; x < map.width(); ++x) map.setPixel(x, y, qRgb(x & 255, y & 255, (x ^ y) & 255));
    bench.game.map.MapJog = map;
  }
  BenchGame bench;
};

void BM_AddToMap(benchmark::State& state) {
  MapBench m;
  model::Statement statement;
  statement.keyword = "addmap=";
  statement.args = {"500", "700", "peca.png", "mapa.bmp"};
  const auto handler = m.bench.game.dispatch.find("addmap=");
  for (auto _ : state) handler(m.bench.game, statement);
  state.SetBytesProcessed(int64_t(state.iterations()) * 2000 * 2000 * 3);
}
BENCHMARK(BM_AddToMap)->Unit(benchmark::kMillisecond);

void BM_WriteBitmapBytes(benchmark::State& state) {
  MapBench m;
  const std::string bytes = graphics::encodeBitmap(m.bench.game.map.MapJog);
  const std::string path = (m.bench.folder / "bruto.bmp").string();
  for (auto _ : state) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * 2000 * 2000 * 3);
}
BENCHMARK(BM_WriteBitmapBytes)->Unit(benchmark::kMillisecond);

}  // namespace
