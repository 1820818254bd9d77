#include "grid/core/SortIndexList.h"

#include "platform/SysUtils.h"

#include <QStringList>

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  FItems.push_back(uint32_t(ColumnIndex) | (Ascending ? 0u : DescendingFlag));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if (Column(i) == ColumnIndex) return i;
  return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) FItems[size_t(i)] ^= DescendingFlag;
}

QString TSortIndexList::SaveToString() const {
  QStringList parts;
  for (int i = 0; i < Count(); ++i) parts << (Ascending(i) ? "u" : "d") + QString::number(Column(i));
  return parts.join(';');
}

void TSortIndexList::LoadFromString(const QString& Value) {
  Clear();
  for (const QString& part : Value.split(';', Qt::SkipEmptyParts)) {
    int column = 0;
    if (part.size() < 2 || !TryStrToInt(part.mid(1), column)) continue;
    AddIndex(column, part[0] != 'd');
  }
}
