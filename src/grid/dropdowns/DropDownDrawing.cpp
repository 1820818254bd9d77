#include "grid/dropdowns/DropDownDrawing.h"

#include <algorithm>
#include <cmath>

void DrawStepGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& R, int Steps) {
  if (Steps <= 0) Steps = 1;
  const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
  const int r0 = GetRValue(from), g0 = GetGValue(from), b0 = GetBValue(from);
  const int dr = GetRValue(to) - r0, dg = GetGValue(to) - g0, db = GetBValue(to) - b0;
  const double w = Horizontal ? double(R.Right - 1 - R.Left) / Steps : double(R.Bottom - 1 - R.Top) / Steps;
  for (int i = 0; i < Steps; ++i) {
    const TColor c =
        RGBColor(r0 + int(std::lround(double(i) * dr / Steps)), g0 + int(std::lround(double(i) * dg / Steps)),
                 b0 + int(std::lround(double(i) * db / Steps)));
    Canvas.Pen().Color = c;
    Canvas.Brush().Color = c;
    Canvas.Brush().Style = bsSolid;
    const int start = int(std::lround(i * w));
    const int size = int(std::lround(w)) + 1;
    if (Horizontal)
      Canvas.FillRect(TRect(R.Left + start, R.Top, R.Left + start + size, R.Bottom));
    else
      Canvas.FillRect(TRect(R.Left, R.Top + start, R.Right, R.Top + start + size));
  }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
  const double p = Percent / 100.0;
  const auto mix = [p](int x, int y) { return int(std::lround(p * x + (1 - p) * y)); };
  return RGBColor(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor BrightenColor(TColor Color, int Red, int Green, int Blue) {
  const TColor c = ColorToRGB(Color);
  const auto channel = [](int v, int p) {
    if (v == 0) return std::max(0, p);
    return int(std::lround(std::min(100, 100 + p) / 100.0 * v));
  };
  return RGBColor(channel(GetRValue(c), Red), channel(GetGValue(c), Green), channel(GetBValue(c), Blue));
}

void DrawGradientBox(TCanvas* Canvas, const TRect& R, TColor Color, TGradientDirection Direction, int BorderWidth,
                     TColor BorderColor, TColor ColorTo) {
  if (!Canvas) return;
  if (ColorTo != clNone) {
    DrawStepGradient(*Canvas, Color, ColorTo, Direction == gdHorizontal, R, 80);
  } else if (Color != clNone) {
    Canvas->Brush().Color = Color;
    Canvas->Brush().Style = bsSolid;
    Canvas->FillRect(R);
  }
  if (BorderColor != clNone && BorderWidth > 0) {
    Canvas->Brush().Style = bsClear;
    Canvas->Pen().Color = BorderColor;
    Canvas->Pen().Width = BorderWidth;
    Canvas->Rectangle(R);
    Canvas->Brush().Style = bsSolid;
    Canvas->Pen().Width = 1;
  }
}

TSize MeasureTextSize(TCanvas& Canvas, const QString& Text) {
  if (Text.isEmpty()) return TSize{0, 0};
  return Canvas.TextExtent(Text);
}
