// The push-button editor in its grid.
#include "grid/editing/GridButton.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/GdiDraw.h"

TGridButton::TGridButton(TComponent* AOwner) : TCustomControl(AOwner), FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)) {
  SetTabStop(true);
}

void TGridButton::AskGrid() {
  QString text = Text();
  FGrid->DoEllipsClick(Text(), text);
  SetText(text);
  FGrid->SetCurrentCell(text);
}

void TGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FGrid && Parent() == FGrid) AskGrid();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TGridButton::HideButton() {
  SetVisible(false);
  SetEnabled(false);
  FGrid->HideInplaceEdit();
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FGrid) {
    TCustomControl::KeyDown(Key, Shift);
    return;
  }
  if (Key >= VK_LEFT && Key <= VK_DOWN) {
    const WORD key = Key;
    SendMessage(FGrid, WM_KEYDOWN, key);
    HideButton();
    SendMessage(FGrid, WM_KEYUP, key);
    Key = 0;
    return;
  }
  if (Key == VK_ESCAPE) {
    HideButton();
    FGrid->UndoCellEdit();
    SendMessage(FGrid, WM_KEYDOWN, VK_ESCAPE);
    Key = 0;
    return;
  }
  TCustomControl::KeyDown(Key, Shift);
}

void TGridButton::KeyUp(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE && FGrid) {
    AskGrid();
    if (CanFocus()) SetFocus();
    Invalidate();
  }
  TCustomControl::KeyUp(Key, Shift);
}

void TGridButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  canvas.Brush().Color = clBtnFace;
  canvas.FillRect(r);
  DrawEdge(canvas, r, EDGE_RAISED, BF_RECT);
  TRect text = r;
  DrawText(canvas, Text(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
