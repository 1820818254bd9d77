// The user's wheel setting; the other system measures are in SystemProbes.h.
#pragma once

#include "platform/SystemProbes.h"

// Lines per wheel notch (SPI_GETWHEELSCROLLLINES); -1 means a page. Tests
// set the user's choice with SetSystemWheelScrollLines; 0 goes back to the system's.
int SystemWheelScrollLines();
void SetSystemWheelScrollLines(int Lines);
