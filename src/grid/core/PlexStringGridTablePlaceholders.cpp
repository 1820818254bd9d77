// Column sizing as the table editors need it before the grid's own sizing
// is complete: the smallest version that keeps the editors' observable rules.
#include "grid/core/PlexStringGrid.h"

#include <algorithm>
#include <memory>

void TPlexStringGrid::AutoSizeCol(int ACol, int AddMargin) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int real = RealColIndex(ACol);
  int widest = 0;
  for (int r = 0; r < RowCount(); ++r) widest = std::max(widest, Canvas().TextWidth(GetCellEx(real, r)));
  // Room for the cell's text margins on both sides.
  constexpr int TextMargins = 8;
  SetColWidths(ACol, widest + TextMargins + AddMargin);
}
