// Sizing and moving columns and rows by mouse, beyond what the platform grid
// does by itself: the fixed columns' and rows' own borders, the live sizing
// events and the sizing hint, the auto size of a double-clicked border, and
// the enhanced move with its floating header, insertion arrows and drop cursor.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/HTMLHintWindow.h"
#include "grid/editing/FireEvent.h"
#include "grid/editing/HeaderDragButton.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/PlexObj.h"

#include <cstdlib>

namespace {

// The mouse this close to a fixed column's right border (or a fixed row's bottom) grabs it.
constexpr int FixedGrip = 3;
// A double click this close to a header border sizes the column.
constexpr int AutoSizeBorder = 3;
// Hover near a header border this close counts as on it.
constexpr int BorderBand = 4;
// The sizing hint is at most this wide.
constexpr int SizingHintMaxWidth = 200;
// The insertion arrows' size and their distance from the edge they mark.
constexpr int ArrowSize = 10;
constexpr int ArrowOffset = 5;

}  // namespace

bool TPlexStringGrid::IsOnFixedCellBorder(int X, int Y) {
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0) return false;
  const TRect cell = CellRect(c, r);
  const bool colTest = r < FixedRows() && Options().Contains(goColSizing);
  const bool rowTest = c < FixedCols() && Options().Contains(goRowSizing);
  const bool nearSide = X - cell.Left < BorderBand || cell.Right - X < BorderBand;
  const bool nearTopBottom = Y - cell.Top < BorderBand || cell.Bottom - Y < BorderBand;
  if (colTest && rowTest) return nearTopBottom;
  return (colTest && nearSide) || (rowTest && nearTopBottom);
}

void TPlexStringGrid::FixedSizingHover(int X, int Y) {
  if (FSizingFixed || FSizingFixedR || GridState() != gsNormal) return;
  FSizeFixed = FSizeFixedR = false;
  int sum = 0;
  for (int i = 0; i < FixedCols(); ++i) {
    if (std::abs(sum + ColWidths(i) - X) < FixedGrip) FSizeFixed = FMouseActions->SizeFixedCol;
    sum += ColWidths(i) + 1;
  }
  sum = 0;
  for (int i = 0; i < FixedRows(); ++i) {
    if (std::abs(sum + RowHeights(i) - Y) < FixedGrip) FSizeFixedR = FMouseActions->SizeFixedRow;
    sum += RowHeights(i) + 1;
  }
}

void TPlexStringGrid::FixedSizingPress(int X, int Y) {
  if (FSizeFixed) {
    FSizingFixed = true;
    FSizeFixedX = X;
    DrawColSizeLine(X);
    int sum = 0;
    for (int i = 0; i < FixedCols(); ++i) {
      if (std::abs(sum + ColWidths(i) - X) < FixedGrip) FSizingFixedCol = i;
      sum += ColWidths(i) + 1;
    }
  } else if (FSizeFixedR) {
    FSizingFixedR = true;
    FSizeFixedY = Y;
    DrawRowSizeLine(Y);
    int sum = 0;
    for (int i = 0; i < FixedRows(); ++i) {
      if (std::abs(sum + RowHeights(i) - Y) < FixedGrip) FSizingFixedRow = i;
      sum += RowHeights(i) + 1;
    }
  }
  SetMouseCapture(true);
}

void TPlexStringGrid::FixedSizingMove(int X, int Y) {
  const TRect origin = CellRect(0, 0);
  const TPoint at = ClientToScreen(TPoint(origin.Left, origin.Top));
  if (FSizingFixed) {
    DrawColSizeLine(FSizeFixedX);
    FSizeFixedX = X;
    DrawColSizeLine(X);
    Fire(OnColumnSizing, this, 0, X);
    if (HintShowSizing) ShowSizingHint(QString("cw=<b>%1</b>").arg(X), at);
  }
  if (FSizingFixedR) {
    DrawRowSizeLine(FSizeFixedY);
    FSizeFixedY = Y;
    DrawRowSizeLine(Y);
    Fire(OnRowSizing, this, 0, Y);
    if (HintShowSizing) ShowSizingHint(QString("rh=<b>%1</b>").arg(Y), at);
  }
}

bool TPlexStringGrid::FixedSizingRelease(int X, int Y) {
  if (!FSizingFixed && !FSizingFixedR) return false;
  SetMouseCapture(false);
  if (FSizingFixed && FSizingFixedCol >= 0 && FSizingFixedCol < ColCount()) {
    DrawColSizeLine(FSizeFixedX);
    FSizingFixed = FSizingFixedR = false;
    const int col = FSizingFixedCol;
    int width = X;
    for (int i = 0; i < col; ++i) width -= ColWidths(i);
    SetColWidths(col, width);
    Fire(OnEndColumnSize, this, col);
    if (OnUpdateColumnSize) {
      int updated = ColWidths(col);
      OnUpdateColumnSize(this, col, updated);
      if (updated != ColWidths(col)) SetColWidths(col, updated);
    }
  } else if (FSizingFixedR && FSizingFixedRow >= 0 && FSizingFixedRow < RowCount()) {
    DrawRowSizeLine(FSizeFixedY);
    FSizingFixed = FSizingFixedR = false;
    const int row = FSizingFixedRow;
    int height = Y;
    for (int i = 0; i < row; ++i) height -= RowHeights(i);
    SetRowHeights(row, height);
    Fire(OnEndRowSize, this, row);
  }
  FSizingFixed = FSizingFixedR = false;
  FSizingFixedCol = FSizingFixedRow = -1;
  return true;
}

// Each move of a normal sizing reports the size the column or row will get.
void TPlexStringGrid::NormalSizingMove(int X, int Y) {
  const bool cols = GridState() == gsColSizing;
  const int col = Colclicked < 0 ? ColCount() - 1 : Colclicked;
  const int row = Colclicked < 0 || Rowclicked < 0 ? 0 : Rowclicked;
  const TRect r = CellRect(col, row);
  QString hint;
  if (cols) {
    ColSized = true;
    const int width = X - r.Left - Clickposdx;
    Fire(OnColumnSizing, this, Colclicked, width);
    hint = QString("cw=<b>%1</b>").arg(width);
  } else {
    Rowsized = true;
    const int height = Y - r.Top - Clickposdy;
    Fire(OnRowSizing, this, Rowclicked, height);
    hint = QString("rh=<b>%1</b>").arg(height);
  }
  if (HintShowSizing || IsDesigning()) ShowSizingHint(hint, ClientToScreen(TPoint(r.Left, r.Top)));
}

void TPlexStringGrid::ShowSizingHint(const QString& Hint, const TPoint& ScreenPos) {
  if (!FSizingHintWnd) FSizingHintWnd = new THTMLHintWindow(this);
  FSizingHintWnd->SetColor(HintColor);
  TRect r = FSizingHintWnd->CalcHintRect(SizingHintMaxWidth, Hint);
  OffsetRect(r, ScreenPos.X, ScreenPos.Y);
  FSizingHintWnd->ActivateHint(r, Hint);
  FSizingHintShow = true;
}

void TPlexStringGrid::HideSizingHint() {
  if (FSizingHintWnd && FSizingHintShow) FSizingHintWnd->ReleaseHandle();
  FSizingHintShow = false;
}

bool TPlexStringGrid::DblClickAutoSize(TMessage& Message, int X, int Y, int ACol, int ARow) {
  const TRect r = CellRect(ACol, ARow);
  const auto sizeColumn = [this](int Column) {
    bool allow = true;
    Fire(OnColumnSize, this, Column, allow);
    if (!allow) return;
    AutoSizeCol(Column, 0);
    Fire(OnEndColumnSize, this, Column);
  };
  // Whatever the border sizes, the release that follows must not sort.
  if (X - r.Left < AutoSizeBorder) {
    FDblClk = true;
    if (ACol - 1 >= FixedCols()) {
      sizeColumn(ACol - 1);
      HandPressOn(Message);
      return true;
    }
  }
  if (r.Right - X < AutoSizeBorder && ACol >= FixedCols()) {
    FDblClk = true;
    sizeColumn(ACol);
    return true;
  }
  (void)Y;
  (void)ARow;
  return false;
}

// One move step of an enhanced column or row move: the floating header, the arrows and the drop cursor.
void TPlexStringGrid::EnhancedMoveStep(int X, int Y) {
  const bool cols = GridState() == gsColMoving;
  bool allow = true;
  Fire(cols ? OnColumnMove : OnRowMove, this, Movecell, allow);
  if (!allow) {
    SetGridState(gsNormal);
    SetMouseCapture(false);
    return;
  }
  if (RowCount() <= 1 || !EnhRowColMove || FSizingFixed || FSizingFixedR || Movecell < 0) return;
  if (X == Clickposx && Y == Clickposy) return;
  bool ok = true;
  Fire(OnStartBlockFocus, this, Col(), Row());
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  THeaderDragButton* button = FHeaderDragButton;
  const bool showCells = FDragDropSettings->ShowCells;
  if (cols && Movecell >= FixedCols()) {
    if (showCells && !FMoveForm)
      FMoveForm = SelectionToForm(
          TGridRect{Movecell, 0, Movecell, std::min(RowCount() - 1, TopRow() + VisibleRowCount() - FixedRows())});
    if (button) {
      button->SetCaption(Cells(DisplayToRealCol(Movecell), 0));
      button->SetBounds(0, 0, ColWidths(Movecell), RowHeights(std::max(0, ARow)));
      button->Invalidate();
    }
  } else if (!cols && Movecell >= FixedRows()) {
    if (showCells && !FMoveForm)
      FMoveForm = SelectionToForm(
          TGridRect{0, Movecell, std::min(ColCount() - 1, LeftCol() + VisibleColCount() - FixedCols()), Movecell});
    if (button) {
      button->SetCaption(Cells(0, Movecell));
      button->SetBounds(0, 0, ColWidths(std::max(0, ACol)), RowHeights(Movecell));
      button->Invalidate();
    }
  }
  const TPoint at = ClientToScreen(TPoint(X - MoveOfsX, Y - MoveOfsY));
  if (showCells && FMoveForm) {
    FMoveForm->SetBounds(at.X, at.Y, FMoveForm->Width(), FMoveForm->Height());
  } else if (button) {
    button->SetBounds(at.X, at.Y, button->Width(), button->Height());
  }
  if (cols) {
    PlaceColumnArrows(ACol);
    FMoveColInd = ACol;
    FMoveRowInd = 0;
    Fire(OnColumnMoving, this, ACol, ok);
    const bool allVisible = VisibleColCount() + FixedCols() >= ColCount();
    int fixedWidth = 0;
    for (int i = 0; i < FixedCols(); ++i) fixedWidth += ColWidths(i);
    if (!allVisible && X < fixedWidth && LeftCol() > FixedCols()) {
      SetLeftCol(LeftCol() - 1);
      Repaint();
    } else if (!allVisible && X > Width() && LeftCol() + VisibleColCount() < ColCount()) {
      SetLeftCol(LeftCol() + 1);
      Repaint();
    }
  } else {
    PlaceRowArrows();
    FMoveColInd = 0;
    FMoveRowInd = ARow;
    Fire(OnRowMoving, this, ARow, ok);
    const bool allVisible = VisibleRowCount() + FixedRows() >= RowCount();
    int fixedHeight = 0;
    for (int i = 0; i < FixedRows(); ++i) fixedHeight += RowHeights(i);
    if (!allVisible && Y < fixedHeight && TopRow() > FixedRows()) {
      SetTopRow(TopRow() - 1);
      Repaint();
    } else if (!allVisible && Y > Height() && TopRow() + VisibleRowCount() < RowCount()) {
      SetTopRow(TopRow() + 1);
      Repaint();
    }
  }
  if (button) {
    if (!showCells) {
      button->SetParent(nullptr);
      button->Show();
    }
    button->SetEnabled(true);
  }
  FMoveAllowed = ok;
  FMoveCursorShown = true;
  SetOwnCursor(ok ? crDrag : crNoDrop);
}

// The arrows mark the edge where the dragged column would land.
void TPlexStringGrid::PlaceColumnArrows(int Target) {
  const int previous = FMoveColInd;
  const bool normal = previous >= FixedCols() && previous < ColCount();
  TArrowWindow* up = ArwU;
  TArrowWindow* down = ArwD;
  if (!up || !down) return;
  if (!normal) {
    up->Hide();
    down->Hide();
    return;
  }
  const TRect r = CellRect(previous, 0);
  const bool onScreen = r.Width() > 0;
  const int edge = previous < Movecell ? r.Left : r.Right;
  const TPoint top = ClientToScreen(TPoint(edge - ArrowOffset, r.Top - 8));
  const TPoint bottom = ClientToScreen(TPoint(edge - ArrowOffset, r.Bottom));
  down->SetBounds(top.X, top.Y, ArrowSize, ArrowSize);
  up->SetBounds(bottom.X, bottom.Y, ArrowSize, ArrowSize);
  down->SetVisible(onScreen);
  up->SetVisible(onScreen);
  (void)Target;
}

// The arrows stand left and right of the header cell of the row where the dragged row would land.
void TPlexStringGrid::PlaceRowArrows() {
  const int previous = FMoveRowInd;
  TArrowWindow* left = ArwL;
  TArrowWindow* right = ArwR;
  if (!left || !right) return;
  // The floating footer's row takes no row.
  if (FooterIsLastRow() && previous == RowCount() - 1) return;
  const bool shown = previous >= FixedRows() && previous < RowCount() && previous >= TopRow() &&
                     previous <= TopRow() + VisibleRowCount();
  if (!shown) {
    left->Hide();
    right->Hide();
    return;
  }
  const TRect r = CellRect(0, previous);
  const bool onScreen = r.Height() > 0;
  const int edge = (previous < Movecell ? r.Top : r.Bottom) - ArrowOffset;
  const TPoint before = ClientToScreen(TPoint(r.Left - 2 * ArrowOffset, edge));
  const TPoint after = ClientToScreen(TPoint(r.Right, edge));
  left->SetBounds(before.X, before.Y, ArrowSize, ArrowSize);
  right->SetBounds(after.X, after.Y, ArrowSize, ArrowSize);
  left->SetVisible(onScreen);
  right->SetVisible(onScreen);
}

void TPlexStringGrid::HideMoveArrows() {
  for (TArrowWindow* a : {ArwU, ArwD, ArwL, ArwR})
    if (a) a->Hide();
}

// The release of an enhanced move: the drop cursor says whether the column or row lands here.
bool TPlexStringGrid::EnhancedMoveRelease(int X, int Y) {
  const bool moving = GridState() == gsColMoving || GridState() == gsRowMoving;
  if (!moving || !EnhRowColMove || !FMoveCursorShown) return false;
  const bool cols = GridState() == gsColMoving;
  const bool drop = FMoveAllowed;
  if (FHeaderDragButton) {
    FHeaderDragButton->SetEnabled(false);
    FHeaderDragButton->Hide();
  }
  FMoveForm.reset();
  Fire(OnEndBlockFocus, this, Col(), Row());
  FMoveCursorShown = false;
  FOwnCursorShown = false;
  FOwnCursorChange = true;
  SetCursor(FOldCursor);
  HideMoveArrows();
  SetMouseCapture(false);
  SetGridState(gsNormal);
  KillTimer(GridDragScrollTimerId);
  if (!drop) {
    if (cols)
      InvalidateRow(0);
    else
      InvalidateCol(0);
    return true;
  }
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (cols && ACol >= FixedCols() && ACol != Movecell && Movecell >= FixedCols())
    MoveColumn(Movecell, ACol);
  else if (!cols && ARow >= FixedRows() && ARow != Movecell && Movecell >= FixedRows())
    MoveRow(Movecell, ARow);
  return true;
}

bool TPlexStringGrid::FooterIsLastRow() const {
  return FFloatingFooter->Visible() && FFloatingFooter->FooterStyle == fsFixedLastRow;
}

void TPlexStringGrid::RowMoved(int FromIndex, int ToIndex) {
  if (FooterIsLastRow() && (ToIndex == RowCount() - 1 || FromIndex == RowCount() - 1)) return;
  // The event comes after the heights and the bookkeeping are in place.
  TMovedEvent moved = std::move(OnRowMoved);
  OnRowMoved = nullptr;
  TBaseGrid::RowMoved(FromIndex, ToIndex);
  OnRowMoved = std::move(moved);
  if (EnhRowColMove) ColMoveFlg = true;
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
  SyncMove(false, FromIndex, ToIndex);
}

void TPlexStringGrid::SyncMove(bool Columns, int FromIndex, int ToIndex) {
  if (FSyncMoving || !(Columns ? FSyncGrid->MoveColumn : FSyncGrid->MoveRow)) return;
  auto* other = dynamic_cast<TStringGrid*>(FSyncGrid->Grid());
  if (!other || other == this) return;
  const int count = Columns ? other->ColCount() : other->RowCount();
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= count || ToIndex >= count) return;
  auto* plex = dynamic_cast<TPlexStringGrid*>(other);
  // The other grid must not hand the move back, whatever its own settings.
  if (plex) plex->FSyncMoving = true;
  struct Done {
    TPlexStringGrid* Grid;
    ~Done() {
      if (Grid) Grid->FSyncMoving = false;
    }
  } done{plex};
  if (Columns)
    other->MoveColumn(FromIndex, ToIndex);
  else
    other->MoveRow(FromIndex, ToIndex);
}
