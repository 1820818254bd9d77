#include "platform/PopupMenu.h"

// Without items there is nothing to show; the menu tells that it opened.
void TPopupMenu::Popup(int, int) {
  if (OnPopup) OnPopup(this);
}
