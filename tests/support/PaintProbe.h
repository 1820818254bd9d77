// Helpers of the painting tests: pictures of small bitmaps as text, ink
// bounds, and the cells the fixed text measurer drew.
#pragma once

#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QImage>

#include <string>
#include <vector>

#include <ostream>

inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }

namespace paintprobe {

// A white bitmap of the given size whose canvas measures text with the fixed measurer.
inline std::unique_ptr<TBitmap> Sheet(int w, int h) {
  auto b = std::make_unique<TBitmap>(w, h);
  b->Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
  return b;
}

// One character a pixel: '.' white, '#' black, 'r' red, 'b' blue, 'g' lime, '?' anything else.
inline char Glyph(TColor c) {
  switch (c) {
    case clWhite: return '.';
    case clBlack: return '#';
    case clRed: return 'r';
    case clBlue: return 'b';
    case clLime: return 'g';
    default: return '?';
  }
}

inline std::string Art(const TBitmap& b) {
  std::string s;
  const QImage& img = b.Image();
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) s += Glyph(FromQColor(img.pixelColor(x, y)));
    s += '\n';
  }
  return s;
}

inline TColor At(const TBitmap& b, int x, int y) { return FromQColor(b.Image().pixelColor(x, y)); }

// The smallest rectangle holding every pixel that is not white (empty when none).
inline TRect InkBounds(const TBitmap& b, TColor background = clWhite) {
  const QImage& img = b.Image();
  int l = img.width(), t = img.height(), r = -1, bt = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (FromQColor(img.pixelColor(x, y)) != background) {
        l = std::min(l, x);
        t = std::min(t, y);
        r = std::max(r, x);
        bt = std::max(bt, y);
      }
  return r < 0 ? TRect() : TRect(l, t, r + 1, bt + 1);
}

// Top-left corners of the character cells the fixed measurer drew in black:
// each character is a 5 x 9 block at (1, 2) inside its 7 x 13 cell.
inline std::vector<TPoint> Cells(const TBitmap& b) {
  std::vector<TPoint> out;
  const QImage& img = b.Image();
  auto ink = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < img.width() && y < img.height() && FromQColor(img.pixelColor(x, y)) == clBlack;
  };
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (ink(x, y) && !ink(x - 1, y) && !ink(x, y - 1) && ink(x + 4, y) && !ink(x + 5, y) && ink(x, y + 1))
        out.push_back(TPoint(x - 1, y - 2));
  return out;
}

inline bool SameImage(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

}  // namespace paintprobe
