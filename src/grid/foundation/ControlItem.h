// A control placed in a grid cell; the grid owns the control, not the item.
#pragma once

#include "platform/Classes.h"

class TControl;

class TControlItem : public TObject {
public:
  TControlItem(int AX, int AY, TControl* AControl) : X(AX), Y(AY), Control(AControl) {}
  int X;
  int Y;
  TControl* Control;
};
