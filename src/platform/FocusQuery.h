// Which control holds the keyboard focus. While a control handles its focus
// loss (WM_KILLFOCUS) the answer is already the control receiving the focus.
#pragma once

class TWinControl;

// The control whose window has the focus, or null when no control of ours has it.
TWinControl* FindFocusedControl();

// True when the focused control is Container or lies inside it (a popup list
// counts as part of the control that opened it).
bool HasFocusWithin(const TWinControl* Container);
