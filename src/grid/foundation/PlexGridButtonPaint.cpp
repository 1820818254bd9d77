// TPlexGridButton: painting. The face (flat gradient face, themed push button
// or classic frame), the checked overlay, the drop-down arrow, then the glyph
// with its shade and the caption, placed by Layout, Margin and Spacing.
#include "grid/foundation/PlexGridButton.h"

#include "platform/Themes.h"

#include <cmath>

namespace {

constexpr int kGradientSteps = 16;
constexpr int kRoundCorner = 8;
constexpr int kDropDownPart = 12;
constexpr int kClassicEdge = 2;
// Theme part and states of the push button.
constexpr int BP_PUSHBUTTON = 1, PBS_NORMAL = 1, PBS_HOT = 2, PBS_PRESSED = 3;

// Halves to the even neighbour, as the painting rounds everywhere.
int RoundEven(double v) { return int(std::nearbyint(v)); }

bool IsDown(TButtonState s) { return s == bsDown || s == bsExclusive; }

// Bands of colour from `from` to `to`, each band filled and framed in its own
// colour, then the whole framed in `frame` unless that is none.
void PaintButtonGradient(TCanvas& c, TColor from, TColor to, bool horizontal, const TRect& G, int steps, TColor frame) {
  if (steps == 0) steps = 1;
  from = ColorToRGB(from);
  to = ColorToRGB(to);
  const double rs = (GetRValue(to) - GetRValue(from)) / double(steps);
  const double gs = (GetGValue(to) - GetGValue(from)) / double(steps);
  const double bs = (GetBValue(to) - GetBValue(from)) / double(steps);
  const double band = (horizontal ? G.Width() : G.Height()) / double(steps);
  c.Brush().Style = bsSolid;
  for (int i = 0; i < steps; ++i) {
    const TColor col = RGBColor(GetRValue(from) + RoundEven(i * rs), GetGValue(from) + RoundEven(i * gs),
                                GetBValue(from) + RoundEven(i * bs));
    c.Pen().Color = col;
    c.Brush().Color = col;
    const int o = RoundEven(i * band) % 65536;
    const int size = RoundEven(band) + 1;
    if (horizontal)
      c.Rectangle(G.Left + o, G.Top, G.Left + o + size, G.Bottom);
    else
      c.Rectangle(G.Left, G.Top + o, G.Right, G.Top + o + size);
  }
  if (frame != clNone) {
    c.Pen().Color = frame;
    c.Brush().Style = bsClear;
    c.Rectangle(G);
  }
}

// A rectangle filled with the brush and framed with the pen; a pen of no
// colour takes the brush's.
void FramedFill(TCanvas& c, const TRect& R, TColor brush, TColor pen) {
  c.Brush().Style = bsSolid;
  c.Brush().Color = brush;
  c.Pen().Color = pen == clNone ? brush : pen;
  c.Rectangle(R);
}

void RoundFrame(TCanvas& c, const TRect& R, TColor pen) {
  c.Pen().Color = pen;
  c.Pen().Width = 1;
  c.Brush().Style = bsClear;
  c.RoundRect(R.Left, R.Top, R.Right, R.Bottom, kRoundCorner, kRoundCorner);
}

}  // namespace

void TPlexGridButton::Paint() {
  NormaliseState();
  Canvas().Font().Assign(Font());
  Canvas().Pen().Style = psSolid;
  TRect R(0, 0, Width(), Height());
  PaintFace(R);
  int d = 0;
  if (IsDown(FState)) {
    if (FState == bsExclusive && (!FFlat || !FMouseInButton)) PaintCheckedOverlay(R);
    if (!FFlat) d = 1;
  } else if (FFlat && FMouseInButton && Enabled() && FShaded) {
    d = -1;
  }
  if (FDropDownButton) PaintDropDownArrow(R);
  PaintContents(R, d, FDown && FGroupIndex != 0 ? bsDown : FState);
}

void TPlexGridButton::NormaliseState() {
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FStyle == tasCheck && FDown) FState = bsDown;
}

void TPlexGridButton::PaintFace(TRect& R) {
  if (FFlat) {
    PaintFlatFace(R);
    InflateRect(R, -1, -1);
    return;
  }
  IThemeServices& themes = ThemeServices();
  if (FAutoXPStyle && FComCtl6 && themes.IsThemeActive()) {
    HTHEME theme = themes.OpenThemeData(Parent(), "button");
    const int state = IsDown(FState) ? PBS_PRESSED : FMouseInButton ? PBS_HOT : PBS_NORMAL;
    themes.DrawThemeBackground(theme, Canvas(), BP_PUSHBUTTON, state, R, nullptr);
    themes.CloseThemeData(theme);
    return;
  }
  unsigned flags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
  if (IsDown(FState)) flags |= DFCS_PUSHED;
  DrawFrameControl(Canvas(), R, DFC_BUTTON, flags);
  InflateRect(R, -kClassicEdge, -kClassicEdge);
}

void TPlexGridButton::PaintFlatFace(TRect& R) {
  if (BorderDownColor() == clNone || FRounded) InflateRect(R, -1, -1);
  Canvas().Pen().Width = 1;
  if (FMouseInButton && Enabled())
    PaintFlatHotFace(R);
  else
    PaintFlatNormalFace(R);
}

void TPlexGridButton::PaintFlatHotFace(TRect& R) {
  TCanvas& c = Canvas();
  const bool down = FState == bsDown;
  const TColor brush = down ? ColorDown() : ColorHot();
  const TColor target = down ? ColorDownTo() : ColorHotTo();
  const TColor border = down ? BorderDownColor() : BorderHotColor();
  const TColor pen = FRounded ? clNone : border;
  if (target != clNone)
    PaintButtonGradient(c, brush, target, false, R, kGradientSteps, pen);
  else
    FramedFill(c, R, brush, pen);
  if (FRounded) {
    InflateRect(R, 1, 1);
    RoundFrame(c, R, border);
  }
  if (FDropDownButton) {
    c.Pen().Color = border;
    c.MoveTo(R.Right - kDropDownPart, R.Top);
    c.LineTo(R.Right - kDropDownPart, R.Bottom);
  }
}

void TPlexGridButton::PaintFlatNormalFace(TRect& R) {
  TCanvas& c = Canvas();
  if (FStyle == tasCheck && FDown) {
    if (ColorCheckedTo() != clNone)
      PaintButtonGradient(c, ColorChecked(), ColorCheckedTo(), false, R, kGradientSteps, BorderDownColor());
    else
      FramedFill(c, R, ColorChecked(), BorderDownColor());
    return;
  }
  c.Brush().Style = bsSolid;
  c.Brush().Color = ColorToRGB(Color());
  if (ColorTo() != clNone) {
    const TColor pen = FRounded ? clNone : FDown ? BorderDownColor() : BorderColor();
    PaintButtonGradient(c, Color(), ColorTo(), false, R, kGradientSteps, pen);
  } else {
    c.FillRect(R);
  }
  if (BorderColor() == clNone) return;
  if (FRounded) {
    InflateRect(R, 1, 1);
    RoundFrame(c, R, BorderColor());
  } else {
    c.Pen().Color = BorderColor();
    c.Brush().Style = bsClear;
    c.Rectangle(R);
  }
}

void TPlexGridButton::PaintCheckedOverlay(TRect& R) {
  TCanvas& c = Canvas();
  InflateRect(R, 1, 1);
  const TColor pen = FDown ? BorderDownColor() : BorderColor();
  if (ColorCheckedTo() != clNone) {
    PaintButtonGradient(c, ColorChecked(), ColorCheckedTo(), false, R, kGradientSteps, pen);
  } else {
    c.Brush().Style = bsSolid;
    c.Brush().Color = ColorChecked();
    c.FillRect(R);
  }
}

void TPlexGridButton::PaintDropDownArrow(TRect& R) {
  TCanvas& c = Canvas();
  const int m = R.Top + (R.Bottom - R.Top) / 2;
  c.Pen().Color = Font().Color();
  c.Brush().Style = bsSolid;
  c.Brush().Color = Font().Color();
  c.Polygon({TPoint(R.Right - 8, m - 1), TPoint(R.Right - 4, m - 1), TPoint(R.Right - 6, m + 1)});
  R.Right -= kDropDownPart;
}

// ---- contents ----

void TPlexGridButton::PaintContents(const TRect& C, int d, TButtonState s) {
  // Left-to-right reading: no alignment or reading-order flags.
  const unsigned textFlags = 0;
  TPoint P;
  TRect T;
  LayoutContents(C, d, textFlags, P, T);
  if (Caption().isEmpty()) P = TPoint(0, 0);
  PaintGlyph(P);
  if (!IsDown(s) && FMouseInButton && FShaded && Enabled() && FFlat) OffsetRect(T, 1, 1);
  if (FShowCaption) PaintCaption(T, s, textFlags);
}

// The glyph's position P and the caption's bounds T within C, moved by d.
void TPlexGridButton::LayoutContents(const TRect& C, int d, unsigned textFlags, TPoint& P, TRect& T) {
  const QString caption = Caption();
  const int cw = C.Width(), ch = C.Height();
  const int gw = FGlyph->Empty() ? 0 : FGlyph->Width(), gh = FGlyph->Empty() ? 0 : FGlyph->Height();
  TButtonLayout layout = FLayout;
  if (textFlags & DT_RIGHT) {
    if (layout == blGlyphLeft)
      layout = blGlyphRight;
    else if (layout == blGlyphRight)
      layout = blGlyphLeft;
  }
  int tw = 0, th = 0;
  if (!caption.isEmpty()) {
    TRect m(0, 0, cw, 0);
    DrawText(Canvas(), caption, m, textFlags | DT_CALCRECT);
    tw = m.Width();
    th = m.Height();
  }
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  P = TPoint();
  int tx = 0, ty = 0;
  if (horizontal) {
    P.Y = (ch - gh + 1) / 2;
    ty = (ch - th + 1) / 2;
  } else {
    P.X = (cw - gw + 1) / 2;
    tx = (cw - tw + 1) / 2;
  }
  int margin = FMargin, spacing = FSpacing;
  if (tw == 0 || gw == 0) spacing = 0;
  const int room = horizontal ? cw : ch, glyph = horizontal ? gw : gh, text = horizontal ? tw : th;
  // Only -1 centres; other negative values are used as they are.
  if (margin == -1 && spacing == -1) {
    margin = (room - (glyph + text)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (room - (glyph + spacing + text) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (room - (margin + glyph) - text) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      P.X = margin;
      tx = P.X + gw + spacing;
      break;
    case blGlyphRight:
      P.X = cw - margin - gw;
      tx = P.X - spacing - tw;
      break;
    case blGlyphTop:
      P.Y = margin;
      ty = P.Y + gh + spacing;
      break;
    case blGlyphBottom:
      P.Y = ch - margin - gh;
      ty = P.Y - spacing - th;
      break;
  }
  P = TPoint(P.X + C.Left + d, P.Y + C.Top + d);
  T = Bounds(tx + C.Left + d, ty + C.Top + d, tw, th);
}

// The glyph of the button's own state (not the state the contents were given).
const TBitmap& TPlexGridButton::CurrentGlyph() const {
  auto orGlyph = [this](const TBitmap& b) -> const TBitmap& { return b.Empty() ? *FGlyph : b; };
  if (!Enabled()) return orGlyph(*FGlyphDisabled);
  if (IsDown(FState)) return orGlyph(*FGlyphDown);
  return FMouseInButton ? orGlyph(*FGlyphHot) : *FGlyph;
}

void TPlexGridButton::PaintGlyph(const TPoint& P) {
  const TBitmap& glyph = CurrentGlyph();
  if (glyph.Empty()) return;
  TCanvas& c = Canvas();
  const bool captioned = !Caption().isEmpty();
  if (FMouseInButton && FShaded && Enabled() && FState != bsDown && !FShade->Empty()) {
    const TPoint at = captioned ? TPoint(P.X + 2, P.Y + 2) : P;
    c.DrawTransparent(at.X, at.Y, *FShade, FShade->BottomLeftColor());
  }
  const TPoint at = captioned ? P : TPoint(0, 0);
  c.DrawTransparent(at.X, at.Y, glyph, glyph.BottomLeftColor());
}

// A disabled caption is embossed: highlight below-right, shadow on top.
void TPlexGridButton::PaintCaption(const TRect& T, TButtonState s, unsigned textFlags) {
  TCanvas& c = Canvas();
  const unsigned flags = textFlags | DT_CENTER | DT_VCENTER;
  const QString caption = Caption();
  c.Brush().Style = bsClear;
  TRect r = T;
  if (s == bsDisabled) {
    OffsetRect(r, 1, 1);
    c.Font().SetColor(clBtnHighlight);
    DrawText(c, caption, r, flags);
    r = T;
    c.Font().SetColor(clBtnShadow);
    DrawText(c, caption, r, flags);
  } else {
    c.Font().SetColor(Font().Color());
    DrawText(c, caption, r, flags);
  }
}
