// Moving the current cell on behalf of editing: the advance after Enter and
// the editors' caret walk, the Tab steps, and the row appended by Down at the
// end of the grid. Every repetition here is bounded: an advance over
// read-only cells or a Tab step over cells that cannot be edited stops when
// it comes back to where it began or after one pass over all cells, so no
// key can keep the grid busy for ever.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/foundation/IntList.h"
#include "platform/Messages.h"

#include <algorithm>
#include <array>

namespace {

// Editor kinds that stay open when an advance lands on a clickable cell.
constexpr std::array<int, 10> EditorsKeptOpen = {0, 11, 12, 13, 14, 15, 16, 18, 19, 39};

bool KeptOpen(TEditorType Editor) {
  return std::find(EditorsKeptOpen.begin(), EditorsKeptOpen.end(), int(Editor)) != EditorsKeptOpen.end();
}

}  // namespace

// ---- shared tests

int TPlexStringGrid::FirstNavigableCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TPlexStringGrid::VisibleFixedRightCols() const {
  int count = 0;
  for (int i = 0; i < FFixedRightCols; ++i)
    if (!IsHiddenColumn(TotalColCount() - 1 - i)) ++count;
  return count;
}

bool TPlexStringGrid::IsSelectableCell(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  bool can = Options().Contains(goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

// The search starts at the first navigable column: a fixed column never takes the cursor.
int TPlexStringGrid::FirstSelectableCol(int ARow) {
  for (int c = FirstNavigableCol(); c < ColCount(); ++c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

int TPlexStringGrid::LastSelectableCol(int ARow) {
  for (int c = ColCount() - 1; c >= FirstNavigableCol(); --c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

bool TPlexStringGrid::IsLastNormalRow() {
  return Row() == RowCount() - FFixedFooters - 1 || (FFloatingFooter->Visible() && Row() == RowCount() - 2);
}

void TPlexStringGrid::SimulateCellClick(int ACol, int ARow) {
  const TRect r = CellRect(ACol, ARow);
  const LPARAM at = MakeLParam(r.Left + 2, r.Top + 2);
  const TMouseEvent down = std::exchange(OnMouseDown, nullptr);
  const TMouseEvent up = std::exchange(OnMouseUp, nullptr);
  FForceSel = true;
  TMessage press{WM_LBUTTONDOWN, MK_LBUTTON, at, 0};
  TBaseGrid::WndProc(press);
  TMessage release{WM_LBUTTONUP, 0, at, 0};
  TBaseGrid::WndProc(release);
  FForceSel = false;
  OnMouseDown = down;
  OnMouseUp = up;
}

// ---- the advance

// The next cell of an advance from (ACol, ARow); false when the advance ends without a target.
bool TPlexStringGrid::AdvanceTarget(int& ACol, int& ARow, bool Forward) {
  const TAdvanceDirection dir = FNavigation->AdvanceDirection();
  const int sx = CellSpan(ACol, ARow).X;
  const int lastNormalRow = RowCount() - FFixedFooters - 1;
  const int lastNormalCol = ColCount() - FFixedRightCols - 1;
  if (!Forward) {
    if (dir == adLeftRight) {
      if (ACol > FirstNavigableCol()) {
        --ACol;
      } else {
        ACol = lastNormalCol;
        ARow = ARow > FixedRows() ? ARow - 1 : lastNormalRow;
      }
      return true;
    }
    if (dir == adTopBottom) {
      if (ARow > FixedRows()) {
        --ARow;
      } else {
        ARow = lastNormalRow;
        ACol = ACol > FirstNavigableCol() ? ACol - 1 : lastNormalCol;
      }
      return true;
    }
    return false;
  }
  if (dir == adLeftRight || dir == adLeftRightInRow) {
    if (ACol + sx < ColCount() - VisibleFixedRightCols() - 1) {
      ACol += sx + 1;
      return true;
    }
    if (dir == adLeftRightInRow) {
      if (!FNavigation->AdvanceOnEnterLoop) return false;
      ACol = FirstNavigableCol();
      return true;
    }
    if (ARow + 1 < RowCount() - FFixedFooters) {
      ACol = FirstNavigableCol();
      ++ARow;
      return true;
    }
    if (FNavigation->AdvanceInsert()) {
      bool canAdd = true;
      DoCanAddRow(canAdd);
      ACol = FirstNavigableCol();
      if (!canAdd) return true;
      AddRow();
      ++ARow;
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
      for (int c = FixedCols(); c < ColCount(); ++c)
        if (IsEditable(RealColIndex(c), ARow)) return true;
      return false;
    }
    if (!FNavigation->AdvanceOnEnterLoop) return false;
    ACol = FirstNavigableCol();
    ARow = FixedRows();
    return true;
  }
  if (ARow + 1 < RowCount() - FFixedFooters) {
    ++ARow;
    return true;
  }
  ARow = FixedRows();
  if (dir == adTopBottom) {
    if (ACol + 1 < ColCount() - FFixedRightCols) {
      ACol = ACol + 1 > ColCount() - 1 ? FirstNavigableCol() : ACol + 1;
    } else if (FNavigation->AdvanceInsert()) {
      SetColCount(ColCount() + 1);
      ACol = std::min(ACol + sx + 1, ColCount() - 1);
      if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
    } else {
      ACol = FirstNavigableCol();
    }
  }
  Invalidate();
  return true;
}

void TPlexStringGrid::MoveToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeat,
                                     bool EditAfter) {
  if (!FNavigation->AdvanceOnEnter && !Force) return;
  if (FMouseActions->RangeSelectAndEdit && !Options().Contains(goEditing)) {
    TGridOptions options = Options();
    options.Include(goEditing);
    SetOptions(options);
  }
  if (!Repeat) {
    FAECol = ACol;
    FAERow = ARow;
  }
  const int originCol = ACol, originRow = ARow;
  FStartEditChar = QChar();
  // One pass over all cells is the most a skip over read-only cells can need.
  const int bound = std::max(1, ColCount() * RowCount());
  for (int step = 0;; ++step) {
    if (!AdvanceTarget(ACol, ARow, Forward)) return;
    ACol = std::clamp(ACol, 0, ColCount() - 1);
    ARow = std::clamp(ARow, 0, RowCount() - 1);
    if (CanEditCellNow(RealColIndex(ACol), ARow)) {
      bool allow = true;
      if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, ARow, ACol, allow);
      ACol = std::clamp(ACol, 0, ColCount() - 1);
      ARow = std::clamp(ARow, 0, RowCount() - 1);
      if (allow) DoCellChanging(FAERow, FAECol, ARow, ACol, allow);
      FChangeDisable = true;
      if (allow)
        MoveColRow(ACol, ARow, true, true);
      else
        SelectCell(originCol, originRow);
      FChangeDisable = false;
      break;
    }
    const bool cameBack = ACol == FAECol && ARow == FAERow;
    if (!FNavigation->AdvanceSkipReadOnlyCells || cameBack || step + 1 >= bound) {
      // The cursor stays on the last cell reached, read-only as it is.
      if (ACol != Col() || ARow != Row()) MoveColRow(ACol, ARow, true, true);
      break;
    }
  }
  if (!EditAfter) return;
  if (!AdvanceEditorStep(originCol, originRow, AutoEdit)) return;
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(Row(), true);
  }
}

// The editor at the target of an advance; false when the advance ends here.
bool TPlexStringGrid::AdvanceEditorStep(int OC, int OR, bool AutoEdit) {
  const int realCol = RealColIndex(Col());
  const bool clickable = HasClickableGraphic(realCol, Row());
  if (!((AutoEdit && FNavigation->AdvanceAutoEdit) || clickable)) return true;
  if (!IsEditable(realCol, Row())) return false;
  ShowEditor();
  if (!clickable) return true;
  if (!HasClickableGraphic(RealColIndex(OC), OR)) {
    const TRect r = CellRect(Col(), Row());
    const LPARAM at = MakeLParam(r.Left + 2, r.Top + 2);
    Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    Perform(WM_LBUTTONUP, 0, at);
    if (FNavigation->AdvanceDirection() != adLeftRight) HideEditor();
  }
  FChangeDisable = false;
  bool ignored = true;
  DoCellChanging(OR, OC, Row(), Col(), ignored);
  TEditorType editor = DefaultEditor;
  DoGetEditorType(RealColIndex(OC), OR, editor);
  if (!KeptOpen(editor)) HideEditor();
  return true;
}

// ---- the Tab steps

bool TPlexStringGrid::NavigateFromEditor(bool Backward) {
  if (OnKeyDown) {
    WORD key = VK_TAB;
    OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState());
    if (key != VK_TAB) return true;
  }
  if (Col() == FLastTabCol && Row() == FLastTabRow) return true;
  FLastTabCol = Col();
  FLastTabRow = Row();
  bool result = true;
  // Repeated steps over merged blocks and cells that cannot be edited end when
  // they come back to the first step's cell, or after one pass over all cells.
  const int bound = std::max(1, ColCount() * RowCount());
  for (int step = 0; step < bound; ++step) {
    const int col = Col(), row = Row();
    const TTabResult r = TabStep(Backward);
    if (r == TTabResult::Parent) {
      if (Parent() && FNavigation->TabToNextAtEnd) {
        PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
        result = false;
        break;
      }
    }
    bool again = r == TTabResult::Again;
    if (Options().Contains(goEditing) && !IsEditable(RealColIndex(Col()), Row())) again = true;
    if (!again) break;
    if (Col() == FLastTabCol && Row() == FLastTabRow) break;
    if (Col() == col && Row() == row) break;
  }
  if (FNavigation->AdvanceAutoEdit && !HasClickableGraphic(RealColIndex(Col()), Row())) SimulateCellClick(Col(), Row());
  FLastTabCol = -1;
  FLastTabRow = -1;
  if (FNavigation->AlwaysEdit && CanFocus()) SetFocus();
  return result;
}

TPlexStringGrid::TTabResult TPlexStringGrid::TabStep(bool Backward) {
  const int lastNormalRow = RowCount() - FFixedFooters - 1;
  const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
  if (FNavigation->TabAdvanceDirection == adLeftRight) return Backward ? TabStepBackward() : TabStepForward();
  if (Backward) {
    if (Row() > FixedRows()) {
      SetRow(Row() - 1);
    } else {
      const int col = Col() > FirstNavigableCol() ? Col() - 1 : lastCol;
      MoveColRow(col, lastNormalRow, true, true);
    }
    return TTabResult::Done;
  }
  const int sy = CellSpan(Col(), Row()).Y;
  if (Row() + sy + 1 < RowCount() - FFixedFooters) {
    SetRow(Row() + sy + 1);
    return TTabResult::Done;
  }
  WrapToFirstRow();
  if (Col() < lastCol) {
    SetCol(Col() + 1);
    return TTabResult::Done;
  }
  SetCol(FirstNavigableCol());
  return TTabResult::Parent;
}

TPlexStringGrid::TTabResult TPlexStringGrid::TabStepBackward() {
  const int first = FirstNavigableCol();
  const int lastNormalRow = RowCount() - FFixedFooters - 1;
  const int lastCol = ColCount() - VisibleFixedRightCols() - 1;
  if (Col() > first) {
    int b = 1;
    while (Col() - b >= first && !(IsSelectableCell(Col() - b, Row()) && !IsMergedNonBaseCell(Col() - b, Row()))) ++b;
    if (Col() - b >= first) {
      SetCol(Col() - b);
    } else {
      const int row = Row() > FixedRows() ? Row() - 1 : lastNormalRow;
      const int col = LastSelectableCol(row);
      if (col >= 0) {
        FocusCell(col, row);
        if (row == lastNormalRow) ScrollInView(col, row);
      }
    }
    if (IsMergedNonBaseCell(Col(), Row())) {
      const TPoint base = BaseCell(Col(), Row());
      MoveColRow(base.X, base.Y, true, true);
    }
    return TTabResult::Done;
  }
  // From the first column the cursor goes one row up (from the first normal
  // row to the last) and to the last column of that row that takes it: the
  // row searched is the one the cursor lands in, so rows whose read-only
  // cells differ still land on a selectable cell.
  const int row = Row() > FixedRows() ? Row() - 1 : lastNormalRow;
  int col = lastCol;
  for (int b = 1; ColCount() - VisibleFixedRightCols() - b >= FixedCols(); ++b) {
    col = ColCount() - VisibleFixedRightCols() - b;
    if (IsSelectableCell(col, row)) break;
  }
  MoveColRow(std::max(col, first), row, true, true);
  return TTabResult::Done;
}

TPlexStringGrid::TTabResult TPlexStringGrid::TabStepForward() {
  const int sx = CellSpan(Col(), Row()).X;
  const int end = ColCount() - VisibleFixedRightCols();
  const int lastNormalRow = RowCount() - FFixedFooters - 1;
  if (Col() + sx + 1 < end) {
    int c = 1;
    while (Col() + sx + c < end && !IsSelectableCell(Col() + sx + c, Row())) ++c;
    if (Col() + sx + c < end) {
      SetCol(Col() + sx + c);
      return IsMergedNonBaseCell(Col(), Row()) ? TTabResult::Again : TTabResult::Done;
    }
    TTabResult result = TTabResult::Done;
    FForceSel = true;
    if (!IsLastNormalRow()) {
      const int v = FirstSelectableCol(Row() + 1);
      bool allow = true;
      if (OnRowChanging) OnRowChanging(this, Row(), Row() + 1, allow);
      if (OnCellChanging) OnCellChanging(this, Row(), Col(), Row() + 1, v, allow);
      if (OnColChanging) OnColChanging(this, Col(), v, allow);
      if (allow) MoveColRow(v < 0 ? FixedCols() : v, Row() + 1, true, true);
    } else {
      const int v = FirstSelectableCol(FixedRows());
      if (v >= 0) FocusCell(v, FixedRows());
      result = TTabResult::Parent;
    }
    FForceSel = false;
    return result;
  }
  if (!IsLastNormalRow() && Row() < lastNormalRow) {
    for (int e = FirstNavigableCol(); e < ColCount(); ++e) {
      if (!IsMergedNonBaseCell(e, Row() + 1) && IsSelectableCell(e, Row() + 1)) {
        FForceSel = true;
        SetCol(e);
        FForceSel = false;
        SetRow(Row() + 1);
        return TTabResult::Done;
      }
    }
    for (int g = Row() + 2; g <= lastNormalRow; ++g) {
      const int c = FirstSelectableCol(g);
      if (c >= 0) {
        MoveColRow(c, g, true, true);
        return TTabResult::Done;
      }
    }
    // Nothing selectable below: from the last normal cell the next step wraps.
    MoveColRow(ColCount() - 1, lastNormalRow, true, true);
    return TTabResult::Again;
  }
  if (FNavigation->TabToNextAtEnd || !FNavigation->AdvanceInsert()) {
    WrapToFirstRow();
  } else {
    bool canAdd = true;
    DoCanAddRow(canAdd);
    if (!canAdd) {
      WrapToFirstRow();
    } else {
      int newRow;
      if (FFloatingFooter->Visible()) {
        InsertRows(RowCount() - 1, 1);
        newRow = RowCount() - 2;
      } else {
        SetRowCount(RowCount() + 1);
        newRow = RowCount() - 1;
      }
      SetRow(newRow);
      if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
    }
  }
  const int c = FirstSelectableCol(Row());
  SetCol(c >= 0 ? c : FirstNavigableCol());
  return TTabResult::Parent;
}

// ---- the row appended by Down

void TPlexStringGrid::AppendRowAtEnd() {
  bool canAdd = true;
  DoCanAddRow(canAdd);
  if (!canAdd) return;
  const int all = AllColCount();
  if (FFloatingFooter->Visible()) {
    std::vector<QString> footer(size_t(std::max(0, all)));
    for (int c = 0; c < all; ++c) footer[size_t(c)] = GetGridCell(c, RowCount() - 1);
    AppendRow();
    const int before = RowCount() - 2;
    for (int c = 0; c < all; ++c) {
      SetGridCell(c, before, QString());
      FreeCellProps(c, before);
    }
    for (int c = 0; c < all; ++c) SetGridCell(c, RowCount() - 1, footer[size_t(c)]);
  } else {
    AppendRow();
    for (int c = 0; c < all; ++c) {
      SetGridCell(c, RowCount() - 1, QString());
      FreeCellProps(c, RowCount() - 1);
    }
  }
  if ((FFloatingFooter->Visible() || FFixedFooters > 0) && Row() + 1 < RowCount()) SetRow(Row() + 1);
  if (FFloatingFooter->Visible()) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}
