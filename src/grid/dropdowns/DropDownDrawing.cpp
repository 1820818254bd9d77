#include "grid/dropdowns/DropDownDrawing.h"

#include "grid/foundation/CellDrawing.h"
#include "platform/GdiDraw.h"
#include "platform/ImageList.h"
#include "platform/SysUtils.h"

#include <algorithm>
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

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
  if (Percent >= 100) return Color1;
  if (Percent <= 0) return Color2;
  const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
  const double p = Percent / 100.0;
  const auto mix = [p](int x, int y) { return RoundHalfEven(p * x + (1 - p) * y); };
  return RGBColor(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor BrightenColor(TColor Color, int Red, int Green, int Blue) {
  const TColor c = ColorToRGB(Color);
  const auto channel = [](int v, int p) {
    if (v == 0) return std::max(0, p);
    return RoundHalfEven(std::min(100, 100 + p) / 100.0 * v);
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

void DrawImageAndText(TCanvas& Canvas, const TRect& R, const QString& Text, int ImageIndex, const TImageList* Images) {
  TRect text = R;
  unsigned format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (ImageIndex >= 0 && Images) {
    Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
    text.Left = R.Left + Images->Width() + 8;
  } else {
    format |= DT_CENTER;
  }
  DrawText(Canvas, Text, text, format);
}

void CopyBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor Background, const TRect& R) {
  TBitmap copy;
  copy.Assign(Bitmap);
  const int w = copy.Width(), h = copy.Height();
  if (w <= 0 || h <= 0) return;
  const TColor key = copy.TopLeftColor();
  const TColor back = ColorToRGB(Background);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (copy.Canvas().Pixel(x, y) == key) copy.Canvas().SetPixel(x, y, back);
  copy.EndCanvas();
  Canvas.StretchDraw(R, copy);
}

QString TruncateTextToWidth(TCanvas& Canvas, const QString& Text, int Width, bool Ellipsis) {
  if (Canvas.TextWidth(Text) <= Width) return Text;
  const QString tail = Ellipsis ? QStringLiteral("...") : QString();
  for (qsizetype n = Text.size() - 1; n > 0; --n) {
    const QString shortened = Text.left(n) + tail;
    if (Canvas.TextWidth(shortened) < Width) return shortened;
  }
  return Text;
}

bool IsRangeSeparator(QChar C) { return C == ',' || C == '-' || C == ';'; }

QString StripThousandSeparators(const QString& Text) {
  QString result = Text;
  result.remove(FormatSettings().ThousandSeparator);
  return result;
}

int HexDigitValue(QChar C) {
  const char16_t u = C.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  return 0;
}

int HexToInt(const QString& Text) {
  // Unsigned arithmetic: a long text wraps instead of overflowing.
  unsigned result = 0;
  for (const QChar c : Text) result = result * 16u + unsigned(HexDigitValue(c));
  return int(result);
}

QString CaseKey(const QString& Text, bool CaseSensitive) { return CaseSensitive ? Text : Text.toUpper(); }
