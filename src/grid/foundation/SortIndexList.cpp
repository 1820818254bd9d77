#include "grid/foundation/SortIndexList.h"

#include <QStringList>

namespace {

constexpr unsigned DescendingBit = 0x80000000u;
constexpr unsigned ColumnBits = 0x7FFFFFFFu;

int HexDigit(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// The number a text begins with: blanks, a sign, then decimal digits or
// hexadecimal ones after "$", "x", "X" or "0x"; stops at the first
// character that does not fit, keeping what was read.
int LenientInt(const QString& s) {
  int i = 0;
  const int n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int base = 10;
  if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  unsigned v = 0;
  for (; i < n; ++i) {
    const int d = HexDigit(s[i]);
    if (d < 0 || d >= base) break;
    v = v * unsigned(base) + unsigned(d);
  }
  return negative ? -int(v) : int(v);
}

}  // namespace

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending) {
  Add(Ascending ? ColumnIndex : int(unsigned(ColumnIndex) | DescendingBit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const {
  for (int i = 0; i < Count(); ++i)
    if ((unsigned(FItems[size_t(i)]) & ColumnBits) == unsigned(ColumnIndex)) return i;
  return -1;
}

int TSortIndexList::GetSortColumns(int i) const { return int(unsigned(GetInteger(i)) & ColumnBits); }

void TSortIndexList::SetSortColumns(int i, int Value) {
  SetInteger(i, int((unsigned(GetInteger(i)) & DescendingBit) | (unsigned(Value) & ColumnBits)));
}

bool TSortIndexList::GetSortDirections(int i) const { return (unsigned(GetInteger(i)) & DescendingBit) == 0; }

void TSortIndexList::SetSortDirections(int i, bool Ascending) {
  const unsigned v = unsigned(GetInteger(i));
  SetInteger(i, int(Ascending ? v & ColumnBits : v | DescendingBit));
}

void TSortIndexList::ToggleIndex(int ColumnIndex) {
  const int i = FindIndex(ColumnIndex);
  if (i >= 0) SetInteger(i, int(unsigned(GetInteger(i)) ^ DescendingBit));
}

QString TSortIndexList::SaveToString() const {
  QStringList items;
  for (int v : FItems) items << ((unsigned(v) & DescendingBit) ? "d" : "u") + QString::number(unsigned(v) & 0xFFFFu);
  return items.join(';');
}

void TSortIndexList::LoadFromString(const QString& s) {
  Clear();
  for (const QString& item : s.split(';')) {
    if (item.size() < 2) continue;
    AddIndex(LenientInt(item.mid(1)), item[0] == 'u');
  }
}
