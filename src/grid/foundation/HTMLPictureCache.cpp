#include "grid/foundation/HTMLPictureCache.h"

THTMLPicture* THTMLPictureCache::AddPicture() {
  FPictures.push_back(std::make_unique<THTMLPicture>());
  return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const {
  for (const auto& p : FPictures)
    if (p->ID == ID) return p.get();
  return nullptr;
}

void THTMLPictureCache::ClearPictures() { FPictures.clear(); }

bool THTMLPictureCache::Animate() {
  bool any = false;
  for (const auto& p : FPictures) any = p->Step() || any;
  return any;
}

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const {
  return Index >= 0 && Index < Count() ? FPictures[size_t(Index)].get() : nullptr;
}

void THTMLPictureCache::SetPicture(int Index, const THTMLPicture& Picture) {
  if (THTMLPicture* target = GetPicture(Index)) target->Assign(&Picture);
}
