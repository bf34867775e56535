// How the time of a path grows with its work: each benchmark runs its path at N
// and at 10 N and reports both times and their ratio ("ratio": about 10 when the
// time grows linearly, about 100 when it grows with the square).
#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "base/file_io.h"
#include "shell/defs.h"
#include "shell/turn.h"
#include "support_bench.h"
#include "ui/window_session.h"
#include "world/game_load.h"

namespace {

// The seconds one call takes.
double secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Runs path(N) and path(10 N) once per iteration; a fresh setup before each is not timed.
void measureGrowth(benchmark::State& state, int n, const std::function<std::function<void()>(int)>& prepare) {
  double small = 0, large = 0;
  for (auto _ : state) {
    auto atN = prepare(n);
    small = secondsOf(atN);
    auto atTenN = prepare(10 * n);
    large = secondsOf(atTenN);
    state.SetIterationTime(small + large);
  }
  state.counters["N"] = n;
  state.counters["ms_N"] = small * 1000;
  state.counters["ms_10N"] = large * 1000;
  state.counters["ratio"] = small > 0 ? large / small : 0;
}

// A window on a game folder, offscreen, as events files play: every repaint a
// run asks for refreshes the window from the model.
struct BenchWindow {
  BenchWindow() {
    ui::WindowOptions options;
    options.start.gameFolder = bench.folder.string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
    session->game.world.gameLoaded = false;  // nothing to save between runs
  }
  // A run of the script in the display mode, through the window.
  std::function<void()> runOf(const std::string& mode, const std::string& lines) {
    bench.writeScript("s", lines);
    session->game.screen.Modelo = mode;
    return [this] { shell::runScript(session->game, "s"); };
  }
  BenchGame bench;
  std::unique_ptr<ui::WindowSession> session;
};

// A loop that shows a missing picture n times: every round adds a line to the
// debug log, which is in debug.txt at once.
void BM_Growth_DebugLog(benchmark::State& state) {
  BenchGame bench;
  measureGrowth(state, 1000, [&](int n) {
    bench.writeScript("s", "reg= 1,0\n:volta\ndisplay= nada.bmp,tel\nreg+ 1,1\nifreg< 1," + std::to_string(n) +
                               ",volta\n");
    bench.game.screen.Modelo = "1";
    return [&bench, n] {
      shell::runScript(bench.game, "s");
      if (bench.game.Regs.at(1) != std::to_string(n)) throw std::runtime_error("the loop did not run to its end");
    };
  });
}
BENCHMARK(BM_Growth_DebugLog)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Loading a game whose object key file lists its keys in reverse order.
void BM_Growth_ObjectKeys(benchmark::State& state) {
  BenchGame bench;
  base::writeTextLines(bench.folder / "mirandel.ini", shell::DefinitionsTable::builtInRows());
  base::writeTextLines(bench.folder / "mirandel.rgs", {});
  base::writeTextLines(bench.folder / "mirandel.obx", {});
  measureGrowth(state, 20000, [&](int n) {
    base::Lines keys;
    for (int i = n; i > 0; --i) keys.push_back("objeto" + std::to_string(1000000 + i));
    base::writeTextLines(bench.folder / "mirandel.obz", keys);
    return [&bench, n] {
      world::loadGame(bench.game, "mirandel");
      if (bench.game.world.Objs.size() != size_t(n) || bench.game.world.Objs.front() != "objeto1000001")
        throw std::runtime_error("the keys were not loaded in order");
    };
  });
}
BENCHMARK(BM_Growth_ObjectKeys)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A traced run of a script of n labels: each label's line in the trace lists
// the lines that refer to it.
void BM_Growth_TraceLabels(benchmark::State& state) {
  BenchGame bench;
  size_t traced = 0;
  bench.game.traceHook = [&traced](const std::string& line) { traced += line.size(); };
  measureGrowth(state, 3000, [&](int n) {
    std::string script;
    for (int i = 0; i < n; ++i) script += ":rotulo" + std::to_string(i) + "\n";
    bench.writeScript("s", script);
    return [&bench] { shell::runScript(bench.game, "s"); };
  });
  benchmark::DoNotOptimize(traced);
}
BENCHMARK(BM_Growth_TraceLabels)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// An events-file "type" of n letters, key by key through the window's command box.
void BM_Growth_TypedEvents(benchmark::State& state) {
  BenchWindow window;
  window.session->deliver({shell::PlayerInput::Kind::Start, {}});
  measureGrowth(state, 2000, [&](int n) {
    return [&window, n] { window.session->deliver({shell::PlayerInput::Kind::Type, std::string(size_t(n), 'a')}); };
  });
}
BENCHMARK(BM_Growth_TypedEvents)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
