// Whole rows and columns of a string grid moved in one step: inserting a
// row near the top of a long grid moves each row record once, instead of
// copying every cell down one row at a time.
#include "platform/Grids.h"

#include <algorithm>

void TCustomGrid::RotateRowHeights(int First, int Middle, int Last) {
  if (First < 0 || Middle < First || Last < Middle || Last > RowCount()) return;
  std::rotate(FRowHeights.begin() + First, FRowHeights.begin() + Middle, FRowHeights.begin() + Last);
  RowHeightsChanged();
}

void TStringGrid::InsertStoreRows(int AIndex, int ACount) {
  const int old = RowCount();
  if (ACount <= 0 || AIndex < 0 || AIndex > old) return;
  SetRowCount(old + ACount);
  std::rotate(FRows.begin() + AIndex, FRows.begin() + old, FRows.begin() + old + ACount);
  RotateRowHeights(AIndex, old, old + ACount);
}

void TStringGrid::DeleteStoreRows(int AIndex, int ACount, bool MoveHeights) {
  const int old = RowCount();
  ACount = std::min(ACount, old - AIndex);
  if (ACount <= 0 || AIndex < 0) return;
  std::rotate(FRows.begin() + AIndex, FRows.begin() + AIndex + ACount, FRows.end());
  for (int r = old - ACount; r < old; ++r) {
    FRows[size_t(r)].Objects.clear();
    FRows[size_t(r)].Texts.clear();
  }
  if (MoveHeights) RotateRowHeights(AIndex, AIndex + ACount, old);
  SetRowCount(old - ACount);
}

void TStringGrid::InsertStoreCols(int AIndex, int ACount) {
  if (ACount <= 0 || AIndex < 0) return;
  for (RowStore& row : FRows) {
    if (int(row.Texts.size()) > AIndex) row.Texts.insert(row.Texts.begin() + AIndex, size_t(ACount), QString());
    if (int(row.Objects.size()) > AIndex)
      row.Objects.insert(row.Objects.begin() + AIndex, size_t(ACount), nullptr);
  }
  FStoreCols += ACount;
  Invalidate();
}

void TStringGrid::DeleteStoreCols(int AIndex, int ACount) {
  if (ACount <= 0 || AIndex < 0) return;
  auto cut = [&](auto& items) {
    if (int(items.size()) <= AIndex) return;
    items.erase(items.begin() + AIndex, items.begin() + std::min(int(items.size()), AIndex + ACount));
  };
  for (RowStore& row : FRows) {
    cut(row.Texts);
    cut(row.Objects);
  }
  Invalidate();
}
