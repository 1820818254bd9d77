// Layered windows: a window whose pixels are given as a picture with per-pixel
// alpha or a key colour. The focus window of the grid uses them; this machine
// has no layered-window entry points, and the library's rule for a missing
// entry point is success.
#pragma once

#include "platform/Types.h"

class TCanvas;
class TWinControl;

// Flags of UpdateLayeredWindow and SetLayeredWindowAttributes.
constexpr DWORD ULW_COLORKEY = 0x1, ULW_ALPHA = 0x2, ULW_OPAQUE = 0x4;
constexpr DWORD LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2;
constexpr BYTE AC_SRC_OVER = 0x0, AC_SRC_ALPHA = 0x1;

struct TBlendFunction {
  BYTE BlendOp = AC_SRC_OVER;
  BYTE BlendFlags = 0;
  BYTE SourceConstantAlpha = 255;
  BYTE AlphaFormat = 0;
};

bool UpdateLayeredWindow(TWinControl* Window, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size,
                         TCanvas* SourceDC, const TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend,
                         DWORD Flags);
bool SetLayeredWindowAttributes(TWinControl* Window, TColor Key, BYTE Alpha, DWORD Flags);
