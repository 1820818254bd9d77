// Writing and reading 1,000,000 cell texts through the platform grid, the
// base grid and the string grid, against a plain vector of the same size in
// the same run.
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/BaseGrid.h"
#include "platform/Grids.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int Side = 1000;
constexpr int CellCount = Side * Side;

const std::vector<QString>& Texts() {
  static const std::vector<QString> texts = [] {
    std::vector<QString> t;
    t.reserve(CellCount);
    for (int i = 0; i < CellCount; ++i) t.push_back(QString::number(i));
    return t;
  }();
  return texts;
}

void BM_Vector(benchmark::State& state) {
  const auto& texts = Texts();
  std::vector<QString> cells(CellCount);
  for (auto _ : state) {
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) cells[size_t(r) * Side + c] = texts[size_t(r) * Side + c];
    qsizetype total = 0;
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) total += cells[size_t(r) * Side + c].size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * CellCount);
}

void BM_StringGridCells(benchmark::State& state) {
  const auto& texts = Texts();
  TStringGrid grid(nullptr);
  grid.SetColCount(Side);
  grid.SetRowCount(Side);
  for (auto _ : state) {
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) grid.SetCells(c, r, texts[size_t(r) * Side + c]);
    qsizetype total = 0;
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) total += grid.Cells(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * CellCount);
}

void BM_BaseGridCellEx(benchmark::State& state) {
  const auto& texts = Texts();
  TBaseGrid grid(nullptr);
  grid.SetColCount(Side);
  grid.SetRowCount(Side);
  for (auto _ : state) {
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) grid.SetCellEx(c, r, texts[size_t(r) * Side + c]);
    qsizetype total = 0;
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) total += grid.GetCellEx(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * CellCount);
}

void BM_PlexStringGridCells(benchmark::State& state) {
  const auto& texts = Texts();
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(Side);
  grid.SetRowCount(Side);
  for (auto _ : state) {
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) grid.SetCellEx(c, r, texts[size_t(r) * Side + c]);
    qsizetype total = 0;
    for (int r = 0; r < Side; ++r)
      for (int c = 0; c < Side; ++c) total += grid.GetCellEx(c, r).size();
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * CellCount);
}

}  // namespace

BENCHMARK(BM_Vector)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StringGridCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaseGridCellEx)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlexStringGridCells)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
