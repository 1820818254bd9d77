#include "platform/HintWindow.h"

#include "platform/GdiDraw.h"
#include "platform/PopupWindows.h"

namespace {
constexpr unsigned HintTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
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
  DrawText(c, FHintText, text, HintTextFormat);
}
