#include "platform/ImageList.h"

#include "platform/Graphics.h"

#include <QImage>

int TImageList::Add(const QImage& Image) {
  FImages.push_back(Image.scaled(FWidth, FHeight).convertToFormat(QImage::Format_ARGB32));
  return Count() - 1;
}

int TImageList::Add(const TBitmap& Bitmap) { return Add(Bitmap.PaintImage()); }

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
  if (Index < 0 || Index >= Count()) return;
  const QImage& image = *FImages[size_t(Index)];
  if (Enabled) {
    Canvas.Draw(X, Y, image);
    return;
  }
  QImage grey = image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
  grey.setAlphaChannel(image.convertToFormat(QImage::Format_Alpha8));
  Canvas.Draw(X, Y, grey);
}

bool TImageList::GetBitmap(int Index, TBitmap& Bitmap) const {
  if (Index < 0 || Index >= Count()) return false;
  Bitmap.SetImage(*FImages[size_t(Index)]);
  return true;
}
