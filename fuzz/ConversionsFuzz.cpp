// Number conversions and Format on any text: nothing fails, and a number that
// was read is written back as a text that reads to the same number.
#include "FuzzSupport.h"

#include "common/tables/TableCells.h"
#include "platform/SysUtils.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(fuzz::Bytes(data, size));
  int i = 0;
  if (TryStrToInt(text, i) && StrToInt(IntToStr(i)) != i) std::abort();
  int64_t l = 0;
  if (TryStrToInt64(text, l)) {
    int64_t again = 0;
    if (!TryStrToInt64(IntToStr(l), again) || again != l) std::abort();
  }
  (void)StrToIntDef(text, -1);
  (void)StrToInt64Def(text, -1);
  (void)TryStrToIntDecimal(text, i);
  double d = 0;
  if (TryStrToFloat(text, d) && std::isnan(d)) std::abort();
  (void)TableCellInt(text);
  (void)Format(text, {1, QString("s"), 2.5});
  (void)Format(text, {});
  return 0;
}
