// Colours of the progress bars in cells.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

class TGridProgressAppearance : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TGridProgressAppearance*>(Source);
    if (!s) return;
    CompletionSmooth = s->CompletionSmooth;
    Stacked = s->Stacked;
    UnCompleteColor = s->UnCompleteColor;
    CompleteColor = s->CompleteColor;
    Changed();
  }

  bool CompletionSmooth = true;
  bool Stacked = false;
  TColor UnCompleteColor = clWhite;
  TColor CompleteColor = clRed;
  TNotifyEvent OnChange;

private:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};
