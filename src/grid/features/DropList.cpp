#include "grid/features/DropList.h"

#include "platform/FindControl.h"
#include "platform/Messages.h"

// The class library sends cancel mode when the focus moves elsewhere; a list
// the mouse still lies over keeps its state (the click that moved the focus
// was on the list itself).
void DropListCancelMode(TWinControl& List, const TNotifyEvent& OnCancel) {
  const TPoint p = List.ScreenToClient(CursorPos());
  if (p.X >= 0 && p.Y >= 0 && p.X < List.ClientWidth() && p.Y < List.ClientHeight()) return;
  List.Hide();
  if (OnCancel) OnCancel(&List);
}

TDropList::TDropList(TComponent* AOwner) : TItemClickListBox(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetVisible(false);
  OnItemClick = [this](TObject*) { Choose(); };
}

void TDropList::Choose() {
  if (!Visible()) return;
  Hide();
  if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyPress(QChar& Key) {
  TItemClickListBox::KeyPress(Key);
  if (Key == QChar(13)) {
    Key = QChar(0);
    Choose();
  }
}

void TDropList::WndProc(TMessage& Message) {
  if ((Message.Msg == CM_CANCELMODE || Message.Msg == WM_CANCELMODE) && Visible())
    DropListCancelMode(*this, OnCancel);
  TItemClickListBox::WndProc(Message);
}

void TDropList::DoExit() {
  TItemClickListBox::DoExit();
  if (Visible()) SendMessage(this, CM_CANCELMODE);
}
