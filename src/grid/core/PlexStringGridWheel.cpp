// The mouse wheel and middle-button panning as the grid's window procedure
// sees them: a notch moves the current row (or the top row) by the wheel line
// count; while panning, a 10 ms timer moves the view towards the mouse.
#include "grid/core/PlexStringGrid.h"

#include "platform/FindControl.h"
#include "platform/ResourceCursors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr UINT PanTimerId = 999;
constexpr int PanTimerInterval = 10;
// The mouse must leave this band around the origin before the view moves.
constexpr int PanDeadZone = 5;
constexpr int MK_CONTROL = 0x0008;

struct TPanCursor {
  int V;
  int H;
  int Id;
};
constexpr std::array<TPanCursor, 9> PanCursors = {{
    {0, 0, crPanNeutral},
    {1, 0, crPanDown},
    {0, -1, crPanLeft},
    {0, 1, crPanRight},
    {-1, 0, crPanUp},
    {-1, 1, crPanUpRight},
    {-1, -1, crPanUpLeft},
    {1, 1, crPanDownRight},
    {1, -1, crPanDownLeft},
}};

int PanDirection(int Pos, int Origin) {
  if (Pos < Origin - PanDeadZone) return -1;
  if (Pos > Origin + PanDeadZone) return 1;
  return 0;
}

// Half a refused move, to the nearest row, halves to the even neighbour.
int HalfDistance(int D) { return int(std::nearbyint(D / 2.0)); }

}  // namespace

// Steps 15 to 17 of the window procedure; true when the message ends here.
bool TPlexStringGrid::DispatchPanAndWheel(TMessage& Message) {
  if (Message.Msg == WM_TIMER && FPanning && IntelliPan != ipNone) PanStep(ScreenToClient(CursorPos()));
  const bool press = Message.Msg == WM_MBUTTONDOWN || Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN ||
                     Message.Msg == WM_KEYDOWN;
  if (Message.Msg == WM_MBUTTONDOWN && !FPanning && IntelliPan != ipNone && RowCount() > FixedRows())
    StartPanning(TPoint(LoWord(Message.LParam), HiWord(Message.LParam)));
  else if (FPanning && press)
    StopPanning();
  if (Message.Msg != WM_MOUSEWHEEL || FPanning) return false;
  // The platform would only ask the parent again, so its answer ends the message.
  if (Parent() && SendMessage(Parent(), CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) {
    Message.Result = 1;
    return true;
  }
  WheelScroll(Message);
  return true;
}

void TPlexStringGrid::StartPanning(const TPoint& At) {
  FPanning = true;
  FPanCursor = crPanNeutral;
  ShowResourceCursor(this, FPanCursor);
  SetTimer(PanTimerId, PanTimerInterval);
  FPanOrigin = At;
  SetMouseCapture(true);
  FPanHintsWere = ShowHint();
  if (FPanHintsWere) SetShowHint(false);
  InvalidateWheelPanIndicator();
}

void TPlexStringGrid::StopPanning() {
  SetMouseCapture(false);
  KillTimer(PanTimerId);
  ShowCursorNow(this, Cursor());
  if (FPanHintsWere) SetShowHint(true);
  FPanning = false;
  FPanCursor = 0;
  InvalidateWheelPanIndicator();
}

void TPlexStringGrid::PanStep(const TPoint& P) {
  const int v = IntelliPan == ipHorizontal ? 0 : PanDirection(P.Y, FPanOrigin.Y);
  const int h = IntelliPan == ipVertical ? 0 : PanDirection(P.X, FPanOrigin.X);
  const TGridRect before = Selection();
  const int lastRow = RowCount() - FFixedFooters - 1;
  const int lastCol = ColCount() - FFixedRightCols - 1;
  if (lastRow >= FixedRows() && (Row() < FixedRows() || Row() > lastRow))
    SetRow(std::clamp(Row(), FixedRows(), lastRow));
  if (lastCol >= FixedCols() && (Col() < FixedCols() || Col() > lastCol))
    SetCol(std::clamp(Col(), FixedCols(), lastCol));
  // The indicator stays at the pan point while the cells scroll under it.
  if (FMouseActions->WheelAction() == waScroll) {
    const int left = LeftCol() + h;
    if (h != 0 && left >= FixedCols() && left <= ColCount() - VisibleColCount()) {
      InvalidateWheelPanIndicator();
      SetLeftCol(left);
    }
    const int top = TopRow() + v;
    if (v != 0 && top >= FixedRows() && top <= RowCount() - VisibleRowCount()) {
      InvalidateWheelPanIndicator();
      SetTopRow(top);
    }
  } else {
    const int leftBefore = LeftCol(), topBefore = TopRow();
    if (h != 0 && Col() + h >= FixedCols() && Col() + h <= lastCol) SetCol(Col() + h);
    if (v != 0 && Row() + v >= FixedRows() && Row() + v <= lastRow) SetRow(Row() + v);
    if (LeftCol() != leftBefore || TopRow() != topBefore) InvalidateWheelPanIndicator();
  }
  for (const TPanCursor& c : PanCursors)
    if (c.V == v && c.H == h) FPanCursor = c.Id;
  ShowResourceCursor(this, FPanCursor);
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// The wheel in its nine steps; negative deltas turn towards the user.
void TPlexStringGrid::WheelScroll(TMessage& Message) {
  const int delta = HiWord(LPARAM(Message.WParam));
  const int lines = FWheelScrollLines;
  if ((Message.WParam & MK_CONTROL) && IntelliZoom) {
    Zoom(delta < 0 ? lines : -lines);
    // The cells follow the zoomed fonts. Fixed cells are measured too, and
    // sizes only grow from the zoomed ones, so that a column whose cells are
    // still empty keeps its width instead of shrinking to the margins.
    const bool growOnly = SizeGrowOnly;
    SizeGrowOnly = true;
    AutoSizeCells(true, GetHorzTextPadding() - XYOffset.X, GetVertTextPadding() - XYOffset.Y);
    SizeGrowOnly = growOnly;
    return;
  }
  if (!EnableWheel || (FixedRowAlways && RowCount() == 1)) return;
  const int n = FMouseActions->WheelIncrement > 0 ? FMouseActions->WheelIncrement : lines;
  const bool scroll = FMouseActions->WheelAction() == waScroll;
  const TGridRect before = Selection();
  int q = Row();
  if (scroll) {
    if (delta < 0 && TopRow() < RowCount() - VisibleRowCount() && TopRow() + n >= FixedRows())
      SetTopRow(std::min(TopRow() + n, RowCount() - VisibleRowCount()));
    else if (delta > 0)
      SetTopRow(std::max(TopRow() - n, FixedRows()));
  } else {
    q = delta < 0 ? Row() + n : Row() - n;
  }
  q = std::clamp(q, FixedRows(), std::max(FixedRows(), RowCount() - FFixedFooters - 1));
  if (Col() > ColCount() - 1) SetCol(ColCount() - 1);
  if (Col() < FixedCols() && FixedCols() < ColCount()) SetCol(FixedCols());
  int d = 0;
  if (q >= 0 && q < RowCount()) {
    ++FUpdateCount;
    d = q - Row();
    if (!scroll) WheelMoveSelection(d, q);
    FUpdateCount = 0;
  }
  bool handled = true;
  AfterWheelScroll(d, handled);
  if ((FMouseActions->WheelIncrement != 0 || FMouseActions->DisjunctRowSelect()) && handled) {
    Message.Result = 1;
    const TPoint pos(LoWord(Message.LParam), HiWord(Message.LParam));
    bool eventHandled = false;
    TShiftState shift;
    if (delta < 0 && OnMouseWheelDown) OnMouseWheelDown(this, shift, pos, eventHandled);
    if (delta >= 0 && OnMouseWheelUp) OnMouseWheelUp(this, shift, pos, eventHandled);
  }
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// A refused move (the selection said no) goes half the way, and the view
// steps back a row so the user sees that something happened.
void TPlexStringGrid::WheelMoveSelection(int Delta, int Target) {
  const int keepLeft = LeftCol();
  SetRow(Target);
  if (Row() != Target) {
    const int half = std::clamp(Row() + HalfDistance(Delta), FixedRows(), RowCount() - 1);
    if (half != Row()) SetRow(half);
    if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
  }
  if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll) SetLeftCol(keepLeft);
}
