// Stateless number and date routines of the grid: the locale's separators,
// number classification and normalisation, date parsing and date stepping.
#pragma once

#include "platform/DateTime.h"

#include <QChar>
#include <QString>

#include <cstdint>

// The process-wide locale conventions, read at every call.
QChar LocaleTimeSeparator();
QChar LocaleDateSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDecimalSeparator();
QString LocaleShortDateFormat();

// Character classes.
bool IsNumberChar(QChar c);  // Unicode digits, letter numbers, other numbers
bool IsDigitOrMinus(QChar c);
bool IsLocaleNumberChar(QChar c);        // number char, thousand or decimal separator, e, E
bool IsLocaleNumberOrSignChar(QChar c);  // the above, + or -
bool IsPlainNumberChar(QChar c);         // number char, '.', '-', 'e', 'E', '+'

// What NumericTextKind answers; callers treat integer, float and scientific as numeric.
constexpr int ntkInteger = 0;
constexpr int ntkFloat = 1;
constexpr int ntkNotANumber = 2;
constexpr int ntkScientific = 5;

// Clamps Value; a limit of 0 or less does not limit, equal limits mean none,
// and when both apply the upper limit wins.
int LimitValue(int Value, int LowerLimit, int UpperLimit);
int IntMax(int A, int B);
int IntMin(int A, int B);
// True when the cell lies inside the grid rectangle, edges included.
bool CellInGridRect(int Left, int Top, int Right, int Bottom, int ACol, int ARow);

// A locale-formatted number ("(1,234.50)", "$ -12", "12 kg") in the plain form
// that the float conversion reads ("-1234.50", "-12", "12").
QString NormalizeNumberText(const QString& Text);
int NumericTextKind(const QString& Text);
// Reads a decimal number ("." decimal point; leading blanks, sign, fraction,
// exponent) from the start of Text. Answers whether the whole text is that
// number; Value is the number read as far as the syntax held, 0 when no digit came first.
bool ReadLeadingNumber(const QString& Text, double& Value);

// Date in the order of the locale's short date format, optionally followed by
// a blank and a time (h:m or h:m:s). Years are taken as written.
bool ParseDateTimeText(const QString& Text, TDateTime& Value);
// Exactly one non-zero count selects a calendar step (a count is a 16-bit
// two's complement step, so 65535 steps one back); otherwise Date + FracStep.
// A day the target month lacks becomes that month's last day; a year outside
// the calendar raises EConvertError.
TDateTime StepDate(uint16_t Years, uint16_t Months, uint16_t Days, TDateTime Date, double FracStep);
// Short dates m/d/y and d/m/y with "/", "." or "-"; two-digit years 0-25 are
// 2000-2025 and 26-99 are 1926-1999. 0 for malformed text; an impossible date
// raises EConvertError.
TDateTime ParseShortDateUS(const QString& Text);
TDateTime ParseShortDateEU(const QString& Text);
// The date separator at position 2 or later and again with a character between.
bool IsDateLikeText(const QString& Text);
