// The panel under the grid that holds the search footer's edit and buttons.
// A child of the grid aligned to the bottom; hidden as long as it has no height.
#pragma once

#include "platform/Controls.h"

class TEdit;

class TSearchPanel : public TCustomControl {
public:
  explicit TSearchPanel(TComponent* AOwner);
  // The search text; Ctrl+F on the grid puts the focus here.
  TEdit* EditControl = nullptr;

protected:
  // The panel's colour under its controls.
  void Paint() override;
};
