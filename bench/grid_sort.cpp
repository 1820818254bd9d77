// Sorting 1,000,000 rows of a string grid on one column, once of distinct
// random numbers and once of distinct texts, against std::stable_sort of the
// same key texts in a vector compared the same way (ordinal text; the same
// number reading), in one run. Goal: the grid at most 1.5 times the vector.
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/NumberDateRoutines.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr int Rows = 1000000;

// Distinct keys in a random order: numbers as text, or texts of letters.
std::vector<QString> Keys(bool Numbers) {
  std::vector<int> values(Rows);
  std::iota(values.begin(), values.end(), 0);
  std::mt19937 random(7);
  std::shuffle(values.begin(), values.end(), random);
  std::vector<QString> keys;
  keys.reserve(Rows);
  for (int v : values) {
    if (Numbers) {
      keys.push_back(QString::number(v * 3 + 1));
    } else {
      QString t = "key ";
      for (int n = v, i = 0; i < 5; ++i, n /= 26) t += QChar(u'a' + n % 26);
      keys.push_back(t);
    }
  }
  return keys;
}

int CompareNumbers(const QString& A, const QString& B) {
  double a = 0, b = 0;
  ReadLeadingNumber(A, a);
  ReadLeadingNumber(B, b);
  return a < b ? -1 : a > b ? 1 : 0;
}

void BM_VectorStableSort(benchmark::State& state) {
  const bool numbers = state.range(0) != 0;
  const std::vector<QString> keys = Keys(numbers);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<QString> v = keys;
    state.ResumeTiming();
    if (numbers)
      std::stable_sort(v.begin(), v.end(), [](const QString& a, const QString& b) { return CompareNumbers(a, b) < 0; });
    else
      std::stable_sort(v.begin(), v.end(), [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    benchmark::DoNotOptimize(v.data());
  }
}

void BM_GridSort(benchmark::State& state) {
  const bool numbers = state.range(0) != 0;
  const std::vector<QString> keys = Keys(numbers);
  TPlexStringGrid grid(nullptr);
  grid.SetColCount(2);
  grid.SetRowCount(Rows + 1);
  grid.OnGetFormat = [numbers](TObject*, int, TSortStyle& Style, QString&, QString&) {
    Style = numbers ? ssNumeric : ssAlphabetic;
  };
  for (auto _ : state) {
    state.PauseTiming();
    for (int r = 0; r < Rows; ++r) grid.SetCells(1, r + 1, keys[size_t(r)]);
    state.ResumeTiming();
    grid.Sort(1, sdAscending);
  }
}

}  // namespace

BENCHMARK(BM_VectorStableSort)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_GridSort)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
