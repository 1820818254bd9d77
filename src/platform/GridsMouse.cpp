// The grid's default mouse handling: pressing selects or opens the editor,
// dragging extends the range (scrolling on a timer outside the cells), the
// fixed borders size columns and rows, the fixed cells move them.
#include "platform/Grids.h"

#include <algorithm>
#include <cstdlib>

namespace {
// How far from a border the mouse may be to grab it.
constexpr int SizingGrip = 2;
}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  State = gsNormal;
  Index = -1;
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  auto nearBorder = [](const AxisInfo& a, int p, int& idx, int& border) {
    const int last = a.LastVisible();
    for (int i = 0; i <= last && i < a.Count(); ++i) {
      const int start = a.Pos(i);
      if (start < 0) continue;
      const int edge = start + a.Size(i);
      if (std::abs(p - edge) <= SizingGrip) {
        idx = i;
        border = edge;
        return true;
      }
    }
    return false;
  };
  int border = 0;
  if (FOptions.Contains(goColSizing) && Y >= 0 && Y < rows.FixedBoundary() && nearBorder(cols, X, Index, border)) {
    State = gsColSizing;
  } else if (FOptions.Contains(goRowSizing) && X >= 0 && X < cols.FixedBoundary() &&
             nearBorder(rows, Y, Index, border)) {
    State = gsRowSizing;
  } else {
    return;
  }
  SizingPos = border;
  SizingOfs = border - (State == gsColSizing ? X : Y);
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!Focused() && CanFocus()) SetFocus();
  FLastMouse = TPoint(X, Y);
  if (Button == mbLeft && !Shift.Contains(ssDouble)) {
    CalcSizingState(X, Y, FGridState, FSizingIndex, FSizingPos, FSizingOfs);
    if (FGridState == gsNormal) {
      const TGridCoord hit = MouseCoord(X, Y);
      if (hit.X >= FFixedCols && hit.Y >= FFixedRows) {
        if (FOptions.Contains(goEditing) && hit == FCurrent) {
          ShowEditor();
        } else {
          FGridState = gsSelecting;
          SetTimer(GridDragScrollTimerId, GridDragScrollInterval);
          if (Shift.Contains(ssShift))
            MoveAnchor(hit);
          else
            MoveColRow(hit.X, hit.Y, true, true);
          UpdateEdit();
        }
      } else if (FOptions.Contains(goRowMoving) && hit.X >= 0 && hit.X < FFixedCols && hit.Y >= FFixedRows) {
        FGridState = gsRowMoving;
        FMoveIndex = FMovePos = hit.Y;
        SetMouseCapture(true);
      } else if (FOptions.Contains(goColMoving) && hit.Y >= 0 && hit.Y < FFixedRows && hit.X >= FFixedCols) {
        FGridState = gsColMoving;
        FMoveIndex = FMovePos = hit.X;
        SetMouseCapture(true);
      }
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
  FLastMouse = TPoint(X, Y);
  switch (FGridState) {
    case gsSelecting: {
      const TGridCoord hit = MouseCoord(X, Y);
      if (hit.X >= FFixedCols && hit.Y >= FFixedRows && hit.X <= ColAxis().LastFullVisible() &&
          hit.Y <= RowAxis().LastFullVisible())
        MoveAnchor(hit);
      break;
    }
    case gsColMoving:
    case gsRowMoving: {
      const TGridCoord hit = MouseCoord(X, Y);
      const bool cols = FGridState == gsColMoving;
      const int idx = cols ? hit.X : hit.Y;
      if (idx >= (cols ? FFixedCols : FFixedRows)) FMovePos = idx;
      break;
    }
    case gsNormal: {
      TGridState state = gsNormal;
      int index = -1, pos = 0, ofs = 0;
      CalcSizingState(X, Y, state, index, pos, ofs);
      // The split cursor shows over a border only; leaving it gives the cursor back that was there before.
      if (state == gsColSizing || state == gsRowSizing) {
        if (!FSplitCursorShown) FCursorBeforeSplit = Cursor();
        FSplitCursorShown = true;
        const TCursor c = state == gsColSizing ? crHSplit : crVSplit;
        if (Cursor() != c) SetCursor(c);
      } else if (FSplitCursorShown) {
        FSplitCursorShown = false;
        SetCursor(FCursorBeforeSplit);
      }
      break;
    }
    default: break;
  }
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  switch (FGridState) {
    case gsSelecting:
      MouseMove(Shift, X, Y);
      KillTimer(GridDragScrollTimerId);
      UpdateEdit();
      break;
    case gsColSizing:
    case gsRowSizing: {
      const bool cols = FGridState == gsColSizing;
      const AxisInfo a = cols ? ColAxis() : RowAxis();
      const int start = a.Pos(FSizingIndex);
      if (start >= 0) {
        const int size = std::max(1, (cols ? X : Y) + FSizingOfs - start);
        if (cols)
          SetColWidths(FSizingIndex, size);
        else
          SetRowHeights(FSizingIndex, size);
      }
      break;
    }
    case gsColMoving:
    case gsRowMoving:
      SetMouseCapture(false);
      if (FMovePos >= 0 && FMovePos != FMoveIndex) {
        if (FGridState == gsColMoving)
          MoveColumn(FMoveIndex, FMovePos);
        else
          MoveRow(FMoveIndex, FMovePos);
      }
      break;
    default: break;
  }
  FGridState = gsNormal;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// While a range is dragged outside the cells, each timer tick scrolls one
// line towards the mouse and extends the range to the newly shown cell.
void TCustomGrid::TimedScroll() {
  if (FGridState != gsSelecting) return;
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  TGridCoord target = FAnchor;
  TGridCoord tl = FTopLeft;
  if (FLastMouse.X < cols.FixedBoundary() && tl.X > FFixedCols) {
    --tl.X;
    target.X = tl.X;
  } else if (FLastMouse.X >= cols.Extent || (FLastMouse.X >= 0 && MouseCoord(FLastMouse.X, 0).X < 0)) {
    const int last = cols.LastFullVisible();
    if (last < ColCount() - 1) {
      ++tl.X;
      target.X = last + 1;
    } else {
      target.X = ColCount() - 1;
    }
  }
  if (FLastMouse.Y < rows.FixedBoundary() && tl.Y > FFixedRows) {
    --tl.Y;
    target.Y = tl.Y;
  } else if (FLastMouse.Y >= rows.Extent || (FLastMouse.Y >= 0 && MouseCoord(0, FLastMouse.Y).Y < 0)) {
    const int last = rows.LastFullVisible();
    if (last < RowCount() - 1) {
      ++tl.Y;
      target.Y = last + 1;
    } else {
      target.Y = RowCount() - 1;
    }
  }
  if (tl != FTopLeft) MoveTopLeft(tl.X, tl.Y);
  target.X = std::clamp(target.X, FFixedCols, ColCount() - 1);
  target.Y = std::clamp(target.Y, FFixedRows, RowCount() - 1);
  if (target != FAnchor) MoveAnchor(target);
}

bool TCustomGrid::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (WheelDelta < 0) return DoMouseWheelDown(Shift, MousePos);
  if (WheelDelta > 0) return DoMouseWheelUp(Shift, MousePos);
  return false;
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  if (!handled && FCurrent.Y < RowCount() - 1) {
    MoveColRow(FCurrent.X, FCurrent.Y + 1, true, true);
    UpdateEdit();
  }
  return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  if (!handled && FCurrent.Y > FFixedRows) {
    MoveColRow(FCurrent.X, FCurrent.Y - 1, true, true);
    UpdateEdit();
  }
  return true;
}
