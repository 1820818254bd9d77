#include "grid/editing/MetroDateTimePicker.h"

#include "grid/editing/PsgCustomCombo.h"
#include "platform/GdiDraw.h"
#include "platform/Graphics.h"
#include "platform/Property.h"
#include "platform/SystemProbes.h"
#include "platform/Themes.h"

TMetroDateTimePicker::TMetroDateTimePicker(TComponent* AOwner, const TPickerLookRules& Rules)
    : TDateTimePicker(AOwner), FRules(Rules) {
  FCtl3D = Rules.Ctl3D;
  FBorderColor = Rules.BorderColor;
  FIsThemed = IsComCtl6();
  FIsWinXP = IsWinXPOrLater();
  FButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
  FPaintHook = std::make_unique<TPaintOverHook>(this);
}

TMetroDateTimePicker::~TMetroDateTimePicker() { FPaintHook.reset(); }

void TMetroDateTimePicker::SetMetroStyle(bool Value) {
  SetProperty(FMetroStyle, Value, [&] { Invalidate(); });
}
void TMetroDateTimePicker::SetBorderColor(TColor Value) {
  SetProperty(FBorderColor, Value, [&] { Invalidate(); });
}
void TMetroDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  SetProperty(FBorderStyle, Value, [&] { Invalidate(); });
}
void TMetroDateTimePicker::SetCtl3D(bool Value) {
  SetProperty(FCtl3D, Value, [&] { Invalidate(); });
}

bool TMetroDateTimePicker::ThemesActive() const { return FIsThemed && ThemeServices().IsThemeActive(); }

void TMetroDateTimePicker::DoEnter() {
  TDateTimePicker::DoEnter();
  FHasFocus = true;
  DrawBorders();
}

void TMetroDateTimePicker::DoExit() {
  TDateTimePicker::DoExit();
  FHasFocus = false;
  DrawBorders();
}

void TMetroDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
  const bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    Invalidate();
  }
  TDateTimePicker::MouseMove(Shift, X, Y);
}

void TMetroDateTimePicker::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      const bool in = m.Msg == CM_MOUSEENTER;
      if (in != FMouseInPicker && Enabled()) {
        FMouseInPicker = in;
        DrawBorders();
      }
      if (!in) FButtonHover = false;
      if (FIsWinXP) Invalidate();
      break;
    }
    case WM_NCPAINT:
      if (TCanvas* canvas = PaintOverCanvas(m.WParam)) {
        DrawFrameLines(*canvas, false);
        if ((!Enabled() && ThemesActive() && !DisabledBorder) || (FocusBorderColor != clNone && FHasFocus) ||
            FBorderColor != clNone)
          DrawBorders(*canvas);
      }
      m.Result = 0;
      return;
    case WM_PAINT:
      if (TCanvas* canvas = PaintOverCanvas(m.WParam)) PaintLook(*canvas);
      return;
    default: break;
  }
  TDateTimePicker::WndProc(m);
}

// After the platform painted the picker.
void TMetroDateTimePicker::PaintLook(TCanvas& Canvas) {
  if ((FCtl3D && !MetroActive()) || !IsVistaOrLater()) return;
  if (MetroActive() && Kind() != dtkTime) {
    if (IsComCtl6()) {
      Canvas.Brush().Color = Color();
      const int right = ClientWidth();
      Canvas.FillRect(ThemesActive() ? TRect(right - FButtonWidth - FRules.FillGapThemed, 1, right, Height())
                                     : TRect(right - FButtonWidth - 2, 4, right - 2, Height() - 4));
    }
    Canvas.Save();
    DrawButton(Canvas);
    Canvas.Restore();
  }
  if (FRules.FrameLinesInPaint) DrawFrameLines(Canvas, true);
  DrawBorders(Canvas);
}

void TMetroDateTimePicker::DrawButton(TCanvas& Canvas) {
  TRect R(ClientWidth() - FButtonWidth + 2, 0, Width(), Height());
  InflateRect(R, -1, -1);
  const bool held = MouseButtonHeld();
  if (ButtonColor != clNone) {
    const TColor c = FButtonHover ? (held ? ButtonColorDown : ButtonColorHot) : ButtonColor;
    Canvas.Brush().Color = c;
    Canvas.Pen().Color = c;
    if (c != clNone) Canvas.FillRect(TRect(R.Left + 2, R.Top, R.Right, R.Bottom));
    if (ButtonBorderColor != clNone) {
      Canvas.Pen().Color = ButtonBorderColor;
      Canvas.MoveTo(R.Left, R.Top);
      Canvas.LineTo(R.Left, R.Bottom);
    }
    const TColor arrow = held ? ButtonTextColorDown : ButtonTextColor;
    if (arrow != clNone) {
      Canvas.Brush().Color = arrow;
      Canvas.Pen().Color = arrow;
      Canvas.Polygon({TPoint(R.Left + 5, R.Top + 7), TPoint(R.Left + 11, R.Top + 7), TPoint(R.Left + 8, R.Top + 10)});
    }
  } else if (ThemesActive()) {
    const int state = !Enabled() ? 4 : held && DroppedDown() ? 3 : !held && FButtonHover && !DroppedDown() ? 2 : 1;
    if (HTHEME theme = ThemeServices().OpenThemeData(this, "combobox")) {
      ThemeServices().DrawThemeBackground(theme, Canvas, 1, state, R, nullptr);
      ThemeServices().CloseThemeData(theme);
    }
  } else {
    DrawFrameControl(Canvas, R, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
  Canvas.ExcludeClipRect(TRect(ClientWidth() - FButtonWidth - 4, 0, ClientWidth() + 2, ClientHeight()));
}

bool TMetroDateTimePicker::BordersWanted() const {
  if (!MetroActive()) return false;
  return !(Enabled() && FBorderColor == clNone && FocusBorderColor == clNone);
}

void TMetroDateTimePicker::DrawBorders() {
  if (BordersWanted()) Invalidate();
}

void TMetroDateTimePicker::DrawBorders(TCanvas& Canvas) {
  if (!BordersWanted()) return;
  Canvas.Save();
  DrawBorder(Canvas);
  if (!(FIsWinXP && ThemesActive())) DrawFlatButtonFace(Canvas);
  Canvas.Restore();
}

void TMetroDateTimePicker::DrawBorder(TCanvas& Canvas) {
  TRect R(0, 0, Width(), Height());
  auto frame = [&](const TRect& r, TColor c) {
    Canvas.Brush().Color = c;
    Canvas.FrameRect(r);
  };
  if (!Enabled() && FIsThemed && !DisabledBorder) {
    frame(R, DisabledBorderColor);
    return;
  }
  TColor C = FBorderColor;
  if (FBorderColor == clNone || (FHasFocus && FocusBorderColor != clNone)) C = FocusBorderColor;
  if (C != clNone) {
    if (FHasFocus || C == FBorderColor) frame(R, C);
    return;
  }
  const TColor outer = FocusBorderActive() ? clBtnFace : (Parent() ? Parent()->Color() : Color());
  if (FocusBorderActive()) {
    DrawEdge(Canvas, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    frame(R, outer);
    InflateRect(R, -1, -1);
    frame(R, Color());
    return;
  }
  frame(R, outer);
  InflateRect(R, -1, -1);
  R.Right -= FButtonWidth;
  frame(R, outer);
  InflateRect(R, -1, -1);
  frame(R, Color());
}

void TMetroDateTimePicker::DrawFlatButtonFace(TCanvas& Canvas) {
  Canvas.ExcludeClipRect(TRect(ClientWidth() - FButtonWidth + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
  TRect R(ClientWidth() - FButtonWidth - 2, 0, Width(), Height());
  InflateRect(R, -2, -2);
  if (IsHighlighted()) {
    DrawEdge(Canvas, R, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
  } else {
    R = TRect(R.Left, R.Top + 1, R.Right - 1, R.Bottom - 1);
    Canvas.Brush().Color = clBtnFace;
    Canvas.FillRect(R);
  }
  Canvas.ExcludeClipRect(R);
}

void TMetroDateTimePicker::DrawFrameLines(TCanvas& Canvas, bool InPaint) {
  if (FCtl3D || (!InPaint && FRules.FrameLinesNeedBorderColor && FBorderColor == clNone)) return;
  const int W = Width(), H = Height();
  Canvas.Pen().Color = FBorderStyle == bsNone && Parent() ? Parent()->Color()
                       : FIsThemed                        ? DisabledBorderColor
                                                          : FBorderColor;
  Canvas.Polyline({TPoint(0, H), TPoint(0, 0), TPoint(W - 1, 0), TPoint(W - 1, H - 1), TPoint(0, H - 1)});
  if (InPaint) {
    if (IsVistaOrLater() && !ThemesActive())
      Canvas.Polyline({TPoint(1, H), TPoint(1, 1), TPoint(W - 2, 1), TPoint(W - 2, H - 2), TPoint(0, H - 2)});
    return;
  }
  if (FBorderStyle == bsSingle && Parent()) Canvas.Pen().Color = Parent()->Color();
  if (Parent()) Canvas.Polyline({TPoint(1, H - 2), TPoint(1, 1), TPoint(W - 1, 1)});
}
