// The selection models beside the rectangle (disjunct rows, columns and
// cells), the per-row modified and enabled flags, and the selection queries.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/ShowModified.h"
#include "grid/features/DragDropSettings.h"
#include "grid/foundation/IntList.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr const char* SInvalidRowAccessed = "Invalid row accessed";
constexpr const char* SInvalidColumnAccessed = "Invalid column accessed";

int PackCell(int ACol, int ARow) { return int(uint32_t(uint16_t(ARow)) << 16 | uint16_t(ACol)); }

// An integer list used as flags: 1 set, 0 or beyond the end clear.
bool FlagAt(const TIntList& List, int Index) {
  return Index >= 0 && Index < List.Count() && List.GetInteger(Index) == 1;
}
void SetFlagAt(TIntList& List, int Index, bool Value) {
  while (List.Count() <= Index) List.Insert(List.Count(), 0);
  List.SetInteger(Index, Value ? 1 : 0);
}
}  // namespace

// The row selection follows real rows while it is persistent.
int TPlexStringGrid::RowSelectKey(int ARow) const {
  return FMouseActions->RowSelectPersistent ? DisplayToRealRow(ARow) : ARow;
}

// ---- rows

bool TPlexStringGrid::GetRowSelect(int ARow) {
  if ((ARow < 0 || ARow >= RowCount() + NumHiddenRows()) && !FMouseActions->RowSelectPersistent)
    throw EPlexGridError(QString("Invalid row %1 accessed").arg(ARow));
  if (FMouseActions->DisjunctRowSelect()) {
    if (ARow < 0) return false;
    if (int(FRowSelect.size()) <= ARow) FRowSelect.resize(size_t(ARow) + 1, false);
    return FRowSelect[size_t(ARow)];
  }
  const TGridRect s = Selection();
  return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TPlexStringGrid::SetRowSelect(int ARow, bool Value) {
  if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
    throw EPlexGridError(SInvalidRowAccessed);
  const bool current = ARow < int(FRowSelect.size()) && FRowSelect[size_t(ARow)];
  bool allow = true;
  if (Value != current && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, allow);
  if (!allow) return;
  if (int(FRowSelect.size()) <= ARow) FRowSelect.resize(size_t(ARow) + 1, false);
  if (Value != current) RepaintRow(ARow);
  FRowSelect[size_t(ARow)] = Value;
  if (Value) {
    if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
  } else {
    FSelectedRows->DeleteValue(ARow);
  }
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

void TPlexStringGrid::SelectRows(int RowIndex, int RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RCount > 0) {
    if (!FMouseActions->DisjunctRowSelect())
      SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    else
      for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r) SetRowSelect(RowSelectKey(r), true);
  }
  if (!FRowIndicator->Empty()) RepaintCol(0);
  FSelChange = false;
}

void TPlexStringGrid::UnSelectRows(int RowIndex, int RCount) {
  if (FMouseActions->DisjunctRowSelect())
    for (int r = std::max(0, RowIndex); r < RowIndex + RCount && r < RowCount(); ++r)
      SetRowSelect(RowSelectKey(r), false);
  FSelChange = false;
}

void TPlexStringGrid::ClearRowSelect() {
  for (size_t r = 0; r < FRowSelect.size(); ++r)
    if (FRowSelect[r]) {
      FRowSelect[r] = false;
      RepaintRow(int(r));
    }
  FSelectedRows->Clear();
}

void TPlexStringGrid::SelectionToRowSelect(bool AllRows) {
  TGridRect s = Selection();
  s.Bottom = std::min(s.Bottom, RowCount() - 1);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    const bool inside = r >= s.Top && r <= s.Bottom;
    if (inside || AllRows) SetRowSelect(RowSelectKey(r), inside);
  }
  if (NumHiddenRows() > 0) Invalidate();
}

// ---- columns

bool TPlexStringGrid::GetColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EPlexGridError(SInvalidColumnAccessed);
  if (int(FColSelect.size()) <= ACol) FColSelect.resize(size_t(ACol) + 1, false);
  return FColSelect[size_t(ACol)];
}

void TPlexStringGrid::SetColSelect(int ACol, bool Value) {
  if (ACol < 0 || ACol >= ColCount()) throw EPlexGridError(SInvalidColumnAccessed);
  if (int(FColSelect.size()) <= ACol) FColSelect.resize(size_t(ACol) + 1, false);
  if (FColSelect[size_t(ACol)] == Value) return;
  FColSelect[size_t(ACol)] = Value;
  RepaintCol(ACol);
}

void TPlexStringGrid::SelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    if (CCount > 0) SetSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = std::max(0, ColIndex); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TPlexStringGrid::UnSelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (int c = std::max(0, ColIndex); c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TPlexStringGrid::ClearColSelect() {
  for (size_t c = 0; c < FColSelect.size(); ++c)
    if (FColSelect[c]) {
      FColSelect[c] = false;
      RepaintCol(int(c));
    }
}

void TPlexStringGrid::SelectionToColSelect(bool AllCols) {
  const TGridRect s = Selection();
  for (int c = FixedCols(); c < ColCount(); ++c) {
    const bool inside = c >= s.Left && c <= s.Right;
    if (inside || AllCols) SetColSelect(c, inside);
  }
}

// ---- cells

void TPlexStringGrid::ClearSelectedCells() {
  if (FixedCols() < ColCount() && FixedRows() < RowCount())
    SetSelection(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
  FSelectedCells->Clear();
  Invalidate();
}

bool TPlexStringGrid::GetSelectedCells(int ACol, int ARow) const {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackCell(ACol, ARow));
  const TGridRect s = Selection();
  return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

void TPlexStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
  const int packed = PackCell(ACol, ARow);
  const bool present = FSelectedCells->HasValue(packed);
  if (present == Value) return;
  if (Value)
    FSelectedCells->Add(packed);
  else
    FSelectedCells->DeleteValue(packed);
  RepaintCell(ACol, ARow);
}

TGridCoord TPlexStringGrid::SelectedCell(int Index) const {
  const uint32_t packed = uint32_t(FSelectedCells->GetInteger(Index));
  return TGridCoord{int(packed & 0xFFFF), int(packed >> 16)};
}

bool TPlexStringGrid::IsSelected(int ACol, int ARow) {
  if (ARow < FixedRows() || ACol < FixedCols() || FSelHidden) return false;
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackCell(ACol, ARow));
  if (FMouseActions->DisjunctRowSelect()) {
    const int key = RowSelectKey(ARow);
    return key < int(FRowSelect.size()) && FRowSelect[size_t(key)];
  }
  if (FMouseActions->DisjunctColSelect()) return ACol < int(FColSelect.size()) && FColSelect[size_t(ACol)];
  const TGridRect s = Selection();
  return ACol >= s.Left && ACol <= s.Right && ARow >= s.Top && ARow <= s.Bottom;
}

// ---- counts

int TPlexStringGrid::RowSelectCount() {
  if (!FMouseActions->DisjunctRowSelect()) {
    const TGridRect s = Selection();
    return std::abs(s.Bottom - s.Top) + 1;
  }
  const size_t n = std::min(size_t(RowCount() + NumHiddenRows()), FRowSelect.size());
  return int(std::count(FRowSelect.begin(), FRowSelect.begin() + std::ptrdiff_t(n), true));
}

int TPlexStringGrid::ColSelectCount() {
  if (!FMouseActions->DisjunctColSelect()) {
    const TGridRect s = Selection();
    return s.Right - s.Left + 1;
  }
  return int(std::count(FColSelect.begin(), FColSelect.end(), true));
}

int TPlexStringGrid::SelectedRowCount() {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
  TGridRect s = Selection();
  s.Bottom = std::min(s.Bottom, RowCount() - 1);
  if (IsMergedCell(s.Left, s.Top)) {
    const int span = CellSpan(s.Left, s.Top).Y;
    return s.Top + span > s.Bottom ? span + 1 : std::abs(s.Top - s.Bottom) + 1;
  }
  if (IsMergedCell(s.Left, s.Bottom)) return std::abs(s.Top - s.Bottom) + CellSpan(s.Left, s.Bottom).Y + 1;
  return std::abs(s.Top - s.Bottom) + 1;
}

int TPlexStringGrid::SelectedColCount() {
  if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
  const TGridRect s = Selection();
  if (IsMergedCell(s.Left, s.Top) && s.Left + CellSpan(s.Left, s.Top).X > s.Right) return CellSpan(s.Left, s.Top).X + 1;
  if (IsMergedCell(s.Right, s.Top)) return std::abs(s.Left - s.Right) + CellSpan(s.Right, s.Top).X + 1;
  return std::abs(s.Left - s.Right) + 1;
}

// Without disjunct cells the list is the rectangle, column by column.
int TPlexStringGrid::SelectedCellsCount() {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Count();
  FSelectedCells->Clear();
  const TGridRect s = Selection();
  if (s.Left == s.Right && s.Top == s.Bottom) {
    FSelectedCells->Insert(0, PackCell(Col(), Row()));
  } else {
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r) FSelectedCells->Insert(FSelectedCells->Count(), PackCell(c, r));
  }
  return FSelectedCells->Count();
}

int TPlexStringGrid::SelectedRow(int Index) const {
  if (FMouseActions->DisjunctRowSelect())
    return Index >= 0 && Index < FSelectedRows->Count() ? FSelectedRows->GetInteger(Index) : -1;
  const TGridRect s = Selection();
  const int r = std::min(s.Top, s.Bottom) + Index;
  return Index >= 0 && r <= std::max(s.Top, s.Bottom) ? r : -1;
}

// ---- text

QString TPlexStringGrid::SelectedText() {
  TGridRect s = Selection();
  if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows) {
    s.Left = 0;
    s.Right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (GetRowSelect(RowSelectKey(r))) rows.push_back(r);
  } else {
    for (int r = s.Top; r <= s.Bottom; ++r) rows.push_back(r);
  }
  QStringList lines;
  for (const int r : rows) {
    QStringList cells;
    for (int c = s.Left; c <= s.Right; ++c) {
      QString text = GetCellEx(DisplayToRealCol(c), r);
      if (text.contains("{\\") && FRichTextConverter) text = FRichTextConverter->PlainText(text);
      if (ExcelClipboardFormat && Multilinecells && text.contains('\n'))
        text = '"' + QString(text).replace('"', "\"\"") + '"';
      cells << text;
    }
    lines << cells.join('\t');
  }
  return lines.join("\r\n");
}

// ---- row flags

bool TPlexStringGrid::GetRowModified(int ARow) const { return FlagAt(*FModifiedRows, ARow); }

void TPlexStringGrid::SetRowModified(int ARow, bool Value) {
  if (ARow < 0) return;
  SetFlagAt(*FModifiedRows, ARow, Value);
  RepaintCell(0, ARow);
}

int TPlexStringGrid::ModifiedRowCount() const {
  int n = 0;
  for (int i = 0; i < FModifiedRows->Count(); ++i) n += FModifiedRows->GetInteger(i) == 1;
  return n;
}

void TPlexStringGrid::ClearModifiedRows() {
  FModifiedRows->Clear();
  Invalidate();
}

// The list holds disabled rows as 1.
bool TPlexStringGrid::GetRowEnabled(int ARow) const { return !FlagAt(*FEnabledRows, ARow); }

void TPlexStringGrid::SetRowEnabled(int ARow, bool Value) {
  if (ARow < 0) return;
  if (!Value && ARow == Row()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (r != ARow && GetRowEnabled(r)) {
        SetRow(r);
        break;
      }
  }
  FUseEnabledRows = true;
  SetFlagAt(*FEnabledRows, ARow, !Value);
  RepaintRow(ARow);
}

// ---- cells exchanged

void TPlexStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const QString text = GetGridCell(FromCell.X, FromCell.Y);
  TObject* object = GetGridObject(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, text);
  SetGridObject(ToCell.X, ToCell.Y, object);
  RepaintCell(FromCell.X, FromCell.Y);
  RepaintCell(ToCell.X, ToCell.Y);
}

// ---- row flags that follow row operations

void TPlexStringGrid::RowFlagsInserted(int RowIndex, int RCount) {
  if (RowIndex < 0 || RCount <= 0) return;
  const auto open = [&](TIntList& List) {
    if (RowIndex >= List.Count()) return;  // rows past the list are unset already
    for (int i = 0; i < RCount; ++i) List.Insert(RowIndex, 0);
  };
  if (FShowModified->Enabled) open(*FModifiedRows);
  if (FUseEnabledRows) open(*FEnabledRows);
}

void TPlexStringGrid::RowFlagsRemoved(int RowIndex, int RCount) {
  if (RowIndex < 0 || RCount <= 0) return;
  for (int i = 0; i < RCount; ++i) {
    if (FShowModified->Enabled && RowIndex < FModifiedRows->Count()) FModifiedRows->Delete(RowIndex);
    if (FUseEnabledRows && RowIndex < FEnabledRows->Count()) FEnabledRows->Delete(RowIndex);
  }
  if (FMouseActions->DisjunctRowSelect() && RowIndex < int(FRowSelect.size())) {
    const int last = std::min(RowIndex + RCount, int(FRowSelect.size()));
    for (int r = RowIndex; r < last; ++r)
      if (FRowSelect[size_t(r)]) FSelectedRows->DeleteValue(r);
    FRowSelect.erase(FRowSelect.begin() + RowIndex, FRowSelect.begin() + last);
  }
  // Selected rows below the removed ones moved up with them.
  for (int i = 0; i < FSelectedRows->Count(); ++i)
    if (FSelectedRows->GetInteger(i) >= RowIndex + RCount)
      FSelectedRows->SetInteger(i, FSelectedRows->GetInteger(i) - RCount);
}
