#include "platform/DateTimeFormat.h"

#include "platform/SysUtils.h"

#include <QStringList>

#include <cmath>

namespace {

int RunLength(const QString& f, int i) {
  int n = 1;
  while (i + n < f.size() && f[i + n].toLower() == f[i].toLower()) ++n;
  return n;
}

QString Padded(int v, int width) { return QString::number(v).rightJustified(width, '0'); }

const char* const ShortDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const ShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};

// The year of a two-digit text: the one nearest to this year within a century.
int ExpandYear(int y, int digits) {
  if (digits > 2) return y;
  const int now = QDate::currentDate().year();
  int full = now / 100 * 100 + y;
  if (full > now + 50)
    full -= 100;
  else if (full <= now - 50)
    full += 100;
  return full;
}

}  // namespace

QString FormatDateTime(const QString& Format, TDateTime Value) {
  int y, mo, d, h, n, s, ms;
  DecodeDate(Value, y, mo, d);
  DecodeTime(Value, h, n, s, ms);
  const TFormatSettings& fs = FormatSettings();
  QString out;
  bool afterHour = false;  // "m" right after an hour means minutes
  for (int i = 0; i < Format.size();) {
    const QChar c = Format[i];
    const QChar lc = c.toLower();
    if (c == '"' || c == '\'') {
      const int end = int(Format.indexOf(c, i + 1));
      out += Format.mid(i + 1, end < 0 ? -1 : end - i - 1);
      i = end < 0 ? int(Format.size()) : end + 1;
      continue;
    }
    const int run = RunLength(Format, i);
    if (lc == 'd') {
      out += run == 1   ? QString::number(d)
             : run == 2 ? Padded(d, 2)
             : run == 3 ? ShortDays[DayOfWeek(Value) - 1]
                        : LongDays[DayOfWeek(Value) - 1];
    } else if (lc == 'm' && afterHour && run <= 2) {
      out += run == 1 ? QString::number(n) : Padded(n, 2);
    } else if (lc == 'm') {
      out += run == 1   ? QString::number(mo)
             : run == 2 ? Padded(mo, 2)
             : run == 3 ? ShortMonths[mo - 1]
                        : LongMonths[mo - 1];
    } else if (lc == 'y') {
      out += run <= 2 ? Padded(y % 100, 2) : Padded(y, 4);
    } else if (lc == 'h') {
      out += run == 1 ? QString::number(h) : Padded(h, 2);
    } else if (lc == 'n') {
      out += run == 1 ? QString::number(n) : Padded(n, 2);
    } else if (lc == 's') {
      out += run == 1 ? QString::number(s) : Padded(s, 2);
    } else if (lc == 'z') {
      out += run == 1 ? QString::number(ms) : Padded(ms, 3);
    } else if (c == '/') {
      out += fs.DateSeparator;
    } else if (c == ':') {
      out += fs.TimeSeparator;
    } else {
      out += QString(run, c);
    }
    if (lc != ' ' && c != ':') afterHour = lc == 'h';
    i += run;
  }
  return out;
}

QString DateToStr(TDateTime Value) { return FormatDateTime(FormatSettings().ShortDateFormat, Value); }
QString TimeToStr(TDateTime Value) { return FormatDateTime(FormatSettings().LongTimeFormat, Value); }

bool TryStrToDate(const QString& Text, TDateTime& Value) {
  const TFormatSettings& fs = FormatSettings();
  const QStringList parts = Text.trimmed().split(fs.DateSeparator);
  if (parts.size() < 2 || parts.size() > 3) return false;
  int numbers[3] = {0, 0, 0};
  int yearDigits = 4;
  for (int i = 0; i < parts.size(); ++i) {
    bool ok = false;
    numbers[i] = parts[i].trimmed().toInt(&ok);
    if (!ok || parts[i].trimmed().isEmpty()) return false;
  }
  // The order of day, month and year is the short format's.
  const QString order = fs.ShortDateFormat.toUpper();
  const int pd = int(order.indexOf('D')), pm = int(order.indexOf('M')), py = int(order.indexOf('Y'));
  int day, month, year;
  if (parts.size() == 2) {
    year = QDate::currentDate().year();
    day = pd < pm ? numbers[0] : numbers[1];
    month = pd < pm ? numbers[1] : numbers[0];
  } else {
    auto rank = [&](int p) { return int(p > pd) + int(p > pm) + int(p > py); };
    day = numbers[rank(pd)];
    month = numbers[rank(pm)];
    yearDigits = int(parts[rank(py)].trimmed().size());
    year = ExpandYear(numbers[rank(py)], yearDigits);
  }
  return TryEncodeDate(year, month, day, Value);
}

bool TryStrToTime(const QString& Text, TDateTime& Value) {
  const TFormatSettings& fs = FormatSettings();
  QString t = Text.trimmed();
  int pm = -1;
  for (const auto& [suffix, isPm] : {std::pair{fs.TimeAMString, 0}, std::pair{fs.TimePMString, 1}}) {
    if (!suffix.isEmpty() && t.endsWith(suffix, Qt::CaseInsensitive)) {
      t = t.left(t.size() - suffix.size()).trimmed();
      pm = isPm;
    }
  }
  const QStringList parts = t.split(fs.TimeSeparator);
  if (parts.isEmpty() || parts.size() > 3) return false;
  int numbers[3] = {0, 0, 0};
  for (int i = 0; i < parts.size(); ++i) {
    bool ok = false;
    numbers[i] = parts[i].trimmed().toInt(&ok);
    if (!ok) return false;
  }
  int hour = numbers[0];
  if (pm >= 0) {
    if (hour < 1 || hour > 12) return false;
    hour = hour % 12 + (pm ? 12 : 0);
  }
  return TryEncodeTime(hour, numbers[1], numbers[2], 0, Value);
}

namespace {
TDateTime MoveTo(TDateTime Value, int year, int month, int day) {
  const double time = Value - std::trunc(Value);
  day = std::min(day, DaysInAMonth(year, month));
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date)) return Value;
  return date + (date >= 0 ? std::fabs(time) : -std::fabs(time));
}
}  // namespace

TDateTime IncMonth(TDateTime Value, int Months) {
  int y, m, d;
  DecodeDate(Value, y, m, d);
  const int total = y * 12 + (m - 1) + Months;
  return MoveTo(Value, total / 12, total % 12 + 1, d);
}

TDateTime IncYear(TDateTime Value, int Years) {
  int y, m, d;
  DecodeDate(Value, y, m, d);
  return MoveTo(Value, y + Years, m, d);
}
