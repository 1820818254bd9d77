#include "grid/foundation/ControlList.h"

#include "platform/Controls.h"

void TControlList::AddControl(int X, int Y, TControl* AObject) {
  FItems.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const {
  for (size_t i = 0; i < FItems.size(); ++i)
    if (FItems[i]->X == X && FItems[i]->Y == Y) return int(i);
  return -1;
}

TControlItem* TControlList::GetControl(int i) const {
  if (i < 0 || i >= Count()) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(i));
  return FItems[size_t(i)].get();
}

bool TControlList::HasHandle(HWND Handle) const {
  for (const auto& item : FItems)
    if (auto* w = dynamic_cast<TWinControl*>(item->Control); w && WindowHandle(w) == Handle) return true;
  return false;
}

void TControlList::RemoveControl(int i) {
  GetControl(i);
  FItems.erase(FItems.begin() + i);
}
