// The speed button of the edit's side button: plain colours from its owner,
// the themed push button, a soft flat edge or the classic push button, then
// the glyph and the caption.
#pragma once

#include "platform/Buttons.h"

class TPlexSpeedButton : public TSpeedButton {
public:
  explicit TPlexSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
  bool IsWinXP = false;
  // The mouse is over the button.
  bool Hot() const { return FHot; }

protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;

private:
  bool Pressed() const { return State() == bsDown || State() == bsExclusive; }
  // Steps 1 to 4: the face; gives the rectangle left for glyph and caption.
  TRect PaintFace();
  bool FHot = false;
};
