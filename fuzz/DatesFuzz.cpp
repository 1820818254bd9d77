// Date and time parsers on any text: nothing fails, and a date that was read
// is a real day.
#include "FuzzSupport.h"

#include "grid/foundation/NumberDateRoutines.h"
#include "platform/DateTimeFormat.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(fuzz::Bytes(data, size));
  TDateTime value = 0;
  if (TryStrToDate(text, value) && !std::isfinite(double(value))) std::abort();
  if (TryStrToTime(text, value) && !std::isfinite(double(value))) std::abort();
  if (ParseDateTimeText(text, value) && !std::isfinite(double(value))) std::abort();
  return 0;
}
