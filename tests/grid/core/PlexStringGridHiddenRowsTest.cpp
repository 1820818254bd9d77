// Hidden rows: each row leaves with its texts, cell objects and height under
// its real index and comes back to the same place.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/foundation/IntList.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Every real row r holds "r<r>" in columns 0 and 3 (column 2 hidden), a cell
// record in column 1 and a height of its own.
class HiddenRows : public ::testing::Test {
protected:
  explicit HiddenRows(int Rows = 10) {
    g.SetColCount(4);
    g.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
      g.SetCellEx(0, r, Text(r));
      g.SetCellEx(3, r, Text(r));
      g.SetColors(1, r, TColor(0x10000 + r));
      g.SetRowHeights(r, 20 + r % 7);
      props.push_back(g.GetGridObject(1, r));
    }
    g.HideColumn(2);
  }
  static QString Text(int r) { return QString("r%1").arg(r); }
  // Displayed row d shows real row Real with everything it had.
  void ExpectShown(int d, int Real) {
    EXPECT_EQ(g.RealRowIndex(d), Real) << d;
    EXPECT_EQ(g.DisplRowIndex(Real), d) << Real;
    EXPECT_EQ(g.GetCellEx(0, d), Text(Real)) << d;
    EXPECT_EQ(g.GetCellEx(3, d), Text(Real)) << d;
    EXPECT_EQ(g.GetGridObject(1, d), props[size_t(Real)]) << d;
    EXPECT_EQ(g.RowHeights(d), 20 + Real % 7) << d;
    EXPECT_FALSE(g.IsHiddenRow(Real)) << Real;
  }
  TPlexStringGrid g{nullptr};
  std::vector<TObject*> props;
};

TEST_F(HiddenRows, HidingARangeMapsTheRowsAndUnhidingRestoresEverything) {
  g.HideRows(3, 5);
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.NumHiddenRows(), 3);
  EXPECT_EQ(g.TotalRowCount(), 10);
  EXPECT_EQ(g.RealRowIndex(3), 6);
  EXPECT_EQ(g.DisplRowIndex(6), 3);
  EXPECT_EQ(g.DisplRowIndex(4), 3);  // a hidden row maps to where it would stand
  EXPECT_TRUE(g.IsHiddenRow(4));
  ExpectShown(2, 2);
  ExpectShown(3, 6);
  // The hidden cells are reachable by real row, hidden column included.
  EXPECT_EQ(g.AllCells(3, 4), "r4");
  const TGridItem* item = g.HiddenRowStore().Find(4);
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Height, 24);
  EXPECT_EQ(item->Items.Objects(1), props[4]);

  g.UnHideRows(3, 5);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.NumHiddenRows(), 0);
  for (int r = 0; r < 10; ++r) ExpectShown(r, r);
}

TEST_F(HiddenRows, OverlappingAndRefusedRequests) {
  g.HideRow(4);
  g.HideRows(3, 6);  // 3, 5 and 6 are saved with their own texts
  EXPECT_EQ(g.NumHiddenRows(), 4);
  for (int r = 3; r <= 6; ++r) EXPECT_EQ(g.AllCells(0, r), Text(r)) << r;
  g.HideRows(4, 5);  // hidden as a whole already
  EXPECT_EQ(g.RowCount(), 6);
  g.HideRowsEx(5, 8);  // FromRow hidden already: nothing
  EXPECT_EQ(g.RowCount(), 6);

  g.UnHideRow(4);
  ExpectShown(3, 4);
  g.UnHideRows(4, 6);  // row 4 is shown: nothing, though 5 and 6 are hidden
  EXPECT_EQ(g.NumHiddenRows(), 3);
  g.UnHideRowsAll();
  for (int r = 0; r < 10; ++r) ExpectShown(r, r);
}

TEST_F(HiddenRows, HideRowsExKeepsTheRealIndexAndTheHeight) {
  g.HideRow(2);
  g.HideRowsEx(5, 6);
  EXPECT_EQ(g.HiddenRowStore().Indexes(), (std::vector<int>{2, 5, 6}));
  EXPECT_EQ(g.HiddenRowStore().Find(6)->Height, 26);
  ExpectShown(4, 7);
  g.UnHideRows(5, 6);
  g.UnHideRow(2);
  for (int r = 0; r < 10; ++r) ExpectShown(r, r);
}

TEST_F(HiddenRows, HideRowListOpensLevelsThatUnhideNewestFirst) {
  g.HideRow(1);
  TIntList first(-1, -1);
  for (const int d : {2, 4}) first.Add(d);  // displayed: real rows 3 and 5
  g.HideRowList(first);
  EXPECT_EQ(g.FilterLevel(), 1);
  TIntList second(-1, -1);
  second.Add(2);  // displayed 2 is real row 4 now
  g.HideRowList(second);
  EXPECT_EQ(g.FilterLevel(), 2);
  EXPECT_EQ(g.HiddenRowStore().Indexes(), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(g.HiddenRowStore().Find(4)->Level, 1);

  g.UnHideRowList();  // the newest level only
  EXPECT_EQ(g.HiddenRowStore().Indexes(), (std::vector<int>{1, 3, 5}));
  ExpectShown(2, 4);
  g.SetFilterLevel(1);
  g.UnHideRowList();  // below two levels every hidden row comes back, none is lost
  EXPECT_EQ(g.NumHiddenRows(), 0);
  for (int r = 0; r < 10; ++r) ExpectShown(r, r);

  TIntList empty(-1, -1);
  g.HideRowList(empty);  // an empty list still opens a level
  EXPECT_EQ(g.FilterLevel(), 2);
}

TEST_F(HiddenRows, ListOverloadAnswersAsTheStoreDoes) {
  g.HideRows(2, 3);
  g.HideRow(7);
  std::unique_ptr<TIntList> list;
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.IsHiddenRow(r, list), r == 2 || r == 3 || r == 7) << r;
  ASSERT_TRUE(list);
  EXPECT_EQ(list->Count(), 3);
}

class HiddenRowsRandom : public HiddenRows {
protected:
  HiddenRowsRandom() : HiddenRows(40) {}
};

// Any mix of hides and unhides against a plain model: which real rows are
// hidden, at which level; shown rows keep their real order.
TEST_F(HiddenRowsRandom, AnySequenceMatchesAPlainModel) {
  constexpr int Rows = 40;
  std::vector<int> level(Rows, -1);  // -1 shown
  int filterLevel = 0;
  std::mt19937 rng(26);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int step = 0; step < 400; ++step) {
    const int a = pick(1, Rows - 1), b = std::min(Rows - 1, a + pick(0, 4));
    switch (pick(0, 5)) {
      case 0:
        g.HideRows(a, b);
        for (int r = a; r <= b; ++r)
          if (level[size_t(r)] < 0) level[size_t(r)] = 0;
        break;
      case 1:
        if (level[size_t(a)] >= 0) break;
        g.HideRowsEx(a, b);
        for (int r = a; r <= b; ++r)
          if (level[size_t(r)] < 0) level[size_t(r)] = 0;
        break;
      case 2:
        g.UnHideRows(a, b);
        if (level[size_t(a)] >= 0)
          for (int r = a; r <= b; ++r) level[size_t(r)] = -1;
        break;
      case 3: {
        TIntList list(-1, -1);
        for (int d = 1; d < g.RowCount(); ++d)
          if (pick(0, 3) == 0) {
            list.Add(d);
            level[size_t(g.RealRowIndex(d))] = filterLevel;
          }
        g.HideRowList(list);
        ++filterLevel;
        break;
      }
      case 4:
        g.UnHideRowList();
        for (int& l : level)
          if (filterLevel < 2 || l == filterLevel - 1) l = -1;
        filterLevel = std::max(0, filterLevel - 1);
        g.SetFilterLevel(filterLevel);
        break;
      default:
        g.UnHideRowsAll();
        for (int& l : level) l = -1;
        break;
    }
    int d = 0;
    for (int r = 0; r < Rows; ++r) {
      ASSERT_EQ(g.IsHiddenRow(r), level[size_t(r)] >= 0) << "step " << step << " row " << r;
      if (level[size_t(r)] < 0) ExpectShown(d++, r);
      ASSERT_EQ(g.AllCells(3, r), Text(r)) << "step " << step << " row " << r;
    }
    ASSERT_EQ(g.RowCount(), d) << "step " << step;
    ASSERT_FALSE(HasFailure()) << "step " << step;
  }
}

}  // namespace
