// The grid's check-box editor.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

class TGridCheckBox : public TCheckBox {
public:
  explicit TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner) {}
};
