// Painting: every visible cell is handed to DrawCell with its state flags;
// with DefaultDrawing the grid fills the cell backgrounds and draws its lines.
#include "platform/Grids.h"
#include "platform/internal/Painting.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr TColor GridLineColor = clSilver;
constexpr TColor FixedLineColor = clGray;
}  // namespace

void TCustomGrid::Paint() {
  TCanvas& c = Canvas();
  c.Font().Assign(Font());
  c.Brush().Style = bsSolid;
  c.Brush().Color = Color();
  c.FillRect(TRect(0, 0, Width(), Height()));
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  std::vector<int> visibleCols, visibleRows;
  for (int i = 0; i < FFixedCols; ++i) visibleCols.push_back(i);
  for (int i = cols.First, last = cols.LastVisible(); i <= last; ++i) visibleCols.push_back(i);
  for (int i = 0; i < FFixedRows; ++i) visibleRows.push_back(i);
  for (int i = rows.First, last = rows.LastVisible(); i <= last; ++i) visibleRows.push_back(i);
  const TGridRect sel = Selection();
  const bool focused = Focused() || (FInplaceEdit && FInplaceEdit->Focused());
  for (int r : visibleRows) {
    for (int col : visibleCols) {
      const TRect rect = PlainCellRect(col, r);
      if (rect.IsEmpty()) continue;
      TGridDrawState state;
      if (col < FFixedCols || r < FFixedRows) {
        state.Include(gdFixed);
      } else {
        if (col >= sel.Left && col <= sel.Right && r >= sel.Top && r <= sel.Bottom) state.Include(gdSelected);
        if (focused && col == FCurrent.X && r == FCurrent.Y) state.Include(gdFocused);
      }
      if (PaintsDefaultCells()) DrawDefaultCell(col, r, rect, state);
      // No clip to the cell, as in the library: a cell request may paint a
      // whole merged block that reaches over its neighbours.
      c.Save();
      DrawCell(col, r, rect, state);
      c.Restore();
    }
  }
  if (PaintsDefaultCells() && LayoutLineWidth() > 0) DrawLines();
}

void TCustomGrid::DrawDefaultCell(int ACol, int ARow, const TRect& r, TGridDrawState state) {
  TCanvas& c = Canvas();
  const bool highlight =
      state.Contains(gdSelected) &&
      (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect));
  if (state.Contains(gdFixed))
    c.Brush().Color = FFixedColor;
  else if (highlight)
    c.Brush().Color = clHighlight;
  else
    c.Brush().Color = Color();
  c.FillRect(r);
  c.Font().SetColor(highlight ? clHighlightText : Font().Color());
  if (state.Contains(gdFocused) && !FOptions.Contains(goRowSelect) && !FEditorMode) {
    if (QPainter* p = CanvasPainter(c)) {
      p->save();
      p->setPen(QPen(ToQColor(clWindowText), 1, Qt::DotLine));
      p->setBrush(Qt::NoBrush);
      p->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
      p->restore();
    }
  }
}

void TCustomGrid::DrawLines() {
  TCanvas& c = Canvas();
  const AxisInfo cols = ColAxis();
  const AxisInfo rows = RowAxis();
  const int gw = GridWidth(), gh = GridHeight();
  const int fixedW = cols.FixedBoundary(), fixedH = rows.FixedBoundary();
  auto band = [&](TColor color, const TRect& r) {
    c.Brush().Color = color;
    c.FillRect(r);
  };
  const int lw = LayoutLineWidth();
  for (int i = 0; i < ColCount(); ++i) {
    const int x = cols.Pos(i);
    if (x < 0) continue;
    const int lineX = x + cols.Size(i);
    const bool fixed = i < FFixedCols;
    if (FOptions.Contains(goFixedVertLine)) band(FixedLineColor, TRect(lineX, 0, lineX + lw, fixedH));
    if (fixed && FOptions.Contains(goFixedVertLine)) band(FixedLineColor, TRect(lineX, fixedH, lineX + lw, gh));
    if (!fixed && FOptions.Contains(goVertLine)) band(GridLineColor, TRect(lineX, fixedH, lineX + lw, gh));
  }
  for (int i = 0; i < RowCount(); ++i) {
    const int y = rows.Pos(i);
    if (y < 0) continue;
    const int lineY = y + rows.Size(i);
    const bool fixed = i < FFixedRows;
    if (FOptions.Contains(goFixedHorzLine)) band(FixedLineColor, TRect(0, lineY, fixedW, lineY + lw));
    if (fixed && FOptions.Contains(goFixedHorzLine)) band(FixedLineColor, TRect(fixedW, lineY, gw, lineY + lw));
    if (!fixed && FOptions.Contains(goHorzLine)) band(GridLineColor, TRect(fixedW, lineY, gw, lineY + lw));
  }
}

void TCustomGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}
