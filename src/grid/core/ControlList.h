// The controls placed in cells: column, real row and the control.
#pragma once

#include "platform/Controls.h"

#include <vector>

struct TControlItem {
  int X = 0;
  int Y = 0;
  TControl* Control = nullptr;
};

class TControlList : public TObject {
public:
  int Count() const { return int(FItems.size()); }
  TControlItem& Items(int Index) { return FItems.at(size_t(Index)); }
  void AddControl(int ACol, int ARow, TControl* AControl) { FItems.push_back({ACol, ARow, AControl}); }
  int ControlIndex(int ACol, int ARow) const;
  void RemoveControl(int Index);
  TControl* GetControl(int Index) const { return FItems.at(size_t(Index)).Control; }
  void Clear() { FItems.clear(); }

private:
  std::vector<TControlItem> FItems;
};
