// The date picker in its grid.
#include "grid/editing/GridDatePicker.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/CustomDateTimePicker.h"
#include "platform/DateTimeFormat.h"
#include "platform/Graphics.h"
#include "platform/PaintOver.h"

TGridDatePicker::TGridDatePicker(TComponent* AOwner)
    : TPsgDateTimePicker(AOwner),
      IEditorKeyHost(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FLink(FGrid) {}

void TGridDatePicker::RecordParts() {
  int y, m, d, h, n, s, ms;
  DecodeDate(DateTime(), y, m, d);
  DecodeTime(DateTime(), h, n, s, ms);
  FYear = int16_t(y), FMonth = int16_t(m), FDay = int16_t(d);
  FHour = int16_t(h), FMinute = int16_t(n), FSecond = int16_t(s), FMSec = int16_t(ms);
}

void TGridDatePicker::KeyPress(QChar& Key) {
  const bool digit = Key >= QChar('0') && Key <= QChar('9');
  if (digit) RecordParts();
  TPsgDateTimePicker::KeyPress(Key);
  if (digit) PostMessage(this, DTPShiftFocusMessage(), 0, 0);
  if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(FGrid, Key);
}

void TGridDatePicker::ShiftFocus() {
  int y, m, d, h, n, s, ms;
  DecodeDate(DateTime(), y, m, d);
  DecodeTime(DateTime(), h, n, s, ms);
  bool right = false;
  if (Kind() == dtkTime) {
    right = h != FHour || n != FMinute || s != FSecond;
  } else if (!Format().isEmpty()) {
    const QChar last = Format().back().toLower();
    const bool dayChanged = d != FDay, monthChanged = m != FMonth, yearChanged = y != FYear;
    const bool lastFieldTyped =
        (dayChanged && last == 'd') || (monthChanged && last == 'm') || (yearChanged && last == 'y');
    right = !lastFieldTyped && (dayChanged || monthChanged || yearChanged);
  } else {
    right = d != FDay || m != FMonth;
  }
  if (right) PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}

void TGridDatePicker::WndProc(TMessage& Message) {
  if (Message.Msg == DTPShiftFocusMessage()) {
    ShiftFocus();
    return;
  }
  if (Message.Msg == WM_NCPAINT) {
    TPsgDateTimePicker::WndProc(Message);
    // The cell's edge shows no border: two frames in the window colour cover it.
    if (TCanvas* canvas = PaintOverCanvas(Message.WParam)) {
      canvas->Brush().Color = clWindow;
      canvas->FrameRect(TRect(0, 0, Width(), Height()));
      canvas->FrameRect(TRect(1, 1, Width() - 1, Height() - 1));
    }
    return;
  }
  if (Message.Msg == CN_NOTIFY && Message.LParam) {
    const auto* info = reinterpret_cast<const TNMDateTime*>(Message.LParam);
    if (info->Code == DTN_DROPDOWN) FDroppedDown = true;
    if (info->Code == DTN_CLOSEUP) FDroppedDown = false;
  }
  TPsgDateTimePicker::WndProc(Message);
}

// Escape: a cell text that reads as a date or time goes back into the picker;
// one that does not leaves the cell as it was, with nothing written.
void TGridDatePicker::TakeBackCellText() {
  const QString cell = FGrid->GetCurrentCell();
  TDateTime value = 0;
  const bool parsed = Kind() == dtkTime ? TryStrToTime(cell, value) : TryStrToDate(cell, value);
  if (parsed)
    SetDateTime(value);
  else
    FCancelled = true;
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FGrid || !HandledKeys::DatePicker.Contains(Key)) {
    TPsgDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_ESCAPE) {
    FLink.CommonKeyDown(*this, Key, Shift, HandledKeys::DatePicker);
    return;
  }
  const bool calendarOpen = FDroppedDown || DroppedDown();
  // The field being typed is closed first, so its digits count.
  if (Key == VK_RETURN) {
    SendMessage(this, WM_KEYDOWN, VK_RIGHT);
    SendMessage(this, WM_KEYUP, VK_RIGHT);
  }
  const bool tabValidates = Key == VK_TAB && FGrid->ValidatesOnTab();
  if (Key == VK_RETURN || tabValidates) {
    if (!FLink.ValidateText(DisplayText())) {
      if (Key == VK_RETURN) FGrid->NoAutoAdvance = true;
      Invalidate();
      Key = 0;
      return;
    }
    if (tabValidates && FGrid->Options().Contains(goTabs)) {
      FLink.HideAndFocusGrid();
      FLink.NavigateFromEditor(Shift.Contains(ssShift));
      Key = 0;
      return;
    }
    if (tabValidates) PostMessage(FGrid, WM_KEYDOWN, VK_TAB, 0);
  }
  // An open calendar keeps the editor.
  if (!calendarOpen) FLink.DoneAndMaybeReopen(Key, Shift, false);
  Key = 0;
}

void TGridDatePicker::DoExit() {
  if (FGrid) FGrid->HideInplaceEdit();
  TPsgDateTimePicker::DoExit();
}
