// The drop-down drawing routines: the banded gradient (also the grid's
// background), colour blending and brightening, gradient boxes and text size.
#include "grid/dropdowns/DropDownDrawing.h"

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
                {0x0000C8, 0x000064, 50, 0x000096}};
  for (const auto& c : blends) EXPECT_EQ(BlendColor(c.A, c.B, c.Percent), c.Expected) << c.Percent;

  const struct {
    TColor In;
    int P;
    TColor Expected;
  } brightens[] = {
      {0x808000, 20, 0x808014}, {0x000000, 20, 0x141414}, {0x646464, -50, 0x323232}, {0x000000, -5, 0x000000}};
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
