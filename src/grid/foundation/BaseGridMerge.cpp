// Merged cells of the base grid: making and undoing blocks, finding a cell's
// block, the rectangles of cells and blocks, and how keys, the wheel and
// scrolling treat blocks. Every query keeps to the grid whatever the merge
// encoding in the properties says.
#include "grid/foundation/BaseGrid.h"

#include <algorithm>

TPoint TBaseGrid::SafeBaseCell(int ACol, int ARow, const TCellProperties* Props) const {
  const TPoint b = Props->GetBaseCell(ACol, ARow);
  if (b.X < 0 || b.Y < 0 || b.X >= StoreColCount() || b.Y >= RowCount()) return TPoint(ACol, ARow);
  return b;
}

void TBaseGrid::MergeCells(int ACol, int ARow, int AColCount, int ARowCount) {
  ++FMergeCount;
  // A block is clipped to the grid so that its encoding never points outside.
  const int lastCol = std::min(ACol + AColCount - 1, TotalColCount() - 1);
  const int lastRow = std::min(ARow + ARowCount - 1, RowCount() - 1);
  if (ACol < 0 || ARow < 0 || lastCol < ACol || lastRow < ARow) return;
  for (int c = ACol; c <= lastCol; ++c) {
    for (int r = ARow; r <= lastRow; ++r) {
      TCellProperties* p = GetCellProperties(c, r);
      const bool base = c == ACol && r == ARow;
      p->IsBaseCell = base;
      p->CellSpanX = base ? lastCol - ACol : c - ACol;
      p->CellSpanY = base ? lastRow - ARow : r - ARow;
    }
  }
  for (int c = ACol; c <= lastCol; ++c)
    for (int r = ARow; r <= lastRow; ++r) RepaintCell(c, r);
}

void TBaseGrid::SplitCells(int ACol, int ARow) {
  if (InCellStore(ACol, ARow) && ACol < TotalColCount()) {
    const TPoint b = SafeBaseCell(ACol, ARow, GetCellProperties(ACol, ARow));
    const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : nullptr;
    const int lastCol = bp ? std::min(b.X + bp->CellSpanX, TotalColCount() - 1) : b.X - 1;
    const int lastRow = bp ? std::min(b.Y + bp->CellSpanY, RowCount() - 1) : b.Y - 1;
    for (int c = b.X; c <= lastCol; ++c) {
      for (int r = b.Y; r <= lastRow; ++r) {
        TCellProperties* p = GetCellProperties(c, r);
        p->IsBaseCell = true;
        p->CellSpanX = -1;
        p->CellSpanY = -1;
      }
    }
    for (int c = b.X; c <= lastCol; ++c)
      for (int r = b.Y; r <= lastRow; ++r) RepaintCell(c, r);
  }
  --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return TPoint(ACol, ARow);
  return SafeBaseCell(ACol, ARow, PropsOf(ACol, ARow));
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
  return !HasCellProperties(ACol, ARow) || PropsOf(ACol, ARow)->IsBaseCell;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return false;
  const TCellProperties* p = PropsOf(ACol, ARow);
  return p->CellSpanX > 0 || p->CellSpanY > 0;
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !PropsOf(ACol, ARow)->IsBaseCell;
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return false;
  const TPoint b = BaseCell(ACol, ARow);
  const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : nullptr;
  return bp && bp->CellSpanX > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return false;
  const TPoint b = BaseCell(ACol, ARow);
  const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : nullptr;
  return bp && bp->CellSpanY > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return TPoint(0, 0);
  const TCellProperties* p = PropsOf(ACol, ARow);
  if (p->CellSpanX == -1 || p->CellSpanY == -1) return TPoint(0, 0);
  const TPoint b = BaseCell(ACol, ARow);
  const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : nullptr;
  if (!bp || bp->CellSpanX < 0 || bp->CellSpanY < 0) return TPoint(0, 0);
  return TPoint(bp->CellSpanX, bp->CellSpanY);
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return TPoint(0, 0);
  const TCellProperties* p = PropsOf(ACol, ARow);
  if (p->CellSpanX == -1 || p->CellSpanY == -1) return TPoint(0, 0);
  const TPoint b = BaseCell(ACol, ARow);
  const TPoint span = CellSpan(ACol, ARow);
  return TPoint(b.X + span.X - ACol, b.Y + span.Y - ARow);
}

TRect TBaseGrid::FullCell(int ACol, int ARow) const {
  const TPoint b = BaseCell(ACol, ARow);
  const TPoint span = CellSpan(ACol, ARow);
  return TRect(b.X, b.Y, b.X + span.X, b.Y + span.Y);
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  BaseCol = ACol;
  BaseRow = ARow;
  if (!HasCellProperties(ACol, ARow) || PropsOf(ACol, ARow)->IsBaseCell) return true;
  const TPoint b = BaseCell(ACol, ARow);
  BaseCol = b.X;
  BaseRow = b.Y;
  return false;
}

int TBaseGrid::MinRowSpan(int ARow) const {
  int result = RowCount();
  for (int c = 0; c < ColCount(); ++c) {
    const int span = CellSpan(c, ARow).Y;
    if (span > 0) result = std::min(result, span);
  }
  return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
  bool found = false;
  for (int c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
      found = true;
      if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    }
  }
  return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
  bool found = false;
  for (int r = 0; r < RowCount(); ++r) {
    const int s1 = CellSpan(ACol1, r).X, s2 = CellSpan(ACol2, r).X;
    if (s1 > 0 && s2 > 0) {
      found = true;
      if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
    } else if (s1 != s2) {
      return false;
    }
  }
  return found;
}

void TBaseGrid::MoveToBaseCell() {
  const TPoint b = BaseCell(Col(), Row());
  if (b.X == Col() && b.Y == Row()) return;
  if (b.X < FixedCols() || b.Y < FixedRows() || b.X >= ColCount() || b.Y >= RowCount()) return;
  MoveColRow(b.X, b.Y, true, true);
}

// ---- geometry ----

int TBaseGrid::FixedColsWidth() const {
  int w = 0;
  for (int c = 0; c < FixedCols(); ++c) w += ColWidths(c);
  return w;
}

int TBaseGrid::FixedRowsHeight() const {
  int h = 0;
  for (int r = 0; r < FixedRows(); ++r) h += RowHeights(r);
  return h;
}

TRect TBaseGrid::VirtualCellRect(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return TRect();
  int x = 0, y = 0;
  for (int c = 0; c < ACol; ++c) x += ColWidths(c);
  for (int r = 0; r < ARow; ++r) y += RowHeights(r);
  TRect r(x, y, x + ColWidths(ACol), y + RowHeights(ARow));
  int scrolledX = 0, scrolledY = 0;
  if (ACol >= FixedCols())
    for (int c = 0; c < LeftCol(); ++c) scrolledX += ColWidths(c);
  if (ARow >= FixedRows())
    for (int k = 0; k < TopRow(); ++k) scrolledY += RowHeights(k);
  const TRect origin = PlainCellRect(LeftCol(), TopRow());
  OffsetRect(r, (ACol < FixedCols() ? 0 : origin.Left) - scrolledX, (ARow < FixedRows() ? 0 : origin.Top) - scrolledY);
  return r;
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const {
  const TCellProperties* p = HasCellProperties(ACol, ARow) ? PropsOf(ACol, ARow) : nullptr;
  if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
    const TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : p;
    // The far corner is kept inside the size arrays whatever the spans say.
    const int farCol = std::clamp(b.X + std::max(0, bp->CellSpanX), 0, ColCount() - 1);
    const int farRow = std::clamp(b.Y + std::max(0, bp->CellSpanY), 0, RowCount() - 1);
    TRect r1 = VirtualCellRect(std::min(b.X, ColCount() - 1), std::min(b.Y, RowCount() - 1));
    if (r1.Width() == 0) r1.Right += 1;
    TRect r2 = VirtualCellRect(farCol, farRow);
    if (r2.Width() == 0) r2.Left -= 1;
    TRect u;
    UnionRect(u, r1, r2);
    return u;
  }
  if (p && p->Control) return VirtualCellRect(ACol, ARow);
  const TRect r = PlainCellRect(ACol, ARow);
  return TRect(r.Left, r.Top, r.Left + ColWidths(ACol), r.Top + RowHeights(ARow));
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  const TCellProperties* p = HasCellProperties(ACol, ARow) ? PropsOf(ACol, ARow) : nullptr;
  TRect r = VirtualCellRect(ACol, ARow);
  if (p && (p->CellSpanX != -1 || p->CellSpanY != -1)) {
    const TPoint b = BaseCell(ACol, ARow);
    const TCellProperties* bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : p;
    const int farCol = std::clamp(b.X + std::max(0, bp->CellSpanX), 0, ColCount() - 1);
    const int farRow = std::clamp(b.Y + std::max(0, bp->CellSpanY), 0, RowCount() - 1);
    UnionRect(r, VirtualCellRect(std::min(b.X, ColCount() - 1), std::min(b.Y, RowCount() - 1)),
              VirtualCellRect(farCol, farRow));
  }
  return TPoint(r.Width(), r.Height());
}

// ---- navigation ----

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
  const TCellProperties* cur = HasCellProperties(Col(), Row()) ? PropsOf(Col(), Row()) : nullptr;
  TPoint b(Col(), Row());
  const TCellProperties* bp = nullptr;
  if (cur) {
    b = BaseCell(Col(), Row());
    bp = HasCellProperties(b.X, b.Y) ? PropsOf(b.X, b.Y) : nullptr;
  }
  const int spanX = bp ? std::max(0, bp->CellSpanX) : 0;
  const int spanY = bp ? std::max(0, bp->CellSpanY) : 0;
  switch (Key) {
    case VK_NEXT:
      if (VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1 && FHideLastRow && RowCount() > 1)
        SetRow(RowCount() - 2);
      break;
    case VK_LEFT:
      // From inside a block, start at its first column so that one step leaves it.
      if (cur && b.X < Col() && Col() > FixedCols() && b.X >= FixedCols()) SetCol(b.X);
      break;
    case VK_UP:
      if (cur && b.Y < Row() && Row() > FixedRows() && b.Y >= FixedRows()) SetRow(b.Y);
      break;
    case VK_RIGHT:
      if (cur && b.X + spanX >= Col() && Col() < ColCount() - 1 && b.X < ColCount() - 1 && b.X + spanX < ColCount())
        SetCol(b.X + spanX);
      break;
    case VK_DOWN:
      if (cur && b.Y + spanY >= Row() && Row() < RowCount() - 1 && b.Y < RowCount() - 1)
        SetRow(std::min(b.Y + spanY, RowCount() - 1));
      break;
    default: break;
  }
  const bool pageDown = Key == VK_NEXT;
  TObjStringGrid::KeyDown(Key, Shift);
  // The page step itself would land on the hidden last row.
  if (pageDown && FHideLastRow && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows()) SetRow(RowCount() - 2);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  RepaintCell(Col(), Row());
  const bool result = TObjStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  if (FixedCols() > 0) {
    for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
      for (int c = 0; c < FixedCols(); ++c)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
  if (FixedRows() > 0) {
    for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
      for (int r = 0; r < FixedRows(); ++r)
        if (IsMergedCell(c, r)) RepaintCell(c, r);
  }
}
