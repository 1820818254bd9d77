// One arrow button of the spin edit: a speed button that repeats its click
// while held (after 400 ms, then every 100 ms) and paints its own arrow.
#pragma once

#include "platform/Buttons.h"
#include "platform/Sets.h"

class TTimer;

enum TTimeBtnStateFlag { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateFlag>;
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };

constexpr int SpinRepeatFirstDelay = 400;
constexpr int SpinRepeatInterval = 100;

class TPlexTimerSpeedButton : public TSpeedButton {
public:
  explicit TPlexTimerSpeedButton(TComponent* AOwner);
  TTimeBtnState TimeBtnState;
  TButtonDirection ButtonDirection = bdUp;
  bool IsWinXP = false;
  bool HasMouse() const { return FHasMouse; }
  TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;

private:
  void RepeatTimerExpired();
  bool PaintColoured();
  bool PaintThemed();
  TTimer* FRepeatTimer = nullptr;
  bool FHasMouse = false;
};
