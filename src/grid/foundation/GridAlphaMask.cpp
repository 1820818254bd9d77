#include "grid/foundation/GridAlphaMask.h"

#include <cmath>
#include <cstring>

TGridAlphaMask::TGridAlphaMask() { MakeAlphaFormat(); }

void TGridAlphaMask::MakeAlphaFormat() {
  SetPixelFormat(pf32bit);
  SetAlphaFormat(afPremultiplied);
}

void TGridAlphaMask::Assign(const TBitmap& Source) {
  if (auto* mask = dynamic_cast<const TGridAlphaMask*>(&Source)) {
    if (mask == this) return;
    Opacity = mask->Opacity;
    // The rows are copied whole, so this mask takes the source's size first.
    MakeAlphaFormat();
    SetSize(mask->Width(), mask->Height());
    auto& source = const_cast<TGridAlphaMask&>(*mask);
    for (int y = 0; y < Height(); ++y) std::memcpy(ScanLine(y), source.ScanLine(y), size_t(Width()) * 4);
  } else {
    TBitmap::Assign(Source);
  }
  MakeAlphaFormat();
}

void TGridAlphaMask::MergeMask(TBitmap& Mask, TBitmap& Bitmap, TColor Color) {
  if (Bitmap.PixelFormat() != pf24bit || Mask.PixelFormat() != pf24bit) return;
  // Every mask pixel under the bitmap is read.
  if (Mask.Width() < Bitmap.Width() || Mask.Height() < Bitmap.Height()) return;
  MakeAlphaFormat();
  SetSize(Bitmap.Width(), Bitmap.Height());
  for (int y = 0; y < Height(); ++y) {
    const auto* m = static_cast<const TRGBTriple*>(Mask.ScanLine(y));
    const auto* b = static_cast<const TRGBTriple*>(Bitmap.ScanLine(y));
    auto* t = static_cast<TRGBQuad*>(ScanLine(y));
    for (int x = 0; x < Width(); ++x) {
      const BYTE a = m[x].rgbtRed;
      const double f = a / 255.0;
      // Rounds halves to even, as the original arithmetic did.
      t[x].rgbBlue = BYTE(std::nearbyint(b[x].rgbtBlue * f));
      t[x].rgbGreen = BYTE(std::nearbyint(b[x].rgbtGreen * f));
      t[x].rgbRed = BYTE(std::nearbyint(b[x].rgbtRed * f));
      t[x].rgbReserved = a;
    }
  }
}
