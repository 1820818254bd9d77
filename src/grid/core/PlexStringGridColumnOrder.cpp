// Where each column of the initial order went, swapping two columns or rows
// with everything they carry, finding a column by its header, and the
// colour of the arrows that show where a dragged column will land.
#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SortIndexList.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Swaps the stored text and object of two cells.
void SwapStoredCells(TBaseGrid& Grid, int ACol1, int ARow1, int ACol2, int ARow2) {
  const QString text = Grid.GetGridCell(ACol1, ARow1);
  TObject* object = Grid.GetGridObject(ACol1, ARow1);
  Grid.SetGridCell(ACol1, ARow1, Grid.GetGridCell(ACol2, ARow2));
  Grid.SetGridObject(ACol1, ARow1, Grid.GetGridObject(ACol2, ARow2));
  Grid.SetGridCell(ACol2, ARow2, text);
  Grid.SetGridObject(ACol2, ARow2, object);
}

// An index naming one of the two swapped columns or rows names the other.
void FollowSwap(int& Index, int A, int B) {
  if (Index == A)
    Index = B;
  else if (Index == B)
    Index = A;
}

}  // namespace

void TPlexStringGrid::SetColumnOrder() {
  FColumnOrder->Clear();
  for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

int TPlexStringGrid::ColumnAtPosition(int ACol) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  if (ACol < 0 || ACol >= FColumnOrder->Count()) return ACol;
  const int entry = FColumnOrder->GetInteger(ACol);
  return GroupColumn >= 0 && entry >= GroupColumn ? entry + 1 : entry;
}

void TPlexStringGrid::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder->Count() == 0) {
    SetColumnOrder();
    return;
  }
  const int count = std::min(ColCount(), FColumnOrder->Count());
  bool moved = true;
  while (moved) {
    moved = false;
    for (int i = 0; i < count; ++i) {
      const int entry = FColumnOrder->GetInteger(i);
      if (entry < i && entry >= 0) {
        MoveColumn(i, entry);
        moved = true;
      }
    }
  }
}

void TPlexStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  const int from = DisplayToRealCol(FromIndex);
  const int to = DisplayToRealCol(ToIndex);
  if (from >= 0 && to >= 0 && from < FColumnOrder->Count() && to < FColumnOrder->Count()) {
    const int entry = FColumnOrder->GetInteger(from);
    FColumnOrder->Delete(from);
    FColumnOrder->Insert(to, entry);
  }
  if (EnhRowColMove) {
    // The hidden-column tables keep their entries with the column that moved.
    const int tableSize = int(FHiddenColumns.size());
    if (NumHiddenColumns() > 0 && from >= 0 && to >= 0 && from < tableSize && to < tableSize) {
      const auto move = [&](auto& table) {
        auto value = table[size_t(from)];
        if (from < to)
          std::move(table.begin() + from + 1, table.begin() + to + 1, table.begin() + from);
        else
          std::move_backward(table.begin() + to, table.begin() + from, table.begin() + from + 1);
        table[size_t(to)] = value;
      };
      move(FHiddenColumns);
      move(FHiddenColumnWidths);
    }
    ColMoveFlg = true;
  }
  TBaseGrid::ColumnMoved(FromIndex, ToIndex);
  // A hidden row keeps its cells by real column: they move as the shown rows' cells did.
  if (from >= 0 && to >= 0 && from != to)
    for (int i = 0; i < FHiddenRowStore->Count(); ++i) {
      TStringList& kept = FHiddenRowStore->Items(i).Items;
      while (kept.Count() <= std::max(from, to)) kept.Add(QString());
      kept.Move(from, to);
    }
  // The sort column and the sort indexes name real columns: they follow the move.
  const auto follow = [](int x, int f, int t) {
    if (x == f) return t;
    if (f < t && x > f && x <= t) return x - 1;
    if (f > t && x >= t && x < f) return x + 1;
    return x;
  };
  FSortSettings->Column = follow(FSortSettings->Column, from, to);
  if (FSortSettings->IndexShow)
    for (int i = 0; i < FSortIndexes->Count(); ++i)
      FSortIndexes->SetSortColumns(i, follow(FSortIndexes->GetSortColumns(i), from, to));
  if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  SyncMove(true, FromIndex, ToIndex);
}

int TPlexStringGrid::ColumnByHeader(const QString& AValue) {
  for (int c = 0; c < TotalColCount(); ++c)
    if (AllCells(c, 0) == AValue) return c;
  return -1;
}

// Texts and object slots (the cell properties live there) change places, so
// every property stays with its text and nothing is freed or copied.
void TPlexStringGrid::SwapColumns(int ACol1, int ACol2) {
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0) return;
  const int spare = std::max(ACol1, ACol2);
  if (spare >= StoreColCount()) return;
  for (int r = 0; r < RowCount(); ++r) SwapStoredCells(*this, ACol1, r, ACol2, r);
  const int w1 = ColWidths(ACol1);
  SetColWidths(ACol1, ColWidths(ACol2));
  SetColWidths(ACol2, w1);
  FollowSwap(FSortSettings->Column, ACol1, ACol2);
  for (int i = 0; i < FControlList->Count(); ++i) FollowSwap(FControlList->GetControl(i)->X, ACol1, ACol2);
  PlaceCellControls();
  Invalidate();
}

void TPlexStringGrid::SwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  for (int c = 0; c < StoreColCount(); ++c) SwapStoredCells(*this, c, ARow1, c, ARow2);
  const int h1 = RowHeights(ARow1);
  SetRowHeights(ARow1, RowHeights(ARow2));
  SetRowHeights(ARow2, h1);
  const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
  for (int i = 0; i < FControlList->Count(); ++i) FollowSwap(FControlList->GetControl(i)->Y, real1, real2);
  PlaceCellControls();
  Invalidate();
}

TArrowWindow* TPlexStringGrid::MoveArrow(int Index) const {
  const std::array<TArrowWindow*, 4> arrows{ArwU, ArwD, ArwL, ArwR};
  return Index >= 0 && Index < 4 ? arrows[size_t(Index)] : nullptr;
}

TColor TPlexStringGrid::ArrowColor() const { return ArwU ? ArwU->Color() : FArrowColor; }

void TPlexStringGrid::SetArrowColor(TColor Value) {
  FArrowColor = Value;
  for (TArrowWindow* arrow : {ArwU, ArwD, ArwL, ArwR})
    if (arrow) arrow->SetColor(Value);
}

TStringList* TPlexStringGrid::HiddenRowCells(int Idx) {
  TGridItem* item = FHiddenRowStore->Find(Idx);
  return item ? &item->Items : nullptr;
}
