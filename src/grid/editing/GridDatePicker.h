// The grid's date (or time) picker, bound to its grid: a typed digit that
// completes a field moves on to the next field; Enter, Tab and the paging
// keys validate and leave the cell unless the calendar is open; Escape gives
// the cell back its text.
// Made on first use by the grid's DateTimePicker accessor.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PsgDateTimePicker.h"

class TGridDatePicker : public TPsgDateTimePicker, private IEditorKeyHost {
public:
  // The owner is the grid that edits through the picker.
  explicit TGridDatePicker(TComponent* AOwner);
  void ReCreate() {}
  bool Weeknumbers = false;
  bool ShowToday = true;
  bool ShowTodayCircle = true;
  QString Text() const { return DisplayText(); }
  // After an Escape on a cell text that is no date: the cell keeps its text.
  bool Cancelled() const { return FCancelled; }
  void ResetCancelled() { FCancelled = false; }
  // The field advance after a digit (called when "DTPShiftFocus" arrives).
  virtual void ShiftFocus();

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void DoExit() override;

private:
  QString EditorText() override { return DisplayText(); }
  void SetEditorText(const QString&) override {}
  void TakeBackCellText() override;
  void ShowRefused(WORD) override {}
  void ShowAccepted(WORD) override {}
  void RecordParts();

  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
  bool FCancelled = false;
  bool FDroppedDown = false;
  // The value's parts before the last digit.
  int16_t FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMinute = 0, FSecond = 0, FMSec = 0;
};
