// The classic 3D edges, frame controls and the focus rectangle, drawn with
// the fixed system palette so they look the same on every desktop.
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QPaintEngine>

namespace {

constexpr TColor kNoLine = clNone;

// Edge colours by the edge bits (inner kind << 2 | outer kind), as the classic
// look pairs them, for the outer and inner lines of one side pair.
struct SideColours {
  TColor Outer[16], Inner[16];
};
constexpr TColor N = kNoLine;
constexpr SideColours kTopLeft = {
    {N, cl3DLight, clBtnShadow, N, clBtnHighlight, cl3DLight, clBtnShadow, N, cl3DDkShadow, cl3DLight, clBtnShadow, N,
     N, cl3DLight, clBtnShadow, N},
    {N, N, N, N, N, clBtnHighlight, clBtnHighlight, N, N, cl3DDkShadow, cl3DDkShadow, N, N, N, N, N},
};
// Soft edges swap the top-left shades so a raised face reads lighter.
constexpr SideColours kTopLeftSoft = {
    {N, clBtnHighlight, cl3DDkShadow, N, cl3DLight, clBtnHighlight, cl3DDkShadow, N, clBtnShadow, clBtnHighlight,
     cl3DDkShadow, N, N, clBtnHighlight, cl3DDkShadow, N},
    {N, N, N, N, N, cl3DLight, cl3DLight, N, N, clBtnShadow, clBtnShadow, N, N, N, N, N},
};
constexpr SideColours kBottomRight = {
    {N, cl3DDkShadow, clBtnHighlight, N, clBtnShadow, cl3DDkShadow, clBtnHighlight, N, cl3DLight, cl3DDkShadow,
     clBtnHighlight, N, N, cl3DDkShadow, clBtnHighlight, N},
    {N, N, N, N, N, clBtnShadow, clBtnShadow, N, N, cl3DLight, cl3DLight, N, N, N, N, N},
};

TColor Pick(const TColor (&table)[16], unsigned index) { return table[index & 0xF]; }

void HLine(TCanvas& c, int x0, int x1, int y, TColor colour) {
  if (colour == kNoLine || x1 <= x0) return;
  c.Brush().Color = colour;
  c.Brush().Style = bsSolid;
  c.FillRect(TRect(x0, y, x1, y + 1));
}

void VLine(TCanvas& c, int x, int y0, int y1, TColor colour) {
  if (colour == kNoLine || y1 <= y0) return;
  c.Brush().Color = colour;
  c.Brush().Style = bsSolid;
  c.FillRect(TRect(x, y0, x + 1, y1));
}

// Keeps the caller's brush and pen across the drawing.
class BrushKeeper {
public:
  explicit BrushKeeper(TCanvas& c) : C(c) {
    Brush.Assign(c.Brush());
    Pen.Assign(c.Pen());
  }
  ~BrushKeeper() {
    C.Brush().Assign(Brush);
    C.Pen().Assign(Pen);
  }
  BrushKeeper(const BrushKeeper&) = delete;
  BrushKeeper& operator=(const BrushKeeper&) = delete;

private:
  TCanvas& C;
  TBrush Brush;
  TPen Pen;
};

void FillArea(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush().Color = colour;
  c.Brush().Style = bsSolid;
  c.FillRect(r);
}

// A filled triangle pointing in a direction, centred in r.
void DrawArrow(TCanvas& c, const TRect& r, unsigned kind, TColor colour) {
  const int side = std::min(r.Width(), r.Height());
  const int half = std::max(1, (side - 4) / 4 + 1);  // rows of the arrow, less one
  const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  c.Brush().Color = colour;
  c.Brush().Style = bsSolid;
  for (int i = 0; i < half; ++i) {
    switch (kind) {
      case DFCS_SCROLLUP: c.FillRect(TRect(cx - i, cy - half / 2 + i, cx + i + 1, cy - half / 2 + i + 1)); break;
      case DFCS_SCROLLLEFT: c.FillRect(TRect(cx - half / 2 + i, cy - i, cx - half / 2 + i + 1, cy + i + 1)); break;
      case DFCS_SCROLLRIGHT: c.FillRect(TRect(cx + half / 2 - i, cy - i, cx + half / 2 - i + 1, cy + i + 1)); break;
      default: c.FillRect(TRect(cx - i, cy + half / 2 - i, cx + i + 1, cy + half / 2 - i + 1)); break;
    }
  }
}

TRect SquareIn(const TRect& r) {
  const int side = std::min(r.Width(), r.Height());
  const int l = r.Left + (r.Width() - side) / 2, t = r.Top + (r.Height() - side) / 2;
  return TRect(l, t, l + side, t + side);
}

void DrawCheckBox(TCanvas& c, const TRect& rect, unsigned state) {
  TRect r = SquareIn(rect);
  if (state & DFCS_FLAT) {
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
    InflateRect(r, -1, -1);
  } else {
    DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  }
  const bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) || (state & DFCS_BUTTON3STATE && state & DFCS_CHECKED);
  FillArea(c, r, grey ? clBtnFace : clWindow);
  if (!(state & DFCS_CHECKED)) return;
  // The tick: three rows thick, a short stroke down and a long one up.
  const TColor ink = (state & (DFCS_INACTIVE | DFCS_BUTTON3STATE)) ? clBtnShadow : clWindowText;
  const int s = r.Width();
  const int x0 = r.Left + std::max(1, s / 6), y0 = r.Top + s / 2 - 1;
  const int down = std::max(1, s / 4), up = std::max(2, s / 2);
  for (int i = 0; i <= down + up; ++i) {
    const int x = x0 + i, y = i <= down ? y0 + i : y0 + down - (i - down);
    if (x >= r.Right - 1) break;
    VLine(c, x, std::max(r.Top, y - 1), std::min(r.Bottom, y + 2), ink);
  }
}

void DrawRadio(TCanvas& c, const TRect& rect, unsigned state) {
  TRect r = SquareIn(rect);
  QPainter* p = CanvasPainter(c);
  if (!p || r.IsEmpty()) return;
  p->save();
  p->setRenderHint(QPainter::Antialiasing, false);
  auto arc = [&](const TRect& box, int startDeg, TColor colour) {
    p->setPen(QPen(ToQColor(colour), 1));
    p->setBrush(Qt::NoBrush);
    p->drawArc(QRectF(box.Left + 0.5, box.Top + 0.5, box.Width() - 1, box.Height() - 1), startDeg * 16, 180 * 16);
  };
  const bool grey = state & (DFCS_INACTIVE | DFCS_PUSHED);
  TRect inner = r;
  InflateRect(inner, -1, -1);
  p->setPen(Qt::NoPen);
  p->setBrush(ToQColor(grey ? clBtnFace : clWindow));
  p->drawEllipse(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1));
  if (state & DFCS_FLAT) {
    arc(r, 45, clBtnShadow);
    arc(r, 225, clBtnShadow);
  } else {
    arc(r, 45, clBtnShadow);
    arc(r, 225, clBtnHighlight);
    arc(inner, 45, cl3DDkShadow);
    arc(inner, 225, cl3DLight);
  }
  if (state & DFCS_CHECKED) {
    const int d = std::max(2, r.Width() / 3);
    const int l = r.Left + (r.Width() - d) / 2, t = r.Top + (r.Height() - d) / 2;
    p->setPen(Qt::NoPen);
    p->setBrush(ToQColor(state & DFCS_INACTIVE ? clBtnShadow : clWindowText));
    p->drawEllipse(QRect(l, t, d, d));
  }
  p->restore();
}

void DrawPushButton(TCanvas& c, const TRect& rect, unsigned state) {
  TRect r = rect;
  unsigned flags = BF_RECT | BF_SOFT | BF_MIDDLE | BF_ADJUST;
  if (state & DFCS_FLAT) flags |= BF_FLAT;
  if (state & DFCS_MONO) flags |= BF_MONO;
  DrawEdge(c, r, (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED, flags);
}

void DrawScrollArrow(TCanvas& c, const TRect& rect, unsigned state) {
  TRect r = rect;
  const bool pushed = state & DFCS_PUSHED;
  if (pushed || (state & DFCS_FLAT)) {
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
    InflateRect(r, -1, -1);
    FillArea(c, r, clBtnFace);
  } else {
    DrawEdge(c, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
  }
  unsigned kind = state & 0xF;
  if (kind == DFCS_SCROLLCOMBOBOX) kind = DFCS_SCROLLDOWN;
  if (kind > DFCS_SCROLLRIGHT) return;
  TRect a = rect;
  if (pushed) OffsetRect(a, 1, 1);
  if (state & DFCS_INACTIVE) {
    TRect shadow = a;
    OffsetRect(shadow, 1, 1);
    DrawArrow(c, shadow, kind, clBtnHighlight);
    DrawArrow(c, a, kind, clBtnShadow);
  } else {
    DrawArrow(c, a, kind, clBtnText);
  }
}

}  // namespace

bool DrawEdge(TCanvas& c, TRect& rect, unsigned edge, unsigned flags) {
  const unsigned kind = edge & (BDR_INNER | BDR_OUTER);
  TColor ltOuter, ltInner, rbOuter, rbInner;
  if (flags & (BF_MONO | BF_FLAT)) {
    const TColor outer = (flags & BF_MONO) ? clWindowFrame : clBtnShadow;
    const TColor inner = (flags & BF_MONO) ? clWindow : clBtnFace;
    ltOuter = rbOuter = (kind & BDR_OUTER) ? outer : (kind & BDR_INNER) ? outer : N;
    ltInner = rbInner = ((kind & BDR_OUTER) && (kind & BDR_INNER)) ? inner : N;
  } else {
    const SideColours& lt = (flags & BF_SOFT) ? kTopLeftSoft : kTopLeft;
    ltOuter = Pick(lt.Outer, kind);
    ltInner = Pick(lt.Inner, kind);
    rbOuter = Pick(kBottomRight.Outer, kind);
    rbInner = Pick(kBottomRight.Inner, kind);
  }
  BrushKeeper keep(c);
  const TRect r = rect;
  const int lt = (flags & BF_TOPLEFT) == BF_TOPLEFT, rt = (flags & BF_TOPRIGHT) == BF_TOPRIGHT;
  const int lb = (flags & BF_BOTTOMLEFT) == BF_BOTTOMLEFT, rb = (flags & BF_BOTTOMRIGHT) == BF_BOTTOMRIGHT;
  // Outer line: top and left first, then bottom and right over their corners.
  if (flags & BF_TOP) HLine(c, r.Left, r.Right, r.Top, ltOuter);
  if (flags & BF_LEFT) VLine(c, r.Left, r.Top, r.Bottom, ltOuter);
  if (flags & BF_BOTTOM) HLine(c, r.Left, r.Right, r.Bottom - 1, rbOuter);
  if (flags & BF_RIGHT) VLine(c, r.Right - 1, r.Top, r.Bottom, rbOuter);
  // Inner line, inside the outer one where two sides meet.
  if (flags & BF_TOP) HLine(c, r.Left + lt, r.Right - rt, r.Top + 1, ltInner);
  if (flags & BF_LEFT) VLine(c, r.Left + 1, r.Top + lt, r.Bottom - lb, ltInner);
  if (flags & BF_BOTTOM) HLine(c, r.Left + lb, r.Right - rb, r.Bottom - 2, rbInner);
  if (flags & BF_RIGHT) VLine(c, r.Right - 2, r.Top + rt, r.Bottom - rb, rbInner);

  const int lines = ((kind & BDR_OUTER) ? 1 : 0) + ((kind & BDR_INNER) ? 1 : 0);
  TRect inner = r;
  if (flags & BF_LEFT) inner.Left += lines;
  if (flags & BF_RIGHT) inner.Right -= lines;
  if (flags & BF_TOP) inner.Top += lines;
  if (flags & BF_BOTTOM) inner.Bottom -= lines;
  if ((flags & BF_MIDDLE) && !inner.IsEmpty()) FillArea(c, inner, (flags & BF_MONO) ? clWindow : clBtnFace);
  if (flags & BF_ADJUST) rect = inner;
  return true;
}

bool DrawFrameControl(TCanvas& c, const TRect& rect, unsigned type, unsigned state) {
  if (rect.IsEmpty()) return false;
  BrushKeeper keep(c);
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH)
        DrawPushButton(c, rect, state);
      else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE))
        DrawRadio(c, rect, state);
      else
        DrawCheckBox(c, rect, state);
      return true;
    case DFC_SCROLL: DrawScrollArrow(c, rect, state); return true;
    default: return false;
  }
}

bool DrawFocusRect(TCanvas& c, const TRect& r) {
  QPainter* p = CanvasPainter(c);
  if (!p || r.IsEmpty()) return false;
  const bool xorMode = p->paintEngine() && p->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
  p->setCompositionMode(xorMode ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver);
  const QColor ink = xorMode ? QColor(Qt::white) : ToQColor(clWindowText);
  // Every other pixel of the frame, by the checkerboard of the device.
  auto dot = [&](int x, int y) {
    if (((x + y) & 1) == 0) p->fillRect(QRect(x, y, 1, 1), ink);
  };
  for (int x = r.Left; x < r.Right; ++x) dot(x, r.Top);
  if (r.Bottom - 1 > r.Top)
    for (int x = r.Left; x < r.Right; ++x) dot(x, r.Bottom - 1);
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    if (r.Right - 1 > r.Left) dot(r.Right - 1, y);
  }
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  return true;
}
