// The moves made on behalf of editing: Enter's advance, the caret walk out of
// the editor, the Tab steps and the row Down appends at the end.
#include "KeyGridFixture.h"
#include "grid/editing/PlexInplaceEdit.h"
#include "grid/features/FloatingFooter.h"
#include "support/PaintProbe.h"

namespace {

struct NavigationTest : KeyGridFixture {
  // Enter typed into the text editor of the current cell.
  void EnterInEditor() {
    Press(Qt::Key_F2);
    ASSERT_TRUE(Grid->EditMode());
    QTest::keyClick(EditorWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
};

TEST_F(NavigationTest, EnterMovesOnlyWithAdvanceOnEnterWhileTheCaretWalkIsForced) {
  At(1, 1);
  EnterInEditor();
  EXPECT_EQ(Cur(), TPoint(1, 1));
  Grid->Navigation().CursorWalkEditor = true;
  At(1, 1);
  Press(Qt::Key_F2);
  QTest::keyClick(EditorWidget(), Qt::Key_Right);
  QApplication::processEvents();
  EXPECT_EQ(Cur(), TPoint(2, 1));
}

TEST_F(NavigationTest, EnterInTheLastCell) {
  struct Case {
    TAdvanceDirection Direction;
    bool Loop, Insert, RefuseAdd;
    TPoint Start, Expected;
    int Rows, Cols;
  };
  const Case cases[] = {
      {adLeftRight, true, false, false, {4, 4}, {1, 1}, 5, 5},
      {adLeftRight, false, false, false, {4, 4}, {4, 4}, 5, 5},
      {adLeftRight, true, true, false, {4, 4}, {1, 5}, 6, 5},
      {adLeftRight, true, true, true, {4, 4}, {1, 4}, 5, 5},
      {adTopBottomInCol, false, false, false, {2, 4}, {2, 1}, 5, 5},
      {adTopBottom, true, true, false, {4, 4}, {5, 1}, 5, 6},
  };
  Grid->Navigation().AdvanceOnEnter = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("dir %1 loop %2 insert %3 refuse %4")
                     .arg(c.Direction)
                     .arg(c.Loop)
                     .arg(c.Insert)
                     .arg(c.RefuseAdd)
                     .toStdString());
    Grid->SetRowCount(5);
    Grid->SetColCount(5);
    Grid->Navigation().SetAdvanceDirection(c.Direction);
    Grid->Navigation().AdvanceOnEnterLoop = c.Loop;
    Grid->Navigation().SetAdvanceInsert(c.Insert);
    QStringList added;
    Grid->OnCanAddRow = [&](TObject*, bool& can) { can = !c.RefuseAdd; };
    Grid->OnAutoAddRow = [&](TObject*, int r) { added.append(QString("row %1").arg(r)); };
    Grid->OnAutoInsertCol = [&](TObject*, int col) { added.append(QString("col %1").arg(col)); };
    At(c.Start.X, c.Start.Y);
    EnterInEditor();
    EXPECT_EQ(Cur(), c.Expected);
    EXPECT_EQ(Grid->RowCount(), c.Rows);
    EXPECT_EQ(Grid->ColCount(), c.Cols);
    const QStringList expectedAdds = c.Rows == 6   ? QStringList{"row 5"}
                                     : c.Cols == 6 ? QStringList{"col 5"}
                                                   : QStringList();
    EXPECT_EQ(added, expectedAdds);
  }
}

TEST_F(NavigationTest, ReadOnlyCellsAreSkippedAndTheStartCellReported) {
  Grid->Navigation().AdvanceOnEnter = true;
  Grid->SetReadOnly(2, 1, true);
  Grid->SetReadOnly(3, 1, true);
  QStringList log;
  Grid->OnAutoAdvance = [&](TObject*, int oldRow, int oldCol, int& newRow, int& newCol, bool&) {
    log.append(QString("%1,%2 -> %3,%4").arg(oldCol).arg(oldRow).arg(newCol).arg(newRow));
  };
  At(1, 1);
  EnterInEditor();
  EXPECT_EQ(Cur(), TPoint(4, 1));
  EXPECT_EQ(log, QStringList{"1,1 -> 4,1"});
}

TEST_F(NavigationTest, AnAutoAdvanceHandlerRedirectsTheTarget) {
  Grid->Navigation().AdvanceOnEnter = true;
  Grid->OnAutoAdvance = [&](TObject*, int, int, int& newRow, int& newCol, bool&) {
    newRow = 3;
    newCol = 3;
  };
  At(1, 1);
  EnterInEditor();
  EXPECT_EQ(Cur(), TPoint(3, 3));
}

TEST_F(NavigationTest, ANodeGridWithoutFixedColumnsLandsInColumnOne) {
  G().Nodes = true;
  Grid->SetFixedCols(0);
  Grid->Navigation().AdvanceOnEnter = true;
  At(4, 1);
  EnterInEditor();
  EXPECT_EQ(Cur(), TPoint(1, 2));
}

TEST_F(NavigationTest, OneAdvanceFiresCellChangingOnce) {
  Grid->Navigation().AdvanceOnEnter = true;
  At(1, 1);
  Press(Qt::Key_F2);
  QStringList log;
  Grid->OnAutoAdvance = [&](TObject*, int r, int c, int& nr, int& nc, bool&) {
    log.append(QString("AutoAdvance %1,%2 %3,%4").arg(c).arg(r).arg(nc).arg(nr));
  };
  Grid->OnCellChanging = [&](TObject*, int r, int c, int nr, int nc, bool&) {
    log.append(QString("CellChanging %1,%2 %3,%4").arg(c).arg(r).arg(nc).arg(nr));
  };
  Grid->OnRowChanging = [&](TObject*, int o, int n, bool&) { log.append(QString("RowChanging %1 %2").arg(o).arg(n)); };
  Grid->OnColChanging = [&](TObject*, int o, int n, bool&) { log.append(QString("ColChanging %1 %2").arg(o).arg(n)); };
  Grid->OnSelectCell = [&](TObject*, int c, int r, bool&) { log.append(QString("SelectCell %1,%2").arg(c).arg(r)); };
  Grid->OnRowUpdate = [&](TObject*, int o, int n) { log.append(QString("RowUpdate %1 %2").arg(o).arg(n)); };
  Grid->Navigation().SetAdvanceDirection(adTopBottom);
  QTest::keyClick(EditorWidget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Cur(), TPoint(1, 2));
  const QStringList expected = {"AutoAdvance 1,1 1,2", "CellChanging 1,1 1,2", "RowChanging 1 2", "SelectCell 1,2",
                                "RowUpdate 1 2"};
  // Closing the editor re-selects the start cell on the way; those passes are not the move.
  log.removeAll("SelectCell 1,1");
  EXPECT_EQ(log, expected);
  Grid->OnAutoAdvance = nullptr;
  Grid->OnCellChanging = nullptr;
  Grid->OnRowChanging = nullptr;
  Grid->OnColChanging = nullptr;
  Grid->OnSelectCell = nullptr;
  Grid->OnRowUpdate = nullptr;
}

TEST_F(NavigationTest, TabSteps) {
  struct Case {
    Qt::Key Key;
    TPoint Start, Expected;
    QList<int> ReadOnlyCols;
  };
  const Case cases[] = {
      {Qt::Key_Tab, {1, 1}, {2, 1}, {}},
      {Qt::Key_Tab, {1, 1}, {3, 1}, {2}},
      {Qt::Key_Tab, {4, 1}, {1, 2}, {}},
      {Qt::Key_Tab, {4, 4}, {1, 1}, {}},
      {Qt::Key_Backtab, {3, 2}, {2, 2}, {}},
      // From the first normal cell to the last selectable cell of the last normal row.
      {Qt::Key_Backtab, {1, 1}, {4, 4}, {}},
      {Qt::Key_Backtab, {1, 1}, {3, 4}, {4}},
  };
  SetOption(goTabs, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("key %1 from %2,%3").arg(c.Key).arg(c.Start.X).arg(c.Start.Y).toStdString());
    Grid->OnCanEditCell = [&](TObject*, int, int col, bool& can) { can = !c.ReadOnlyCols.contains(col); };
    At(c.Start.X, c.Start.Y);
    Press(c.Key, c.Key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    if (Grid->EditMode()) Grid->HideInplaceEdit();
    EXPECT_EQ(Cur(), c.Expected);
  }
}

TEST_F(NavigationTest, TabAtTheEndMovesTheFocusToTheNextControl) {
  SetOption(goTabs, true);
  Grid->Navigation().TabToNextAtEnd = true;
  At(4, 4);
  Press(Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(Cur(), TPoint(1, 1));
  EXPECT_TRUE(Other->Focused());
}

TEST_F(NavigationTest, DownAppendsARowAboveTheFloatingFooter) {
  Grid->Navigation().AppendOnArrowDown = true;
  Grid->FloatingFooter().SetVisible(true);
  SetOption(goEditing, false);
  Grid->SetCells(1, 4, "sum");
  QList<int> added;
  Grid->OnAutoAddRow = [&](TObject*, int r) { added.append(r); };
  At(1, 3);
  Press(Qt::Key_Down);
  EXPECT_EQ(Grid->RowCount(), 6);
  EXPECT_EQ(Grid->Cells(1, 5), "sum");
  EXPECT_EQ(Grid->Cells(1, 4), "");
  EXPECT_EQ(Grid->Row(), 4);
  EXPECT_EQ(added, QList<int>{5});
}

// No cell can be edited: every advance and Tab step must still end.
TEST_F(NavigationTest, AGridWithoutEditableCellsNeverHangs) {
  Grid->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
  Grid->Navigation().AdvanceOnEnter = true;
  SetOption(goTabs, true);
  const auto defined = [&] {
    EXPECT_GE(Grid->Col(), Grid->FixedCols());
    EXPECT_LT(Grid->Col(), Grid->ColCount());
    EXPECT_GE(Grid->Row(), Grid->FixedRows());
    EXPECT_LT(Grid->Row(), Grid->RowCount());
  };
  At(2, 2);
  Press(Qt::Key_Return);
  defined();
  G().MoveToNextCell(Grid->Col(), Grid->Row(), true, true, true, false, true);
  defined();
  G().MoveToNextCell(Grid->Col(), Grid->Row(), true, true, false, false, true);
  defined();
  Press(Qt::Key_Tab);
  defined();
  Press(Qt::Key_Backtab, Qt::ShiftModifier);
  defined();
  EXPECT_TRUE(G().NavigateFromEditor(false));
  defined();
}

}  // namespace
