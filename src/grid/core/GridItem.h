// One hidden row: its real row index and the texts (with their objects) it
// held when it left the grid.
#pragma once

#include "platform/Classes.h"

class TGridItem : public TObject {
public:
  explicit TGridItem(int ARealRow) : Index(ARealRow) {}
  int Index;
  TStringList Items;
};
