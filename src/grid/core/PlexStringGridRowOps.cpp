// Inserting, removing and moving whole rows with what they carry: texts,
// cell objects, heights, the per-row flag lists, controls placed in cells and
// the real indexes of the rows kept in the hidden-row store.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Inserts Count unset entries at Index of a per-row list that reaches it.
void InsertFlags(TIntList& List, int Index, int Count) {
  if (Index < 0 || Index >= List.Count()) return;
  for (int i = 0; i < Count; ++i) List.Insert(Index, 0);
}

void DeleteFlag(TIntList& List, int Index) {
  if (Index >= 0 && Index < List.Count()) List.Delete(Index);
}

}  // namespace

// ---- the hidden-row store follows the rows around it

void TPlexStringGrid::ShiftHiddenRows(int ARealRow, int Delta) { FHiddenRowStore->ShiftAbove(ARealRow, Delta); }

namespace {

// Real indexes of the displayed rows about to leave, ascending.
std::vector<int> RealRowsOf(TPlexStringGrid& Grid, int ARow, int Count) {
  std::vector<int> reals;
  for (int r = ARow; r < ARow + Count; ++r) reals.push_back(Grid.RealRowIndex(r));
  return reals;
}

// A hidden row moves down by the number of rows that left above it, so it
// comes back between the same neighbours whatever lay between the rows that left.
void CloseUpHiddenRows(THiddenRowStore& Store, const std::vector<int>& Left) {
  for (int i = 0; i < Store.Count(); ++i) {
    TGridItem& item = Store.Items(i);
    item.Idx -= int(std::lower_bound(Left.begin(), Left.end(), item.Idx) - Left.begin());
  }
}

}  // namespace

// ---- inserting

// The store moves whole rows, the footer row among them, so the row count
// change inside such a move must not carry the footer's texts a second time.
void TPlexStringGrid::StoreRowMove(const std::function<void()>& Move) {
  ++FStoreRowMoves;
  struct TDone {
    int& Count;
    ~TDone() { --Count; }
  } done{FStoreRowMoves};
  Move();
}

// With the floating footer shown, rows asked for below it go above it: the footer row stays last.
void TPlexStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (FFloatingFooter->Visible() && RowIndex == RowCount() && RowIndex > 0) --RowIndex;
  InsertRowsCore(RowIndex, RCount, UpdateCellControls, true);
}

void TPlexStringGrid::InsertRowsCore(int RowIndex, int RCount, bool UpdateCellControls, bool ShiftStore) {
  if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount()) return;
  const int lastCol = ColCount() - 1;
  const int lastWidth = ColWidths(lastCol);
  const int realIndex = RealRowIndex(RowIndex);
  if (ShiftStore) ShiftHiddenRows(realIndex - 1, RCount);
  StoreRowMove([&] { InsertStoreRows(RowIndex, RCount); });
  if (FShowModified->Enabled) InsertFlags(*FModifiedRows, RowIndex, RCount);
  if (FEnabledRows->Count() > 0) InsertFlags(*FEnabledRows, RowIndex, RCount);
  SetColWidths(lastCol, lastWidth);
  if (UpdateCellControls && FControlList->Count() > 0) {
    for (int i = 0; i < FControlList->Count(); ++i)
      if (TControlItem* item = FControlList->GetControl(i); item->Y >= realIndex) item->Y += RCount;
    PlaceCellControls();
  }
  if (!FDestroying) DoCellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TPlexStringGrid::AddRow() {
  const bool footer = FFloatingFooter->Visible();
  const int at = footer ? RowCount() - 1 : RowCount();
  InsertRows(at, 1, true);
  if (!footer || FFloatingFooter->FooterStyle == fsFixedLastRow) ClearRows(at, 1);
}

// ---- removing

// The per-row lists lose the entries of the rows that leave.
void TPlexStringGrid::DropRowFlags(int RowIndex, int RCount, bool Selection) {
  for (int i = 0; i < RCount; ++i) {
    if (FShowModified->Enabled) DeleteFlag(*FModifiedRows, RowIndex);
    if (FEnabledRows->Count() > 0) DeleteFlag(*FEnabledRows, RowIndex);
    if (Selection && size_t(RowIndex) < FRowSelect.size()) FRowSelect.erase(FRowSelect.begin() + RowIndex);
  }
}

// Controls placed in rows below the ones leaving move up with their rows.
void TPlexStringGrid::MoveControlsUp(int FirstRealBelow, int RCount) {
  for (int i = 0; i < FControlList->Count(); ++i)
    if (TControlItem* item = FControlList->GetControl(i); item->Y >= FirstRealBelow) item->Y -= RCount;
}

void TPlexStringGrid::RestoreCurrentRow(int OldRow, int OldTop) {
  const int normalEnd = RowCount() - FixedFooters();
  if (OldRow < normalEnd) {
    if (!FMouseActions->DisjunctRowSelect() && Row() != OldRow) SetRow(OldRow);
    if (OldTop < RowCount() && OldTop >= FixedRows()) SetTopRow(OldTop);
  } else if (normalEnd > FixedRows()) {
    SetRow(normalEnd - 1);
  }
}

void TPlexStringGrid::RemoveRows(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const std::vector<int> leaving = RealRowsOf(*this, RowIndex, RCount);
  MoveControlsUp(RealRowIndex(RowIndex + RCount), RCount);
  FreeCellPropsRange(0, RowIndex, StoreColCount() - 1, RowIndex + RCount - 1);
  const int lastCol = ColCount() - 1, lastWidth = ColWidths(lastCol);
  BeginUpdate();
  const int oldRow = Row(), oldTop = TopRow();
  if (NumHiddenRows() > 0) CloseUpHiddenRows(*FHiddenRowStore, leaving);
  DropRowFlags(RowIndex, RCount, FMouseActions->DisjunctRowSelect());
  StoreRowMove([&] { DeleteStoreRows(RowIndex, RCount, true); });
  FMaxEverRowCount -= RCount;
  RestoreCurrentRow(oldRow, oldTop);
  SetColWidths(lastCol, lastWidth);
  EndUpdate();
  DoCellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
  const int lastTop = RowCount() + FixedRows() - VisibleRowCount() - 2;
  if (TopRow() >= lastTop && RowCount() - VisibleRowCount() - 1 > 0 && lastTop >= FixedRows()) SetTopRow(lastTop);
  if (FControlList->Count() > 0) PlaceCellControls();
}

// The rows' objects are not freed and their heights stay by index: the
// caller (a move) puts the rows back elsewhere.
void TPlexStringGrid::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const std::vector<int> leaving = RealRowsOf(*this, RowIndex, RCount);
  const int lastCol = ColCount() - 1, lastWidth = ColWidths(lastCol);
  const int oldRow = Row(), oldTop = TopRow();
  BeginUpdate();
  if (FMouseActions->DisjunctRowSelect())
    for (int i = 0; i < RCount && size_t(RowIndex) < FRowSelect.size(); ++i)
      FRowSelect.erase(FRowSelect.begin() + RowIndex);
  StoreRowMove([&] { DeleteStoreRows(RowIndex, RCount, false); });
  FMaxEverRowCount -= RCount;
  SetColWidths(lastCol, lastWidth);
  if (oldRow < RowCount()) {
    if (Row() != oldRow) SetRow(oldRow);
    if (oldTop < RowCount()) SetTopRow(oldTop);
  } else if (RowCount() > FixedRows()) {
    SetRow(FixedRows());
    SetTopRow(FixedRows());
  }
  EndUpdate();
  if (NumHiddenRows() > 0) CloseUpHiddenRows(*FHiddenRowStore, leaving);
  DoCellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TPlexStringGrid::DeleteRows(int ARow, int ACount) {
  if (ARow < 0 || ACount <= 0) return;
  FreeCellPropsRange(0, ARow, StoreColCount() - 1, ARow + ACount - 1);
  HideRowsCore(ARow, ACount, true);
}

void TPlexStringGrid::HideRowsCore(int ARow, int Count, bool Remove) {
  if (ARow < 0 || ARow >= RowCount() || Count <= 0) return;
  Count = std::min(Count, RowCount() - ARow);
  if (Remove) {
    for (int i = FControlList->Count() - 1; i >= 0; --i) {
      const TControlItem* item = FControlList->GetControl(i);
      const int displ = RealToDisplayRow(item->Y);
      if (displ < ARow || displ >= ARow + Count) continue;
      if (item->Control) item->Control->SetVisible(false);
      FControlList->RemoveControl(i);
    }
  }
  const std::vector<int> leaving = RealRowsOf(*this, ARow, Count);
  const int lastCol = ColCount() - 1, lastWidth = ColWidths(lastCol);
  BeginUpdate();
  const int oldRow = Row(), oldTop = TopRow();
  const TGridOptions options = Options();
  const bool rowSelect = options.Contains(goRowSelect) && FixedRows() < RowCount() - 1;
  if (rowSelect) SetOptions(options - TGridOptions{goRowSelect});
  if (Remove && NumHiddenRows() > 0) CloseUpHiddenRows(*FHiddenRowStore, leaving);
  DropRowFlags(ARow, Count, FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent);
  StoreRowMove([&] { DeleteStoreRows(ARow, Count, true); });
  RestoreCurrentRow(oldRow, oldTop);
  SetColWidths(lastCol, lastWidth);
  EndUpdate();
  DoCellsChanged(TRect(0, ARow, ColCount() - 1, ARow + Count));
  if (TopRow() >= RowCount() - 1 && RowCount() - 1 >= FixedRows()) SetTopRow(RowCount() - 1);
  if (rowSelect) SetOptions(options);
  if (FControlList->Count() > 0) PlaceCellControls();
}

void TPlexStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
  BeginUpdate();
  for (int r = RowCount() - 1; r >= FixedRows(); --r)
    if (IsChecked(CheckBoxColumn, r) == RemoveChecked) RemoveRows(r, 1);
  EndUpdate();
}

bool TPlexStringGrid::RowIsSelected(int ARow) {
  if (FMouseActions->DisjunctRowSelect())
    return RowSelect(FMouseActions->RowSelectPersistent ? RealRowIndex(ARow) : ARow);
  const TGridRect sel = Selection();
  return ARow >= sel.Top && ARow <= sel.Bottom;
}

void TPlexStringGrid::RemoveSelectedRows() {
  BeginUpdate();
  for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
    if (RowIsSelected(r)) DeleteRows(r, 1);
  if (FMouseActions->DisjunctRowSelect()) FRowSelect.clear();
  EndUpdate();
}

void TPlexStringGrid::RemoveUnSelectedRows() {
  BeginUpdate();
  for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
    if (!RowIsSelected(r)) DeleteRows(r, 1);
  FRowSelect.clear();
  if (FMouseActions->RowSelectPersistent)
    for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) SetRowSelect(RealRowIndex(r), true);
  EndUpdate();
}

// The rows are chosen before the first one hides: hiding shifts the displayed
// rows below it, and the selection rectangle would then cover other rows.
void TPlexStringGrid::HideSelectedRows() {
  std::vector<int> reals;
  for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r)
    if (RowIsSelected(r)) reals.push_back(RealRowIndex(r));
  BeginUpdate();
  for (const int real : reals) HideRow(real);
  EndUpdate();
}

void TPlexStringGrid::HideUnSelectedRows() {
  std::vector<int> reals;
  for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r)
    if (!RowIsSelected(r)) reals.push_back(RealRowIndex(r));
  BeginUpdate();
  for (const int real : reals) HideRow(real);
  EndUpdate();
}

// Texts compare as the cell shows them; the first row of each text stays.
void TPlexStringGrid::RemoveDuplicates(int ACol, bool DoCase) {
  const int col = RealColIndex(ACol);
  QSet<QString> seen;
  BeginUpdate();
  int r = FixedRows();
  while (r < RowCount() - FixedFooters()) {
    const QString text = GetCellEx(col, r);
    const QString key = DoCase ? text : text.toLower();
    if (seen.contains(key)) {
      DeleteRows(r, 1);
      continue;
    }
    seen.insert(key);
    ++r;
  }
  EndUpdate();
}

// ---- moving

// The rows travel with their texts and objects; the hidden rows keep their
// real indexes, as the rows only change places among the shown ones.
void TPlexStringGrid::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0) return;
  if (FromIndex < 0 || FromIndex + Count > RowCount()) return;
  const int cols = StoreColCount();
  std::vector<QString> texts;
  std::vector<TObject*> objects;
  for (int r = FromIndex; r < FromIndex + Count; ++r)
    for (int c = 0; c < cols; ++c) {
      texts.push_back(GetGridCell(c, r));
      objects.push_back(GetGridObject(c, r));
    }
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  std::vector<int> stored;
  for (int i = 0; i < NumHiddenRows(); ++i) stored.push_back(FHiddenRowStore->Items(i).Idx);
  RemoveRowsEx(FromIndex, Count);
  ToIndex = std::clamp(ToIndex, 0, RowCount());
  InsertRows(ToIndex, Count, true);
  for (int i = 0; i < Count; ++i)
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, ToIndex + i, texts[size_t(i * cols + c)]);
      SetGridObject(c, ToIndex + i, objects[size_t(i * cols + c)]);
    }
  for (int i = 0; i < NumHiddenRows(); ++i) FHiddenRowStore->Items(i).Idx = stored[size_t(i)];
  Invalidate();
}

namespace {

// The new index of a row or column that sat at Index when From moved to To.
int FollowMove(int Index, int From, int To) {
  if (Index == From) return To;
  if (From < To && Index > From && Index <= To) return Index - 1;
  if (From > To && Index >= To && Index < From) return Index + 1;
  return Index;
}

}  // namespace

void TPlexStringGrid::MoveRow(int FromIndex, int ToIndex) {
  // The floating footer keeps the last row: neither the heights nor the current row move.
  if (FooterIsLastRow() && (ToIndex == RowCount() - 1 || FromIndex == RowCount() - 1)) return;
  TBaseGrid::MoveRow(FromIndex, ToIndex);
  if (FControlList->Count() == 0) return;
  const int from = RealRowIndex(FromIndex), to = RealRowIndex(ToIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    item->Y = FollowMove(item->Y, from, to);
  }
  PlaceCellControls();
}

void TPlexStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  // A grid built in code has no order recorded yet; the first move records
  // the order it starts from, so that ResetColumnOrder can go back to it.
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  TBaseGrid::MoveColumn(FromIndex, ToIndex);
  if (FControlList->Count() == 0) return;
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    item->X = FollowMove(item->X, FromIndex, ToIndex);
  }
  PlaceCellControls();
}
