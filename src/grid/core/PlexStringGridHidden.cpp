// Real and displayed indexes: a hidden column keeps its cells at its real
// index and leaves the displayed columns; a hidden row leaves the grid for
// the hidden-row store.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/HiddenRowStore.h"

#include <cstdint>

namespace {
// Only real columns below this can be hidden.
constexpr int HideableColumns = PlexGridDefaults::HiddenColumnSlots - 1;
}  // namespace

int TPlexStringGrid::NumHiddenRows() const { return FHiddenRowStore ? FHiddenRowStore->Count() : 0; }

bool TPlexStringGrid::IsHiddenColumn(int ACol) const {
  return ACol >= 0 && ACol < HideableColumns && FHiddenColumns[size_t(ACol)];
}

bool TPlexStringGrid::IsHiddenRow(int ARow) const { return FHiddenRowStore && FHiddenRowStore->Find(ARow); }

void TPlexStringGrid::HideColumn(int ACol) {
  if (ACol < 0 || ACol >= HideableColumns || IsHiddenColumn(ACol) || ColCount() <= 1) return;
  if (FHiddenColumnWidths.empty()) FHiddenColumnWidths.assign(size_t(HideableColumns), 0);
  FHiddenColumnWidths[size_t(ACol)] = int16_t(ColWidths(RealToDisplayCol(ACol)));
  FHiddenColumns[size_t(ACol)] = true;
  ++FNumHiddenColumns;
  SetColCount(ColCount() - 1);
}

void TPlexStringGrid::UnHideColumn(int ACol) {
  if (!IsHiddenColumn(ACol)) return;
  FHiddenColumns[size_t(ACol)] = false;
  --FNumHiddenColumns;
  SetColCount(ColCount() + 1);
  SetColWidths(RealToDisplayCol(ACol), FHiddenColumnWidths[size_t(ACol)]);
}

void TPlexStringGrid::UnHideColumnsAll() {
  for (int c = 0; c < HideableColumns && FNumHiddenColumns > 0; ++c) UnHideColumn(c);
}

int TPlexStringGrid::RealToDisplayCol(int ACol) const {
  if (FNumHiddenColumns == 0) return ACol;
  int before = 0;
  for (int c = 0; c < ACol && c < HideableColumns; ++c)
    if (FHiddenColumns[size_t(c)]) ++before;
  return ACol - before;
}

int TPlexStringGrid::DisplayToRealCol(int ACol) const {
  if (FNumHiddenColumns == 0) return ACol;
  int real = ACol;
  for (int c = 0; c < HideableColumns && c <= real; ++c)
    if (FHiddenColumns[size_t(c)]) ++real;
  return real;
}

int TPlexStringGrid::RealToDisplayRow(int ARow) const {
  return NumHiddenRows() == 0 ? ARow : FHiddenRowStore->RealToDisplayRow(ARow);
}

int TPlexStringGrid::DisplayToRealRow(int ARow) const {
  return NumHiddenRows() == 0 ? ARow : FHiddenRowStore->DisplayToRealRow(ARow);
}
