// The rows that left the grid by hiding, ordered by real row index, each real
// index at most once. Displayed and real row numbers differ by the hidden
// rows that lie above; both mappings are binary searches, so loops over many
// rows do not walk the store per row.
#pragma once

#include "grid/core/GridItem.h"

#include <functional>
#include <memory>
#include <vector>

class THiddenRowStore : public TObject {
public:
  using TItemPtr = std::unique_ptr<TGridItem>;

  int Count() const { return int(FItems.size()); }
  TGridItem& Items(int Index) { return *FItems.at(size_t(Index)); }
  const TGridItem& Items(int Index) const { return *FItems.at(size_t(Index)); }
  // The item of the real row, made when the row has none yet.
  TGridItem& Add(int ARealRow);
  // The item of a hidden real row, or null when the row is shown.
  TGridItem* Find(int ARealRow) const;
  bool Contains(int ARealRow) const { return Find(ARealRow) != nullptr; }
  // Hidden rows with a real index below ARealRow.
  int CountBelow(int ARealRow) const;
  int RealToDisplayRow(int ARealRow) const;
  int DisplayToRealRow(int ADisplayRow) const;
  // The same mappings for many rows at once, ascending in and out: one walk
  // over the store instead of a search per row.
  std::vector<int> RealToDisplayRows(const std::vector<int>& RealRows) const;
  std::vector<int> DisplayToRealRows(const std::vector<int>& DisplayRows) const;
  // Merges items in (ascending, none of them stored yet) in one pass.
  void Insert(std::vector<TItemPtr> NewItems);
  // Takes out, in order, every item the predicate picks, in one pass.
  std::vector<TItemPtr> Take(const std::function<bool(const TGridItem&)>& Pick);
  // Every stored real index above ARealRow moves by Delta (rows inserted or
  // removed above them).
  void ShiftAbove(int ARealRow, int Delta);
  // The stored real indexes, ascending.
  std::vector<int> Indexes() const;
  void Clear() { FItems.clear(); }

private:
  std::vector<TItemPtr>::const_iterator LowerBound(int ARealRow) const;
  std::vector<TItemPtr> FItems;
};
