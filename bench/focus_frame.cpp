// The blur of the grid's focus frame. At most 41 rows and 41 columns are
// blurred and the rest copied, so the cost follows the frame's width plus
// height, not its area (compare 400 x 30 with 400 x 400).
#include "grid/foundation/FocusFrameMask.h"
#include "grid/foundation/GaussianBlur.h"
#include "platform/Graphics.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_FrameMaskBlur(benchmark::State& state) {
  const int width = int(state.range(0)), height = int(state.range(1));
  TBitmap mask;
  CreateRoundRectMask(mask, width, height, 4, 5, 0);
  TBitmap work;
  for (auto _ : state) {
    state.PauseTiming();
    work.Assign(mask);
    state.ResumeTiming();
    GaussianBlur(work, 3);
    benchmark::DoNotOptimize(work.ScanLine(0));
  }
}
BENCHMARK(BM_FrameMaskBlur)->Args({80, 30})->Args({400, 30})->Args({2000, 30})->Args({400, 400});

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
