// Check boxes and radio buttons in cells: adding, reading, changing by code
// and by the user, whole columns, and hidden rows addressed by real index.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(PlexStringGridCheckBoxes, DataBoxKeepsAKnownTextAndReplacesAnother) {
  TPlexStringGrid g(nullptr);
  const struct {
    const char* Before;
    bool State;
    const char* After;
    bool Checked;
  } cases[] = {{"N", true, "N", false}, {"abc", true, "Y", true}, {"", false, "N", false}, {"Y", false, "Y", true}};
  for (const auto& c : cases) {
    g.SetCellEx(1, 1, c.Before);
    g.AddCheckBox(1, 1, c.State, true);
    EXPECT_EQ(g.GetCellEx(1, 1), c.After) << c.Before;
    EXPECT_EQ(g.IsChecked(1, 1), c.Checked) << c.Before;
  }
}

TEST(PlexStringGridCheckBoxes, InvalidCellBeyondAllColumnsAndRows) {
  TPlexStringGrid g(nullptr);
  g.HideColumn(2);
  const int cols = g.ColCount() + g.NumHiddenColumns();
  for (const TPoint at : {TPoint(cols, 1), TPoint(1, g.RowCount())}) {
    try {
      g.AddCheckBox(at.X, at.Y, true, false);
      ADD_FAILURE() << at.X << "," << at.Y;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "Invalid cell");
    }
  }
  EXPECT_THROW(g.AddRadioButton(cols, 1, true), Exception);
  EXPECT_NO_THROW(g.AddCheckBox(cols - 1, 1, true, false));
}

TEST(PlexStringGridCheckBoxes, ReadingAndWritingByKind) {
  TPlexStringGrid g(nullptr);
  g.AddCheckBox(1, 1, true, false);
  g.AddCheckBox(1, 2, cbGrayed);
  bool state = false;
  EXPECT_TRUE(g.GetCheckBoxState(1, 1, state));
  EXPECT_TRUE(state);
  EXPECT_TRUE(g.SetCheckBoxState(1, 1, false));
  EXPECT_FALSE(g.IsChecked(1, 1));
  // The Boolean overload does not read a tri-state box.
  EXPECT_FALSE(g.GetCheckBoxState(1, 2, state));
  TCheckBoxState tri = cbUnchecked;
  EXPECT_TRUE(g.GetCheckBoxState(1, 2, tri));
  EXPECT_EQ(tri, cbGrayed);
  EXPECT_FALSE(g.SetCheckBoxState(1, 1, cbChecked));
  EXPECT_FALSE(g.IsChecked(3, 3));
  EXPECT_FALSE(g.SetCheckBoxState(3, 3, true));
}

TEST(PlexStringGridCheckBoxes, CheckAllReportsOnlyChangedRows) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(5);
  g.AddCheckBoxColumn(1, false, true);
  g.SetCellEx(1, 2, "Y");
  std::vector<int> reported;
  g.OnCheckBoxChange = [&](TObject*, int, int ARow, bool State) {
    EXPECT_TRUE(State);
    reported.push_back(ARow);
  };
  g.CheckAll(1);
  EXPECT_EQ(reported, (std::vector<int>{1, 3, 4}));
  reported.clear();
  g.CheckAll(1);
  EXPECT_TRUE(reported.empty());
}

TEST(PlexStringGridCheckBoxes, ToggleWritesTheTextsAndAsksTheUser) {
  TPlexStringGrid g(nullptr);
  g.AddCheckBox(1, 1, false, true);
  g.SetCellEx(1, 1, "");
  EXPECT_TRUE(g.ToggleCheckBox(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 1), "Y");
  EXPECT_TRUE(g.ToggleCheckBox(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 1), "N");
  g.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  EXPECT_FALSE(g.ToggleCheckBoxEx(1, 1, true));
  EXPECT_EQ(g.GetCellEx(1, 1), "N");
  EXPECT_TRUE(g.ToggleCheckBoxEx(1, 1, false));
  EXPECT_FALSE(g.ToggleCheckBoxEx(2, 2, false));
  g.AddCheckBox(2, 2, cbUnchecked);
  g.ToggleCheckBox(2, 2);
  TCheckBoxState tri = cbUnchecked;
  g.GetCheckBoxState(2, 2, tri);
  EXPECT_EQ(tri, cbGrayed);
}

// Rows 4 and 5 (real) are hidden with a data box each: the state operations
// reach them by real row and write into the row that was read. The grid
// frees what its store holds when it is destroyed, as it shows every row first.
class HiddenRowBoxes : public ::testing::Test {
protected:
  void SetUp() override {
    g.SetRowCount(8);
    g.AddCheckBoxColumn(1, false, true);
    g.SetCellEx(1, 4, "Y");
    // Take rows 4 and 5 out as hiding does: texts and objects go to the store.
    for (int real : {4, 5}) {
      TGridItem& item = g.HiddenRowStore().Add(real);
      for (int c = 0; c < g.AllColCount(); ++c) item.Items.AddObject(g.GetGridCell(c, 4), g.GetGridObject(c, 4));
      for (int c = 0; c < g.AllColCount(); ++c) g.SetGridObject(c, 4, nullptr);
      g.DeleteStoreRowsForTest(4);
    }
  }
  struct TGrid : TPlexStringGrid {
    TGrid() : TPlexStringGrid(nullptr) {}
    void DeleteStoreRowsForTest(int ARow) { DeleteStoreRows(ARow, 1, true); }
  } g;
};

TEST_F(HiddenRowBoxes, StateOfAHiddenRowLivesInTheStore) {
  EXPECT_TRUE(g.IsChecked(1, 4));
  EXPECT_FALSE(g.IsChecked(1, 5));
  EXPECT_TRUE(g.SetCheckBoxState(1, 5, true));
  EXPECT_EQ(g.HiddenRowStore().Find(5)->Items[1], "Y");
  // Real row 6 is shown at displayed row 4; its own text changes, no other.
  EXPECT_TRUE(g.SetCheckBoxState(1, 6, true));
  EXPECT_EQ(g.GetCellEx(1, 4), "Y");
  EXPECT_EQ(g.GetCellEx(1, 5), "N");
  EXPECT_EQ(g.HiddenRowStore().Find(4)->Items[1], "Y");
}

TEST_F(HiddenRowBoxes, ToggleWritesTheDisplayedRowItRead) {
  g.SetCellEx(1, 3, "N");
  EXPECT_TRUE(g.ToggleCheckBox(1, 3));
  EXPECT_EQ(g.GetCellEx(1, 3), "Y");
  EXPECT_TRUE(g.ToggleCheckBox(1, 4));  // real row 6
  EXPECT_EQ(g.GetCellEx(1, 4), "Y");
  EXPECT_EQ(g.HiddenRowStore().Find(4)->Items[1], "Y");
  EXPECT_EQ(g.HiddenRowStore().Find(5)->Items[1], "N");
}

TEST(PlexStringGridCheckBoxes, RadioButtonsOfAColumnAreOneGroup) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(4);
  g.AddRadioButtonColumn(1);
  EXPECT_EQ(g.GetRadioButtonColumnIndex(1), -1);
  EXPECT_TRUE(g.ToggleRadioButtonEx(1, 2, false));
  EXPECT_TRUE(g.ToggleRadioButtonEx(1, 3, false));
  EXPECT_FALSE(g.IsRadioButtonChecked(1, 2));
  EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 3);
  g.SetRadioButtonColumnIndex(1, 1);
  EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 1);
  EXPECT_FALSE(g.SetRadioButtonState(2, 1, true));
}

TEST(PlexStringGridCheckBoxes, PreciseHitLiesInTheBoxSquare) {
  TPlexStringGrid g(nullptr);
  g.AddCheckBox(1, 1, false, false);
  EXPECT_TRUE(g.IsInCheckBox(1, 1, -100, -100));
  g.MouseActions().PreciseCheckBoxCheck = true;
  const TRect r = g.CellRect(1, 1);
  EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 3, r.Top + 3));
  EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Left + 40, r.Top + 3));
  EXPECT_FALSE(g.IsInCheckBox(2, 2, r.Left + 3, r.Top + 3));
}

}  // namespace
