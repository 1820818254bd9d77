// A list of integers that knows the cell it belongs to and tells its owner
// of every change.
#pragma once

#include "platform/Classes.h"

#include <functional>
#include <vector>

using TIntListChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

class TIntList : public TObject {
public:
  TIntList(int ACol, int ARow) : FCol(ACol), FRow(ARow) {}

  int Count() const { return int(FItems.size()); }
  int Items(int Index) const { return FItems.at(size_t(Index)); }
  void SetItems(int Index, int Value);
  int Add(int Value);
  void Insert(int Index, int Value);
  void Delete(int Index);
  void DeleteValue(int Value);
  bool HasValue(int Value) const;
  int IndexOf(int Value) const;
  void Clear();
  void Assign(const TIntList& Source);
  const std::vector<int>& Values() const { return FItems; }

  TIntListChangeEvent OnChange;

private:
  void Changed() { if (OnChange) OnChange(this, FCol, FRow); }
  int FCol;
  int FRow;
  std::vector<int> FItems;
};
