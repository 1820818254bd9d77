#include "grid/features/SearchPanel.h"

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
}
