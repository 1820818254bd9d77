#include "grid/editing/GridTransEdit.h"

#include "grid/editing/GridTransCombo.h"

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TEdit(AOwner), FGrid(dynamic_cast<IFixedCellEditHost*>(AOwner)) {
  SetVisible(false);
}

bool TGridTransEdit::StopEdit() { return StopFixedCellEdit(*this, FGrid, Col, Row); }

void TGridTransEdit::WndProc(TMessage& m) {
  if (!HandleFixedCellRefocus(*this, m)) TEdit::WndProc(m);
}

void TGridTransEdit::KeyPress(QChar& Key) {
  // Swallowed: a single-line edit would beep, and Enter must not end the edit.
  if (Key == QChar(13))
    Key = QChar(0);
  else
    TEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit() {
  TEdit::DoExit();
  if (Visible()) StopEdit();
}
