// Sets the process-wide locale separators for one test and restores them after.
#pragma once

#include "platform/SysUtils.h"

class TLocaleScope {
public:
  TLocaleScope(QChar decimal, QChar thousand, QChar date, const QString& shortDateFormat, QChar time = ':')
      : FSaved(FormatSettings()) {
    FormatSettings().DecimalSeparator = decimal;
    FormatSettings().ThousandSeparator = thousand;
    FormatSettings().DateSeparator = date;
    FormatSettings().ShortDateFormat = shortDateFormat;
    FormatSettings().TimeSeparator = time;
  }
  ~TLocaleScope() { FormatSettings() = FSaved; }
  TLocaleScope(const TLocaleScope&) = delete;
  TLocaleScope& operator=(const TLocaleScope&) = delete;

private:
  TFormatSettings FSaved;
};
