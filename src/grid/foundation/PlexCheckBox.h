// The grid library's self-painted check box (the search bar's match-case
// box): three states, themed or classic box, caption with accelerator and
// ellipsis, and a transparent mode that paints the parent's picture under it
// (optionally cached until the bounds change).
#pragma once

#include "platform/Controls.h"
#include "platform/StdCtrls.h"

#include <memory>

class TPlexCheckBox : public TCustomControl {
public:
  explicit TPlexCheckBox(TComponent* AOwner);
  ~TPlexCheckBox() override;

  // Unless ReadOnly: checked <-> unchecked; a grayed box becomes checked.
  virtual void Toggle();

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool Value);
  // Shown pressed; stored only, the next paint shows it.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool ReturnIsTab() const { return FReturnIsTab; }
  void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
  TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
  void SetButtonVertAlign(TTextLayout Value);
  // taLeftJustify: box left, caption right of it; taRightJustify: box right.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // Keep the parent's picture between paints (the name as published).
  bool TransparentChaching = false;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The box rectangles of the two looks, for the current size and alignment.
  TRect ThemedBoxRect() const;
  TRect ClassicBoxRect() const;

  void WndProc(TMessage& Message) override;

protected:
  void Paint() override;
  bool ClicksOnMouseUp() const override { return false; }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;

private:
  bool DialogChar(QChar Key);
  bool Inside(int X, int Y) const { return X >= 0 && X <= Width() && Y >= 0 && Y <= Height(); }
  void PaintBackground();
  void PaintThemedBox();
  void PaintClassicBox();
  void PaintCaption();
  int ThemedState() const;

  bool FDown = false;
  TCheckBoxState FState = cbUnchecked;
  bool FFocused = false;
  bool FReturnIsTab = false;
  TTextLayout FBtnVAlign = tlTop;
  TAlignment FAlignment = taLeftJustify;
  bool FEllipsis = false;
  bool FIsWinXP;
  bool FHot = false;
  bool FReadOnly = false;
  bool FMouseDown = false;
  bool FCaptured = false;
  std::unique_ptr<TBitmap> FBkgBmp;
  bool FBkgCache = false;
  bool FTransparent = false;
};
