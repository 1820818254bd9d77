// Double clicks and the right button, and the one entry from the window
// procedure into the grid's mouse-button handlers.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/FireEvent.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/KeyboardState.h"

namespace {

int MessageX(const TMessage& Message) { return int16_t(LoWord(Message.LParam)); }
int MessageY(const TMessage& Message) { return int16_t(HiWord(Message.LParam)); }

}  // namespace

bool TPlexStringGrid::DispatchMouseButtons(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMLButtonDown(Message); return true;
    case WM_LBUTTONUP: WMLButtonUp(Message); return true;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(Message); return true;
    case WM_RBUTTONDOWN: WMRButtonDown(Message); return true;
    case WM_RBUTTONUP: WMRButtonUp(Message); return true;
    default: return false;
  }
}

void TPlexStringGrid::WMLButtonDblClk(TMessage& Message) {
  const int X = MessageX(Message), Y = MessageY(Message);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (FMouseActions->RangeSelectAndEdit && ACol >= 0 && ARow >= 0 && !HasClickableGraphic(DisplayToRealCol(ACol), ARow))
    FForceSel = true;
  struct ForceSelReset {
    bool& Flag;
    ~ForceSelReset() { Flag = false; }
  } reset{FForceSel};

  if (ACol < 0 && ARow >= 0 && X >= 0 && X > GridWidth() - 1) {
    if (FixedRowAlways) {
      HandPressOn(Message);
      return;
    }
    // Right of the last column: the last column's right border is meant.
    ACol = ColCount() - 1;
    ARow = 0;
  }
  if (ARow >= 0 && ARow < FixedRows() && ACol >= 0 && Options().Contains(goColSizing) &&
      FMouseActions->AutoSizeColOnDblClick && DblClickAutoSize(Message, X, Y, ACol, ARow))
    return;
  if (ACol < 0 || ARow < 0) {
    HandPressOn(Message);
    Fire(OnDblClickCell, this, ARow, ACol);
    return;
  }
  const int rcol = DisplayToRealCol(ACol);
  const TPoint b = BaseCell(rcol, ARow);
  const TPoint at(X, Y);
  if ((HasButton(b.X, b.Y) && GetCellButtonRect(b.X, b.Y).Contains(at)) ||
      (HasExpand(b.X, b.Y) && GetExpandRect(b.X, b.Y).Contains(at)))
    return;
  if (HasClickableGraphic(rcol, ARow)) {
    HandPressOn(Message);
    return;
  }
  HandPressOn(Message);
  Fire(OnDblClickCell, this, ARow, ACol);

  const int bcol = RealToDisplayCol(b.X), brow = b.Y;
  if (FMouseActions->EditOnDblClickOnly()) {
    const bool rangeEdit = FMouseActions->RangeSelectAndEdit;
    FMouseActions->RangeSelectAndEdit = true;
    if (IsEditable(rcol, ARow)) {
      TGridOptions o = Options();
      o.Include(goEditing);
      SetOptions(o);
      FOldCol = bcol;
      FOldRow = brow;
      ShowInplaceEdit();
    }
    FMouseActions->RangeSelectAndEdit = rangeEdit;
  } else if (FMouseActions->RangeSelectAndEdit && IsEditable(rcol, ARow)) {
    TGridOptions o = Options();
    o.Include(goEditing);
    SetOptions(o);
    const TRect r = CellRect(bcol, brow);
    MouseDown(mbLeft, TShiftState(), r.Left + 4, r.Top + 4);
  }
  FForceSel = false;
  if ((FMouseActions->FixedRowsEdit == fceDblClick && ARow < FixedRows()) ||
      (FMouseActions->FixedColsEdit == fceDblClick && ACol < FixedCols()))
    StartFixedCellEdit(ACol, ARow);
}

void TPlexStringGrid::WMRButtonDown(TMessage& Message) {
  const int X = MessageX(Message), Y = MessageY(Message);
  HandPressOn(Message);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool normal = ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow);
  if (FMouseActions->SelectOnRightClick && normal &&
      (!FMouseActions->DisjunctCellSelect() || !GetSelectedCells(ACol, ARow))) {
    const int rcol = DisplayToRealCol(ACol);
    if (!HasClickableGraphic(rcol, ARow)) {
      if (OnRightClickCell) {
        FocusCell(ACol, ARow);
      } else {
        MouseDown(mbLeft, TShiftState(), X, Y);
        MouseUp(mbLeft, TShiftState(), X, Y);
      }
    }
    if (IsSelected(ACol, ARow)) {
      bool canSelect = true;
      Fire(OnSelectCell, this, ACol, ARow, canSelect);
    } else {
      const TPoint b = BaseCell(rcol, ARow);
      const int leftCol = LeftCol();
      MoveColRow(RealToDisplayCol(b.X), b.Y, true, true);
      if (FNavigation->KeepHorizScroll) SetLeftCol(leftCol);
    }
    if (FMouseActions->DisjunctRowSelect()) {
      const int key = FMouseActions->RowSelectPersistent ? DisplayToRealRow(ARow) : ARow;
      if (KeyboardShiftState().Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl) {
        SetRowSelect(key, !RowSelect(key));
      } else if (!(RowSelectCount() > 1 && PopupMenu() && RowSelect(key))) {
        // A selected row of a multi-selection keeps it for the popup menu.
        ClearRowSelect();
        SetRowSelect(key, true);
      }
    }
  }
  Fire(OnRightClickCell, this, ARow, ACol);
  if (URLShow() && URLEdit && ACol >= 0 && ARow >= 0 && IsUrlText(GetCellEx(DisplayToRealCol(ACol), ARow))) {
    MoveColRow(ACol, ARow, true, true);
    ShowInplaceEdit();
  }
}

void TPlexStringGrid::WMRButtonUp(TMessage& Message) {
  const bool moving = GridState() == gsRowMoving || GridState() == gsColMoving;
  const bool dragCursor = Cursor() == crDrag || Cursor() == crNoDrop;
  if (moving && EnhRowColMove && dragCursor) {
    Message.Result = 0;
    return;
  }
  HandPressOn(Message);
}
