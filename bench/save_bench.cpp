// The save after a run: one turn of a game in play (registers, position and
// objects saved as one set) when the turn changed them, when it changed
// nothing, and when it entered a place again and drew the same map piece on a
// 256 x 256 map (a saved map of 193 KB). The counters give the flushes to the
// disk per turn: at most 2 on a changing turn, 0 on one that changes nothing.
#include <benchmark/benchmark.h>

#include "base/file_io.h"
#include "shell/turn.h"
#include "support_bench.h"

namespace {

struct SaveBench {
  SaveBench() {
    auto& game = bench.game;
    game.world.gameLoaded = true;
    // An object table of 40 objects of 8 lines, like a small game's.
    for (int i = 0; i < 40; ++i)
      for (const char* line : {"objeto", "descri\xE7\xE3o", "0", "praca", "0", "0", "0", "0"})
        game.world.Objx.push_back(line);
    QImage map(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
      for (int x = 0; x < map.width(); ++x) map.setPixel(x, y, qRgb(x, y, (x ^ y) & 255));
    map.save(QString::fromStdString((bench.folder / "base.png").string()), "PNG");
    QImage piece(16, 16, QImage::Format_RGB32);
    piece.fill(qRgb(200, 40, 40));
    piece.setPixel(0, 15, qRgb(0, 255, 0));
    piece.save(QString::fromStdString((bench.folder / "peca.png").string()), "PNG");
    bench.writeScript("turno", "reg+ 49,1\r\nsetpos= #49\r\n");
    bench.writeScript("nada", "reg= 2,x\r\n");
    bench.writeScript("lugar", "reg= 2,x\r\nloadmap= base.png,mapa.bmp\r\naddmap= 88,68,peca.png,mapa.bmp\r\n");
  }
  // Runs the script once per iteration; reports flushes per turn.
  void turns(benchmark::State& state, const std::string& script) {
    shell::runScript(bench.game, script);
    const auto before = base::diskFlushCount();
    for (auto _ : state) shell::runScript(bench.game, script);
    state.counters["flushes_per_turn"] =
        benchmark::Counter(double(base::diskFlushCount() - before) / double(state.iterations()));
  }
  BenchGame bench;
};

void BM_SaveOfAChangingTurn(benchmark::State& state) { SaveBench().turns(state, "turno"); }
BENCHMARK(BM_SaveOfAChangingTurn)->Unit(benchmark::kMicrosecond);

void BM_SaveOfAnUnchangedTurn(benchmark::State& state) { SaveBench().turns(state, "nada"); }
BENCHMARK(BM_SaveOfAnUnchangedTurn)->Unit(benchmark::kMicrosecond);

void BM_SaveOfAPlaceEnteredAgain(benchmark::State& state) { SaveBench().turns(state, "lugar"); }
BENCHMARK(BM_SaveOfAPlaceEnteredAgain)->Unit(benchmark::kMicrosecond);

}  // namespace
