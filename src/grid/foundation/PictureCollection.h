// The items of a picture container, in order; the collection owns them.
#pragma once

#include "grid/foundation/PictureItem.h"

#include <memory>
#include <vector>

class TComponent;

class TPictureCollection {
public:
  explicit TPictureCollection(TComponent* Owner) : FOwner(Owner) {}
  TComponent* Owner() const { return FOwner; }
  TPictureItem* Add();
  // A new item at Index (clamped to the list).
  TPictureItem* Insert(int Index);
  int Count() const { return int(FItems.size()); }
  TPictureItem* GetItem(int Index) const;
  void SetItem(int Index, const TPictureItem& Value);
  // One animation tick for every item's picture; true when any changed frame.
  bool Animate();

private:
  TComponent* FOwner;
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};
