// The base of the grid's settings objects: they copy one another with Assign,
// which copies fields directly and ignores a source of another class.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

class TGridPersistent : public TObject {
public:
  // Does nothing unless Source is of the receiver's class (or derives from it).
  virtual void Assign(const TGridPersistent* Source) {}
};

// What a settings object keeps of a font until the platform's font class is
// available to the grid: face, size in points, colour and style.
struct TFontDescription {
  QString Name = "Tahoma";
  int Size = 8;
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TFontDescription&) const = default;
};
