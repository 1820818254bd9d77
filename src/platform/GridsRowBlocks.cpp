// Whole rows and columns of a string grid moved in one step: inserting a
// row near the top of a long grid moves each row record once, instead of
// copying every cell down one row at a time.
//
// Whole rows taken out of the grid and put back in one pass each, so that
// hiding or showing half of a million rows costs one walk over the rows
// instead of one RowCount change per row.
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

void TCustomGrid::ReplaceRowHeights(std::vector<int> Heights) {
  if (Heights.empty()) Heights.push_back(FDefaultRowHeight);
  const int oldRows = RowCount();
  const int count = int(Heights.size());
  if (FEditorMode) HideEdit();
  if (count <= FFixedRows) FFixedRows = count - 1;
  FRowHeights = std::move(Heights);
  SizeChanged(ColCount(), oldRows);
  if (FCurrent.Y >= count) FCurrent.Y = count - 1;
  if (FAnchor.Y >= count) FAnchor.Y = count - 1;
  if (FTopLeft.Y >= count) FTopLeft.Y = std::max(FFixedRows, count - 1);
  RowHeightsChanged();
}

std::vector<TStringGrid::TRowBlock> TStringGrid::TakeRows(const std::vector<int>& Rows) {
  std::vector<TRowBlock> taken;
  if (Rows.empty()) return taken;
  if (EditorMode()) HideEdit();
  const size_t total = FRows.size();
  std::vector<RowStore> kept;
  std::vector<int> keptHeights;
  kept.reserve(total);
  keptHeights.reserve(total);
  taken.reserve(Rows.size());
  size_t next = 0;
  for (size_t r = 0; r < total; ++r) {
    const bool take = next < Rows.size() && size_t(Rows[next]) == r && taken.size() + 1 < total;
    if (next < Rows.size() && size_t(Rows[next]) == r) ++next;
    if (take) {
      taken.push_back(TRowBlock{int(r), RowHeights(int(r)), std::move(FRows[r].Texts), std::move(FRows[r].Objects)});
    } else {
      kept.push_back(std::move(FRows[r]));
      keptHeights.push_back(RowHeights(int(r)));
    }
  }
  FRows = std::move(kept);
  ReplaceRowHeights(std::move(keptHeights));
  return taken;
}

void TStringGrid::PutRows(std::vector<TRowBlock> Blocks) {
  if (Blocks.empty()) return;
  if (EditorMode()) HideEdit();
  const size_t total = FRows.size() + Blocks.size();
  std::vector<RowStore> rows;
  std::vector<int> heights;
  rows.reserve(total);
  heights.reserve(total);
  size_t old = 0, next = 0;
  for (size_t r = 0; r < total; ++r) {
    // A block whose place lies past the end closes the grid in its order.
    if (next < Blocks.size() && (size_t(Blocks[next].Row) <= r || old >= FRows.size())) {
      TRowBlock& b = Blocks[next++];
      rows.push_back(RowStore{std::move(b.Texts), std::move(b.Objects)});
      heights.push_back(b.Height);
    } else {
      rows.push_back(std::move(FRows[old]));
      heights.push_back(RowHeights(int(old)));
      ++old;
    }
  }
  FRows = std::move(rows);
  for (const RowStore& row : FRows) FStoreCols = std::max({FStoreCols, int(row.Texts.size()), int(row.Objects.size())});
  ReplaceRowHeights(std::move(heights));
}
