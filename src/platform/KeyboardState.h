// The shift keys held now, as a handler outside a key event asks for them.
#pragma once

#include "platform/Types.h"

TShiftState KeyboardShiftState();

// Whether a modifier key is held: VK_SHIFT, VK_CONTROL, VK_MENU (either Alt),
// VK_LMENU (the left Alt) or VK_RMENU (the right Alt, AltGr). Other keys answer false.
bool KeyIsDown(WORD VirtualKey);
