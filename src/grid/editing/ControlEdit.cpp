#include "grid/editing/ControlEdit.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/ControlCombo.h"

bool CellControlKeyPress(TWinControl* Control, QChar& Key) {
  auto* grid = dynamic_cast<TPlexStringGrid*>(Control->Parent());
  if (!grid || (Key != QChar(13) && Key != QChar(9))) return false;
  const bool tab = Key == QChar(9);
  Key = QChar(0);
  // The exit handling writes the value back into the cell.
  if (Control->OnExit) Control->OnExit(Control);
  if (!tab) {
    if (grid->CanFocus()) grid->SetFocus();
    return true;
  }
  if (grid->Navigation().AdvanceAuto()) {
    if (grid->CanFocus()) grid->SetFocus();
    grid->MoveToNextCell(grid->Col(), grid->Row(), true, false, true, false, true);
  } else {
    grid->EditNextCellControl(grid->Col(), grid->Row(), grid->FCtrlID);
  }
  return true;
}

void TControlEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && (Message.WParam == VK_RETURN || Message.WParam == VK_TAB)) {
    Message.Result = Message.WParam == VK_TAB ? 1 : 0;
    return;
  }
  TMaskEdit::WndProc(Message);
}

void TControlEdit::KeyPress(QChar& Key) {
  if (CellControlKeyPress(this, Key)) return;
  TMaskEdit::KeyPress(Key);
}

void TControlCombo::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_TAB) {
    Message.Result = 1;
    return;
  }
  TPsgComboBox::WndProc(Message);
}

void TControlCombo::KeyPress(QChar& Key) {
  if (CellControlKeyPress(this, Key)) return;
  TPsgComboBox::KeyPress(Key);
}
