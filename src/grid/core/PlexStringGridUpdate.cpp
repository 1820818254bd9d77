// Update locking: bulk changes are bracketed so that the grid paints once at
// the end instead of once for every cell they touch.
#include "grid/core/PlexStringGrid.h"

#include "platform/WindowRedraw.h"

// Only a visible grid locks: a hidden one paints nothing anyway, and a lock
// taken there would outlive the change that wanted it.
void TPlexStringGrid::BeginUpdate() {
  if (!Visible()) return;
  ++FUpdateCount;
  SetWindowRedraw(this, false);
}

// An unmatched EndUpdate keeps the count at 0 and still switches drawing on.
void TPlexStringGrid::EndUpdate() {
  if (!Visible()) return;
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount > 0 || FDestroying) return;
  SetWindowRedraw(this, true);
  Invalidate();
}

void TPlexStringGrid::SetLockUpdate(bool Value) {
  if (Value)
    BeginUpdate();
  else
    EndUpdate();
}
