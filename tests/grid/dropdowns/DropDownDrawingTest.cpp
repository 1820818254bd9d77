// The banded gradient of the drop-down controls and the grid's background.
#include "grid/dropdowns/DropDownDrawing.h"

#include "support/PaintProbe.h"

#include <gtest/gtest.h>

namespace {

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
