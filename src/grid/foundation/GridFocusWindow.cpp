#include "grid/foundation/GridFocusWindow.h"

#include "platform/PopupWindows.h"

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 0, 0);
  SetColor(clRed);
  SetVisible(false);
  // Exactly these styles, whatever a window would have by default.
  SetWindowStyles(this, WS_POPUP | WS_DISABLED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}

void TGridFocusWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  MoveWindow(this, Left(), Top(), Width(), Height());
}

void TGridFocusWindow::SetVisible(bool v) {
  TCustomControl::SetVisible(v);
  ShowWindow(this, v);
}

void TGridFocusWindow::Paint() {
  Canvas().Brush().Color = Color();
  Canvas().Brush().Style = bsSolid;
  Canvas().FillRect(ClientRect());
}
