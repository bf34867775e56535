// The pointer and the text box: a mouse move over a full table of hot spots must
// cost next to nothing (the window sends one per pixel the pointer crosses), and
// a page-sized text box with links must draw well inside one frame (16 ms).
#include <benchmark/benchmark.h>

#include "support_bench.h"
#include "view/layout.h"
#include "view/pointer.h"
#include "view/text_box.h"

namespace {

struct PointerBench {
  PointerBench() {
    view::applyStartLayout(bench.game);
    for (int i = 0; i < model::kHotSpotSlots; ++i) {
      model::HotSpot spot;
      spot.x = (i % 10) * 60, spot.y = (i / 10) * 25, spot.width = 50, spot.height = 20;
      spot.action = model::RunScript{"s" + std::to_string(i)};
      spot.cursorCode = i % 12;
      bench.game.hotSpots.add(model::surfaceOfSlot(i), spot);
    }
  }
  BenchGame bench;
};

void BM_MoveOverFullTable(benchmark::State& state) {
  PointerBench b;
  int x = 0;
  for (auto _ : state) {
    view::pointerMoved(b.bench.game, model::PointerSurface::Tela3, x, 240);
    x = (x + 7) % 600;
    benchmark::DoNotOptimize(b.bench.game.pointer.hoveredSlot);
  }
}
BENCHMARK(BM_MoveOverFullTable);

void BM_PageSizedTextBoxWithLinks(benchmark::State& state) {
  PointerBench b;
  std::string text;
  for (int i = 0; i < 150; ++i) text += i % 15 == 7 ? "@um link|alvo| " : "palavra ";
  view::TextBox box;
  box.text = text;
  box.x = 0, box.y = 0;
  for (auto _ : state) {
    b.bench.game.hotSpots.clear();
    view::drawTextBox(b.bench.game, box, graphics::SurfaceId::TelMod3);
  }
}
BENCHMARK(BM_PageSizedTextBoxWithLinks)->Unit(benchmark::kMicrosecond);

}  // namespace
