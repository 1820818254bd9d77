// A component holding named pictures for mini-HTML texts; names are found
// without regard to letter case.
#pragma once

#include "grid/foundation/PictureCollection.h"
#include "platform/Classes.h"

#include <memory>

class TPictureContainer : public TComponent {
public:
  explicit TPictureContainer(TComponent* AOwner);
  TPictureCollection& Items() { return *FItems; }
  virtual THTMLPicture* FindPicture(const QString& Name) const;

private:
  std::unique_ptr<TPictureCollection> FItems;
};
