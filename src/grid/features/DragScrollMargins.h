// How close to each edge, in pixels, a drag starts the grid scrolling.
#pragma once

#include "grid/foundation/GridPersistent.h"

class TDragScrollMargins : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TDragScrollMargins*>(Source)) *this = *s;
  }
  int TopMargin = 50;
  int BottomMargin = 50;
  int LeftMargin = 50;
  int RightMargin = 50;
};
