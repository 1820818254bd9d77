// The grid's sort columns in priority order. An entry holds the column in
// its low 31 bits; the top bit set means descending. Its text form ("u3;d0")
// is what the grid's sort settings store.
#pragma once

#include "grid/foundation/IntList.h"

class TSortIndexList : public TIntList {
public:
  TSortIndexList() : TIntList(0, 0) {}

  void AddIndex(int ColumnIndex, bool Ascending);
  // Position of the first entry for the column, whatever its direction; -1 when none.
  int FindIndex(int ColumnIndex) const;
  int GetSortColumns(int i) const;
  void SetSortColumns(int i, int Value);
  bool GetSortDirections(int i) const;
  void SetSortDirections(int i, bool Ascending);
  // Flips the direction of the column's first entry; nothing when absent.
  void ToggleIndex(int ColumnIndex);

  QString SaveToString() const;
  // Never fails: an unreadable number gives what was read before it.
  void LoadFromString(const QString& s);
};
