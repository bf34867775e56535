// How the time of a path grows with its work: each benchmark runs its path at N
// and at 10 N and reports both times and their ratio ("ratio": about 10 when the
// time grows linearly, about 100 when it grows with the square).
#include <QApplication>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "base/file_io.h"
#include "model/defs.h"
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

// Runs path(N) and path(10 N) once per iteration; a fresh setup before each is
// not timed. MIRANDEL_GROWTH_N, when set, replaces every path's N (a slow
// build of the player may need a smaller one to finish).
void measureGrowth(benchmark::State& state, int n, const std::function<std::function<void()>(int)>& prepare) {
  if (const char* given = std::getenv("MIRANDEL_GROWTH_N")) n = std::max(1, std::atoi(given));
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
    session->game.screen.Modelo = model::DisplayModeSetting::parse(mode);
    return [this] { shell::runScript(session->game, "s"); };
  }
  BenchGame bench{false};  // the folder; the window plays it
  std::unique_ptr<ui::WindowSession> session;
};

std::string repeated(const std::string& line, int n) {
  std::string lines;
  for (int i = 0; i < n; ++i) lines += line + "\n";
  return lines;
}

// Quoted texts add to the strip under the picture (mode "1").
void BM_Growth_QuotedTextsThroughWindow(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 1000, [&](int n) { return window.runOf("1", "clearmsg\n" + repeated("'texto'", n)); });
}
BENCHMARK(BM_Growth_QuotedTextsThroughWindow)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The same from 10 000 to 100 000 texts and from 100 000 to 1 000 000 (three
// letters each, so a million stay under the text cap): the strip's memo shows
// the end of a text that long, and the run stays linear.
void BM_Growth_QuotedTextsThroughWindowLarge(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, static_cast<int>(state.range(0)),
                [&](int n) { return window.runOf("1", "clearmsg\n" + repeated("'abc'", n)); });
}
BENCHMARK(BM_Growth_QuotedTextsThroughWindowLarge)->Arg(10'000)->Arg(100'000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Growth_AppendedMessagesThroughWindowLarge(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 10'000, [&](int n) { return window.runOf("1", "clearmsg\n" + repeated("msg+ x", n)); });
}
BENCHMARK(BM_Growth_AppendedMessagesThroughWindowLarge)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Growth_TypewriterThroughWindowLarge(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 10'000,
                [&](int n) { return window.runOf("0", "clearmsg\nveltec= 0\n" + repeated("'texto'", n)); });
}
BENCHMARK(BM_Growth_TypewriterThroughWindowLarge)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// msg+ adds to the strip (mode "1").
void BM_Growth_AppendedMessagesThroughWindow(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 1000, [&](int n) { return window.runOf("1", "clearmsg\n" + repeated("msg+ x", n)); });
}
BENCHMARK(BM_Growth_AppendedMessagesThroughWindow)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The typewriter page types character by character (mode "0", no pause).
void BM_Growth_TypewriterThroughWindow(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 500,
                [&](int n) { return window.runOf("0", "clearmsg\nveltec= 0\n" + repeated("'texto'", n)); });
}
BENCHMARK(BM_Growth_TypewriterThroughWindow)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Lines of the mode-"2" page, written and shown at the end of the run.
void BM_Growth_PageTextThroughWindow(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 1000, [&](int n) { return window.runOf("2", repeated("msg= uma linha da p\xE1gina", n)); });
}
BENCHMARK(BM_Growth_PageTextThroughWindow)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A page of nested markup shown by the page view.
void BM_Growth_NestedMarkup(benchmark::State& state) {
  BenchWindow window;
  measureGrowth(state, 1000, [&](int n) {
    std::string page = "<html><body>";
    for (int i = 0; i < n; ++i) page += "<b>";
    page += "texto";
    for (int i = 0; i < n; ++i) page += "</b>";
    page += "</body></html>";
    return [&window, page] {
      auto& screen = window.session->game.screen;
      screen.pageShown.clear();
      screen.pageHtml = page;
      window.session->window.refresh(window.session->game);
    };
  });
}
BENCHMARK(BM_Growth_NestedMarkup)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole of 100 000 quoted texts through the window (the strip of mode "1").
void BM_HundredThousandQuotedTextsThroughWindow(benchmark::State& state) {
  BenchWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    auto run = window.runOf("1", "clearmsg\n" + repeated("'texto'", 100000));
    state.ResumeTiming();
    run();
  }
}
BENCHMARK(BM_HundredThousandQuotedTextsThroughWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// A loop that shows a missing picture n times: every round adds a line to the
// debug log, which is in debug.txt at once.
void BM_Growth_DebugLog(benchmark::State& state) {
  BenchGame bench;
  measureGrowth(state, 1000, [&](int n) {
    bench.writeScript("s", "reg= 1,0\n:volta\ndisplay= nada.bmp,tel\nreg+ 1,1\nifreg< 1," + std::to_string(n) +
                               ",volta\n");
    bench.game.screen.Modelo = model::DisplayMode::Strip;
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
  base::writeTextLines(bench.folder / "mirandel.ini", model::DefinitionsTable::builtInRows());
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
