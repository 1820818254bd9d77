// The panel under the grid that shows the floating footer.
// A child of the grid aligned to the bottom; hidden as long as it has no height.
#pragma once

#include "platform/Controls.h"

class TFooterPanel : public TCustomControl {
public:
  explicit TFooterPanel(TComponent* AOwner);
};
