// The hidden edit with which the user edits the text of a fixed cell. Enter
// does not end the edit; leaving it does, through the grid's validation.
#pragma once

#include "grid/editing/FixedCellEditHost.h"
#include "platform/StdCtrls.h"

class TGridTransEdit : public TEdit {
public:
  // The owner is the grid (the host when it is one).
  explicit TGridTransEdit(TComponent* AOwner);
  int Col = 0;  // real column
  int Row = 0;
  // True when the edit ended; false when the text was refused (the editor keeps the focus).
  bool StopEdit();

protected:
  void WndProc(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  void DoExit() override;

private:
  IFixedCellEditHost* FGrid;
};
