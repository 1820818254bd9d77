// Hidden columns: the visible-column table, saved widths and both mappings.
#include "grid/core/PlexStringGrid.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

TEST(PlexStringGridHidden, HidingAColumnShiftsTheDisplayedIndexesAndUnhidingRestoresItsWidth) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  const int widths[] = {30, 41, 52, 63, 74};
  for (int c = 0; c < 5; ++c) g.SetColWidths(c, widths[c]);
  g.SetCellEx(2, 1, "two");
  g.HideColumn(1);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  EXPECT_EQ(g.TotalColCount(), 5);
  EXPECT_TRUE(g.IsHiddenColumn(1));
  EXPECT_EQ(g.RealColIndex(1), 2);
  EXPECT_EQ(g.DisplColIndex(2), 1);
  EXPECT_EQ(g.DisplColIndex(1), 1);
  // The widths of the columns after it moved one place left.
  EXPECT_EQ(g.ColWidths(1), 52);
  EXPECT_EQ(g.ColWidths(3), 74);
  EXPECT_EQ(g.AllColWidths(1), 41);
  // Cells stay at their real index.
  EXPECT_EQ(g.GetCellEx(2, 1), "two");
  // Past the table every column is shown: the displayed index still names the column shown there.
  EXPECT_EQ(g.RealColIndex(600), 601);
  EXPECT_EQ(g.DisplColIndex(601), 600);

  g.UnHideColumn(1);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  for (int c = 0; c < 5; ++c) EXPECT_EQ(g.ColWidths(c), widths[c]) << c;
  EXPECT_FALSE(g.IsHiddenColumn(600));
  EXPECT_EQ(g.RealColIndex(600), 600);
}

TEST(PlexStringGridHidden, RangesSkipWhatCannotBeHiddenAndTheLastDisplayedColumnStays) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.HideColumns(1, 2);
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.RealColIndex(1), 3);
  g.HideColumns(0, 3);  // 1 and 2 are hidden already; 0 goes, 3 is the last displayed one
  EXPECT_EQ(g.ColCount(), 1);
  EXPECT_EQ(g.NumHiddenColumns(), 3);
  EXPECT_EQ(g.RealColIndex(0), 3);
  g.UnHideColumn(3);  // shown already: nothing
  EXPECT_EQ(g.ColCount(), 1);
  g.UnHideColumnsAll();
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.NumHiddenColumns(), 0);

  TPlexStringGrid wide(nullptr);
  wide.SetColCount(520);
  wide.HideColumns(510, 515);  // 512 and above are never hidden
  EXPECT_EQ(wide.NumHiddenColumns(), 2);
  EXPECT_FALSE(wide.IsHiddenColumn(512));
  EXPECT_EQ(wide.RealColIndex(510), 512);
  EXPECT_EQ(wide.DisplColIndex(512), 510);
}

TEST(PlexStringGridHidden, TheCurrentColumnMovesLeftWhenTheLastDisplayedColumnGoes) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetCol(3);
  g.HideColumn(3);
  EXPECT_EQ(g.Col(), 2);
}

// A top row the grid does not have is ignored, not taken as the nearest one.
TEST(PlexStringGridHidden, ATopRowOutsideTheScrollableRowsIsIgnored) {
  TPlexStringGrid g(nullptr);
  g.SetBounds(0, 0, 300, 120);
  g.SetRowCount(40);
  g.SetFixedRows(2);
  g.SetTopRow(10);
  for (int bad : {-1, 0, 1, 40, 41, 1000}) {
    g.SetTopRow(bad);
    EXPECT_EQ(g.TopRow(), 10) << bad;
  }
  g.SetTopRow(2);
  EXPECT_EQ(g.TopRow(), 2);
  g.SetTopRow(39);
  EXPECT_EQ(g.TopRow(), 39);
}

// Without the fixed cells the files carry neither the fixed columns on the
// right nor the footer rows; with them, every column and row.
TEST(PlexStringGridHidden, SaveRangesLeaveOutRightColumnsAndFootersWithTheFixedCells) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(8);
  g.SetFixedRightCols(1);
  g.SetFixedFooters(2);
  struct {
    bool FixedCells;
    int StartCol, EndCol, ColCount, StartRow, EndRow, RowCount;
  } cases[] = {{true, 0, 5, 6, 0, 7, 8}, {false, 1, 4, 4, 1, 5, 5}};
  for (const auto& c : cases) {
    g.SaveFixedCells = c.FixedCells;
    EXPECT_EQ(g.SaveStartCol(), c.StartCol) << c.FixedCells;
    EXPECT_EQ(g.SaveEndCol(), c.EndCol) << c.FixedCells;
    EXPECT_EQ(g.SaveColCount(), c.ColCount) << c.FixedCells;
    EXPECT_EQ(g.SaveStartRow(), c.StartRow) << c.FixedCells;
    EXPECT_EQ(g.SaveEndRow(), c.EndRow) << c.FixedCells;
    EXPECT_EQ(g.SaveRowCount(), c.RowCount) << c.FixedCells;
  }
  g.SaveFixedCells = false;
  g.SetCellEx(1, 1, "body");
  g.SetCellEx(5, 1, "right");
  g.SetCellEx(1, 6, "footer");
  QBuffer b;
  b.open(QIODevice::ReadWrite);
  g.SaveToStream(b);
  const QString saved = QString::fromUtf16(reinterpret_cast<const char16_t*>(b.data().constData()), b.size() / 2);
  EXPECT_TRUE(saved.startsWith("4,5\r\n")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("body"));
  EXPECT_FALSE(saved.contains("right"));
  EXPECT_FALSE(saved.contains("footer"));
}

}  // namespace
