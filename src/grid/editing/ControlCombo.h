// The combo that serves a COMBO form control inside a cell's text. Created
// hidden with the grid; Enter and Tab as in the form-control edit.
#pragma once

#include "grid/editing/PsgComboBox.h"

class TControlCombo : public TPsgComboBox {
public:
  explicit TControlCombo(TComponent* AOwner) : TPsgComboBox(AOwner) {}

protected:
  void WndProc(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
};
