// Columns inserted and removed with the hidden-column tables, clearing,
// merging runs of equal cells, and the small cell queries.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "platform/SysUtils.h"

#include <gtest/gtest.h>

namespace {

QString Row1(TPlexStringGrid& g) {
  QString s;
  for (int c = 0; c < g.AllColCount(); ++c) s += g.GetCellEx(c, 1) + (c + 1 < g.AllColCount() ? "," : "");
  return s;
}

TEST(PlexStringGridRows, ColumnsMoveWithTheirHiddenFlagsAndSavedWidths) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(6);
  for (int c = 0; c < 6; ++c) g.SetCellEx(c, 1, QString(QChar('a' + c)));
  g.SetColWidths(3, 33);
  g.HideColumn(3);
  g.SetColWidths(3, 44);  // displayed column 3 is real column 4
  g.InsertCols(1, 2);
  EXPECT_EQ(Row1(g), "a,,,b,c,d,e,f");
  EXPECT_TRUE(g.IsHiddenColumn(5));
  EXPECT_FALSE(g.IsHiddenColumn(3));
  EXPECT_EQ(g.ColCount(), 7);
  EXPECT_EQ(g.ColWidths(g.RealToDisplayCol(6)), 44);
  // Removing a hidden column lowers the hidden count, not ColCount; the
  // shown columns keep their widths.
  g.RemoveCols(4, 2);
  EXPECT_EQ(Row1(g), "a,,,b,e,f");
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  EXPECT_EQ(g.ColCount(), 6);
  EXPECT_EQ(g.ColWidths(4), 44);
}

TEST(PlexStringGridRows, AnInsertedColumnBringsBackTheSavedWidthOfTheHiddenOne) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(6);
  g.SetColWidths(3, 33);
  g.HideColumn(3);
  g.InsertCols(1, 2);
  g.UnHideColumn(5);
  EXPECT_EQ(g.ColWidths(g.RealToDisplayCol(5)), 33);
}

TEST(PlexStringGridRows, ClearRectFreesGraphicsAndReportsTheRectangle) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, "x");
  g.CreateBitmap(2, 2, false, haLeft, vaTop);
  TRect reported;
  g.OnCellsChanged = [&](TObject*, const TRect& R) { reported = R; };
  g.ClearRect(1, 1, 2, 2);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  EXPECT_EQ(g.GetCellGraphic(2, 2), nullptr);
  EXPECT_EQ(reported, TRect(1, 1, 2, 2));
  g.CreateBitmap(2, 2, false, haLeft, vaTop);
  g.ClearTextOnly = true;
  g.ClearRows(2, 1);
  EXPECT_NE(g.GetCellGraphic(2, 2), nullptr);
}

TEST(PlexStringGridRows, MergeRowCellsMergesOnlyTheRun) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  const char* texts[] = {"h", "A", "B", "B", "C"};
  for (int c = 0; c < 5; ++c) g.SetCellEx(c, 1, texts[c]);
  g.MergeRowCells(1, true);
  EXPECT_TRUE(g.IsMergedCell(2, 1));
  EXPECT_EQ(g.BaseCell(3, 1), TPoint(2, 1));
  EXPECT_FALSE(g.IsMergedCell(1, 1));
  EXPECT_FALSE(g.IsMergedCell(4, 1));
  g.SplitRowCells(1);
  EXPECT_FALSE(g.IsMergedCell(3, 1));
}

TEST(PlexStringGridRows, CellToRealReadsLocaleNumbersAndNamesTheBadPosition) {
  const TFormatSettings saved = FormatSettings();
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 2, "1,5");
  EXPECT_DOUBLE_EQ(g.CellToReal(1, 2), 1.5);
  EXPECT_DOUBLE_EQ(g.CellToReal(1, 3), 0.0);
  g.SetCellEx(2, 3, "1,2,3");
  try {
    g.CellToReal(2, 3);
    ADD_FAILURE();
  } catch (const EPlexGridError& e) {
    EXPECT_EQ(e.Message(), "Error at position: 4 in Cell [2, 3].");
  }
  FormatSettings() = saved;
}

TEST(PlexStringGridRows, CellQueries) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(2, 3, "abc");
  g.SetCellEx(1, 4, "|\\x");
  int c = -1, r = -1;
  EXPECT_TRUE(g.IsCell("abc", c, r));
  EXPECT_EQ(TPoint(c, r), TPoint(2, 3));
  EXPECT_FALSE(g.IsCell("ABC", c, r));
  EXPECT_TRUE(g.IsWideCell(1, 4));
  EXPECT_FALSE(g.IsWideCell(2, 3));
}

}  // namespace

namespace {

TEST(PlexStringGridRows, MergeColsJoinsTrimmedAndDropsTheSecondColumn) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(4);
  const char* texts[][2] = {{"head", "er"}, {"a", "b"}, {" a ", ""}, {"", ""}};
  for (int r = 0; r < 4; ++r) {
    g.SetCellEx(1, r, texts[r][0]);
    g.SetCellEx(2, r, texts[r][1]);
    g.SetCellEx(3, r, "z");
  }
  g.MergeCols(1, 2, "-");
  EXPECT_EQ(g.ColCount(), 3);
  const char* joined[] = {"head", "a-b", "a -", "-"};  // the fixed row keeps its text
  for (int r = 0; r < 4; ++r) EXPECT_EQ(g.GetCellEx(1, r), joined[r]) << r;
  EXPECT_EQ(g.GetCellEx(2, 1), "z");
}

TEST(PlexStringGridRows, TrimColourAndClearAll) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(6);
  g.SetCellEx(1, 1, "  x ");
  g.SetCellEx(2, 4, "\ty  ");
  g.TrimAll();
  EXPECT_EQ(g.GetCellEx(1, 1), "x");
  EXPECT_EQ(g.GetCellEx(2, 4), "y");

  g.ColorRect(1, 1, 2, 2, clRed);
  for (const TPoint at : {TPoint(1, 1), TPoint(2, 1), TPoint(1, 2), TPoint(2, 2)})
    EXPECT_EQ(g.Colors(at.X, at.Y), clRed);
  EXPECT_NE(g.Colors(3, 1), clRed);
  EXPECT_NE(g.Colors(1, 3), clRed);

  // ClearAll empties the hidden rows too; Clear leaves them.
  g.SetCellEx(1, 3, "hidden");
  g.HideRow(3);
  g.Clear();
  EXPECT_EQ(g.AllCells(1, 3), "hidden");
  g.ClearAll();
  EXPECT_EQ(g.AllCells(1, 3), "");
  g.UnHideRow(3);
  EXPECT_EQ(g.GetCellEx(1, 3), "");
}

TEST(PlexStringGridRows, MergeColumnCellsMergesOnlyTheRun) {
  TPlexStringGrid g(nullptr);
  const char* texts[] = {"h", "A", "B", "B", "C"};
  for (int r = 0; r < 5; ++r) g.SetCellEx(1, r, texts[r]);
  g.MergeColumnCells(1, true);
  EXPECT_TRUE(g.IsMergedCell(1, 2));
  EXPECT_EQ(g.BaseCell(1, 3), TPoint(1, 2));
  EXPECT_FALSE(g.IsMergedCell(1, 1));
  EXPECT_FALSE(g.IsMergedCell(1, 4));
  g.SplitColumnCells(1);
  EXPECT_FALSE(g.IsMergedCell(1, 3));
}

}  // namespace
