// Painting one screen of the string grid: a 1,000,000-row grid at its top and
// scrolled to row 500,000 against the same screen of a 100-row grid in the
// same run (the cost must not follow the row count); and the resident memory
// of a 1,000,000 x 10 grid of distinct 8-character texts against the same
// texts in a plain vector.
#include "grid/core/PlexStringGrid.h"
#include "platform/ControlPicture.h"
#include "platform/FontSubstitutes.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int Cols = 10;
constexpr int ScrolledRow = 500000;

// Fills the cells a screen shows from FirstRow on, the same texts whatever the row.
void FillScreen(TPlexStringGrid& Grid, int FirstRow) {
  for (int r = 0; r < 40; ++r)
    for (int c = 1; c < Cols; ++c)
      Grid.SetCellEx(c, FirstRow + r, c % 2 ? QString::number(r * 1000 + c) : QString("Text %1 of %2").arg(r).arg(c));
}

void BM_PaintScreen(benchmark::State& state) {
  const int rows = int(state.range(0));
  const bool scrolled = state.range(1) != 0;
  TForm form(nullptr);
  auto* grid = new TPlexStringGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 800, 600);
  grid->SetColCount(Cols);
  grid->SetRowCount(rows);
  grid->AutoNumAlign = true;
  grid->SetHoverRowCells({hcNormal, hcSelected});
  const int top = scrolled ? ScrolledRow : 1;
  FillScreen(*grid, top);
  grid->SetTopRow(top);
  grid->SetSelection(TGridRect{2, top + 3, 4, top + 6});
  TBitmap shot;
  for (auto _ : state) PaintControlTo(grid, shot);
  state.SetLabel(QString("%1 rows%2").arg(rows).arg(scrolled ? ", at row 500,000" : "").toStdString());
}
BENCHMARK(BM_PaintScreen)->Args({100, 0})->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

long ResidentBytes() {
  QFile f("/proc/self/statm");
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = f.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Eight characters, distinct for every cell of the grid.
QString CellText(int i) { return QString::number(10000000 + i); }

// The grid first, on a fresh heap; the vector after the grid's memory went
// back to the system, so that a vector reusing freed pages only makes the
// ratio worse, never better.
void BM_ResidentMemory(benchmark::State& state) {
  constexpr int Rows = 1000000;
  long gridBytes = 0, vectorBytes = 0;
  for (auto _ : state) {
    long before = ResidentBytes();
    {
      auto grid = std::make_unique<TPlexStringGrid>(nullptr);
      grid->SetColCount(Cols);
      grid->SetRowCount(Rows);
      for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) grid->SetCellEx(c, r, CellText(r * Cols + c));
      gridBytes = ResidentBytes() - before;
    }
    malloc_trim(0);
    before = ResidentBytes();
    {
      std::vector<QString> texts;
      texts.reserve(size_t(Rows) * Cols);
      for (int i = 0; i < Rows * Cols; ++i) texts.push_back(CellText(i));
      vectorBytes = ResidentBytes() - before;
      benchmark::DoNotOptimize(texts.data());
    }
    malloc_trim(0);
  }
  state.counters["grid_MB"] = double(gridBytes) / (1 << 20);
  state.counters["vector_MB"] = double(vectorBytes) / (1 << 20);
  state.counters["ratio"] = vectorBytes > 0 ? double(gridBytes) / double(vectorBytes) : 0.0;
}
BENCHMARK(BM_ResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  SubstituteFormFonts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return EXIT_FAILURE;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
