// The grid's marking of modified rows (published as ShowModified).
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

class TShowModified : public TGridPersistent {
public:
  bool Enabled = false;
  TColor Color() const { return FColor; }
  // Fires OnChange (the grid repaints its first column).
  void SetColor(TColor Value);
  TNotifyEvent OnChange;

  // From a TShowModified only: Color and Enabled, without events.
  void Assign(const TGridPersistent* Source) override;

private:
  TColor FColor = clYellow;
};
