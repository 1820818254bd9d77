// The grid's spin editor, bound to its grid: the paging keys step the value
// within its limits, Enter, Tab, Up and Down validate and leave the cell,
// and each step reports itself by the spin's type.
// Made on first use by the grid's SpinEdit accessor.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PsgSpinEdit.h"

class TGridSpin : public TPsgSpinEdit, private IEditorKeyHost {
public:
  // The owner is the grid that edits through the spin.
  explicit TGridSpin(TComponent* AOwner);
  void ReCreate() {}
  void UpButtonClick(TObject* Sender) override;
  void DownButtonClick(TObject* Sender) override;

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void Change() override;
  void DoExit() override;

private:
  QString EditorText() override { return Text(); }
  void SetEditorText(const QString& Text) override { SetText(Text); }
  void SelectAllText() override { SelectAll(); }
  void CaretToEnd() override { SetSelStart(Text().length()); }
  void RepaintEditor() override { Invalidate(); }
  void TakeBackCellText() override;
  void ShowRefused(WORD Key) override;
  // The paging keys; true when Key was one of them.
  bool PageStep(WORD Key);
  void FireSpinClick(bool Up);

  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
};
