// Marking of modified rows and cells.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

class TShowModified : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TShowModified*>(Source);
    if (!s) return;
    Enabled = s->Enabled;
    Color = s->Color;
    if (OnChange) OnChange(this);
  }

  bool Enabled = false;
  TColor Color = clNone;
  TNotifyEvent OnChange;
};
