// What the system's code asks of the machine it runs on: the common-controls
// version, the system version, metrics, the held mouse buttons and the beep.
// This stand-in answers as a current system with the version-6 common
// controls; visual styles are the theme services' affair (inactive here).
#pragma once

#include <cstdint>

// The major version of the common-controls library (the file version's).
int ComCtlMajorVersion();
// Version 6 or later: the themed look and the date editors are available.
bool IsComCtl6();
// Windows Vista or later (the Metro painting of the pickers needs it).
bool IsVistaOrLater();
// Windows XP (5.1) or later.
bool IsWinXPOrLater();

constexpr int SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYBORDER = 6, SM_CXBORDER = 5, SM_CXEDGE = 45, SM_CYEDGE = 46;
int GetSystemMetrics(int index);
// The height in pixels of the system font (the stock font edits size by).
int SystemFontHeight();

class TControl;
// The window of this control (its form) is the active window.
bool IsWindowActive(const TControl* Control);

// The left or the right mouse button is physically down.
bool MouseButtonHeld();
bool LeftMouseButtonHeld();

class TWinControl;
// Moves the focus to the next (or previous) control in the tab order of its window.
void SelectNextControl(TWinControl* Current, bool GoForward);

constexpr unsigned MB_OK_BEEP = 0;
// The system's notice sound; the count lets tests see a refused key.
void MessageBeep(unsigned type);
int MessageBeepCount();
