// Layered windows: a top-level window shown as a 32-bit image whose
// per-pixel alpha lets what lies below show through (the grid's soft focus
// frame), or a window made uniformly translucent.
#pragma once

#include "platform/Types.h"

class TBitmap;
class TCanvas;
class TControl;
class TWinControl;

constexpr DWORD LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2;
constexpr DWORD ULW_COLORKEY = 0x1, ULW_ALPHA = 0x2, ULW_OPAQUE = 0x4;
constexpr BYTE AC_SRC_OVER = 0x0, AC_SRC_ALPHA = 0x1;

struct TBlendFunction {
  BYTE BlendOp = AC_SRC_OVER;
  BYTE BlendFlags = 0;
  BYTE SourceConstantAlpha = 255;
  BYTE AlphaFormat = 0;
};

// Shows Image (32 bit, colours premultiplied by alpha) on the window, every
// pixel's alpha further multiplied by ConstantAlpha / 255; the window takes
// the image's size, and is moved to ScreenPos when one is given. The window
// becomes frameless and translucent. True when done, also without a screen.
bool UpdateLayeredWindow(TControl* Window, const TPoint* ScreenPos, const TBitmap& Image, BYTE ConstantAlpha);
// LWA_ALPHA: the whole window at Alpha / 255; LWA_COLORKEY: pixels of Key
// in the window's layered image are left out.
bool SetLayeredWindowAttributes(TControl* Window, TColor Key, BYTE Alpha, DWORD Flags);
// What the window shows, premultiplied, after the constant alpha (empty when
// it is no layered window); the screenshots and tests read it.
bool GetLayeredImage(const TControl* Window, TBitmap& Image);

// The device-context form the grid's drawing routines pass through. Our
// canvases carry no window surface to hand over, so it answers as a missing
// entry point does: success, nothing changed. The focus window uses the
// picture form above.
bool UpdateLayeredWindow(TWinControl* Window, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size,
                         TCanvas* SourceDC, const TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend,
                         DWORD Flags);
