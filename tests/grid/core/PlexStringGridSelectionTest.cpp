// The gatekeeper of current-cell moves with its events, and the selection models.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/foundation/PlexObj.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A shown grid of 5 x 6 that records the events of every move.
class SelectionGrid : public ::testing::Test {
protected:
  SelectionGrid() {
    form.SetBounds(0, 0, 500, 400);
    g = new TPlexStringGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 480, 380);
    g->SetColCount(5);
    g->SetRowCount(6);
    g->OnRowChanging = [this](TObject*, int o, int n, bool& allow) {
      Log("RowChanging " + std::to_string(o) + ">" + std::to_string(n));
      if (refuseIn == "Row") allow = false;
    };
    g->OnColChanging = [this](TObject*, int o, int n, bool& allow) {
      Log("ColChanging " + std::to_string(o) + ">" + std::to_string(n));
      if (refuseIn == "Col") allow = false;
    };
    g->OnCellChanging = [this](TObject*, int, int, int nr, int nc, bool& allow) {
      Log("CellChanging " + std::to_string(nc) + "," + std::to_string(nr) + (allow ? "" : " refused"));
    };
    g->OnSelectCell = [this](TObject*, int c, int r, bool&) {
      Log("SelectCell " + std::to_string(c) + "," + std::to_string(r));
    };
    g->OnRowUpdate = [this](TObject*, int o, int n) {
      Log("RowUpdate " + std::to_string(o) + ">" + std::to_string(n));
    };
    form.Show();
  }
  void Log(const std::string& s) { events.push_back(s); }
  TForm form{nullptr};
  TPlexStringGrid* g = nullptr;
  std::vector<std::string> events;
  std::string refuseIn;
};

using Events = std::vector<std::string>;

TEST_F(SelectionGrid, EveryRoadRaisesTheEventsInOrder) {
  g->SetRow(2);  // code
  EXPECT_EQ(events, (Events{"RowChanging 1>2", "CellChanging 1,2", "SelectCell 1,2", "RowUpdate -1>2"}));
  events.clear();
  g->SetFocus();
  QTest::keyClick(g->Widget(), Qt::Key_Right);  // key
  EXPECT_EQ(events, (Events{"ColChanging 1>2", "CellChanging 2,2", "SelectCell 2,2"}));
  EXPECT_EQ(g->Col(), 2);
  events.clear();
  const TRect r = g->CellRect(3, 4);  // mouse
  QTest::mouseClick(g->Widget(), Qt::LeftButton, {}, QPoint(r.Left + 5, r.Top + 5));
  EXPECT_EQ(events,
            (Events{"RowChanging 2>4", "ColChanging 2>3", "CellChanging 3,4", "SelectCell 3,4", "RowUpdate 2>4"}));
  EXPECT_EQ(g->Row(), 4);
  EXPECT_EQ(g->Col(), 3);
}

// Tells the selection log of every cell it hears of.
class TLoggingListener : public ITPlexStringGridSelect {
public:
  explicit TLoggingListener(Events& Log) : FLog(Log) {}
  void CellSelected(int ACol, int ARow) override {
    FLog.push_back("Listener " + std::to_string(ACol) + "," + std::to_string(ARow));
  }

private:
  Events& FLog;
};

TEST_F(SelectionGrid, ARefusedMoveKeepsTheCellAndReportsNoRowUpdate) {
  g->RegisterSelListener(std::make_shared<TLoggingListener>(events));
  refuseIn = "Col";
  g->GotoCell(3, 2);  // the row moves, the column is refused
  EXPECT_EQ(g->Row(), 2);
  EXPECT_EQ(g->Col(), 1);
  events.clear();
  refuseIn = "Row";
  g->SetRow(4);
  EXPECT_EQ(g->Row(), 2);
  EXPECT_EQ(events, (Events{"RowChanging 2>4", "CellChanging 1,4 refused"}));
  // The same move let through: the listener, then the row report.
  events.clear();
  refuseIn.clear();
  g->SetRow(4);
  EXPECT_EQ(events, (Events{"RowChanging 2>4", "CellChanging 1,4", "SelectCell 1,4", "Listener 1,4", "RowUpdate 2>4"}));
}

TEST_F(SelectionGrid, TheFooterRowOfAFixedLastRowFooterIsRefused) {
  g->FloatingFooter().SetVisible(true);
  g->SetRow(5);
  EXPECT_EQ(g->Row(), 1);
  g->SetRow(4);
  EXPECT_EQ(g->Row(), 4);
  g->FloatingFooter().FooterStyle = fsColumnPreview;
  g->SetRow(5);
  EXPECT_EQ(g->Row(), 5);
}

TEST_F(SelectionGrid, DisabledRowsAreSkippedOnlyOnceEnabledRowsAreInUse) {
  g->SetRow(3);
  EXPECT_EQ(g->Row(), 3);
  g->SetRow(1);
  g->SetRowEnabled(3, false);
  g->SetRow(3);
  EXPECT_EQ(g->Row(), 1);
  EXPECT_FALSE(g->GetRowEnabled(3));
  g->Navigation().SkipDisabledRows = false;
  g->SetRow(3);
  EXPECT_EQ(g->Row(), 3);
}

// A fixed target is taken only in row selection, or when the grid holds only its fixed rows.
TEST_F(SelectionGrid, FixedTargetsAndMergedBlocks) {
  EXPECT_FALSE(g->SelectCell(2, 0));
  TGridOptions options = g->Options();
  options.Include(goRowSelect);
  g->SetOptions(options);
  EXPECT_TRUE(g->SelectCell(2, 0));
  options.Exclude(goRowSelect);
  options.Exclude(goRangeSelect);
  g->SetOptions(options);
  // Without range selection a click inside a merged block lands on its base cell.
  g->MergeCells(2, 2, 2, 2);
  EXPECT_FALSE(g->SelectCell(3, 3));
  EXPECT_EQ(g->Col(), 2);
  EXPECT_EQ(g->Row(), 2);
}

TEST(PlexStringGridSelection, RowSelectFiresItsEventsOnlyOnChangeAndKeepsOneEntry) {
  TPlexStringGrid g(nullptr);
  g.MouseActions().SetDisjunctRowSelect(true);
  int asked = 0, told = 0;
  bool allow = true;
  g.OnRowDisjunctSelect = [&](TObject*, int, bool, bool& a) {
    ++asked;
    a = allow;
  };
  g.OnRowDisjunctSelected = [&](TObject*, int) { ++told; };
  g.SetRowSelect(3, true);
  g.SetRowSelect(3, true);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(told, 2);
  EXPECT_EQ(g.SelectedRowCount(), 1);
  EXPECT_EQ(g.SelectedRow(0), 3);
  EXPECT_EQ(g.SelectedRow(1), -1);
  allow = false;
  g.SetRowSelect(3, false);
  EXPECT_TRUE(g.GetRowSelect(3));
  EXPECT_EQ(told, 2);
  EXPECT_EQ(g.RowSelectCount(), 1);
  EXPECT_TRUE(g.IsSelected(2, 3));
  EXPECT_FALSE(g.IsSelected(0, 3));  // fixed cells never count
}

TEST(PlexStringGridSelection, OutOfRangeAccessRaisesTheGridsMessages) {
  TPlexStringGrid g(nullptr);
  const auto message = [](auto&& Call) {
    try {
      Call();
    } catch (const EPlexGridError& e) {
      return e.Message();
    }
    return QString("no error");
  };
  EXPECT_EQ(message([&] { g.GetRowSelect(-1); }), "Invalid row -1 accessed");
  EXPECT_EQ(message([&] { g.SetRowSelect(-1, true); }), "Invalid row accessed");
  EXPECT_EQ(message([&] { g.SetRowSelect(g.RowCount(), true); }), "Invalid row accessed");
  EXPECT_EQ(message([&] { g.GetColSelect(g.ColCount()); }), "Invalid column accessed");
  EXPECT_EQ(message([&] { g.SetColSelect(-1, true); }), "Invalid column accessed");
  g.MouseActions().RowSelectPersistent = true;
  EXPECT_EQ(message([&] { g.GetRowSelect(-1); }), "no error");
}

TEST(PlexStringGridSelection, RectangleCountsCellsColumnByColumnAndCopiesItsText) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, "a");
  g.SetCellEx(2, 1, "b");
  g.SetCellEx(1, 2, "c");
  g.SetCellEx(2, 2, "d");
  g.SelectCells(1, 1, 2, 2);
  EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\td");
  g.SelectCells(1, 1, 3, 2);
  ASSERT_EQ(g.SelectedCellsCount(), 6);
  const TGridCoord order[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(g.SelectedCell(i), order[i]) << i;
  g.FocusCell(2, 3);
  ASSERT_EQ(g.SelectedCellsCount(), 1);
  EXPECT_EQ(g.SelectedCell(0), (TGridCoord{2, 3}));

  g.MouseActions().SetDisjunctRowSelect(true);
  g.SetCellEx(1, 5, "e");
  g.SelectCells(1, 1, 2, 1);
  g.SetRowSelect(2, true);
  g.SetRowSelect(5, true);
  EXPECT_EQ(g.SelectedText(), "c\td\r\ne\t");
}

TEST(PlexStringGridSelection, SwapCellsExchangesTextsAndCellObjects) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, "one");
  g.SetColors(1, 1, clRed);
  g.SetCellEx(2, 3, "two");
  TObject* props = g.GetGridObject(1, 1);
  g.SwapCells(TGridCoord{1, 1}, TGridCoord{2, 3});
  EXPECT_EQ(g.GetCellEx(1, 1), "two");
  EXPECT_EQ(g.GetCellEx(2, 3), "one");
  EXPECT_EQ(g.GetGridObject(2, 3), props);
  EXPECT_EQ(g.GetGridObject(1, 1), nullptr);
}

TEST(PlexStringGridSelection, ModifiedFlagsAndHiddenSelection) {
  TPlexStringGrid g(nullptr);
  g.SetRowModified(4, true);
  g.SetRowModified(2, true);
  g.SetRowModified(2, false);
  EXPECT_TRUE(g.GetRowModified(4));
  EXPECT_FALSE(g.GetRowModified(9));
  EXPECT_EQ(g.ModifiedRowCount(), 1);
  g.ClearModifiedRows();
  EXPECT_EQ(g.ModifiedRowCount(), 0);

  g.SelectCells(1, 2, 3, 4);
  EXPECT_TRUE(g.IsSelected(2, 3));
  g.HideSelection();
  EXPECT_TRUE(g.SelectionHidden());
  EXPECT_FALSE(g.IsSelected(2, 3));
  g.UnHideSelection();
  EXPECT_FALSE(g.SelectionHidden());
  EXPECT_EQ(g.Selection(), (TGridRect{1, 2, 3, 4}));
}

TEST(PlexStringGridSelection, RowWriteReportsTheRowAndMovesASynchronisedGrid) {
  TPlexStringGrid other(nullptr);
  TPlexStringGrid g(nullptr);
  std::vector<std::pair<int, int>> updates;
  g.OnRowUpdate = [&](TObject*, int o, int n) { updates.push_back({o, n}); };
  g.SyncGrid().SetGrid(&other);
  g.SyncGrid().SelectionRow = true;
  g.SetRow(3);
  g.SetRow(3);
  g.SetRow(5);
  EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{-1, 3}, {3, 5}}));
  EXPECT_EQ(other.Row(), 5);
}

// Insertion opens unset modified and enabled entries; removal drops the
// entries of all three lists, so every flag stays with its row.
TEST(PlexStringGridSelection, RowFlagsFollowInsertedAndRemovedRows) {
  TPlexStringGrid g(nullptr);
  g.ShowModified().Enabled = true;
  g.MouseActions().SetDisjunctRowSelect(true);
  g.SetRowModified(3, true);
  g.SetRowEnabled(4, false);
  g.SetRowSelect(5, true);
  g.RowFlagsInserted(2, 2);
  EXPECT_TRUE(g.GetRowModified(5));
  EXPECT_FALSE(g.GetRowModified(3));
  EXPECT_FALSE(g.GetRowEnabled(6));
  EXPECT_TRUE(g.GetRowEnabled(4));
  EXPECT_TRUE(g.GetRowSelect(5));  // the row selection is not shifted on insertion
  g.RowFlagsRemoved(1, 2);
  EXPECT_TRUE(g.GetRowModified(3));
  EXPECT_FALSE(g.GetRowEnabled(4));
  EXPECT_TRUE(g.GetRowSelect(3));
  EXPECT_FALSE(g.GetRowSelect(5));
  EXPECT_EQ(g.SelectedRow(0), 3);
}

}  // namespace
