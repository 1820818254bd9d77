// The grid's edit with an ellipsis button, bound to its grid: the button (and
// F4, as in the control itself) asks the grid for the cell's value through
// OnEllipsClick; the numeric types filter what is typed.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PsgEditBtn.h"
#include "grid/foundation/CellProperties.h"

class TGridEditBtn : public TPsgEditBtn, private IEditorKeyHost {
public:
  // The owner is the grid that edits through the edit.
  explicit TGridEditBtn(TComponent* AOwner);
  // The window is made anew for each edit on the system; here nothing is kept in it.
  void ReCreate() {}
  void SideButtonClick(TObject* Sender) override;
  // The grid hides the editor once the button has given the cell its value.
  bool StopEditAfterClick = false;

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DblClick() override;
  void DoExit() override;

private:
  QString EditorText() override { return Text(); }
  void SetEditorText(const QString& Text) override { SetText(Text); }
  void SelectAllText() override { SelectAll(); }
  void CaretToEnd() override { SetSelStart(Text().length()); }
  void RepaintEditor() override { Invalidate(); }
  void TakeBackCellText() override { SetText(FLink.CellCache()); }
  void ShowRefused(WORD Key) override;
  void ShowAccepted(WORD) override { SetText(FLink.NewCellText()); }
  void Paste();
  void LookupCompletion();

  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
  int FCaretAtKeyDown = 0;
  // Off after Backspace or Delete, so the text just shortened is not completed again.
  bool FWorkMode = true;
  TEditorType FTypeAtKeyDown = edEditBtn;
};
