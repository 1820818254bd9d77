// The window of the grid's soft focus frame: a top-level pop-up above every
// other window, off the task bar, that takes no input; its picture comes
// from a layered-window update with a TGridAlphaMask.
#pragma once

#include "platform/Controls.h"

class TGridFocusWindow : public TCustomControl {
public:
  explicit TGridFocusWindow(TComponent* AOwner);
  // Screen coordinates: the window has no parent.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetVisible(bool v) override;

protected:
  void Paint() override;
};
