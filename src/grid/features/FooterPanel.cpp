#include "grid/features/FooterPanel.h"

TFooterPanel::TFooterPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
}
