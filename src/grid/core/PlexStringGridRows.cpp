// Row and column operations. Clearing a block is the grid's own (Destroy
// frees every cell record with it); inserting, removing and swapping rows and
// columns are recorded until the row-operations unit builds them.
#include "grid/core/PlexStringGrid.h"

#include <algorithm>

void TPlexStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r)
    for (int c = std::max(0, ACol1); c <= ACol2; ++c) SetGridCell(c, r, QString());
  if (!ClearTextOnly) FreeCellPropsRange(ACol1, ARow1, ACol2, ARow2);
  Invalidate();
}

void TPlexStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r)
    for (int c = std::max(0, ACol1); c <= ACol2; ++c) SetGridCell(c, r, GetGridCell(c, r).trimmed());
}

void TPlexStringGrid::RemoveRowsEx(int ARow, int ACount) { RecordFeatureCall("RemoveRowsEx"); }
void TPlexStringGrid::RemoveRows(int ARow, int ACount) { RecordFeatureCall("RemoveRows"); }
void TPlexStringGrid::InsertRows(int ARow, int ACount) { RecordFeatureCall("InsertRows"); }
void TPlexStringGrid::RemoveCols(int ACol, int ACount) { RecordFeatureCall("RemoveCols"); }
void TPlexStringGrid::InsertCols(int ACol, int ACount) { RecordFeatureCall("InsertCols"); }
void TPlexStringGrid::SortSwapRows(int ARow1, int ARow2) { RecordFeatureCall("SortSwapRows"); }

// Vertical merges of a column are split from the top; each block is skipped whole.
void TPlexStringGrid::SplitColumnCells(int ColIndex) {
  int r = 0;
  while (r < RowCount() - 1) {
    if (!IsYMergedCell(ColIndex, r)) {
      ++r;
      continue;
    }
    const TPoint base = BaseCell(ColIndex, r);
    const int span = CellSpan(base.X, base.Y).Y;
    SplitCells(base.X, base.Y);
    r = base.Y + span + 1;
  }
}

// Runs of equal texts become one block; a further column (not the main one)
// merges only where the rows' vertical merges agree as well.
void TPlexStringGrid::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int last = RowCount() - 1;
  int first = FixedRows();
  for (int r = FixedRows() + 1; r <= last + 1; ++r) {
    const bool continues =
        r <= last && GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) && (MainMerge || RowSpanIdentical(r - 1, r));
    if (continues) continue;
    if (r - first >= 2) MergeCells(ColIndex, first, 1, r - first);
    first = r;
  }
}
