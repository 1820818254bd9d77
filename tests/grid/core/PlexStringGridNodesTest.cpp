// Node rows: making nodes, contracting and expanding their blocks (nested
// ones included), the tree queries, and rows inserted and removed inside
// nodes. Every real row r carries "r<r>" in column 1, so a displayed row
// shows which real row it is.
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/PlexObj.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Nodes : public ::testing::Test {
protected:
  Nodes() {
    g.SetColCount(3);
    g.SetRowCount(12);
    g.SetFixedRows(1);
    for (int r = 0; r < 12; ++r) g.SetCellEx(1, r, Text(r));
  }
  static QString Text(int r) { return QString("r%1").arg(r); }
  // The real rows shown, top to bottom, below the fixed row.
  std::vector<int> Shown() {
    std::vector<int> rows;
    for (int d = 1; d < g.RowCount(); ++d) rows.push_back(g.GetCellEx(1, d).mid(1).toInt());
    return rows;
  }
  static std::vector<int> Range(int From, int To, std::vector<int> Extra = {}) {
    std::vector<int> rows;
    for (int r = From; r <= To; ++r) rows.push_back(r);
    rows.insert(rows.end(), Extra.begin(), Extra.end());
    return rows;
  }
  int Level(int d) { return g.GetCellProperties(0, d)->NodeLevel; }
  TPlexStringGrid g{nullptr};
};

TEST_F(Nodes, AddNodeRaisesTheBlockAndContractHidesTheRest) {
  g.AddNode(1, 3);
  EXPECT_TRUE(g.HasNodes());
  EXPECT_TRUE(g.IsNode(1));
  EXPECT_FALSE(g.IsNode(2));
  for (int d = 1; d <= 3; ++d) EXPECT_EQ(Level(d), 1) << d;
  EXPECT_EQ(g.GetNodeLevel(1), 1);
  EXPECT_EQ(g.GetNodeLevel(2), -1);
  EXPECT_EQ(g.GetNodeSpan(1), 3);
  EXPECT_EQ(g.GetNodeIndent(2), 12);
  EXPECT_EQ(g.GetNodeIndent(5), 0);
  EXPECT_EQ(g.Col(), 1);  // column 0 holds the glyphs

  g.ContractNode(1);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_TRUE(g.GetNodeState(1));
  EXPECT_EQ(Shown(), Range(1, 1, Range(4, 11)));

  g.SetNodeState(1, false);
  EXPECT_EQ(g.RowCount(), 12);
  EXPECT_FALSE(g.GetNodeState(1));
  EXPECT_EQ(Shown(), Range(1, 11));
}

TEST_F(Nodes, SpanZeroReachesTheNextNodeAndContractAllEnds) {
  g.AddNode(2, 0);
  g.AddNode(6, 2);
  g.ContractNode(2);
  EXPECT_EQ(Shown(), Range(1, 2, Range(6, 11)));
  g.ExpandNode(2);
  EXPECT_EQ(Shown(), Range(1, 11));

  const int level = g.FilterLevel();
  g.ContractAll();
  EXPECT_EQ(g.FilterLevel(), level + 1);  // one hide level for the whole walk
  EXPECT_EQ(Shown(), Range(1, 2, Range(6, 6, Range(8, 11))));
  EXPECT_TRUE(g.GetNodeState(2));
  g.ExpandAll();
  EXPECT_EQ(Shown(), Range(1, 11));
}

TEST_F(Nodes, OuterContractsOverAContractedInnerAndExpandsEverything) {
  g.AddNode(2, 6);  // rows 2..7
  g.AddNode(4, 2);  // rows 4..5
  EXPECT_EQ(g.GetNodeLevel(2), 1);
  EXPECT_EQ(g.GetNodeLevel(4), 2);
  g.ContractNode(4);
  EXPECT_EQ(Shown(), Range(1, 4, Range(6, 11)));
  g.ContractNode(2);
  EXPECT_EQ(Shown(), Range(1, 2, Range(8, 11)));
  g.ExpandNode(2);
  EXPECT_EQ(Shown(), Range(1, 11));
  EXPECT_FALSE(g.GetNodeState(4));
}

TEST_F(Nodes, ExpandOneContractsTheOtherNodesButNotTheHolder) {
  g.CellNode().ExpandOne = true;
  g.AddNode(1, 6);  // rows 1..6, holds the node at 3
  g.AddNode(3, 2);
  g.AddNode(8, 3);
  g.ContractNode(3);
  g.ExpandNode(3);
  EXPECT_FALSE(g.GetNodeState(1));
  EXPECT_FALSE(g.GetNodeState(3));
  EXPECT_TRUE(g.GetNodeState(8));
  EXPECT_EQ(Shown(), Range(1, 8, Range(11, 11)));
}

TEST_F(Nodes, StoredSpansPastTheLastRowAreCutAndEveryWalkEnds) {
  g.AddNode(9, 40);
  for (int d = 9; d < 12; ++d) EXPECT_EQ(Level(d), 1) << d;
  g.ContractNode(9);
  EXPECT_EQ(Shown(), Range(1, 9));
  g.ExpandNode(9);
  g.SetNodeSpan(9, 1000);
  g.ContractAll();
  EXPECT_EQ(Shown(), Range(1, 9));
  EXPECT_EQ(g.GetParentRow(9), 9);
  g.RemoveAllNodes();
  EXPECT_FALSE(g.HasNodes());
  EXPECT_EQ(Shown(), Range(1, 11));
  EXPECT_EQ(Level(10), 0);
}

TEST_F(Nodes, ParentRows) {
  g.AddNode(2, 6);  // 2..7
  g.AddNode(4, 2);  // 4..5
  const struct { int Row, Parent; } cases[] = {{1, -1}, {2, 2}, {3, 2}, {4, 2}, {5, 4}, {6, 2}, {7, 2}, {8, -1}};
  for (const auto& c : cases) EXPECT_EQ(g.GetParentRow(c.Row), c.Parent) << c.Row;
  g.ContractNode(4);  // row 6 shows real row 6 below the contracted inner block
  EXPECT_EQ(g.GetParentRow(5), 2);
  g.RemoveAllNodes();
  EXPECT_EQ(g.GetParentRow(3), -1);
}

TEST_F(Nodes, InsertChildRowAtTheNodeTakesOverItsTexts) {
  g.AddNode(2, 3);
  g.SetCellEx(2, 2, "two");
  g.InsertChildRow(2, 0);
  EXPECT_EQ(g.RowCount(), 13);
  EXPECT_TRUE(g.IsNode(2));
  EXPECT_EQ(g.GetCellEx(1, 2), "");
  EXPECT_EQ(g.GetCellEx(2, 2), "");
  EXPECT_EQ(g.GetCellEx(1, 3), "r2");
  EXPECT_EQ(g.GetCellEx(2, 3), "two");
  EXPECT_EQ(g.GetNodeSpan(2), 4);
  EXPECT_EQ(g.GetSubNodeCount(2), 1);
  EXPECT_EQ(Level(3), 1);
}

TEST_F(Nodes, InsertChildRowUnderTheInnerNodeRaisesBothAndRemoveLowersThem) {
  g.AddNode(2, 6);
  g.AddNode(4, 2);
  g.InsertChildRow(5, 1);
  EXPECT_EQ(g.GetNodeSpan(2), 7);
  EXPECT_EQ(g.GetNodeSpan(4), 3);
  EXPECT_EQ(g.GetSubNodeCount(2), 1);
  EXPECT_EQ(g.GetSubNodeCount(4), 1);
  EXPECT_EQ(g.GetCellEx(1, 6), "");
  EXPECT_EQ(Level(6), 2);

  g.RemoveChildRow(6);
  EXPECT_EQ(g.GetNodeSpan(2), 6);
  EXPECT_EQ(g.GetNodeSpan(4), 2);
  EXPECT_EQ(Shown(), Range(1, 11));
}

TEST_F(Nodes, InsertChildRowKeepsTheHiddenRowsAboveItInPlace) {
  g.AddNode(2, 8);  // 2..9
  g.AddNode(3, 3);  // 3..5
  g.ContractNode(3);
  g.InsertChildRow(6, 1);  // below real row 6, under the outer node
  g.ExpandNode(3);
  const std::vector<int> shown = Shown();
  EXPECT_EQ(std::vector<int>(shown.begin(), shown.begin() + 6), Range(1, 6));
  EXPECT_EQ(g.GetCellEx(1, 7), "");
}

TEST_F(Nodes, SpanTypesAndGlyphHits) {
  g.AddNode(2, 3);
  const struct { int Row, Type; } spans[] = {{2, 0}, {3, 2}, {4, 1}, {11, 1}};
  for (const auto& c : spans) EXPECT_EQ(g.GetNodeSpanType(c.Row), c.Type) << c.Row;

  const struct {
    TNodeType Type;
    int X;
    bool Hit;
  } hits[] = {{cnXP, 4, false}, {cnXP, 5, true},  {cnXP, 15, true},  {cnXP, 16, false},  {cn3D, 0, false},
              {cn3D, 1, true},  {cn3D, 17, true}, {cnLeaf, 3, true}, {cnLeaf, 19, true}, {cnLeaf, 20, false}};
  for (const auto& c : hits) {
    g.CellNode().SetNodeType(c.Type);
    EXPECT_EQ(g.IsOnNodeGlyph(2, c.X), c.Hit) << c.Type << " " << c.X;
  }
  g.MouseActions().PreciseNodeClick = false;
  EXPECT_TRUE(g.IsOnNodeGlyph(2, 500));
}

TEST_F(Nodes, RowCheckBoxColumnHidesTheNodes) {
  g.AddNode(2, 3);
  g.MouseActions().SetHotmailRowSelect(true);
  EXPECT_FALSE(g.IsNode(2));
  EXPECT_EQ(g.GetNodeSpan(2), -1);
  g.ContractNode(2);
  EXPECT_EQ(g.RowCount(), 12);
}

}  // namespace
