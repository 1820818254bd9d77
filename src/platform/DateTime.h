// TDateTime: days since 1899-12-30 as a double, the fraction being the time of day.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>

using TDateTime = double;

constexpr double MSecsPerDay = 86400000.0;
// Raises EConvertError for an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& min, int& sec, int& msec);
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);
int DayOfWeek(TDateTime dt);  // 1 = Sunday ... 7 = Saturday
TDateTime Now();
TDateTime Date();
// Tests fix the clock: while an override is set, Now answers it (and Date and
// Time follow). ClearNowOverride goes back to the system clock.
void SetNowOverride(TDateTime Value);
void ClearNowOverride();
TDateTime Time();
QDateTime DateTimeToQDateTime(TDateTime dt);
TDateTime QDateTimeToDateTime(const QDateTime& dt);
