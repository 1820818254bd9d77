#include "grid/foundation/PictureCollection.h"

#include <algorithm>

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int Index) {
  const auto at = FItems.begin() + std::clamp(Index, 0, Count());
  return FItems.insert(at, std::make_unique<TPictureItem>())->get();
}

TPictureItem* TPictureCollection::GetItem(int Index) const {
  return Index >= 0 && Index < Count() ? FItems[size_t(Index)].get() : nullptr;
}

void TPictureCollection::SetItem(int Index, const TPictureItem& Value) {
  if (TPictureItem* item = GetItem(Index)) item->Assign(Value);
}

bool TPictureCollection::Animate() {
  bool any = false;
  for (const auto& item : FItems) any = item->Picture().Step() || any;
  return any;
}
