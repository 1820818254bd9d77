// The Metro bars: the grid makes them when its look asks for them and
// frees them when the look changes back; they read everything from the grid.
#include "grid/core/PlexStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "platform/ParentBackground.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int MetroBarThickness = 6;
constexpr int MinThumbLength = 20;
int Nearest(double x) { return int(std::nearbyint(x)); }
}  // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(false); }

void TScrollControl::SetThumbColor(TColor Value) {
  FThumbColor = Value;
  Invalidate();
}

void TScrollControl::SetScrollWidth(int Value) {
  FScrollWidth = Value;
  Invalidate();
}

void TScrollControl::SetDirection(TScrollDirection Value) {
  FDirection = Value;
  Invalidate();
}

TPlexStringGrid* TScrollControl::Grid() const { return dynamic_cast<TPlexStringGrid*>(Parent()); }

bool TScrollControl::HasThumb() const {
  const TPlexStringGrid* g = Grid();
  if (!g) return false;
  if (FDirection == sdHorizontal) return g->ColCount() - g->FixedCols() > g->VisibleColCount();
  return g->RowCount() - g->FixedRows() > g->VisibleRowCount();
}

bool TScrollControl::ThumbExtent(int& Start, int& Size) const {
  const TPlexStringGrid* g = Grid();
  if (!g) return false;
  const bool horz = FDirection == sdHorizontal;
  const int length = horz ? Width() : Height();
  int offset = 0, track = length;
  double c = 0, b = 0;
  if (horz) {
    for (int i = 0; i < g->FixedCols(); ++i) offset += g->ColWidths(i);
    track -= offset;
    for (int i = std::max(0, g->ColCount() - g->FixedRightCols()); i < g->ColCount(); ++i) track -= g->ColWidths(i);
    c = double(g->VisibleColCount()) / g->ColCount();
    const int normal = g->ColCount() - g->FixedCols();
    b = normal > 0 ? double(g->LeftCol() - g->FixedCols()) / normal : 0;
  } else {
    for (int i = 0; i < g->FixedRows(); ++i) offset += g->RowHeights(i);
    track -= offset;
    for (int i = std::max(0, g->RowCount() - g->FixedFooters()); i < g->RowCount(); ++i) track -= g->RowHeights(i);
    c = double(g->VisibleRowCount()) / g->RowCount();
    const int normal = g->RowCount() - g->FixedRows();
    b = normal > 0 ? double(g->TopRow() - g->FixedRows()) / normal : 0;
  }
  Start = offset + Nearest(track * b);
  Size = std::max(MinThumbLength, Nearest(track * c));
  if (Start + Size > length) Start = length - Size;
  return true;
}

void TScrollControl::Paint() {
  TCanvas& canvas = Canvas();
  // The grid's own painting shows under the thumb, so the bar looks like part of it.
  TBitmap under;
  if (PaintParentBackground(this, under)) canvas.Draw(0, 0, under);
  int start = 0, size = 0;
  if (!ThumbExtent(start, size) || !HasThumb()) return;
  canvas.Pen().Color = FThumbColor;
  canvas.Brush().Color = FThumbColor;
  canvas.Brush().Style = bsSolid;
  if (FDirection == sdHorizontal)
    canvas.Rectangle(start, 0, start + size, FScrollWidth);
  else
    canvas.Rectangle(0, start, FScrollWidth, start + size);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  TPlexStringGrid* g = Grid();
  int start = 0, size = 0;
  if (!g || !ThumbExtent(start, size)) return;
  const bool horz = FDirection == sdHorizontal;
  const int at = horz ? X : Y;
  if (at >= start && at < start + size) {
    FDownOnScroller = true;
    FDownPos = at;
    FDownRow = horz ? g->LeftCol() : g->TopRow();
    return;
  }
  if (horz) {
    if (at < start)
      g->SetLeftCol(std::max(g->FixedCols(), g->LeftCol() - g->VisibleColCount()));
    else
      g->SetLeftCol(std::min(g->LeftCol() + g->VisibleColCount(), g->ColCount() - g->VisibleColCount()));
  } else {
    if (at < start)
      g->SetTopRow(std::max(g->FixedRows(), g->TopRow() - g->VisibleRowCount()));
    else
      g->SetTopRow(std::min(g->TopRow() + g->VisibleRowCount(), g->RowCount() - g->VisibleRowCount()));
  }
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  TPlexStringGrid* g = Grid();
  if (!g || !FDownOnScroller) return;
  if (FDirection == sdHorizontal) {
    const int room = std::max(1, Width() - g->ColWidths(0));
    const int moved = Nearest(double(X - FDownPos) / room * g->ColCount());
    g->SetLeftCol(std::max(g->FixedCols(), std::min(moved + FDownRow, g->ColCount() - g->VisibleColCount())));
  } else {
    const int room = std::max(1, Height() - g->RowHeights(0));
    const int moved = Nearest(double(Y - FDownPos) / room * g->RowCount());
    g->SetTopRow(std::max(g->FixedRows(), std::min(moved + FDownRow, g->RowCount() - g->VisibleRowCount())));
  }
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FDownOnScroller = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TPlexStringGrid::CreateScrollControls() {
  const auto make = [this](TScrollControl*& Bar, TScrollDirection Direction) {
    if (Bar) return;
    Bar = new TScrollControl(this);
    Bar->SetDirection(Direction);
    Bar->SetParent(this);
    if (Direction == sdVertical) {
      Bar->SetWidth(MetroBarThickness);
      Bar->SetAlign(alRight);
    } else {
      Bar->SetHeight(MetroBarThickness);
      Bar->SetAlign(alBottom);
    }
    Bar->Show();
  };
  make(FVScrollControl, sdVertical);
  make(FHScrollControl, sdHorizontal);
}

void TPlexStringGrid::FreeScrollControls() {
  delete FVScrollControl;
  FVScrollControl = nullptr;
  delete FHScrollControl;
  FHScrollControl = nullptr;
}
