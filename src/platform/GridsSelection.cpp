// The current cell, the anchor and the selection between them. Every move of
// the current cell asks SelectCell first.
#include "platform/Grids.h"

#include <algorithm>

void TCustomGrid::CheckCoord(int ACol, int ARow) const {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
    throw EInvalidGridOperation(SGridIndexOutOfRange);
}

bool TCustomGrid::SelectCell(int ACol, int ARow) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
  return canSelect;
}

TGridRect TCustomGrid::Selection() const {
  return TGridRect{std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
                   std::max(FCurrent.Y, FAnchor.Y)};
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  const int left = std::min(Value.Left, Value.Right), right = std::max(Value.Left, Value.Right);
  const int top = std::min(Value.Top, Value.Bottom), bottom = std::max(Value.Top, Value.Bottom);
  CheckCoord(left, top);
  CheckCoord(right, bottom);
  const TGridRect old = Selection();
  if (FEditorMode && !FOptions.Contains(goAlwaysShowEditor)) HideEditor();
  FAnchor = TGridCoord{left, top};
  FCurrent = TGridCoord{right, bottom};
  ClampInView(FCurrent);
  SelectionMoved(old);
  UpdateEdit();
}

void TCustomGrid::SetCol(int Value) {
  if (Value == FCurrent.X) return;
  FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value == FCurrent.Y) return;
  FocusCell(FCurrent.X, Value, true);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveColRow(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  Click();
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  CheckCoord(ACol, ARow);
  if (!SelectCell(ACol, ARow)) return;
  const TGridRect old = Selection();
  const bool moved = ACol != FCurrent.X || ARow != FCurrent.Y;
  if (moved && FEditorMode) {
    if (FOptions.Contains(goAlwaysShowEditor))
      HideEdit();
    else
      HideEditor();
  }
  FCurrent = TGridCoord{ACol, ARow};
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
  if (Show) ClampInView(FCurrent);
  SelectionMoved(old);
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor) {
  if (FOptions.Contains(goRangeSelect) && !FOptions.Contains(goEditing)) {
    if (NewAnchor.X < 0 || NewAnchor.Y < 0 || NewAnchor.X >= ColCount() || NewAnchor.Y >= RowCount()) return;
    const TGridRect old = Selection();
    FAnchor = NewAnchor;
    if (FOptions.Contains(goRowSelect)) FAnchor.X = ColCount() - 1;
    ClampInView(NewAnchor);
    SelectionMoved(old);
  } else {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
  }
}

void TCustomGrid::ClampInView(const TGridCoord& Coord) {
  if (Coord.X < 0 || Coord.Y < 0 || Coord.X >= ColCount() || Coord.Y >= RowCount()) return;
  TGridCoord tl = FTopLeft;
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  if (Coord.X >= FFixedCols) {
    if (Coord.X < tl.X)
      tl.X = Coord.X;
    else if (Coord.X > cols.LastFullVisible()) {
      // Scroll so that the column is the last one shown whole.
      int room = cols.Extent - cols.FixedBoundary() - cols.Size(Coord.X);
      int first = Coord.X;
      while (first - 1 >= FFixedCols && room - (cols.Size(first - 1) + cols.LineWidth) >= 0) {
        room -= cols.Size(first - 1) + cols.LineWidth;
        --first;
      }
      tl.X = std::max(tl.X, first);
    }
  }
  if (Coord.Y >= FFixedRows) {
    if (Coord.Y < tl.Y)
      tl.Y = Coord.Y;
    else if (Coord.Y > rows.LastFullVisible()) {
      int room = rows.Extent - rows.FixedBoundary() - rows.Size(Coord.Y);
      int first = Coord.Y;
      while (first - 1 >= FFixedRows && room - (rows.Size(first - 1) + rows.LineWidth) >= 0) {
        room -= rows.Size(first - 1) + rows.LineWidth;
        --first;
      }
      tl.Y = std::max(tl.Y, first);
    }
  }
  MoveTopLeft(tl.X, tl.Y);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  ALeft = std::clamp(ALeft, FFixedCols, ColCount() - 1);
  ATop = std::clamp(ATop, FFixedRows, RowCount() - 1);
  if (ALeft == FTopLeft.X && ATop == FTopLeft.Y) return;
  FTopLeft = TGridCoord{ALeft, ATop};
  Invalidate();
  TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int Value) { MoveTopLeft(Value, FTopLeft.Y); }
void TCustomGrid::SetTopRow(int Value) { MoveTopLeft(FTopLeft.X, Value); }

void TCustomGrid::TopLeftChanged() {
  UpdateScrollPos();
  UpdateEdit();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  if (OldSel == Selection()) {
    InvalidateCell(FCurrent.X, FCurrent.Y);
    return;
  }
  InvalidateRange(OldSel);
  InvalidateRange(Selection());
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  CheckCoord(FromIndex, 0);
  CheckCoord(ToIndex, 0);
  if (FromIndex == ToIndex) return;
  if (FEditorMode) HideEdit();
  const int w = FColWidths[size_t(FromIndex)];
  FColWidths.erase(FColWidths.begin() + FromIndex);
  FColWidths.insert(FColWidths.begin() + ToIndex, w);
  ColumnMoved(FromIndex, ToIndex);
  auto follow = [&](int& x) {
    if (x == FromIndex)
      x = ToIndex;
    else if (FromIndex < ToIndex && x > FromIndex && x <= ToIndex)
      --x;
    else if (FromIndex > ToIndex && x >= ToIndex && x < FromIndex)
      ++x;
  };
  follow(FCurrent.X);
  follow(FAnchor.X);
  ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  CheckCoord(0, FromIndex);
  CheckCoord(0, ToIndex);
  if (FromIndex == ToIndex) return;
  if (FEditorMode) HideEdit();
  const int h = FRowHeights[size_t(FromIndex)];
  FRowHeights.erase(FRowHeights.begin() + FromIndex);
  FRowHeights.insert(FRowHeights.begin() + ToIndex, h);
  RowMoved(FromIndex, ToIndex);
  auto follow = [&](int& y) {
    if (y == FromIndex)
      y = ToIndex;
    else if (FromIndex < ToIndex && y > FromIndex && y <= ToIndex)
      --y;
    else if (FromIndex > ToIndex && y >= ToIndex && y < FromIndex)
      ++y;
  };
  follow(FCurrent.Y);
  follow(FAnchor.Y);
  RowHeightsChanged();
}

void TCustomGrid::DeleteColumn(int ACol) {
  CheckCoord(ACol, 0);
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow) {
  CheckCoord(0, ARow);
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}
