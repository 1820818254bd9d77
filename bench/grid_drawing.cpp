// The grid's drawing: gradient cells (one rectangle per band, so the cost
// follows the step count, not the cell's size), selection frames, and a whole
// paint pass of a grid whose merged blocks cover most of its cells.
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/CellDrawing.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_GradientCell(benchmark::State& state) {
  const int height = int(state.range(0));
  TBitmap sheet(120, height);
  for (auto _ : state) DrawGradient(sheet.Canvas(), 0xFF8000, 0x0080FF, 64, TRect(0, 0, 120, height), false);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GradientCell)->Arg(20)->Arg(200)->Arg(2000);

void BM_SelectionFrame(benchmark::State& state) {
  TBitmap sheet(120, 24);
  for (auto _ : state)
    DrawSelectionBorder(sheet.Canvas(), SelectionColorSets[scsOffice2007], clWhite, TRect(0, 0, 120, 24), seSingle);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SelectionFrame);

void BM_PaintPassWithBlocks(benchmark::State& state) {
  TForm form(nullptr);
  auto* grid = new TBaseGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 800, 600);
  grid->SetColCount(40);
  grid->SetRowCount(60);
  const bool merged = state.range(0) != 0;
  if (merged)
    for (int r = 1; r + 4 < 60; r += 4)
      for (int c = 1; c + 4 < 40; c += 4) grid->MergeCells(c, r, 4, 4);
  TBitmap shot;
  const int firstPass = grid->PaintID();
  for (auto _ : state) PaintControlTo(grid, shot);
  if (grid->PaintID() == firstPass) state.SkipWithError("no paint pass ran");
  state.SetLabel(merged ? "4 x 4 blocks" : "plain cells");
}
BENCHMARK(BM_PaintPassWithBlocks)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return EXIT_FAILURE;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return EXIT_SUCCESS;
}
