// The XP-style progress bar: levels, stacked segments, smooth bar or blocks.
#include "grid/foundation/ProgressGraphics.h"

#include "grid/foundation/CellDrawing.h"
#include "platform/SysUtils.h"

namespace {
struct ColorPair {
  TColor Color;
  TColor ColorTo;
};

// A segment along the bar; with gradients it is shaded across its thickness,
// from colour-to at both edges to the colour at the middle.
void PaintSegment(TCanvas& Canvas, const TRect& R, ColorPair Colors, const XPProgressLook& Look) {
  if (!Look.ShowGradient) {
    FillRectColor(Canvas, R, Colors.Color);
    return;
  }
  TRect first = R, second = R;
  if (Look.Vertical)
    first.Right = second.Left = R.Left + (R.Right - R.Left) / 2;
  else
    first.Bottom = second.Top = R.Top + (R.Bottom - R.Top) / 2;
  DrawGradient(Canvas, Colors.ColorTo, Colors.Color, Look.Steps, first, Look.Vertical);
  DrawGradient(Canvas, Colors.Color, Colors.ColorTo, Look.Steps, second, Look.Vertical);
}

// A segment of the given length starting Start pixels from the bar's start edge
// (left, or bottom for a vertical bar), Inset pixels from both sides.
TRect Segment(const TRect& R, bool Vertical, int Start, int Length, int Inset) {
  if (Vertical) return TRect(R.Left + Inset, R.Bottom - Start - Length, R.Right - Inset, R.Bottom - Start);
  return TRect(R.Left + Start, R.Top + Inset, R.Left + Start + Length, R.Bottom - Inset);
}

void DrawStacked(TCanvas& Canvas, const TRect& R, int Percent, int n, const XPProgressLook& Look) {
  const bool vertical = Look.Vertical;
  const bool full1 = Percent >= Look.Level1Perc;
  const int len1 = RoundHalfEven((full1 ? Look.Level1Perc : Percent) / 100.0 * n);
  TRect seg1 = vertical ? TRect(R.Left + 1, R.Bottom - len1, R.Right - 1, R.Bottom - 1)
                        : TRect(R.Left + 1, R.Top + 1, R.Left + 1 + len1, R.Bottom - 1);
  PaintSegment(Canvas, seg1, {Look.Level0Color, Look.Level0ColorTo}, Look);
  if (!full1) return;
  const bool full2 = Percent >= Look.Level2Perc;
  const int len2 = RoundHalfEven(n * double((full2 ? Look.Level2Perc : Percent) - Look.Level1Perc) / 100.0);
  TRect seg2 = vertical ? TRect(R.Left + 1, seg1.Top - len2, R.Right - 1, seg1.Top)
                        : TRect(seg1.Right, R.Top + 1, seg1.Right + len2, R.Bottom - 1);
  PaintSegment(Canvas, seg2, {Look.Level1Color, Look.Level1ColorTo}, Look);
  if (!full2) return;
  const int len3 = Percent == 100 ? RoundHalfEven(n - double(len1 + len2))
                                  : RoundHalfEven(n * double(Percent - Look.Level2Perc) / 100.0);
  TRect seg3 = vertical ? TRect(R.Left + 1, seg2.Top - 1 - len3, R.Right - 1, seg2.Top - 1)
                        : TRect(seg2.Right, R.Top + 1, seg2.Right + len3, R.Bottom - 1);
  PaintSegment(Canvas, seg3, {Look.Level3Color, Look.Level3ColorTo}, Look);
}

ColorPair LevelColors(int Percent, const XPProgressLook& Look) {
  if (Percent < Look.Level1Perc) return {Look.Level0Color, Look.Level0ColorTo};
  if (Percent < Look.Level2Perc) return {Look.Level1Color, Look.Level1ColorTo};
  if (Percent < 100) return {Look.Level2Color, Look.Level2ColorTo};
  return {Look.Level3Color, Look.Level3ColorTo};
}

// Blocks of 7 pixels with gaps of 2, the first 2 pixels in; a remainder of
// more than 2 pixels makes one shorter block.
void DrawBlocks(TCanvas& Canvas, const TRect& R, int Percent, int n, const XPProgressLook& Look) {
  constexpr int Block = 7, Pitch = 9, Inset = 2;
  const ColorPair colors = LevelColors(Percent, Look);
  const int f = RoundHalfEven(Percent * double(n) / 100.0);
  if (f > Pitch) {
    int start = Inset;
    for (int i = 0; i < f / Pitch; ++i, start += Pitch)
      PaintSegment(Canvas, Segment(R, Look.Vertical, start, Block, Inset), colors, Look);
    if (f % Pitch > 2) PaintSegment(Canvas, Segment(R, Look.Vertical, start, f % Pitch - 1, Inset), colors, Look);
    Canvas.Brush().Style = bsClear;
  } else if (f >= 2) {
    PaintSegment(Canvas, Segment(R, Look.Vertical, Inset, f - 1, Inset), colors, Look);
  }
}

void DrawSmooth(TCanvas& Canvas, const TRect& R, int Percent, int n, const XPProgressLook& Look) {
  const int len = RoundHalfEven(Percent / 100.0 * n);
  PaintSegment(Canvas, Segment(R, Look.Vertical, 1, len, 1), LevelColors(Percent, Look), Look);
}

void DrawPercentage(TCanvas& Canvas, const TRect& R, int Percent, const XPProgressLook& Look) {
  Canvas.Brush().Style = bsClear;
  if (Look.Font) {
    Canvas.Font().SetName(Look.Font->Name());
    Canvas.Font().SetSize(Look.Font->Size());
    Canvas.Font().SetStyle(Look.Font->Style());
  }
  Canvas.Font().SetColor(Look.CompleteFontColor);
  const QString text = IntToStr(Percent) + "%";
  const int cx = R.Left + (R.Right - R.Left) / 2, cy = R.Top + (R.Bottom - R.Top) / 2;
  const int tw = Canvas.TextWidth(text), th = Canvas.TextHeight(text);
  if (!Look.Vertical) {
    Canvas.TextOut(cx - tw / 2, cy - th / 2, text);
    return;
  }
  // Turned a quarter counter-clockwise, the text reads from bottom to top.
  TFont turned;
  turned.Assign(Canvas.Font());
  turned.SetEscapement(900);
  turned.SetOrientation(900);
  Canvas.Font().Assign(turned);
  Canvas.TextOut(cx - th / 2, cy + tw / 2, text);
}

void DrawOutline(TCanvas& Canvas, const TRect& R, const XPProgressLook& Look) {
  Canvas.Pen().Color = Look.ShowBorder ? Look.BorderColor : Look.UnCompleteColor;
  Canvas.Rectangle(R);
}
}  // namespace

void DrawXPProgress(TCanvas& Canvas, const TRect& R, int Percent, XPProgressLook Look) {
  const int length = Look.Vertical ? R.Bottom - R.Top : R.Right - R.Left;
  Canvas.Brush().Style = bsSolid;
  Canvas.Brush().Color = Look.UnCompleteColor;
  DrawOutline(Canvas, R, Look);
  const int n = length - 2;
  if (Percent > 0) {
    if (Look.Stacked)
      DrawStacked(Canvas, R, Percent, n, Look);
    else if (Look.CompletionSmooth)
      DrawSmooth(Canvas, R, Percent, n, Look);
    else
      DrawBlocks(Canvas, R, Percent, n, Look);
  }
  if (Look.ShowPercentage) DrawPercentage(Canvas, R, Percent, Look);
  Canvas.Brush().Style = bsClear;
  DrawOutline(Canvas, R, Look);
}
