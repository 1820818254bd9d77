// Real and displayed column indexes: a hidden column keeps its cells at its
// real index and only leaves the displayed columns, its width kept aside.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/HiddenRowStore.h"

namespace {
// Only real columns below this can be hidden.
constexpr int HideableColumns = PlexGridDefaults::HiddenColumnSlots - 1;
}  // namespace

int TPlexStringGrid::NumHiddenRows() const { return FHiddenRowStore ? FHiddenRowStore->Count() : 0; }

bool TPlexStringGrid::IsHiddenColumn(int ACol) const {
  return ACol >= 0 && ACol < HideableColumns && FHiddenColumns[size_t(ACol)];
}

bool TPlexStringGrid::IsHiddenRow(int ARow) const { return FHiddenRowStore && FHiddenRowStore->Find(ARow); }

void TPlexStringGrid::HideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  for (int c = std::max(0, FromCol); c <= ToCol && c < HideableColumns; ++c) {
    if (IsHiddenColumn(c) || c >= ColCount() + FNumHiddenColumns || ColCount() <= 1) continue;
    const int displayed = RealToDisplayCol(c);
    FHiddenColumnWidths[size_t(c)] = int16_t(ColWidths(displayed));
    for (int d = displayed; d < ColCount() - 1; ++d) SetColWidths(d, ColWidths(d + 1));
    ++FNumHiddenColumns;
    FHiddenColumns[size_t(c)] = true;
    // Dropping the last displayed column moves a current cell there one to the left.
    SetColCount(ColCount() - 1);
  }
  Invalidate();
}

void TPlexStringGrid::UnHideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  for (int c = std::max(0, FromCol); c <= ToCol && c < HideableColumns; ++c) {
    if (!IsHiddenColumn(c)) continue;
    --FNumHiddenColumns;
    FHiddenColumns[size_t(c)] = false;
    SetColCount(ColCount() + 1);
    const int displayed = RealToDisplayCol(c);
    for (int d = ColCount() - 1; d > displayed; --d) SetColWidths(d, ColWidths(d - 1));
    SetColWidths(displayed, FHiddenColumnWidths[size_t(c)]);
  }
  Invalidate();
}

void TPlexStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHiddenColumns); }

// One entry of the table, as the column-order code restores it; the count
// and the displayed columns are the caller's to bring in step.
void TPlexStringGrid::SetColumnVisible(int ACol, bool Value) {
  if (ACol < 0 || ACol >= HideableColumns) return;
  FHiddenColumns[size_t(ACol)] = !Value;
}

int TPlexStringGrid::RealToDisplayCol(int ACol) const {
  if (FNumHiddenColumns == 0) return ACol;
  int before = 0;
  for (int c = 0; c < ACol && c < HideableColumns; ++c)
    if (FHiddenColumns[size_t(c)]) ++before;
  return ACol - before;
}

// The real column of the (d + 1)-th shown column. Past the table every real
// column is shown, so a displayed index there still names the column shown
// at it rather than one of its neighbours.
int TPlexStringGrid::DisplayToRealCol(int ACol) const {
  if (FNumHiddenColumns == 0 || ACol < 0) return ACol;
  int shown = 0;
  for (int c = 0; c < HideableColumns; ++c)
    if (!FHiddenColumns[size_t(c)] && shown++ == ACol) return c;
  return HideableColumns + (ACol - shown);
}

int TPlexStringGrid::RealToDisplayRow(int ARow) const {
  return NumHiddenRows() == 0 ? ARow : FHiddenRowStore->RealToDisplayRow(ARow);
}

int TPlexStringGrid::DisplayToRealRow(int ARow) const {
  return NumHiddenRows() == 0 ? ARow : FHiddenRowStore->DisplayToRealRow(ARow);
}
