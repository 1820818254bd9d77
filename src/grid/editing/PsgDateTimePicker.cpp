#include "grid/editing/PsgDateTimePicker.h"

#include "platform/SysUtils.h"

namespace {
constexpr TPickerLookRules PsgPickerLook{true, clNone, 15, true, false};
}

TPsgDateTimePicker::TPsgDateTimePicker(TComponent* AOwner) : TMetroDateTimePicker(AOwner, PsgPickerLook) {}

QString TPsgDateTimePicker::Version() const { return VersionText(GetVersionNr()); }

QString VersionText(uint32_t VersionNr) {
  return QString("%1.%2.%3.%4")
      .arg(VersionNr >> 24)
      .arg((VersionNr >> 16) & 0xFF)
      .arg((VersionNr >> 8) & 0xFF)
      .arg(VersionNr & 0xFF);
}
