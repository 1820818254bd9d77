// The grid's edit for a value with a unit, bound to its grid: the value and
// the unit travel to the cell as one text.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PsgUnitEditBtn.h"

class TGridUnitEditBtn : public TPsgUnitEditBtn {
public:
  // The owner is the grid that edits through the edit.
  explicit TGridUnitEditBtn(TComponent* AOwner);
  void ReCreate() {}
  void SideButtonClick(TObject* Sender) override;

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

private:
  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
};
