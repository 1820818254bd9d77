// A list of equally sized images drawn by index (cell and hint pictures).
#pragma once

#include "platform/Classes.h"
#include "platform/Opaque.h"

#include <vector>

class QImage;
class TBitmap;
class TCanvas;

// A component, so that the controls drawing from it hear when it is freed.
class TImageList : public TComponent {
public:
  TImageList(int AWidth, int AHeight, TComponent* AOwner = nullptr)
      : TComponent(AOwner), FWidth(AWidth), FHeight(AHeight) {}
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return int(FImages.size()); }
  // Scaled to the list's size; returns the new index.
  int Add(const QImage& Image);
  // The bitmap as it paints (a transparent bitmap's key colour left out).
  int Add(const TBitmap& Bitmap);
  // Disabled images are drawn greyed out. An index outside the list draws nothing.
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
  // Copies image Index into Bitmap (sized to the list); false outside the list.
  bool GetBitmap(int Index, TBitmap& Bitmap) const;

private:
  int FWidth, FHeight;
  std::vector<TOpaque<QImage>> FImages;
};
