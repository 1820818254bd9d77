// The parts of a cell's painting that the fixed-cell faces and the cell
// graphics fill: until then a fixed cell shows the base painter's background,
// a graphic draws nothing and the sort glyph is a plain triangle.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/SortSettings.h"

void TPlexStringGrid::DrawFixedCellFace(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, TGridDrawState AState,
                                        bool ListViewLook) {}

void TPlexStringGrid::DrawFixedCellEdges(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect, bool FixedLooking) {}

void TPlexStringGrid::DrawCellGraphics(TCanvas& ACanvas, int ACol, int ARow, TRect& ARect,
                                       const TCellGraphicLayout& Layout, TVAlignment VA, TGridDrawState AState,
                                       int TextWidth, bool BeforeText) {}

void TPlexStringGrid::DrawSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X) {
  const bool down = FSortSettings->Direction == sdDescending;
  ACanvas.Pen().Color = 0x808080;
  ACanvas.Pen().Width = 1;
  if (down)
    ACanvas.Polyline({TPoint(X + 4, Y - 4), TPoint(X, Y + 4), TPoint(X - 4, Y - 4), TPoint(X + 4, Y - 4)});
  else
    ACanvas.Polyline({TPoint(X - 4, Y + 4), TPoint(X + 4, Y + 4), TPoint(X, Y - 4), TPoint(X - 4, Y + 4)});
  ACanvas.Pen().Color = clBlack;
}

bool TPlexStringGrid::IsRotated(int ACol, int ARow, int& aAngle) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRotated) return false;
  aAngle = g->CellAngle;
  return true;
}
