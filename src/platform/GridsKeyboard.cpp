// The grid's default key handling: arrows, pages, Home/End, Ctrl moves that
// scroll, Shift range selection, Tab with goTabs, F2 and Enter for the editor,
// and typing that opens the editor.
#include "platform/Grids.h"

#include <algorithm>

namespace {

// The next cell for Tab: along the row, wrapping to the next or previous row.
TGridCoord TabStep(TGridCoord c, bool backwards, int fixedCols, int fixedRows, int colCount, int rowCount) {
  if (backwards) {
    if (c.X > fixedCols)
      --c.X;
    else if (c.Y > fixedRows) {
      --c.Y;
      c.X = colCount - 1;
    }
  } else {
    if (c.X < colCount - 1)
      ++c.X;
    else if (c.Y < rowCount - 1) {
      ++c.Y;
      c.X = fixedCols;
    }
  }
  return c;
}

}  // namespace

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const int page = std::max(1, VisibleRowCount());
  TGridCoord cur = FCurrent;
  TGridCoord tl = FTopLeft;
  // With Shift the far corner of the range moves; otherwise the current cell.
  const bool ranging = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect) && !FOptions.Contains(goEditing);
  if (ranging) cur = FAnchor;
  bool handled = true;
  if (ctrl) {
    switch (Key) {
      case VK_UP: tl.Y -= 1; break;
      case VK_DOWN: tl.Y += 1; break;
      case VK_LEFT: tl.X -= 1; break;
      case VK_RIGHT: tl.X += 1; break;
      case VK_PRIOR: cur.Y = FTopLeft.Y; break;
      case VK_NEXT: cur.Y = FTopLeft.Y + page - 1; break;
      case VK_HOME: cur = TGridCoord{FFixedCols, FFixedRows}; break;
      case VK_END: cur = TGridCoord{ColCount() - 1, RowCount() - 1}; break;
      default: handled = false; break;
    }
  } else {
    switch (Key) {
      case VK_UP: cur.Y -= 1; break;
      case VK_DOWN: cur.Y += 1; break;
      case VK_LEFT:
        if (rowSelect)
          tl.X -= 1;
        else
          cur.X -= 1;
        break;
      case VK_RIGHT:
        if (rowSelect)
          tl.X += 1;
        else
          cur.X += 1;
        break;
      case VK_NEXT:
        cur.Y += page;
        tl.Y += page;
        break;
      case VK_PRIOR:
        cur.Y -= page;
        tl.Y -= page;
        break;
      case VK_HOME:
        if (rowSelect)
          cur.Y = FFixedRows;
        else
          cur.X = FFixedCols;
        break;
      case VK_END:
        if (rowSelect)
          cur.Y = RowCount() - 1;
        else
          cur.X = ColCount() - 1;
        break;
      case VK_TAB:
        if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt)) {
          handled = false;
          break;
        }
        cur = TabStep(FCurrent, Shift.Contains(ssShift), FFixedCols, FFixedRows, ColCount(), RowCount());
        break;
      case VK_F2: SetEditorMode(true); return;
      default: handled = false; break;
    }
  }
  if (!handled) return;
  cur.X = std::clamp(cur.X, FFixedCols, ColCount() - 1);
  cur.Y = std::clamp(cur.Y, FFixedRows, RowCount() - 1);
  if (tl != FTopLeft) MoveTopLeft(tl.X, tl.Y);
  if (Key == VK_TAB) {
    if (cur != FCurrent) FocusCell(cur.X, cur.Y, true);
    Key = 0;
    return;
  }
  if (ranging) {
    if (cur != FAnchor) MoveAnchor(cur);
  } else if (cur != FCurrent) {
    MoveColRow(cur.X, cur.Y, true, true);
    UpdateEdit();
  }
}

void TCustomGrid::KeyPress(QChar& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == QChar(13) && !FOptions.Contains(goAlwaysShowEditor)) {
    if (FEditorMode)
      HideEditor();
    else
      ShowEditor();
    Key = QChar(0);
  }
}
