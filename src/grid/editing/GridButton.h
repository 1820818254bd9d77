// The push button the grid shows over a cell whose editor is a button.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/Controls.h"

class TGridButton : public TCustomControl {
public:
  explicit TGridButton(TComponent* AOwner) : TCustomControl(AOwner) {}
};
