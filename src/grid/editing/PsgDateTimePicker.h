// The grid's date picker: the platform picker with the optional Metro look.
#pragma once

#include "grid/editing/MetroDateTimePicker.h"

#include <cstdint>

class TPsgDateTimePicker : public TMetroDateTimePicker {
public:
  explicit TPsgDateTimePicker(TComponent* AOwner);
  // One byte per part, highest first.
  static constexpr uint32_t GetVersionNr() { return 0x01000000; }
  QString Version() const;
  // Writes are ignored.
  void SetVersion(const QString&) {}
};

// "a.b.c.d" from a version number with one byte per part.
QString VersionText(uint32_t VersionNr);
