// The grid's balloon tooltip settings (published as Balloon).
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

#include <cstdint>

class TBalloonSettings : public TGridPersistent {
public:
  bool Enable() const { return FEnable; }
  // Fires OnEnableChange.
  void SetEnable(bool Value);
  TColor BackgroundColor = clNone;  // clNone keeps the system's
  TColor TextColor = clNone;
  int InitialDelay = -1;  // -1 keeps the system default
  int ReshowDelay = -1;
  int AutoHideDelay = -1;
  uint8_t Transparency = 0;  // above 0: opacity 255 - Transparency
  // The grid's balloon tooltip has been set up.
  bool TooltipReady = false;
  TNotifyEvent OnEnableChange;

  // From a TBalloonSettings only: the colours, the delays and Enable, without events.
  void Assign(const TGridPersistent* Source) override;

private:
  bool FEnable = false;
};
