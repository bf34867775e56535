// Undo on the demo game: what one snapshot of the whole state costs (time, and
// the heap a hundred of them hold: pictures are shared, so it is mostly text),
// and one undo with its redo (the state assigned back, the music and rain
// resumed, the saved set written), against one typed command.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>

#include "base/text.h"
#include "shell/game_start.h"
#include "shell/input_queue.h"
#include "shell/input_wiring.h"
#include "shell/startup.h"
#include "support_bench.h"

namespace {

const std::filesystem::path kDemoGame = std::filesystem::path(MIRANDEL_GAMES_DIR) / "mirandel";

// The demo game copied and played for twenty turns of its walkthrough.
struct DemoInPlay {
  DemoInPlay() : queue(game) {
    folder = std::filesystem::temp_directory_path() / ("mirandel-undo-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::copy(kDemoGame, folder);
    shell::StartOptions options;
    options.gameFolder = folder.string();
    shell::start(game, options);
    shell::connectPlayerInput(queue);
    queue.post({shell::PlayerInput::Kind::Start, {}});
    for (const char* command : {"NOVO", "LESTE", "PEGUE A P\xC1", "OESTE", "OESTE", "ABRA O BA\xDA", "PEGUE A LANTERNA",
                                "LESTE", "SUL", "SUL", "EXAMINE O SACO", "PEGUE OS F\xD3SFOROS", "ACENDA A LANTERNA",
                                "NORTE", "LESTE", "CAVE", "PEGUE O BADALO", "OESTE", "NORTE", "OESTE"})
      queue.post({shell::PlayerInput::Kind::Type, command});
  }
  ~DemoInPlay() { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
  backends::HeadlessHost host;
  shell::Game game{host};
  shell::InputQueue queue;
};

void BM_Snapshot(benchmark::State& state) {
  DemoInPlay demo;
  for (auto _ : state) {
    model::GameState snapshot = demo.game.state();
    benchmark::DoNotOptimize(snapshot);
  }
  // The heap a hundred snapshots hold.
  const size_t before = mallinfo2().uordblks;
  std::vector<model::GameState> hundred(100, demo.game.state());
  state.counters["heap_of_100_snapshots_KiB"] = double(mallinfo2().uordblks - before) / 1024;
}
BENCHMARK(BM_Snapshot)->Unit(benchmark::kMicrosecond);

void BM_UndoAndRedo(benchmark::State& state) {
  DemoInPlay demo;
  for (auto _ : state) {
    demo.queue.post({shell::PlayerInput::Kind::Undo, {}});
    demo.queue.post({shell::PlayerInput::Kind::Redo, {}});
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}
BENCHMARK(BM_UndoAndRedo)->Unit(benchmark::kMillisecond);

// The anchor: one typed command that changes nothing (the place described again).
void BM_TypedCommand(benchmark::State& state) {
  DemoInPlay demo;
  for (auto _ : state) demo.queue.post({shell::PlayerInput::Kind::Type, "OLHE"});
}
BENCHMARK(BM_TypedCommand)->Unit(benchmark::kMillisecond);

}  // namespace
