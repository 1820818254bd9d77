#include "grid/foundation/ArrowWindow.h"

#include "platform/PopupWindows.h"

#include <vector>

namespace {

// Outlines in window pixels; arrLeft points right (it stands left of the
// target) and arrRight points left.
constexpr std::array<TArrowWindow::TArrow, 4> Outlines = {{
    {{{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}}},
    {{{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}}},
    {{{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}}},
    {{{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}}},
}};

}  // namespace

const TArrowWindow::TArrow& TArrowWindow::Outline(TArrowDirection Direction) { return Outlines[size_t(Direction)]; }

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction)
    : TPanel(AOwner), FDir(Direction), FArrow(Outline(Direction)) {
  SetColor(clLime);
  SetParent(AOwner);
  SetVisible(false);
  CreateWnd();
}

void TArrowWindow::CreateWnd() {
  // Nothing but the pop-up style: no border, no caption, above the grid.
  SetWindowStyles(this, WS_POPUP, 0);
  const TRegion outline = TRegion::CreatePolygonRgn(std::vector<TPoint>(FArrow.begin(), FArrow.end()), WINDING);
  SetWindowRgn(this, &outline, true);
}

void TArrowWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (IsPopupWindow(this)) MoveWindow(this, Left(), Top(), Width(), Height());
}

void TArrowWindow::Paint() {
  TCanvas& c = Canvas();
  c.Pen().Color = Color();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.Rectangle(ClientRect());
}
