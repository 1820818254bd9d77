// The small window that shows a hint: frameless, above the other windows and
// never activated, so the focus stays where it was. It records what it shows,
// so tests see the hint without a screen. Beside it, the application's hint
// mechanism: after the hint pause over a control it asks the control
// (CM_HINTSHOW) what to show, where, and in which hint window class.
#pragma once

#include "platform/Controls.h"
#include "platform/Timers.h"

#include <QString>

#include <vector>

class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);

  // The bounds the text needs, wrapped at MaxWidth, at (0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const QString& AHint);
  // Shows the hint in the rectangle (screen coordinates).
  virtual void ActivateHint(const TRect& ARect, const QString& AHint);
  // As ActivateHint; a descendant may read what the control handed on in AData.
  virtual void ActivateHintData(const TRect& ARect, const QString& AHint, void* AData);
  // Takes the hint off the screen.
  void ReleaseHandle();

  bool HintShown() const { return FHintShown; }
  QString HintText() const { return FHintText; }
  TRect HintRect() const { return FHintRect; }

protected:
  void Paint() override;
  // Records and shows the window in the rectangle; the descendants' activation ends here.
  void ShowHintAt(const TRect& ARect, const QString& AHint);

private:
  bool FHintShown = false;
  QString FHintText;
  TRect FHintRect;
};

// A hint window class: makes a hint window of one kind. Two classes are the
// same kind when their makers are the same function.
using THintWindowClass = THintWindow* (*)(TComponent* AOwner);
template <class T>
THintWindow* MakeHintWindow(TComponent* AOwner) {
  return new T(AOwner);
}

// What a control answers to CM_HINTSHOW (LParam points to it); a non-zero
// result or an empty HintStr shows nothing.
struct THintInfo {
  TControl* HintControl = nullptr;
  THintWindowClass HintWindowClass = nullptr;
  TPoint HintPos;  // screen coordinates of the hint's top-left corner
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TPoint CursorPos;  // the mouse in the control's client coordinates
  QString HintStr;
  void* HintData = nullptr;
};

// The screen area of the monitor nearest to the point.
TRect MonitorRectAt(const TPoint& P);
// Tests stand in their own monitors; an empty list gives the real ones back.
void SetMonitorRects(const std::vector<TRect>& Rects);

class TAppHints {
public:
  // The hint window class of the whole process.
  THintWindowClass HintWindowClass = &MakeHintWindow<THintWindow>;
  // Milliseconds from the mouse reaching a control with hints to its hint; 0 or less shows it at once.
  int HintPause = 500;
  // The mouse moved to the screen point: the pause for the hint of the control
  // under it (or of the parent that shows hints) starts, unless it runs or
  // that hint is shown already. The hint shows where the mouse is then.
  void MouseMoved(const TPoint& ScreenPos);
  // The mouse left the control: a pause for its hint ends.
  void MouseLeft(TControl* Control);
  // Whether a pause runs.
  bool HintPending() const { return FTimer != 0; }
  // The pause is over at the screen point: the control under it is asked and its hint shown.
  void ActivateHint(const TPoint& ScreenPos);
  // Takes the shown hint away and ends a running pause; the next move starts it again.
  void CancelHint();
  // The hint window shown last (null before the first hint).
  THintWindow* HintWindow() const { return FWindow; }
  bool HintShown() const { return FWindow && FWindow->HintShown(); }
  // The control whose hint is shown, null when none is.
  TControl* HintControl() const { return HintShown() ? FControl : nullptr; }
  // Frees the window (tests, application end).
  void Reset();

private:
  void StopPause();
  THintWindow* FWindow = nullptr;
  THintWindowClass FWindowClass = nullptr;
  TControl* FControl = nullptr;
  // The running pause: its timer on the clock it started on, the control it
  // is for (only compared, never called) and the mouse's last point.
  int FTimer = 0;
  TTimerClock* FClock = nullptr;
  TControl* FPauseControl = nullptr;
  TPoint FPausePos;
};

TAppHints& AppHints();
