// Whole rows taken out of the string grid and put back: texts, object slots
// and heights travel with their row, the other rows close up and reopen.
#include "platform/Grids.h"

#include <gtest/gtest.h>

namespace {

class BlockGrid : public TStringGrid {
public:
  BlockGrid() : TStringGrid(nullptr) {
    SetColCount(3);
    SetRowCount(6);
    for (int r = 0; r < 6; ++r) {
      SetCells(2, r, QString::number(r));
      SetRowHeights(r, 20 + r);
    }
    SetObjects(1, 3, this);
  }
  using TStringGrid::PutRows;
  using TStringGrid::SwapStoreRows;
  using TStringGrid::TakeRows;
  QString Column() const {
    QString s;
    for (int r = 0; r < RowCount(); ++r) s += Cells(2, r);
    return s;
  }
};

TEST(GridsRowBlocks, TakenRowsLeaveWithTheirCellsAndHeightsAndComeBackInPlace) {
  BlockGrid g;
  std::vector<TStringGrid::TRowBlock> blocks = g.TakeRows({1, 3, 4});
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.Column(), "025");
  EXPECT_EQ(g.RowHeights(2), 25);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[1].Row, 3);
  EXPECT_EQ(blocks[1].Height, 23);
  EXPECT_EQ(blocks[1].Objects[1], &g);

  g.PutRows(std::move(blocks));
  EXPECT_EQ(g.RowCount(), 6);
  EXPECT_EQ(g.Column(), "012345");
  for (int r = 0; r < 6; ++r) EXPECT_EQ(g.RowHeights(r), 20 + r) << r;
  EXPECT_EQ(g.Objects(1, 3), &g);
}

TEST(GridsRowBlocks, OneRowAlwaysStaysAndBlocksPastTheEndCloseTheGrid) {
  BlockGrid g;
  std::vector<TStringGrid::TRowBlock> blocks = g.TakeRows({0, 1, 2, 3, 4, 5});
  EXPECT_EQ(blocks.size(), 5u);
  EXPECT_EQ(g.RowCount(), 1);
  EXPECT_EQ(g.Column(), "5");
  blocks[4].Row = 40;  // past the end: appended in order
  g.PutRows(std::move(blocks));
  EXPECT_EQ(g.Column(), "012354");
}

// A sort moves rows by swapping them: every stored column goes, heights stay
// with their index, and a row outside the grid swaps with nothing.
TEST(GridsRowBlocks, SwappedRowsExchangeTextsAndObjectsOnly) {
  BlockGrid g;
  g.SetColCount(2);  // column 2 is stored but not shown: it still travels
  g.SwapStoreRows(1, 3);
  g.SetColCount(3);
  EXPECT_EQ(g.Column(), "032145");
  EXPECT_EQ(g.Objects(1, 1), &g);
  EXPECT_EQ(g.Objects(1, 3), nullptr);
  EXPECT_EQ(g.RowHeights(1), 21);
  g.SwapStoreRows(0, 6);
  g.SwapStoreRows(-1, 0);
  EXPECT_EQ(g.Column(), "032145");
}

}  // namespace
