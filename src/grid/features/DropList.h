// The header filter's drop-down list: a list box the grid shows under a filter button.
#pragma once

#include "platform/CheckLst.h"

#include <functional>

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

// Closes when the focus leaves it while the mouse is not over it.
void DropListCancelMode(TWinControl& List, const TNotifyEvent& OnCancel);

class TDropList : public TItemClickListBox {
public:
  explicit TDropList(TComponent* AOwner);
  // Enter or a click on an item: the list hides and reports the item.
  TDropSelectEvent OnSelect;
  // The list closed without a choice.
  TNotifyEvent OnCancel;

protected:
  void KeyPress(QChar& Key) override;
  void WndProc(TMessage& Message) override;
  void DoExit() override;

private:
  void Choose();
};
