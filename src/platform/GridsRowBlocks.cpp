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
  EditRowHeights([&](std::vector<int>& h) { h = std::move(Heights); });
}

void TCustomGrid::EditRowHeights(const std::function<void(std::vector<int>& Heights)>& Edit) {
  const int oldRows = RowCount();
  if (FEditorMode) HideEdit();
  Edit(FRowHeights);
  if (FRowHeights.empty()) FRowHeights.push_back(FDefaultRowHeight);
  const int count = int(FRowHeights.size());
  if (count <= FFixedRows) FFixedRows = count - 1;
  SizeChanged(ColCount(), oldRows);
  if (FCurrent.Y >= count) FCurrent.Y = count - 1;
  if (FAnchor.Y >= count) FAnchor.Y = count - 1;
  if (FTopLeft.Y >= count) FTopLeft.Y = std::max(FFixedRows, count - 1);
  RowHeightsChanged();
}

// Rows and their heights move within their own storage: a long grid neither
// allocates nor touches a second copy of itself (which cost more than the
// moves, in allocation and page faults).
std::vector<TStringGrid::TRowBlock> TStringGrid::TakeRows(const std::vector<int>& Rows) {
  std::vector<TRowBlock> taken;
  if (Rows.empty()) return taken;
  if (EditorMode()) HideEdit();
  const size_t total = FRows.size();
  taken.reserve(std::min(Rows.size(), total));
  EditRowHeights([&](std::vector<int>& heights) {
    size_t next = 0, kept = 0;
    for (size_t r = 0; r < total; ++r) {
      const bool listed = next < Rows.size() && size_t(Rows[next]) == r;
      if (listed) ++next;
      const int height = r < heights.size() ? heights[r] : DefaultRowHeight();
      if (listed && taken.size() + 1 < total) {
        taken.push_back(TRowBlock{int(r), height, std::move(FRows[r].Texts), std::move(FRows[r].Objects)});
        continue;
      }
      if (kept != r) FRows[kept] = std::move(FRows[r]);
      if (kept < heights.size()) heights[kept] = height;
      ++kept;
    }
    FRows.resize(kept);
    heights.resize(kept, DefaultRowHeight());
  });
  return taken;
}

void TStringGrid::PutRows(std::vector<TRowBlock> Blocks) {
  if (Blocks.empty()) return;
  if (EditorMode()) HideEdit();
  const size_t oldCount = FRows.size(), total = oldCount + Blocks.size();
  // Where each block lands, as a merge from the top would place it: at its
  // Row, or right after the block before it; a block whose place lies past
  // the end closes the grid in its order.
  std::vector<size_t> at(Blocks.size());
  size_t oldBefore = 0;  // old rows placed before the current block
  for (size_t k = 0; k < Blocks.size(); ++k) {
    const size_t earliest = k + oldBefore;
    const size_t wanted = std::max(earliest, size_t(std::max(Blocks[k].Row, 0)));
    oldBefore = std::min(oldCount, wanted - k);
    at[k] = k + oldBefore;
  }
  for (const TRowBlock& b : Blocks)
    FStoreCols = std::max({FStoreCols, int(b.Texts.size()), int(b.Objects.size())});
  EditRowHeights([&](std::vector<int>& heights) {
    heights.resize(oldCount, DefaultRowHeight());
    FRows.resize(total);
    heights.resize(total);
    // From the bottom up, so that every row moves once and over nothing unread.
    size_t dst = total, src = oldCount;
    for (size_t k = Blocks.size(); k-- > 0;) {
      while (dst > at[k] + 1) {
        --dst;
        --src;
        FRows[dst] = std::move(FRows[src]);
        heights[dst] = heights[src];
      }
      --dst;
      FRows[dst] = RowStore{std::move(Blocks[k].Texts), std::move(Blocks[k].Objects)};
      heights[dst] = Blocks[k].Height;
    }
  });
}
