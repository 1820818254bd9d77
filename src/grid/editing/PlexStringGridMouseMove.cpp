// The mouse moving over the grid: in a fixed order it keeps the hover state
// (row, fixed cell, cell buttons, links), places the in-cell scroll bar,
// extends header selections, starts a drag of selected cells, decides the
// selection mode the next press acts on, and resets cell hints and balloons
// when the mouse reaches another cell. Leaving the grid ends the hover.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/BalloonSettings.h"
#include "grid/editing/FireEvent.h"
#include "grid/features/DragDropSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/HintWindow.h"
#include "platform/ResourceCursors.h"
#include "platform/ScrollBar.h"
#include "platform/ToolTips.h"

#include <cstdlib>

namespace {

// The grip that drags a selection bigger: its square at the last cell's bottom-right corner.
constexpr int GripSize = 6;
// A press on a selected cell becomes a drag once the mouse left it by more than this.
constexpr int DragThreshold = 3;
// A row-header drag scrolls down when the mouse comes this close to the bottom edge.
constexpr int AutoScrollBand = 4;
// The wheel-pan indicator's square, its top-left corner at the pan point.
constexpr int PanIndicatorSize = 32;

}  // namespace

void TPlexStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
  if (FMouseDownMove && FMouseActions->RangeSelectAndEdit && Options().Contains(goEditing) && !EditorMode()) {
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
  }
  const TGridRect entry = Selection();
  if (SelectionRectangle() && GridState() == gsSelecting) FSizeSelection = entry;

  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool onCell = ACol >= 0 && ARow >= 0;
  const bool runTime = !IsDesigning();
  if (onCell && runTime) HoverCellSteps(ACol, ARow, X, Y);

  if (HoverFixedCells != hfNone && !FNoMouseLeave && (ACol != FHoverFixedX || ARow != FHoverFixedY)) {
    const int px = FHoverFixedX, py = FHoverFixedY;
    FHoverFixedX = ACol;
    FHoverFixedY = ARow;
    const auto repaint = [this](int c, int r) {
      if (c >= 0 && r >= 0 && (r <= FixedRows() || c <= FixedCols())) InvalidateCell(c, r);
    };
    repaint(px, py);
    repaint(ACol, ARow);
  }
  if (Look() == glListView && (ACol != FHotFixedCell.X || ARow != FHotFixedCell.Y)) {
    const auto repaint = [this](int c, int r) {
      if (c >= 0 && r >= 0 && (r < FixedRows() || c < FixedCols())) InvalidateCell(c, r);
    };
    repaint(FHotFixedCell.X, FHotFixedCell.Y);
    FHotFixedCell = TPoint(ACol, ARow);
    repaint(ACol, ARow);
  }
  if (onCell) HoverButtonStep(ACol, ARow, X, Y);

  const int topRow = TopRow();
  HeaderDragSteps(ACol, ARow, X, Y);
  const bool scrolledUp = TopRow() < topRow;

  if (runTime && onCell) FixedSizingHover(X, Y);
  if (FSizingFixed || FSizingFixedR) FixedSizingMove(X, Y);

  if (SelectionResizer() && SelectionRectangle()) {
    const TGridRect sel = Selection();
    const TRect corner = CellRect(sel.Right, sel.Bottom);
    const int gx = BiDiMode() == bdRightToLeft ? corner.Left : corner.Right - GripSize;
    FOnGrip = TRect(gx, corner.Bottom - GripSize, gx + GripSize, corner.Bottom).Contains(TPoint(X, Y));
  } else {
    FOnGrip = false;
  }

  if (OleDragStep(ACol, ARow, X, Y, Shift)) return;

  bool hoverCursor = false;
  if (runTime) {
    if (GridState() == gsColMoving || GridState() == gsRowMoving) EnhancedMoveStep(X, Y);
    hoverCursor = DecideSelectMode(ACol, ARow, X, Y, scrolledUp);
  }
  if (onCell && LinkHoverStep(ACol, ARow, X, Y)) hoverCursor = true;
  if (FMoveCursorShown) hoverCursor = true;
  if (!hoverCursor && FOwnCursorShown) {
    FOwnCursorShown = false;
    if (Cursor() != FOldCursor) {
      FOwnCursorChange = true;
      SetCursor(FOldCursor);
    }
  }
  ResetHintsStep(ACol, ARow);

  if (SelectionRectangle() && GridState() == gsSelecting && !(Selection() == FMoveSelection)) {
    const TGridRect s = Selection();
    const TRect a = CellRect(s.Left, s.Top), b = CellRect(s.Right, s.Bottom);
    InvalidateRect(TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                         std::max(a.Bottom, b.Bottom)));
    FMoveSelection = s;
  }

  TBaseGrid::MouseMove(Shift, X, Y);

  if (FNavigation->KeepHorizScroll && FMouseKeepDown && GridState() != gsColMoving && LeftCol() != FOldKeepLeftCol &&
      FOldKeepLeftCol >= FixedCols() && FOldKeepLeftCol < ColCount())
    SetLeftCol(FOldKeepLeftCol);

  if (runTime && (GridState() == gsColSizing || GridState() == gsRowSizing)) NormalSizingMove(X, Y);
  if (EnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving)) Update();

  const TGridRect now = Selection();
  if (!(now == entry)) DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
}

// The hover row and the in-cell scroll bar of the cell under the mouse.
void TPlexStringGrid::HoverCellSteps(int ACol, int ARow, int X, int Y) {
  if (HoverRow() && ARow != FHoverRowIdx) {
    const int previous = FHoverRowIdx;
    FHoverRowIdx = ARow;
    InvalidateRow(ARow);
    if (previous >= 0 && previous < RowCount()) InvalidateRow(previous);
  }
  ServeCellScrollBar(ACol, ARow);
  (void)X;
  (void)Y;
}

void TPlexStringGrid::HoverButtonStep(int ACol, int ARow, int X, int Y) {
  const int rcol = DisplayToRealCol(ACol);
  const TPoint at(X, Y);
  const bool onButton = (HasButton(rcol, ARow) && GetCellButtonRect(rcol, ARow).Contains(at)) ||
                        (HasExpand(rcol, ARow) && GetExpandRect(rcol, ARow).Contains(at));
  if (onButton) {
    if (FHoverButton != TPoint(ACol, ARow)) {
      if (FHoverButton.X >= 0) InvalidateCell(FHoverButton.X, FHoverButton.Y);
      FHoverButton = TPoint(ACol, ARow);
      InvalidateCell(ACol, ARow);
    }
  } else if (FHoverButton.X >= 0) {
    InvalidateCell(FHoverButton.X, FHoverButton.Y);
    FHoverButton = TPoint(-1, -1);
  }
}

// Dragging over the row or column headers after a press on them selects whole rows or columns.
void TPlexStringGrid::HeaderDragSteps(int ACol, int ARow, int X, int Y) {
  if (FMouseSelectStart < 0) return;
  const TGridRect before = Selection();
  auto repaintChanged = [&] {
    if (!SelectionRectangle()) return;
    InvalidateGrid();
    FSizeSelection = Selection();
  };
  if (FMouseActions->RowSelect && FMouseSelectMode == msRow) {
    if (ARow >= 0 && ARow <= RowCount() - FixedFooters()) {
      const int to = std::max(FixedRows(), std::min(ARow, RowCount() - 1));
      SetSelection(
          TGridRect{FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1, std::max(FMouseSelectStart, to)});
      if (!(Selection() == before)) repaintChanged();
    }
    if (Y > ClientHeight() - AutoScrollBand && TopRow() + VisibleRowCount() < RowCount())
      SetTopRow(TopRow() + 1);
    else if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows())
      SetTopRow(TopRow() - 1);
  } else if (FMouseActions->ColSelect && FMouseSelectMode == msColumn && ACol >= 0) {
    const int to = std::max(FixedCols(), ACol);
    SetSelection(
        TGridRect{std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to), RowCount() - 1});
    if (!(Selection() == before)) repaintChanged();
  }
}

// A press on a selected cell followed by a move of more than a few pixels drags the cells.
bool TPlexStringGrid::OleDragStep(int ACol, int ARow, int X, int Y, TShiftState Shift) {
  if (!FSelectionClick || ACol < 0 || ARow < 0 || !Shift.Contains(ssLeft)) return false;
  if (std::abs(X - Clickposx) <= DragThreshold && std::abs(Y - Clickposy) <= DragThreshold) return false;
  if (!FDragDropSettings->OleDropSource || GridState() == gsColSizing || FOnGrip) return false;
  FSelectionClick = false;
  bool allow = true;
  const int rcol = DisplayToRealCol(ACol);
  if (FDragDropSettings->OleColumnsOnly && ARow >= FixedRows()) allow = false;
  Fire(OnOleDrag, this, ARow, rcol, GetCellEx(rcol, ARow), allow);
  if (allow) {
    // The drag itself belongs to the drag-and-drop unit; the grid records what it starts.
    RecordFeatureCall("GridDropSource");
    Fire(OnOleDragStart, this, ARow, rcol);
    Fire(OnStartBlockFocus, this, ACol, ARow);
    if (ARow < FixedRows() && FDragDropSettings->OleColumnDragDrop) {
      RecordFeatureCall("DragDropGridColumn");
    } else {
      FDropSelection = Selection();
      RecordFeatureCall("DragDropGridData");
    }
    return true;
  }
  if (GridState() == gsNormal) SetGridState(gsSelecting);
  return false;
}

// The mode the next press acts on; true when it asks for a hover cursor.
bool TPlexStringGrid::DecideSelectMode(int ACol, int ARow, int X, int Y, bool ScrolledUp) {
  if (FMouseDown || GridState() != gsNormal) return FMouseSelectMode != msNormal;
  TMouseSelectMode mode = msNormal;
  const bool onCell = ACol >= 0 && ARow >= 0;
  const bool border = onCell && IsOnFixedCellBorder(X, Y);
  const int lastRow = FooterIsLastRow() ? RowCount() - 2 : RowCount() - 1;
  if (FOnGrip) {
    mode = msResize;
  } else if (onCell && ACol < FixedCols() && ARow < FixedRows() && FMouseActions->AllSelect) {
    mode = msAll;
  } else if (onCell && ARow < FixedRows() && ACol >= FixedCols() && FMouseActions->ColSelect && !border) {
    mode = msColumn;
  } else if (onCell && ACol < FixedCols() && (ARow >= FixedRows() || ScrolledUp) && ARow <= lastRow &&
             FMouseActions->RowSelect && !border && !(IsNode(ARow) && IsOnNodeGlyph(ARow, X))) {
    mode = msRow;
  }
  FMouseSelectMode = mode;
  return mode != msNormal;
}

// Links under the mouse: the hand cursor, the hover underline, the link hint and the enter/exit events.
bool TPlexStringGrid::LinkHoverStep(int ACol, int ARow, int X, int Y) {
  const int rcol = DisplayToRealCol(ACol);
  const QString text = GetCellEx(rcol, ARow);
  const bool html = CellTextKind(text, EnableHTML) == ctkHtml;
  if (!html) {
    if (URLUnderlineOnHover && (FHoverCell.X >= 0 || FHoverlink >= 0)) {
      if (FHoverCell.X >= 0) InvalidateCell(FHoverCell.X, FHoverCell.Y);
      FHoverCell = TPoint(-1, -1);
      FHoverlink = -1;
    }
    if (!FAnchor.isEmpty()) {
      const QString left = FAnchor;
      FAnchor.clear();
      Fire(OnAnchorExit, this, ARow, ACol, left);
    }
    if (URLShow() && IsUrlText(text)) {
      SetOwnCursor(crHandPoint);
      return true;
    }
    return false;
  }
  TRect r = CellRect(ACol, ARow);
  r.Left += XYOffset.X + 1;
  r.Top += XYOffset.Y + 1;
  THtmlDrawParams params;
  params.HitTestOnly = true;
  params.HitX = X;
  params.HitY = Y;
  params.Images = GetCellImageList(rcol, ARow);
  params.WindowHandle = this;
  params.BiDiMode = BiDiMode();
  THtmlDrawResults hit;
  Canvas().Font().Assign(ACol < FixedCols() || ARow < FixedRows() ? FixedFont() : Font());
  const bool onLink = DrawHtmlText(Canvas(), text, r, params, hit) && !hit.HitAnchorHref.isEmpty();
  const QString link = onLink ? hit.HitAnchorHref : QString();
  if (URLUnderlineOnHover) {
    const int index = onLink ? hit.HitAnchorIndex : -1;
    if (FHoverCell != TPoint(ACol, ARow) || FHoverlink != index) {
      if (FHoverCell.X >= 0) InvalidateCell(FHoverCell.X, FHoverCell.Y);
      FHoverCell = TPoint(ACol, ARow);
      FHoverlink = index;
      InvalidateCell(ACol, ARow);
    }
  }
  if (onLink) {
    QString hint = hit.HitAnchorTitle;
    if (hint.isEmpty()) Fire(OnAnchorHint, this, ARow, ACol, hint);
    if (hint != FLastAnchorHint && !FLastAnchorHint.isEmpty() && link != FAnchor) {
      FLastAnchorHint = hint;
      AppHints().CancelHint();
    }
    SetOwnCursor(crHandPoint);
    if (link != FAnchor) {
      Fire(OnAnchorEnter, this, ARow, ACol, link);
      FAnchor = link;
    }
    return true;
  }
  if (!FAnchor.isEmpty()) {
    const QString left = FAnchor;
    FAnchor.clear();
    Fire(OnAnchorExit, this, ARow, ACol, left);
  }
  return false;
}

// A hint or balloon shown for one cell goes when the mouse reaches another.
void TPlexStringGrid::ResetHintsStep(int ACol, int ARow) {
  TPoint base(-1, -1);
  if (ACol >= 0 && ARow >= 0) {
    const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
    base = TPoint(RealToDisplayCol(b.X), b.Y);
  }
  if (FLastHintPos.X >= 0 && base != FLastHintPos) {
    AppHints().CancelHint();
    FLastHintPos = TPoint(-1, -1);
  }
  if (FBalloon->Enable() && (FLastBalloonPos.X < 0 || base != FLastBalloonPos)) {
    if (FHToolTip) FHToolTip->Pop();
    FLastBalloonPos = TPoint(-1, -1);
  }
}

// The grid's own cursor changes do not end a mouse selection mode.
void TPlexStringGrid::SetOwnCursor(TCursor Value) {
  if (!FOwnCursorShown) FOldCursor = Cursor();
  FOwnCursorShown = Value != FOldCursor;
  if (Cursor() == Value) return;
  FOwnCursorChange = true;
  SetCursor(Value);
}

void TPlexStringGrid::CMMouseLeave(TMessage& Message) {
  TBaseGrid::WndProc(Message);
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  if (FNoMouseLeave) return;
  if (HoverFixedCells != hfNone && FHoverFixedX >= 0) {
    const int c = FHoverFixedX, r = FHoverFixedY;
    FHoverFixedX = FHoverFixedY = -1;
    InvalidateCell(c, r);
  }
  if (Look() == glListView && FHotFixedCell.X >= 0) {
    InvalidateCell(FHotFixedCell.X, FHotFixedCell.Y);
    FHotFixedCell = TPoint(-1, -1);
  }
  if (HoverRow() && FHoverRowIdx >= 0) {
    const int r = FHoverRowIdx;
    FHoverRowIdx = -1;
    if (r < RowCount()) InvalidateRow(r);
  }
}

// Another application style: the grid takes its colours.
void TPlexStringGrid::CMStyleChanged(TMessage& Message) {
  ApplyVclStyle();
  Message.Result = 0;
}

// The cursor for the mode the hover decided; otherwise the control's own, a
// cell's answer to OnGetCellCursor, and the split cursor of fixed-cell sizing.
void TPlexStringGrid::WMSetCursor(TMessage& Message) {
  const bool sizing = GridState() == gsColSizing || GridState() == gsRowSizing || FSizingFixed || FSizingFixedR;
  if (CellSelectorMode) {
    ShowResourceCursor(this, crCellSelector);
    Message.Result = 1;
    return;
  }
  if (FMouseSelectMode != msNormal && FMouseSelectMode != msURL && !sizing) {
    const int id = FMouseSelectMode == msColumn ? crSelectColumn
                   : FMouseSelectMode == msRow  ? crSelectRow
                                                : crSelectAll;
    ShowResourceCursor(this, id);
    Message.Result = 1;
    return;
  }
  // Panning and links keep the cursor they set.
  if (FMouseSelectMode == msURL || FPanning) return;
  ShowCursorNow(this, Cursor());
  const int X = int16_t(LoWord(LPARAM(Message.WParam))), Y = int16_t(HiWord(LPARAM(Message.WParam)));
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol >= 0 && ARow >= 0) DoGetCellCursor(DisplayToRealCol(ACol), ARow, X, Y);
  if (FSizeFixed || FSizingFixed) ShowCursorNow(this, crHSplit);
  if (FSizeFixedR || FSizingFixedR) ShowCursorNow(this, crVSplit);
  Message.Result = 1;
}

// The picture names the directions the pan moves in; its key colour shows white.
void TPlexStringGrid::DrawWheelPanIndicator(TCanvas& ACanvas) {
  const char* name = IntelliPan == ipVertical ? "INTLI3" : IntelliPan == ipHorizontal ? "INTLI2" : "INTLI1";
  DrawResourceBitmap(ACanvas, clWhite, Bounds(FPanOrigin.X, FPanOrigin.Y, PanIndicatorSize, PanIndicatorSize), name);
}

void TPlexStringGrid::InvalidateWheelPanIndicator() {
  InvalidateRect(Bounds(FPanOrigin.X, FPanOrigin.Y, PanIndicatorSize, PanIndicatorSize));
}

// The wheel over the grid: with scrolling (or the wheel off) only the events
// answer, since the window procedure scrolls; otherwise the current row moves
// by one without opening an editor.
bool TPlexStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) { return WheelStep(true, Shift, MousePos); }

bool TPlexStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) { return WheelStep(false, Shift, MousePos); }

bool TPlexStringGrid::WheelStep(bool Down, TShiftState Shift, TPoint MousePos) {
  if (FMouseActions->WheelAction() == waScroll || !EnableWheel) {
    bool handled = false;
    const TMouseWheelUpDownEvent& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
    if (event) event(this, Shift, MousePos, handled);
    return handled;
  }
  const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  if (!Down && !keepLeft && !(Row() < RowCount() && Col() < ColCount())) return true;
  const bool directEdit = FMouseActions->DirectEdit;
  FMouseActions->DirectEdit = false;
  struct Restore {
    TMouseActions& Actions;
    bool Value;
    ~Restore() { Actions.DirectEdit = Value; }
  } restore{*FMouseActions, directEdit};
  const bool editing = EditorMode();
  const int leftCol = LeftCol();
  if (keepLeft) StartUpdate();
  const bool result = Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
  if (keepLeft) {
    EndUpdate();
    SetLeftCol(leftCol);
  } else if (editing && CanFocus()) {
    SetFocus();
  }
  return result;
}
