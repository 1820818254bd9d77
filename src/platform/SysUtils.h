// Text and number routines of the runtime library the system was designed on:
// the integer conversions, the float conversion with the process decimal
// separator, a safe %d/%s substitution, 1-based string helpers and code pages.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>

// Base of the library's exceptions; the message is what the error dialog shows.
class Exception : public std::exception {
public:
  explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

private:
  QString FMessage;
  std::string FUtf8;
};
class EConvertError : public Exception {
  using Exception::Exception;
};
class EInvalidOperation : public Exception {
  using Exception::Exception;
};
class EListError : public Exception {
  using Exception::Exception;
};
class EOutOfResources : public Exception {
  using Exception::Exception;
};
class EInvalidCast : public Exception {
  using Exception::Exception;
};

// Process-wide locale settings; tests set them directly.
struct TFormatSettings {
  QChar DecimalSeparator = '.';
  QChar ThousandSeparator = ',';
  QChar DateSeparator = '/';
  QChar TimeSeparator = ':';
  QString ShortDateFormat = "dd/mm/yyyy";
  QString LongDateFormat = "dddd, d mmmm yyyy";
  QString ShortTimeFormat = "hh:nn";
  QString LongTimeFormat = "hh:nn:ss";
  QString TimeAMString = "AM";
  QString TimePMString = "PM";
  QString CurrencyString = "$";
};
TFormatSettings& FormatSettings();
// Fills FormatSettings from the user's locale (called once at program start).
void LoadLocaleFormatSettings();

// The common integer conversion: leading blanks skipped, optional sign, decimal
// digits, or hexadecimal after "$", "x" or "0x"; anything else gives the default.
bool TryStrToInt(const QString& s, int& value);
bool TryStrToInt64(const QString& s, int64_t& value);
int StrToIntDef(const QString& s, int def);
int64_t StrToInt64Def(const QString& s, int64_t def);
// Decimal only: leading blanks, an optional sign and decimal digits, nothing else.
bool TryStrToIntDecimal(const QString& s, int& value);
// Strict: raises EConvertError "'<s>' is not a valid integer value".
int StrToInt(const QString& s);
// Lenient prefix: the number that the text begins with (after blanks and a
// sign); the rest is ignored. `code` is 0 when the whole text was a number,
// otherwise the 1-based position of the first character not used.
int64_t ValInt(const QString& s, int& code);

// Float conversion with FormatSettings().DecimalSeparator.
bool TryStrToFloat(const QString& s, double& value);
double StrToFloatDef(const QString& s, double def);
double StrToFloat(const QString& s);  // raises EConvertError
QString FloatToStr(double v);
QString FormatFloat(const QString& format, double v);

QString IntToStr(int64_t v);
QString IntToHex(int64_t v, int digits);

// printf-like substitution of %d, %u, %x, %s, %f, %g, %e, %n.mf and %%.
// A placeholder without a fitting argument stays in the text as written;
// a text argument for %d that is no number also stays as the placeholder.
QString Format(const QString& format, std::initializer_list<QVariant> args);

// 1-based helpers of the original string routines.
int Pos(const QString& sub, const QString& s);
QString Copy(const QString& s, int index, int count);
QString Trim(const QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);
// ASCII case folding (a-z, A-Z only).
QString UpperCase(const QString& s);
QString LowerCase(const QString& s);
int CompareText(const QString& a, const QString& b);
bool SameText(const QString& a, const QString& b);
// The user locale's collation, with and without case: below 0, 0 or above 0.
int AnsiCompareStr(const QString& a, const QString& b);
int AnsiCompareText(const QString& a, const QString& b);
// Locale case folding, one UTF-16 unit for one: the length never changes.
QString AnsiUpperCase(const QString& s);
QString AnsiLowerCase(const QString& s);

// Code pages: ANSI is CP1252, OEM is CP850.
QByteArray UnicodeToAnsi(const QString& s);
QString AnsiToUnicode(const QByteArray& b);
QByteArray UnicodeToOem(const QString& s);
QString OemToUnicode(const QByteArray& b);

// Milliseconds since an arbitrary start, like GetTickCount.
uint32_t GetTickCount();
