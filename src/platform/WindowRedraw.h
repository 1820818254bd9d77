// Switching a window's drawing off and on, as WM_SETREDRAW does: while off,
// nothing the window invalidates is painted; what it invalidated is painted
// again once it is on.
#pragma once

class TControl;

void SetWindowRedraw(TControl* Control, bool Redraw);
bool WindowRedraws(const TControl* Control);
