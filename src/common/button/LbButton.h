// TLbButton: the push button of every form. It paints itself in one of six
// looks, tracks the mouse for a hot-track colour, shows a pressed state, clicks
// on mouse, Enter, space, its accelerator and the dialog keys, and can close
// its modal form with a modal result.
#pragma once

#include "common/button/LbButtons.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

class TLbButton : public TCustomControl {
public:
  explicit TLbButton(TComponent* AOwner);
  ~TLbButton() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  // Reads lcsCustom always: writing a preset copies its colours and looks.
  TLbColorStyle ColorStyle() const { return lcsCustom; }
  void SetColorStyle(TLbColorStyle v);
  TColor ColorWhenDown() const { return FColorWhenDown; }
  void SetColorWhenDown(TColor v) { FColorWhenDown = v; }
  // Enter clicks a Default button, Escape a Cancel button (see the dialog keys).
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v) { FCancel = v; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);
  // A strip of NumGlyphs cells: normal, disabled, pressed, hot.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& v);
  TColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(TColor v) { FHotTrackColor = v; }
  TFont& HotTrackFont() { return FHotTrackFont; }
  void SetHotTrackFont(const TFont& v) { FHotTrackFont.Assign(v); }
  TLbButtonKind Kind() const { return FKind; }
  void SetKind(TLbButtonKind v);
  TLbButtonLayout Layout() const { return FLayout; }
  void SetLayout(TLbButtonLayout v);
  TColor LightColor() const { return FLightColor; }
  void SetLightColor(TColor v);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult v);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor v);
  // Lets the hot-track colour die away in 8 steps of 30 ms after the mouse leaves.
  bool SlowDecease() const { return FSlowDecease; }
  void SetSlowDecease(bool v);
  TLbButtonStyle Style() const { return FStyle; }
  void SetStyle(TLbButtonStyle v);
  bool UseHotTrackFont() const { return FUseHotTrackFont; }
  void SetUseHotTrackFont(bool v) { FUseHotTrackFont = v; }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);

  // Fired when the mouse leaves an enabled, visible button (OnMouseEnter when it enters).
  TNotifyEvent OnMouseExit;

  // The forms' common look: bsEncarta in the house colours (HouseLook in common/FormKit.h).
  void ApplyHouseLook();

  void SetEnabled(bool v) override;
  // Presses and runs the click: OnClick, then the modal result to the form.
  void Click() override;

  // State, for painting and for tests.
  bool Down() const { return FDown; }
  bool CursorOnButton() const { return FCursorOnButton; }
  int HotTrackStep() const { return FHotTrackStep; }
  bool Fading() const { return FFading; }
  // The see-through looks let the parent show where the face has the key colour.
  bool TransparentWindow() const { return FTransparentWindow; }

protected:
  void WndProc(TMessage& Message) override;
  void Paint() override;
  bool ClicksOnMouseUp() const override { return false; }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void DoClickAction();
  void FadeStep();
  void StopFade();
  void MouseEntered();
  void MouseLeft();
  void KeyPressedDown(WORD key);
  void KeyReleased(WORD key);
  bool DialogChar(QChar ch);
  bool DialogKey(WORD key, TShiftState shift);
  bool HotForPaint() const;
  void SetTransparentWindow(bool v);

  TAlignment FAlignment = taCenter;
  TColor FColorWhenDown = clNone;
  bool FDefault = false;
  bool FCancel = false;
  bool FFlat = false;
  TBitmap FGlyph;
  TColor FHotTrackColor = clNone;
  TFont FHotTrackFont;
  TLbButtonKind FKind = bkCustom;
  TLbButtonLayout FLayout = blGlyphLeft;
  TColor FLightColor = clWhite;
  TModalResult FModalResult = mrNone;
  int FNumGlyphs = 0;
  TColor FShadowColor = clGray;
  bool FSlowDecease = false;
  TLbButtonStyle FStyle = bsNormal;
  bool FUseHotTrackFont = false;
  bool FWordWrap = false;
  bool FTransparentWindow = false;

  bool FDown = false;
  WORD FKeyDown = 0;  // the Enter or space whose press set FDown, 0 for none
  bool FCursorOnButton = false;
  int FHotTrackStep = 0;
  bool FFading = false;
};
