#include "grid/core/HiddenRowStore.h"

#include <algorithm>

std::vector<THiddenRowStore::TItemPtr>::const_iterator THiddenRowStore::LowerBound(int ARealRow) const {
  return std::lower_bound(FItems.begin(), FItems.end(), ARealRow,
                          [](const TItemPtr& Item, int Row) { return Item->Idx < Row; });
}

TGridItem& THiddenRowStore::Add(int ARealRow) {
  const auto at = LowerBound(ARealRow);
  if (at != FItems.end() && (*at)->Idx == ARealRow) return **at;
  return **FItems.insert(at, std::make_unique<TGridItem>(ARealRow));
}

TGridItem* THiddenRowStore::Find(int ARealRow) const {
  const auto at = LowerBound(ARealRow);
  return at != FItems.end() && (*at)->Idx == ARealRow ? at->get() : nullptr;
}

int THiddenRowStore::CountBelow(int ARealRow) const { return int(LowerBound(ARealRow) - FItems.begin()); }

int THiddenRowStore::RealToDisplayRow(int ARealRow) const { return ARealRow - CountBelow(ARealRow); }

// The k-th hidden row (0-based) has Idx - k shown rows above it, a sequence
// that never falls: the shown row d lies below exactly the items with
// Idx - k <= d.
int THiddenRowStore::DisplayToRealRow(int ADisplayRow) const {
  size_t lo = 0, hi = FItems.size();
  while (lo < hi) {
    const size_t mid = (lo + hi) / 2;
    if (FItems[mid]->Idx - int(mid) <= ADisplayRow)
      lo = mid + 1;
    else
      hi = mid;
  }
  return ADisplayRow + int(lo);
}

std::vector<int> THiddenRowStore::RealToDisplayRows(const std::vector<int>& RealRows) const {
  std::vector<int> result;
  result.reserve(RealRows.size());
  size_t k = 0;
  for (const int r : RealRows) {
    while (k < FItems.size() && FItems[k]->Idx < r) ++k;
    result.push_back(r - int(k));
  }
  return result;
}

std::vector<int> THiddenRowStore::DisplayToRealRows(const std::vector<int>& DisplayRows) const {
  std::vector<int> result;
  result.reserve(DisplayRows.size());
  size_t k = 0;
  for (const int d : DisplayRows) {
    while (k < FItems.size() && FItems[k]->Idx - int(k) <= d) ++k;
    result.push_back(d + int(k));
  }
  return result;
}

void THiddenRowStore::Insert(std::vector<TItemPtr> NewItems) {
  if (NewItems.empty()) return;
  const auto byIdx = [](const TItemPtr& A, const TItemPtr& B) { return A->Idx < B->Idx; };
  std::vector<TItemPtr> merged;
  merged.reserve(FItems.size() + NewItems.size());
  std::merge(std::make_move_iterator(FItems.begin()), std::make_move_iterator(FItems.end()),
             std::make_move_iterator(NewItems.begin()), std::make_move_iterator(NewItems.end()),
             std::back_inserter(merged), byIdx);
  FItems = std::move(merged);
}

std::vector<THiddenRowStore::TItemPtr> THiddenRowStore::Take(const std::function<bool(const TGridItem&)>& Pick) {
  std::vector<TItemPtr> taken, kept;
  kept.reserve(FItems.size());
  for (TItemPtr& item : FItems) (Pick(*item) ? taken : kept).push_back(std::move(item));
  FItems = std::move(kept);
  return taken;
}

void THiddenRowStore::ShiftAbove(int ARealRow, int Delta) {
  for (TItemPtr& item : FItems)
    if (item->Idx > ARealRow) item->Idx += Delta;
}

std::vector<int> THiddenRowStore::Indexes() const {
  std::vector<int> result;
  result.reserve(FItems.size());
  for (const TItemPtr& item : FItems) result.push_back(item->Idx);
  return result;
}
