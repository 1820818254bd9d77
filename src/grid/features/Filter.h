// The grid's filter: an ordered list of conditions, owned by the grid.
#pragma once

#include "grid/features/FilterData.h"

#include <memory>
#include <vector>

class TPlexStringGrid;

class TFilter : public TGridPersistent {
public:
  explicit TFilter(TPlexStringGrid* AGrid) : FGrid(AGrid) {}
  void Assign(const TGridPersistent* Source) override;
  TPlexStringGrid* GetOwner() const { return FGrid; }

  int Count() const { return int(FItems.size()); }
  TFilterData& Items(int Index) { return *FItems.at(size_t(Index)); }
  void SetItems(int Index, const TFilterData& Value) { Items(Index).Assign(&Value); }
  // The first item joins with foNONE, every later one with foAND.
  TFilterData& Add();
  // Appends without touching Operation; the index is not used.
  TFilterData& Insert(int Index);
  void Delete(int Index);
  void Clear() { FItems.clear(); }
  // The column's first item; one is added for the column when none exists.
  TFilterData& ColFilter(int Col) { return GetColFilter(Col); }
  TFilterData& GetColFilter(int Col);
  bool HasFilter(int Col) const;
  void RemoveColumnFilter(int Col);

private:
  TPlexStringGrid* FGrid;
  std::vector<std::unique_ptr<TFilterData>> FItems;
};
