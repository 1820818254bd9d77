// The grid's pictures loaded by location, found again by the location they
// were asked for (exact letter case). The cache owns its pictures.
#pragma once

#include "grid/foundation/HTMLPicture.h"

#include <memory>
#include <vector>

class THTMLPictureCache {
public:
  THTMLPicture* AddPicture();
  THTMLPicture* FindPicture(const QString& ID) const;
  void ClearPictures();
  // One tick for every picture; true when any of them changed frame.
  bool Animate();
  int Count() const { return int(FPictures.size()); }
  THTMLPicture* GetPicture(int Index) const;
  // Replaces the picture at Index by a copy of Picture.
  void SetPicture(int Index, const THTMLPicture& Picture);

private:
  std::vector<std::unique_ptr<THTMLPicture>> FPictures;
};
