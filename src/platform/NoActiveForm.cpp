#include "platform/NoActiveForm.h"

#include "platform/PopupWindows.h"

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsNone);
  SetWindowStyles(this, WindowStyle, 0);
}

void TNoActiveForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TForm::WndProc(Message);
  if (Message.Msg == WM_ACTIVATE) Message.Result = 1;
}
