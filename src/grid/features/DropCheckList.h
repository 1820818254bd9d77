// The header filter's check list: several values of a column chosen at once.
#pragma once

#include "platform/StdCtrls.h"

class TDropCheckList : public TListBox {
public:
  explicit TDropCheckList(TComponent* AOwner);
  TNotifyEvent OnSelect;
};
