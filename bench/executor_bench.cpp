// Statements per second of the executor on long generated scripts.
#include <benchmark/benchmark.h>

#include "platform/headless_host.h"
#include "script/runner.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "support_bench.h"

namespace {

// A long straight script of register-free core statements and labels.
void BM_StraightScript(benchmark::State& state) {
  BenchGame bench;
  const int lines = static_cast<int>(state.range(0));
  std::string script;
  for (int i = 0; i < lines; ++i) {
    switch (i % 4) {
      case 0: script += "setpos= sala" + std::to_string(i) + "\r\n"; break;
      case 1: script += "pausa= 10\r\n"; break;
      case 2: script += "/ um comentário\r\n"; break;
      case 3: script += "getvar= 5,Posic\r\n"; break;
    }
  }
  bench.writeScript("longo", script);
  for (auto _ : state) script::runScript(bench.game, "longo");
  state.counters["statements/s"] =
      benchmark::Counter(static_cast<double>(lines) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StraightScript)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
