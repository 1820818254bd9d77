// The rows that left the grid by hiding, by real row index. Displayed and real
// row numbers differ by the hidden rows that lie above.
#pragma once

#include "grid/core/GridItem.h"

#include <memory>
#include <vector>

class THiddenRowStore : public TObject {
public:
  int Count() const { return int(FItems.size()); }
  TGridItem& Items(int Index) { return *FItems.at(size_t(Index)); }
  // Keeps the store ordered by real row; the new item is returned.
  TGridItem& Add(int ARealRow);
  // The item of a hidden real row, or null when the row is shown.
  TGridItem* Find(int ARealRow) const;
  int RealToDisplayRow(int ARealRow) const;
  int DisplayToRealRow(int ADisplayRow) const;
  void Clear() { FItems.clear(); }

private:
  std::vector<std::unique_ptr<TGridItem>> FItems;
};
