#include "grid/foundation/NumberDateRoutines.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <array>
#include <charconv>

QChar LocaleTimeSeparator() { return FormatSettings().TimeSeparator; }
QChar LocaleDateSeparator() { return FormatSettings().DateSeparator; }
QChar LocaleThousandSeparator() { return FormatSettings().ThousandSeparator; }
QChar LocaleDecimalSeparator() { return FormatSettings().DecimalSeparator; }
QString LocaleShortDateFormat() { return FormatSettings().ShortDateFormat; }

bool IsNumberChar(QChar c) { return c.isNumber(); }
bool IsDigitOrMinus(QChar c) { return IsNumberChar(c) || c == '-'; }

bool IsLocaleNumberChar(QChar c) {
  return IsNumberChar(c) || c == LocaleThousandSeparator() || c == LocaleDecimalSeparator() || c == 'e' || c == 'E';
}

bool IsLocaleNumberOrSignChar(QChar c) { return IsLocaleNumberChar(c) || c == '+' || c == '-'; }

bool IsPlainNumberChar(QChar c) { return IsNumberChar(c) || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'; }

int LimitValue(int Value, int LowerLimit, int UpperLimit) {
  if (LowerLimit == UpperLimit) return Value;
  if (LowerLimit > 0 && Value < LowerLimit) Value = LowerLimit;
  if (UpperLimit > 0 && Value > UpperLimit) Value = UpperLimit;
  return Value;
}

int IntMax(int A, int B) { return A > B ? A : B; }
int IntMin(int A, int B) { return A < B ? A : B; }

bool CellInGridRect(int Left, int Top, int Right, int Bottom, int ACol, int ARow) {
  return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
}

QString NormalizeNumberText(const QString& Text) {
  if (Text.isEmpty()) return QString();
  QString s = Trim(Text);
  bool negative = s.startsWith('(') && s.endsWith(')');
  int first = 0;
  while (s.size() - first >= 2 && !IsLocaleNumberChar(s[first])) {
    if (s[first] == '-') negative = true;
    ++first;
  }
  const QChar thousand = LocaleThousandSeparator(), decimal = LocaleDecimalSeparator();
  QString r;
  for (int i = first; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == thousand) continue;
    if (c == decimal)
      r += '.';
    else if (IsPlainNumberChar(c))
      r += c;
    else
      break;
  }
  return negative ? "-" + r : r;
}

namespace {

bool IsExponentChar(QChar c) { return c == 'e' || c == 'E'; }

struct TNumberScan {
  bool Integer = true, Float = true, Scientific = true, HasExponent = false;
  int Decimals = 0, Minuses = 0;
  int LastThousand = 0;  // 1-based position of the previous thousand separator, 0 when none
};

void ScanNumberChar(TNumberScan& k, QChar c, int i, int n, QChar thousand, QChar decimal) {
  const bool number = IsNumberChar(c);
  if (!number && c != '-') k.Integer = false;
  if (IsExponentChar(c)) {
    if (k.HasExponent) k.Scientific = false;
    k.HasExponent = true;
  }
  if (i > 1 && c == '-') k.Integer = k.Float = false;
  if (i == 1 && IsExponentChar(c)) k.Scientific = false;
  if (i == n && (IsExponentChar(c) || c == '+' || c == '-')) k.Scientific = false;
  if (!number && c != '-' && c != thousand && c != decimal) k.Float = false;
  if (!IsLocaleNumberOrSignChar(c) || c == thousand) k.Scientific = false;
  if (c == thousand) {
    // Thousand groups hold three digits, so separators closer than that are no grouping.
    if (k.LastThousand > 0 && i - k.LastThousand < 4) k.Float = false;
    k.LastThousand = i;
  }
  if (c == decimal) ++k.Decimals;
  if (c == '-') ++k.Minuses;
}

}  // namespace

int NumericTextKind(const QString& Text) {
  if (Text.isEmpty()) return ntkNotANumber;
  const QChar thousand = LocaleThousandSeparator(), decimal = LocaleDecimalSeparator();
  TNumberScan k;
  const int n = int(Text.size());
  for (int i = 1; i <= n; ++i) ScanNumberChar(k, Text[i - 1], i, n, thousand, decimal);
  if (k.Integer) return ntkInteger;
  int kind = ntkNotANumber;
  if (k.Float && !k.HasExponent) kind = ntkFloat;
  if (k.Scientific && k.HasExponent) {
    kind = ntkScientific;
    // The mantissa and the exponent may each carry a sign.
    if (k.Minuses > 0) --k.Minuses;
  }
  if (k.Minuses > 1 || k.Decimals > 1) return ntkNotANumber;
  return kind;
}

namespace {

// A date or time field: decimal digits only (a hexadecimal prefix makes no
// date), held as a 16-bit unsigned number; anything outside 0..65535 counts as
// above every limit.
bool ReadField(const QString& s, int& value) {
  int v = 0;
  if (!TryStrToIntDecimal(s, v)) return false;
  value = (v < 0 || v > 0xFFFF) ? 0x10000 : v;
  return true;
}

// The roles (0 day, 1 month, 2 year) of the three date fields in text order.
bool DateFieldRoles(std::array<int, 3>& roles) {
  const QString f = UpperCase(LocaleShortDateFormat());
  std::array<std::pair<int, int>, 3> at = {
      {{int(f.indexOf('D')), 0}, {int(f.indexOf('M')), 1}, {int(f.indexOf('Y')), 2}}};
  for (const auto& p : at)
    if (p.first < 0) return false;
  std::sort(at.begin(), at.end());
  for (int i = 0; i < 3; ++i) roles[size_t(i)] = at[size_t(i)].second;
  return true;
}

bool ParseTimePart(const QString& t, TDateTime& time) {
  const QChar sep = LocaleTimeSeparator();
  const int p1 = int(t.indexOf(sep));
  if (p1 < 0) return false;
  int hour = 0, minute = 0, second = 0;
  if (!ReadField(t.left(p1), hour) || hour > 23) return false;
  const int p2 = int(t.indexOf(sep, p1 + 1));
  if (p2 >= 0) {
    if (!ReadField(t.mid(p1 + 1, p2 - p1 - 1), minute) || !ReadField(t.mid(p2 + 1), second) || second > 60)
      return false;
  } else if (!ReadField(t.mid(p1 + 1), minute)) {
    return false;
  }
  if (minute > 59) return false;
  return TryEncodeTime(hour, minute, second, 0, time);
}

}  // namespace

bool ParseDateTimeText(const QString& Text, TDateTime& Value) {
  std::array<int, 3> roles{};
  if (!DateFieldRoles(roles)) return false;
  const QChar sep = LocaleDateSeparator();
  std::array<int, 3> fields{};  // day, month, year
  QString rest = Text;
  for (int i = 0; i < 2; ++i) {
    const int p = int(rest.indexOf(sep));
    if (p < 0 || !ReadField(rest.left(p), fields[size_t(roles[size_t(i)])])) return false;
    rest = rest.mid(p + 1);
  }
  rest = Trim(rest);
  const int blank = int(rest.indexOf(' '));
  const QString timePart = blank >= 0 ? rest.mid(blank) : QString();
  if (!ReadField(blank >= 0 ? rest.left(blank) : rest, fields[size_t(roles[2])])) return false;
  const int day = fields[0], month = fields[1], year = fields[2];
  if (day > 31 || month > 12) return false;
  TDateTime time = 0;
  if (blank >= 0 && !ParseTimePart(timePart, time)) return false;
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) return false;
  Value = date + time;
  return true;
}

namespace {

// The date at midnight, with a day the month lacks moved to the month's last day.
TDateTime EncodeClampedDate(int year, int month, int day) {
  if (year >= 1 && year <= 9999 && month >= 1 && month <= 12) day = std::min(day, DaysInAMonth(year, month));
  return EncodeDate(year, month, day);
}

}  // namespace

TDateTime StepDate(uint16_t Years, uint16_t Months, uint16_t Days, TDateTime Date, double FracStep) {
  const int counts = (Years != 0) + (Months != 0) + (Days != 0);
  if (counts != 1) return Date + FracStep;
  if (Days != 0) return Date + Days;
  int year = 0, month = 0, day = 0;
  DecodeDate(Date, year, month, day);
  if (Years != 0) return EncodeClampedDate(year + int16_t(Years), month, day);
  // Months count from year 0 so that a step wraps the year as often as needed.
  const int total = year * 12 + (month - 1) + int16_t(Months);
  return EncodeClampedDate(total / 12, total % 12 + 1, day);
}

namespace {

enum class TShortDateOrder { MonthFirst, DayFirst };

TDateTime ParseShortDate(const QString& Text, TShortDateOrder order) {
  QChar sep;
  for (QChar c : {QChar('/'), QChar('.'), QChar('-')}) {
    if (Text.contains(c)) {
      sep = c;
      break;
    }
  }
  if (sep.isNull()) return 0;
  const int p1 = int(Text.indexOf(sep));
  const int p2 = int(Text.indexOf(sep, p1 + 1));
  if (p2 < 0) return 0;
  int first = 0, second = 0, year = 0;
  if (!TryStrToIntDecimal(Text.left(p1), first) || !TryStrToIntDecimal(Text.mid(p1 + 1, p2 - p1 - 1), second) ||
      !TryStrToIntDecimal(Text.mid(p2 + 1), year))
    return 0;
  if (year >= 0 && year <= 25)
    year += 2000;
  else if (year >= 26 && year <= 99)
    year += 1900;
  const int month = order == TShortDateOrder::MonthFirst ? first : second;
  const int day = order == TShortDateOrder::MonthFirst ? second : first;
  return EncodeDate(year, month, day);
}

}  // namespace

TDateTime ParseShortDateUS(const QString& Text) { return ParseShortDate(Text, TShortDateOrder::MonthFirst); }
TDateTime ParseShortDateEU(const QString& Text) { return ParseShortDate(Text, TShortDateOrder::DayFirst); }

bool IsDateLikeText(const QString& Text) {
  const QChar sep = LocaleDateSeparator();
  const int p = int(Text.indexOf(sep));
  if (p < 1) return false;
  const int q = int(Text.indexOf(sep, p + 1));
  return q > p + 1;
}

namespace {
bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

bool ReadLeadingNumber(const QString& Text, double& Value) {
  const QChar* s = Text.constData();
  const qsizetype n = Text.size();
  qsizetype i = 0;
  while (i < n && (s[i] == u' ' || s[i] == u'\t')) ++i;
  char buf[128];
  size_t len = 0;
  const auto put = [&](char16_t c) {
    if (len < sizeof(buf) - 1) buf[len++] = char(c);
  };
  if (i < n && (s[i] == u'+' || s[i] == u'-')) {
    if (s[i] == u'-') put(u'-');
    ++i;
  }
  int digits = 0;
  while (i < n && IsAsciiDigit(s[i].unicode())) put(s[i++].unicode()), ++digits;
  if (i < n && s[i] == u'.') {
    qsizetype k = i + 1;
    int fraction = 0;
    while (k < n && IsAsciiDigit(s[k].unicode())) ++k, ++fraction;
    if (digits > 0 || fraction > 0) {
      put(u'.');
      for (qsizetype m = i + 1; m < k; ++m) put(s[m].unicode());
      digits += fraction;
      i = k;
    }
  }
  if (digits == 0) {
    Value = 0;
    return false;
  }
  if (i < n && (s[i] == u'e' || s[i] == u'E')) {
    qsizetype k = i + 1;
    if (k < n && (s[k] == u'+' || s[k] == u'-')) ++k;
    if (k < n && IsAsciiDigit(s[k].unicode())) {
      put(u'e');
      for (qsizetype m = i + 1; m < k; ++m) put(s[m].unicode());
      while (k < n && IsAsciiDigit(s[k].unicode())) put(s[k++].unicode());
      i = k;
    }
  }
  Value = 0;
  std::from_chars(buf, buf + len, Value);
  return i == n;
}
