// Rows inserted, removed and moved with their texts, objects, heights, flag
// lists and the real indexes of the hidden rows.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/IntList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A grid whose rows hide and come back the plain way: texts and objects
// into the store and out again, with the row taken out or put back.
struct TGrid : TPlexStringGrid {
  TGrid(int Rows) : TPlexStringGrid(nullptr) {
    SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) SetCellEx(1, r, QString::number(r));
  }
  void Hide(int ARealRow) {
    const int d = RealToDisplayRow(ARealRow);
    TGridItem& item = HiddenRowStore().Add(ARealRow);
    for (int c = 0; c < AllColCount(); ++c) item.Items.AddObject(GetGridCell(c, d), GetGridObject(c, d));
    HideRowsCore(d, 1, false);
  }
  void UnHideAll() {
    for (int i = 0; i < HiddenRowStore().Count(); ++i) {
      TGridItem& item = HiddenRowStore().Items(i);
      InsertRowsCore(item.Idx, 1, false, false);
      for (int c = 0; c < item.Items.Count(); ++c) {
        SetGridCell(c, item.Idx, item.Items[c]);
        SetGridObject(c, item.Idx, item.Items.Objects(c));
      }
    }
    HiddenRowStore().Clear();
  }
  std::vector<int> Stored() {
    std::vector<int> r;
    for (int i = 0; i < HiddenRowStore().Count(); ++i) r.push_back(HiddenRowStore().Items(i).Idx);
    return r;
  }
  QString Column1() {
    QString s;
    for (int r = 0; r < RowCount(); ++r) s += GetCellEx(1, r) + (r + 1 < RowCount() ? "," : "");
    return s;
  }
};

TEST(PlexStringGridRowOps, RemovingARowKeepsHiddenRowsInPlace) {
  for (const bool ex : {false, true}) {
    TGrid g(10);
    g.Hide(5);
    g.Hide(6);
    ASSERT_EQ(g.Column1(), "0,1,2,3,4,7,8,9");
    if (ex)
      g.RemoveRowsEx(2, 1);
    else
      g.RemoveRows(2, 1);
    EXPECT_EQ(g.Stored(), (std::vector<int>{4, 5})) << ex;
    g.UnHideAll();
    EXPECT_EQ(g.Column1(), "0,1,3,4,5,6,7,8,9") << ex;
  }
}

TEST(PlexStringGridRowOps, RemovingAroundAHiddenRowClosesUpByTheRowsAbove) {
  TGrid g(10);
  g.Hide(5);
  g.RemoveRows(4, 2);  // real rows 4 and 6, on both sides of the hidden row
  EXPECT_EQ(g.Stored(), std::vector<int>{4});
  g.UnHideAll();
  EXPECT_EQ(g.Column1(), "0,1,2,3,5,7,8,9");
  TGrid d(10);
  d.Hide(8);
  d.DeleteRows(1, 2);
  EXPECT_EQ(d.Stored(), std::vector<int>{6});
}

TEST(PlexStringGridRowOps, InsertRowsShiftsObjectsHeightsAndFlags) {
  TGrid g(8);
  g.ShowModified().Enabled = true;
  g.SetRowModified(7, false);
  g.SetRowModified(3, true);
  g.AddCheckBox(2, 3, true, false);
  TCellGraphic* box = g.GetCellGraphic(2, 3);
  g.SetRowHeights(3, 40);
  std::vector<TRect> changed;
  g.OnCellsChanged = [&](TObject*, const TRect& R) { changed.push_back(R); };
  g.InsertRows(3, 2, true);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.Column1(), "0,1,2,,,3,4,5,6,7");
  EXPECT_EQ(g.GetCellGraphic(2, 3), nullptr);
  EXPECT_EQ(g.GetCellGraphic(2, 5), box);
  EXPECT_EQ(g.RowHeights(3), g.DefaultRowHeight());
  EXPECT_EQ(g.RowHeights(5), 40);
  EXPECT_TRUE(g.GetRowModified(5));
  EXPECT_FALSE(g.GetRowModified(3));
  EXPECT_FALSE(g.GetRowModified(4));
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0], TRect(0, 3, g.ColCount() - 1, 5));
}

TEST(PlexStringGridRowOps, AnInsertShiftsHiddenRowsBelowOnce) {
  TGrid g(10);
  g.Hide(2);
  g.Hide(7);
  g.InsertRows(4, 1, true);  // displayed 4 is real 5
  EXPECT_EQ(g.Stored(), (std::vector<int>{2, 8}));
  g.UnHideAll();
  EXPECT_EQ(g.Column1(), "0,1,2,3,4,,5,6,7,8,9");
}

TEST(PlexStringGridRowOps, MoveRowsLowersAForwardTarget) {
  const struct {
    int From, To, Count;
    const char* After;
  } cases[] = {
      {1, 5, 2, "0,3,4,1,2,5,6,7,8,9"},
      {1, 3, 2, "0,3,4,1,2,5,6,7,8,9"},
      {6, 2, 2, "0,1,6,7,2,3,4,5,8,9"},
      {4, 4, 2, "0,1,2,3,4,5,6,7,8,9"},
  };
  for (const auto& c : cases) {
    TGrid g(10);
    g.MoveRows(c.From, c.To, c.Count);
    EXPECT_EQ(g.Column1(), c.After) << c.From << "->" << c.To;
  }
  TGrid g(10);
  g.AddCheckBox(2, 1, true, false);
  TCellGraphic* box = g.GetCellGraphic(2, 1);
  g.Hide(9);
  g.MoveRows(1, 5, 2);
  EXPECT_EQ(g.GetCellGraphic(2, 3), box);
  EXPECT_EQ(g.Stored(), std::vector<int>{9});
}

TEST(PlexStringGridRowOps, RemoveDuplicatesWithAndWithoutCase) {
  for (const bool doCase : {true, false}) {
    TPlexStringGrid g(nullptr);
    g.SetRowCount(5);
    const char* texts[] = {"head", "abc", "ABC", "x", "abc"};
    for (int r = 0; r < 5; ++r) g.SetCellEx(1, r, texts[r]);
    g.RemoveDuplicates(1, doCase);
    EXPECT_EQ(g.RowCount(), doCase ? 4 : 3) << doCase;
    EXPECT_EQ(g.GetCellEx(1, 2), doCase ? "ABC" : "x") << doCase;
  }
}

TEST(PlexStringGridRowOps, RemoveCheckedRowsAlsoTakesRowsWithoutABox) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(5);
  for (int r = 0; r < 5; ++r) g.SetCellEx(2, r, QString::number(r));
  g.AddCheckBox(1, 1, true, false);
  g.AddCheckBox(1, 2, false, false);
  g.AddCheckBox(1, 4, true, false);
  g.RemoveCheckedRows(1, false);
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.GetCellEx(2, 1) + g.GetCellEx(2, 2), "14");
}

}  // namespace

namespace {

// Rows 2 and 3 are selected, by the selection rectangle or row by row (the
// disjunct selection by real row); each family acts on them or on the others.
TEST(PlexStringGridRowOps, SelectedRowFamilies) {
  enum TOp { opRemove, opRemoveUn, opHide, opHideUn };
  const struct {
    TOp Op;
    bool Disjunct;
    const char* Shown;
    std::vector<int> Stored;
  } cases[] = {
      {opRemove, false, "0,1,4,5,6,7", {}},
      {opRemove, true, "0,1,4,5,6,7", {}},
      {opRemoveUn, false, "0,2,3", {}},
      {opRemoveUn, true, "0,2,3", {}},
      {opHide, false, "0,1,4,5,6,7", {2, 3}},
      {opHide, true, "0,1,4,5,6,7", {2, 3}},
      {opHideUn, false, "0,2,3", {1, 4, 5, 6, 7}},
      {opHideUn, true, "0,2,3", {1, 4, 5, 6, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.Op) << (c.Disjunct ? " disjunct" : " rectangle"));
    TGrid g(8);
    if (c.Disjunct) {
      g.MouseActions().SetDisjunctRowSelect(true);
      g.MouseActions().RowSelectPersistent = true;
      g.SetRowSelect(2, true);
      g.SetRowSelect(3, true);
    } else {
      g.SetSelection(TGridRect{1, 2, 1, 3});
    }
    // An outer update block stays open across the family's own.
    g.BeginUpdate();
    switch (c.Op) {
      case opRemove: g.RemoveSelectedRows(); break;
      case opRemoveUn: g.RemoveUnSelectedRows(); break;
      case opHide: g.HideSelectedRows(); break;
      case opHideUn: g.HideUnSelectedRows(); break;
    }
    EXPECT_EQ(g.UpdateCount(), 1);
    g.EndUpdate();
    EXPECT_EQ(g.Column1(), c.Shown);
    EXPECT_EQ(g.Stored(), c.Stored);
    g.UnHideRowsAll();
    if (!c.Stored.empty()) {
      EXPECT_EQ(g.Column1(), "0,1,2,3,4,5,6,7");
    }
  }
}

// The footer row keeps its texts at the bottom while rows come and go above it;
// the new rows are empty.
TEST(PlexStringGridRowOps, RowsAboveAVisibleFooterLeaveItsTextsInTheFooterRow) {
  for (TFooterStyle style : {fsFixedLastRow, fsColumnPreview}) {
    SCOPED_TRACE(int(style));
    TGrid g(5);
    g.FloatingFooter().SetVisible(true);
    g.FloatingFooter().FooterStyle = style;
    g.SetCellEx(1, 4, "sum");
    g.SetCellEx(2, 4, "total");
    g.InsertRows(2, 1, true);
    EXPECT_EQ(g.Column1(), "0,1,,2,3,sum");
    g.AddRow();
    EXPECT_EQ(g.Column1(), "0,1,,2,3,,sum");
    EXPECT_EQ(g.GetCellEx(2, 6), "total");
    EXPECT_EQ(g.GetCellEx(2, 5), "");
    g.InsertRows(g.RowCount(), 1, true);  // past the footer: goes before it
    EXPECT_EQ(g.Column1(), "0,1,,2,3,,,sum");
    g.RemoveRows(2, 2);
    EXPECT_EQ(g.Column1(), "0,1,3,,,sum");
    EXPECT_EQ(g.GetCellEx(2, 5), "total");
  }
}

// A grid built in code gets its first order recorded by the first move.
TEST(PlexStringGridRowOps, ResetColumnOrderRestoresAGridBuiltInCode) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  for (int c = 0; c < 5; ++c) {
    g.SetCellEx(c, 0, QString("c%1").arg(c));
    g.SetColWidths(c, 40 + 10 * c);
  }
  auto headers = [&g] {
    QStringList l;
    for (int c = 0; c < g.ColCount(); ++c) l << g.GetCellEx(c, 0);
    return l.join(",");
  };
  g.MoveColumn(1, 3);
  g.MoveColumn(4, 2);
  EXPECT_EQ(headers(), "c0,c2,c4,c3,c1");
  g.ResetColumnOrder();
  EXPECT_EQ(headers(), "c0,c1,c2,c3,c4");
  for (int c = 0; c < 5; ++c) EXPECT_EQ(g.ColWidths(c), 40 + 10 * c) << c;
}

// Clearing takes the nodes with the cells: no node glyph stays and column 0 can be current again.
TEST(PlexStringGridRowOps, ClearingRemovesTheNodes) {
  for (const bool normalCellsOnly : {false, true}) {
    SCOPED_TRACE(normalCellsOnly);
    TPlexStringGrid g(nullptr);
    g.SetFixedCols(0);
    g.AddNode(1, 3);
    g.AddNode(5, 2);
    ASSERT_TRUE(g.HasNodes());
    g.SetCol(1);
    if (normalCellsOnly)
      g.ClearNormalCells();
    else
      g.Clear();
    EXPECT_FALSE(g.HasNodes());
    EXPECT_EQ(g.NodeCount(), 0);
    EXPECT_FALSE(g.IsNode(1));
    EXPECT_EQ(g.GetCellType(0, 1), ctEmpty);
    g.SetCol(0);
    EXPECT_EQ(g.Col(), 0);
  }
  // With a fixed column the nodes live outside the normal cells and stay.
  TPlexStringGrid fixed(nullptr);
  fixed.AddNode(1, 3);
  fixed.ClearNormalCells();
  EXPECT_TRUE(fixed.IsNode(1));
  fixed.Clear();
  EXPECT_FALSE(fixed.HasNodes());
}

}  // namespace
