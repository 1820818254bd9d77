#include "platform/Types.h"

#include "platform/internal/Painting.h"

#include <algorithm>

namespace {
// The one fixed system palette (classic Windows values, $00BBGGRR), indexes 0..30.
constexpr TColor kSystemPalette[31] = {
    0xC8C8C8,  // 0 scroll bar
    0x000000,  // 1 background
    0xD1B499,  // 2 active caption
    0xDBCDBF,  // 3 inactive caption
    0xF0F0F0,  // 4 menu
    0xFFFFFF,  // 5 window
    0x646464,  // 6 window frame
    0x000000,  // 7 menu text
    0x000000,  // 8 window text
    0x000000,  // 9 caption text
    0xB4B4B4,  // 10 active border
    0xFCF7F4,  // 11 inactive border
    0xABABAB,  // 12 app work space
    0xD77800,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xF0F0F0,  // 15 button face
    0xA0A0A0,  // 16 button shadow
    0x6D6D6D,  // 17 grey text
    0x000000,  // 18 button text
    0x000000,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x696969,  // 21 3D dark shadow
    0xE3E3E3,  // 22 3D light
    0x000000,  // 23 info text
    0xE1FFFF,  // 24 info background
    0xB5B5B5,  // 25 (unused)
    0xCC6600,  // 26 hot light
    0xEAD1B9,  // 27 gradient active caption
    0xF2E4D7,  // 28 gradient inactive caption
    0xFF9933,  // 29 menu highlight
    0xF0F0F0,  // 30 menu bar
};
}  // namespace

TColor ColorToRGB(TColor c) {
  if (IsSystemColor(c)) {
    int index = c & 0xFF;
    return index <= 30 ? kSystemPalette[index] : TColor(0);
  }
  return c;
}

QColor ToQColor(TColor c) {
  if (c == clNone) return QColor(0, 0, 0, 0);
  TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

bool InflateRect(TRect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
  return true;
}

bool OffsetRect(TRect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
  return true;
}

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
  TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
  if (r.IsEmpty()) {
    dst = TRect();
    return false;
  }
  dst = r;
  return true;
}

bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
  if (a.IsEmpty())
    dst = b;
  else if (b.IsEmpty())
    dst = a;
  else
    dst = TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom));
  return !dst.IsEmpty();
}
