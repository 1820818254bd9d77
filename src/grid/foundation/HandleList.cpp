#include "grid/foundation/HandleList.h"

#include "platform/SysUtils.h"

#include <algorithm>

void THandleList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void THandleList::Insert(int Index, HWND Value) {
  CheckIndex(Index, Count());
  FItems.insert(FItems.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(HWND Value) {
  auto it = std::find(FItems.begin(), FItems.end(), Value);
  if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(HWND Value) const { return std::find(FItems.begin(), FItems.end(), Value) != FItems.end(); }

HWND THandleList::GetInteger(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[size_t(Index)];
}

void THandleList::SetInteger(int Index, HWND Value) {
  CheckIndex(Index, Count() - 1);
  FItems[size_t(Index)] = Value;
}
