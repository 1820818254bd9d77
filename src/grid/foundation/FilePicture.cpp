#include "grid/foundation/FilePicture.h"

#include "platform/Graphics.h"

void TFilePicture::SetFilename(const QString& Value) {
  FFilename = Value;
  TPicture picture;
  if (!picture.LoadFromFile(Value)) return;
  FWidth = picture.Width();
  FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& Canvas, const TRect& R) const {
  if (FFilename.isEmpty()) return;
  TPicture picture;
  if (picture.LoadFromFile(FFilename) && picture.Graphic()) Canvas.StretchDraw(R, *picture.Graphic());
}

void TFilePicture::Assign(const TFilePicture& Source) {
  FFilename = Source.FFilename;
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
}
