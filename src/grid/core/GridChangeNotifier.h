// A component told which block of cells changed in every grid it registered
// with. The grid never frees it; a freed notifier leaves the grid's list.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

class TGridChangeNotifier : public TComponent {
public:
  using TComponent::TComponent;
  // Called after the grid's OnCellsChanged, before its footer is recalculated.
  virtual void CellsChanged(const TRect& R) {}
};
