// The base grid's painting hooks: a merged block is painted once per paint
// pass as one rectangle, lines are drawn with the grid's own width and
// colours, and the content goes to DrawGridCell.
#include "grid/foundation/BaseGrid.h"

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  PaintCellCore(Canvas(), ACol, ARow, ARect, AState);
  TObjStringGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TBaseGrid::PaintCellCore(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  if (FHideLastRow && ARow == RowCount() - 1) {
    ACanvas.Brush().Color = Color();
    ACanvas.Pen().Color = Color();
    ACanvas.Rectangle(ARect);
    return;
  }
  int baseCol = ACol, baseRow = ARow;
  if (!ResolveBaseCell(ACol, ARow, baseCol, baseRow)) {
    TCellProperties* bp = HasCellProperties(baseCol, baseRow) ? PropsOf(baseCol, baseRow) : nullptr;
    if (bp && bp->PaintID != FPaintID) {
      bp->PaintID = FPaintID;
      PaintCellCore(ACanvas, baseCol, baseRow, ARect, AState);
    }
    return;
  }
  if (IsFixed(ACol, ARow)) {
    AState.Include(gdFixed);
    AState.Exclude(gdSelected);
  }
  ARect = CellRect(ACol, ARow);
  // A block reaches beyond the cell the platform asked for; it is clipped only
  // to the part of the grid that its base cell scrolls in.
  const int x0 = ACol >= FixedCols() ? FixedColsWidth() : 0;
  const int y0 = ARow >= FixedRows() ? FixedRowsHeight() : 0;
  const TRegion scrollArea(TRect(x0, y0, Width(), Height()));
  ACanvas.SelectClipRgn(&scrollArea);
  const bool fixed = AState.Contains(gdFixed);
  ACanvas.Font().Assign(Font());
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Brush().Color = fixed ? FixedColor() : AState.Contains(gdSelected) && FShowSel ? clHighlight : Color();
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = FWordWrap;
  TCellGradientDirection direction = GradientVertical;
  GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas.Brush(), colorTo, mirror, mirrorTo, ACanvas.Font(),
                      hAlign, vAlign, wordWrap, direction);
  ACanvas.FillRect(ARect);
  const int lw = fixed ? 1 : GridLineWidth();
  if (lw > 0) {
    const TColor lineColor = fixed ? FGridFixedLineColor : FGridLineColor;
    ACanvas.Brush().Color = lineColor;
    const TGridOptions o = Options();
    if ((fixed && o.Contains(goFixedHorzLine)) || (!fixed && o.Contains(goHorzLine)))
      if (!(ACol == 0 && HasNodes())) ACanvas.FillRect(TRect(ARect.Left, ARect.Bottom - lw, ARect.Right, ARect.Bottom));
    if ((fixed && o.Contains(goFixedVertLine)) || (!fixed && o.Contains(goVertLine)))
      ACanvas.FillRect(TRect(ARect.Right - lw, ARect.Top, ARect.Right, ARect.Bottom));
  }
  TRect inner = ARect;
  if (fixed) {
    inner.Right -= 1;
    inner.Bottom -= 2;
  } else {
    InflateRect(inner, -GridLineWidth(), -GridLineWidth());
  }
  if (fixed || !(AState.Contains(gdSelected) && FShowSel)) ACanvas.Font().SetColor(Font().Color());
  else ACanvas.Font().SetColor(clHighlightText);
  DrawGridCell(ACanvas, ACol, ARow, inner, AState);
  ACanvas.Brush().Style = bsSolid;
  ACanvas.Pen().Style = psSolid;
}

void TBaseGrid::DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) return;
  const int x = ARect.Left + (ARect.Width() - ACanvas.TextWidth(text)) / 2;
  const int y = ARect.Top + (ARect.Height() - ACanvas.TextHeight(text)) / 2;
  const TBrushStyle style = ACanvas.Brush().Style;
  ACanvas.Brush().Style = bsClear;
  ACanvas.TextRect(ARect, x, y, text);
  ACanvas.Brush().Style = style;
}
