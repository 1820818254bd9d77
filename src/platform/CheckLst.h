// List boxes that report what the user did to an item: a click on it, or a
// toggle of its check box.
#pragma once

#include "platform/StdCtrls.h"

// Reports the release of a mouse click on an item (keyboard moves do not).
class TItemClickListBox : public TListBox {
public:
  explicit TItemClickListBox(TComponent* AOwner);
  TNotifyEvent OnItemClick;
};

// A check box in front of every item.
class TCheckListBox : public TListBox {
public:
  explicit TCheckListBox(TComponent* AOwner);
  bool Checked(int Index) const;
  // Setting a state from code does not fire OnClickCheck.
  void SetChecked(int Index, bool Value);
  // Fires after the user toggled a box (mouse or space bar).
  TNotifyEvent OnClickCheck;

private:
  void MakeItemsCheckable();
  bool FSetting = false;
};
