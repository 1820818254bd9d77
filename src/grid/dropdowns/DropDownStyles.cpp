// The drop-down edit's looks: the sixteen component styles written into the
// popup surface, the bars and the bar buttons, colour tones from a host, and
// the selected-item look its list members paint with.
#include "grid/dropdowns/DropDownDrawing.h"
#include "grid/dropdowns/PlexCustomDropDown.h"
#include "grid/foundation/CellDrawing.h"

namespace {

// "Keep the present value" in the surface table; no real colour has this form.
constexpr TColor Keep = 0x2FFFFFFF;

struct TSurfaceStyle {
  TOrvStyle Style;
  TColor DropDownColor, DropDownColorTo, DropDownBorderColor;
  TColor HeaderColor, HeaderColorTo, FooterColor, FooterColorTo;
  TColor FontColor;
  TColor HeaderBorder, FooterBorder;
};

constexpr TSurfaceStyle SurfaceStyles[] = {
    {tsOffice2003Blue, 0xFFFFFF, clNone, Keep, 0xFCE1CB, 0xE0A57D, 0xFCE1CB, 0xE0A57D, clBlack, clBlack, 0x962D00},
    {tsOffice2003Silver, 0xFFFFFF, clNone, Keep, 0xECE2E1, 0xB39698, 0xECE2E1, 0xB39698, clBlack, 0x947C7C, 0x947C7C},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1, clBlack, 0x588060, 0x588060},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0x808080, 0x808080, clWhite, 0x808080,
     0x808080},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C,
     0x5C534C},
    {tsWindowsXP, 0xFFFFFF, clNone, Keep, 0xFFFFFF, clBtnFace, 0xFFFFFF, clBtnFace, clBlack, 0x808080, 0x808080},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xEBEEEF, 0x7E9898, clWhite, 0x962D00, 0x962D00},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F,
     0x74706F},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0xFFFAF0, 0xFFFDF9, clBlack, 0xFCF2DA, 0xFCF2DA},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0xFDFBFA, 0xFDF3EB, clBlack, 0xFBD6B8, 0xFBD6B8},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBlack, clNone, clNone},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F,
     0xC7B29F},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8,
     0xD2CDC8},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D,
     0x6D6D6D},
};

// The hot, down, disabled and checked looks that several styles share.
struct TButtonStates {
  TColor ColorHot, ColorHotTo, BorderColorHot;
  TColor ColorDown, ColorDownTo, BorderColorDown;
  TColor ColorDisabled, ColorDisabledTo;
  TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

constexpr TButtonStates StatesA{0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
constexpr TButtonStates StatesB{0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
                                0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080};
constexpr TButtonStates StatesC{0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption, clHighlight,
                                0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, clBlack};
constexpr TButtonStates StatesVista{0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A,
                                    0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A};
constexpr TButtonStates StatesWin7{0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D,
                                   0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D};
constexpr TButtonStates StatesE{0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
                                clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight};
constexpr TButtonStates StatesF{0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                                0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE};

struct TButtonStyle {
  TOrvStyle Style;
  TColor Color, ColorTo, BorderColor;
  const TButtonStates* States;
};

constexpr TButtonStyle ButtonStyles[] = {
    {tsOffice2003Blue, 0xFCE1CB, 0xE0A57D, clNone, &StatesA},
    {tsOffice2003Silver, 0xECE2E1, 0xB39698, clNone, &StatesA},
    {tsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, clNone, &StatesA},
    {tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5, clNone, &StatesB},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFDDC4, clNone, &StatesA},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, clNone, &StatesA},
    {tsWindowsXP, 0xFFFFFF, clBtnFace, clNone, &StatesC},
    {tsWhidbey, 0xFFFFFF, 0xDFEDF0, clNone, &StatesA},
    {tsOffice2007Silver, 0xF9F8F8, 0xE4E2DF, clNone, &StatesA},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA, &StatesVista},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, &StatesWin7},
    {tsTerminal, clBtnFace, clBtnFace, clNone, &StatesE},
    {tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, &StatesF},
    {tsOffice2010Silver, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, &StatesF},
    {tsOffice2010Black, 0xBFBFBF, 0x919191, 0xD7D7D6, &StatesF},
};

template <class T, std::size_t N>
const T* FindStyle(const T (&Table)[N], TOrvStyle Style) {
  for (const T& row : Table)
    if (row.Style == Style) return &row;
  return nullptr;
}

void ApplyButtonStyle(TPlexButtonAppearance& A, const TButtonStyle& S) {
  const TButtonStates& st = *S.States;
  A.SetColor(S.Color);
  A.SetColorTo(S.ColorTo);
  A.SetBorderColor(S.BorderColor);
  A.SetColorHot(st.ColorHot);
  A.SetColorHotTo(st.ColorHotTo);
  A.SetBorderColorHot(st.BorderColorHot);
  A.SetColorDown(st.ColorDown);
  A.SetColorDownTo(st.ColorDownTo);
  A.SetBorderColorDown(st.BorderColorDown);
  A.SetColorDisabled(st.ColorDisabled);
  A.SetColorDisabledTo(st.ColorDisabledTo);
  A.SetColorChecked(st.ColorChecked);
  A.SetColorCheckedTo(st.ColorCheckedTo);
  A.SetBorderColorChecked(st.BorderColorChecked);
}

}  // namespace

void TPlexCustomDropDown::SetDropDownColor(TColor Value) {
  if (FDropDownColor == Value) return;
  FDropDownColor = Value;
  if (FDroppedDown && FDropDownForm) FDropDownForm->Invalidate();
}

void TPlexCustomDropDown::SetBorderColor(TColor Value) {
  if (FBorderColor == Value) return;
  FBorderColor = Value;
  Invalidate();
}

void TPlexCustomDropDown::SetComponentStyle(TOrvStyle AStyle) {
  FOrvStyle = AStyle;
  const TSurfaceStyle* surface = FindStyle(SurfaceStyles, AStyle);
  const TButtonStyle* button = FindStyle(ButtonStyles, AStyle);
  if (!surface || !button) return;  // tsCustom: the colours stay as they are

  SetDropDownColor(surface->DropDownColor);
  DropDownColorTo = surface->DropDownColorTo;
  if (surface->DropDownBorderColor != Keep) FDropDownBorderColor = surface->DropDownBorderColor;
  // The bars' fields are written directly: a style is one change, not a dozen.
  FDropDownHeader.Color = surface->HeaderColor;
  FDropDownHeader.ColorTo = surface->HeaderColorTo;
  FDropDownHeader.BorderColor = surface->HeaderBorder;
  FDropDownHeader.Font().SetColor(surface->FontColor);
  FDropDownFooter.Color = surface->FooterColor;
  FDropDownFooter.ColorTo = surface->FooterColorTo;
  FDropDownFooter.BorderColor = surface->FooterBorder;
  FDropDownFooter.Font().SetColor(surface->FontColor);
  ApplyButtonStyle(FButtonAppearance, *button);
}

void TPlexCustomDropDown::SetColorTones(const TColorTones& ATones) {
  ButtonColor = ATones.Background.BrushColor;
  ButtonColorHot = ATones.Hover.BrushColor;
  ButtonColorDown = ATones.Selected.BrushColor;
  ButtonBorderColor = ATones.Background.BorderColor;
  SetBorderColor(ATones.Background.BorderColor);
}

void TPlexCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  FSelectionColorStyle = Value;
  constexpr struct {
    TColor From, To;
  } presets[] = {{0xD7FFFD, 0x58D4FC}, {0xFDF8F1, 0xFCEFD5}, {0xFCEBDC, 0xFCDBC1}};
  if (Value == scCustom) return;
  SelectionColor = presets[Value].From;
  SelectionColorTo = presets[Value].To;
}

void TPlexCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, const TRect& R, int EndKind, TColor CornerColor) {
  if (FSelectionColorStyle == scCustom) {
    Canvas.Brush().Color = SelectionColor;
    Canvas.Brush().Style = bsSolid;
    Canvas.Pen().Color = SelectionColor;
    Canvas.Rectangle(R);
    return;
  }
  constexpr TSelectionColorSet sets[] = {scsOffice2007, scsVista, scsWin7};
  TSelectionColors colors = SelectionColorSets[sets[FSelectionColorStyle]];
  colors.Fill = SelectionColor;
  colors.FillTo = SelectionColorTo;
  DrawSelectionBorder(Canvas, colors, CornerColor, R, EndKind);
}

void TPlexCustomDropDown::DrawBackground(TCanvas& Canvas, TColor From, TGradientDirection Direction, const TRect& R,
                                         int Steps, TColor To) {
  DrawStepGradient(Canvas, From, To, Direction == gdHorizontal, R, Steps);
}
