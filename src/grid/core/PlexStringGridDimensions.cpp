// The grid's dimensions: the platform counts with the string grid's rules on
// top: fixed rows and columns that stay when a form asks for them always,
// the footer row that moves with the row count, footers and fixed sizes.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "platform/Property.h"

#include <algorithm>

namespace {
TCustomGrid* SyncedGrid(TSyncGrid& Sync) { return dynamic_cast<TCustomGrid*>(Sync.Grid()); }
}  // namespace

void TPlexStringGrid::SetRowCount(int Value) {
  // A grid emptied down to the fixed rows it keeps always had its selection hidden.
  if (FixedRowAlways && RowCount() == FixedRows() && FSelHidden) UnHideSelection();
  const int oldCount = RowCount();
  // The footer row's texts move with it, so they are taken before a shrink drops them.
  std::vector<QString> footerTexts;
  const bool moveFooter = FFloatingFooter->Visible() && FStoreRowMoves == 0 && !Destroying() && !FDestroying;
  if (moveFooter)
    for (int c = 0; c < ColCount(); ++c) footerTexts.push_back(GetGridCell(c, oldCount - 1));
  TBaseGrid::SetRowCount(Value);
  if (FixedRowAlways && MinFixedRows < RowCount() && TBaseGrid::FixedRows() != MinFixedRows) SetFixedRows(MinFixedRows);
  if (FDestroying) return;
  if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  UpdateVScrollProportional();
  UpdateHScrollProportional();
  ApplyScrollBarAlways(false);
  if (FScrollType != ssNormal) FlatUpdateScrollBars();
  if (moveFooter && RowCount() != oldCount) {
    for (int c = 0; c < int(footerTexts.size()); ++c) {
      SetGridCell(c, RowCount() - 1, footerTexts[size_t(c)]);
      if (oldCount - 1 < RowCount() - 1) SetGridCell(c, oldCount - 1, QString());
    }
    CalcFooter(-1);
  }
}

void TPlexStringGrid::SetColCount(int Value) {
  TBaseGrid::SetColCount(Value);
  if (FixedColAlways && MinFixedCols < ColCount() && TBaseGrid::FixedCols() != MinFixedCols) SetFixedCols(MinFixedCols);
  if (FDestroying) return;
  if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  // The integral height depends on whether a horizontal bar is needed.
  SetBounds(Left(), Top(), Width(), Height());
  UpdateVScrollProportional();
  UpdateHScrollProportional();
  ApplyScrollBarAlways(false);
}

// A form that always wants its fixed rows gets as many as the rows allow now,
// and the number it asked for once there are rows enough.
void TPlexStringGrid::SetFixedRows(int Value) {
  if (FixedRowAlways && Value >= RowCount())
    TBaseGrid::SetFixedRows(RowCount() - 1);
  else
    TBaseGrid::SetFixedRows(Value);
  if (!FLoading) MinFixedRows = Value;
}

void TPlexStringGrid::SetFixedCols(int Value) {
  if (FixedColAlways && Value >= ColCount())
    TBaseGrid::SetFixedCols(ColCount() - 1);
  else
    TBaseGrid::SetFixedCols(Value);
  if (!FLoading) MinFixedCols = Value;
}

int TPlexStringGrid::FixedRows() const {
  const int n = TBaseGrid::FixedRows();
  return n == 0 && FixedRowAlways ? 1 : n;
}

int TPlexStringGrid::FixedCols() const {
  const int n = TBaseGrid::FixedCols();
  return n == 0 && FixedColAlways ? 1 : n;
}

void TPlexStringGrid::SetCol(int Value) {
  TBaseGrid::SetCol(Value);
  // Two grids may follow each other: only a grid that differs is moved.
  TCustomGrid* other = SyncedGrid(*FSyncGrid);
  if (other && FSyncGrid->SelectionColumn && other->Col() != Col() && Col() < other->ColCount()) other->SetCol(Col());
}

void TPlexStringGrid::SetFixedFooters(int Value) {
  SetProperty(FFixedFooters, Value, [this] { Invalidate(); });
}

void TPlexStringGrid::SetFixedRightCols(int Value) {
  SetProperty(FFixedRightCols, Value, [this] { Invalidate(); });
}

void TPlexStringGrid::SetDefaultAlignment(TAlignment Value) {
  SetProperty(DefaultAlignment, Value, [this] { Invalidate(); });
}

void TPlexStringGrid::SetDefaultRowHeight(int Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  FFloatingFooter->Height = Value;
  if (FFloatingFooter->Visible()) FFooterPanel->SetHeight(Value);
}

void TPlexStringGrid::SetFixedColWidth(int Value) {
  if (FLoading || Value == DefaultColWidth()) return;
  FFixedColWidth = Value;
  for (int c = 0; c < FixedCols(); ++c) SetColWidths(c, Value);
}

void TPlexStringGrid::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (FLoading) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int r = 0; r < FixedRows(); ++r) SetRowHeights(r, Value);
}

void TPlexStringGrid::SetWordWrap(bool Value) {
  TBaseGrid::SetWordWrap(Value);
  if (!UpdateInProgress()) Invalidate();
}
