// Painting 10,000 short mini-HTML cells with DrawHtmlText, against DrawText
// of their plain text on the same canvas in the same run. The goal is a
// ratio of at most 3.
#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int CellCount = 10000;
constexpr int CellWidth = 160, CellHeight = 20;

constexpr const char* kMarkups[] = {
    "<B>Device</B> 12",
    "Value <FONT COLOR=\"clRed\">high</FONT>",
    "<I>note</I>: check &amp; save",
    "<A HREF=\"x\">link</A> text",
    "plain text cell",
    "H<SUB>2</SUB>O level",
};

struct TCells {
  std::vector<QString> Markup;
  std::vector<QString> Plain;
};

const TCells& Cells() {
  static const TCells cells = [] {
    TCells c;
    for (int i = 0; i < CellCount; ++i) {
      const QString m = QString::fromUtf8(kMarkups[i % std::size(kMarkups)]) + QString::number(i % 100);
      c.Markup.push_back(m);
      c.Plain.push_back(StripHtmlTags(m));
    }
    return c;
  }();
  return cells;
}

TRect CellRect(int i) {
  const int x = (i % 4) * CellWidth, y = ((i / 4) % 30) * CellHeight;
  return TRect(x, y, x + CellWidth, y + CellHeight);
}

void Prepare(TCanvas& c) {
  c.Font().SetName("Tahoma");
  c.Font().SetSize(8);
  c.Font().SetColor(clBlack);
  c.Brush().Color = clWhite;
}

void BM_DrawTextPlain(benchmark::State& state) {
  const TCells& cells = Cells();
  TBitmap sheet(4 * CellWidth, 30 * CellHeight);
  TCanvas& c = sheet.Canvas();
  Prepare(c);
  c.Brush().Style = bsClear;
  for (auto _ : state)
    for (int i = 0; i < CellCount; ++i) {
      TRect r = CellRect(i);
      DrawText(c, cells.Plain[size_t(i)], r, DT_SINGLELINE | DT_BOTTOM | DT_END_ELLIPSIS);
    }
  state.SetItemsProcessed(state.iterations() * CellCount);
}

void BM_DrawHtmlText(benchmark::State& state) {
  const TCells& cells = Cells();
  TBitmap sheet(4 * CellWidth, 30 * CellHeight);
  TCanvas& c = sheet.Canvas();
  Prepare(c);
  const THtmlDrawParams params;
  THtmlDrawResults out;
  for (auto _ : state)
    for (int i = 0; i < CellCount; ++i) DrawHtmlText(c, cells.Markup[size_t(i)], CellRect(i), params, out);
  state.SetItemsProcessed(state.iterations() * CellCount);
}

BENCHMARK(BM_DrawTextPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawHtmlText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
