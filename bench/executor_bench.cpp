// Statements per second of the executor on long generated scripts.
#include <benchmark/benchmark.h>

#include "backends/headless_host.h"
#include "shell/game.h"
#include "shell/startup.h"
#include "shell/turn.h"
#include "support_bench.h"

namespace {

// The statements/s counter: statements executed per run times the runs.
void countStatements(benchmark::State& state, double perRun) {
  state.counters["statements/s"] =
      benchmark::Counter(perRun * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

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
  for (auto _ : state) shell::runScript(bench.game, "longo");
  countStatements(state, lines);
}
BENCHMARK(BM_StraightScript)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A counting loop: reg+, ifreg< and goto, three statements per round; the
// label lines are never executed (jumps land on the line after them).
void BM_CountingLoop(benchmark::State& state) {
  BenchGame bench;
  const int rounds = static_cast<int>(state.range(0));
  bench.writeScript("conta",
                    "reg= 1,0\r\n:volta\r\nreg+ 1,1\r\nifreg< 1," + std::to_string(rounds) +
                        ",segue\r\ngoto fim\r\n:segue\r\ngoto volta\r\n:fim\r\n");
  for (auto _ : state) shell::runScript(bench.game, "conta");
  if (bench.game.Regs.at(1) != std::to_string(rounds)) state.SkipWithError("the loop did not count");
  countStatements(state, 3.0 * rounds);
}
BENCHMARK(BM_CountingLoop)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Jumps in a long script: a goto to a label near the end of the script and a
// goto back, repeated a million times; a jump must cost the same whatever the
// length of the script (the argument is the number of filler labels, each
// with one line after it: 50000 make a script of 100 000 lines).
void BM_LongScriptJump(benchmark::State& state) {
  BenchGame bench;
  const int lines = static_cast<int>(state.range(0));
  const int rounds = 1000000;
  std::string script = "reg= 1,0\r\n:volta\r\nreg+ 1,1\r\nifreg< 1," + std::to_string(rounds) +
                       ",longe\r\nfim\r\n";
  for (int i = 0; i < lines; ++i) script += ":l" + std::to_string(i) + "\r\npausa= 1\r\n";
  script += ":longe\r\ngoto volta\r\n";
  bench.writeScript("longo", script);
  for (auto _ : state) shell::runScript(bench.game, "longo");
  if (bench.game.Regs.at(1) != std::to_string(rounds)) state.SkipWithError("the loop did not count");
  countStatements(state, 3.0 * rounds);
}
BENCHMARK(BM_LongScriptJump)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
