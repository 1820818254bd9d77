#include "grid/features/DropList.h"

TDropList::TDropList(TComponent* AOwner) : TListBox(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetVisible(false);
}
