// Scrolling while something is dragged near the grid's edges.
#pragma once

#include "grid/features/DragScrollDelays.h"
#include "grid/features/DragScrollMargins.h"
#include "grid/foundation/GridPersistent.h"

class TDragScrollOptions : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TDragScrollOptions*>(Source);
    if (!s) return;
    Margins.Assign(&s->Margins);
    Delays.Assign(&s->Delays);
    Active = s->Active;
  }
  bool Active = false;
  TDragScrollDelays Delays;
  TDragScrollMargins Margins;
};
