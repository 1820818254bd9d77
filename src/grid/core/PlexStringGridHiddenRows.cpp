// Hidden rows: a row leaves the grid with its cells, cell objects and height
// for the hidden-row store, under its real index, and comes back to the same
// place. Rows move in whole-row blocks, one pass per operation, so hiding or
// showing many rows costs no more than walking them once.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/HiddenRowStore.h"
#include "grid/foundation/IntList.h"

#include <algorithm>

namespace {
using TItems = std::vector<std::unique_ptr<TGridItem>>;
}  // namespace

// RealRows ascending, each shown; they leave as one block each.
void TPlexStringGrid::HideRealRows(const std::vector<int>& RealRows, int Level) {
  if (RealRows.empty()) return;
  HideInplaceEdit();
  const std::vector<int> displayed = FHiddenRowStore->RealToDisplayRows(RealRows);
  const int storeCols = StoreColCount();
  std::vector<TRowBlock> blocks = TakeRows(displayed);
  TItems items;
  items.reserve(blocks.size());
  size_t k = 0;
  for (TRowBlock& block : blocks) {
    while (displayed[k] != block.Row) ++k;  // TakeRows keeps one row when asked for all
    auto item = std::make_unique<TGridItem>(RealRows[k]);
    item->Height = block.Height;
    item->Level = Level;
    const int cols = std::max({storeCols, int(block.Texts.size()), int(block.Objects.size())});
    item->Items.SetCapacity(cols);
    for (int c = 0; c < cols; ++c)
      item->Items.AddObject(size_t(c) < block.Texts.size() ? block.Texts[size_t(c)] : QString(),
                            size_t(c) < block.Objects.size() ? block.Objects[size_t(c)] : nullptr);
    items.push_back(std::move(item));
  }
  FHiddenRowStore->Insert(std::move(items));
  if (CellControlCount() > 0) PlaceCellControls();
  Invalidate();
}

// Items ascending by real index and already out of the store: each row
// returns to the displayed place of its real index among the rows still hidden.
void TPlexStringGrid::ShowItems(std::vector<std::unique_ptr<TGridItem>> Items) {
  if (Items.empty()) return;
  HideInplaceEdit();
  std::vector<int> reals;
  reals.reserve(Items.size());
  for (const auto& item : Items) reals.push_back(item->Idx);
  const std::vector<int> places = FHiddenRowStore->RealToDisplayRows(reals);
  std::vector<TRowBlock> blocks;
  blocks.reserve(Items.size());
  for (size_t i = 0; i < Items.size(); ++i) {
    const auto& item = Items[i];
    TRowBlock block;
    block.Row = places[i];
    block.Height = item->Height;
    // The row comes back as lean as the store keeps rows: cells up to the
    // last text and the last object only (most rows of a long grid have none,
    // and a million rows each with their own empty cells cost memory and time).
    const int n = item->Items.Count();
    int texts = n, objects = n;
    while (texts > 0 && item->Items[texts - 1].isEmpty()) --texts;
    while (objects > 0 && !item->Items.Objects(objects - 1)) --objects;
    block.Texts.reserve(size_t(texts));
    for (int c = 0; c < texts; ++c) block.Texts.push_back(item->Items[c]);
    block.Objects.reserve(size_t(objects));
    for (int c = 0; c < objects; ++c) block.Objects.push_back(item->Items.Objects(c));
    blocks.push_back(std::move(block));
  }
  PutRows(std::move(blocks));
  if (CellControlCount() > 0) PlaceCellControls();
  Invalidate();
}

void TPlexStringGrid::HideRows(int FromRow, int ToRow) {
  std::vector<int> rows;
  const int total = TotalRowCount();
  for (int r = std::max(0, FromRow); r <= ToRow && r < total; ++r)
    if (!FHiddenRowStore->Contains(r)) rows.push_back(r);
  if (rows.empty()) return;
  if (TControl* control = CellControls(1, RealToDisplayRow(rows.front()))) control->SetVisible(false);
  HideRealRows(rows, 0);
}

void TPlexStringGrid::HideRowsEx(int FromRow, int ToRow) {
  if (FHiddenRowStore->Contains(FromRow)) return;
  HideRows(FromRow, ToRow);
}

void TPlexStringGrid::HideRowList(const TIntList& RowList) {
  std::vector<int> rows;
  rows.reserve(size_t(RowList.Count()));
  for (int i = 0; i < RowList.Count(); ++i) {
    const int d = RowList.GetInteger(i);
    if (d < 0 || d >= RowCount() || (!rows.empty() && d <= rows.back())) continue;  // ascending displayed rows only
    rows.push_back(d);
  }
  const int level = FFilterLevel++;
  HideRealRows(FHiddenRowStore->DisplayToRealRows(rows), level);
}

void TPlexStringGrid::UnHideRows(int FromRow, int ToRow) {
  if (!FHiddenRowStore->Contains(FromRow)) return;
  ShowItems(FHiddenRowStore->Take([&](const TGridItem& Item) { return Item.Idx >= FromRow && Item.Idx <= ToRow; }));
  if (TControl* control = CellControls(1, RealToDisplayRow(FromRow))) {
    const TRect r = CellRect(1, RealToDisplayRow(FromRow));
    control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top - 1);
    control->SetVisible(true);
  }
}

void TPlexStringGrid::UnHideRowsAll() {
  if (NumHiddenRows() == 0) return;
  ShowItems(FHiddenRowStore->Take([](const TGridItem&) { return true; }));
}

void TPlexStringGrid::UnHideRowList() {
  if (FFilterLevel < 2) {
    UnHideRowsAll();
    return;
  }
  const int level = FFilterLevel - 1;
  ShowItems(FHiddenRowStore->Take([level](const TGridItem& Item) { return Item.Level == level; }));
}

bool TPlexStringGrid::IsHiddenRow(int ARow, std::unique_ptr<TIntList>& ListHidden) const {
  if (!ListHidden) {
    ListHidden = std::make_unique<TIntList>(-1, -1);
    for (const int r : FHiddenRowStore->Indexes()) ListHidden->Insert(ListHidden->Count(), r);
  }
  // The list is built ascending: a binary search answers.
  int lo = 0, hi = ListHidden->Count();
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (ListHidden->GetInteger(mid) < ARow)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < ListHidden->Count() && ListHidden->GetInteger(lo) == ARow;
}
