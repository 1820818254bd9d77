// A picture referenced by file name: only the name and the size found when it
// was set are kept; the file is read again whenever it is drawn.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QString>

class TCanvas;

class TFilePicture : public TObject {
public:
  const QString& Filename() const { return FFilename; }
  // A missing or unreadable file keeps the former Width and Height.
  void SetFilename(const QString& Value);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Stretched into R; nothing for an empty name or a file that does not load.
  void DrawPicture(TCanvas& Canvas, const TRect& R) const;
  void Assign(const TFilePicture& Source);

private:
  QString FFilename;
  int FWidth = 0;
  int FHeight = 0;
};
