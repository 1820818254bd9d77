#include "grid/core/HiddenRowStore.h"

TGridItem& THiddenRowStore::Add(int ARealRow) {
  auto it = FItems.begin();
  while (it != FItems.end() && (*it)->Index < ARealRow) ++it;
  return **FItems.insert(it, std::make_unique<TGridItem>(ARealRow));
}

TGridItem* THiddenRowStore::Find(int ARealRow) const {
  for (const auto& item : FItems)
    if (item->Index == ARealRow) return item.get();
  return nullptr;
}

int THiddenRowStore::RealToDisplayRow(int ARealRow) const {
  int above = 0;
  for (const auto& item : FItems)
    if (item->Index < ARealRow) ++above;
  return ARealRow - above;
}

int THiddenRowStore::DisplayToRealRow(int ADisplayRow) const {
  int real = ADisplayRow;
  for (const auto& item : FItems)  // ordered, so each hidden row above pushes the row down once
    if (item->Index <= real) ++real;
  return real;
}
