#include "grid/foundation/PictureItem.h"

void TPictureItem::Assign(const TPictureItem& Source) {
  if (&Source == this) return;
  Name = Source.Name;
  Tag = Source.Tag;
  FPicture->Assign(&Source.Picture());
}
