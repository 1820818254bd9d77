#include "grid/foundation/ProgressGraphics.h"

#include "grid/foundation/DrawingProbe.h"

#include <gtest/gtest.h>

using drawprobe::TRun;

namespace {
constexpr TColor Done = 0x00A000, DoneText = 0x0000A0, Rest = 0xE0E0E0, RestText = 0xA00000, Border = 0x404040,
                 Saved = 0x808000;

// A 104 x 20 cell with margins of 2: the bar is x 2..101 (100 pixels), text row 3 holds no glyph ink.
std::unique_ptr<TBitmap> Bar(double value, double minimum, double maximum, const QString& format) {
  auto b = paintprobe::Sheet(104, 20);
  b->Canvas().Brush().Color = Saved;
  DrawProgressBar(b->Canvas(), TRect(0, 0, 104, 20), Done, DoneText, Rest, RestText, value, 2, 2, minimum, maximum,
                  format, Border, false);
  return b;
}

int CompletedWidth(TBitmap& b) {
  const auto runs = drawprobe::Runs(b, Done, 3);
  return runs.empty() ? 0 : runs.front().Length;
}
}  // namespace

TEST(ProgressGraphics, BarTextAndFormats) {
  struct Case {
    const char* format;
    double value;
    const char* text;
  } cases[] = {
      {"", 42.5, "42%"},
      {"", 43.5, "44%"},
      {"%d items", 42.6, "43 items"},
      {"%.1f units", 42.5, "42.5 units"},
      {"done %.0f", 7.0, "done 7"},  // a real placeholder even with a "d" in the text
      {"%d%%", 12.0, "12%"},
      {"%s", 12.0, "12%"},        // no number placeholder: the default text
      {"%d of %d", 12.0, "12%"},  // two placeholders: the default text
      {"50%", 12.0, "12%"},       // a dangling percent sign
      {"no placeholder", 12.0, "12%"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProgressBarText(c.value, c.format), c.text) << c.format;
}

TEST(ProgressGraphics, BarFillsItsPercentageAndSplitsTheTextColour) {
  auto b = Bar(42.5, 0, 100, "");
  EXPECT_EQ(drawprobe::Runs(*b, Done, 3), (std::vector<TRun>{{2, 42}})) << "42 percent of 100 pixels";
  EXPECT_EQ(drawprobe::Runs(*b, Rest, 3), (std::vector<TRun>{{44, 58}}));
  // "42%" in the fixed measurer: 21 pixels at x 41; the first glyph's ink is x 42..46, rows 5..13.
  EXPECT_EQ(drawprobe::At(*b, 43, 8), DoneText);
  EXPECT_EQ(drawprobe::At(*b, 45, 8), RestText) << "the text changes colour at the completion edge";
  EXPECT_EQ(drawprobe::At(*b, 1, 1), Border);
  EXPECT_EQ(drawprobe::At(*b, 0, 0), Saved) << "the outer frame in the brush colour the caller had";
}

TEST(ProgressGraphics, BarLimits) {
  struct Case {
    const char* what;
    double value, minimum, maximum;
    int completed;
  } cases[] = {
      {"beyond the maximum", 150, 0, 100, 100},    {"below the minimum", -5, 0, 100, 0},
      {"inside a shifted range", 30, 20, 70, 20},  {"empty range, value at its end", 50, 50, 50, 100},
      {"empty range, value below", 40, 50, 50, 0}, {"reversed range, value above", 80, 60, 10, 100},
  };
  for (const Case& c : cases) {
    auto b = Bar(c.value, c.minimum, c.maximum, "%d");
    EXPECT_EQ(CompletedWidth(*b), c.completed) << c.what;
    if (c.completed == 0) {
      EXPECT_EQ(drawprobe::Count(*b, DoneText), 0) << c.what << ": the whole text in the remaining colour";
    }
  }
}

TEST(ProgressGraphics, PieSector) {
  constexpr TColor Fill = 0x0000C0, Line = 0x808080;
  auto zero = paintprobe::Sheet(41, 41);
  DrawProgressPie(zero->Canvas(), TRect(0, 0, 41, 41), Fill, 0, false);
  EXPECT_EQ(drawprobe::Count(*zero, Fill), 0);
  EXPECT_EQ(drawprobe::Runs(*zero, Line, 20, true).front(), (TRun{0, 21}))
      << "the twelve o'clock radius only, there and back";
  EXPECT_EQ(drawprobe::At(*zero, 30, 20), clWhite);

  auto quarter = paintprobe::Sheet(41, 41);
  DrawProgressPie(quarter->Canvas(), TRect(0, 0, 41, 41), Fill, 25, false);
  EXPECT_EQ(drawprobe::Runs(*quarter, Line, 20), (std::vector<TRun>{{0, 1}, {20, 21}}))
      << "the second radius points to three o'clock";
  EXPECT_EQ(drawprobe::At(*quarter, 30, 10), Fill);
  EXPECT_EQ(drawprobe::At(*quarter, 10, 10), clWhite);
  EXPECT_EQ(drawprobe::At(*quarter, 30, 30), clWhite);
}

TEST(ProgressGraphics, RangeIndicator) {
  constexpr TColor Neg = 0x0000C0, Pos = 0x00C000;
  struct Case {
    int value, range;
    std::vector<TRun> neg, pos;
  } cases[] = {
      {5, 10, {}, {{22, 10}}},  {-5, 10, {{12, 10}}, {}},
      {25, 10, {}, {{22, 20}}},  // beyond the range: to the cell's edge
      {-25, 10, {{2, 20}}, {}}, {0, 10, {}, {}},
      {5, 0, {}, {}},  // no range: nothing
      {5, -3, {}, {}},
  };
  for (const Case& c : cases) {
    auto b = paintprobe::Sheet(44, 10);
    DrawRangeIndicator(b->Canvas(), TRect(0, 0, 44, 10), c.value, c.range, false, Neg, Pos);
    EXPECT_EQ(drawprobe::Runs(*b, Neg, 5), c.neg) << c.value << "/" << c.range;
    EXPECT_EQ(drawprobe::Runs(*b, Pos, 5), c.pos) << c.value << "/" << c.range;
  }
}

namespace {
XPProgressLook PlainLook() {
  XPProgressLook look;
  look.Level0Color = 0x00C000;
  look.Level1Color = 0x00C0C0;
  look.Level2Color = 0x0080FF;
  look.Level3Color = 0x0000C0;
  look.Level1Perc = 30;
  look.Level2Perc = 70;
  look.ShowGradient = false;
  look.ShowPercentage = false;
  look.UnCompleteColor = 0xF0F0F0;
  return look;
}
}  // namespace

TEST(ProgressGraphics, XPBlocksAreSevenPixelsWithGapsOfTwo) {
  XPProgressLook look = PlainLook();
  look.CompletionSmooth = false;
  look.Level1Perc = 70;
  auto b = paintprobe::Sheet(102, 12);
  DrawXPProgress(b->Canvas(), TRect(0, 0, 102, 12), 50, look);
  EXPECT_EQ(drawprobe::Runs(*b, look.Level0Color, 6),
            (std::vector<TRun>{{2, 7}, {11, 7}, {20, 7}, {29, 7}, {38, 7}, {47, 4}}));
  EXPECT_EQ(drawprobe::Runs(*b, look.Level0Color, 1), std::vector<TRun>{}) << "2 pixels from the sides";

  auto small = paintprobe::Sheet(102, 12);
  DrawXPProgress(small->Canvas(), TRect(0, 0, 102, 12), 5, look);
  EXPECT_EQ(drawprobe::Runs(*small, look.Level0Color, 6), (std::vector<TRun>{{2, 4}})) << "f = 5: one block of 4";
  auto tiny = paintprobe::Sheet(102, 12);
  DrawXPProgress(tiny->Canvas(), TRect(0, 0, 102, 12), 1, look);
  EXPECT_EQ(drawprobe::Runs(*tiny, look.Level0Color, 6), std::vector<TRun>{}) << "f = 1: no block";
}

TEST(ProgressGraphics, XPStackedSegments) {
  XPProgressLook look = PlainLook();
  look.Stacked = true;
  auto b = paintprobe::Sheet(102, 12);
  DrawXPProgress(b->Canvas(), TRect(0, 0, 102, 12), 50, look);
  EXPECT_EQ(drawprobe::Runs(*b, look.Level0Color, 6), (std::vector<TRun>{{1, 30}}));
  EXPECT_EQ(drawprobe::Runs(*b, look.Level1Color, 6), (std::vector<TRun>{{31, 20}}));
  EXPECT_EQ(drawprobe::Runs(*b, look.Level3Color, 6), std::vector<TRun>{});

  auto full = paintprobe::Sheet(102, 12);
  DrawXPProgress(full->Canvas(), TRect(0, 0, 102, 12), 100, look);
  EXPECT_EQ(drawprobe::Runs(*full, look.Level3Color, 6), (std::vector<TRun>{{71, 30}})) << "the rest of the bar";
}

TEST(ProgressGraphics, XPSmoothLevelsVerticalAndGradient) {
  XPProgressLook look = PlainLook();
  auto b = paintprobe::Sheet(102, 12);
  DrawXPProgress(b->Canvas(), TRect(0, 0, 102, 12), 80, look);
  EXPECT_EQ(drawprobe::Runs(*b, look.Level2Color, 6), (std::vector<TRun>{{1, 80}})) << "80 is in level 2";

  look.Vertical = true;
  auto v = paintprobe::Sheet(12, 102);
  DrawXPProgress(v->Canvas(), TRect(0, 0, 12, 102), 50, look);
  EXPECT_EQ(drawprobe::Runs(*v, look.Level1Color, 6, true), (std::vector<TRun>{{51, 50}})) << "grows from the bottom";

  look.Vertical = false;
  look.ShowGradient = true;
  look.Level1ColorTo = 0x000000;
  auto g = paintprobe::Sheet(102, 12);
  DrawXPProgress(g->Canvas(), TRect(0, 0, 102, 12), 50, look);
  // The bar spans rows 1..10, halves 1..5 and 6..10: colour-to at both edges, the colour in the middle.
  EXPECT_EQ(drawprobe::At(*g, 20, 1), look.Level1ColorTo);
  EXPECT_EQ(drawprobe::At(*g, 20, 5), look.Level1Color);
  EXPECT_EQ(drawprobe::At(*g, 20, 6), look.Level1Color);
  EXPECT_EQ(drawprobe::At(*g, 20, 10), look.Level1ColorTo);
}

TEST(ProgressGraphics, XPAtZeroShowsOnlyBackgroundOutlineAndText) {
  XPProgressLook look = PlainLook();
  look.ShowPercentage = true;
  look.CompleteFontColor = 0x0000FF;
  look.ShowBorder = true;
  look.BorderColor = 0x404040;
  auto b = paintprobe::Sheet(102, 20);
  DrawXPProgress(b->Canvas(), TRect(0, 0, 102, 20), 0, look);
  EXPECT_EQ(drawprobe::Count(*b, look.Level0Color), 0);
  EXPECT_EQ(drawprobe::At(*b, 0, 0), look.BorderColor);
  EXPECT_EQ(drawprobe::At(*b, 5, 5), look.UnCompleteColor);
  // "0%": 14 pixels wide, 13 high, centred at (51 - 7, 10 - 6).
  EXPECT_EQ(paintprobe::Cells(*b), (std::vector<TPoint>{}));  // drawn in red, not black
  EXPECT_EQ(drawprobe::At(*b, 45, 8), look.CompleteFontColor);
}
