// The library's date and time texts with the process format settings:
// formatting by a pattern (d, m, yy, h, n, s, z, the '/' and ':' separators,
// quoted literals), the short date and long time texts, parsing them back,
// and calendar steps that keep the day inside the target month.
#pragma once

#include "platform/DateTime.h"

#include <QString>

QString FormatDateTime(const QString& Format, TDateTime Value);
QString DateToStr(TDateTime Value);  // ShortDateFormat
QString TimeToStr(TDateTime Value);  // LongTimeFormat

// Numbers separated by the date separator in the order of ShortDateFormat;
// two numbers take the current year, a two-digit year the nearest century.
bool TryStrToDate(const QString& Text, TDateTime& Value);
// Hours[:minutes[:seconds]] with the time separator, an optional AM/PM suffix.
bool TryStrToTime(const QString& Text, TDateTime& Value);

// Moves by whole months; a day past the end of the target month becomes its last day.
TDateTime IncMonth(TDateTime Value, int Months);
// Moves by whole years; 29 February in a year without it becomes 28 February.
TDateTime IncYear(TDateTime Value, int Years);
