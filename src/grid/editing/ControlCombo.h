// The combo that serves a form control inside a cell's text.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

class TControlCombo : public TComboBox {
public:
  explicit TControlCombo(TComponent* AOwner) : TComboBox(AOwner) {}
};
