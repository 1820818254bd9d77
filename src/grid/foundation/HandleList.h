// The windows a theme notifier tells of a change, by handle, in the order
// they were registered. No operation raises a notification.
#pragma once

#include "platform/WindowHandles.h"

#include <vector>

class THandleList {
public:
  int Count() const { return int(FItems.size()); }
  void Add(HWND Value) { FItems.push_back(Value); }
  void Insert(int Index, HWND Value);
  void Delete(int Index);
  // Removes the first equal entry; nothing when absent.
  void DeleteValue(HWND Value);
  bool HasValue(HWND Value) const;
  HWND GetInteger(int Index) const;
  void SetInteger(int Index, HWND Value);

private:
  void CheckIndex(int Index, int Limit) const;
  std::vector<HWND> FItems;
};
