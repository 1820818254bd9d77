#include "grid/core/IntList.h"

#include <algorithm>

void TIntList::SetItems(int Index, int Value) {
  FItems.at(size_t(Index)) = Value;
  Changed();
}

int TIntList::Add(int Value) {
  FItems.push_back(Value);
  Changed();
  return Count() - 1;
}

void TIntList::Insert(int Index, int Value) {
  FItems.insert(FItems.begin() + std::clamp(Index, 0, Count()), Value);
}

void TIntList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) return;
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TIntList::DeleteValue(int Value) { Delete(IndexOf(Value)); }

bool TIntList::HasValue(int Value) const { return IndexOf(Value) >= 0; }

int TIntList::IndexOf(int Value) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Value);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TIntList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

void TIntList::Assign(const TIntList& Source) {
  FItems = Source.FItems;
  Changed();
}
