// The header filter's check list: several values of a column chosen at once.
#pragma once

#include "grid/features/DropList.h"
#include "platform/CheckLst.h"

class TDropCheckList : public TCheckListBox {
public:
  explicit TDropCheckList(TComponent* AOwner);
  // Every toggle of a box, with -1: the list stays open.
  TDropSelectEvent OnSelect;
  // The list closed.
  TNotifyEvent OnCancel;

protected:
  void WndProc(TMessage& Message) override;
  void DoExit() override;
};
