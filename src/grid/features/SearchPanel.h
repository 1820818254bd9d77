// The panel under the grid that holds the search footer's edit and buttons.
// A child of the grid aligned to the bottom; hidden as long as it has no height.
#pragma once

#include "platform/Controls.h"

class TSearchPanel : public TCustomControl {
public:
  explicit TSearchPanel(TComponent* AOwner);
};
