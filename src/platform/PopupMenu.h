// The pop-up menu as far as a drop-down button needs it: a component that
// can be told to open at a screen point (OnPopup fires first) and whose
// removal its users hear of. The menu's items come with the full menu unit.
#pragma once

#include "platform/Classes.h"

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
  TNotifyEvent OnPopup;
  // Opens the menu with its top-left corner at the screen point (X, Y).
  virtual void Popup(int X, int Y);
};
