// The small combo, push and spin buttons of in-cell controls, in the themed,
// classic, flat and office looks.
#include "grid/foundation/CellDrawing.h"

#include "platform/Themes.h"

#include <QString>

namespace {
// The tone of each button state, in state order.
constexpr TColorTone TColorTones::*StateTones[] = {&TColorTones::Background, &TColorTones::Hover,
                                                   &TColorTones::Selected, &TColorTones::Disabled};

const TColorTone& ToneOf(const TColorTones& Tones, int State) {
  return Tones.*StateTones[State >= CellButtonNormal && State <= CellButtonDisabled ? State : CellButtonNormal];
}

void DrawThemed(TCanvas& Canvas, TWinControl* Window, const char* ClassName, int Part, int ThemeState, const TRect& R) {
  IThemeServices& themes = ThemeServices();
  HTHEME theme = themes.OpenThemeData(Window, QString::fromLatin1(ClassName));
  themes.DrawThemeBackground(theme, Canvas, Part, ThemeState, R, nullptr);
  themes.CloseThemeData(theme);
}

// Classic looks draw with the frame-control flags; flat adds its flag.
unsigned FrameFlags(int Look, int State, unsigned Base) {
  unsigned flags = Base;
  if (State == CellButtonDisabled) flags |= DFCS_INACTIVE;
  if (Look == CellButtonFlat) flags |= DFCS_FLAT;
  return flags;
}

void FilledTriangle(TCanvas& Canvas, TColor Color, TPoint a, TPoint b, TPoint c) {
  Canvas.Pen().Color = Color;
  Canvas.Brush().Color = Color;
  Canvas.Polygon({a, b, c});
}
}  // namespace

void DrawComboButton(TCanvas& Canvas, TWinControl* Window, TRect R, int Look, int State, const TColorTones& Tones) {
  R = TRect(R.Right - 19, R.Top + 1, R.Right - 2, R.Bottom - 1);
  switch (Look) {
    case CellButtonThemed: DrawThemed(Canvas, Window, "combobox", 1, State == CellButtonDisabled ? 4 : 1, R); break;
    case CellButtonClassic:
    case CellButtonFlat: DrawFrameControl(Canvas, R, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLCOMBOBOX)); break;
    case CellButtonOffice: {
      R.Left += 3;
      const TColor brush = ToneOf(Tones, State).BrushColor;
      Canvas.Brush().Color = brush;
      Canvas.Pen().Color = brush;
      Canvas.Rectangle(R);
      Canvas.Pen().Color = Tones.Background.BorderColor;
      Canvas.MoveTo(R.Left + 1, R.Top);
      Canvas.LineTo(R.Left + 1, R.Bottom);
      FilledTriangle(Canvas, Tones.Background.TextColor, TPoint(R.Left + 5, R.Top + 8), TPoint(R.Left + 11, R.Top + 8),
                     TPoint(R.Left + 8, R.Top + 11));
      break;
    }
    default: break;
  }
}

void DrawPushButtonFace(TCanvas& Canvas, TWinControl* Window, const TRect& R, int Look, int State,
                        const TColorTones& Tones) {
  // Theme states of a push button, in button-state order.
  constexpr int ThemeStates[] = {1, 2, 3, 4};
  constexpr unsigned FrameStates[] = {0, DFCS_HOT, DFCS_PUSHED, 0};
  const bool known = State >= CellButtonNormal && State <= CellButtonDisabled;
  switch (Look) {
    case CellButtonThemed: DrawThemed(Canvas, Window, "button", 1, known ? ThemeStates[State] : 1, R); break;
    case CellButtonClassic:
    case CellButtonFlat:
      DrawFrameControl(Canvas, R, DFC_BUTTON,
                       FrameFlags(Look, State, DFCS_BUTTONPUSH | (known ? FrameStates[State] : 0)));
      break;
    case CellButtonOffice:
      Canvas.Brush().Color = ToneOf(Tones, State).BrushColor;
      Canvas.Pen().Color = ToneOf(Tones, State).BorderColor;
      Canvas.Rectangle(R);
      break;
    default: break;
  }
}

void DrawSpinButtons(TCanvas& Canvas, TWinControl* Window, const TRect& R, int Look, int State,
                     const TColorTones& Tones) {
  const TRect area(R.Right - 16, R.Top - 1, R.Right - 1, R.Bottom - 1);
  const int m = area.Top + (area.Bottom - area.Top) / 2;
  const TRect up(area.Left, area.Top, area.Right, m);
  const TRect down(area.Left, Look == CellButtonThemed ? m : m + 1, area.Right, area.Bottom);
  switch (Look) {
    case CellButtonThemed: {
      const int themeState = State == CellButtonDisabled ? 4 : 1;
      DrawThemed(Canvas, Window, "spin", 1, themeState, up);
      DrawThemed(Canvas, Window, "spin", 2, themeState, down);
      break;
    }
    case CellButtonClassic:
    case CellButtonFlat:
      DrawFrameControl(Canvas, up, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLUP));
      DrawFrameControl(Canvas, down, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLDOWN));
      break;
    case CellButtonOffice: {
      const TColor brush = ToneOf(Tones, State).BrushColor;
      Canvas.Brush().Color = brush;
      Canvas.Pen().Color = brush;
      Canvas.Rectangle(up);
      Canvas.Rectangle(down);
      const int l = area.Left, t = area.Top;
      FilledTriangle(Canvas, clBlack, TPoint(l + 5, t + 5), TPoint(l + 9, t + 5), TPoint(l + 7, t + 3));
      FilledTriangle(Canvas, clBlack, TPoint(l + 5, m + 2), TPoint(l + 9, m + 2), TPoint(l + 7, m + 4));
      break;
    }
    default: break;
  }
}
