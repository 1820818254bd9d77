// The combo's looks: its button and frame painted over the platform combo.
#include "grid/editing/PsgCustomCombo.h"

#include "platform/GdiDraw.h"
#include "platform/Graphics.h"
#include "platform/SystemProbes.h"
#include "platform/Themes.h"

namespace {

constexpr int ThemeComboPartDropDown = 1;
enum TThemeComboState { tcsNormal = 1, tcsHot = 2, tcsPressed = 3, tcsDisabled = 4 };

void FillTriangle(TCanvas& Canvas, const TRect& R, TColor Color, const TPoint (&Points)[3]) {
  Canvas.Brush().Color = Color;
  Canvas.Pen().Color = Color;
  Canvas.Polygon({TPoint(R.Left + Points[0].X, R.Top + Points[0].Y), TPoint(R.Left + Points[1].X, R.Top + Points[1].Y),
                  TPoint(R.Left + Points[2].X, R.Top + Points[2].Y)});
}

void Frame(TCanvas& Canvas, const TRect& R, TColor Color) {
  Canvas.Brush().Color = Color;
  Canvas.FrameRect(R);
}

}  // namespace

bool TPsgCustomCombo::PaintsItself() const {
  if (IsVista && ButtonColor == clNone) return false;
  return FFlat || ButtonColor != clNone || FBorderColor != clNone || (FocusBorderColor != clNone && FHasFocus) ||
         (!Enabled() && ThemesActive() && !DisabledBorder);
}

void TPsgCustomCombo::Paint(TCanvas& Canvas) {
  // The platform drew the text already; the button and the frame go on top.
  if (Style() != csSimple) {
    Canvas.Save();
    DrawButton(Canvas);
    Canvas.Restore();
  }
  DrawBorders(Canvas);
}

void TPsgCustomCombo::DrawButton(TCanvas& Canvas) {
  TRect R(ClientWidth() - FButtonWidth + 2, 0, Width(), Height());
  InflateRect(R, -1, -1);
  const bool held = MouseButtonHeld();
  if (ButtonColor != clNone) {
    Canvas.Brush().Color = FButtonHover ? (held ? ButtonColorDown : ButtonColorHot) : ButtonColor;
    Canvas.Pen().Color = Canvas.Brush().Color;
    R = TRect(R.Left - 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    if (Canvas.Brush().Color != clNone) Canvas.Rectangle(R);
    Canvas.Pen().Color = ButtonBorderColor;
    if (ButtonBorderColor != clNone) {
      Canvas.MoveTo(R.Left, R.Top);
      Canvas.LineTo(R.Left, R.Bottom);
    }
    const TColor arrow = held ? ButtonTextColorDown : ButtonTextColor;
    if (arrow != clNone) FillTriangle(Canvas, R, arrow, {TPoint(4, 7), TPoint(10, 7), TPoint(7, 10)});
  } else if (ThemesActive()) {
    const int state = !Enabled()                                ? tcsDisabled
                      : held && DroppedDown()                   ? tcsPressed
                      : !held && FButtonHover && !DroppedDown() ? tcsHot
                                                                : tcsNormal;
    if (HTHEME theme = ThemeServices().OpenThemeData(this, "combobox")) {
      ThemeServices().DrawThemeBackground(theme, Canvas, ThemeComboPartDropDown, state, R, nullptr);
      ThemeServices().CloseThemeData(theme);
    }
  } else {
    R = TRect(R.Left - 4, R.Top + 1, R.Right, R.Bottom - 1);
    DrawFrameControl(Canvas, R, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
  }
  Canvas.ExcludeClipRect(TRect(ClientWidth() - FButtonWidth - 4, 0, ClientWidth() + 2, ClientHeight()));
}

bool TPsgCustomCombo::NeedsBorders() const {
  if (Enabled() && !FFlat && FBorderColor == clNone && FocusBorderColor == clNone) return false;
  return !(IsVista && FBorderColor == clNone);
}

void TPsgCustomCombo::DrawBorders() {
  // Frames are painted within the widget's own paint; ask for one.
  if (NeedsBorders()) Invalidate();
}

void TPsgCustomCombo::DrawBorders(TCanvas& Canvas) {
  if (!NeedsBorders()) return;
  Canvas.Save();
  DrawBorder(Canvas);
  if (Style() != csSimple && !(IsWinXP && ThemesActive())) DrawFlatButtonFace(Canvas);
  Canvas.Restore();
}

void TPsgCustomCombo::DrawBorder(TCanvas& Canvas) {
  TRect R(0, 0, Width(), Height());
  if (!Enabled() && FIsThemed && !DisabledBorder) {
    Frame(Canvas, R, DisabledBorderColor);
    return;
  }
  TColor C = FBorderColor;
  if (FBorderColor == clNone || (FHasFocus && FocusBorderColor != clNone)) C = FocusBorderColor;
  if (C != clNone) {
    // A focus colour alone shows only while the combo has the focus.
    if (FHasFocus || C == FBorderColor) Frame(Canvas, R, C);
    return;
  }
  const TColor outer = FocusBorderActive() ? clBtnFace : ParentBrushColor();
  const TColor inner = Color();
  if (FocusBorderActive()) {
    DrawEdge(Canvas, R, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Frame(Canvas, R, outer);
    InflateRect(R, -1, -1);
    Frame(Canvas, R, inner);
  } else {
    Frame(Canvas, R, outer);
    InflateRect(R, -1, -1);
    R.Right -= FButtonWidth;
    Frame(Canvas, R, outer);
    InflateRect(R, -1, -1);
    Frame(Canvas, R, inner);
  }
  if (FFlat && FFlatLineColor != clNone) {
    Canvas.Pen().Color = FFlatLineColor;
    Canvas.Pen().Style = psSolid;
    Canvas.Pen().Width = 1;
    Canvas.MoveTo(R.Left - 2, Height() - 1);
    Canvas.LineTo(R.Right - FButtonWidth - 1, Height() - 1);
  }
}

void TPsgCustomCombo::DrawFlatButtonFace(TCanvas& Canvas) {
  Canvas.ExcludeClipRect(TRect(ClientWidth() - FButtonWidth + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
  TRect R(ClientWidth() - FButtonWidth - 2, 0, Width(), Height());
  InflateRect(R, -2, -2);
  if (!IsHighlighted()) {
    R = TRect(R.Left, R.Top + 1, R.Right - 1, R.Bottom - 1);
    Canvas.Brush().Color = clBtnFace;
    Canvas.FillRect(R);
  }
  Canvas.ExcludeClipRect(R);
}
