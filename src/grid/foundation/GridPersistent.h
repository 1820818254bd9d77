// The base of the grid's settings objects: they copy one another with Assign,
// which copies fields directly and ignores a source of another class.
#pragma once

#include "platform/Classes.h"

class TGridPersistent : public TObject {
public:
  // Does nothing unless Source is of the receiver's class (or derives from it).
  virtual void Assign(const TGridPersistent* Source) {}
};
