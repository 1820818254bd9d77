// The columns of a multi-column sort: each entry keeps the column in its low
// bits and the descending flag in its top bit.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <cstdint>
#include <vector>

class TSortIndexList : public TObject {
public:
  static constexpr uint32_t DescendingFlag = 0x80000000u;

  int Count() const { return int(FItems.size()); }
  int Column(int Index) const { return int(FItems.at(size_t(Index)) & ~DescendingFlag); }
  bool Ascending(int Index) const { return (FItems.at(size_t(Index)) & DescendingFlag) == 0; }
  void AddIndex(int ColumnIndex, bool Ascending);
  int FindIndex(int ColumnIndex) const;
  void ToggleIndex(int ColumnIndex);
  void Clear() { FItems.clear(); }
  // "u3;d5": per column its direction letter and number, joined by ";".
  QString SaveToString() const;
  void LoadFromString(const QString& Value);

private:
  std::vector<uint32_t> FItems;
};
