// Looks and colour schemes: the Look write, the colour presets, the XP
// colour schemes, the component style and following the office colour scheme.
// The presets themselves are data (GridStyles.h).
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridStyles.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridSpin.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/OfficeTheme.h"
#include "grid/foundation/PlexObj.h"
#include "grid/foundation/PsgHTMLE.h"
#include "platform/AppStyles.h"
#include "platform/Resources.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 9> LookIdents{"glStandard", "glSoft",  "glClassic", "glOrv",       "glXP",
                                                "glListView", "glVista", "glWin7",    "glOffice2007"};
constexpr std::array<const char*, 9> LookCaptions{"Standard", "Soft",          "Classic",   "Orv",       "Windows XP",
                                                  "ListView", "Windows Vista", "Windows 7", "Office2007"};

constexpr std::array<TOrvStyle, otUnknown> OfficeThemeStyles{
    tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black};

// The drop-down editors the grid has made are the components it owns that take a style or tones.
template <class TInterface, class TApply>
void ForEachOwned(TPlexStringGrid& Grid, TApply Apply) {
  for (int i = 0; i < Grid.ComponentCount(); ++i)
    if (auto* target = dynamic_cast<TInterface*>(Grid.Components(i)); target && Grid.Components(i) != &Grid)
      Apply(*target);
}

template <class TEditor>
void TakeButtonTones(TEditor& Editor, const TColorTones& T) {
  Editor.ButtonColor = T.Background.BrushColor;
  Editor.ButtonColorHot = T.Hover.BrushColor;
  Editor.ButtonColorDown = T.Selected.BrushColor;
  Editor.ButtonBorderColor = T.Background.BorderColor;
}

bool IsOlderLook(TGridLook Look) { return Look == glStandard || Look == glSoft || Look == glClassic; }

}  // namespace

QString TPlexStringGrid::LookToIdent(TGridLook Value) {
  return Value < glCustom ? QString(LookIdents[size_t(Value)]) : QString();
}

QString TPlexStringGrid::LookToCaption(TGridLook Value) {
  return Value < glCustom ? QString(LookCaptions[size_t(Value)]) : QString();
}

void TPlexStringGrid::SetLook(TGridLook Value) {
  if (FLook == Value) return;
  FLook = Value;
  if (Value != glCustom && !FLoading) {
    FControlLook->SetFixedGradientMirrorFrom(clNone);
    FControlLook->SetFixedGradientMirrorTo(clNone);
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
    FOrvGradientFrom = FOrvGradientTo = FOrvGradientMirrorFrom = FOrvGradientMirrorTo = clNone;
    FSortSettings->SetHeaderColor(clNone);
    switch (Value) {
      case glVista:
        SetStyle(gsWindowsVista);
        FOrvStyle = tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
      case glWin7:
        SetStyle(gsWindows7);
        FOrvStyle = tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
      case glOffice2007:
        SetStyle(gsOffice2007Luna);
        FOrvStyle = tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
      default: {
        if (!IsDesigning()) ForEachOwned<IOrvStyle>(*this, [](IOrvStyle& d) { d.SetComponentStyle(tsWindowsXP); });
        SetSelectionStyle(ssDefault);
        const bool older = IsOlderLook(Value);
        if (older) {
          SetFixedColor(clBtnFace);
          FControlLook->SetFixedGradientFrom(clBtnFace);
          FControlLook->SetFixedGradientTo(clNone);
        } else {
          FControlLook->SetFixedGradientFrom(0xFFFFFF);
          FControlLook->SetFixedGradientTo(clBtnFace);
        }
        SetGridFixedLineColor(0x808080);
        FControlLook->SetFixedGradientMirrorFrom(clNone);
        FControlLook->SetFixedGradientMirrorTo(clNone);
        SetGridLineColor(0xC0C0C0);
        if (older || Value == glListView) {
          SetActiveCellColor(0x808080);
          SetActiveCellColorTo(clNone);
          SetSelectionColor(clHighlight);
          SetSelectionTextColor(clHighlightText);
          FSearchFooter->SetColor(clBtnFace);
          FSearchFooter->SetColorTo(clBtnFace);
        } else {
          SetActiveCellColor(0xEACAB6);
          SetActiveCellColorTo(clNone);
          SetSelectionColor(0xEACAB6);
          SetSelectionColorTo(clNone);
          SetSelectionTextColor(clBlack);
          FSearchFooter->SetColor(FOrvGradientFrom);
          FSearchFooter->SetColorTo(FOrvGradientTo);
          FControlLook->SetFixedGradientFrom(0xFFFFFF);
          FControlLook->SetFixedGradientTo(Value == glXP ? clBtnFace : TColor(0xC0C0C0));
          FControlLook->SetFixedGradientHoverFrom(0xCFD0D1);
          FControlLook->SetFixedGradientHoverTo(0xBEC6C8);
          FControlLook->SetFixedGradientHoverMirrorFrom(0xBEC6C8);
          FControlLook->SetFixedGradientHoverMirrorTo(0xABBCBF);
          FControlLook->SetFixedGradientDownFrom(0x868788);
          FControlLook->SetFixedGradientDownTo(0x737C7E);
          FControlLook->SetFixedGradientDownMirrorFrom(0x737C7E);
          FControlLook->SetFixedGradientDownMirrorTo(0x627376);
        }
      }
    }
  }
  SetScrollType(ssNormal);
  SetBorderStyle(bsSingle);
  SetBorderColor(0xB99D7F);
  Invalidate();
  if (!FLoading) UpdateFooter();
}

void TPlexStringGrid::SetStyle(TPlexGridStyle AStyle) {
  using namespace GridStyles;
  SetSelectionColor(clHighlight);
  SetSelectionColorTo(clNone);
  SetSelectionTextColor(clHighlightText);
  SetSelectionStyle(ssDefault);
  FSortSettings->SetHeaderColor(clNone);
  FSortSettings->SetHeaderColorTo(clNone);
  FSortSettings->SetHeaderMirrorColor(clNone);
  FSortSettings->SetHeaderMirrorColorTo(clNone);
  FControlLook->Init();

  const TStylePreset& preset = Presets[size_t(AStyle)];
  if (preset.Look) SetLook(*preset.Look);
  if (preset.Gradient) {
    SetOrvGradientFrom(preset.Gradient->From);
    SetOrvGradientTo(preset.Gradient->To);
    FControlLook->SetFixedGradientFrom(preset.Gradient->From);
    FControlLook->SetFixedGradientTo(preset.Gradient->To);
  }
  if (preset.Mirror) {
    SetOrvGradientMirrorFrom(preset.Mirror->From);
    SetOrvGradientMirrorTo(preset.Mirror->To);
  }
  if (preset.ActiveCell) {
    SetActiveCellColor(preset.ActiveCell->From);
    SetActiveCellColorTo(preset.ActiveCell->To);
  }
  if (preset.Selection) {
    SetSelectionColor(preset.Selection->From);
    SetSelectionColorTo(preset.Selection->To);
    SetSelectionTextColor(clBlack);
  }
  if (preset.Lines) {
    SetGridLineColor(preset.Lines->From);
    SetGridFixedLineColor(preset.Lines->To);
  }

  for (const TFacePreset& faces : FacePresets) {
    if (faces.Style != AStyle) continue;
    if (AStyle == gsWindows7) {
      SetFixedGradientColor(fgHoverFrom, 0xFDF8F3);
      SetFixedGradientColor(fgHoverTo, 0xF9F3EF);
      SetFixedGradientColor(fgHoverMirrorFrom, clNone);
      SetFixedGradientColor(fgHoverMirrorTo, clNone);
    }
    if (AStyle >= gsOffice2010Blue)
      for (const TFixedGradient which : {fgHoverFrom, fgHoverTo, fgHoverMirrorFrom, fgHoverMirrorTo, fgHoverBorder})
        SetFixedGradientColor(which, clNone);
    for (int i = 0; i < int(faces.Faces.size()); ++i)
      FControlLook->SetFixedGradient(TFixedGradient(fgHoverFrom + i), faces.Faces[size_t(i)]);
    if (AStyle == gsWindows7 || AStyle == gsWindowsVista) SetFixedGradientColor(fgHoverBorder, faces.Faces[4]);
    if (faces.SortHeader) {
      FSortSettings->SetHeaderColor((*faces.SortHeader)[0]);
      FSortSettings->SetHeaderColorTo((*faces.SortHeader)[1]);
      FSortSettings->SetHeaderMirrorColor((*faces.SortHeader)[2]);
      FSortSettings->SetHeaderMirrorColorTo((*faces.SortHeader)[3]);
    }
    SetSelectionStyle(TGridSelectionStyle(faces.SelectionStyle));
  }

  if (preset.ClearsControlLookGradient) {
    FControlLook->SetFixedGradientFrom(clNone);
    FControlLook->SetFixedGradientTo(clNone);
  }
  if (preset.WritesSearchFooter) {
    FSearchFooter->SetColor(FOrvGradientFrom);
    FSearchFooter->SetColorTo(FOrvGradientMirrorTo);
  }
  Invalidate();
}

void TPlexStringGrid::SetTheme(TXPColorScheme Scheme) {
  const GridStyles::TThemePreset& theme = GridStyles::Themes[size_t(Scheme)];
  SetOrvGradientFrom(theme.Gradient.From);
  SetOrvGradientTo(theme.Gradient.To);
  SetOrvGradientMirrorFrom(theme.Mirror.From);
  SetOrvGradientMirrorTo(theme.Mirror.To);
  SetActiveCellColor(theme.ActiveCell.From);
  SetActiveCellColorTo(theme.ActiveCell.To);
  FControlLook->SetFixedGradientFrom(theme.ControlLookGradient ? theme.Gradient.From : clNone);
  FControlLook->SetFixedGradientTo(theme.ControlLookGradient ? theme.Gradient.To : clNone);
  FSearchFooter->SetColor(theme.SearchFooter.From);
  FSearchFooter->SetColorTo(theme.SearchFooter.To);
}

void TPlexStringGrid::SetComponentStyle(TOrvStyle AStyle) {
  FOrvStyle = AStyle;
  SetStyle(TPlexGridStyle(AStyle));
  // A preset that changes the look remembers that look's own style on the way.
  FOrvStyle = AStyle;
  if (!IsDesigning()) ForEachOwned<IOrvStyle>(*this, [AStyle](IOrvStyle& d) { d.SetComponentStyle(AStyle); });
  if (AStyle != tsCustom && ScrollType() == ssMetro) SetScrollType(ssNormal);
}

void TPlexStringGrid::ApplyOfficeTheme() {
  const TOfficeTheme theme = GetOfficeTheme();
  if (theme == FOfficeTheme) return;
  if (theme != otUnknown) SetComponentStyle(OfficeThemeStyles[size_t(theme)]);
  FOfficeTheme = theme;
}

void TPlexStringGrid::SetAutoThemeAdapt(bool Value) {
  if (Value == FAutoThemeAdapt) return;
  FAutoThemeAdapt = Value;
  FSearchFooter->SetAutoThemeAdapt(Value);
  if (Value) {
    ApplyOfficeTheme();
    Invalidate();
  }
}

void TPlexStringGrid::SetColorTones(const TColorTones& ATones) {
  FTones = ATones;
  SetLook(glClassic);
  SetFlat(true);
  SetScrollType(ssMetro);
  SetFixedColor(ATones.Foreground.BrushColor);
  FFixedFont->SetColor(ATones.Foreground.TextColor);
  FFixedFont->SetName(DefaultUiFontName());
  SetColor(ATones.Background.BrushColor);
  Font().SetName(DefaultUiFontName());
  Font().SetColor(ATones.Background.TextColor);
  SetSelectionColor(ATones.Selected.BrushColor);
  SetSelectionTextColor(ATones.Selected.TextColor);
  SetSelectionColorTo(clNone);
  SetGridLineColor(0xE6E6E6);
  SetGridFixedLineColor(AdjustColorBrightness(ATones.Foreground.BrushColor, -20));
  SetBorderStyle(bsNone);
  // A missing glyph raises the resource error before the check style changes.
  TBitmap on, off, radioOn, radioOff;
  LoadBitmapResource(on, "metrocheckon");
  LoadBitmapResource(off, "metrocheckoff");
  LoadBitmapResource(radioOn, "metroradioon");
  LoadBitmapResource(radioOff, "metroradiooff");
  FControlLook->SetControlStyle(csGlyph);
  FControlLook->SetCheckedGlyph(on);
  FControlLook->SetUnCheckedGlyph(off);
  FControlLook->SetRadioOnGlyph(radioOn);
  FControlLook->SetRadioOffGlyph(radioOff);
  if (!IsDesigning()) {
    if (FEditBtn && FEditBtn->Button()) TakeButtonTones(*FEditBtn->Button(), ATones);
    if (FCombobox) {
      TakeButtonTones(*FCombobox, ATones);
      FCombobox->SetBorderColor(Color());
      FCombobox->SetFlat(true);
    }
    if (FSpinEdit && FSpinEdit->Button()) TakeButtonTones(*FSpinEdit->Button(), ATones);
    if (FDatePicker) {
      TakeButtonTones(*FDatePicker, ATones);
      FDatePicker->SetBorderColor(ATones.Background.BrushColor);
      FDatePicker->SetMetroStyle(true);
    }
    ForEachOwned<IOrvTones>(*this, [&ATones](IOrvTones& d) { d.SetColorTones(ATones); });
  }
  FControlLook->SetFlatButton(true);
  FFloatingFooter->Color = ATones.Foreground.BrushColor;
  FSearchFooter->SetColor(ATones.Foreground.BrushColor);
  FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
  FCellNode->SetNodeType(cnFlat);
  Invalidate();
}

void TPlexStringGrid::ApplyVclStyle() {
  if (!UsesVclStyles()) return;
  IAppStyleServices& style = AppStyleServices();
  const auto colour = [&style](TAppStyleElement e, TAppStyleColor c) { return style.ElementColor(e, c); };
  SetColor(colour(aseGridNormalCell, ascFill));
  SetGridLineColor(colour(aseGridNormalCell, ascBorder));
  SetGridFixedLineColor(colour(aseGridFixedCell, ascBorder));
  SetOptions(Options() - TGridOptions{goFixedVertLine, goFixedHorzLine});
  if (const TColor c = colour(aseGridNormalCell, ascText); c != clNone) Font().SetColor(c);
  if (const TColor c = colour(aseGridSelectedCell, ascText); c != clNone) SetSelectionTextColor(c);
  if (const TColor c = colour(aseGridFixedCell, ascText); c != clNone) FFixedFont->SetColor(c);
  Invalidate();
}
