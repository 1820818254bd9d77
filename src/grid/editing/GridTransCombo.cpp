#include "grid/editing/GridTransCombo.h"

bool StopFixedCellEdit(TWinControl& Editor, IFixedCellEditHost* Grid, int Col, int Row) {
  if (!Grid) {
    Editor.SetVisible(false);
    return true;
  }
  QString text = Editor.Text();
  bool valid = true;
  Grid->FixedCellValidate(Col, Row, text, valid);
  if (valid) {
    Grid->FixedCellEditingDone();
    Grid->StoreFixedCellText(Col, Row, text);
    Editor.SetVisible(false);
    return true;
  }
  Grid->FocusFixedCell(Col, Row);
  // The refused text stays in front of the user. While the focus is leaving,
  // it comes back once that change has finished.
  if (Editor.Focused()) return false;
  if (Editor.CanFocus()) Editor.SetFocus();
  PostMessage(&Editor, FixedCellRefocusMessage(), 0, 0);
  return false;
}

UINT FixedCellRefocusMessage() {
  static const UINT message = RegisterWindowMessage("FixedCellRefocus");
  return message;
}

bool HandleFixedCellRefocus(TWinControl& Editor, const TMessage& Message) {
  if (Message.Msg != FixedCellRefocusMessage()) return false;
  if (Editor.Visible() && !Editor.Focused() && Editor.CanFocus()) Editor.SetFocus();
  return true;
}

void TGridTransCombo::WndProc(TMessage& m) {
  if (!HandleFixedCellRefocus(*this, m)) TComboBox::WndProc(m);
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner)
    : TComboBox(AOwner), FGrid(dynamic_cast<IFixedCellEditHost*>(AOwner)) {
  SetVisible(false);
}

bool TGridTransCombo::StopEdit() { return StopFixedCellEdit(*this, FGrid, Col, Row); }

void TGridTransCombo::KeyPress(QChar& Key) {
  if (Key == QChar(13))
    Key = QChar(0);
  else
    TComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit() {
  TComboBox::DoExit();
  if (Visible()) StopEdit();
}
