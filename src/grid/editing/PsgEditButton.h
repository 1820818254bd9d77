// The side button control of the edit with button: one speed button filling
// it, a click on the release of the left mouse button, and the colours the
// grid's tones set.
#pragma once

#include "grid/editing/PlexSpeedButton.h"
#include "platform/Controls.h"

class TPsgEditButton : public TWinControl {
public:
  explicit TPsgEditButton(TComponent* AOwner);
  TPlexSpeedButton* Button() const { return FButton; }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  bool Flat() const { return FButton->Flat(); }
  void SetFlat(bool Value) { FButton->SetFlat(Value); }
  void SetGlyph(const TBitmap* Value) { FButton->SetGlyph(Value); }
  void SetButtonCaption(const QString& Value) { FButton->SetCaption(Value); }
  QString ButtonCaption() const { return FButton->Caption(); }
  void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  // Sender: the side button control.
  TNotifyEvent OnClick;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void ButtonMouseUp(TMouseButton Button);
  TPlexSpeedButton* FButton;
  TWinControl* FFocusControl = nullptr;
};
