// Reading order of controls, and whether the system locale is a right-to-left
// one. Linux desktops have no such system-wide switch, so the locale counts
// as left-to-right unless a test says otherwise.
#pragma once

enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// True when the system locale reads right to left (Arabic, Hebrew, Persian ...).
bool SysLocaleMiddleEast();
// Tests pretend a right-to-left system locale with this.
void SetSysLocaleMiddleEast(bool MiddleEast);
