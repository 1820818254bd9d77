// The hidden combo with which the user edits the text of a fixed cell from a
// list. Enter does not end the edit; leaving it does, through the grid's
// validation.
#pragma once

#include "grid/editing/FixedCellEditHost.h"
#include "platform/StdCtrls.h"

class TGridTransCombo : public TComboBox {
public:
  explicit TGridTransCombo(TComponent* AOwner);
  int Col = 0;  // real column
  int Row = 0;
  bool StopEdit();

protected:
  void WndProc(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  void DoExit() override;

private:
  IFixedCellEditHost* FGrid;
};

// The four steps of ending a fixed-cell edit, shared by the edit and the combo.
bool StopFixedCellEdit(TWinControl& Editor, IFixedCellEditHost* Grid, int Col, int Row);
// Posted to an editor whose text was refused while the focus was leaving it.
UINT FixedCellRefocusMessage();
// Handles FixedCellRefocusMessage; true when the message was it.
bool HandleFixedCellRefocus(TWinControl& Editor, const TMessage& Message);
