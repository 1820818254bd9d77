// The per-cell questions: each hook computes the grid's own answer first and
// then lets its event have the last word. The column grid answers several of
// them from its column definitions before calling back here.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/core/ControlLook.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/features/Grouping.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/ResourceCursors.h"

#include <algorithm>
#include <array>

namespace {

// Cell types whose record brush colour is the cell's background; the others
// paint their own face over the grid's colour.
constexpr std::array<TCellType, 6> RecordBrushTypes = {ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};

constexpr std::array<TEditorType, 4> SpinEditors = {edSpinEdit, edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit};

template <class T, size_t N>
constexpr bool OneOf(T Value, const std::array<T, N>& Set) {
  return std::find(Set.begin(), Set.end(), Value) != Set.end();
}

// A text with a blank filters on the whole text, quoted, under its own name.
QString FilterEntry(const QString& Text) { return Text.contains(' ') ? Text + "=\"" + Text + "\"" : Text; }

}  // namespace

void TPlexStringGrid::DoEllipsClick(const QString& Text, QString& Result) {
  Result = Text;
  if (OnEllipsClick) OnEllipsClick(this, RealColIndex(Col()), Row(), Result);
}

void TPlexStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded) {
  if (OnExpandClick) OnExpandClick(this, ACol, ARow, Expanded);
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (graphic && graphic->CellType == ctExpand) SetRowHeights(ARow, Expanded ? graphic->CellAngle : graphic->CellIndex);
}

void TPlexStringGrid::DoComboCloseUp(int ARow, int ACol) {
  if (OnComboCloseUp) OnComboCloseUp(this, ARow, ACol);
}

void TPlexStringGrid::DoComboDropDown(int ARow, int ACol) {
  if (OnComboDropDown) OnComboDropDown(this, ARow, ACol);
}

void TPlexStringGrid::DoGetCellCursor(int ACol, int ARow, int X, int Y) {
  if (!OnGetCellCursor) return;
  TCursor cursor = Cursor();
  OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
  ShowCursorNow(this, cursor);
}

void TPlexStringGrid::DoGridHint(int ACol, int ARow, QString& Hint, QString& WideHint) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
  if (OnGridWideHint) OnGridWideHint(this, ARow, ACol, WideHint);
  if (!WideHint.isEmpty()) Hint = EncodeWideText(WideHint);
}

void TPlexStringGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  if (ActiveCellShow()) {
    const int d = RealToDisplayCol(ACol);
    const bool rowHeader = ARow == Row() && FixedCols() > 0 && d == FixedCols() - 1;
    const bool colHeader = d == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
    if (rowHeader || colHeader) {
      AFont.Assign(*FActiveCellFont);
      ABrush.Color = ActiveCellColor();
    }
  }
  if (HasCellProperties(ACol, ARow)) {
    const TCellProperties* props = GetCellProperties(ACol, ARow);
    if (OneOf(GetCellType(ACol, ARow), RecordBrushTypes) && props->BrushColor() != clNone)
      ABrush.Color = props->BrushColor();
    if (props->FontColor != clNone) AFont.SetColor(props->FontColor);
    if (!props->FontStyle.Empty()) AFont.SetStyle(props->FontStyle);
    if (props->FontSize != 0) AFont.SetSize(props->FontSize);
    if (!props->FontName.isEmpty()) AFont.SetName(props->FontName);
  }
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TPlexStringGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TPlexStringGrid::DoGetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (FGrouping->HeaderUnderline && IsNode(ARow) && ACol > 0) {
    Borders = TCellBorders{cbBottom};
    APen.Color = FGrouping->HeaderLineColor;
    APen.Width = FGrouping->HeaderLineWidth;
  }
  if (FGrouping->SummaryLine && IsSummary(ARow) && ACol > 0) {
    Borders = TCellBorders{cbTop};
    APen.Color = FGrouping->SummaryLineColor;
    APen.Width = FGrouping->SummaryLineWidth;
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TPlexStringGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TPlexStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) HAlign = taCenter;
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TPlexStringGrid::DoGetFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TPlexStringGrid::DoGetEditorTypeDirect(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TPlexStringGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TPlexStringGrid::HasNoEditor(int ACol, int ARow) {
  if (!OnGetEditorType) return false;
  TEditorType editor = edNormal;
  OnGetEditorType(this, ACol, ARow, editor);
  return editor == edNone;
}

void TPlexStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
  const bool onlyFixedRows = FixedRowAlways && RowCount() == MinFixedRows && ARow <= MinFixedRows;
  const bool onlyFixedCols = FixedColAlways && ColCount() == MinFixedCols && ACol < MinFixedCols;
  IsFixed = IsFixed || ACol < FixedCols() || ARow < FixedRows() || onlyFixedRows || onlyFixedCols;
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TPlexStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  const TPoint base = BaseCell(ACol, ARow);
  if (HasCellProperties(base.X, base.Y) && CanEdit) {
    CanEdit = !ReadOnly(base.X, base.Y);
    if (!Options().Contains(goEditing) && !FEditingEnabledByEditor && !FMouseActions->RangeSelectAndEdit)
      CanEdit = false;
  }
  if (base.X < ColCount() + FNumHiddenColumns)
    DoCanEditCell(base.X, base.Y, CanEdit);
  else
    CanEdit = true;
}

void TPlexStringGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TPlexStringGrid::DoGetWordWrap(int ACol, int ARow, bool& WordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, WordWrap);
}

bool TPlexStringGrid::DoHasComboBox(int ACol, int ARow) {
  bool has = false;
  if (OnHasComboBox) {
    OnHasComboBox(this, ACol, ARow, has);
  } else if (FControlLook->DropDownAlwaysVisible()) {
    TEditorType editor = DefaultEditor;
    DoGetEditorType(ACol, ARow, editor);
    has = editor == edComboEdit || editor == edComboList;
  }
  return has;
}

// Column definitions must not make spin buttons visible: the editor type comes
// from the event alone.
bool TPlexStringGrid::DoHasSpinEdit(int ACol, int ARow) {
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  bool has = false;
  if (OnHasSpinEdit) {
    OnHasSpinEdit(this, ACol, ARow, has);
  } else if (FControlLook->SpinButtonsAlwaysVisible()) {
    TEditorType editor = DefaultEditor;
    DoGetEditorTypeDirect(ACol, ARow, editor);
    has = OneOf(editor, SpinEditors);
  }
  return has;
}

void TPlexStringGrid::DoGetCheckTrue(int ACol, int ARow, QString& Value) {
  Value = CheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TPlexStringGrid::DoGetCheckFalse(int ACol, int ARow, QString& Value) {
  Value = CheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TPlexStringGrid::DoGetColumnFilter(int Column) {
  FFilterList->Clear();
  if (FilterDropDownAuto && (Column >= FixedCols() || FilterDropDownColumns == fdAll)) {
    FFilterList->SetSorted(true);
    FFilterList->Duplicates = TStringList::dupIgnore;
    for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
      FFilterList->Add(FilterEntry(GetCellEx(Column, r).trimmed()));
    if (!FilterIncremental)
      for (int i = 0; i < FHiddenRowStore->Count(); ++i) {
        const TStringList& texts = FHiddenRowStore->Items(i).Items;
        if (Column < texts.Count()) FFilterList->Add(FilterEntry(texts[Column]));
      }
    FFilterList->SetSorted(false);
    if (!FilterDropDownClear.isEmpty()) FFilterList->Insert(0, FilterDropDownClear);
  }
  if (OnGetColumnFilter) OnGetColumnFilter(this, Column, *FFilterList);
  return FFilterList->Count() > 0;
}

// A new record stores a colour only where the grid paints a plain background.
void TPlexStringGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                               TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HAlign,
                                               TVAlignment& VAlign, bool& WordWrap,
                                               TCellGradientDirection& GradientDirection) {
  TBaseGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HAlign, VAlign,
                                      WordWrap, GradientDirection);
  TGridDrawState state;
  GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, ColorTo, MirrorColor, MirrorColorTo, AFont,
                      HAlign, VAlign, WordWrap, GradientDirection);
  const bool plain =
      !IsFixed(ACol, ARow) && !FBands->Active() && !FBackGround->IsGradient() && !state.Contains(gdSelected);
  if (!plain) {
    ABrush.Color = clNone;
    ColorTo = clNone;
  }
}

bool TPlexStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }
bool TPlexStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }
