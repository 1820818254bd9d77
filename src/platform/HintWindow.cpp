#include "platform/HintWindow.h"

#include "platform/FindControl.h"
#include "platform/GdiDraw.h"
#include "platform/PopupWindows.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {
constexpr unsigned HintTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
// The application's hint sits below the mouse pointer.
constexpr int CursorHeight = 20;

std::vector<TRect>& MonitorOverride() {
  static std::vector<TRect> rects;
  return rects;
}

long DistanceTo(const TRect& r, const TPoint& p) {
  const long dx = p.X < r.Left ? r.Left - p.X : p.X >= r.Right ? p.X - r.Right + 1 : 0;
  const long dy = p.Y < r.Top ? r.Top - p.Y : p.Y >= r.Bottom ? p.Y - r.Bottom + 1 : 0;
  return dx * dx + dy * dy;
}
}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clInfoBk);
  SetWindowStyles(this, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
  TRect r(0, 0, MaxWidth, 0);
  DrawText(Canvas(), AHint, r, HintTextFormat | DT_CALCRECT);
  // Room for the frame and the text's margins.
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(const TRect& ARect, const QString& AHint) {
  // Kept inside the monitor it appears on.
  const TRect screen = MonitorRectAt(TPoint(ARect.Left, ARect.Top));
  TRect r = ARect;
  if (r.Right > screen.Right) OffsetRect(r, screen.Right - r.Right, 0);
  if (r.Bottom > screen.Bottom) OffsetRect(r, 0, screen.Bottom - r.Bottom);
  if (r.Left < screen.Left) OffsetRect(r, screen.Left - r.Left, 0);
  if (r.Top < screen.Top) OffsetRect(r, 0, screen.Top - r.Top);
  ShowHintAt(r, AHint);
}

void THintWindow::ActivateHintData(const TRect& ARect, const QString& AHint, void*) { ActivateHint(ARect, AHint); }

void THintWindow::ShowHintAt(const TRect& ARect, const QString& AHint) {
  FHintText = AHint;
  FHintRect = ARect;
  FHintShown = true;
  SetCaption(AHint);
  SetBounds(ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
  MoveWindow(this, ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
  Show();
  ShowWindow(this, true);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  FHintShown = false;
  Hide();
  ShowWindow(this, false);
}

void THintWindow::Paint() {
  TCanvas& c = Canvas();
  const TRect all = ClientRect();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(all);
  c.Brush().Color = clBlack;
  c.FrameRect(all);
  c.Brush().Style = bsClear;
  TRect text(all.Left + 2, all.Top + 1, all.Right - 2, all.Bottom - 1);
  DrawText(c, HintText(), text, HintTextFormat);
}

TRect MonitorRectAt(const TPoint& P) {
  std::vector<TRect> rects = MonitorOverride();
  if (rects.empty())
    for (const QScreen* s : QGuiApplication::screens()) {
      const QRect g = s->geometry();
      rects.emplace_back(g.left(), g.top(), g.left() + g.width(), g.top() + g.height());
    }
  if (rects.empty()) return TRect(0, 0, INT_MAX / 2, INT_MAX / 2);
  return *std::min_element(rects.begin(), rects.end(),
                           [&](const TRect& a, const TRect& b) { return DistanceTo(a, P) < DistanceTo(b, P); });
}

void SetMonitorRects(const std::vector<TRect>& Rects) { MonitorOverride() = Rects; }

void TAppHints::ActivateHint(const TPoint& ScreenPos) {
  // The hint shown now must not stand in for the control under the point.
  if (FWindow) FWindow->ReleaseHandle();
  TControl* control = FindDragTarget(ScreenPos, false);
  while (control && !control->ShowHint()) control = control->Parent();
  if (!control) {
    CancelHint();
    return;
  }
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = HintWindowClass;
  info.HintPos = TPoint(ScreenPos.X, ScreenPos.Y + CursorHeight);
  info.HintMaxWidth = MonitorRectAt(ScreenPos).Width();
  info.CursorPos = control->ScreenToClient(ScreenPos);
  info.HintStr = control->Hint();
  if (control->Perform(CM_HINTSHOW, 0, LPARAM(&info)) != 0 || info.HintStr.isEmpty()) {
    CancelHint();
    return;
  }
  THintWindowClass cls = info.HintWindowClass ? info.HintWindowClass : HintWindowClass;
  if (FWindow && FWindowClass != cls) Reset();
  if (!FWindow) {
    FWindow = cls(nullptr);
    FWindowClass = cls;
  }
  FControl = control;
  FWindow->SetColor(info.HintColor);
  TRect r = FWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
  OffsetRect(r, info.HintPos.X, info.HintPos.Y);
  FWindow->ActivateHintData(r, info.HintStr, info.HintData);
}

namespace {
// The control whose hint shows over this one: itself or the nearest parent with hints on.
TControl* HintSource(TControl* Control) {
  while (Control && !Control->ShowHint()) Control = Control->Parent();
  return Control;
}
}  // namespace

void TAppHints::MouseMoved(const TPoint& ScreenPos) {
  // The control under the mouse, not each parent the move passes on to.
  TControl* source = HintSource(FindDragTarget(ScreenPos, false));
  // A shown hint stays until its control cancels it or the mouse leaves.
  if (source && HintShown() && FControl == source) return;
  if (source && FTimer != 0 && FPauseControl == source) {
    FPausePos = ScreenPos;
    return;
  }
  CancelHint();
  if (!source) return;
  if (HintPause <= 0) {
    ActivateHint(ScreenPos);
    return;
  }
  FPauseControl = source;
  FPausePos = ScreenPos;
  FClock = &TimerClock();
  FTimer = FClock->Start(HintPause, [this] {
    const TPoint at = FPausePos;
    StopPause();
    ActivateHint(at);
  });
}

void TAppHints::MouseLeft(TControl* Control) {
  if (FTimer != 0 && FPauseControl == HintSource(Control)) StopPause();
  if (HintControl() == Control) CancelHint();
}

void TAppHints::StopPause() {
  if (FTimer != 0 && FClock) FClock->Stop(FTimer);
  FTimer = 0;
  FClock = nullptr;
  FPauseControl = nullptr;
}

void TAppHints::CancelHint() {
  StopPause();
  if (FWindow) FWindow->ReleaseHandle();
  FControl = nullptr;
}

void TAppHints::Reset() {
  StopPause();
  delete FWindow;
  FWindow = nullptr;
  FWindowClass = nullptr;
  FControl = nullptr;
}

TAppHints& AppHints() {
  static TAppHints hints;
  return hints;
}
