// The grid's check-box editor, bound to its grid: a click or Space toggles
// it; Enter, Escape, the paging keys and the arrows leave it.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "platform/StdCtrls.h"

class TGridCheckBox : public TCheckBox {
public:
  // The owner is the grid that edits through the check box.
  explicit TGridCheckBox(TComponent* AOwner);
  void ReCreate() {}

protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

private:
  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
};
