// The drop-down drawing routines: the banded gradient (also the grid's
// background), colour blending and brightening, gradient boxes and text size.
#include "grid/dropdowns/DropDownDrawing.h"

#include "platform/SysUtils.h"
#include "support/PaintProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(DropDownDrawing, BlendAndBrighten) {
  const struct {
    TColor A, B;
    int Percent;
    TColor Expected;
  } blends[] = {{0x0000FF, 0xFF0000, 150, 0x0000FF},
                {0x0000FF, 0xFF0000, 100, 0x0000FF},
                {0x0000FF, 0xFF0000, -5, 0xFF0000},
                {0x0000FF, 0xFF0000, 0, 0xFF0000},
                {0x0000C8, 0x000064, 50, 0x000096},
                {0x0000FF, 0xFF0000, 50, 0x800080}};
  for (const auto& c : blends) EXPECT_EQ(BlendColor(c.A, c.B, c.Percent), c.Expected) << c.Percent;

  const struct {
    TColor In;
    int P;
    TColor Expected;
  } brightens[] = {
      {0x808000, 20, 0x808014}, {0x00FF00, 20, 0x14FF14}, {0x000000, 20, 0x141414}, {0x646464, -50, 0x323232}, {0x000000, -5, 0x000000}};
  for (const auto& c : brightens) EXPECT_EQ(BrightenColor(c.In, c.P, c.P, c.P), c.Expected) << c.P;
}

TEST(DropDownDrawing, GradientBoxFillsThenFramesAndTextMeasures) {
  TBitmap b(40, 10);
  DrawGradientBox(&b.Canvas(), TRect(0, 0, 40, 10), 0x00FF00, gdVertical, 1, 0x0000FF, clNone);
  EXPECT_EQ(paintprobe::At(b, 20, 5), TColor(0x00FF00));
  EXPECT_EQ(paintprobe::At(b, 0, 0), TColor(0x0000FF));
  DrawGradientBox(&b.Canvas(), TRect(0, 0, 40, 10), 0x000000, gdHorizontal, 0, clNone, 0x0000C8);
  // 80 bands narrower than a pixel overlap: the left edge is near the from colour, the right near the to colour
  EXPECT_LT(GetRValue(paintprobe::At(b, 0, 5)), 0x08);
  EXPECT_GT(GetRValue(paintprobe::At(b, 38, 5)), 0xC0);
  DrawGradientBox(nullptr, TRect(0, 0, 40, 10), 0x00FF00, gdVertical, 1, 0x0000FF, clNone);

  EXPECT_EQ(MeasureTextSize(b.Canvas(), "").cx, 0);
  EXPECT_EQ(MeasureTextSize(b.Canvas(), "").cy, 0);
  EXPECT_GT(MeasureTextSize(b.Canvas(), "text").cx, 0);
}

TEST(DropDownDrawing, StepGradientBandsStopOneStepShortOfTheEnd) {
  struct TCase {
    const char* What;
    int Steps;
    bool Horizontal;
    // colours at x (or y) 0, 5 and 8 of a 10-pixel run whose far edge is taken one pixel in
    TColor First, Middle, Last;
  };
  const TCase cases[] = {
      {"no steps: one band of the from colour", 0, true, 0x000000, 0x000000, 0x000000},
      {"two horizontal bands", 2, true, 0x000000, 0x000064, 0x000064},
      {"two vertical bands", 2, false, 0x000000, 0x000064, 0x000064},
  };
  for (const TCase& c : cases) {
    TBitmap b(10, 10);
    b.Canvas().Brush().Color = clWhite;
    b.Canvas().FillRect(TRect(0, 0, 10, 10));
    DrawStepGradient(b.Canvas(), 0x000000, 0x0000C8, c.Horizontal, TRect(0, 0, 10, 10), c.Steps);
    auto at = [&](int i) { return c.Horizontal ? paintprobe::At(b, i, 4) : paintprobe::At(b, 4, i); };
    EXPECT_EQ(at(0), c.First) << c.What;
    EXPECT_EQ(at(5), c.Middle) << c.What;
    EXPECT_EQ(at(8), c.Last) << c.What;
  }
}

}  // namespace

namespace {

TEST(DropDownDrawing, FourStepsFromBlackToWhite) {
  TBitmap b(41, 4);
  DrawStepGradient(b.Canvas(), 0x000000, 0xFFFFFF, true, TRect(0, 0, 41, 4), 4);
  const struct {
    int X, Level;
  } samples[] = {{2, 0}, {12, 64}, {22, 128}, {32, 191}};
  for (const auto& s : samples) EXPECT_EQ(paintprobe::At(b, s.X, 2), RGBColor(s.Level, s.Level, s.Level)) << s.X;
}

TEST(DropDownDrawing, TruncateTextToWidth) {
  TBitmap b(10, 10);
  TCanvas& c = b.Canvas();
  const QString text = "A rather long caption";
  EXPECT_EQ(TruncateTextToWidth(c, text, c.TextWidth(text), true), text);
  EXPECT_EQ(TruncateTextToWidth(c, text, 1000, true), text);

  const int half = c.TextWidth(text) / 2;
  const QString dotted = TruncateTextToWidth(c, text, half, true);
  EXPECT_TRUE(dotted.endsWith("...")) << dotted.toStdString();
  EXPECT_LT(c.TextWidth(dotted), half);
  EXPECT_TRUE(text.startsWith(dotted.chopped(3)));
  const QString cut = TruncateTextToWidth(c, text, half, false);
  EXPECT_FALSE(cut.endsWith("..."));
  EXPECT_LT(c.TextWidth(cut), half);
  // Nothing fits: the whole text.
  EXPECT_EQ(TruncateTextToWidth(c, text, 0, true), text);
}

TEST(DropDownDrawing, TextHelpers) {
  const struct {
    const char* Text;
    int Value;
  } hex[] = {{"1F", 31}, {"1G", 16}, {"ff", 255}, {"", 0}, {"10000", 65536}};
  for (const auto& h : hex) EXPECT_EQ(HexToInt(h.Text), h.Value) << h.Text;
  EXPECT_EQ(HexToInt("FFFFFFFFFFFFFFFF"), -1);  // wraps, never overflows
  EXPECT_EQ(HexDigitValue('z'), 0);

  for (const QChar ch : QString(",-;")) EXPECT_TRUE(IsRangeSeparator(ch)) << int(ch.unicode());
  for (const QChar ch : QString(".: 5")) EXPECT_FALSE(IsRangeSeparator(ch)) << int(ch.unicode());

  EXPECT_EQ(CaseKey("aBc", true), "aBc");
  EXPECT_EQ(CaseKey("aBc", false), "ABC");

  const QChar saved = FormatSettings().ThousandSeparator;
  FormatSettings().ThousandSeparator = '.';
  EXPECT_EQ(StripThousandSeparators("1.234.567,5"), "1234567,5");
  FormatSettings().ThousandSeparator = saved;
}

TEST(DropDownDrawing, CopyBitmapTransparentShowsTheBackgroundForTheKeyColour) {
  TBitmap glyph(4, 4);
  glyph.Canvas().Brush().Color = 0xFF00FF;
  glyph.Canvas().FillRect(TRect(0, 0, 4, 4));
  glyph.Canvas().Brush().Color = 0x000080;
  glyph.Canvas().FillRect(TRect(1, 1, 3, 3));
  glyph.EndCanvas();
  TBitmap target(4, 4);
  CopyBitmapTransparent(target.Canvas(), glyph, 0x00FF00, TRect(0, 0, 4, 4));
  EXPECT_EQ(paintprobe::At(target, 0, 0), TColor(0x00FF00));
  EXPECT_EQ(paintprobe::At(target, 3, 3), TColor(0x00FF00));
  EXPECT_EQ(paintprobe::At(target, 1, 2), TColor(0x000080));
}

}  // namespace
