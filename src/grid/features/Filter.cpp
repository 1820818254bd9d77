#include "grid/features/Filter.h"

#include "grid/core/PlexStringGrid.h"

void TFilter::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TFilter*>(Source);
  if (!s || s == this) return;
  FItems.clear();
  for (const auto& item : s->FItems) {
    auto copy = std::make_unique<TFilterData>();
    copy->Assign(item.get());
    FItems.push_back(std::move(copy));
  }
}

TFilterData& TFilter::Add() {
  TFilterData& item = Insert(Count());
  item.Operation = Count() == 1 ? foNONE : foAND;
  return item;
}

TFilterData& TFilter::Insert(int) {
  FItems.push_back(std::make_unique<TFilterData>());
  return *FItems.back();
}

void TFilter::Delete(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

TFilterData& TFilter::GetColFilter(int Col) {
  for (const auto& item : FItems)
    if (item->Column == Col) return *item;
  TFilterData& item = Add();
  item.Column = int16_t(Col);
  return item;
}

bool TFilter::HasFilter(int Col) const {
  for (const auto& item : FItems)
    if (item->Column == Col) return true;
  return false;
}

void TFilter::RemoveColumnFilter(int Col) {
  for (int i = Count() - 1; i >= 0; --i)
    if (FItems[size_t(i)]->Column == Col) Delete(i);
  FGrid->RepaintCell(Col, 0);
}
