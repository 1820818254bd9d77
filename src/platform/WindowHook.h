// The call-window-procedure hook: a procedure that sees window messages of
// the GUI thread before their window does. Here it sees the position and size
// changes of every window and control (as WM_WINDOWPOSCHANGED); the window
// still gets the change after the hook, whatever the hook did.
#pragma once

#include "platform/Messages.h"
#include "platform/Types.h"

#include <cstdint>

class TControl;

constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;
using HHOOK = uintptr_t;
using HOOKPROC = LRESULT (*)(int Code, WPARAM WParam, LPARAM LParam);

// What a call-window hook receives, through LParam.
struct TCWPStruct {
  LPARAM lParam = 0;
  WPARAM wParam = 0;
  UINT message = 0;
  // The control whose window moved or changed size; null for a window that
  // belongs to no control.
  TControl* hwnd = nullptr;
};

// Installs a hook for the GUI thread; 0 for a kind other than WH_CALLWNDPROC
// or no procedure. The module and thread are the library's arguments, unused.
HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc, void* Module, DWORD ThreadId);
bool UnhookWindowsHookEx(HHOOK Hook);
// The next hook in the chain; every window message goes on to its window anyway.
LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam);
DWORD GetCurrentThreadId();
// How many hooks are installed (tests).
int InstalledWindowHookCount();
