// The grid's combo editor: the look of the combo box, bound to its grid.
// Created hidden with the grid; the editor life of a cell shows and places it,
// and this class decides what Enter, Escape, Tab, the arrows, the wheel and
// the loss of focus hand back to the grid.
#pragma once

#include "grid/editing/GridEditorLink.h"
#include "grid/editing/PsgComboBox.h"

class TGridCombo : public TPsgComboBox, private IEditorKeyHost {
public:
  // The owner is the grid that edits through the combo.
  explicit TGridCombo(TComponent* AOwner);

  // Fired by Enter before the grid sees it.
  TNotifyEvent OnReturnKey;
  // Widens the dropped list to its items' texts in the grid's font.
  void SizeDropDownWidth();
  // The text the cell is given on commit: after Escape the text the cell had
  // when the edit began, which a list combo may not be able to show.
  QString TakeCommitText();
  // The grid is about to show the combo over a cell; it notes whether a click opens it.
  void NoteOpening();
  // The grid showed an item on an empty cell: it stands until the user picks
  // one or takes it with Enter; leaving otherwise keeps the cell empty.
  void NoteShownNotPicked() { FNotPicked = true; }

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;
  void Select() override;

private:
  // IEditorKeyHost
  QString EditorText() override { return Text(); }
  void SetEditorText(const QString& Text) override { SetText(Text); }
  void SelectAllText() override;
  void CaretToEnd() override;
  void RepaintEditor() override { Invalidate(); }
  void TakeBackCellText() override;
  void ShowRefused(WORD Key) override;
  void ShowAccepted(WORD Key) override;
  void AfterPopupKey(WORD Key) override;

  bool Editable() const { return Style() != csDropDownList; }
  void FireItemChange();
  void WheelStep(int Delta);
  bool CursorWalk(WORD Key, TShiftState Shift);
  void LookupCompletion();

  TPlexStringGrid* FGrid;
  TGridEditorLink FLink;
  bool FWorkMode = true;
  bool FEscaped = false;
  bool FNotPicked = false;
  // Opened by a click on its cell: the focus gain puts the caret under the pointer.
  bool FOpenedByClick = false;
  int FIndexBeforeKey = -1;
  QString FTextBeforeKey;
  TShiftState FLastShift;
};
