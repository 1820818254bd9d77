#include "grid/foundation/IntList.h"

#include "platform/SysUtils.h"

#include <QStringList>

#include <algorithm>

void TIntList::Changed() {
  if (OnChange) OnChange(this, FCol, FRow);
}

void TIntList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TIntList::Add(int Value) {
  FItems.push_back(Value);
  Changed();
}

void TIntList::Insert(int Index, int Value) {
  CheckIndex(Index, Count());
  FItems.insert(FItems.begin() + Index, Value);
}

void TIntList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TIntList::DeleteValue(int Value) {
  auto it = std::find(FItems.begin(), FItems.end(), Value);
  if (it != FItems.end()) Delete(int(it - FItems.begin()));
}

bool TIntList::HasValue(int Value) const { return std::find(FItems.begin(), FItems.end(), Value) != FItems.end(); }

int TIntList::GetInteger(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[size_t(Index)];
}

void TIntList::SetInteger(int Index, int Value) {
  CheckIndex(Index, Count() - 1);
  FItems[size_t(Index)] = Value;
  Changed();
}

QString TIntList::StrValue() const {
  QStringList parts;
  for (int v : FItems) parts << QString::number(v);
  return parts.join(',');
}

void TIntList::SetStrValue(const QString& Value) {
  TStringList items;
  items.SetCommaText(Value);
  FItems.clear();
  for (int i = 0; i < items.Count(); ++i) Add(StrToInt(items[i]));
}

int TIntList::IndexOf(int Value) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)] == Value) return i;
  return -1;
}
