// Colour arithmetic, gradients and the selection frame.
#include "grid/foundation/CellDrawing.h"

#include <algorithm>
#include <cmath>
#include <utility>

int RoundHalfEven(double Value) { return int(std::nearbyint(Value)); }

namespace {
int ClampChannel(int c) { return std::clamp(c, 0, 255); }

void SetPenAndBrush(TCanvas& Canvas, TColor Color) {
  Canvas.Pen().Color = Color;
  Canvas.Brush().Color = Color;
}
}  // namespace

TColor HalveColor(TColor Color) {
  if (Color == clNone) return clNone;
  const TColor c = ColorToRGB(Color);
  return RGBColor(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TColor AdjustColorBrightness(TColor Color, int Percent) {
  if (Color == clNone) return clNone;
  const TColor c = ColorToRGB(Color);
  auto adjust = [Percent](int ch) { return ClampChannel(RoundHalfEven(ch + ch * double(Percent) / 100.0)); };
  return RGBColor(adjust(GetRValue(c)), adjust(GetGValue(c)), adjust(GetBValue(c)));
}

TColor InterpolateColor(TColor From, TColor To, int Low, int High, int Position) {
  if (To == clNone || From == clNone) return From;
  const TColor f = ColorToRGB(From);
  // An empty range has only its start.
  if (High == Low) return f;
  const TColor t = ColorToRGB(To);
  auto channel = [&](int a, int b) {
    return ClampChannel(a + RoundHalfEven(double(b - a) / double(High - Low) * Position));
  };
  return RGBColor(channel(GetRValue(f), GetRValue(t)), channel(GetGValue(f), GetGValue(t)),
                  channel(GetBValue(f), GetBValue(t)));
}

void DrawGradient(TCanvas& Canvas, TColor From, TColor To, int Steps, TRect R, bool Horizontal) {
  if (R.Top == R.Bottom) return;
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  if (From == clNone || To == clNone) {
    SetPenAndBrush(Canvas, From == clNone ? To : From);
    Canvas.Rectangle(R);
    return;
  }
  const TColor f = ColorToRGB(From), t = ColorToRGB(To);
  const int size = Horizontal ? R.Right - R.Left - 1 : R.Bottom - R.Top - 1;
  const int n = std::max(1, std::min(Steps, size));
  const double band = double(size) / n;
  const int length = int(band + 1);
  for (int i = 0; i <= n; ++i) {
    auto channel = [&](int a, int b) { return ClampChannel(a + RoundHalfEven(double(i) * (b - a) / n)); };
    SetPenAndBrush(Canvas, RGBColor(channel(GetRValue(f), GetRValue(t)), channel(GetGValue(f), GetGValue(t)),
                                    channel(GetBValue(f), GetBValue(t))));
    const int offset = int(i * band);
    if (Horizontal)
      Canvas.Rectangle(R.Left + offset, R.Top, std::min(R.Right, R.Left + offset + length), R.Bottom);
    else
      Canvas.Rectangle(R.Left, R.Top + offset, R.Right, std::min(R.Bottom, R.Top + offset + length));
  }
}

void DrawMirrorGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill) {
  constexpr int MirrorSteps = 128;
  if (Fill && Color != clNone) {
    if (MirrorColor != clNone) {
      TRect first = R, second = R;
      if (Vertical)
        first.Bottom = second.Top = R.Top + (R.Bottom - R.Top) / 2;
      else
        first.Right = second.Left = R.Left + (R.Right - R.Left) / 2;
      DrawGradient(Canvas, Color, ColorTo, MirrorSteps, first, !Vertical);
      DrawGradient(Canvas, MirrorColor, MirrorColorTo, MirrorSteps, second, !Vertical);
    } else if (ColorTo == clNone) {
      R.Bottom += 1;
      SetPenAndBrush(Canvas, Color);
      Canvas.Pen().Style = psSolid;
      Canvas.Pen().Width = 1;
      Canvas.Rectangle(R);
    } else {
      DrawGradient(Canvas, Color, ColorTo, MirrorSteps, R, !Vertical);
    }
  }
  if (BorderColor == clNone) return;
  if (SideLinesOnly) {
    Canvas.Pen().Color = BorderColor;
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Left, R.Bottom);
    Canvas.MoveTo(R.Right - 1, R.Top);
    Canvas.LineTo(R.Right - 1, R.Bottom);
  } else {
    Canvas.Brush().Color = BorderColor;
    Canvas.FrameRect(R);
  }
}

void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush().Color = Color;
  Canvas.FillRect(R);
}

void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color) {
  SetPenAndBrush(Canvas, Color);
  Canvas.Polygon({TPoint(X - 3, Y), TPoint(X + 3, Y), TPoint(X, Y + 3)});
}

// ---- selection frame ----

namespace {
void Line(TCanvas& Canvas, int x0, int y0, int x1, int y1) {
  Canvas.MoveTo(x0, y0);
  Canvas.LineTo(x1, y1);
}

struct FrameGeometry {
  int L, T, R, B, M;
  bool LeftEdge, RightEdge;
  int Li, Ri;
};

void DrawFrameLines(TCanvas& Canvas, const FrameGeometry& g, TColor InnerTop, TColor InnerBottom, TColor Outer) {
  Canvas.Pen().Color = InnerTop;
  Line(Canvas, g.L, g.T + 1, g.R, g.T + 1);
  if (g.LeftEdge) Line(Canvas, g.L + 1, g.T + 1, g.L + 1, g.M);
  if (g.RightEdge) Line(Canvas, g.R - 2, g.T + 1, g.R - 2, g.M);
  Canvas.Pen().Color = InnerBottom;
  Line(Canvas, g.L, g.B - 1, g.R, g.B - 1);
  if (g.LeftEdge) Line(Canvas, g.L + 1, g.M, g.L + 1, g.B - 1);
  if (g.RightEdge) Line(Canvas, g.R - 2, g.M, g.R - 2, g.B - 1);
  Canvas.Pen().Color = Outer;
  Line(Canvas, g.L + g.Li, g.T, g.R - g.Ri, g.T);
  Line(Canvas, g.L + g.Li, g.B, g.R - g.Ri, g.B);
  if (g.RightEdge) Line(Canvas, g.R - 1, g.T + 2, g.R - 1, g.B - 1);
  if (g.LeftEdge) Line(Canvas, g.L, g.T + 2, g.L, g.B - 1);
}

// Inner corner pixels step in from the corner; outer ones take the grid's colour.
void DrawFrameCorners(TCanvas& Canvas, const FrameGeometry& g, TColor Inner, TColor Outer) {
  const TColor inner = ColorToRGB(Inner), outer = ColorToRGB(Outer);
  if (g.LeftEdge) {
    for (const TPoint& p : {TPoint(g.L + 1, g.T), TPoint(g.L + 1, g.T + 1), TPoint(g.L, g.T + 1), TPoint(g.L + 1, g.B),
                            TPoint(g.L + 1, g.B - 1), TPoint(g.L, g.B - 1)})
      Canvas.SetPixel(p.X, p.Y, inner);
    Canvas.SetPixel(g.L, g.T, outer);
    Canvas.SetPixel(g.L, g.B, outer);
  }
  if (g.RightEdge) {
    for (const TPoint& p : {TPoint(g.R - 2, g.T), TPoint(g.R - 2, g.T + 1), TPoint(g.R - 1, g.T + 1),
                            TPoint(g.R - 2, g.B), TPoint(g.R - 2, g.B - 1), TPoint(g.R - 1, g.B - 1)})
      Canvas.SetPixel(p.X, p.Y, inner);
    Canvas.SetPixel(g.R - 1, g.T, outer);
    Canvas.SetPixel(g.R - 1, g.B, outer);
  }
}
}  // namespace

void DrawSelectionBorder(TCanvas& Canvas, TColor FillColor, TColor FillColorTo, TColor MirrorColor,
                         TColor MirrorColorTo, TColor InnerTopColor, TColor InnerBottomColor, TColor OuterColor,
                         TColor CornerInnerColor, TColor CornerOuterColor, TRect R, int EndKind) {
  constexpr int FrameSteps = 16;
  FrameGeometry g{};
  g.L = R.Left;
  g.T = R.Top;
  g.R = R.Right - 1;
  g.B = R.Bottom - 2;
  g.M = g.T + (g.B - g.T) / 2;
  g.LeftEdge = EndKind == seSingle || EndKind == seLeftEnd;
  g.RightEdge = EndKind == seSingle || EndKind == seRightEnd;
  g.Li = g.LeftEdge ? 2 : 0;
  g.Ri = g.RightEdge ? 2 : 0;
  DrawFrameLines(Canvas, g, InnerTopColor, InnerBottomColor, OuterColor);
  DrawFrameCorners(Canvas, g, CornerInnerColor, CornerOuterColor);
  const TRect inside(g.L + g.Li, g.T + 2, g.R - g.Ri, g.B - 1);
  if (FillColorTo == clNone) {
    FillRectColor(Canvas, inside, FillColor);
  } else if (MirrorColor != clNone) {
    TRect upper = inside, lower = inside;
    upper.Bottom = lower.Top = inside.Top + (inside.Bottom - inside.Top) / 2;
    DrawGradient(Canvas, FillColor, FillColorTo, FrameSteps, upper, false);
    DrawGradient(Canvas, MirrorColor, MirrorColorTo, FrameSteps, lower, false);
  } else {
    DrawGradient(Canvas, FillColor, FillColorTo, FrameSteps, inside, false);
  }
}

void DrawSelectionBorder(TCanvas& Canvas, const TSelectionColors& Colors, TColor CornerOuterColor, const TRect& R,
                         int EndKind) {
  DrawSelectionBorder(Canvas, Colors.Fill, Colors.FillTo, Colors.Mirror, Colors.MirrorTo, Colors.InnerTop,
                      Colors.InnerBottom, Colors.Outer, Colors.CornerInner, CornerOuterColor, R, EndKind);
}
