#include "grid/foundation/PictureContainer.h"

TPictureContainer::TPictureContainer(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TPictureCollection>(this)) {}

THTMLPicture* TPictureContainer::FindPicture(const QString& Name) const {
  const QString wanted = Name.toUpper();
  for (int i = 0; i < FItems->Count(); ++i) {
    TPictureItem* item = FItems->GetItem(i);
    if (item->Name.toUpper() == wanted) return &item->Picture();
  }
  return nullptr;
}
