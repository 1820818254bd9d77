// The controls placed in the grid's cells, by column and row. The list owns
// its items, never the controls.
#pragma once

#include "grid/foundation/ControlItem.h"
#include "platform/WindowHandles.h"

#include <memory>
#include <vector>

class TControlList {
public:
  int Count() const { return int(FItems.size()); }
  void AddControl(int X, int Y, TControl* AObject);
  // Position of the first item of that cell; -1 when none.
  int ControlIndex(int X, int Y) const;
  TControlItem* GetControl(int i) const;
  // Whether a windowed control of the list has that window handle.
  bool HasHandle(HWND Handle) const;
  // Frees the item; the control stays.
  void RemoveControl(int i);

private:
  std::vector<std::unique_ptr<TControlItem>> FItems;
};
