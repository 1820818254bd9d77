#include "common/tables/TableCells.h"

#include <cstdint>
#include <limits>

namespace {
bool Trimmable(QChar c) { return c.unicode() <= u' '; }

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = -1;
  if (u >= u'0' && u <= u'9')
    v = u - u'0';
  else if (u >= u'a' && u <= u'f')
    v = u - u'a' + 10;
  else if (u >= u'A' && u <= u'F')
    v = u - u'A' + 10;
  return v < base ? v : -1;
}
}  // namespace

QString TableTrim(const QString& Text) {
  qsizetype first = 0, last = Text.size();
  while (first < last && Trimmable(Text[first])) ++first;
  while (last > first && Trimmable(Text[last - 1])) --last;
  return Text.mid(first, last - first);
}

int TableCellInt(const QString& Text) {
  constexpr int NotAnInteger = -1;
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  int base = 10;
  if (i < n && Text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) return NotAnInteger;
  // The magnitude is bounded by the most negative value, checked at every digit.
  constexpr int64_t Limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  int64_t value = 0;
  for (; i < n; ++i) {
    const int digit = DigitValue(Text[i], base);
    if (digit < 0) return NotAnInteger;
    value = value * base + digit;
    if (value > Limit) return NotAnInteger;
  }
  if (negative) return int(-value);
  return value == Limit ? NotAnInteger : int(value);
}

bool TableFlagOn(const QString& Text, const QString& On) { return TableTrim(Text).toUpper() == On; }
