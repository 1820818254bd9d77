// The drop-down drawing routines: colour blending and brightening, and the
// bands of a step gradient.
#include "grid/dropdowns/DropDownDrawing.h"

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

TEST(DropDownDrawing, StepGradientBands) {
  TBitmap sheet;
  sheet.SetSize(40, 10);
  DrawStepGradient(sheet.Canvas(), 0x000000, 0xFFFFFF, true, TRect(0, 0, 40, 10), 0);
  EXPECT_EQ(sheet.Canvas().Pixel(0, 5), TColor(0x000000));
  EXPECT_EQ(sheet.Canvas().Pixel(39, 5), TColor(0x000000));  // one band in the from colour

  DrawStepGradient(sheet.Canvas(), 0x000000, 0xC8C8C8, true, TRect(0, 0, 40, 10), 2);
  EXPECT_EQ(sheet.Canvas().Pixel(5, 5), TColor(0x000000));
  EXPECT_EQ(sheet.Canvas().Pixel(35, 5), TColor(0x646464));  // stops one step short

  DrawGradientBox(&sheet.Canvas(), TRect(0, 0, 40, 10), 0x00FF00, gdVertical, 1, 0x0000FF, clNone);
  EXPECT_EQ(sheet.Canvas().Pixel(20, 5), TColor(0x00FF00));
  EXPECT_EQ(sheet.Canvas().Pixel(0, 0), TColor(0x0000FF));
  DrawGradientBox(nullptr, TRect(0, 0, 40, 10), 0x00FF00, gdVertical, 1, 0x0000FF, clNone);

  EXPECT_EQ(MeasureTextSize(sheet.Canvas(), "").cx, 0);
  EXPECT_GT(MeasureTextSize(sheet.Canvas(), "text").cx, 0);
}

}  // namespace
