// The system measures the code asks for by their library index.
#pragma once

constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;

// 0 for an index the platform does not know.
int GetSystemMetrics(int Index);

// Lines per wheel notch (SPI_GETWHEELSCROLLLINES); -1 means a page. Tests
// set the user's choice with SetSystemWheelScrollLines; 0 goes back to the system's.
int SystemWheelScrollLines();
void SetSystemWheelScrollLines(int Lines);
