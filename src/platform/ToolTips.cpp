#include "platform/ToolTips.h"

#include "platform/GdiDraw.h"
#include "platform/HintWindow.h"
#include "platform/PopupWindows.h"

#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

constexpr unsigned BalloonTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
// Room around the text inside the balloon's frame.
constexpr int BalloonMargin = 6;
// Without a maximum tip width a balloon's text stays on one line up to this width.
constexpr int UnboundedTipWidth = 4096;

// Watches the tool's window: a move restarts the initial delay, leaving pops.
class TToolWatch : public QObject {
public:
  TToolWatch(std::function<void()> Moved, std::function<void()> Left)
      : FMoved(std::move(Moved)), FLeft(std::move(Left)) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseMove) FMoved();
    if (e->type() == QEvent::Leave) FLeft();
    return false;
  }

private:
  std::function<void()> FMoved;
  std::function<void()> FLeft;
};

}  // namespace

TToolTipWindow::TToolTipWindow(TComponent* AOwner)
    : TCustomControl(AOwner), FShowTimer(std::make_unique<QTimer>()), FHideTimer(std::make_unique<QTimer>()) {
  SetVisible(false);
  SetColor(clInfoBk);
  SetWindowStyles(this, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  FShowTimer->setSingleShot(true);
  FHideTimer->setSingleShot(true);
  QObject::connect(FShowTimer.get(), &QTimer::timeout, [this] {
    const QPoint p = QCursor::pos();
    Popup(TPoint(p.x(), p.y()));
  });
  QObject::connect(FHideTimer.get(), &QTimer::timeout, [this] { Pop(); });
}

TToolTipWindow::~TToolTipWindow() {
  if (FTool && FTool->Widget() && FToolWatch) FTool->Widget()->removeEventFilter(FToolWatch.get());
}

void TToolTipWindow::AddTool(TWinControl* Tool, const TRect& Rect) {
  if (FTool && FTool->Widget() && FToolWatch) FTool->Widget()->removeEventFilter(FToolWatch.get());
  FTool = Tool;
  FToolRect = Rect;
  FToolWatch = std::make_unique<TToolWatch>([this] { ToolMouseMoved(); }, [this] { Pop(); });
  if (FTool && FTool->Widget()) FTool->Widget()->installEventFilter(FToolWatch.get());
}

void TToolTipWindow::SetTitle(int Icon, const QString& Title) {
  FIcon = Icon >= TTI_NONE && Icon <= TTI_ERROR ? Icon : TTI_NONE;
  FTitle = Title;
  Invalidate();
}

void TToolTipWindow::SetDelayTime(int Which, int Milliseconds) {
  switch (Which) {
    case TTDT_INITIAL: FInitial = Milliseconds; break;
    case TTDT_RESHOW: FReshow = Milliseconds; break;
    case TTDT_AUTOPOP: FAutoPop = Milliseconds; break;
    default:
      FInitial = Milliseconds;
      FReshow = Milliseconds / 5;
      FAutoPop = Milliseconds * 10;
      break;
  }
}

int TToolTipWindow::DelayTime(int Which) const {
  return Which == TTDT_RESHOW ? FReshow : Which == TTDT_AUTOPOP ? FAutoPop : FInitial;
}

void TToolTipWindow::SetOpacity(int Alpha) {
  FOpacity = std::clamp(Alpha, 0, 255);
  if (Widget()) Widget()->setWindowOpacity(FOpacity / 255.0);
}

void TToolTipWindow::ToolMouseMoved() {
  if (FShown) return;
  FShowTimer->start(std::max(0, FInitial));
}

void TToolTipWindow::Popup(const TPoint& ScreenPos) {
  if (!FTool) return;
  TNMTTDispInfo info;
  info.Code = TTN_GETDISPINFOW;
  info.From = this;
  FTool->Perform(WM_NOTIFY, 0, LPARAM(&info));
  FText = info.Text ? QString::fromUtf16(info.Text) : QString();
  if (FText.isEmpty() && FTitle.trimmed().isEmpty()) return;
  const int width = FMaxTipWidth > 0 ? FMaxTipWidth : UnboundedTipWidth;
  TRect text(0, 0, width, 0);
  DrawText(Canvas(), FText, text, BalloonTextFormat | DT_CALCRECT);
  TRect title(0, 0, width, 0);
  DrawText(Canvas(), FTitle, title, BalloonTextFormat | DT_CALCRECT);
  const int w = std::max(text.Width(), title.Width()) + 2 * BalloonMargin;
  const int h = text.Height() + title.Height() + 3 * BalloonMargin;
  TRect r(ScreenPos.X, ScreenPos.Y + BalloonMargin, ScreenPos.X + w, ScreenPos.Y + BalloonMargin + h);
  const TRect screen = MonitorRectAt(ScreenPos);
  if (r.Right > screen.Right) OffsetRect(r, screen.Right - r.Right, 0);
  if (r.Bottom > screen.Bottom) OffsetRect(r, 0, screen.Bottom - r.Bottom);
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  MoveWindow(this, r.Left, r.Top, r.Width(), r.Height());
  FShown = true;
  TNMTTDispInfo shown{TTN_SHOW, this, nullptr};
  FTool->Perform(WM_NOTIFY, 0, LPARAM(&shown));
  Show();
  ShowWindow(this, true);
  Invalidate();
  if (FAutoPop > 0) FHideTimer->start(FAutoPop);
}

void TToolTipWindow::Pop() {
  FShowTimer->stop();
  FHideTimer->stop();
  ++FPopCount;
  if (!FShown) return;
  FShown = false;
  Hide();
  ShowWindow(this, false);
  if (FTool) {
    TNMTTDispInfo popped{TTN_POP, this, nullptr};
    FTool->Perform(WM_NOTIFY, 0, LPARAM(&popped));
  }
}

void TToolTipWindow::Paint() {
  TCanvas& c = Canvas();
  const TRect all = ClientRect();
  c.Brush().Color = FBkColor;
  c.Brush().Style = bsSolid;
  c.FillRect(all);
  c.Brush().Color = clBlack;
  c.FrameRect(all);
  c.Brush().Style = bsClear;
  c.Font().SetColor(FTextColor);
  TRect title(all.Left + BalloonMargin, all.Top + BalloonMargin, all.Right - BalloonMargin, all.Bottom);
  const TFontStyles plain = c.Font().Style();
  TFontStyles bold = plain;
  bold.Include(fsBold);
  c.Font().SetStyle(bold);
  TRect measured = title;
  DrawText(c, FTitle, measured, BalloonTextFormat | DT_CALCRECT);
  DrawText(c, FTitle, title, BalloonTextFormat);
  c.Font().SetStyle(plain);
  TRect text(all.Left + BalloonMargin, measured.Bottom + BalloonMargin, all.Right - BalloonMargin,
             all.Bottom - BalloonMargin);
  DrawText(c, FText, text, BalloonTextFormat);
}
