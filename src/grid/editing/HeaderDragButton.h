// The header picture that follows the mouse while a column is dragged.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/Controls.h"

class THeaderDragButton : public TCustomControl {
public:
  explicit THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner) {}
  TComponent* Grid = nullptr;
};
