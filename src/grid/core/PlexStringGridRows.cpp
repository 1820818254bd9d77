// Column operations, clearing, trimming and colouring blocks of cells,
// merging and splitting runs of equal cells, and three small cell queries.
// Rows that move with what they carry are in PlexStringGridRowOps.cpp.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/foundation/NumberDateRoutines.h"

#include <QRegularExpression>

#include <algorithm>

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

// ---- columns: the hidden-column tables move with their columns

namespace {
// Only real columns below this take part in hiding.
constexpr int HideableColumns = PlexGridDefaults::HiddenColumnSlots - 1;
}  // namespace

void TPlexStringGrid::InsertCols(int ColIndex, int CCount) {
  if (CCount <= 0 || ColIndex < 0 || ColIndex > AllColCount()) return;
  const int displayAt = RealToDisplayCol(ColIndex);
  SetColCount(ColCount() + CCount);
  InsertStoreCols(ColIndex, CCount);
  for (int c = HideableColumns - 1; c >= ColIndex; --c) {
    const bool moved = c - CCount >= ColIndex;
    FHiddenColumns[size_t(c)] = moved && FHiddenColumns[size_t(c - CCount)];
    FHiddenColumnWidths[size_t(c)] = moved ? FHiddenColumnWidths[size_t(c - CCount)] : 0;
  }
  for (int d = ColCount() - 1; d >= displayAt + CCount; --d) SetColWidths(d, ColWidths(d - CCount));
  for (int d = displayAt; d < displayAt + CCount; ++d) SetColWidths(d, DefaultColWidth());
}

// Hidden columns that go lower the hidden count; only shown ones lower ColCount.
void TPlexStringGrid::RemoveCols(int ColIndex, int CCount) {
  CCount = std::min(CCount, AllColCount() - ColIndex);
  if (CCount <= 0 || ColIndex < 0) return;
  FBlockCellsChanged = true;
  ClearCols(ColIndex, CCount);
  FBlockCellsChanged = false;
  std::vector<int> widths;  // by real column, for the columns that stay shown
  for (int c = 0; c < AllColCount(); ++c) widths.push_back(IsHiddenColumn(c) ? 0 : ColWidths(RealToDisplayCol(c)));
  int hiddenGone = 0;
  for (int c = ColIndex; c < ColIndex + CCount; ++c) hiddenGone += IsHiddenColumn(c) ? 1 : 0;
  DeleteStoreCols(ColIndex, CCount);
  widths.erase(widths.begin() + ColIndex, widths.begin() + ColIndex + CCount);
  for (int c = ColIndex; c < HideableColumns; ++c) {
    const bool moved = c + CCount < HideableColumns;
    FHiddenColumns[size_t(c)] = moved && FHiddenColumns[size_t(c + CCount)];
    FHiddenColumnWidths[size_t(c)] = moved ? FHiddenColumnWidths[size_t(c + CCount)] : 0;
  }
  FNumHiddenColumns -= hiddenGone;
  SetColCount(ColCount() - (CCount - hiddenGone));
  for (int c = 0; c < int(widths.size()); ++c)
    if (!IsHiddenColumn(c)) SetColWidths(RealToDisplayCol(c), widths[size_t(c)]);
  DoCellsChanged(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TPlexStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCellEx(ColIndex1, r, (GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)).trimmed());
  RemoveCols(ColIndex2, 1);
}

// ---- clearing, trimming, colouring

void TPlexStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  const int lastRow = std::min(ARow2, RowCount() - 1);
  for (int c = std::max(0, ACol1); c <= ACol2; ++c) {
    const int mc = SaveHiddenCells ? DisplayToRealCol(c) : c;
    if (mc >= StoreColCount()) break;
    for (int r = std::max(0, ARow1); r <= lastRow; ++r) {
      if (!ClearTextOnly && HasCellProperties(mc, r)) {
        if (FNilObjects)
          SetGridObject(mc, r, nullptr);
        else
          FreeCellPropsRange(mc, r, mc, r);
      }
      if (FDestroying || GetGridCell(mc, r).isEmpty()) continue;
      SetGridCell(mc, r, QString());
      if (mc != c) RepaintCell(c, r);
    }
  }
  // Only a clear that reached every stored column, hidden ones included,
  // leaves no properties behind.
  if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= StoreColCount() - 1 && ARow2 >= RowCount() - 1 && !ClearTextOnly)
    FHasCellProps = false;
  if (FDestroying) return;
  Invalidate();
  if (!FBlockCellsChanged) {
    const int c1 = SaveHiddenCells ? DisplayToRealCol(ACol1) : ACol1;
    const int c2 = SaveHiddenCells ? DisplayToRealCol(ACol2) : ACol2;
    DoCellsChanged(TRect(c1, ARow1, c2, ARow2));
  }
}

void TPlexStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = std::max(0, ARow1); r <= ARow2 && r < RowCount(); ++r)
    for (int c = std::max(0, ACol1); c <= ACol2; ++c) {
      const int mc = SaveHiddenCells ? DisplayToRealCol(c) : c;
      const QString text = GetGridCell(mc, r);
      if (text.trimmed() != text) SetCellEx(mc, r, text.trimmed());
    }
}

void TPlexStringGrid::ClearRows(int RowIndex, int RCount) {
  if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
  ClearRect(0, RowIndex, AllColCount() - 1, RowIndex + RCount - 1);
}

void TPlexStringGrid::ClearCols(int ColIndex, int CCount) {
  if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
  ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TPlexStringGrid::ClearNormalRows(int RowIndex, int RCount) {
  if (RowCount() == 0 || ColCount() == 0 || RCount <= 0) return;
  ClearRect(FixedCols(), RowIndex, AllColCount() - FixedRightCols() - 1, RowIndex + RCount - 1);
}

void TPlexStringGrid::ClearNormalCols(int ColIndex, int CCount) {
  if (RowCount() == 0 || ColCount() == 0 || CCount <= 0) return;
  ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters() - 1);
}

void TPlexStringGrid::ClearNormalCells() {
  // The node glyphs live in column 0, a normal column when nothing is fixed.
  if (FixedCols() == 0 && HasNodes()) {
    RemoveAllNodes();
    FNodeCount = 0;
  }
  ClearRect(FixedCols(), FixedRows(), AllColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}

void TPlexStringGrid::ClearSelection() {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = 0; r < RowCount(); ++r)
      if (RowSelect(FMouseActions->RowSelectPersistent ? RealRowIndex(r) : r)) ClearRows(r, 1);
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int c = 0; c < int(FColSelect.size()); ++c)
      if (FColSelect[size_t(c)]) ClearCols(c, 1);
  } else {
    const TGridRect sel = Selection();
    ClearRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
  }
}

void TPlexStringGrid::Clear() {
  if (!FDestroying && HasNodes()) RemoveAllNodes();
  ClearRect(0, 0, AllColCount() - 1, RowCount() - 1);
  // No cell keeps a node glyph now, whatever the count had drifted to.
  FNodeCount = 0;
  if (FNumHiddenColumns > 0) Invalidate();
}

void TPlexStringGrid::ClearAll() {
  Clear();
  for (int i = 0; i < NumHiddenRows(); ++i) {
    TStringList& cells = FHiddenRowStore->Items(i).Items;
    for (int c = 0; c < cells.Count(); ++c) cells.SetStrings(c, QString());
  }
}

void TPlexStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

// ---- merging and splitting runs of equal cells

void TPlexStringGrid::MergeRowCells(int RowIndex, bool MainMerge) {
  const int last = ColCount() - FixedRightCols() - 1;
  int first = FixedCols();
  for (int c = FixedCols() + 1; c <= last + 1; ++c) {
    const bool continues =
        c <= last && GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) && (MainMerge || ColSpanIdentical(c - 1, c));
    if (continues) continue;
    if (c - first >= 2) MergeCells(first, RowIndex, c - first, 1);
    first = c;
  }
}

void TPlexStringGrid::SplitRowCells(int RowIndex) {
  int c = 0;
  while (c < ColCount() - FixedRightCols() - 1) {
    if (!IsXMergedCell(c, RowIndex)) {
      ++c;
      continue;
    }
    const TPoint base = BaseCell(c, RowIndex);
    const int span = CellSpan(base.X, base.Y).X;
    SplitCells(base.X, base.Y);
    c = base.X + span + 1;
  }
}

void TPlexStringGrid::SplitAllCells() {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (IsMergedCell(c, r) && IsBaseCell(c, r)) SplitCells(c, r);
}

// ---- cell queries

bool TPlexStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (GetGridCell(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}

bool TPlexStringGrid::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).startsWith(QStringLiteral("|\\")); }

double TPlexStringGrid::CellToReal(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  if (text.isEmpty()) return 0;
  const QString plain = NormalizeNumberText(text);
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
  const QRegularExpressionMatch m = number.match(plain);
  const int valid = m.hasMatch() ? int(m.capturedLength()) : 0;
  if (valid == plain.size() && valid > 0) return plain.toDouble();
  throw EPlexGridError(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(valid + 1).arg(ACol).arg(ARow));
}

// ---- removing selected columns

void TPlexStringGrid::RemoveSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c) {
      if (size_t(c) >= FColSelect.size() || !FColSelect[size_t(c)]) continue;
      RemoveCols(c, 1);
      FColSelect.erase(FColSelect.begin() + c);
    }
    return;
  }
  const TGridRect sel = Selection();
  const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
  RemoveCols(left, right - left + 1);
}

void TPlexStringGrid::RemoveUnSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
      if (size_t(c) >= FColSelect.size() || !FColSelect[size_t(c)]) RemoveCols(c, 1);
  } else {
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    if (right + 1 < ColCount()) RemoveCols(right + 1, ColCount() - right - 1);
    if (left > FixedCols()) RemoveCols(FixedCols(), left - FixedCols());
  }
  FColSelect.clear();
}
