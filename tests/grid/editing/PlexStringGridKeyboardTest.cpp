// Keys on a focused grid: what they do beyond the platform's cursor movement.
#include "KeyGridFixture.h"
#include "grid/core/ControlLook.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "platform/Screenshot.h"
#include "support/PaintProbe.h"

#include <cstdlib>

#include <QCursor>

namespace {

using KeyboardTest = KeyGridFixture;

// Types each character where the focus is at that moment, as a keyboard does.
void TypeAtFocus(const QString& Text) {
  for (QChar ch : Text) {
    QTest::keyClicks(QApplication::focusWidget(), QString(ch));
    QApplication::processEvents();
  }
}

TEST_F(KeyboardTest, EnterFiresOnKeyPressOnEveryCellKind) {
  enum Kind { Editable, ReadOnly, CheckBox };
  int enters = 0;
  Grid->OnKeyPress = [&](TObject*, QChar& k) { enters += k == QChar(13); };
  for (Kind kind : {Editable, ReadOnly, CheckBox})
    for (bool editing : {true, false})
      for (bool advance : {false, true}) {
        SCOPED_TRACE(QString("kind %1 editing %2 advance %3").arg(kind).arg(editing).arg(advance).toStdString());
        SetOption(goEditing, editing);
        Grid->Navigation().AdvanceOnEnter = advance;
        Grid->RemoveCheckBox(1, 1);
        Grid->SetReadOnly(1, 1, kind == ReadOnly);
        if (kind == CheckBox) Grid->AddCheckBox(1, 1, false, true);
        At(1, 1);
        enters = 0;
        Press(Qt::Key_Return);
        EXPECT_EQ(enters, 1);
      }
}

TEST_F(KeyboardTest, MoveScrollOnlyScrollsWithoutMovingTheCell) {
  Grid->SetRowCount(40);
  Grid->Navigation().MoveScrollOnly = true;
  At(1, 1);
  Press(Qt::Key_Down);
  EXPECT_EQ(Grid->TopRow(), 2);
  EXPECT_EQ(Cur(), TPoint(1, 1));
  Press(Qt::Key_Right);
  EXPECT_EQ(Cur(), TPoint(2, 1)) << "Left and Right still move the cell";
}

TEST_F(KeyboardTest, HomeAndEndFollowHomeEndKey) {
  struct Case {
    THomeEndAction Action;
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
    bool Footer;
    TPoint Expected;
  };
  const Case cases[] = {
      {heFirstLastCell, Qt::Key_Home, Qt::NoModifier, false, {1, 1}},
      {heFirstLastCell, Qt::Key_End, Qt::NoModifier, false, {5, 7}},
      {heFirstLastCell, Qt::Key_Home, Qt::ControlModifier, false, {1, 1}},
      {heFirstLastCell, Qt::Key_End, Qt::ControlModifier, false, {5, 7}},
      {heFirstLastColumn, Qt::Key_Home, Qt::NoModifier, false, {1, 4}},
      {heFirstLastColumn, Qt::Key_End, Qt::NoModifier, false, {5, 4}},
      {heFirstLastRow, Qt::Key_Home, Qt::NoModifier, false, {3, 1}},
      {heFirstLastRow, Qt::Key_End, Qt::NoModifier, false, {3, 7}},
      {heFirstLastRow, Qt::Key_End, Qt::NoModifier, true, {3, 6}},
  };
  Grid->SetColCount(6);
  Grid->SetRowCount(8);
  SetOption(goEditing, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("action %1 key %2 footer %3").arg(c.Action).arg(c.Key).arg(c.Footer).toStdString());
    Grid->Navigation().HomeEndKey = c.Action;
    Grid->FloatingFooter().SetVisible(c.Footer);
    At(3, 4);
    Press(c.Key, c.Mods);
    EXPECT_EQ(Cur(), c.Expected);
  }
}

TEST_F(KeyboardTest, SpaceTogglesACheckBoxOnlyWhenItMay) {
  struct Case {
    bool Editing, AlwaysActive, Toggles;
  };
  const Case cases[] = {{true, false, true}, {false, false, false}, {false, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("editing %1 always %2").arg(c.Editing).arg(c.AlwaysActive).toStdString());
    SetOption(goEditing, c.Editing);
    Grid->ControlLook().CheckAlwaysActive = c.AlwaysActive;
    Grid->RemoveCheckBox(1, 1);
    Grid->AddCheckBox(1, 1, false, false);
    QStringList clicks;
    Grid->OnCheckBoxClick = [&](TObject*, int col, int row, bool state) {
      clicks.append(QString("%1,%2 %3").arg(col).arg(row).arg(state));
    };
    At(1, 1);
    Press(Qt::Key_Space);
    EXPECT_EQ(Grid->IsChecked(1, 1), c.Toggles);
    EXPECT_EQ(clicks, c.Toggles ? QStringList{"1,1 1"} : QStringList());
    EXPECT_FALSE(Grid->EditMode());
  }
}

TEST_F(KeyboardTest, InsertPutsTheNewRowBeforeOrAfterTheCurrentRow) {
  struct Case {
    TInsertPosition Position;
    int NewRow, OldRowNow;
  };
  for (const Case& c : {Case{pInsertAfter, 3, 2}, Case{pInsertBefore, 2, 3}}) {
    SCOPED_TRACE(int(c.Position));
    Grid->SetRowCount(5);
    FillColumn(1);
    Grid->Navigation().AllowInsertRow = true;
    Grid->Navigation().InsertPosition = c.Position;
    QList<int> inserted;
    Grid->OnAutoInsertRow = [&](TObject*, int r) { inserted.append(r); };
    At(1, 2);
    Press(Qt::Key_Insert);
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_EQ(Grid->Cells(1, c.NewRow), "");
    EXPECT_EQ(Grid->Cells(1, c.OldRowNow), "r2");
    EXPECT_EQ(Grid->Row(), c.NewRow);
    EXPECT_EQ(inserted, QList<int>{c.NewRow});
    EXPECT_TRUE(Grid->Modified);
  }
}

TEST_F(KeyboardTest, RightAndLeftOpenAndCloseANodeOnAMergedCell) {
  struct Case {
    bool Merged;
    Qt::Key Key;
    bool ContractedBefore, ContractedAfter;
  };
  const Case cases[] = {
      {true, Qt::Key_Left, false, true},   {true, Qt::Key_Right, true, false}, {true, Qt::Key_Right, false, false},
      {false, Qt::Key_Left, false, false}, {false, Qt::Key_Right, true, true},
  };
  Grid->SetRowCount(7);
  for (const Case& c : cases) {
    SCOPED_TRACE(
        QString("merged %1 key %2 contracted %3").arg(c.Merged).arg(c.Key).arg(c.ContractedBefore).toStdString());
    Grid->RemoveAllNodes();
    Grid->SplitAllCells();
    Grid->AddNode(1, 3);
    if (c.Merged) Grid->MergeCells(1, 1, Grid->ColCount() - 1, 1);
    if (c.ContractedBefore) Grid->ContractNode(1);
    At(c.Merged ? 1 : 2, 1);
    Press(c.Key);
    EXPECT_EQ(Grid->GetNodeState(1), c.ContractedAfter);
    EXPECT_EQ(Grid->RowCount(), c.ContractedAfter ? 5 : 7);
  }
}

TEST_F(KeyboardTest, InsertInsideANodeGrowsItsBlockAndOutsideLeavesIt) {
  struct Case {
    int Row;
    TInsertPosition Position;
    int Span;
  };
  const Case cases[] = {{2, pInsertAfter, 4}, {1, pInsertAfter, 4}, {5, pInsertAfter, 3}, {5, pInsertBefore, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("row %1 position %2").arg(c.Row).arg(int(c.Position)).toStdString());
    Grid->RemoveAllNodes();
    Grid->SetRowCount(7);
    Grid->AddNode(1, 3);
    Grid->Navigation().AllowInsertRow = true;
    Grid->Navigation().InsertPosition = c.Position;
    At(1, c.Row);
    Press(Qt::Key_Insert);
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(Grid->GetNodeSpan(1), c.Span);
  }
}

TEST_F(KeyboardTest, InsertAndDeleteDoNothingWhileEitherAltIsHeld) {
  Grid->Navigation().AllowInsertRow = true;
  Grid->Navigation().AllowDeleteRow = true;
  for (Qt::KeyboardModifier alt : {Qt::AltModifier, Qt::GroupSwitchModifier})
    for (Qt::Key key : {Qt::Key_Insert, Qt::Key_Delete}) {
      At(1, 2);
      Press(key, alt);
      EXPECT_EQ(Grid->RowCount(), 5);
    }
}

TEST_F(KeyboardTest, DeleteInAFilteredGridTakesTheRealRowAndKeepsTheFilter) {
  for (bool refuse : {true, false}) {
    SCOPED_TRACE(refuse);
    G().SetFilterActive(false);
    Grid->UnHideRowsAll();
    Grid->SetRowCount(5);
    FillColumn(1);
    Grid->OnCustomFilter = [&](TObject*, int r, bool& accept) { accept = Grid->Cells(1, r) != "r2"; };
    G().SetFilterActive(true);
    Grid->Navigation().AllowDeleteRow = true;
    QList<int> asked;
    Grid->OnCanDeleteRow = [&](TObject*, int r, bool& can) {
      asked.append(r);
      can = !refuse;
    };
    At(1, 2);
    ASSERT_EQ(Grid->Cells(1, 2), "r3");
    Press(Qt::Key_Delete);
    EXPECT_EQ(asked, QList<int>{3});
    // The filter was off for the row's deletion and is back: r2 stays hidden.
    EXPECT_TRUE(Grid->FilterActive());
    EXPECT_EQ(Grid->NumHiddenRows(), 1);
    EXPECT_EQ(Grid->Cells(1, 2), refuse ? "r3" : "r4");
    EXPECT_EQ(Grid->RowCount(), refuse ? 4 : 3);
  }
}

TEST_F(KeyboardTest, CtrlFPutsTheFocusIntoAShownSearchFooter) {
  for (const bool footer : {false, true}) {
    SCOPED_TRACE(footer);
    Grid->SearchFooter().SetVisible(footer);
    QApplication::processEvents();
    EXPECT_EQ(Grid->SearchPanel()->Height(), footer ? 32 : 0);
    At(1, 1);
    Press(Qt::Key_F, Qt::ControlModifier);
    TEdit* edit = Grid->SearchPanel()->EditControl;
    EXPECT_EQ(edit->Focused(), footer);
    EXPECT_EQ(Grid->Focused(), !footer);
  }
}

TEST_F(KeyboardTest, CtrlVPastesOnce) {
  Grid->Navigation().AllowClipboardShortCuts = true;
  Grid->SetCells(1, 1, "x");
  int pasteEvents = 0;
  Grid->OnClipboardPaste = [&](TObject*, bool&) { ++pasteEvents; };
  At(1, 1);
  Grid->ClearFeatureCalls();
  // The key and its control character, as the system delivers Ctrl+V.
  QTest::sendKeyEvent(QTest::Click, Grid->Widget(), Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  QApplication::processEvents();
  EXPECT_EQ(pasteEvents, 1);
  EXPECT_EQ(Grid->FeatureCalls(), std::vector<QString>{"PasteFromClipboard"});
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(1, 1), "x");
}

TEST_F(KeyboardTest, CursorAdvanceWrapsAtTheEdgesOfTheNormalCells) {
  struct Case {
    TCursorAdvance Mode;
    Qt::Key Key;
    TPoint Start, Expected;
    int FixedRight = 0, Footers = 0;
  };
  const Case cases[] = {
      {caSnake, Qt::Key_Right, {4, 2}, {1, 3}},
      {caLoop, Qt::Key_Right, {4, 2}, {1, 2}},
      {caSnake, Qt::Key_Left, {1, 2}, {4, 1}},
      {caLoop, Qt::Key_Left, {1, 2}, {4, 2}},
      {caSnake, Qt::Key_Down, {2, 4}, {3, 1}},
      {caLoop, Qt::Key_Up, {2, 1}, {2, 4}},
      {caSnake, Qt::Key_Right, {4, 4}, {1, 1}},
      {caDefault, Qt::Key_Right, {4, 2}, {4, 2}},
      // Fixed right columns and footers: the wrap happens at the last normal column and row.
      {caSnake, Qt::Key_Right, {3, 2}, {1, 3}, 1, 0},
      {caLoop, Qt::Key_Down, {2, 3}, {2, 1}, 0, 1},
  };
  SetOption(goEditing, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(
        QString("mode %1 key %2 from %3,%4").arg(c.Mode).arg(c.Key).arg(c.Start.X).arg(c.Start.Y).toStdString());
    Grid->SetFixedRightCols(c.FixedRight);
    Grid->SetFixedFooters(c.Footers);
    Grid->Navigation().CursorAdvance = c.Mode;
    At(c.Start.X, c.Start.Y);
    Press(c.Key);
    EXPECT_EQ(Cur(), c.Expected);
  }
}

TEST_F(KeyboardTest, ArrowsJumpOverCellsThatAnswerFixed) {
  struct Case {
    QList<int> FixedCols;
    TPoint Expected;
  };
  SetOption(goEditing, false);
  for (const Case& c : {Case{{3}, {4, 1}}, Case{{3, 4}, {2, 1}}}) {
    SCOPED_TRACE(c.FixedCols.size());
    Grid->OnIsFixedCell = [&](TObject*, int, int col, bool& fixed) { fixed = c.FixedCols.contains(col); };
    At(2, 1);
    Press(Qt::Key_Right);
    EXPECT_EQ(Cur(), c.Expected);
  }
}

TEST_F(KeyboardTest, IncrementalGotoEndsAfterItsIdleTime) {
  SetOption(goEditing, false);
  Grid->SetRowCount(6);
  Grid->SortSettings().Column = 1;
  Grid->Navigation().AutoGotoWhenSorted = true;
  Grid->Navigation().AutoGotoIncremental = true;
  G().SearchAnswers = {{"A", 1}, {"AB", 3}, {"C", 4}};
  At(1, 1);
  Press(Qt::Key_A);
  Clock.Clock().Advance(400);
  Press(Qt::Key_B);
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(Grid->IncrSearchText(), "ab");
  Clock.Clock().Advance(2000);
  EXPECT_EQ(Grid->IncrSearchText(), "");
  Press(Qt::Key_C);
  EXPECT_EQ(G().Searches, QStringList({"A", "AB", "C"}));
  EXPECT_EQ(Grid->Row(), 4);
  EXPECT_EQ(Grid->FeatureCalls().size(), 0u) << "the scripted search stands in for the feature";
}

TEST_F(KeyboardTest, HoveringMakesTheCellUnderTheMouseCurrentWithinOneTick) {
  Grid->SetHovering(true);
  FocusOther();
  const TRect r = Grid->CellRect(3, 2);
  QCursor::setPos(Grid->Widget()->mapToGlobal(QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)));
  Clock.Clock().Advance(500);
  QApplication::processEvents();
  EXPECT_EQ(Cur(), TPoint(3, 2));
  EXPECT_TRUE(Grid->Focused());
}

TEST_F(KeyboardTest, HoverFixedCellsNameTheFixedCellsThatReact) {
  struct Case {
    THoverFixedCells Mode;
    bool FixedCol, FixedRow, Corner, Normal;
  };
  const Case cases[] = {{hfNone, false, false, false, false},
                        {hfAll, true, true, true, false},
                        {hfFixedColumns, true, false, true, false},
                        {hfFixedRows, false, true, true, false}};
  for (const Case& c : cases) {
    Grid->HoverFixedCells = c.Mode;
    EXPECT_EQ(Grid->IsHoverFixedCell(0, 2), c.FixedCol) << c.Mode;
    EXPECT_EQ(Grid->IsHoverFixedCell(2, 0), c.FixedRow) << c.Mode;
    EXPECT_EQ(Grid->IsHoverFixedCell(0, 0), c.Corner) << c.Mode;
    EXPECT_EQ(Grid->IsHoverFixedCell(2, 2), c.Normal) << c.Mode;
  }
}

// The character that opens the editor is typed like every later one: the
// editor type's filter sees it, whether the cell was closed or already open.
TEST_F(KeyboardTest, TypedCharactersPassTheEditorTypeFilterOnClosedAndOpenCells) {
  struct Case {
    TEditorType Type;
    char Typed;
    const char* Taken;  // what the filter lets into the editor; empty: refused
  };
  const Case cases[] = {
      {edNumeric, 'x', ""},    {edNumeric, '5', "5"},        {edFloat, 'x', ""},
      {edFloat, '5', "5"},     {edPositiveNumeric, '-', ""}, {edPositiveNumeric, '4', "4"},
      {edUpperCase, 'a', "A"}, {edLowerCase, 'B', "b"},      {edNormal, 'q', "q"},
  };
  for (const Case& c : cases)
    for (bool open : {false, true}) {
      SCOPED_TRACE(QString("type %1 char %2 open %3").arg(c.Type).arg(c.Typed).arg(open).toStdString());
      Grid->DefaultEditor = c.Type;
      Grid->SetCells(2, 2, "7");
      At(2, 2);
      // Either way the editor starts with the whole text selected (EditSelectAll).
      if (open) Press(Qt::Key_F2);
      TypeAtFocus(QString(c.Typed));
      ASSERT_TRUE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QApplication::processEvents();
      const QString taken(c.Taken);
      const QString stored = taken.isEmpty() ? "7" : taken;
      EXPECT_EQ(Grid->Cells(2, 2).toStdString(), stored.toStdString());
    }
}

// Backspace on a closed cell opens the editor and takes the selected text away.
TEST_F(KeyboardTest, BackspaceOnAClosedCellOpensTheEditorEmptied) {
  Grid->SetCells(2, 2, "abc");
  At(2, 2);
  Press(Qt::Key_Backspace);
  ASSERT_TRUE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
  EXPECT_EQ(Grid->InplaceEditor()->Text().toStdString(), "");
  TypeAtFocus("z");
  EXPECT_EQ(Grid->InplaceEditor()->Text().toStdString(), "z");
}

// With RangeSelectAndEdit and goEditing off, the first typed character opens
// the editor holding that character, filtered like the rest.
TEST_F(KeyboardTest, RangeSelectAndEditOpensTheEditorWithTheFirstCharacter) {
  struct Case {
    TEditorType Type;
    const char* Typed;
    const char* Shown;
  };
  const Case cases[] = {
      {edNormal, "k", "k"}, {edNormal, "kl", "kl"}, {edUpperCase, "ab", "AB"}, {edNumeric, "x9", "9"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Typed);
    SetOption(goEditing, false);
    Grid->MouseActions().RangeSelectAndEdit = true;
    Grid->DefaultEditor = c.Type;
    Grid->SetCells(2, 2, "old");
    At(2, 2);
    TypeAtFocus(c.Typed);
    ASSERT_TRUE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
    EXPECT_EQ(Grid->InplaceEditor()->Text().toStdString(), c.Shown);
    if (const char* shots = std::getenv("QUILLORE_SHOTS"); shots && c.Type == edUpperCase)
      SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid-range-edit-typed.png");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(2, 2).toStdString(), c.Shown);
  }
}

TEST_F(KeyboardTest, ScreenshotAfterRowKeysAndSelectAll) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString("Col %1").arg(c));
  FillColumn(1);
  FillColumn(2);
  Grid->Navigation().AllowInsertRow = true;
  Grid->Navigation().InsertPosition = pInsertAfter;
  Grid->AddCheckBox(3, 1, false, false);
  At(1, 2);
  Press(Qt::Key_Insert);
  Grid->SetCells(1, 3, "new");
  At(3, 1);
  Press(Qt::Key_Space);
  SetOption(goEditing, false);
  SetOption(goRangeSelect, true);
  Press(Qt::Key_A, Qt::ControlModifier);
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid-keys.png");
}

TEST_F(KeyboardTest, ScreenshotOfTheSearchFooterAfterCtrlF) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  Grid->SetRowCount(20);
  FillColumn(1);
  Grid->SearchFooter().SetColor(clInfoBk);
  Grid->SearchFooter().SetVisible(true);
  At(1, 1);
  Press(Qt::Key_F, Qt::ControlModifier);
  QTest::keyClicks(Grid->SearchPanel()->EditControl->Widget(), "r1");
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid-search-footer.png");
}

}  // namespace
