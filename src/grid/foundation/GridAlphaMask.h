// A 32-bit bitmap whose pixels carry premultiplied alpha, shown through a
// layered window with Opacity as the constant alpha on top: the grid's soft
// focus frame.
#pragma once

#include "platform/Graphics.h"

class TGridAlphaMask : public TBitmap {
public:
  TGridAlphaMask();
  BYTE Opacity = 255;

  // From another mask: its Opacity and pixels, at its size. From any other
  // bitmap: its picture. Either way the result is 32 bit.
  void Assign(const TBitmap& Source) override;
  // Takes Bitmap's size and picture with the mask's red channel as alpha,
  // premultiplied. Nothing unless both are 24 bit and the mask covers the
  // bitmap. Color has no effect.
  void MergeMask(TBitmap& Mask, TBitmap& Bitmap, TColor Color);

private:
  void MakeAlphaFormat();
};
