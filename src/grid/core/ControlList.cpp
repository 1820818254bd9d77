#include "grid/core/ControlList.h"

int TControlList::ControlIndex(int ACol, int ARow) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)].X == ACol && FItems[size_t(i)].Y == ARow) return i;
  return -1;
}

void TControlList::RemoveControl(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}
