// Classic progress bar, pie and range indicator.
#include "grid/foundation/ProgressGraphics.h"

#include "grid/foundation/CellDrawing.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
enum class PlaceholderKind { Invalid, Integer, Real };

// Walks the placeholders as the platform's Format reads them:
// %[-][width][.precision]type, with %% a plain percent sign.
PlaceholderKind SinglePlaceholder(const QString& Format) {
  PlaceholderKind kind = PlaceholderKind::Invalid;
  int count = 0;
  const int n = int(Format.size());
  for (int i = 0; i < n; ++i) {
    if (Format[i] != '%') continue;
    if (i + 1 < n && Format[i + 1] == '%') {
      ++i;
      continue;
    }
    int j = i + 1;
    if (j < n && Format[j] == '-') ++j;
    while (j < n && Format[j].isDigit()) ++j;
    if (j < n && Format[j] == '.') ++j;
    while (j < n && Format[j].isDigit()) ++j;
    if (j >= n) return PlaceholderKind::Invalid;
    const QChar type = Format[j].toLower();
    if (type == 'd' || type == 'u')
      kind = PlaceholderKind::Integer;
    else if (type == 'f' || type == 'n' || type == 'g' || type == 'e')
      kind = PlaceholderKind::Real;
    else
      return PlaceholderKind::Invalid;
    ++count;
    i = j;
  }
  return count == 1 ? kind : PlaceholderKind::Invalid;
}

int Percentage(double Value, double Minimum, double Maximum, bool Formatted) {
  if (!Formatted) return RoundHalfEven(Value);
  // An empty range has no inside: the bar is empty below its end and full at it.
  if (Maximum <= Minimum) return Value >= Maximum ? 100 : 0;
  return RoundHalfEven((Value - Minimum) * 100.0 / (Maximum - Minimum));
}
}  // namespace

QString ProgressBarText(double Value, const QString& Format) {
  const int rounded = RoundHalfEven(Value);
  switch (Format.isEmpty() ? PlaceholderKind::Invalid : SinglePlaceholder(Format)) {
    case PlaceholderKind::Integer: return ::Format(Format, {rounded});
    case PlaceholderKind::Real: return ::Format(Format, {Value});
    case PlaceholderKind::Invalid: break;
  }
  return IntToStr(rounded) + "%";
}

void DrawProgressBar(TCanvas& Canvas, TRect R, TColor CompletedColor, TColor CompletedTextColor, TColor RemainingColor,
                     TColor RemainingTextColor, double Value, int HorzMargin, int VertMargin, double Minimum,
                     double Maximum, const QString& Format, TColor BorderColor, bool Flipped) {
  const TColor savedBrush = Canvas.Brush().Color;
  Canvas.Pen().Color = CompletedColor;
  Canvas.Brush().Color = CompletedColor;
  Canvas.Font().SetColor(CompletedTextColor);
  const QString text = ProgressBarText(Value, Format);
  const int percentage = std::clamp(Percentage(Value, Minimum, Maximum, !Format.isEmpty()), 0, 100);
  TRect r(R.Left + HorzMargin, R.Top + VertMargin, R.Right - HorzMargin, R.Bottom - VertMargin);
  TRect completed = r;
  completed.Right = r.Left + RoundHalfEven((r.Right - r.Left) * percentage / 100.0);
  const int k = Flipped ? -1 : 1;
  const int x = r.Left + (r.Right - r.Left - Canvas.TextWidth(text)) / 2;
  const int y = r.Top + (r.Bottom - r.Top - k * Canvas.TextHeight(text)) / 2;
  Canvas.FillRect(completed);
  Canvas.TextRect(completed, x, y, text);
  Canvas.Pen().Color = RemainingColor;
  Canvas.Brush().Color = RemainingColor;
  Canvas.Font().SetColor(RemainingTextColor);
  TRect remaining = r;
  remaining.Left = completed.Right;
  Canvas.FillRect(remaining);
  Canvas.TextRect(remaining, x, y, text);
  InflateRect(r, 1, 1);
  if (BorderColor != clNone) {
    Canvas.Brush().Color = BorderColor;
    Canvas.FrameRect(r);
  }
  InflateRect(r, 1, 1);
  Canvas.Brush().Color = savedBrush;
  Canvas.FrameRect(r);
}

void DrawProgressPie(TCanvas& Canvas, const TRect& R, TColor FillColor, int Percent, bool Flipped) {
  constexpr TColor PieLine = 0x808080;
  Canvas.Pen().Color = PieLine;
  Canvas.Pen().Width = 1;
  Canvas.Ellipse(R.Left, R.Top, R.Right, R.Bottom);
  const int cx = R.Left + (R.Right - R.Left) / 2, cy = R.Top + (R.Bottom - R.Top) / 2;
  const double a = Percent / 100.0 * 2 * std::numbers::pi;
  Canvas.MoveTo(cx, R.Top);
  Canvas.LineTo(cx, cy);
  Canvas.LineTo(cx + RoundHalfEven((R.Right - R.Left + 1) * 0.5 * std::sin(a)),
                cy - RoundHalfEven((R.Bottom - R.Top + 1) * 0.5 * std::cos(a)));
  Canvas.Brush().Color = FillColor;
  if (Percent != 0) Canvas.FloodFill(cx + 1, Flipped ? R.Top - 2 : R.Top + 2, PieLine, fsBorder);
}

void DrawRangeIndicator(TCanvas& Canvas, const TRect& R, int Value, int Range, bool ShowValue, TColor NegativeColor,
                        TColor PositiveColor) {
  // The callers' cells show the value elsewhere; the flag draws no text here.
  (void)ShowValue;
  if (Range <= 0) return;
  const TRect r(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
  const int half = (r.Right - r.Left) / 2;
  const int v = std::clamp(Value, -Range, Range);
  const int w = RoundHalfEven(double(v) * half / Range);
  const TColor color = v < 0 ? NegativeColor : PositiveColor;
  Canvas.Pen().Color = color;
  Canvas.Brush().Color = color;
  if (v < 0)
    Canvas.Rectangle(r.Left + half + w, r.Top, r.Left + half, r.Bottom);
  else
    Canvas.Rectangle(r.Left + half, r.Top, r.Left + half + w, r.Bottom);
}
