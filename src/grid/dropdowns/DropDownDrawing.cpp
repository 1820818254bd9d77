#include "grid/dropdowns/DropDownDrawing.h"

#include "grid/foundation/CellDrawing.h"

#include <cmath>

namespace {
struct TRgb {
  int R, G, B;
};
TRgb Channels(TColor C) {
  const TColor rgb = ColorToRGB(C);
  return {int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)};
}
}  // namespace

void DrawStepGradient(TCanvas& Canvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps) {
  if (Steps <= 0) Steps = 1;
  const TRgb from = Channels(From), to = Channels(To);
  const int span = Horizontal ? (R.Right - 1) - R.Left : (R.Bottom - 1) - R.Top;
  const double w = double(span) / Steps;
  Canvas.Pen().Style = psSolid;
  Canvas.Brush().Style = bsSolid;
  for (int i = 0; i < Steps; ++i) {
    const int r = from.R + RoundHalfEven(double(i) * (to.R - from.R) / Steps);
    const int g = from.G + RoundHalfEven(double(i) * (to.G - from.G) / Steps);
    const int b = from.B + RoundHalfEven(double(i) * (to.B - from.B) / Steps);
    const TColor band = TColor(r | (g << 8) | (b << 16));
    Canvas.Pen().Color = band;
    Canvas.Brush().Color = band;
    const int start = (Horizontal ? R.Left : R.Top) + RoundHalfEven(i * w);
    const int end = start + RoundHalfEven(w) + 1;
    if (Horizontal)
      Canvas.Rectangle(start, R.Top, end, R.Bottom);
    else
      Canvas.Rectangle(R.Left, start, R.Right, end);
  }
}
