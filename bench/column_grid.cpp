// The per-cell questions that painting asks (colours, cell type, painted
// text) over a table of 1,025 rows and 12 columns: the column grid answering
// from its definitions against the same string grid without definitions, in
// the same run. Goal: the column grid at most twice the string grid's time.
#include "grid/core/CellGraphic.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/PlexColumnGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int Rows = 1025;
constexpr int Cols = 12;

void Fill(TPlexStringGrid& g) {
  g.SetColCount(Cols);
  g.SetRowCount(Rows);
  for (int r = 1; r < Rows; ++r)
    for (int c = 1; c < Cols; ++c) g.SetCells(c, r, c % 4 == 2 ? QString(r % 2 ? "Y" : "N") : QString::number(r * c));
}

// Set up as the table editors set up their columns (none of them sets a float format).
std::unique_ptr<TPlexColumnGrid> ColumnGrid() {
  auto g = std::make_unique<TPlexColumnGrid>(nullptr);
  Fill(*g);
  for (int c = 0; c < Cols; ++c) {
    TGridColumnItem* d = g->Columns()[c];
    d->HeaderFont().SetStyle(TFontStyles{fsBold});
    if (c % 4 == 2) d->SetEditor(edDataCheckBox);
    if (c % 4 == 3) d->SetEditor(edComboList);
  }
  return g;
}

std::unique_ptr<TPlexStringGrid> StringGrid() {
  auto g = std::make_unique<TPlexStringGrid>(nullptr);
  Fill(*g);
  return g;
}

template <class Grid>
void CellColors(benchmark::State& state, Grid& g) {
  TBrush brush;
  TFont font;
  for (auto _ : state)
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) g.DoGetCellColor(r, c, TGridDrawState(), brush, font);
  state.SetItemsProcessed(state.iterations() * Rows * Cols);
}

template <class Grid>
void CellTypes(benchmark::State& state, Grid& g) {
  for (auto _ : state) {
    int checks = 0;
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) checks += g.GetCellType(c, r) == ctDataCheckBox;
    benchmark::DoNotOptimize(checks);
  }
  state.SetItemsProcessed(state.iterations() * Rows * Cols);
}

template <class Grid>
void FormattedCells(benchmark::State& state, Grid& g) {
  for (auto _ : state) {
    qsizetype total = 0;
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < Cols; ++c) total += g.GetFormattedCell(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * Rows * Cols);
}

void BM_StringGridCellColor(benchmark::State& s) { CellColors(s, *StringGrid()); }
void BM_ColumnGridCellColor(benchmark::State& s) { CellColors(s, *ColumnGrid()); }
void BM_StringGridCellType(benchmark::State& s) { CellTypes(s, *StringGrid()); }
void BM_ColumnGridCellType(benchmark::State& s) { CellTypes(s, *ColumnGrid()); }
void BM_StringGridFormattedCell(benchmark::State& s) { FormattedCells(s, *StringGrid()); }
void BM_ColumnGridFormattedCell(benchmark::State& s) { FormattedCells(s, *ColumnGrid()); }

}  // namespace

BENCHMARK(BM_StringGridCellColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnGridCellColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGridCellType)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnGridCellType)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGridFormattedCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnGridFormattedCell)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
