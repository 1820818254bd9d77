#include "grid/features/DropCheckList.h"

#include "platform/Messages.h"

TDropCheckList::TDropCheckList(TComponent* AOwner) : TCheckListBox(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetVisible(false);
  OnClickCheck = [this](TObject*) {
    if (OnSelect) OnSelect(this, -1);
  };
}

void TDropCheckList::WndProc(TMessage& Message) {
  if ((Message.Msg == CM_CANCELMODE || Message.Msg == WM_CANCELMODE) && Visible())
    DropListCancelMode(*this, OnCancel);
  TCheckListBox::WndProc(Message);
}

void TDropCheckList::DoExit() {
  TCheckListBox::DoExit();
  if (Visible()) SendMessage(this, CM_CANCELMODE);
}
