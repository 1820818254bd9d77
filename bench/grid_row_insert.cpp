// Inserting 1,000 rows one at a time at row 1 of a 10,000-row and of a
// 100,000-row string grid, in the same run. An insert moves each row below
// once, so its cost grows with the rows below it: ten times the rows should
// cost about ten times as much per insert (goal: a ratio of at most 12),
// never the square of it.
#include "grid/core/PlexStringGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

constexpr int Inserts = 1000;
constexpr int Columns = 6;

// Seconds per insert at row 1 of a grid with Rows filled rows.
double SecondsPerInsert(int Rows) {
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(Columns);
  grid.SetRowCount(Rows);
  for (int r = 0; r < Rows; ++r)
    for (int c = 0; c < Columns; ++c) grid.SetCellEx(c, r, QString::number(r * Columns + c));
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Inserts; ++i) grid.InsertRows(1, 1, true);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  benchmark::DoNotOptimize(grid.RowCount());
  return took.count() / Inserts;
}

void BM_InsertRowAtTop(benchmark::State& state) {
  double small = 0, large = 0;
  for (auto _ : state) {
    small = SecondsPerInsert(10000);
    large = SecondsPerInsert(100000);
  }
  state.counters["us_per_insert_10k"] = small * 1e6;
  state.counters["us_per_insert_100k"] = large * 1e6;
  state.counters["ratio"] = small > 0 ? large / small : 0;
}

}  // namespace

BENCHMARK(BM_InsertRowAtTop)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
