// A location change of the demo game, in the terminal's session and in the
// window (offscreen, as events files play): N and 2N commands that each move
// the player (east to the forge, west back to the square) played in one
// process; the time per command is the difference over N, so the start-up and
// the first decodes are not part of it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <memory>

#include "shell/player_input.h"
#include "terminal/session.h"
#include "ui/window_session.h"

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_GAMES_DIR) / "mirandel";

// A copy of the demo game, removed afterwards.
struct DemoCopy {
  DemoCopy() {
    folder = std::filesystem::temp_directory_path() / ("mirandel-location-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::copy(kDemoGame, folder);
  }
  ~DemoCopy() { std::filesystem::remove_all(folder); }
  std::filesystem::path folder;
};

double secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Plays N, then 2N location changes on a fresh game each; reports the time of
// one command as (t(2N) - t(N)) / N.
void measureLocationChanges(benchmark::State& state,
                            const std::function<std::function<void(const char*)>(const DemoCopy&)>& startGame,
                            const std::function<void()>& endGame) {
  const int n = static_cast<int>(state.range(0));
  double perCommand = 0;
  for (auto _ : state) {
    double times[2];
    for (int round = 0; round < 2; ++round) {
      DemoCopy demo;
      auto type = startGame(demo);
      type("NOVO");
      const int commands = n * (round + 1);
      times[round] = secondsOf([&] {
        for (int i = 0; i < commands; ++i) type(i % 2 == 0 ? "LESTE" : "OESTE");
      });
      endGame();  // before its folder goes
    }
    perCommand = (times[1] - times[0]) / n;
    state.SetIterationTime(perCommand);
  }
  state.counters["ms_per_command"] = perCommand * 1000;
}

void BM_TerminalLocationChange(benchmark::State& state) {
  std::unique_ptr<terminal::Session> session;
  measureLocationChanges(state, [&](const DemoCopy& demo) -> std::function<void(const char*)> {
    session = std::make_unique<terminal::Session>();
    terminal::TerminalOptions options;
    options.start.gameFolder = demo.folder.string();
    options.mute = true;
    session->start(options);
    session->queue.post({shell::PlayerInput::Kind::Start, {}});
    return [&](const char* command) { session->queue.post({shell::PlayerInput::Kind::Type, command}); };
  }, [&] { session.reset(); });
}
BENCHMARK(BM_TerminalLocationChange)->Arg(40)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WindowLocationChange(benchmark::State& state) {
  std::unique_ptr<ui::WindowSession> session;
  measureLocationChanges(state, [&](const DemoCopy& demo) -> std::function<void(const char*)> {
    ui::WindowOptions options;
    options.start.gameFolder = demo.folder.string();
    options.scripted = true;
    session = std::make_unique<ui::WindowSession>(options);
    session->start();
    session->deliver({shell::PlayerInput::Kind::Start, {}});
    return [&](const char* command) { session->deliver({shell::PlayerInput::Kind::Type, command}); };
  }, [&] { session.reset(); });
}
BENCHMARK(BM_WindowLocationChange)->Arg(40)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
