// Window handles: the number a window is known by outside its own code (the
// lists of windows a notifier sends to). A handle of a freed window finds
// nothing, so a message sent to it goes nowhere, as with a destroyed window.
#pragma once

#include "platform/Messages.h"

#include <cstdint>

class TControl;

using HWND = uintptr_t;

// The control's handle, given on first asking and kept for its whole life; 0 for none.
HWND WindowHandle(TControl* Control);
// The live control with that handle, or null.
TControl* FindControl(HWND Handle);
// Runs the window's WndProc at once; 0 when no such window lives.
LRESULT SendMessage(HWND Handle, UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
