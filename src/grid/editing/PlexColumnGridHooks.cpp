// The column grid's answers to the string grid's per-cell hooks: the
// definition of the cell's column answers first, then the string grid's own
// handling and its event (except the check texts, where the definition wins).
#include "grid/editing/PlexColumnGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/editing/EditLink.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridSpin.h"
#include "grid/features/Filter.h"
#include "grid/features/FilterData.h"
#include "grid/features/PrintSettings.h"
#include "grid/foundation/NumberDateRoutines.h"

bool TPlexColumnGrid::IsInnerCell(int ACol, int ARow) const {
  return ACol < ColCount() + NumHiddenColumns() - FixedRightCols() && ARow < RowCount() - FixedFooters();
}

namespace {
// A per-cell record's colours win over the column's, where they are set.
void ApplyRecordColours(const TCellProperties* Props, TBrush& ABrush, TFont& AFont) {
  if (!Props) return;
  if (Props->BrushColor() != clNone) ABrush.Color = Props->BrushColor();
  if (Props->FontColor != clNone) AFont.SetColor(Props->FontColor);
}

// The display part of a filter entry: the text before the first "=".
QString FilterDisplayName(const QString& Entry) {
  const int eq = Entry.indexOf('=');
  return eq < 0 ? Entry : Entry.left(eq);
}
}  // namespace

void TPlexColumnGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  TGridColumnItem* d = Definition(ACol);
  if (d && IsInnerCell(ACol, ARow)) {
    if (IsNormalCell(ACol, ARow)) {
      if (d->Fixed())
        ABrush.Color = FixedColor();
      else if (!(d->ShowBands() && Bands().Active()))
        ABrush.Color = d->Color();
    }
    AFont.Assign(ARow < FixedRows() ? d->HeaderFont() : d->Font());
    ApplyRecordColours(PropsOf(ACol, ARow), ABrush, AFont);
  }
  TPlexStringGrid::DoGetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TPlexColumnGrid::DoGetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) {
  TGridColumnItem* d = Definition(ACol);
  if (d) {
    const bool fixedLike = ACol < FixedCols() || ARow < FixedRows() || !IsInnerCell(ACol, ARow);
    const TCellProperties* props = PropsOf(ACol, ARow);
    if (fixedLike) {
      AFont.Assign(PrintSettings().FixedFont());
    } else {
      if (d->Fixed())
        ABrush.Color = FixedColor();
      else if (!(d->ShowBands() && Bands().Active() && Bands().Print))
        ABrush.Color = d->PrintColor;
      if (props && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
      if (d->PrintFontCustom) {
        AFont.Assign(d->PrintFont());
        if (props) {
          if (props->FontColor != clNone) AFont.SetColor(props->FontColor);
          if (!props->FontStyle.Empty()) AFont.SetStyle(props->FontStyle);
          if (props->FontSize != 0) AFont.SetSize(props->FontSize);
          if (!props->FontName.isEmpty()) AFont.SetName(props->FontName);
        }
      } else {
        AFont.Assign(PrintSettings().Font());
      }
    }
  }
  TPlexStringGrid::DoGetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TPlexColumnGrid::DoGetCellBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (TGridColumnItem* d = Definition(ACol); d && IsNormalCell(ACol, ARow)) {
    Borders = d->Borders();
    APen.Assign(d->BorderPen());
  }
  TPlexStringGrid::DoGetCellBorder(ACol, ARow, APen, Borders);
}

void TPlexColumnGrid::DoGetCellPrintBorder(int ACol, int ARow, TPen& APen, TCellBorders& Borders) {
  if (TGridColumnItem* d = Definition(ACol); d && IsNormalCell(ACol, ARow) && d->PrintBorderCustom) {
    Borders = d->PrintBorders;
    APen.Assign(d->PrintBorderPen());
  }
  TPlexStringGrid::DoGetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TPlexColumnGrid::DoGetAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) {
  if (TGridColumnItem* d = Definition(ACol)) {
    HAlign = ARow < FixedRows() ? d->HeaderAlignment() : d->Alignment();
    if (const TCellProperties* props = PropsOf(ACol, ARow)) HAlign = props->Alignment();
  }
  TPlexStringGrid::DoGetAlignment(ACol, ARow, HAlign, VAlign);
}

void TPlexColumnGrid::DoGetFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix) {
  if (TGridColumnItem* d = Definition(ACol)) {
    AStyle = d->SortStyle;
    APrefix = d->SortPrefix;
    ASuffix = d->SortSuffix;
  }
  TPlexStringGrid::DoGetFormat(ACol, AStyle, APrefix, ASuffix);
}

// Asked just before an editor shows, so the editors carry the column's settings.
void TPlexColumnGrid::DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) {
  TGridColumnItem* d = Definition(ACol);
  if (d && IsNormalCell(ACol, ARow)) {
    AEditor = d->Editor();
    if (TGridCombo* combo = ComboEditor()) {
      combo->Items().Assign(d->ComboItems());
      combo->SetDropDownCount(d->DropDownCount);
    }
    TGridSpin* spin = SpinEdit();
    spin->MinValue = d->SpinMin;
    spin->MaxValue = d->SpinMax;
    spin->Increment = d->SpinStep;
    SetEditLink(dynamic_cast<TEditLink*>(d->EditLink));
    // The combo's set-up takes its count from here, after this hook.
    ControlLook().DropDownCount = d->DropDownCount;
  }
  if (d && !d->FloatFormat().isEmpty()) FloatFormat = d->FloatFormat();
  TPlexStringGrid::DoGetEditorType(ACol, ARow, AEditor);
}

void TPlexColumnGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
  if (IsNormalCell(ACol, ARow))
    if (TGridColumnItem* d = Definition(RealColIndex(ACol))) IsFixed = d->Fixed();
  TPlexStringGrid::DoIsFixedCell(ACol, ARow, IsFixed);
}

// The definition decides, not goEditing; the event may still allow a read-only column.
// The definition decides whatever goEditing says; the event has the last word.
void TPlexColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  bool canEdit = false;
  TGridColumnItem* d = Definition(ACol);
  if (!IsLoading() && d && IsNormalCell(ACol, ARow)) canEdit = !(d->ReadOnly || d->Fixed());
  if (canEdit && HasCellProperties(ACol, ARow)) canEdit = !ReadOnly(ACol, ARow);
  const TPoint base = BaseCell(ACol, ARow);
  if (OnCanEditCell) OnCanEditCell(this, base.Y, base.X, canEdit);
  CanEdit = canEdit;
}

void TPlexColumnGrid::DoIsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (TGridColumnItem* d = Definition(ACol)) IsPassword = d->Password();
  TPlexStringGrid::DoIsPasswordCell(ACol, ARow, IsPassword);
}

// Combo columns always show their drop-down button.
bool TPlexColumnGrid::DoHasComboBox(int ACol, int ARow) {
  TGridColumnItem* d = Definition(ACol);
  bool has = d && IsNormalCell(ACol, ARow) && (d->Editor() == edComboEdit || d->Editor() == edComboList);
  // The event has the last word, starting from the definition's answer.
  if (OnHasComboBox)
    OnHasComboBox(this, ACol, ARow, has);
  else
    has = has || TPlexStringGrid::DoHasComboBox(ACol, ARow);
  return has;
}

void TPlexColumnGrid::DoGetCheckTrue(int ACol, int ARow, QString& Value) {
  TPlexStringGrid::DoGetCheckTrue(ACol, ARow, Value);
  TGridColumnItem* d = Definition(ACol);
  if (d && IsInnerCell(ACol, ARow)) Value = d->CheckTrue;
}

void TPlexColumnGrid::DoGetCheckFalse(int ACol, int ARow, QString& Value) {
  TPlexStringGrid::DoGetCheckFalse(ACol, ARow, Value);
  TGridColumnItem* d = Definition(ACol);
  if (d && IsInnerCell(ACol, ARow)) Value = d->CheckFalse;
}

// Only columns whose definition lists filter entries get a filter drop-down.
bool TPlexColumnGrid::DoGetColumnFilter(int Column) {
  TPlexStringGrid::DoGetColumnFilter(Column);
  TStringList& filter = FilterList();
  filter.SetSorted(false);
  filter.Clear();
  if (TGridColumnItem* d = Definition(Column))
    for (int i = 0; i < d->Filter().Count(); ++i) filter.Add(FilterDisplayName(d->Filter()[i]));
  return filter.Count() > 0;
}

void TPlexColumnGrid::DoFilterSelect(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition) {
  TGridColumnItem* d = Definition(Column);
  if (!d || ItemIndex < 0 || ItemIndex >= d->Filter().Count()) return;
  const QString entry = d->Filter()[ItemIndex];
  FriendlyName = FilterDisplayName(entry);
  if (AutoFilterDisplay) d->SetHeader(FriendlyName);
  if (AutoFilterUpdate) SetFilterActive(false);
  const int eq = entry.indexOf('=');
  FilterCondition = eq < 0 ? entry : entry.mid(eq + 1);
  if (OnFilterSelect) OnFilterSelect(this, Column, ItemIndex, FriendlyName, FilterCondition);
  TFilterData& filter = Filter().ColFilter(Column);
  filter.Condition = FilterCondition;
  filter.CaseSensitive = d->FilterCaseSensitive;
  if (!AutoFilterUpdate) return;
  SetFilterActive(true);
  const bool onlyFixed = RowCount() <= FixedRows() || (FixedRowAlways && RowCount() == 1);
  if (!onlyFixed) SetRow(FixedRows());
  DoFilterDone();
}

void TPlexColumnGrid::DoUpdateColumnSize(int ACol, int& AWidth) {
  if (TGridColumnItem* d = Definition(ACol)) {
    if (d->MinSize > 0) AWidth = std::max(AWidth, d->MinSize);
    if (d->MaxSize > 0) AWidth = std::min(AWidth, d->MaxSize);
  }
  TPlexStringGrid::DoUpdateColumnSize(ACol, AWidth);
}

void TPlexColumnGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth) {
  if (TGridColumnItem* d = Definition(ACol)) {
    if (d->AutoMinSize > 0) AWidth = std::max(AWidth, d->AutoMinSize);
    if (d->AutoMaxSize > 0) AWidth = std::min(AWidth, d->AutoMaxSize);
  }
  TPlexStringGrid::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TPlexColumnGrid::ColumnHeadersChanged() {
  if (!FColumns) return;
  const TStringList& headers = ColumnHeaders();
  for (int i = 0; i < FColumns->Count() && i < headers.Count(); ++i) FColumns->Items(i)->StoreHeader(headers[i]);
}

void TPlexColumnGrid::CellsLoaded() {
  TPlexStringGrid::CellsLoaded();
  UpdateColumnCount();
}

QString TPlexColumnGrid::GetCellFloatFormat(int ACol, int ARow) {
  TGridColumnItem* d = Definition(ACol);
  return d && !d->FloatFormat().isEmpty() ? d->FloatFormat() : FloatFormat;
}

QString TPlexColumnGrid::GetFormattedCell(int ACol, int ARow) {
  TGridColumnItem* d = Definition(ACol);
  if (!d) return TPlexStringGrid::GetFormattedCell(ACol, ARow);
  const QString text = Cells(ACol, ARow);
  QString format = d->FloatFormat();
  // Cheap answer first: without a format and an event the text stands as it is.
  if (format.isEmpty() && !OnGetFloatFormat) return text;
  const int kind = NumericTextKind(text);
  bool isFloat = kind == ntkInteger || kind == ntkFloat;
  if (OnGetFloatFormat) OnGetFloatFormat(this, ACol, ARow, isFloat, format);
  if (format.isEmpty() || !isFloat) return text;
  return Format(format, {Floats(ACol, ARow)});
}

TCellType TPlexColumnGrid::GetCellType(int ACol, int ARow) {
  TGridColumnItem* d = Destroying() ? nullptr : Definition(ACol);
  // Without a graphic of its own, a check-box column's cell is a data check
  // box; its header rows keep their text.
  if (d && d->Editor() == edDataCheckBox && ARow >= FixedRows() && IsInnerCell(ACol, ARow) &&
      !TPlexStringGrid::GetCellGraphic(ACol, ARow) && !(ACol == 0 && MouseActions().HotmailRowSelect()))
    return ctDataCheckBox;
  return TPlexStringGrid::GetCellType(ACol, ARow);
}

// Every data check-box cell shares the grid's one graphic: its state is the cell text.
TCellGraphic* TPlexColumnGrid::GetCellGraphic(int ACol, int ARow) {
  TCellGraphic* own = TPlexStringGrid::GetCellGraphic(ACol, ARow);
  if (own || Destroying()) return own;
  TGridColumnItem* d = Definition(ACol);
  if (!d || d->Editor() != edDataCheckBox || ARow < FixedRows() || !IsInnerCell(ACol, ARow)) return nullptr;
  FCheckGraphic->CellBoolean = ControlLook().ControlStyle() == csFlat;
  return FCheckGraphic.get();
}

void TPlexColumnGrid::GetDefaultCellProperties(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                               TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HAlign,
                                               TVAlignment& VAlign, bool& WordWrap,
                                               TCellGradientDirection& GradientDirection) {
  TGridColumnItem* d = Definition(ACol);
  if (!d) {
    TPlexStringGrid::GetDefaultCellProperties(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HAlign,
                                              VAlign, WordWrap, GradientDirection);
    return;
  }
  AFont.Assign(d->Font());
  ABrush.Color = d->Color();
  ColorTo = clNone;
  HAlign = ARow < FixedRows() ? d->HeaderAlignment() : d->Alignment();
  VAlign = VAlignment();
  WordWrap = this->WordWrap();
  GradientDirection = GradientVertical;
  if (IsFixed(ACol, ARow) || (d->ShowBands() && Bands().Active())) ABrush.Color = clNone;
}

int TPlexColumnGrid::GetEditLimit() {
  const int col = RealColIndex(Col());
  TGridColumnItem* d = Definition(col);
  return d && col >= FixedCols() ? d->EditLength : TPlexStringGrid::GetEditLimit();
}

QString TPlexColumnGrid::GetEditMask(int ACol, int ARow) {
  TGridColumnItem* d = Definition(ACol);
  QString mask = d && ACol >= FixedCols() ? d->EditMask : QString();
  const QString own = TPlexStringGrid::GetEditMask(ACol, ARow);
  return own.isEmpty() ? mask : own;
}
