// Construction and the dimensions of the grid: counts, fixed counts, sizes.
#include "platform/Grids.h"
#include "platform/Property.h"

#include "platform/internal/SliderActions.h"

#include <QScrollBar>
#include <QWidget>

#include <algorithm>

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  FColWidths.assign(5, FDefaultColWidth);
  FRowHeights.assign(5, FDefaultRowHeight);
  SetColor(clWindow);
  SetTabStop(true);
  // A click focuses the grid through its own press handling, so a press the
  // grid refuses leaves the focus where it was.
  Widget()->setFocusPolicy(Qt::TabFocus);
  SetBounds(0, 0, 320, 120);
  FHScroll = new QScrollBar(Qt::Horizontal, Widget());
  FVScroll = new QScrollBar(Qt::Vertical, Widget());
  for (QScrollBar* bar : {FHScroll, FVScroll}) {
    const bool vertical = bar == FVScroll;
    bar->setRange(0, GridScrollScale);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar, vertical](int action) {
      if (FUpdatingScroll) return;
      const int code = ScrollCodeOfSliderAction(action);
      if (code < 0) return;
      const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
      const int pos = bar->sliderPosition();
      Perform(msg, WPARAM(code) | (WPARAM(pos) << 16));
      // Without tracking the thumb stays under the mouse until the release.
      if (code == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking)) return;
      if (code != SB_THUMBTRACK) Perform(msg, WPARAM(SB_ENDSCROLL));
      // The bar shows where the grid went, not where the mouse left the thumb.
      UpdateScrollPos();
      bar->setSliderPosition(bar->value());
    });
    QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar, vertical] {
      if (FUpdatingScroll) return;
      const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
      Perform(msg, WPARAM(SB_THUMBPOSITION) | (WPARAM(bar->sliderPosition()) << 16));
      Perform(msg, WPARAM(SB_ENDSCROLL));
    });
  }
  UpdateScrollRange();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int Value) {
  Value = std::max(1, Value);
  if (Value == ColCount()) return;
  const int oldCols = ColCount();
  if (FEditorMode) HideEdit();
  if (Value <= FFixedCols) FFixedCols = Value - 1;
  FColWidths.resize(size_t(Value), FDefaultColWidth);
  SizeChanged(oldCols, RowCount());
  if (FCurrent.X >= Value) FCurrent.X = Value - 1;
  if (FAnchor.X >= Value || FOptions.Contains(goRowSelect)) FAnchor.X = Value - 1;
  if (FTopLeft.X >= Value) FTopLeft.X = std::max(FFixedCols, Value - 1);
  ColWidthsChanged();
}

void TCustomGrid::SetRowCount(int Value) {
  Value = std::max(1, Value);
  if (Value == RowCount()) return;
  const int oldRows = RowCount();
  if (FEditorMode) HideEdit();
  if (Value <= FFixedRows) FFixedRows = Value - 1;
  FRowHeights.resize(size_t(Value), FDefaultRowHeight);
  SizeChanged(ColCount(), oldRows);
  if (FCurrent.Y >= Value) FCurrent.Y = Value - 1;
  if (FAnchor.Y >= Value) FAnchor.Y = Value - 1;
  if (FTopLeft.Y >= Value) FTopLeft.Y = std::max(FFixedRows, Value - 1);
  RowHeightsChanged();
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0) throw EInvalidGridOperation(SGridIndexOutOfRange);
  if (Value >= ColCount()) throw EInvalidGridOperation(SFixedColTooBig);
  FFixedCols = Value;
  FTopLeft.X = std::max(FTopLeft.X, Value);
  if (FCurrent.X < Value) FCurrent.X = Value;
  if (FAnchor.X < Value) FAnchor.X = Value;
  ColWidthsChanged();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0) throw EInvalidGridOperation(SGridIndexOutOfRange);
  if (Value >= RowCount()) throw EInvalidGridOperation(SFixedRowTooBig);
  FFixedRows = Value;
  FTopLeft.Y = std::max(FTopLeft.Y, Value);
  if (FCurrent.Y < Value) FCurrent.Y = Value;
  if (FAnchor.Y < Value) FAnchor.Y = Value;
  RowHeightsChanged();
}

int TCustomGrid::ColWidths(int Index) const {
  return Index >= 0 && Index < ColCount() ? FColWidths[size_t(Index)] : FDefaultColWidth;
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Index < 0 || Index >= ColCount()) return;
  Value = std::max(0, Value);
  if (FColWidths[size_t(Index)] == Value) return;
  FColWidths[size_t(Index)] = Value;
  ColWidthsChanged();
}

int TCustomGrid::RowHeights(int Index) const {
  return Index >= 0 && Index < RowCount() ? FRowHeights[size_t(Index)] : FDefaultRowHeight;
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0 || Index >= RowCount()) return;
  Value = std::max(0, Value);
  if (FRowHeights[size_t(Index)] == Value) return;
  FRowHeights[size_t(Index)] = Value;
  RowHeightsChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(0, Value);
  FDefaultColWidth = Value;
  std::fill(FColWidths.begin(), FColWidths.end(), Value);
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(0, Value);
  FDefaultRowHeight = Value;
  std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(0, Value);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  ColWidthsChanged();
  RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::RowHeightsChanged() {
  UpdateScrollRange();
  UpdateEdit();
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  SetProperty(FFixedColor, Value, [&] { Invalidate(); });
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  SetProperty(FDefaultDrawing, Value, [&] { Invalidate(); });
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  const TGridOptions old = FOptions;
  FOptions = Value;
  if (!Value.Contains(goEditing) || Value.Contains(goRowSelect)) HideEditor();
  if (Value.Contains(goRowSelect) && !old.Contains(goRowSelect)) {
    FAnchor = TGridCoord{ColCount() - 1, FCurrent.Y};
  } else if (!Value.Contains(goRowSelect) && old.Contains(goRowSelect)) {
    FAnchor = FCurrent;
  }
  if (Value.Contains(goAlwaysShowEditor) && Value.Contains(goEditing)) {
    FEditorMode = true;
    UpdateEdit();
  }
  ColWidthsChanged();
  RowHeightsChanged();
}
