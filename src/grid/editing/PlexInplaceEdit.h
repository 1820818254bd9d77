// The string grid's text editor: filters typed and pasted characters by the
// cell's editor type, keeps the cell's looks, completes from the lookup list,
// lets the caret walk out into the neighbouring cells and hands Enter, Tab,
// Escape and the navigation keys to the grid's validation and navigation.
#pragma once

#include "platform/Grids.h"

class TPlexStringGrid;

class TPlexInplaceEdit : public TInplaceEdit {
public:
  explicit TPlexInplaceEdit(TPlexStringGrid* AGrid);

  // The text length limit; 0 or less means none.
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = Value; }
  bool VAlign() const { return FVAlign; }
  void SetVAlign(bool Value);
  void UpdateContents() override;
  // The displayed column and the row the editor was loaded from.
  int EditCol() const { return FEditCol; }
  int EditRow() const { return FEditRow; }
  // A press on the grid outside the editor is about to take the focus, and
  // that focus move keeps no typed text: the text is stored and checked
  // first. False when the value was refused and the editor stays open.
  bool StoreBeforePress() { return !Focused() || ValidateForKey(false); }

protected:
  void WndProc(TMessage& Message) override;
  void BoundsChanged() override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DblClick() override;

private:
  // Window creation: the styles that follow the editor type and the grid.
  void ApplyStyles();
  void WMChar(TMessage& Message);
  // Step 6 of the character filter; false ends the filter without auto advance.
  bool FilterByType(TMessage& Message, QChar& Ch, TShiftState Shift);
  void InsertTyped(QChar Ch);
  void AutoAdvance();
  void WMKeyDown(TMessage& Message);
  bool ValidateForKey(bool Walk);
  void ShowRefusedText();
  void WMPaste();
  bool PastedTextTaken(const QString& Text) const;
  void WMSetFocus();
  void WMKillFocus();
  void DoChange();
  void WalkOut(int Step);
  // The cell grows with the typed text as the grid's SizeWhileTyping asks.
  void SizeToTypedText();
  void GrowRowForNewLine();

  int FSelStartAtKeyDown = 0;
  int FSelStartAtWMKeyDown = 0;
  // An int: limits above 32,767 stay limits.
  int FLengthLimit = 0;
  bool FVAlign = false;
  bool FGotFocus = false;
  bool FWorkMode = true;
  TPlexStringGrid* FPlexGrid;
  int FEditCol = -1;
  int FEditRow = -1;
  bool FAltBackspace = false;
};
