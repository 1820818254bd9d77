// An edit with a push button at its right edge: the button (or F4) asks for
// the cell's own value dialog through OnClickBtn.
#pragma once

#include "grid/editing/PsgEditButton.h"
#include "platform/MaskEdit.h"
#include "platform/PaintOver.h"

#include <memory>

class TPsgEditBtn : public TCustomMaskEdit {
public:
  explicit TPsgEditBtn(TComponent* AOwner);
  ~TPsgEditBtn() override;

  // ---- new virtual operation ----
  virtual void SideButtonClick(TObject* Sender);

  TPsgEditButton* Button() const { return FButton; }
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  QString ButtonCaption() const { return FButton->ButtonCaption(); }
  void SetButtonCaption(const QString& Value) { FButton->SetButtonCaption(Value); }
  void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  bool EditorEnabled = true;
  bool RightAlign() const { return FRightAlign; }
  void SetRightAlign(bool Value);
  bool IsWinXP() const { return FIsWinXP; }
  void SetIsWinXP(bool Value);
  TNotifyEvent OnClickBtn;
  // F + I div 4, F the font's height, I the smaller of F and the system font's.
  int MinEditHeight() const;

protected:
  void WndProc(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void SetEditRect();
  // The width the unit text takes (the unit edit's UnitSpace; none here).
  int FUnitWidth = 0;

private:
  void Relayout();
  TPsgEditButton* FButton = nullptr;
  int FButtonWidth = 0;
  bool FRightAlign = false;
  bool FIsWinXP = false;
};
