// Painting 10,000 short mini-HTML cells with DrawHtmlText, against DrawText
// of their plain text on the same canvas in the same run. The goal is a
// ratio of at most 3.
// Long texts: the end ellipsis of 100,000 characters in 100 pixels,
// highlighting and clearing radio buttons in 100,000 characters of markup,
// each against one measure of the 100,000-character text (goal: at most 3
// times), and a paint of 6,000 characters of markup without word wrap.
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/PsgHTMLEControls.h"
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

constexpr int LongLength = 100000;

QString LongPlain() {
  QString s;
  while (s.size() < LongLength) s += QStringLiteral("Sensor ab value 12.5; ");
  return s.left(LongLength);
}

QString LongMarkup(const QString& Piece) {
  QString s;
  while (s.size() < LongLength) s += Piece;
  return s.left(LongLength);
}

void BM_LongTextOneMeasure(benchmark::State& state) {
  const QString text = LongPlain();
  TBitmap sheet(200, 40);
  TCanvas& c = sheet.Canvas();
  Prepare(c);
  // One character changes each time, so that no cache of measured texts answers.
  QString varied = text;
  int i = 0;
  for (auto _ : state) {
    varied[i % LongLength] = varied[i % LongLength] == u'x' ? u'y' : u'x';
    ++i;
    benchmark::DoNotOptimize(c.TextWidth(varied));
  }
}

void BM_LongTextEndEllipsis(benchmark::State& state) {
  const QString text = LongPlain();
  TBitmap sheet(200, 40);
  TCanvas& c = sheet.Canvas();
  Prepare(c);
  QString varied = text;
  int i = 0;
  for (auto _ : state) {
    varied[i % LongLength] = varied[i % LongLength] == u'x' ? u'y' : u'x';
    ++i;
    TRect r(0, 0, 100, 20);
    DrawText(c, varied, r, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
}

void BM_LongMarkupHighlight(benchmark::State& state) {
  const QString markup = LongMarkup(QStringLiteral("<B>Sensor</B> ab <I>value</I> 12.5; "));
  for (auto _ : state) benchmark::DoNotOptimize(HighlightHtmlText(markup, QStringLiteral("AB"), QStringLiteral("HI"), false));
}

void BM_LongMarkupClearRadios(benchmark::State& state) {
  QString markup;
  for (int i = 0; markup.size() < LongLength; ++i)
    markup += QStringLiteral("<CONTROL TYPE=\"RADIO\" ID=\"r%1\" VALUE=\"TRUE\" WIDTH=\"16\"> option ").arg(i);
  for (auto _ : state) benchmark::DoNotOptimize(ClearHtmlRadioValues(markup));
}

void BM_DrawHtmlTextSixThousandNoWrap(benchmark::State& state) {
  QString markup;
  while (markup.size() < 6000) markup += QStringLiteral("<B>Sensor</B> value 12.5; ");
  TBitmap sheet(400, 40);
  TCanvas& c = sheet.Canvas();
  Prepare(c);
  const THtmlDrawParams params;
  THtmlDrawResults out;
  for (auto _ : state) DrawHtmlText(c, markup, TRect(0, 0, 300, 20), params, out);
}

BENCHMARK(BM_DrawTextPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongTextOneMeasure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongTextEndEllipsis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongMarkupHighlight)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongMarkupClearRadios)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawHtmlTextSixThousandNoWrap)->Unit(benchmark::kMillisecond);
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
