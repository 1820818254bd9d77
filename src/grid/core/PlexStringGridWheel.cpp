// The mouse wheel as the grid's window procedure sees it: one notch moves the
// current row (or the top row) by the wheel line count, which CreateWnd
// resolved from the system setting.
#include "grid/core/PlexStringGrid.h"

#include <algorithm>

void TPlexStringGrid::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEWHEEL) {
    WheelScroll(HiWord(LPARAM(Message.WParam)));
    Message.Result = 1;
    return;
  }
  // placeholder: fuller version comes with hooks and window messages
  static const UINT gridEditDone = RegisterWindowMessage("GridEditDone");
  if (Message.Msg == gridEditDone) {
    DoEditCellDone(int(Message.WParam), int(Message.LParam));
    return;
  }
  // placeholder: fuller version comes with the keyboard
  if (Message.Msg == WM_CHAR && !FEditMode) {
    FStartEditChar = QChar(char16_t(Message.WParam));
    TBaseGrid::WndProc(Message);
    FStartEditChar = QChar();
    return;
  }
  TBaseGrid::WndProc(Message);
}

void TPlexStringGrid::WheelScroll(int Delta) {
  if (Delta == 0 || !EnableWheel || (FixedRowAlways && RowCount() == 1)) return;
  const int n = FMouseActions->WheelIncrement > 0 ? FMouseActions->WheelIncrement : FWheelScrollLines;
  const int lastRow = RowCount() - 1;
  if (FMouseActions->WheelAction() == waScroll) {
    const int top = Delta < 0 ? std::min(TopRow() + n, std::max(FixedRows(), lastRow - VisibleRowCount() + 1))
                              : std::max(FixedRows(), TopRow() - n);
    SetTopRow(top);
  } else {
    const int q = std::clamp(Delta < 0 ? Row() + n : Row() - n, FixedRows(), std::max(FixedRows(), lastRow));
    if (q != Row()) SetRow(q);
  }
  AfterWheelScroll();
}
