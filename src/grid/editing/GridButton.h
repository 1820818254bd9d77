// The push button the grid shows over a cell whose editor is a button: its
// click asks the grid for the cell's value; Escape and the arrows give the
// keys back to the grid.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/Controls.h"

class TPlexStringGrid;

class TGridButton : public TCustomControl {
public:
  // The owner is the grid that edits through the button.
  explicit TGridButton(TComponent* AOwner);
  void ReCreate() {}

protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void Paint() override;

private:
  void AskGrid();
  void HideButton();
  TPlexStringGrid* FGrid;
};
