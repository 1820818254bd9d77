// Sizing columns and rows to their content with the grid's exact margins,
// fitting the columns into the control's width, sizing the control to its
// cells and numbering a column or row.
#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "platform/SystemMetrics.h"

#include <algorithm>
#include <cmath>

namespace {
// The drop-down button of an always-visible combo, the filter glyph and the sort glyph.
constexpr int ComboButtonRoom = 16;
constexpr int FilterGlyphRoom = 12;
constexpr int SortGlyphRoom = 10;
int Nearest(double x) { return int(std::nearbyint(x)); }
}  // namespace

// The width one cell asks for: graphic, text and the glyphs drawn beside the text.
int TPlexStringGrid::FitCellWidth(int ACol, int RCol, int ARow) {
  const int graphic = GetCellGraphicSize(RCol, ARow).X;
  const TCellGraphic* g = GetCellGraphic(RCol, ARow);
  if (g && g->CellType != ctNone && g->CellHAlign == haFull) return graphic - (2 * (GridLineWidth() + 1) + XYOffset.X);
  int w = graphic + GetCellTextSize(RCol, ARow, false, false).cx;
  if (FControlLook->DropDownAlwaysVisible() && DoHasComboBox(RCol, ARow)) w += ComboButtonRoom;
  if (FilterDropDownAuto && ARow == FilterDropDownRow && DoGetColumnFilter(RCol)) w += FilterGlyphRoom;
  if (IsSortIndicatorRow(ACol, ARow) && ACol == FSortSettings->Column) w += SortGlyphRoom;
  return w;
}

void TPlexStringGrid::FitColumnToCells(int ACol, bool GrowOnly) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int rcol = RealColIndex(ACol);
  int first = 0, last = RowCount() - 1;
  switch (FColumnSize->Rows) {
    case arAll: break;
    case arNormal:
      first = FixedRows();
      last = RowCount() - FixedFooters() - 1;
      break;
    case arFixed: last = FixedRows() - 1; break;
  }
  int widest = 0;
  for (int r = first; r <= last; ++r)
    if (!IsXMergedCell(ACol, r)) widest = std::max(widest, FitCellWidth(ACol, rcol, r));
  int width = widest + GetHorzTextPadding() + 2 * (GridLineWidth() + 1);
  if (GrowOnly && ColWidths(ACol) >= width) return;
  DoUpdateAutoColumnSize(ACol, width);
  SetColWidths(ACol, LimitValue(width, MinColWidth, MaxColWidth));
}

void TPlexStringGrid::AutoSizeCol(int ACol, int Padding) {
  FitColumnToCells(ACol, SizeGrowOnly);
  if (Padding != 0) SetColWidths(ACol, LimitValue(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TPlexStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
  const int first = DoFixedCols ? 0 : FixedCols();
  const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
  for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

void TPlexStringGrid::FitRowToCells(int ARow, bool GrowOnly, int Padding) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const bool allFitBefore = AllRowsFit();
  int highest = 0;
  for (int c = 0; c < ColCount(); ++c) {
    const int rcol = RealColIndex(c);
    if (IsYMergedCell(c, ARow) && !IsBaseCell(c, ARow)) continue;
    if (FIgnoreColumns->IndexOf(rcol) >= 0) continue;
    const bool wrap = WordWrap();
    int th = GetCellTextSize(rcol, ARow, false, wrap).cy;
    int gh = CalcCellGraphicSize(rcol, ARow, Padding).Y;
    const TCellGraphic* g = GetCellGraphic(rcol, ARow);
    const TCellType kind = g ? g->CellType : ctNone;
    if (g && g->CellVAlign == vaFull) gh = th != 0 ? 0 : DefaultRowHeight();
    if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && gh > 0) th = 0;
    int h = th + gh;
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton)
      h = DefaultRowHeight();
    highest = std::max(highest, h);
  }
  int height = highest + GetVertTextPadding() + 2 * GridLineWidth();
  if (XYOffsetTopLeftOnly) height += 2;
  if (GrowOnly && RowHeights(ARow) >= height) return;
  SetRowHeights(ARow, LimitValue(height, MinRowHeight, MaxRowHeight));
  // The grown row may push the cell being typed in out of view.
  if (allFitBefore && FEditMode && FSizeWhileTyping->Height && !AllRowsFit()) {
    ClampInView(TGridCoord{Col(), Row()});
    ShowEditor();
    if (TInplaceEdit* editor = InplaceEditor(); editor && editor->Visible())
      editor->SetSelStart(editor->Text().length());
  }
}

void TPlexStringGrid::AutoSizeRow(int ARow, int Padding) {
  FitRowToCells(ARow, SizeGrowOnly, Padding);
  if (Padding != 0) SetRowHeights(ARow, LimitValue(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TPlexStringGrid::SetRowLinesHeight(int ARow, int Lines, int Padding) {
  TCanvas& c = Canvas();
  TFont font;
  font.Assign(Font());
  TBrush brush;
  DoGetCellColor(FixedCols(), ARow, TGridDrawState(), brush, font);
  c.Font().Assign(font);
  const int h = c.TextHeight("gh");
  SetRowHeights(ARow, LimitValue(Padding + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

int TPlexStringGrid::GetMaxLinesInRow(int ARow) {
  if (ColCount() == 0 || !Multilinecells) return 1;
  int lines = 1;
  for (int c = 0; c < ColCount(); ++c) lines = std::max(lines, LinesInCell(RealColIndex(c), ARow));
  return lines;
}

void TPlexStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
  if (RowCount() == 0) return;
  const int first = DoFixedRows ? 0 : FixedRows();
  ExportNotification(esExportStart, first);
  for (int r = first; r < RowCount(); ++r) {
    if (WordWrap()) {
      AutoSizeRow(r, 0);
      if (Padding != 0) SetRowHeights(r, LimitValue(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
    } else {
      SetRowLinesHeight(r, GetMaxLinesInRow(r), Padding);
    }
    ExportNotification(esExportNextRow, r);
  }
  ExportNotification(esExportDone, -1);
  ApplyScrollBarAlways(true);
}

void TPlexStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
  BeginUpdate();
  const int firstCol = DoFixedCells ? 0 : FixedCols();
  const int firstRow = DoFixedCells ? 0 : FixedRows();
  for (int c = firstCol; c < ColCount(); ++c) {
    const int rcol = RealColIndex(c);
    int a = SizeGrowOnly ? ColWidths(c) : 0;
    for (int r = firstRow; r < RowCount(); ++r) {
      const TSize text = GetCellTextSize(rcol, r, false, false);
      const TPoint graphic = GetCellGraphicSize(rcol, r);
      const int w = text.cx + graphic.X + PaddingX + XYOffset.X;
      const int h = text.cy + graphic.Y + PaddingY + XYOffset.Y;
      if (!IsXMergedCell(c, r) && w > a) {
        const int limited = LimitValue(w, MinColWidth, MaxColWidth);
        if (limited > a) {
          SetColWidths(c, limited);
          a = limited;
        }
      }
      if (!IsYMergedCell(c, r) && h > RowHeights(r)) {
        const int limited = LimitValue(h, MinRowHeight, MaxRowHeight);
        if (limited > RowHeights(r)) SetRowHeights(r, limited);
      }
    }
  }
  EndUpdate();
}

void TPlexStringGrid::AutoFitColumns(bool DoFixedCells) {
  const bool vertBar =
      FScrollBarAlways == saVert || (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
  const int sb = vertBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int border = FBorderStyle == bsSingle ? (Flat() ? 2 : 4) : 0;
  int first = 0, last = ColCount() - 1, room = Width();
  if (!DoFixedCells) {
    first = FixedCols();
    last = ColCount() - FixedRightCols() - 1;
    for (int c = 0; c < FixedCols(); ++c) room -= ColWidths(c);
    for (int c = last + 1; c < ColCount(); ++c) room -= ColWidths(c);
  }
  int lines = 0;
  if (Options().Contains(goVertLine)) lines = (ColCount() - FixedCols() - FixedRightCols()) * GridLineWidth();
  if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FixedRightCols();
  const auto rangeSum = [&] {
    int sum = 0;
    for (int c = first; c <= last; ++c) sum += ColWidths(c);
    return sum;
  };
  if (ColCount() <= 1) {
    SetColWidths(0, Width() - sb - 5);
  } else {
    const int sum = rangeSum();
    if (sum == room - sb - border || sum <= 0) return;
    const double f = double(room - sb - border - lines) / sum;
    int total = 0;
    for (int c = first; c <= last; ++c) total += Nearest(ColWidths(c) * f);
    for (int c = first; c <= last; ++c) SetColWidths(c, Nearest(double(ColWidths(c)) * total / sum));
  }
  int rest = room - (rangeSum() + sb + border);
  const int n = last - first + 1;
  if (n < rest && n > 1) {
    for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / n);
    rest %= n;
  }
  int widest = first;
  for (int c = first; c <= last; ++c)
    if (ColWidths(c) > ColWidths(widest)) widest = c;
  if (n > 0) SetColWidths(widest, ColWidths(widest) + rest);
}

void TPlexStringGrid::SizeToCols() {
  int sum = 0;
  for (int c = 0; c < ColCount(); ++c) sum += ColWidths(c);
  SetClientWidth(sum);
}

void TPlexStringGrid::SizeToRows() {
  int sum = 0;
  for (int r = 0; r < RowCount(); ++r) sum += RowHeights(r);
  SetClientHeight(sum);
}

void TPlexStringGrid::SizeToCells() {
  const TScrollStyle old = ScrollBars();
  SetScrollBars(ssNone);
  SizeToCols();
  SizeToRows();
  SetScrollBars(old);
}

void TPlexStringGrid::AutoNumberCol(int ACol) {
  if (RowCount() <= 0) return;
  const int last = RowCount() - FixedFooters() - 1;
  for (int r = FixedRows() + AutoNumberStart; r <= last; ++r) {
    const int target = AutoNumberDirection == sdDescending ? FixedRows() + last - r : r;
    SetInts(ACol, target, r - FixedRows() + AutoNumberOffset + 1);
  }
}

void TPlexStringGrid::AutoNumberRow(int ARow) {
  const int last = ColCount() - FixedRightCols() - 1;
  for (int c = FixedCols() + AutoNumberStart; c <= last; ++c) {
    const int target = AutoNumberDirection == sdDescending ? FixedCols() + last - c : c;
    SetInts(target, ARow, c - FixedCols() + AutoNumberOffset + 1);
  }
}
