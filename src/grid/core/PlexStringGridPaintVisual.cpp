// How a cell looks: font, background and gradient colours, alignment and
// word wrap, decided in one place for the painter, printing and measuring.
// Each step may override the ones before it; nothing here creates a cell
// record or any other object, as it runs several times per painted cell.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/PrintSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/IntList.h"

#include <algorithm>

namespace {
int BlendChannel(int A, int B, double P) { return std::min(255, RoundHalfEven(P * A + (1.0 - P) * B)); }
}  // namespace

TColor TPlexStringGrid::BlendColors(TColor Color, TColor Color2, int Percent) {
  if (Percent >= 100) return Color;
  if (Percent < 1 || Color == clNone) return Color2;
  if (Color2 == clNone) return Color;
  const TColor a = ColorToRGB(Color), b = ColorToRGB(Color2);
  const double p = Percent / 100.0;
  return RGBColor(BlendChannel(GetRValue(a), GetRValue(b), p), BlendChannel(GetGValue(a), GetGValue(b), p),
                  BlendChannel(GetBValue(a), GetBValue(b), p));
}

TColor TPlexStringGrid::MixSelectionColor(TColor Selection, TColor CellColor, bool Mix, int Factor) {
  return Mix ? BlendColors(Selection, CellColor, Factor) : Selection;
}

// Row flags (enabled, disjunct selection) are kept by real row once rows can be hidden:
// enabled rows always, the row selection while it is persistent.
int TPlexStringGrid::FlagRow(int ARow) const {
  const bool persistent = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent;
  return FUseEnabledRows || persistent ? RealRowIndex(ARow) : ARow;
}

void TPlexStringGrid::ApplySelectionColours(TGridDrawState& AState, TBrush& ABrush, TColor& AColorTo,
                                            TColor& AMirrorColor, TColor& AMirrorColorTo, TFont& AFont) const {
  AColorTo = SelectionColorTo();
  AMirrorColor = SelectionMirrorColor();
  AMirrorColorTo = SelectionMirrorColorTo();
  if (SelectionTextColor() != clNone) AFont.SetColor(SelectionTextColor());
  AState.Include(gdSelected);
  (void)ABrush;
}

void TPlexStringGrid::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                                        TBrush& ABrush, bool Remap) {
  const int col = Remap ? RealColIndex(ACol) : RCol;
  const bool fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  AFont.Assign(fixed ? *FFixedFont : Font());
  if (const TCellProperties* props = PropsOf(col, ARow)) {
    if (props->FontColor != clNone) AFont.SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) AFont.SetStyle(props->FontStyle);
    if (props->FontSize != 0) AFont.SetSize(props->FontSize);
    if (!props->FontName.isEmpty()) AFont.SetName(props->FontName);
  }
  DoGetCellColor(col, ARow, AState, ABrush, AFont);
}

void TPlexStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                          bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                          TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                          bool& WW, TCellGradientDirection& GD) {
  // 1. the font of the area
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows();
  const bool printFonts = Print && !FPrintSettings->UseDisplayFont;
  if (normal)
    AFont.Assign(printFonts ? FPrintSettings->Font() : Font());
  else
    AFont.Assign(printFonts ? FPrintSettings->FixedFont() : *FFixedFont);
  // 2, 3
  const int rcol = Remap ? RealColIndex(ACol) : ACol;
  const int flagRow = FlagRow(ARow);
  TColor background = clNone;
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  // 4. the cell's own record; only cells without a graphic own their colour
  bool ownColour = false;
  if (const TCellProperties* props = PropsOf(rcol, ARow)) {
    background = props->BrushColor();
    if (background != clNone) {
      const TCellType type = GetCellType(rcol, ARow);
      ownColour = type == ctNone || type == ctRotated || type == ctEmpty;
    }
    if (props->FontColor != clNone) AFont.SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) AFont.SetStyle(props->FontStyle);
    if (props->FontSize != 0) AFont.SetSize(props->FontSize);
    if (!props->FontName.isEmpty()) AFont.SetName(props->FontName);
    WW = props->WordWrap();
    AColorTo = props->BrushColorTo();
    GD = props->GradientDirection;
  }
  // 5, 6. grid colour, bands, fixed areas
  if (AState.Contains(gdSelected)) GD = GradientVertical;
  const bool footerOrRight = ACol >= ColCount() - FFixedRightCols || ARow >= RowCount() - FFixedFooters;
  if (background == clNone) {
    background = Color();
    const bool bands = FBands->Active() && (!Print || FBands->Print);
    TColor band = clNone;
    if (bands && normal && ACol < TotalColCount() - FFixedRightCols && ARow < RowCount() - FFixedFooters &&
        FBands->BandColor(ARow - FixedRows(), band))
      background = band;
    if (!normal || footerOrRight) background = FixedColor();
  }
  // 7..9. fixed cells without their own colour
  const bool fixed = !normal || IsFixed(ACol, ARow);
  if (fixed && !ownColour && !Print) {
    background = FixedColor();
    AFont.Assign(*FFixedFont);
    AState.Include(gdFixed);
  }
  if (fixed && !ownColour && FLook > glClassic) {
    background = FOrvGradientFrom;
    AColorTo = FOrvGradientTo;
    AMirrorColor = FOrvGradientMirrorFrom;
    AMirrorColorTo = FOrvGradientMirrorTo;
  }
  // 10, 11. the hooks and the gradient event
  ABrush.Color = background;
  if (Print)
    DoGetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
  else
    DoGetCellColor(rcol, ARow, AState, ABrush, AFont);
  if (OnGetCellGradient) {
    TColor c = ABrush.Color;
    OnGetCellGradient(this, ARow, rcol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
    ABrush.Color = c;
  }
  // 12. the unselected look, for cells that a disjunct selection shows unselected
  const TColor plainBrush = ABrush.Color;
  const TColor plainFont = AFont.Color();
  const bool disjRow = FMouseActions->DisjunctRowSelect();
  const bool disjCol = FMouseActions->DisjunctColSelect();
  const bool selectable = normal && !fixed && !Print && Select && ShowSelection();
  auto selectLook = [&] {
    ABrush.Color = SelectionColor();
    ApplySelectionColours(AState, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  };
  // 13. disjunct rows
  if (selectable && disjRow) {
    const bool inSet = RowSelect(flagRow);
    const bool unselected =
        ((FMouseDown && ARow == Row()) || !inSet) && (!FMouseDown || inSet || !AState.Contains(gdSelected));
    if (unselected) {
      AState.Exclude(gdSelected);
    } else {
      AState = TGridDrawState{gdSelected};
      selectLook();
    }
  }
  // 14. disjunct columns
  if (selectable && disjCol) {
    const bool inSet = ColSelect(rcol);
    if ((inSet && (!FMouseDown || ACol != Col())) || (FMouseDown && !inSet && AState.Contains(gdSelected)))
      selectLook();
    else
      AState.Exclude(gdSelected);
  }
  // 15. the range selection mixes into a cell's own colour
  if ((selectable && IsSelected(ACol, ARow) && !disjRow && !disjCol) ||
      (AState.Contains(gdSelected) && FMouseDown && ShowSelection())) {
    ABrush.Color = ABrush.Color == Color() ? SelectionColor()
                                           : MixSelectionColor(SelectionColor(), ABrush.Color, SelectionColorMixer(),
                                                               SelectionColorMixerFactor());
    ApplySelectionColours(AState, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont);
  }
  // 16. disjunct cells
  if (FMouseActions->DisjunctCellSelect() && ShowSelection()) {
    if (FSelectedCells->HasValue((ARow << 16) | (ACol & 0xFFFF))) {
      selectLook();
    } else if (ACol == Col() && ARow == Row()) {
      AState.Exclude(gdSelected);
      ABrush.Color = plainBrush;
      AFont.SetColor(plainFont);
    }
  }
  // 17, 18
  if (UseDisabledFont && ((FUseEnabledRows && !RowEnabled(flagRow)) || !Enabled())) AFont.SetColor(DisabledFontColor);
  if (AState.Contains(gdSelected) && ARow != Row() && disjRow && SelectionColorTo() == clNone)
    ABrush.Color = AdjustColorBrightness(ABrush.Color, 7);
  // 19
  DoGetWordWrap(rcol, ARow, WW);
  GetCellAlignment(rcol, ARow, HA, VA);
}
