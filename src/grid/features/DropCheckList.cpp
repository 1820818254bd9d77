#include "grid/features/DropCheckList.h"

TDropCheckList::TDropCheckList(TComponent* AOwner) : TListBox(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetVisible(false);
}
