// The edit that serves a form control inside a cell's text (EDIT, PASSWORD
// and MASK). Created hidden with the grid; Enter writes the value back and
// returns to the grid, Tab goes on to the next control of the cell or, with
// automatic advance, to the next cell.
#pragma once

#include "platform/MaskEdit.h"

class TControlEdit : public TMaskEdit {
public:
  explicit TControlEdit(TComponent* AOwner) : TMaskEdit(AOwner) {}

protected:
  void WndProc(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
};

class TWinControl;
// The key handling both form-control editors share: true when it took the key.
bool CellControlKeyPress(TWinControl* Control, QChar& Key);
