// Typed and indexed access to cells: numbers, texts by real row, per-cell
// properties, row colours, headers, controls in cells and control values.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellHtmlText.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "grid/foundation/TextRoutines.h"

#include <QLocale>

namespace {

// An empty text or "-" reads as 0.
QString ZeroForEmpty(const QString& Text) { return Text.isEmpty() || Text == "-" ? QStringLiteral("0") : Text; }

int ParseCellInt(const QString& Text) {
  int value = 0;
  if (!TryStrToInt(ZeroForEmpty(Text.trimmed()), value)) throw EPlexGridError(SCellNoInteger);
  return value;
}

double ParseCellFloat(const QString& Text) {
  bool ok = false;
  const double value = QLocale::c().toDouble(ZeroForEmpty(NormalizeNumberText(Text.trimmed())), &ok);
  if (!ok) throw EPlexGridError(SCellNoFloat);
  return value;
}

}  // namespace

// ---- record helpers

TCellProperties* TPlexStringGrid::CellRecord(int ACol, int ARow) const {
  return HasCellProperties(ACol, ARow) ? dynamic_cast<TCellProperties*>(Objects(ACol, ARow)) : nullptr;
}

TCellProperties& TPlexStringGrid::EnsureRecord(int ACol, int ARow) { return *GetCellProperties(ACol, ARow); }

void TPlexStringGrid::RepaintDisplayedCell(int ACol, int ARow) { RepaintCell(DisplColIndex(ACol), ARow); }

QString TPlexStringGrid::DecodeWide(const QString& Text) { return DecodeWideText(Text); }
QString TPlexStringGrid::EncodeWide(const QString& Text) { return EncodeWideText(Text); }

// ---- numbers

int TPlexStringGrid::Ints(int ACol, int ARow) { return ParseCellInt(StripCellHtml(GetCellEx(ACol, ARow))); }

void TPlexStringGrid::SetInts(int ACol, int ARow, int Value) {
  SetCellEx(ACol, ARow, QString::number(Value));
  if (FNumHiddenColumns > 0) RepaintCell(RealToDisplayCol(ACol), ARow);
}

int TPlexStringGrid::AllInts(int ACol, int ARow) { return ParseCellInt(AllCells(ACol, ARow)); }
void TPlexStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, QString::number(Value)); }

double TPlexStringGrid::Floats(int ACol, int ARow) { return ParseCellFloat(StripCellHtml(GetCellEx(ACol, ARow))); }

void TPlexStringGrid::SetFloats(int ACol, int ARow, double Value) {
  SetCellEx(ACol, ARow, Format(GetCellFloatFormat(ACol, ARow), {Value}));
}

double TPlexStringGrid::AllFloats(int ACol, int ARow) { return ParseCellFloat(AllCells(ACol, ARow)); }
void TPlexStringGrid::SetAllFloats(int ACol, int ARow, double Value) {
  SetAllCells(ACol, ARow, Format(FloatFormat, {Value}));
}

// ---- texts by real row

QString TPlexStringGrid::AllCells(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return QString();
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr) {
    QString text = ACol < item->Items.Count() ? item->Items[ACol] : QString();
    GetDisplText(ACol, ARow, text);
    return text;
  }
  return GetCellEx(ACol, RealToDisplayRow(ARow));
}

QString TPlexStringGrid::AllGridCells(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return QString();
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr)
    return ACol < item->Items.Count() ? item->Items[ACol] : QString();
  return GetGridCell(ACol, RealToDisplayRow(ARow));
}

// The whole record goes, with a graphic the grid made.
void TPlexStringGrid::FreeCellRecord(int ACol, int ARow) { FreeCellPropsRange(ACol, ARow, ACol, ARow); }

namespace {
// A hidden row's texts grow with empty entries up to the one written.
void StoreHiddenText(TGridItem& Item, int ACol, const QString& Value) {
  while (Item.Items.Count() <= ACol) Item.Items.Add(QString());
  Item.Items.SetStrings(ACol, Value);
}
}  // namespace

void TPlexStringGrid::SetAllCells(int ACol, int ARow, const QString& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr) {
    StoreHiddenText(*item, ACol, Value);
    return;
  }
  const int row = RealToDisplayRow(ARow);
  SetCellEx(ACol, row, Value);
  if (RealToDisplayCol(ACol) != ACol) RepaintCell(RealToDisplayCol(ACol), row);
}

// A hidden row pads its texts here too, rather than write past their end.
void TPlexStringGrid::SetAllGridCells(int ACol, int ARow, const QString& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr) {
    StoreHiddenText(*item, ACol, Value);
    return;
  }
  const int row = RealToDisplayRow(ARow);
  SetGridCell(ACol, row, Value);
  if (RealToDisplayCol(ACol) != ACol) RepaintCell(RealToDisplayCol(ACol), row);
}

uintptr_t TPlexStringGrid::AllObjects(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return 0;
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr) {
    TObject* stored = ACol < item->Items.Count() ? item->Items.Objects(ACol) : nullptr;
    const auto* props = dynamic_cast<TCellProperties*>(stored);
    return props ? props->CellObject : 0;
  }
  return GetObjectEx(ACol, RealToDisplayRow(ARow));
}

// A hidden row keeps a caller's value only in a cell record it already has.
void TPlexStringGrid::SetAllObjects(int ACol, int ARow, uintptr_t Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr) {
    TObject* stored = ACol < item->Items.Count() ? item->Items.Objects(ACol) : nullptr;
    if (auto* props = dynamic_cast<TCellProperties*>(stored)) props->CellObject = Value;
    return;
  }
  SetObjectEx(ACol, RealToDisplayRow(ARow), Value);
}

TObject* TPlexStringGrid::GetGridObjectEx(int ACol, int ARow) {
  if (TGridItem* item = NumHiddenRows() ? FHiddenRowStore->Find(ARow) : nullptr)
    return ACol >= 0 && ACol < item->Items.Count() ? item->Items.Objects(ACol) : nullptr;
  return GetGridObject(ACol, RealToDisplayRow(ARow));
}

// ---- moved and sorted positions

int TPlexStringGrid::ColumnPosition(int ACol) const {
  if (FColumnOrder->Count() == 0) return ACol;
  const int p = FColumnOrder->IndexOf(ACol);
  if (p < 0) return ACol;
  // Grouping took its column out of the grid, so the columns after it sit one further left.
  return GroupColumn >= 0 && ACol >= GroupColumn ? p - 1 : p;
}

QString TPlexStringGrid::OriginalCells(int ACol, int ARow) { return GetCellEx(ColumnPosition(ACol), ARow); }
void TPlexStringGrid::SetOriginalCells(int ACol, int ARow, const QString& Value) {
  SetCellEx(ColumnPosition(ACol), ARow, Value);
}

int TPlexStringGrid::UnSortedRowIndex(int ARow) {
  if (FSortedRowXRef->Count() == 0) return ARow;
  const int p = FSortedRowXRef->IndexOf(ARow);
  return p < 0 ? FSortedRowXRef->Count() : p;
}

int TPlexStringGrid::SortedRowIndex(int ARow) {
  const int row = ARow >= 0 && ARow < FSortedRowXRef->Count() ? FSortedRowXRef->GetInteger(ARow) : ARow;
  return DisplayToRealRow(row);
}

QString TPlexStringGrid::UnSortedCells(int ACol, int ARow) {
  const int row = FSortedRowXRef->Count() >= ARow && FSortedRowXRef->Count() > 0 ? UnSortedRowIndex(ARow) : ARow;
  return GetCellEx(ACol, row);
}

void TPlexStringGrid::SetUnSortedCells(int ACol, int ARow, const QString& Value) {
  const int row = FSortedRowXRef->Count() >= ARow && FSortedRowXRef->Count() > 0 ? UnSortedRowIndex(ARow) : ARow;
  SetCellEx(ACol, row, Value);
}

QString TPlexStringGrid::StrippedCells(int ACol, int ARow) { return StripCellHtml(GetCellEx(ACol, ARow)); }
int TPlexStringGrid::LinesInCell(int ACol, int ARow) { return CountLines(GetCellEx(ACol, ARow), true); }

// ---- widths by real column

int TPlexStringGrid::AllColWidths(int ACol) const {
  if (IsHiddenColumn(ACol)) return FHiddenColumnWidths[size_t(ACol)];
  return ColWidths(RealToDisplayCol(ACol));
}

void TPlexStringGrid::SetAllColWidths(int ACol, int Value) {
  if (IsHiddenColumn(ACol)) {
    FHiddenColumnWidths[size_t(ACol)] = int16_t(Value);
    return;
  }
  SetColWidths(RealToDisplayCol(ACol), Value);
}

// ---- controls in cells

TControl* TPlexStringGrid::CellControls(int ACol, int ARow) {
  const TCellProperties* props = CellRecord(ACol, ARow);
  return props ? props->Control : nullptr;
}

void TPlexStringGrid::RemoveListedControl(int ACol, int ARealRow) {
  const int i = FControlList->ControlIndex(ACol, ARealRow);
  if (i >= 0) FControlList->RemoveControl(i);
}

void TPlexStringGrid::SetCellControls(int ACol, int ARow, TControl* Value) {
  const int realRow = RealRowIndex(ARow);
  if (!Value) {
    TCellProperties* props = CellRecord(ACol, ARow);
    if (!props || !props->Control) return;
    RemoveListedControl(ACol, realRow);
    FCellControlCount = std::max(0, FCellControlCount - 1);
    props->Control = nullptr;
    return;
  }
  RemoveListedControl(ACol, realRow);
  TCellProperties& props = EnsureRecord(ACol, ARow);
  if (!props.Control) ++FCellControlCount;
  FControlList->AddControl(ACol, realRow, Value);
  props.Control = Value;
  Value->SetParent(this);
  const TRect r = CellRect(DisplColIndex(ACol), ARow);
  Value->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

// ---- fonts and per-cell properties

const TFont& TPlexStringGrid::Fonts(int ACol, int ARow) {
  const TCellProperties* props = CellRecord(ACol, ARow);
  if (!props) return Font();
  FFontCache->SetName(props->FontName);
  FFontCache->SetSize(props->FontSize);
  FFontCache->SetStyle(props->FontStyle);
  FFontCache->SetColor(props->FontColor);
  return *FFontCache;
}

void TPlexStringGrid::SetFonts(int ACol, int ARow, const TFont& Value) {
  TCellProperties& props = EnsureRecord(ACol, ARow);
  props.FontName = Value.Name();
  props.FontSize = Value.Size();
  props.FontStyle = Value.Style();
  props.FontColor = Value.Color();
  if (!UpdateInProgress()) RepaintDisplayedCell(ACol, ARow);
}

TColor TPlexStringGrid::FontColors(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->FontColor : clNone;
}
void TPlexStringGrid::SetFontColors(int ACol, int ARow, TColor Value) {
  EnsureRecord(ACol, ARow).FontColor = Value;
  RepaintDisplayedCell(ACol, ARow);
}
TFontStyles TPlexStringGrid::FontStyles(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->FontStyle : TFontStyles();
}
void TPlexStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
  EnsureRecord(ACol, ARow).FontStyle = Value;
  RepaintDisplayedCell(ACol, ARow);
}
int TPlexStringGrid::FontSizes(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->FontSize : 0;
}
void TPlexStringGrid::SetFontSizes(int ACol, int ARow, int Value) {
  EnsureRecord(ACol, ARow).FontSize = Value;
  RepaintDisplayedCell(ACol, ARow);
}
QString TPlexStringGrid::FontNames(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->FontName : QString();
}
void TPlexStringGrid::SetFontNames(int ACol, int ARow, const QString& Value) {
  EnsureRecord(ACol, ARow).FontName = Value;
  RepaintDisplayedCell(ACol, ARow);
}

TColor TPlexStringGrid::Colors(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->BrushColor() : clNone;
}
void TPlexStringGrid::SetColors(int ACol, int ARow, TColor Value) {
  EnsureRecord(ACol, ARow).SetBrushColor(Value);
  if (!UpdateInProgress()) RepaintDisplayedCell(ACol, ARow);
}
TColor TPlexStringGrid::ColorsTo(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->BrushColorTo() : clNone;
}
void TPlexStringGrid::SetColorsTo(int ACol, int ARow, TColor Value) {
  EnsureRecord(ACol, ARow).SetBrushColorTo(Value);
  RepaintDisplayedCell(ACol, ARow);
}
TCellGradientDirection TPlexStringGrid::Gradients(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->GradientDirection : GradientVertical;
}
void TPlexStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value) {
  EnsureRecord(ACol, ARow).GradientDirection = Value;
  RepaintDisplayedCell(ACol, ARow);
}
TAlignment TPlexStringGrid::Alignments(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p ? p->Alignment() : taLeftJustify;
}
void TPlexStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value) {
  EnsureRecord(ACol, ARow).SetAlignment(Value);
  RepaintDisplayedCell(ACol, ARow);
}
bool TPlexStringGrid::ReadOnly(int ACol, int ARow) {
  const TCellProperties* p = CellRecord(ACol, ARow);
  return p && p->ReadOnly;
}
void TPlexStringGrid::SetReadOnly(int ACol, int ARow, bool Value) {
  EnsureRecord(ACol, ARow).ReadOnly = Value;
  RepaintDisplayedCell(ACol, ARow);
}
// The one read that makes a record: the record carries the grid's word-wrap default.
bool TPlexStringGrid::WordWraps(int ACol, int ARow) { return EnsureRecord(ACol, ARow).WordWrap(); }
void TPlexStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
  EnsureRecord(ACol, ARow).SetWordWrap(Value);
  RepaintDisplayedCell(ACol, ARow);
}

// ---- row colours (displayed row; columns FixedCols .. AllColCount - 1)

void TPlexStringGrid::SetRowColor(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone) {
      EnsureRecord(c, ARow).SetBrushColor(Value);
    } else if (HasCellProperties(c, ARow)) {
      if (GetCellType(c, ARow) == ctNone)
        FreeCellRecord(c, ARow);
      else
        EnsureRecord(c, ARow).SetBrushColor(clNone);
    }
  }
  RepaintRow(ARow);
}

void TPlexStringGrid::SetRowColorTo(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone)
      EnsureRecord(c, ARow).SetBrushColorTo(Value);
    else if (HasCellProperties(c, ARow))
      FreeCellRecord(c, ARow);
  }
  RepaintRow(ARow);
}

void TPlexStringGrid::SetRowFontColor(int ARow, TColor Value) {
  for (int c = FixedCols(); c < AllColCount(); ++c) {
    if (Value != clNone)
      EnsureRecord(c, ARow).FontColor = Value;
    else if (HasCellProperties(c, ARow) && EnsureRecord(c, ARow).BrushColor() == clNone)
      FreeCellRecord(c, ARow);
  }
  RepaintRow(ARow);
}

// ---- headers

void TPlexStringGrid::ShowColumnHeaders() {
  if (FixedRows() <= 0) return;
  for (int i = 0; i < FColumnHeaders->Count() && i < TotalColCount(); ++i)
    SetCellEx(i, 0, EscapedNToCr((*FColumnHeaders)[i]));
}

void TPlexStringGrid::ClearColumnHeaders() {
  for (int c = 0; c < ColCount(); ++c) SetCellEx(c, 0, QString());
}

void TPlexStringGrid::SetColumnHeaders(const TStringList& Value) {
  // The copy must not run the list's own change handling as well.
  TNotifyEvent handler = std::move(FColumnHeaders->OnChange);
  FColumnHeaders->OnChange = nullptr;
  FColumnHeaders->Assign(Value);
  FColumnHeaders->OnChange = std::move(handler);
  if (FixedRows() > 0) ClearColumnHeaders();
  ShowColumnHeaders();
}

void TPlexStringGrid::ColumnHeadersListChanged() {
  ColumnHeadersChanged();
  ShowColumnHeaders();
}

void TPlexStringGrid::ShowRowHeaders() {
  if (FixedCols() <= 0) return;
  for (int i = 0; i < FRowHeaders->Count() && i < RowCount(); ++i) SetCellEx(0, i, (*FRowHeaders)[i]);
}

void TPlexStringGrid::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCellEx(0, r, QString());
}

void TPlexStringGrid::SetRowHeaders(const TStringList& Value) {
  TNotifyEvent handler = std::move(FRowHeaders->OnChange);
  FRowHeaders->OnChange = nullptr;
  FRowHeaders->Assign(Value);
  FRowHeaders->OnChange = std::move(handler);
  // Column 0 is cleared first only in the form designer.
  if (IsDesigning() && FixedCols() > 0) ClearRowHeaders();
  ShowRowHeaders();
}

void TPlexStringGrid::RowHeadersListChanged() { ShowRowHeaders(); }

// ---- control values

QString TPlexStringGrid::ControlValues(int ACol, int ARow, const QString& ID) {
  QString value;
  return GetCellControlValue(GetCellEx(ACol, ARow), ID, value) ? value : QString();
}

void TPlexStringGrid::SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value) {
  QString text = GetCellEx(ACol, ARow);
  if (SetCellControlValue(text, ID, Value)) SetCellEx(ACol, ARow, text);
}

// ---- notifications

// An in-cell scroll bar with an automatic range follows its cell's text.
void TPlexStringGrid::CellTextChanged(int ACol, int ARow) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic || graphic->CellType != ctScrollbar || !graphic->CellBoolean) return;
  graphic->CellAngle = RowHeights(ARow);
  const int lineHeight = Canvas().TextHeight("Wg");
  graphic->CellErrFrom = CountLines(GetGridCell(ACol, ARow), true) * lineHeight;
}

// Every vertical merge goes, then the listed columns merge again in list
// order: the first by equal texts alone, the others within its blocks.
void TPlexStringGrid::MergedColumnsChanged() {
  for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
  for (int i = 0; i < FMergedColumns->Count(); ++i) MergeColumnCells(FMergedColumns->GetInteger(i), i == 0);
}
