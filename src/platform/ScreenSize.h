// The primary screen's width, which some forms size themselves by; tests set
// the width a form sees.
#pragma once

// In pixels; the override when one is set.
int ScreenWidth();
// A width the forms see instead of the screen's; 0 gives the real width again.
void SetScreenWidthOverride(int Width);
