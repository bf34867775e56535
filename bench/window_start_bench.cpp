// Time from nothing to the opening screen on show, against a bare Qt window of the
// same size: what the player's start-up (table, lists, bitmaps, the window and its
// painted pictures) costs over Qt's own.
#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

#include "support_bench.h"
#include "ui/window_session.h"

namespace {

void waitUntilShown(QWidget& window) {
  while (!window.isVisible()) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

void BM_BareQtWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<QWidget>();
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setFixedSize(900, 420);
    window->show();
    waitUntilShown(*window);
    benchmark::DoNotOptimize(window->grab());
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond);

void BM_OpeningScreen(benchmark::State& state) {
  BenchGame bench{false};  // a game folder with its table, played by the window
  for (auto _ : state) {
    ui::WindowOptions options;
    options.start.gameFolder = bench.folder.string();
    options.scripted = true;
    auto session = std::make_unique<ui::WindowSession>(options);
    session->start();
    waitUntilShown(session->window);
    benchmark::DoNotOptimize(session->window.grab());
    state.PauseTiming();  // closing saves the game: not part of the start
    session.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpeningScreen)->Unit(benchmark::kMillisecond);

}  // namespace
