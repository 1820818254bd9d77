// The grid's date-and-time picker, bound to its grid: Enter, Tab and Escape
// leave the cell, and so does the focus leaving the picker, which commits
// what was typed.
// Made on first use by the grid's DateAndTimePicker accessor.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PlexDateTimePicker.h"

class TGridDateTimePicker : public TPlexDateTimePicker {
public:
  // The owner is the grid that edits through the picker.
  explicit TGridDateTimePicker(TComponent* AOwner);

protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;

private:
  // The focus went neither to the date part nor to the time part.
  bool FocusLeftPicker() const;
  void CommitOnFocusLoss();
  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
};
