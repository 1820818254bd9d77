// Scrolling while something is dragged near the grid's edges.
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
