// The base grid's paint core: every cell request goes through it. A merged
// block is painted as one rectangle once per pass, cells scrolled under the
// fixed area are clipped, the colours come from GetVisualProperties with the
// hover and active rows over them, the background is a selection frame or a
// (mirrored) gradient, the lines are the grid's own, and the content is
// DrawGridCell's.
#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/CellDrawing.h"
#include "platform/Property.h"

#include <utility>

namespace {
constexpr int CellGradientSteps = 64;
}  // namespace

void TBaseGrid::SetBiDiMode(TBiDiMode Value) {
  SetProperty(FBiDiMode, Value, [this] { Invalidate(); });
}

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  PaintCellCore(Canvas(), ACol, ARow, ARect, AState, true);
  TObjStringGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::PaintCellCore(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full) {
  if (FHideLastRow && ARow == RowCount() - 1) {
    ACanvas.Brush().Color = Color();
    ACanvas.Pen().Color = Color();
    ACanvas.Rectangle(ARect);
    return;
  }
  if (PaintBlockOfNonBaseCell(ACanvas, ACol, ARow, ARect, AState)) return;
  if (Full && IsFixed(ACol, ARow)) {
    AState.Include(gdFixed);
    AState.Exclude(gdSelected);
  }
  if (Full) ARect = CellRect(ACol, ARow);
  const bool clipped = ClipUnderFixedArea(ACanvas, ACol, ARow, ARect);
  TCellLook look = QueryCellLook(ACanvas, ACol, ARow, AState);
  ApplyRowColours(ACol, ARow, AState, Full, look);
  ACanvas.Brush().Color = look.Brush;
  ACanvas.Pen().Color = look.Brush;
  PaintBackground(ACanvas, ACol, ARect, AState, look);
  const bool fixed = AState.Contains(gdFixed);
  PaintGridLines(ACanvas, ACol, ARect, fixed, look.Brush);
  TRect inner = ARect;
  if (fixed) {
    inner.Right -= 1;
    inner.Bottom -= 2;
  } else {
    InflateRect(inner, -GridLineWidth(), -GridLineWidth());
  }
  if (Full) DrawGridCell(ACanvas, ACol, ARow, inner, AState);
  if (clipped) ACanvas.SelectClipRgn(nullptr);
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Pen().Style = psSolid;
}

// A non-base cell paints its whole block once per pass, through the base
// cell, and nothing else; true when the cell was such a cell.
bool TBaseGrid::PaintBlockOfNonBaseCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect,
                                        TGridDrawState AState) {
  int baseCol = ACol, baseRow = ARow;
  if (ResolveBaseCell(ACol, ARow, baseCol, baseRow)) return false;
  TCellProperties* base = PropsOf(baseCol, baseRow);
  if (base && base->PaintID != FPaintID) {
    base->PaintID = FPaintID;
    PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
  }
  return true;
}

// A block or cell that reaches under the fixed columns or rows is kept out of
// them, so that scrolled-out parts do not paint over the headers.
bool TBaseGrid::ClipUnderFixedArea(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect) {
  const int x0 = ACol >= FixedCols() ? FixedColsWidth() : 0;
  const int y0 = ARow >= FixedRows() ? FixedRowsHeight() : 0;
  const bool underCols = FixedCols() > 0 && ACol >= FixedCols() && x0 > ARect.Left;
  const bool underRows = FixedRows() > 0 && ARow >= FixedRows() && ARect.Top < y0;
  if (!underCols && !underRows) return false;
  const TRegion region(TRect(x0, y0, Width(), Height()));
  ACanvas.SelectClipRgn(&region);
  return true;
}

TBaseGrid::TCellLook TBaseGrid::QueryCellLook(TCanvas& ACanvas, int ACol, int ARow, TGridDrawState& AState) {
  ACanvas.Pen().Width = 1;
  ACanvas.Font().Assign(Font());
  // A grid that does not override GetVisualProperties still shows the
  // platform's plain looks of fixed, selected and normal cells.
  const bool selected = AState.Contains(gdSelected) && FShowSel;
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Brush().Color = AState.Contains(gdFixed) ? FixedColor() : selected ? clHighlight : Color();
  if (selected && !AState.Contains(gdFixed)) ACanvas.Font().SetColor(clHighlightText);
  TCellLook look;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush(), look.ColorTo, look.MirrorColor,
                      look.MirrorColorTo, ACanvas.Font(), hAlign, vAlign, wordWrap, look.Direction);
  look.Brush = ACanvas.Brush().Color;
  ACanvas.Pen().Color = look.Brush;
  return look;
}

// The hover row first, then the active row, which wins over it.
void TBaseGrid::ApplyRowColours(int ACol, int ARow, TGridDrawState AState, bool Full, TCellLook& Look) const {
  const bool hoverExcluded = (AState.Contains(gdSelected) && !FHoverRowCells.Contains(hcSelected)) ||
                             (AState.Contains(gdFixed) && !FHoverRowCells.Contains(hcFixed));
  if (FHoverRow && ARow == FHoverRowIdx && !hoverExcluded) {
    Look.Brush = FHoverRowColor;
    Look.ColorTo = FHoverRowColorTo;
    Look.MirrorColor = clNone;
    Look.MirrorColorTo = clNone;
    Look.Direction = GradientVertical;
  }
  const bool activeRow = FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !FShowSel);
  if (activeRow || (!Full && AState.Contains(gdSelected))) {
    Look.Brush = FActiveRowColor;
    Look.ColorTo = FActiveRowColorTo;
    Look.MirrorColor = FActiveRowMirrorColor;
    Look.MirrorColorTo = FActiveRowMirrorColorTo;
  }
}

void TBaseGrid::PaintBackground(TCanvas& ACanvas, int ACol, const TRect& ARect, TGridDrawState AState,
                                const TCellLook& Look) {
  if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
    PaintSelectionFrame(ACanvas, ACol, ARect);
    return;
  }
  if (UsesVclStyles() && (AState.Contains(gdFixed) || AState.Contains(gdSelected))) return;
  if (Look.MirrorColorTo != clNone)
    DrawMirrorGradient(ACanvas, ARect, Look.Brush, Look.ColorTo, Look.MirrorColor, Look.MirrorColorTo, true, clNone,
                       false, true);
  else
    DrawGradient(ACanvas, Look.Brush, Look.ColorTo, CellGradientSteps, ARect, Look.Direction == GradientHorizontal);
}

int TBaseGrid::SelectionEndKind(int ACol) const {
  const TGridRect sel = Selection();
  int left = sel.Left, right = sel.Right;
  if (right < left) std::swap(left, right);
  if (ACol == left && right > ACol) return seLeftEnd;
  if (ACol == right && left < ACol) return seRightEnd;
  if (left < ACol && ACol < right) return seMiddle;
  return seSingle;
}

void TBaseGrid::PaintSelectionFrame(TCanvas& ACanvas, int ACol, const TRect& ARect) {
  TRect frame = ARect;
  const TGridOptions options = Options();
  if (!options.Contains(goHorzLine)) frame.Bottom += 1;
  if (!options.Contains(goVertLine)) frame.Right += 1;
  if (FBiDiMode == bdRightToLeft) {
    frame.Right += 1;
    frame.Bottom += 1;
  }
  static constexpr TSelectionColorSet StyleSets[] = {scsUnfocused, scsVista, scsWin7, scsOffice2007};
  const bool focusedLook = Focused() || options.Contains(goDrawFocusSelected);
  const TSelectionColorSet set = focusedLook ? StyleSets[FSelectionStyle] : scsUnfocused;
  DrawSelectionBorder(ACanvas, SelectionColorSets[set], Color(), frame, SelectionEndKind(ACol));
}

void TBaseGrid::PaintGridLines(TCanvas& ACanvas, int ACol, const TRect& ARect, bool Fixed, TColor BrushColor) {
  int h = 1;
  if (Fixed) {
    ACanvas.Pen().Color = FGridFixedLineColor;
    ACanvas.Pen().Width = 1;
  } else {
    // Without a line width the lines take the cell's own colour and vanish.
    ACanvas.Pen().Color = GridLineWidth() > 0 ? FGridLineColor : BrushColor;
    ACanvas.Pen().Width = GridLineWidth();
    h = (GridLineWidth() + 1) / 2;
  }
  const TGridOptions o = Options();
  const bool bottom = Fixed ? o.Contains(goFixedHorzLine) : o.Contains(goHorzLine);
  if (bottom && !(ACol == 0 && HasNodes())) {
    ACanvas.MoveTo(ARect.Left - h + 1, ARect.Bottom - h);
    ACanvas.LineTo(ARect.Right - h + 1, ARect.Bottom - h);
  }
  if (Fixed ? o.Contains(goFixedVertLine) : o.Contains(goVertLine)) {
    const int x = FBiDiMode == bdRightToLeft ? ARect.Right - h + 1 : ARect.Right - h;
    ACanvas.MoveTo(x, ARect.Bottom - h);
    ACanvas.LineTo(x, ARect.Top - h);
  }
}

void TBaseGrid::DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) return;
  TRect r = ARect;
  const TBrushStyle style = ACanvas.Brush().Style;
  ACanvas.Brush().Style = bsClear;
  DrawText(ACanvas, text, r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
  ACanvas.Brush().Style = style;
}
