#include "platform/DateTime.h"

#include "platform/SysUtils.h"

#include <cmath>
#include <optional>

namespace {
const QDate kEpoch(1899, 12, 30);
}

bool IsLeapYear(int year) { return (year % 4 == 0) && ((year % 100 != 0) || (year % 400 == 0)); }

int DaysInAMonth(int year, int month) {
  static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
  result = double(kEpoch.daysTo(QDate(year, month, day)));
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime r = 0;
  if (!TryEncodeDate(year, month, day, r)) throw EConvertError("Invalid argument to date encode");
  return r;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result) {
  if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999) return false;
  result = (double(hour) * 3600000.0 + double(min) * 60000.0 + double(sec) * 1000.0 + double(msec)) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime r = 0;
  if (!TryEncodeTime(hour, min, sec, msec, r)) throw EConvertError("Invalid argument to time encode");
  return r;
}

void DecodeDate(TDateTime dt, int& year, int& month, int& day) {
  QDate d = kEpoch.addDays(qint64(std::floor(dt)));
  year = d.year();
  month = d.month();
  day = d.day();
}

void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec) {
  double frac = std::fabs(dt - std::trunc(dt));
  int64_t ms = int64_t(std::llround(frac * MSecsPerDay));
  if (ms >= int64_t(MSecsPerDay)) ms = int64_t(MSecsPerDay) - 1;
  hour = int(ms / 3600000);
  min = int(ms / 60000 % 60);
  sec = int(ms / 1000 % 60);
  msec = int(ms % 1000);
}

int DayOfWeek(TDateTime dt) {
  QDate d = kEpoch.addDays(qint64(std::floor(dt)));
  return d.dayOfWeek() % 7 + 1;
}

TDateTime QDateTimeToDateTime(const QDateTime& dt) {
  double days = double(kEpoch.daysTo(dt.date()));
  double t = double(dt.time().msecsSinceStartOfDay()) / MSecsPerDay;
  return days >= 0 ? days + t : days - t;
}

QDateTime DateTimeToQDateTime(TDateTime dt) {
  int y, m, d, h, n, s, ms;
  DecodeDate(dt, y, m, d);
  DecodeTime(dt, h, n, s, ms);
  return QDateTime(QDate(y, m, d), QTime(h, n, s, ms));
}

namespace {
std::optional<TDateTime>& NowOverride() {
  static std::optional<TDateTime> value;
  return value;
}
}  // namespace

void SetNowOverride(TDateTime Value) { NowOverride() = Value; }
void ClearNowOverride() { NowOverride().reset(); }

TDateTime Now() {
  if (NowOverride()) return *NowOverride();
  return QDateTimeToDateTime(QDateTime::currentDateTime());
}
TDateTime Date() { return std::floor(Now()); }
TDateTime Time() { return Now() - std::floor(Now()); }
