// Row and column counts, fixed rows that a form wants always, footer rows
// and fixed sizes.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/foundation/PlexObj.h"

#include <gtest/gtest.h>

namespace {

TEST(PlexStringGridDimensions, FixedRowAlwaysKeepsTheOnlyRowFixed) {
  TPlexStringGrid g(nullptr);
  g.FixedRowAlways = true;
  g.SetRowCount(2);
  g.SetFixedRows(1);
  g.SetRowCount(1);
  EXPECT_EQ(g.RowCount(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_TRUE(g.IsFixed(1, 0));
  g.SetRowCount(5);
  EXPECT_EQ(g.FixedRows(), 1);
}

// A form that always keeps its fixed row, emptied down to it, has its
// selection back once rows come again.
TEST(PlexStringGridDimensions, RowsAddedToOnlyFixedRowsBringBackAHiddenSelection) {
  TPlexStringGrid g(nullptr);
  g.FixedRowAlways = true;
  g.SetRowCount(3);
  g.SetFixedRows(1);
  g.SetRowCount(1);
  g.HideSelection();
  ASSERT_TRUE(g.SelectionHidden());
  g.SetRowCount(4);
  EXPECT_FALSE(g.SelectionHidden());
  // A grid that still has normal rows keeps its selection hidden.
  g.HideSelection();
  g.SetRowCount(5);
  EXPECT_TRUE(g.SelectionHidden());
}

TEST(PlexStringGridDimensions, FixedRowsAskedForComeOnceThereAreRowsEnough) {
  TPlexStringGrid g(nullptr);
  g.FixedRowAlways = true;
  g.SetRowCount(2);
  g.SetFixedRows(3);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.MinFixedRows, 3);
  g.SetRowCount(10);
  EXPECT_EQ(g.FixedRows(), 3);
  // Without the option the platform's rule stands.
  TPlexStringGrid plain(nullptr);
  plain.SetRowCount(2);
  EXPECT_THROW(plain.SetFixedRows(3), EInvalidGridOperation);
}

TEST(PlexStringGridDimensions, FixedColAlwaysIsTheSameRuleForColumns) {
  TPlexStringGrid g(nullptr);
  g.FixedColAlways = true;
  g.SetColCount(2);
  g.SetFixedCols(4);
  EXPECT_EQ(g.FixedCols(), 1);
  g.SetColCount(8);
  EXPECT_EQ(g.FixedCols(), 4);
}

TEST(PlexStringGridDimensions, FixedSizesAgainstTheDefaults) {
  TPlexStringGrid g(nullptr);
  const int width = g.ColWidths(0);
  g.SetFixedColWidth(g.DefaultColWidth());
  EXPECT_EQ(g.ColWidths(0), width);
  g.SetFixedColWidth(30);
  EXPECT_EQ(g.FixedColWidth(), 30);
  EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());

  g.SetRowHeights(4, 50);
  g.SetFixedRowHeight(40);
  EXPECT_EQ(g.RowHeights(0), 40);
  EXPECT_EQ(g.RowHeights(4), 50);
  g.SetFixedRowHeight(g.DefaultRowHeight());
  for (int r : {0, 4}) EXPECT_EQ(g.RowHeights(r), g.DefaultRowHeight()) << r;
}

// The floating footer's row is the last row, whatever the count becomes.
TEST(PlexStringGridDimensions, FooterRowMovesWithTheRowCount) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(5);
  g.SetCellEx(1, 4, "sum");
  g.SetCellEx(1, 2, "data");
  g.FloatingFooter().SetVisible(true);
  g.SetRowCount(7);
  EXPECT_EQ(g.GetGridCell(1, 6), "sum");
  EXPECT_EQ(g.GetGridCell(1, 4), "");
  g.SetRowCount(4);
  EXPECT_EQ(g.GetGridCell(1, 3), "sum");
  EXPECT_EQ(g.GetGridCell(1, 2), "data");
}

TEST(PlexStringGridDimensions, SynchronisedGridsFollowEachOthersColumn) {
  TPlexStringGrid a(nullptr), b(nullptr);
  a.SyncGrid().SetGrid(&b);
  b.SyncGrid().SetGrid(&a);
  a.SyncGrid().SelectionColumn = true;
  b.SyncGrid().SelectionColumn = true;
  a.SetCol(3);
  EXPECT_EQ(b.Col(), 3);
  b.SetCol(2);
  EXPECT_EQ(a.Col(), 2);
  a.SyncGrid().SetGrid(nullptr);
  b.SyncGrid().SetGrid(nullptr);
}

TEST(PlexStringGridDimensions, SynchronisedGridsFollowEachOthersScrolling) {
  TPlexStringGrid a(nullptr), b(nullptr);
  a.SetRowCount(100);
  b.SetRowCount(100);
  a.SyncGrid().SetGrid(&b);
  a.SyncGrid().ScrollVertical = true;
  a.SetTopRow(30);
  EXPECT_EQ(b.TopRow(), 30);
  a.SyncGrid().SetGrid(nullptr);
}

TEST(PlexStringGridDimensions, VersionNumbers) {
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.VersionNr(), 100794627);
  EXPECT_EQ(g.VersionString(), "6.2.1.3 Sep, 2012");
}

}  // namespace
