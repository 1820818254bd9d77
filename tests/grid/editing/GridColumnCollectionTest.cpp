// The definitions of a column grid as a list: adding, updating the grid,
// the organisation of column positions.
#include "grid/editing/GridColumnCollection.h"

#include "grid/editing/PlexColumnGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(GridColumnCollection, AddedColumnLooksLikeItsLeftNeighbour) {
  TPlexColumnGrid g(nullptr);
  g.SetColCount(2);
  g.SetColor(0xF0F0F0);
  TGridColumnItem* second = g.Columns()[1];
  second->SetColor(0xA8FFA8);
  second->SetEditor(edDataCheckBox);
  second->SetHeader("Active");
  second->ComboItems().Add("x");
  TGridColumnItem* third = g.Columns().Add();
  EXPECT_EQ(third->Editor(), edDataCheckBox);
  EXPECT_EQ(third->Color(), TColor(0xF0F0F0)) << "the colour is the grid's";
  EXPECT_TRUE(third->Header().isEmpty());
  EXPECT_EQ(third->ComboItems().Count(), 0);
  // The collection's update made room for it.
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.ColumnHeaders().Count(), 3);
}

TEST(GridColumnCollection, NoRecursiveUpdateLeavesTheGridAlone) {
  TPlexColumnGrid g(nullptr);
  g.Columns().NoRecursiveUpdate = true;
  g.Columns().Add();
  EXPECT_EQ(g.ColCount(), 5);
  g.Columns().NoRecursiveUpdate = false;
  g.Columns().BeginUpdate();
  g.Columns().Add();
  EXPECT_EQ(g.ColCount(), 5);
  g.Columns().EndUpdate();
  EXPECT_EQ(g.ColCount(), 7);
}

TEST(GridColumnCollection, DeletingDefinitionsShrinksTheGrid) {
  TPlexColumnGrid g(nullptr);
  g.Columns().Delete(4);
  EXPECT_EQ(g.ColCount(), 4);
  // Never below the fixed columns plus one.
  g.SetFixedCols(1);
  while (g.Columns().Count() > 1) g.Columns().Delete(g.Columns().Count() - 1);
  EXPECT_GE(g.ColCount(), 2);
}

TEST(GridColumnCollection, ResetOrganizationPutsEveryColumnAtItsIndex) {
  TPlexColumnGrid g(nullptr);
  g.SetColCount(4);
  g.SetFixedCols(0);
  for (int i = 0; i < 4; ++i) g.Columns()[i]->SetHeader(QString("H%1").arg(i));
  g.Columns().SetOrganization();
  g.MoveColumn(0, 3);
  g.MoveColumn(0, 2);
  ASSERT_EQ(g.Columns()[0]->Header(), "H2");
  g.Columns().ResetOrganization();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(g.Columns()[i]->Header(), QString("H%1").arg(i));
    EXPECT_EQ(g.Cells(i, 0), QString("H%1").arg(i));
    EXPECT_EQ(g.Columns()[i]->DefIdx, i);
  }
}

// Organisation indexes that are no permutation would move columns outside
// the grid or never settle: nothing moves.
TEST(GridColumnCollection, ResetOrganizationIgnoresOtherValues) {
  TPlexColumnGrid g(nullptr);
  g.SetFixedCols(0);
  for (int i = 0; i < 5; ++i) g.Columns()[i]->SetHeader(QString("H%1").arg(i));
  const std::vector<std::vector<int>> cases = {{1, 0, 0, 3, 4}, {4, 3, 2, 1, 9}, {-1, 0, 1, 2, 3}};
  for (const auto& values : cases) {
    for (int i = 0; i < 5; ++i) g.Columns()[i]->DefIdx = values[size_t(i)];
    g.Columns().ResetOrganization();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g.Columns()[i]->Header(), QString("H%1").arg(i));
  }
}

TEST(GridColumnCollection, AssignCopiesEveryDefinition) {
  TPlexColumnGrid a(nullptr), b(nullptr);
  a.Columns()[2]->SetEditor(edComboList);
  a.Columns()[2]->ComboItems().SetCommaText("one,two");
  a.Columns()[4]->SetWidth(120);
  a.Columns().Add();
  b.SetColumns(a.Columns());
  EXPECT_EQ(b.Columns().Count(), 6);
  EXPECT_EQ(b.ColCount(), 6);
  EXPECT_EQ(b.Columns()[2]->Editor(), edComboList);
  EXPECT_EQ(b.Columns()[2]->ComboItems().CommaText(), "one,two");
  EXPECT_EQ(b.Columns()[4]->Width(), 50) << "the copy is of values; the grid keeps its widths";
}

}  // namespace
