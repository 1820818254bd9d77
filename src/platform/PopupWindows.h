// Windows that float above the others: the style bits the system's code gives
// such a window, its placement on the screen, its shape (window region), and
// a key stroke posted to a control as if typed.
#pragma once

#include "platform/Types.h"

class TControl;
class TRegion;

constexpr DWORD WS_POPUP = 0x80000000u, WS_CHILD = 0x40000000u, WS_VISIBLE = 0x10000000u, WS_DISABLED = 0x08000000u;
constexpr DWORD WS_EX_TOPMOST = 0x00000008u, WS_EX_TRANSPARENT = 0x00000020u, WS_EX_TOOLWINDOW = 0x00000080u,
                WS_EX_LAYERED = 0x00080000u;

// Gives the control's window exactly these styles. WS_POPUP: a frameless
// top-level window placed in screen coordinates, kept above its parent's
// window and never activated by showing; WS_DISABLED: the window takes no
// mouse or keyboard input; WS_EX_TOPMOST: above every other window;
// WS_EX_TOOLWINDOW: not in the task bar; WS_EX_TRANSPARENT: the window
// paints no background of its own, what lies below shows through.
void SetWindowStyles(TControl* Control, DWORD Style, DWORD ExStyle);
// Adds WS_EX_TRANSPARENT to the control's extended style.
void MakeWindowTransparent(TControl* Control);
DWORD GetWindowStyle(const TControl* Control);
DWORD GetWindowExStyle(const TControl* Control);
bool IsPopupWindow(const TControl* Control);

// Places a pop-up window (screen coordinates) or a child (parent coordinates).
void MoveWindow(TControl* Control, int X, int Y, int Width, int Height);
// Shows or hides the window itself, with or without a parent.
void ShowWindow(TControl* Control, bool Show);

// Only the part of the window inside the region shows and takes the mouse;
// null gives the whole window back. The region is in window coordinates.
void SetWindowRgn(TControl* Control, const TRegion* Region, bool Redraw);
bool HasWindowRgn(const TControl* Control);
// The window's region; the whole window when it has none.
TRegion GetWindowRgn(const TControl* Control);

// Queues a key press and release of the virtual key to the control's window,
// delivered as a typed key after the current handler (Tab moves the focus).
void PostKeyStroke(TControl* Control, WORD VirtualKey);
