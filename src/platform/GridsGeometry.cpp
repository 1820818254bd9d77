// Geometry of the grid: where cells lie at the current scroll position, which
// are visible, and which cell a point hits.
#include "platform/Grids.h"

#include <QScrollBar>

#include <algorithm>

int TCustomGrid::AxisInfo::FixedBoundary() const {
  int pos = 0;
  for (int i = 0; i < FixedCount && i < Count(); ++i) pos += Size(i) + LineWidth;
  return pos;
}

int TCustomGrid::AxisInfo::Pos(int i) const {
  if (i < 0 || i >= Count()) return -1;
  int pos = 0;
  int start = 0;
  if (i >= FixedCount) {
    if (i < First) return -1;
    pos = FixedBoundary();
    start = First;
  }
  for (int k = start; k < i; ++k) {
    pos += Size(k) + LineWidth;
    if (pos >= Extent) return -1;
  }
  return pos < Extent ? pos : -1;
}

int TCustomGrid::AxisInfo::LastFullVisible() const {
  int pos = FixedBoundary();
  int last = First - 1;
  for (int i = First; i < Count(); ++i) {
    pos += Size(i);
    if (pos > Extent) break;
    last = i;
    pos += LineWidth;
  }
  return last;
}

int TCustomGrid::AxisInfo::LastVisible() const {
  int pos = FixedBoundary();
  int last = First - 1;
  for (int i = First; i < Count() && pos < Extent; ++i) {
    last = i;
    pos += Size(i) + LineWidth;
  }
  return last;
}

int TCustomGrid::AxisInfo::CellAt(int pixel) const {
  if (pixel < 0 || pixel >= Extent) return -1;
  int pos = 0;
  for (int i = 0; i < FixedCount && i < Count(); ++i) {
    pos += Size(i) + LineWidth;
    if (pixel < pos) return i;
  }
  for (int i = First; i < Count(); ++i) {
    pos += Size(i) + LineWidth;
    if (pixel < pos) return i;
  }
  return -1;
}

int TCustomGrid::AxisInfo::MaxFirst() const {
  int room = Extent - FixedBoundary();
  int i = Count() - 1;
  while (i >= FixedCount) {
    room -= Size(i) + LineWidth;
    if (room < 0) break;
    --i;
  }
  if (room >= 0) return FixedCount;
  return std::min(Count() - 1, std::max(FixedCount, i + 1));
}

TCustomGrid::AxisInfo TCustomGrid::ColAxis() const {
  AxisInfo a;
  a.Sizes = &FColWidths;
  a.LineWidth = FOptions.Contains(goVertLine) || FOptions.Contains(goFixedVertLine) ? LayoutLineWidth() : 0;
  a.FixedCount = FFixedCols;
  a.First = FTopLeft.X;
  a.Extent = ClientWidth();
  return a;
}

TCustomGrid::AxisInfo TCustomGrid::RowAxis() const {
  AxisInfo a;
  a.Sizes = &FRowHeights;
  a.LineWidth = FOptions.Contains(goHorzLine) || FOptions.Contains(goFixedHorzLine) ? LayoutLineWidth() : 0;
  a.FixedCount = FFixedRows;
  a.First = FTopLeft.Y;
  a.Extent = ClientHeight();
  return a;
}

int TCustomGrid::ClientWidth() const {
  int w = Width();
  if (FVBarOn) w -= FVScroll->sizeHint().width();
  return std::max(0, w);
}

int TCustomGrid::ClientHeight() const {
  int h = Height();
  if (FHBarOn) h -= FHScroll->sizeHint().height();
  return std::max(0, h);
}

TRect TCustomGrid::PlainCellRect(int ACol, int ARow) const {
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  const int x = cols.Pos(ACol);
  const int y = rows.Pos(ARow);
  if (x < 0 || y < 0) return TRect();
  return TRect(x, y, std::min(x + cols.Size(ACol), cols.Extent), std::min(y + rows.Size(ARow), rows.Extent));
}

int TCustomGrid::VisibleColCount() const {
  const AxisInfo a = ColAxis();
  return std::max(0, a.LastFullVisible() - a.First + 1);
}

int TCustomGrid::VisibleRowCount() const {
  const AxisInfo a = RowAxis();
  return std::max(0, a.LastFullVisible() - a.First + 1);
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  TGridCoord c{ColAxis().CellAt(X), RowAxis().CellAt(Y)};
  if (c.X < 0 || c.Y < 0) return TGridCoord{-1, -1};
  return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  const TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

int TCustomGrid::GridWidth() const {
  const AxisInfo a = ColAxis();
  const int last = a.LastVisible();
  if (last < 0) return a.FixedBoundary();
  const int pos = a.Pos(last);
  return std::min(a.Extent, (pos < 0 ? a.FixedBoundary() : pos) + a.Size(last) + a.LineWidth);
}

int TCustomGrid::GridHeight() const {
  const AxisInfo a = RowAxis();
  const int last = a.LastVisible();
  if (last < 0) return a.FixedBoundary();
  const int pos = a.Pos(last);
  return std::min(a.Extent, (pos < 0 ? a.FixedBoundary() : pos) + a.Size(last) + a.LineWidth);
}

TGridCoord TCustomGrid::MaxTopLeft() const { return TGridCoord{ColAxis().MaxFirst(), RowAxis().MaxFirst()}; }

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!Widget() || !Widget()->isVisible()) return;
  const TRect r = PlainCellRect(ACol, ARow);
  const int lw = LayoutLineWidth();
  if (!r.IsEmpty()) InvalidateRect(TRect(r.Left, r.Top, r.Right + lw, r.Bottom + lw));
}

void TCustomGrid::InvalidateCol(int ACol) {
  if (!Widget() || !Widget()->isVisible()) return;
  const AxisInfo a = ColAxis();
  const int x = a.Pos(ACol);
  if (x >= 0) InvalidateRect(TRect(x, 0, x + a.Size(ACol) + a.LineWidth, ClientHeight()));
}

void TCustomGrid::InvalidateRow(int ARow) {
  if (!Widget() || !Widget()->isVisible()) return;
  const AxisInfo a = RowAxis();
  const int y = a.Pos(ARow);
  if (y >= 0) InvalidateRect(TRect(0, y, ClientWidth(), y + a.Size(ARow) + a.LineWidth));
}

void TCustomGrid::InvalidateRange(const TGridRect& r) {
  if (!Widget() || !Widget()->isVisible()) return;
  Invalidate();
  (void)r;
}
