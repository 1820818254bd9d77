#include "grid/editing/PsgEditButton.h"

TPsgEditButton::TPsgEditButton(TComponent* AOwner) : TWinControl(AOwner) {
  FButton = new TPlexSpeedButton(this);  // owned by the side button control
  FButton->SetParent(this);
  FButton->SetGlyph(nullptr);
  FButton->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int, int) { ButtonMouseUp(b); };
  SetBounds(0, 0, 20, 25);
}

void TPsgEditButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = Value;
  if (Value) FreeNotification(Value);
}

void TPsgEditButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TPsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FButton) FButton->SetBounds(0, 0, Width(), Height());
}

void TPsgEditButton::ButtonMouseUp(TMouseButton Button) {
  if (Button != mbLeft) return;
  if (OnClick) OnClick(this);
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}
