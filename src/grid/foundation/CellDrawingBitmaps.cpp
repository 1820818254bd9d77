// Key-coloured bitmaps, the error underline and the layered-window calls.
#include "grid/foundation/CellDrawing.h"

#include "platform/Controls.h"
#include "platform/Resources.h"

#include <QtGlobal>

// The grid's glyphs are compiled into the grid library; a static library's
// resources must be registered by a call from the code that uses them (at
// global scope, where the registration function is declared).
static void EnsureGridResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(grid);
    return true;
  }();
  (void)registered;
}

void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& R) {
  if (Bitmap.Empty()) return;
  TBitmap work;
  work.Assign(Bitmap);
  const TColor key = Bitmap.TopLeftColor();
  const TColor background = ColorToRGB(BackgroundColor);
  for (int y = 0; y < work.Height(); ++y)
    for (int x = 0; x < work.Width(); ++x)
      if (work.Canvas().Pixel(x, y) == key) work.Canvas().SetPixel(x, y, background);
  work.EndCanvas();
  Canvas.Draw(R.Left, R.Top, work);
}

void DrawResourceBitmap(TCanvas& Canvas, TColor BackgroundColor, const TRect& R, const QString& ResourceName) {
  EnsureGridResources();
  TBitmap bitmap;
  LoadBitmapResource(bitmap, ResourceName);
  DrawTransparentBitmap(Canvas, bitmap, BackgroundColor, R);
}

namespace {
// Where character Index starts in the text as the canvas font lays it out.
TPoint CharPosition(const TCanvas& Canvas, const QString& Text, int Index) {
  return TPoint(Canvas.TextWidth(Text.left(Index)), 0);
}
}  // namespace

void DrawErrorUnderline(TWinControl*, TCanvas& Canvas, const QString& Text, const TRect& R, int Offset, int First,
                        int Count) {
  const int length = int(Text.size());
  TPoint start = CharPosition(Canvas, Text, First < length ? First : length);
  if (First >= length) start.X += 4;
  TPoint end;
  if (First + Count < length) {
    end = CharPosition(Canvas, Text, First + Count - 1);
  } else {
    end = CharPosition(Canvas, Text, length - 1);
    end.X += 4;
    end.Y = start.Y;
  }
  Canvas.Pen().Color = clRed;
  Canvas.Pen().Width = 2;
  Canvas.MoveTo(R.Left + start.X, R.Top + start.Y + Offset + 3);
  int d = 3;
  int x = start.X;
  for (; x <= end.X; x += 3) {
    d = d == 0 ? 3 : 0;
    Canvas.LineTo(R.Left + x + 3, R.Top + end.Y + Offset + d);
  }
  d = d == 0 ? 3 : 0;
  Canvas.LineTo(R.Left + x + 3, R.Top + end.Y + Offset + d);
}

bool CallUpdateLayeredWindow(TWinControl* Window, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size,
                             TCanvas* SourceDC, const TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend,
                             DWORD Flags) {
  return UpdateLayeredWindow(Window, DestDC, DestPoint, Size, SourceDC, SourcePoint, Key, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor Key, BYTE Alpha, DWORD Flags) {
  return SetLayeredWindowAttributes(Window, Key, Alpha, Flags);
}
