// The grid's combo editor.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

class TGridCombo : public TComboBox {
public:
  explicit TGridCombo(TComponent* AOwner) : TComboBox(AOwner) {}
  bool IsWinXP = false;
  bool IsVista = false;
};
