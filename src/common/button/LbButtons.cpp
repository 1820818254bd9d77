#include "common/button/LbButtons.h"

#include "platform/WrappedText.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr TLbColorPreset ColorPresets[] = {
    {lcsGold, 0x0000C0C0, 0x0000FFFF, 0x00008080, clNone, 0x0000DFDF, bsModern, false, clBlack},
    {lcsChrome, 0x00C0C0C0, 0x00FFFFFF, 0x00808080, clNone, clNone, bsModern, false, clBlack},
    {lcsBlue, 0x00FF8000, 0x00FFFF00, 0x00FF0000, clNone, clNone, bsModern, false, clBlack},
    {lcsRed, 0x000000FF, 0x00C0C0FF, 0x000000C0, clNone, clNone, bsModern, false, clBlack},
    {lcsUltraFlat1, clBtnFace, 0x00B59284, 0x00B59284, 0x00B59284, 0x00DED3D6, bsNormal, true, clBlack},
    {lcsUltraFlat2, clBtnFace, 0x00000000, 0x00000000, 0x0024DABC, 0x008CF6E4, bsNormal, true, clBlack},
    {lcsUltraFlatXP, 0x00D1D8DB, 0x00B59284, 0x00B59285, 0x00B59285, 0x00D2BDB6, bsNormal, true, clBlack},
    {lcsAqua, 0x00ECCE94, 0x00FCE6D4, 0x00000000, clNone, clNone, bsModern, false, clBlack},
    {lcsDefault, clBtnFace, 0x00FFFFFF, 0x00808080, clNone, clNone, bsNormal, false, clBlack},
    {lcsQuicken, 0x00603000, 0x00C0C0C0, 0x00C0C0C0, 0x00AD6529, 0x00CEAE9C, bsQuicken, false, clWhite},
};

// The captions are the button's own, fixed whatever the language.
constexpr TLbKindInfo Kinds[] = {
    {bkOK, 1, "LBOK", u"OK"},
    {bkCancel, 2, "LBCANCEL", u"Abbrechen"},
    {bkHelp, 0, "LBHELP", u"Hilfe"},
    {bkYes, 6, "LBYES", u"Ja"},
    {bkNo, 7, "LBNO", u"Nein"},
    {bkClose, 0, "LBCLOSE", u"Schließen"},
    {bkAbort, 3, "LBABORT", u"Abbrechen"},
    {bkRetry, 4, "LBRETRY", u"Wiederholen"},
    {bkIgnore, 5, "LBIGNORE", u"Ignorieren"},
    {bkAll, 12, "LBALL", u"Alle"},
};

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

bool IsSeeThrough(TLbButtonStyle s) { return s == bsModern || s == bsShape || s == bsQuicken; }

void Line(TCanvas& c, TColor color, std::initializer_list<TPoint> points) {
  c.Pen().Color = color;
  auto it = points.begin();
  c.MoveTo(it->X, it->Y);
  for (++it; it != points.end(); ++it) c.LineTo(it->X, it->Y);
}

// The face colour: Color, moved toward HotTrackColor by the hot-track step,
// replaced by ColorWhenDown while pressed.
TColor FaceColor(const TLbFace& f, bool pressed) {
  TColor face = f.Color;
  if (f.Enabled && f.HotTrackColor != clNone) face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
  if (pressed && f.ColorWhenDown != clNone) face = f.ColorWhenDown;
  return face;
}

void DrawBackground(TCanvas& c, const TLbFace& f, TColor face, int p) {
  const int W = f.Width, H = f.Height;
  c.Brush().Style = bsSolid;
  switch (f.Style) {
    case bsShape:
      c.Brush().Color = LbTransparentKey;
      c.FillRect(TRect(0, 0, W, H));
      break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
      c.Brush().Color = face;
      c.FillRect(TRect(0, 0, W, H));
      break;
    case bsModern:
      DrawGradientBands(c, f.LightColor, face, 2, 2, W - 2, H / 4 + p);
      DrawGradientBands(c, face, f.LightColor, 2, H / 4 + p, W - 2, H - 1);
      break;
    case bsQuicken: {
      c.Brush().Color = face;
      const TPenStyle pen = c.Pen().Style;
      c.Pen().Style = psClear;
      c.RoundRect(0, 1, W, H, 4, 4);
      c.Pen().Style = pen;
      break;
    }
  }
}

void DrawFrame(TCanvas& c, const TLbFace& f, TColor face, bool hot, bool pressed) {
  const int W = f.Width, H = f.Height;
  c.Brush().Style = bsClear;
  c.Pen().Style = psSolid;
  const bool framed = (f.Enabled && (!f.Flat || hot || pressed)) || (!f.Enabled && !f.Flat);
  switch (f.Style) {
    case bsNormal:
    case bsEncarta:
      if (!framed) break;
      Line(c, pressed ? f.ShadowColor : f.LightColor, {{0, H - 1}, {0, 0}, {W - 1, 0}});
      Line(c, pressed ? f.LightColor : f.ShadowColor, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
      break;
    case bsOld:
      if (!framed) break;
      if (pressed) {
        Line(c, f.ShadowColor, {{1, H - 3}, {1, 1}, {W - 2, 1}});
        Line(c, cl3DDkShadow, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(c, f.LightColor, {{W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
      } else {
        Line(c, f.ShadowColor, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
        Line(c, f.LightColor, {{0, H - 1}, {0, 0}, {W - 1, 0}});
        Line(c, cl3DDkShadow, {{W - 1, 0}, {W - 1, H - 1}, {-1, H - 1}});
      }
      break;
    case bsModern:
      c.Pen().Color = pressed ? f.ShadowColor : face;
      c.Rectangle(1, 1, W - 1, H - 1);
      c.Pen().Color = f.ShadowColor;
      c.RoundRect(0, 0, W, H, 6, 6);
      break;
    case bsQuicken:
      Line(c, f.ShadowColor, {{4, 0}, {W - 5, 0}});
      Line(c, f.ShadowColor, {{4, H - 1}, {W - 5, H - 1}});
      break;
    case bsShape: break;
  }
}

struct TTextBlock {
  QString Text;
  int Width = 0;
  int Height = 0;
};

// The caption as it fits the available width: cut from its end unless it may
// wrap, then measured word-wrapped.
TTextBlock FitCaption(TCanvas& c, const QString& caption, int available, bool wordWrap) {
  TTextBlock t{caption};
  if (!wordWrap)
    while (!t.Text.isEmpty() && c.TextWidth(t.Text) > available) t.Text.chop(1);
  if (t.Text.isEmpty()) return t;
  const TSize size = WrappedTextExtent(c, t.Text, available);
  t.Width = size.cx;
  t.Height = size.cy;
  return t;
}

// Text on the key colour is drawn without smoothing: a blended edge pixel
// would be neither text nor see-through and fringe the caption.
void DrawCaption(TCanvas& c, const TTextBlock& t, const TRect& r, TAlignment a, TColor color, bool onKey = false) {
  DrawWrappedText(c, r, t.Text, a, color, !onKey);
}

struct TPlacement {
  int TextLeft = 0;
  int TextTop = 0;
  int GlyphLeft = 0;
  int GlyphTop = 0;
  int Available = 0;
};

int GlyphLeftByAlignment(TAlignment a, int left, int right, int centre) {
  return a == taLeftJustify ? left : a == taRightJustify ? right : centre;
}

TPlacement PlaceSideBySide(const TLbFace& f, const TTextBlock& t, int gW, int gH, int p) {
  const int W = f.Width, H = f.Height;
  TPlacement pl;
  pl.TextTop = (H - t.Height) / 2 + p;
  pl.GlyphTop = (H - gH) / 2 + p;
  const int B = t.Text.isEmpty() ? 0 : t.Width + 4;
  if (f.Layout == blGlyphLeft) {
    pl.TextLeft = p + 4 + (gW > 0 ? gW + 4 : 0);
    pl.GlyphLeft =
        f.WordWrap ? p + 4 : GlyphLeftByAlignment(f.Alignment, p + 4, W - 4 - gW - B + p, (W - gW) / 2 + p - B / 2);
  } else {
    pl.TextLeft = p + 4;
    pl.GlyphLeft =
        f.WordWrap ? p + 4 + B : GlyphLeftByAlignment(f.Alignment, p + 4 + B, W - 4 - gW + p, (W - gW) / 2 + p + B / 2);
  }
  return pl;
}

TPlacement PlaceAboveBelow(const TLbFace& f, const TTextBlock& t, int gW, int gH, int p) {
  const int W = f.Width, H = f.Height;
  TPlacement pl;
  const int T = t.Height + (gH > 0 ? gH + 4 : 0);
  pl.TextLeft = p + 4;
  if (f.Layout == blGlyphTop) {
    pl.GlyphTop = (H - T) / 2 + p;
    pl.TextTop = (H - T) / 2 + gH + p;
  } else {
    pl.TextTop = (H - T) / 2 + p;
    pl.GlyphTop = (H - T) / 2 + t.Height + p;
  }
  pl.GlyphLeft = GlyphLeftByAlignment(f.Alignment, p + 4, W - gW - 4 + p, (W - gW) / 2 + p);
  return pl;
}

void DrawPopupMark(TCanvas& c, const TLbFace& f) {
  if (!f.HasPopupMenu) return;
  static TBitmap arrow;
  if (arrow.Empty()) LoadLbBitmap("LBARROW", arrow);
  DrawGlyphCell(c, arrow, arrow.Width(), f.Width - 11, f.Height / 2 - 1, 0);
}

}  // namespace

const TLbColorPreset* FindColorPreset(TLbColorStyle preset) {
  for (const TLbColorPreset& p : ColorPresets)
    if (p.Preset == preset) return &p;
  return nullptr;
}

const TLbKindInfo* FindKindInfo(TLbButtonKind kind) {
  for (const TLbKindInfo& k : Kinds)
    if (k.Kind == kind) return &k;
  return nullptr;
}

// The resources live in the configurator library; a program that links it
// statically needs them registered before the first look-up.
static void EnsureResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}

bool LoadLbBitmap(const QString& name, TBitmap& into) {
  EnsureResources();
  TBitmap loaded;
  if (!loaded.LoadFromFile(":/button/" + name + ".bmp")) {
    into.SetSize(0, 0);
    return false;
  }
  // The strips are opaque: a key colour, not an alpha channel, leaves pixels out.
  into.Assign(loaded);
  into.Transparent = false;
  into.SetPixelFormat(pfDevice);
  return true;
}

TColor BlendHotTrackColor(TColor color, TColor hotTrack, int step) {
  const TColor a = ColorToRGB(color), b = ColorToRGB(hotTrack);
  const double s = step / 8.0;
  auto mix = [s](int x, int y) { return RoundHalfEven((1 - s) * x + s * y); };
  return RGBColor(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void DrawGradientBands(TCanvas& canvas, TColor from, TColor to, int left, int top, int right, int bottom) {
  const TColor a = ColorToRGB(from), b = ColorToRGB(to);
  const double dr = (GetRValue(b) - GetRValue(a)) / 31.0, dg = (GetGValue(b) - GetGValue(a)) / 31.0,
               db = (GetBValue(b) - GetBValue(a)) / 31.0;
  double r = GetRValue(a), g = GetGValue(a), bl = GetBValue(a);
  const int span = bottom - top, bandSize = span / 31 + 1;
  const TBrush saved = [&] {
    TBrush k;
    k.Assign(canvas.Brush());
    return k;
  }();
  canvas.Brush().Style = bsSolid;
  for (int i = 0; i < 32; ++i) {
    const int bandTop = top + i * span / 31;
    canvas.Brush().Color = RGBColor(RoundHalfEven(r), RoundHalfEven(g), RoundHalfEven(bl));
    canvas.FillRect(TRect(left, bandTop, right, std::min(bandTop + bandSize, bottom)));
    r += dr;
    g += dg;
    bl += db;
  }
  canvas.Brush().Assign(saved);
}

void DrawGlyphCell(TCanvas& canvas, TBitmap& glyph, int cellWidth, int x, int y, int cell) {
  if (cellWidth <= 0 || glyph.Empty()) return;
  if ((cell + 1) * cellWidth > glyph.Width()) cell = 0;
  const int h = glyph.Height();
  TBitmap one(cellWidth, h);
  one.Canvas().CopyRect(TRect(0, 0, cellWidth, h), glyph.Canvas(),
                        TRect(cell * cellWidth, 0, (cell + 1) * cellWidth, h));
  canvas.DrawTransparent(x, y, one, one.BottomLeftColor());
}

void DrawDottedFocusRect(TCanvas& canvas, const TRect& r) {
  if (r.IsEmpty()) return;
  // Walk the outline once, clockwise, and invert every other pixel of it.
  std::vector<TPoint> outline;
  for (int x = r.Left; x < r.Right; ++x) outline.emplace_back(x, r.Top);
  for (int y = r.Top + 1; y < r.Bottom; ++y) outline.emplace_back(r.Right - 1, y);
  if (r.Height() > 1)
    for (int x = r.Right - 2; x >= r.Left; --x) outline.emplace_back(x, r.Bottom - 1);
  if (r.Width() > 1)
    for (int y = r.Bottom - 2; y > r.Top; --y) outline.emplace_back(r.Left, y);
  for (size_t i = 0; i < outline.size(); i += 2) {
    const TPoint q = outline[i];
    if (const TColor c = canvas.Pixel(q.X, q.Y); c != clNone) canvas.SetPixel(q.X, q.Y, c ^ 0x00FFFFFF);
  }
}

void DrawButtonFace(TCanvas& c, const TLbFace& f) {
  const int W = f.Width, H = f.Height;
  const bool pressed = f.Pressed && f.Enabled;
  const int p = pressed && f.Style != bsEncarta ? 1 : 0;
  const TColor face = FaceColor(f, pressed);
  DrawBackground(c, f, face, p);
  DrawFrame(c, f, face, f.Hot, pressed);

  if (f.Font) c.Font().Assign(*f.Font);
  if (f.Style == bsEncarta && pressed) {
    TFontStyles s = c.Font().Style();
    s.Include(fsBold);
    c.Font().SetStyle(s);
  }
  TBitmap noGlyph;
  TBitmap& glyph = f.Glyph ? *f.Glyph : noGlyph;
  const int gH = glyph.Empty() ? 0 : glyph.Height();
  const int gW = f.NumGlyphs > 0 && !glyph.Empty() ? glyph.Width() / f.NumGlyphs : 0;
  int cell = 1;
  if (f.Enabled) cell = pressed && f.NumGlyphs > 2 ? 2 : f.Hot && f.NumGlyphs > 3 ? 3 : 0;

  if (f.Style == bsShape) {
    const TTextBlock t = FitCaption(c, f.Caption, std::max(0, W - 8), f.WordWrap);
    DrawGlyphCell(c, glyph, gW, (W - gW) / 2, (H - gH) / 2, cell);
    DrawCaption(c, t, TRect(p, (H - t.Height) / 2 + p, W, H), taCenter, c.Font().Color(), true);
    DrawPopupMark(c, f);
    return;
  }
  const bool sideBySide = f.Layout == blGlyphLeft || f.Layout == blGlyphRight;
  const int available = std::max(0, W - 8 - (sideBySide && gW > 0 ? gW + 4 : 0));
  const TTextBlock t = FitCaption(c, f.Caption, available, f.WordWrap);
  const TPlacement pl = sideBySide ? PlaceSideBySide(f, t, gW, gH, p) : PlaceAboveBelow(f, t, gW, gH, p);
  const TColor textColor = f.Enabled ? c.Font().Color() : TColor(0x00808080);
  DrawCaption(c, t, TRect(pl.TextLeft, pl.TextTop, pl.TextLeft + available, pl.TextTop + t.Height), f.Alignment,
              textColor);
  DrawGlyphCell(c, glyph, gW, pl.GlyphLeft, pl.GlyphTop, cell);
  DrawPopupMark(c, f);
}

bool LbSeeThrough(TLbButtonStyle style) { return IsSeeThrough(style); }
