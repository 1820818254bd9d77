// A named picture of a picture container.
#pragma once

#include "grid/foundation/HTMLPicture.h"

#include <memory>

class TPictureItem {
public:
  TPictureItem() : FPicture(std::make_unique<THTMLPicture>()) {}
  THTMLPicture& Picture() const { return *FPicture; }
  // Copies the given picture into the owned one.
  void SetPicture(const THTMLPicture& Value) { FPicture->Assign(&Value); }
  void Assign(const TPictureItem& Source);
  QString Name;
  int Tag = 0;

private:
  std::unique_ptr<THTMLPicture> FPicture;
};
