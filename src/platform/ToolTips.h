// The balloon tooltip of the common controls: one popup per owner window,
// showing a title with an icon above a text that it asks its tool's window
// for (WM_NOTIFY with TTN_GETDISPINFOW) each time it shows. It records what
// it shows and what it was set to, so tests see the balloon without a screen.
#pragma once

#include "platform/ControlMessages.h"
#include "platform/Controls.h"

#include <QString>

#include <memory>

class QTimer;

// Notifications a tooltip sends to its tool's window.
constexpr unsigned TTN_GETDISPINFOW = unsigned(-530), TTN_SHOW = unsigned(-521), TTN_POP = unsigned(-522);
// Delays set with SetDelayTime.
constexpr int TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3;
// Title icons.
constexpr int TTI_NONE = 0, TTI_INFO = 1, TTI_WARNING = 2, TTI_ERROR = 3;

// LParam of every notification; the tool's window answers a text request by
// pointing Text at a null-terminated buffer that lives until the next request.
struct TNMTTDispInfo {
  unsigned Code = 0;
  TControl* From = nullptr;
  const char16_t* Text = nullptr;
};

class TToolTipWindow : public TCustomControl {
public:
  explicit TToolTipWindow(TComponent* AOwner);
  ~TToolTipWindow() override;

  // The one tool: the window's client rectangle, its text asked for on each show.
  void AddTool(TWinControl* Tool, const TRect& Rect);
  TWinControl* Tool() const { return FTool; }
  TRect ToolRect() const { return FToolRect; }
  // The title and its icon (TTI_*; other values give none).
  void SetTitle(int Icon, const QString& Title);
  QString Title() const { return FTitle; }
  int TitleIcon() const { return FIcon; }
  void SetDelayTime(int Which, int Milliseconds);
  int DelayTime(int Which) const;
  void SetMaxTipWidth(int Width) { FMaxTipWidth = Width; }
  int MaxTipWidth() const { return FMaxTipWidth; }
  void SetTipTextColor(TColor Value) { FTextColor = Value; }
  TColor TipTextColor() const { return FTextColor; }
  void SetTipBkColor(TColor Value) { FBkColor = Value; }
  TColor TipBkColor() const { return FBkColor; }
  // The whole window at Alpha / 255.
  void SetOpacity(int Alpha);
  int Opacity() const { return FOpacity; }

  // The initial delay is over with the mouse at the screen point: the tool is asked for its text and the balloon shown.
  void Popup(const TPoint& ScreenPos);
  // Takes the balloon away (TTM_POP); the next rest over the tool shows it again.
  void Pop();
  bool BalloonShown() const { return FShown; }
  // The text shown last.
  QString Text() const { return FText; }
  int PopCount() const { return FPopCount; }

protected:
  void Paint() override;

private:
  void ToolMouseMoved();
  TWinControl* FTool = nullptr;
  TRect FToolRect;
  QString FTitle;
  int FIcon = TTI_NONE;
  QString FText;
  int FInitial = 500, FReshow = 100, FAutoPop = 5000;
  int FMaxTipWidth = -1;
  TColor FTextColor = clInfoText;
  TColor FBkColor = clInfoBk;
  int FOpacity = 255;
  bool FShown = false;
  int FPopCount = 0;
  std::unique_ptr<QTimer> FShowTimer;
  std::unique_ptr<QTimer> FHideTimer;
  std::unique_ptr<QObject> FToolWatch;
};
