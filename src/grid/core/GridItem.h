// One hidden row: its real row index, its height, the hide level it left at,
// and its cells (texts with their cell objects) as they were when it left.
#pragma once

#include "platform/Classes.h"

class TGridItem : public TObject {
public:
  explicit TGridItem(int AIdx = 0) : Idx(AIdx) {}
  int Idx;
  int Height = 0;
  // 0 for rows hidden one by one; a filter level for rows hidden as a list.
  int Level = 0;
  // One entry per stored column, hidden columns included.
  TStringList Items;
};
