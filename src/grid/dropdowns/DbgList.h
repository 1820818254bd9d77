// The checked list that holds a bar's button controls: a read or write at an
// index outside the list raises a list error instead of touching memory.
#pragma once

#include "platform/SysUtils.h"

#include <vector>

template <class T>
class TDbgList {
public:
  int Count() const { return int(FItems.size()); }
  void Add(T* Item) { FItems.push_back(Item); }
  void Clear() { FItems.clear(); }
  void Delete(int Index) {
    Check(Index, "Index out of bounds in list write access");
    FItems.erase(FItems.begin() + Index);
  }
  T* ItemsEx(int Index) const {
    Check(Index, "Index out of bounds in list read access");
    return FItems[size_t(Index)];
  }
  void SetItemsEx(int Index, T* Item) {
    Check(Index, "Index out of bounds in list write access");
    FItems[size_t(Index)] = Item;
  }
  void AssignList(const TDbgList& ListA) {
    if (&ListA != this) FItems = ListA.FItems;
  }

private:
  // A negative index is as far outside the list as one at or past Count.
  void Check(int Index, const char* Message) const {
    if (Index < 0 || Index >= Count()) throw EListError(QString::fromLatin1(Message));
  }
  std::vector<T*> FItems;
};
