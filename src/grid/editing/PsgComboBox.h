// The published combo box of the grid's editors and form controls.
#pragma once

#include "grid/editing/PsgCustomCombo.h"

class TPsgComboBox : public TPsgCustomCombo {
public:
  using TPsgCustomCombo::TPsgCustomCombo;
};
