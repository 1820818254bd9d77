// How long a drag waits near an edge before the grid scrolls, and between scrolls.
#pragma once

#include "grid/foundation/GridPersistent.h"

class TDragScrollDelays : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TDragScrollDelays*>(Source)) *this = *s;
  }
  int InitialDelay = 1000;
  int RepeatDelay = 250;
};
