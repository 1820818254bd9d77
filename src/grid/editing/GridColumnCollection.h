// The column definitions of a column grid, in column order (real columns:
// hidden ones count). It owns its items; its changes resize the grid unless
// the grid itself is the one changing them.
#pragma once

#include "grid/editing/GridColumnItem.h"

#include <memory>
#include <vector>

class TGridColumnCollection : public TObject {
public:
  // Grid may be null: a collection that only holds values (a stream's items).
  explicit TGridColumnCollection(TPlexColumnGrid* Grid);
  ~TGridColumnCollection() override;
  TGridColumnCollection(const TGridColumnCollection&) = delete;
  TGridColumnCollection& operator=(const TGridColumnCollection&) = delete;

  TPlexColumnGrid* GetOwner() const { return FGrid; }
  int Count() const { return int(FItems.size()); }
  TGridColumnItem* Items(int Index) const;
  TGridColumnItem* operator[](int Index) const { return Items(Index); }
  // Unchecked, for the per-cell paths that checked the index already.
  TGridColumnItem* At(int Index) const { return FItems[size_t(Index)].get(); }
  // Gives the item at Index the values of Value (Assign).
  void SetItems(int Index, const TGridColumnItem& Value);
  int IndexOf(const TGridColumnItem* Item) const;

  // A new item at the end that looks like its left neighbour.
  TGridColumnItem* Add();
  // A new item at the end with the defaults, as streaming and copying add them.
  TGridColumnItem* AddDefault();
  TGridColumnItem* Insert(int Index);
  void Delete(int Index);
  // Moves an item to another index without any notification (a column move).
  void Move(int FromIndex, int ToIndex);
  void Clear();
  // Becomes a copy of Source: cleared, then one item per source item, given its values.
  void Assign(const TGridColumnCollection& Source);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // The change notification of the collection (an item, or null for all of them).
  void Update(TGridColumnItem* Item);

  // Set while the grid changes the definitions itself, so that Update
  // does not resize the grid in the middle of it.
  bool NoRecursiveUpdate = false;

  // Every DefIdx becomes the item's index, after the definitions are brought to the grid's columns.
  void SetOrganization();
  // Moves the grid's columns back so that each stands at its DefIdx.
  void ResetOrganization();

private:
  void ShowWidth(TGridColumnItem* Item, int Width);
  TPlexColumnGrid* FGrid;
  std::vector<std::unique_ptr<TGridColumnItem>> FItems;
  int FUpdateCount = 0;
};
