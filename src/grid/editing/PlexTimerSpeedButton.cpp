#include "grid/editing/PlexTimerSpeedButton.h"

#include "grid/editing/PsgSpinButton.h"
#include "platform/GdiDraw.h"
#include "platform/Themes.h"
#include "platform/Timers.h"

namespace {

// The arrow of a coloured button, relative to the client rectangle, per direction.
constexpr TPoint ArrowPoints[4][3] = {
    {{5, 5}, {3, 7}, {5, 9}},  // bdLeft
    {{3, 5}, {5, 7}, {3, 9}},  // bdRight
    {{4, 4}, {8, 4}, {6, 2}},  // bdUp
    {{4, 2}, {8, 2}, {6, 4}},  // bdDown
};
// The "spin" theme part per direction.
constexpr int ThemeSpinParts[4] = {4, 3, 1, 2};
enum TThemeSpinState { tssNormal = 1, tssHot = 2, tssPressed = 3 };

}  // namespace

TPlexTimerSpeedButton::TPlexTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TPlexTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (TimeBtnState.Contains(tbAllowTimer)) {
    if (!FRepeatTimer) {
      FRepeatTimer = new TTimer(this);  // owned by the button
      FRepeatTimer->SetEnabled(false);
      FRepeatTimer->OnTimer = [this](TObject*) { RepeatTimerExpired(); };
    }
    FRepeatTimer->SetInterval(SpinRepeatFirstDelay);
    FRepeatTimer->SetEnabled(true);
  }
  if (Parent()) Parent()->Invalidate();
}

void TPlexTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  if (Parent()) Parent()->Invalidate();
}

void TPlexTimerSpeedButton::RepeatTimerExpired() {
  FRepeatTimer->SetInterval(SpinRepeatInterval);
  if (State() != bsDown || !Dragging()) return;
  try {
    Click();
  } catch (...) {
    FRepeatTimer->SetEnabled(false);
    throw;
  }
}

void TPlexTimerSpeedButton::MouseEnter() {
  TSpeedButton::MouseEnter();
  FHasMouse = true;
  Invalidate();
}

void TPlexTimerSpeedButton::MouseLeave() {
  TSpeedButton::MouseLeave();
  FHasMouse = false;
  Invalidate();
}

bool TPlexTimerSpeedButton::PaintColoured() {
  auto* pair = dynamic_cast<TPsgSpinButton*>(Parent());
  if (!pair || pair->ButtonColor == clNone) return false;
  const TColor c = State() == bsDown ? pair->ButtonColorDown : FHasMouse ? pair->ButtonColorHot : pair->ButtonColor;
  TCanvas& canvas = Canvas();
  canvas.Brush().Color = c;
  canvas.Pen().Color = c;
  const TRect r = ClientRect();
  canvas.Rectangle(r);
  canvas.Brush().Color = clBlack;
  canvas.Pen().Color = clBlack;
  const auto& p = ArrowPoints[ButtonDirection];
  canvas.Polygon({TPoint(r.Left + p[0].X, r.Top + p[0].Y), TPoint(r.Left + p[1].X, r.Top + p[1].Y),
                  TPoint(r.Left + p[2].X, r.Top + p[2].Y)});
  return true;
}

bool TPlexTimerSpeedButton::PaintThemed() {
  auto* pair = dynamic_cast<TPsgSpinButton*>(Parent());
  if (!IsWinXP || !pair) return false;
  HTHEME theme = ThemeServices().OpenThemeData(pair, "spin");
  if (!theme) return false;
  const int state = State() == bsDown ? tssPressed : FHasMouse ? tssHot : tssNormal;
  ThemeServices().DrawThemeBackground(theme, Canvas(), ThemeSpinParts[ButtonDirection], state, ClientRect(), nullptr);
  ThemeServices().CloseThemeData(theme);
  return true;
}

void TPlexTimerSpeedButton::Paint() {
  if (PaintColoured() || PaintThemed()) return;
  if (ButtonDirection == bdLeft || ButtonDirection == bdRight) {
    unsigned state = ButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    if (State() == bsDown) state |= DFCS_PUSHED;
    if (Flat()) state |= DFCS_FLAT;
    DrawFrameControl(Canvas(), ClientRect(), DFC_SCROLL, state);
    return;
  }
  TSpeedButton::Paint();
}
