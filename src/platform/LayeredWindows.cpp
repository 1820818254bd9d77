#include "platform/LayeredWindows.h"

bool UpdateLayeredWindow(TWinControl*, TCanvas*, const TPoint*, const TSize*, TCanvas*, const TPoint*, TColor,
                         const TBlendFunction*, DWORD) {
  return true;
}

bool SetLayeredWindowAttributes(TWinControl*, TColor, BYTE, DWORD) { return true; }
