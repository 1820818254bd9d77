// Hiding every other row with one HideRowList and showing them again with
// UnHideRowList, on 1,000,000 rows against the same on 100,000 rows in the
// same run. Goal: linear, the larger grid at most 12 times the smaller.
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/IntList.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_HideEveryOtherRow(benchmark::State& state) {
  const int rows = int(state.range(0));
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(rows);
  for (int r = 0; r < rows; r += 97) grid.SetCellEx(1, r, QString::number(r));
  TIntList list(-1, -1);
  for (int r = 1; r < rows; r += 2) list.Add(r);
  for (auto _ : state) {
    grid.HideRowList(list);
    grid.UnHideRowList();
    grid.SetFilterLevel(0);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_HideEveryOtherRow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
