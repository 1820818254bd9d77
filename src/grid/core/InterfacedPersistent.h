// An object a caller hands to a cell that draws itself there (ctInterface).
// The grid only asks its size and never frees it.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

class TCanvas;

class TInterfacedPersistent : public TObject {
public:
  // A size of 0 in a dimension takes the cell's size in that dimension.
  virtual int Width() const { return 0; }
  virtual int Height() const { return 0; }
  virtual void Draw(TCanvas& Canvas, const TRect& R, int ACol, int ARow, bool Selected, bool Print) {}
};
