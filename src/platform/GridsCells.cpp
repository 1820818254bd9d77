// The string grid's cell store: a text and an object slot per cell, kept by
// row. Rows grow their items on the first write, so an empty grid costs one
// small record per row.
#include "platform/Grids.h"

#include <algorithm>

TStringGrid::TStringGrid(TComponent* AOwner) : TCustomGrid(AOwner) {
  FRows.resize(size_t(RowCount()));
  FStoreCols = ColCount();
}

TStringGrid::~TStringGrid() = default;

bool TStringGrid::InStore(int ACol, int ARow) const {
  return ACol >= 0 && ARow >= 0 && ARow < RowCount() && ACol < StoreColCount();
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value) {
  if (!InStore(ACol, ARow)) return;
  StoreCell(ACol, ARow, Value);
  InvalidateCell(ACol, ARow);
}

void TStringGrid::StoreNewCell(int ACol, int ARow, const QString& Value) {
  if (!InStore(ACol, ARow)) return;
  RowStore& row = FRows[size_t(ARow)];
  if (ACol >= int(row.Texts.size())) {
    if (Value.isEmpty()) return;
    row.Texts.resize(size_t(std::max(ACol + 1, ColCount())));
  }
  row.Texts[size_t(ACol)] = Value;
}

void TStringGrid::SwapStoreRows(int ARow1, int ARow2) {
  const int count = int(FRows.size());
  if (ARow1 < 0 || ARow2 < 0 || ARow1 >= count || ARow2 >= count) return;
  std::swap(FRows[size_t(ARow1)], FRows[size_t(ARow2)]);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
  if (ARow < 0 || ARow >= int(FRows.size()) || ACol < 0) return nullptr;
  const RowStore& row = FRows[size_t(ARow)];
  return ACol < int(row.Objects.size()) ? row.Objects[size_t(ACol)] : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
  if (!InStore(ACol, ARow)) return;
  RowStore& row = FRows[size_t(ARow)];
  if (ACol >= int(row.Objects.size())) {
    if (!Value) return;
    row.Objects.resize(size_t(std::max(ACol + 1, ColCount())), nullptr);
  }
  row.Objects[size_t(ACol)] = Value;
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  // Rows that leave the grid take their texts with them; their objects are the owner's.
  FRows.resize(size_t(RowCount()));
  FStoreCols = std::max(FStoreCols, ColCount());
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  const size_t need = size_t(std::max(FromIndex, ToIndex) + 1);
  for (RowStore& row : FRows) {
    auto move = [&](auto& items) {
      if (items.size() < need) items.resize(need);
      if (FromIndex < ToIndex)
        std::rotate(items.begin() + FromIndex, items.begin() + FromIndex + 1, items.begin() + ToIndex + 1);
      else
        std::rotate(items.begin() + ToIndex, items.begin() + FromIndex, items.begin() + FromIndex + 1);
    };
    if (!row.Texts.empty()) move(row.Texts);
    if (!row.Objects.empty()) move(row.Objects);
  }
  TCustomGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  if (FromIndex < ToIndex)
    std::rotate(FRows.begin() + FromIndex, FRows.begin() + FromIndex + 1, FRows.begin() + ToIndex + 1);
  else
    std::rotate(FRows.begin() + ToIndex, FRows.begin() + FromIndex, FRows.begin() + FromIndex + 1);
  TCustomGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (PaintsDefaultCells()) {
    TCanvas& c = Canvas();
    c.Brush().Style = bsClear;
    c.TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    c.Brush().Style = bsSolid;
  }
  TCustomGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::GetEditText(int ACol, int ARow) {
  QString text = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value) {
  if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}
