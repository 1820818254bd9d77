// The header filter's drop-down list: a list box the grid shows under a filter button.
#pragma once

#include "platform/StdCtrls.h"

class TDropList : public TListBox {
public:
  explicit TDropList(TComponent* AOwner);
  TNotifyEvent OnSelect;
};
