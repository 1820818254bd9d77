// Whole rows taken out of the grid and put back in one pass each, so that
// hiding or showing half of a million rows costs one walk over the rows
// instead of one RowCount change per row.
#include "platform/Grids.h"

#include <algorithm>

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
