// Balloon tooltips of cells; switching them on or off asks the grid to create
// or remove its balloon window.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

class TBalloonSettings : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TBalloonSettings*>(Source);
    if (!s) return;
    BackgroundColor = s->BackgroundColor;
    TextColor = s->TextColor;
    Transparency = s->Transparency;
    SetEnable(s->FEnable);
  }

  bool Enable() const { return FEnable; }
  void SetEnable(bool Value) {
    if (FEnable == Value) return;
    FEnable = Value;
    if (OnEnableChange) OnEnableChange(this);
  }

  TColor BackgroundColor = clNone;
  TColor TextColor = clNone;
  int Transparency = 0;
  TNotifyEvent OnEnableChange;

private:
  bool FEnable = false;
};
