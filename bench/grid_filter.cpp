// Filtering 1,000,000 rows of a string grid with one expression condition on
// one column (half the rows match), against one pass of the matcher over the
// same texts in a vector, in one run. Goal: the grid at most 2 times the vector.
#include "grid/core/PlexStringGrid.h"
#include "grid/features/Filter.h"
#include "grid/foundation/FilterMatcher.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int Rows = 1000000;
const QString Condition = QStringLiteral("*5*|*7*|*9*|*0*|*2*");

// Every other text holds none of the digits the condition looks for.
std::vector<QString> Texts() {
  std::vector<QString> texts;
  texts.reserve(Rows);
  const char* odd[] = {"11", "13", "31", "33", "61", "66"};
  for (int i = 0; i < Rows; ++i)
    texts.push_back(i % 2 == 0 ? QString("row %1").arg(i * 10 + 5) : QString("row %1").arg(odd[i % 6]));
  return texts;
}

void BM_VectorMatch(benchmark::State& state) {
  const std::vector<QString> texts = Texts();
  for (auto _ : state) {
    int matched = 0;
    for (const QString& t : texts) matched += MatchFilter(Condition, t, true) ? 1 : 0;
    benchmark::DoNotOptimize(matched);
  }
}

void BM_GridFilter(benchmark::State& state) {
  const std::vector<QString> texts = Texts();
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(2);
  grid.SetRowCount(Rows + 1);
  for (int r = 0; r < Rows; ++r) grid.SetCells(1, r + 1, texts[size_t(r)]);
  TFilterData& f = grid.Filter().Insert(0);
  f.Column = 1;
  f.Condition = Condition;
  f.Operation = foNONE;
  for (auto _ : state) {
    grid.SetFilterActive(true);
    state.PauseTiming();
    grid.SetFilterActive(false);
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_VectorMatch)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_GridFilter)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
