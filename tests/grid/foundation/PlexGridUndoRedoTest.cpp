#include "grid/foundation/PlexGridUndoRedo.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace {

// A cell store standing in for the base grid; display columns are the real
// columns shifted by 10 so that the mapping can be seen.
class TTestGrid : public TComponent, public IUndoRedoGrid {
public:
  TTestGrid() : TComponent(nullptr) {}
  TComponent* GridComponent() override { return this; }
  QString GetCellEx(int ACol, int ARow) override { return Cells[{ACol, ARow}]; }
  void SetCellEx(int ACol, int ARow, const QString& Value) override { Cells[{ACol, ARow}] = Value; }
  int DisplColIndex(int ACol) override { return ACol + 10; }
  int CurrentCol() override { return Col; }
  void MoveCurrentCell(int ACol, int ARow) override {
    Col = ACol;
    Row = ARow;
  }
  void RepaintCell(int ACol, int ARow) override { Repainted.push_back({ACol, ARow}); }
  void InvalidateGrid() override { ++Invalidated; }

  std::map<std::pair<int, int>, QString> Cells;
  int Col = 0, Row = 0, Invalidated = 0;
  std::vector<std::pair<int, int>> Repainted;
};

class UndoRedo : public ::testing::Test {
protected:
  UndoRedo() { U.SetGrid(&G); }
  // Writes the cell and records the change, as the string grid does.
  void Edit(int col, int row, const QString& text) {
    U.RegisterChange(col, row, G.GetCellEx(col, row), text);
    G.SetCellEx(col, row, text);
  }
  TTestGrid G;
  TPlexGridUndoRedo U{nullptr};
};

}  // namespace

TEST_F(UndoRedo, SingleChangesAndASequenceStepAsInTheExample) {
  Edit(0, 1, "A");
  Edit(0, 2, "B");
  Edit(0, 3, "C");
  U.StartSequence();
  Edit(1, 1, "D");
  Edit(1, 2, "E");
  U.StopSequence();
  ASSERT_EQ(U.Items().Count(), 7);
  EXPECT_EQ(U.Level(), 7);

  U.Undo();
  EXPECT_EQ(U.Level(), 3);
  EXPECT_EQ(G.GetCellEx(1, 1), "");
  EXPECT_EQ(G.GetCellEx(1, 2), "");
  EXPECT_EQ(G.GetCellEx(0, 3), "C");
  EXPECT_EQ(G.Invalidated, 1);

  U.Undo();
  EXPECT_EQ(U.Level(), 2);
  EXPECT_EQ(G.GetCellEx(0, 3), "");
  U.Redo();
  EXPECT_EQ(U.Level(), 3);
  EXPECT_EQ(G.GetCellEx(0, 3), "C");
  U.Redo();
  EXPECT_EQ(U.Level(), 7);
  EXPECT_EQ(G.GetCellEx(1, 1), "D");
  EXPECT_EQ(G.GetCellEx(1, 2), "E");
  EXPECT_FALSE(U.CanRedo());
}

TEST_F(UndoRedo, SequenceIsRestoredLastChangeFirst) {
  std::vector<std::pair<int, int>> order;
  U.OnUndo = [&](TObject*, IUndoRedoGrid*, int col, int row, const QString&, const QString&) {
    order.push_back({col, row});
  };
  U.StartSequence();
  Edit(1, 1, "D");
  Edit(2, 2, "E");
  U.StopSequence();
  U.Undo();
  EXPECT_EQ(order, (std::vector<std::pair<int, int>>{{2, 2}, {1, 1}}));
  EXPECT_EQ(U.Level(), 0);
}

TEST_F(UndoRedo, UndoOfOneChangeMovesTheCurrentCellAndFiresOnUndo) {
  Edit(3, 4, "old");
  Edit(3, 4, "new");
  QString seenOrig, seenNew;
  TObject* sender = nullptr;
  U.OnUndo = [&](TObject* s, IUndoRedoGrid* grid, int col, int row, const QString& orig, const QString& now) {
    sender = s;
    EXPECT_EQ(grid, &G);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 4);
    seenOrig = orig;
    seenNew = now;
  };
  U.Undo();
  EXPECT_EQ(sender, &U);
  EXPECT_EQ(seenOrig, "new");
  EXPECT_EQ(seenNew, "old");
  EXPECT_EQ(G.Col, 13);
  EXPECT_EQ(G.Row, 4);
  ASSERT_EQ(G.Repainted.size(), 1u);
  EXPECT_EQ(G.Repainted[0], std::make_pair(13, 4));
  EXPECT_EQ(G.GetCellEx(3, 4), "old");

  int redone = 0;
  U.OnRedo = [&](TObject*, IUndoRedoGrid*, int, int, const QString& orig, const QString& now) {
    ++redone;
    EXPECT_EQ(orig, "old");
    EXPECT_EQ(now, "new");
  };
  U.Redo();
  EXPECT_EQ(redone, 1);
  EXPECT_EQ(G.GetCellEx(3, 4), "new");
}

TEST_F(UndoRedo, ChangeAfterUndoKeepsTheUndoneItems) {
  Edit(0, 0, "1");
  Edit(0, 1, "2");
  Edit(0, 2, "3");
  U.Undo();
  U.Undo();
  EXPECT_TRUE(U.CanRedo());
  Edit(5, 5, "new");
  EXPECT_EQ(U.Items().Count(), 4);
  EXPECT_EQ(U.Level(), 4);
  EXPECT_FALSE(U.CanRedo());
  EXPECT_EQ(U.Items().Items(1).Value, "2");
  EXPECT_EQ(U.Items().Items(3).Value, "new");
}

TEST_F(UndoRedo, MaxLevelTrimsTheOldestItem) {
  U.MaxLevel = 3;
  for (int i = 0; i < 4; ++i) Edit(0, i, QString::number(i));
  EXPECT_EQ(U.Items().Count(), 3);
  EXPECT_EQ(U.Level(), 3);
  EXPECT_EQ(U.Items().Items(0).Row, 1);
}

TEST_F(UndoRedo, EmptySequenceIsOneStepThatChangesNothing) {
  Edit(0, 0, "x");
  U.StartSequence();
  U.StopSequence();
  U.Undo();
  EXPECT_EQ(U.Level(), 1);
  EXPECT_EQ(G.GetCellEx(0, 0), "x");
  U.Redo();
  EXPECT_EQ(U.Level(), 3);
  EXPECT_EQ(G.GetCellEx(0, 0), "x");
}

TEST_F(UndoRedo, ResetKeepsLevelAndUndoThenDoesNothing) {
  Edit(0, 0, "x");
  U.Reset();
  EXPECT_EQ(U.Items().Count(), 0);
  EXPECT_TRUE(U.CanUndo());
  U.Undo();
  U.Redo();
  EXPECT_EQ(U.Level(), 1);
  EXPECT_EQ(G.GetCellEx(0, 0), "x");
}

TEST_F(UndoRedo, WithoutAGridNothingHappens) {
  Edit(0, 0, "x");
  U.SetGrid(nullptr);
  U.Undo();
  EXPECT_EQ(U.Level(), 1);
  EXPECT_EQ(G.GetCellEx(0, 0), "x");
}

TEST_F(UndoRedo, OpenAndTrimmedSequencesKeepLevelInRangeAndNeverApplyMarkers) {
  std::vector<std::pair<int, int>> applied;
  auto record = [&](TObject*, IUndoRedoGrid*, int col, int row, const QString&, const QString&) {
    applied.push_back({col, row});
  };
  U.OnUndo = record;
  U.OnRedo = record;
  Edit(0, 0, "A");
  U.StartSequence();
  Edit(1, 1, "D");  // sequence left open
  for (int i = 0; i < 5; ++i) U.Undo();
  EXPECT_EQ(U.Level(), 0);
  for (int i = 0; i < 5; ++i) U.Redo();
  EXPECT_EQ(U.Level(), U.Items().Count());
  for (const auto& cell : applied) EXPECT_GE(cell.first, 0);

  // A sequence whose start marker was trimmed away undoes down to the first item.
  TPlexGridUndoRedo trimmed(nullptr);
  trimmed.SetGrid(&G);
  trimmed.OnUndo = record;
  trimmed.MaxLevel = 2;
  trimmed.StartSequence();
  trimmed.RegisterChange(2, 0, "", "p");
  trimmed.RegisterChange(2, 1, "", "q");
  trimmed.RegisterChange(2, 2, "", "r");
  trimmed.StopSequence();
  applied.clear();
  trimmed.Undo();
  EXPECT_EQ(trimmed.Level(), 0);
  EXPECT_EQ(applied.size(), 2u);
  for (const auto& cell : applied) EXPECT_GE(cell.first, 0);
}

TEST(UndoRedoLink, FreeingTheGridUnlinksIt) {
  TPlexGridUndoRedo undo(nullptr);
  {
    TTestGrid grid;
    undo.SetGrid(&grid);
    undo.RegisterChange(0, 0, "", "x");
  }
  EXPECT_EQ(undo.Grid(), nullptr);
  undo.Undo();  // must not touch the freed grid
  EXPECT_EQ(undo.Level(), 1);
}

TEST(UndoRedoLink, FreeingTheComponentFirstLeavesTheGridAlone) {
  TTestGrid grid;
  {
    TPlexGridUndoRedo undo(nullptr);
    undo.SetGrid(&grid);
  }
  grid.SetCellEx(0, 0, "still here");
  EXPECT_EQ(grid.GetCellEx(0, 0), "still here");
}
