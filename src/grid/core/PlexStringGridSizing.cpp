// The grid's answer to changes of its sizes: the stretch column that fills
// the client width, proportional sizing of every column or row after the
// mouse sized one, the end-of-sizing events and the permission to size from
// the fixed cells.
#include "grid/core/ColumnSize.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/foundation/PlexObj.h"
#include "platform/Application.h"

#include <cmath>

inline constexpr const char* SStretchIndexOutOfRange = "Stretch column index out of range";

namespace {
bool AppTerminating() {
  TApplication* app = Application();
  return app && app->Terminated();
}
int Nearest(double x) { return int(std::nearbyint(x)); }
}  // namespace

void TPlexStringGrid::StretchColumn(int Index) {
  if (FLoading || FDestroying || Destroying() || AppTerminating()) return;
  if (Index == -1) Index = ColCount() - 1;
  if (Index >= ColCount()) throw Exception(SStretchIndexOutOfRange);
  if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging) return;
  FIsColChanging = true;
  ColchgFlg = false;
  const int room = ClientWidth();
  if (ColCount() == 1) {
    SetColWidths(0, room);
  } else {
    int sum = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != Index) sum += ColWidths(c);
    if (sum < room)
      SetColWidths(Index, room - sum - 1);
    else if (LeftCol() == FixedCols())
      SetColWidths(Index, DefaultColWidth());
  }
  ColchgFlg = true;
  FIsColChanging = false;
  if (FFloatingFooter->Visible()) FFooterPanel->SetAlign(alBottom);
}

// The grid's own paths (resizing, painting, width and count changes) apply
// the stored setting: a column the grid no longer has is skipped.
void TPlexStringGrid::StretchStoredColumn() {
  if (!FColumnSize->Stretch()) return;
  const int index = FColumnSize->StretchColumn == -1 ? ColCount() - 1 : FColumnSize->StretchColumn;
  if (index < 0 || index >= ColCount()) return;
  StretchColumn(index);
}

void TPlexStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  const bool active = Parent() && !FLoading && !AppTerminating();
  if (active) StretchStoredColumn();
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  FMaxEverColCount = std::max(FMaxEverColCount, ColCount());
  FMaxEverRowCount = std::max(FMaxEverRowCount, RowCount());
  if (!active) return;
  const bool rowsScroll = VisibleRowCount() + FixedRows() < RowCount();
  FlatShowScrollBar(SB_VERT, rowsScroll);
  FlatUpdateVScrollInfo();
  const bool colsScroll = VisibleColCount() + FixedCols() < ColCount();
  FlatShowScrollBar(SB_HORZ, colsScroll);
  FlatUpdateHScrollInfo();
}

void TPlexStringGrid::ColWidthsChanged() {
  if (ColchgFlg) StretchStoredColumn();
  if (IsDesigning() && FScrollHintShow) FScrollHintShow = false;
  TBaseGrid::ColWidthsChanged();
  ColSizeFlg = true;
  if (ColSized && Colclicked >= 0 && Colclicked < ColCount() && FMouseActions->AllColumnSize && Colclickedsize > 0) {
    const double factor = double(ColWidths(Colclicked)) / Colclickedsize;
    // The nested notifications must not scale the others a second time.
    ColSized = false;
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (c != Colclicked) SetColWidths(c, Nearest(ColWidths(c) * factor));
    ColSized = true;
  }
  if (ColSized) {
    if (OnEndColumnSize) OnEndColumnSize(this, Colclicked);
    int w = ColWidths(Colclicked);
    DoUpdateColumnSize(Colclicked, w);
    if (w != ColWidths(Colclicked)) {
      ColSized = false;
      SetColWidths(Colclicked, w);
    }
    if (ColSized) {
      Colclicked = -1;
      Rowclicked = -1;
    }
  }
  if (FEditMode && FEditCtrl && FEditCtrl->Visible()) {
    const TRect r = CellRect(Col(), Row());
    FEditCtrl->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  }
  ColSized = false;
  if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
  if (FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  PlaceCellControls();
  if (FColumnSize->Stretch() && FScrollProportional) UpdateVScrollProportional();
}

void TPlexStringGrid::RowHeightsChanged() {
  if (IsDesigning() && FScrollHintShow) FScrollHintShow = false;
  TBaseGrid::RowHeightsChanged();
  if (Rowsized && Rowclicked >= 0 && Rowclicked < RowCount() && FMouseActions->AllRowSize && Rowclickedsize > 0) {
    const double factor = double(RowHeights(Rowclicked)) / Rowclickedsize;
    Rowsized = false;
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (r != Rowclicked) SetRowHeights(r, Nearest(RowHeights(r) * factor));
    Rowsized = true;
  }
  if (Rowsized) {
    if (OnEndRowSize) OnEndRowSize(this, Rowclicked);
    Colclicked = -1;
    Rowclicked = -1;
  }
  Rowsized = false;
  if (EditorMode() && HasCheckBox(Col(), Row())) HideEditor();
  PlaceCellControls();
}

void TPlexStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) {
  TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
  // The border being sized belongs to the cell left of (above) the mouse.
  int c = -1, r = -1;
  MouseToCell(X - 6, Y, c, r);
  if (r >= 0 && r < FixedRows() && c >= 0 && OnColumnSize) {
    bool allow = true;
    OnColumnSize(this, c, allow);
    if (!allow) {
      State = gsNormal;
      FSizeFixed = false;
    }
  }
  MouseToCell(X, Y - 6, c, r);
  if (c >= 0 && c < FixedCols() && r >= 0 && OnRowSize) {
    bool allow = true;
    OnRowSize(this, r, allow);
    if (!allow) State = gsNormal;
  }
}
