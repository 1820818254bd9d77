// The editor life of a cell: which editor opens, what it is given, how its
// value comes back and in which order the events around an edit fire.
#include "grid/core/PlexStringGrid.h"

#include "EditingGridFixture.h"
#include "grid/editing/EditorTypeTable.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexInplaceEdit.h"
#include "platform/EditBalloon.h"

void EditingGridFixture::LogEvents() {
  Grid->OnCanEditCell = [this](TObject*, int r, int c, bool&) {
    Log.append(QString("CanEditCell %1,%2").arg(c).arg(r));
  };
  Grid->OnGetEditorType = [this](TObject*, int c, int r, TEditorType&) {
    Log.append(QString("GetEditorType %1,%2").arg(c).arg(r));
  };
  Grid->OnGetEditorProp = [this](TObject*, int c, int r) { Log.append(QString("GetEditorProp %1,%2").arg(c).arg(r)); };
  Grid->OnGetEditText = [this](TObject*, int c, int r, QString&) {
    Log.append(QString("GetEditText %1,%2").arg(c).arg(r));
  };
  Grid->OnCellValidate = [this](TObject*, int c, int r, QString& v, bool&) {
    Log.append(QString("CellValidate %1,%2 %3").arg(c).arg(r).arg(v));
  };
  Grid->OnSetEditText = [this](TObject*, int c, int r, const QString& v) {
    Log.append(QString("SetEditText %1,%2 %3").arg(c).arg(r).arg(v));
  };
  Grid->OnEditingDone = [this](TObject*) { Log.append("EditingDone"); };
  Grid->OnEditCellDone = [this](TObject*, int c, int r) { Log.append(QString("EditCellDone %1,%2").arg(c).arg(r)); };
  Grid->OnComboChange = [this](TObject*, int c, int r, int i, const QString& s) {
    Log.append(QString("ComboChange %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s));
  };
}

namespace {
// The text editor's events from opening to the queued end, by the way it opens.
const QStringList TextEditorSequence = {
    "GetEditorType 1,1", "GetEditText 1,1", "GetEditorProp 1,1", "CellValidate 1,1 ab", "SetEditText 1,1 ab",
    // hiding the editor runs the cell selection again, which asks for the cell's editability
    "CanEditCell 1,1", "EditingDone", "EditCellDone 1,1"};

TEST_F(EditingGridFixture, TextEditorEventsWhateverOpensIt) {
  const std::function<void(EditingGridFixture&)> openers[] = {
      [](EditingGridFixture& f) { QTest::keyClick(f.Grid->Widget(), Qt::Key_A); },
      [](EditingGridFixture& f) {
        QTest::keyClick(f.Grid->Widget(), Qt::Key_F2);
        QTest::keyClick(f.EditorWidget(), Qt::Key_A);
      },
      [](EditingGridFixture& f) {
        f.Grid->ShowCellEdit();
        QTest::keyClick(f.EditorWidget(), Qt::Key_A);
      },
  };
  int n = 0;
  for (const auto& open : openers) {
    SCOPED_TRACE(n++);
    Grid->SetCells(1, 1, QString());
    Grid->SetFocus();
    QApplication::processEvents();
    LogEvents();
    Log.clear();
    open(*this);
    ASSERT_TRUE(Grid->EditMode());
    ASSERT_NE(EditorWidget(), nullptr);
    QTest::keyClick(EditorWidget(), Qt::Key_B);
    EXPECT_EQ(Grid->InplaceEditor()->Text(), "ab");
    FocusOther();
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(1, 1), "ab");
    // F2 asks the cell's editability before it opens the editor.
    EXPECT_EQ(Log, n == 2 ? QStringList{"CanEditCell 1,1"} + TextEditorSequence : TextEditorSequence);
    EXPECT_FALSE(Grid->EditMode());
  }
}

TEST_F(EditingGridFixture, EditCellDoneWaitsForTheQueueAndNamesTheRealColumn) {
  TRecordingEditor editor;
  editor.Log = &Log;
  editor.CommitValue = "7";
  Grid->SetCellEditors(std::make_unique<TRecordingSource>(&editor));
  Grid->HideColumn(1);
  Grid->DefaultEditor = edSpinEdit;
  LogEvents();
  Grid->SetCol(1);
  Grid->SetRow(2);
  Grid->SetCells(2, 2, "3");
  Log.clear();
  Grid->ShowCellEdit();
  ASSERT_EQ(editor.Opened.size(), 1u);
  EXPECT_EQ(editor.Opened[0].Col, 2);
  EXPECT_EQ(editor.Opened[0].Text, "3");
  Grid->HideCellEdit();
  EXPECT_EQ(Grid->Cells(2, 2), "7");
  EXPECT_EQ(Log.last(), "EditingDone");
  QApplication::processEvents();
  EXPECT_EQ(Log.last(), "EditCellDone 2,2");
  EXPECT_EQ(Log, (QStringList{"GetEditorType 2,2", "GetEditorProp 2,2", "GetEditText 2,2", "open 1 \"3\"", "close",
                              "EditingDone", "EditCellDone 2,2"}));
}

TEST_F(EditingGridFixture, TypedCharacterReachesASeparateEditor) {
  TRecordingEditor editor;
  editor.Log = &Log;
  Grid->SetCellEditors(std::make_unique<TRecordingSource>(&editor));
  Grid->DefaultEditor = edSpinEdit;
  QTest::keyClick(Grid->Widget(), Qt::Key_7);
  ASSERT_EQ(editor.Opened.size(), 1u);
  EXPECT_EQ(editor.Opened[0].StartChar, QChar('7'));
  EXPECT_TRUE(Grid->EditMode());
  Grid->HideCellEdit();
  Grid->DefaultEditor = edTimeEdit;
  QTest::keyClick(Grid->Widget(), Qt::Key_8);
  ASSERT_EQ(editor.Opened.size(), 2u);
  EXPECT_TRUE(editor.Opened[1].StartChar.isNull()) << "the time editor takes no opening character";
}

TEST_F(EditingGridFixture, DataCheckBoxOpensAnEditWithoutAControl) {
  Grid->DefaultEditor = edDataCheckBox;
  Grid->ShowCellEdit();
  EXPECT_TRUE(Grid->EditMode());
  EXPECT_EQ(Grid->EditCtrl(), nullptr);
  EXPECT_EQ(Grid->EditControl(), edDataCheckBox);
  EXPECT_FALSE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
}

TEST_F(EditingGridFixture, NoneAndClickableCellsOpenNothing) {
  Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edNone; };
  Grid->ShowCellEdit();
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_FALSE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
}

struct TComboCase {
  const char* Cell;
  int Preset;
  int Selected;
  const char* Event;
};

TEST_F(EditingGridFixture, ListComboSelection) {
  const TComboCase cases[] = {
      {"B", -1, 1, nullptr},
      {"C", -1, 0, "ComboChange 1,1 0 A"},
      {"C", 1, 1, nullptr},
  };
  Grid->DefaultEditor = edComboList;
  Grid->AddComboString("A");
  Grid->AddComboString("B");
  for (const TComboCase& c : cases) {
    SCOPED_TRACE(c.Cell);
    Grid->SetCells(1, 1, c.Cell);
    Grid->SetComboSelection(c.Preset);
    LogEvents();
    Log.clear();
    Grid->ShowCellEdit();
    EXPECT_EQ(Grid->EditCtrl(), static_cast<TWinControl*>(Grid->ComboEditor()));
    EXPECT_EQ(Grid->ComboEditor()->ItemIndex(), c.Selected);
    QStringList expected{"GetEditorType 1,1", "GetEditorProp 1,1", "GetEditText 1,1"};
    if (c.Event) expected.append(c.Event);
    EXPECT_EQ(Log, expected);
    Grid->HideCellEdit();
    EXPECT_EQ(Grid->Cells(1, 1), c.Selected == 0 ? "A" : "B");
    QApplication::processEvents();
  }
}

// The separate editors from opening to the queued end when code closes them
// (closing commits; validating belongs to the ways the user leaves): the
// check-box cell opens no control and writes nothing back; the list combo on a
// text that is no item selects the first item, announces it and writes it.
TEST_F(EditingGridFixture, SeparateEditorEventsToTheQueuedEnd) {
  const struct {
    TEditorType Editor;
    const char* Sequence;
    const char* Cell;
  } cases[] = {
      {edDataCheckBox, "GetEditorType 1,1 | EditingDone | EditCellDone 1,1", "C"},
      {edComboList,
       "GetEditorType 1,1 | GetEditorProp 1,1 | GetEditText 1,1 | ComboChange 1,1 0 A | SetEditText 1,1 A | "
       "CanEditCell 1,1 | EditingDone | EditCellDone 1,1",
       "A"},
  };
  Grid->AddComboString("A");
  Grid->AddComboString("B");
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.Editor));
    Grid->DefaultEditor = c.Editor;
    Grid->SetCells(1, 1, "C");
    LogEvents();
    Log.clear();
    Grid->ShowCellEdit();
    ASSERT_TRUE(Grid->EditMode());
    Grid->HideCellEdit();
    QApplication::processEvents();
    EXPECT_EQ(Log.join(" | "), c.Sequence);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(1, 1), c.Cell);
  }
}

TEST_F(EditingGridFixture, EditableComboOpensWithATextThatIsNoItem) {
  Grid->DefaultEditor = edComboEdit;
  Grid->AddComboString("A");
  Grid->SetCells(1, 1, "free");
  Grid->ShowCellEdit();
  EXPECT_EQ(Grid->ComboEditor()->Text(), "free");
}

TEST_F(EditingGridFixture, ComboItemList) {
  Grid->AddComboString("A");
  Grid->AddComboString("B");
  EXPECT_TRUE(Grid->RemoveComboString("A"));
  EXPECT_FALSE(Grid->RemoveComboString("X"));
  EXPECT_EQ(Grid->GetComboCount(), 1);
  EXPECT_FALSE(Grid->SetComboSelectionString("X"));
  Grid->SetComboIndex(2, 2, 0);
  EXPECT_EQ(Grid->Cells(2, 2), "B");
  EXPECT_EQ(Grid->GetComboIndex(2, 2), 0);
  EXPECT_ANY_THROW(Grid->SetComboIndex(2, 3, 5));
  EXPECT_EQ(Grid->Cells(2, 3), "");
}

TEST_F(EditingGridFixture, EscapeRestoresThePreEditText) {
  Grid->Navigation().EditSelectAll = false;
  Grid->SetCells(1, 1, "old");
  Grid->ShowCellEdit();
  QTest::keyClicks(EditorWidget(), "new");
  QTest::keyClick(EditorWidget(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(1, 1), "old");
}

TEST_F(EditingGridFixture, FocusToTheGridNeitherValidatesNorCommits) {
  int validations = 0;
  Grid->OnCellValidate = [&](TObject*, int, int, QString&, bool&) { ++validations; };
  Grid->Navigation().EditSelectAll = false;
  Grid->SetCells(1, 1, "old");
  Grid->ShowCellEdit();
  QTest::keyClicks(EditorWidget(), "x");
  ASSERT_EQ(Grid->InplaceEditor()->Text(), "oldx");
  Grid->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(validations, 0);
  EXPECT_EQ(Grid->Cells(1, 1), "old");
}

// A click on another cell takes the focus from the text editor; the typed
// text is checked and kept, or refused with the editor left open at its cell.
TEST_F(EditingGridFixture, AClickElsewhereKeepsOrRefusesTheTypedText) {
  enum class TValidator { None, Accepting, Refusing };
  struct TCase {
    TValidator Validator;
    QString Cell;
    int Col;
    bool EditorOpen;
  };
  const TCase cases[] = {
      {TValidator::None, "oldx", 3, false},
      {TValidator::Accepting, "oldx", 3, false},
      {TValidator::Refusing, "old", 1, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.Validator));
    Grid->OnCellValidate = nullptr;
    if (c.Validator != TValidator::None)
      Grid->OnCellValidate = [&c](TObject*, int, int, QString&, bool& valid) {
        valid = c.Validator == TValidator::Accepting;
      };
    Grid->Navigation().EditSelectAll = false;
    Grid->SetCells(1, 1, "old");
    Grid->FocusCell(1, 1);
    Grid->ShowCellEdit();
    QTest::keyClicks(EditorWidget(), "x");
    ASSERT_EQ(Grid->InplaceEditor()->Text(), "oldx");
    const TRect other = Grid->CellRect(3, 3);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint(other.Left + 5, other.Top + 5));
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(1, 1), c.Cell);
    EXPECT_EQ(Grid->Col(), c.Col);
    EXPECT_EQ(Grid->InplaceEditor()->Visible(), c.EditorOpen);
    if (c.EditorOpen) {
      EXPECT_EQ(Grid->Row(), 1);
      QTest::keyClick(EditorWidget(), Qt::Key_Escape);
      QApplication::processEvents();
    }
  }
}

TEST_F(EditingGridFixture, RefusedValueKeepsTheOldTextAndReopensAtTheEditedCell) {
  Grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
  Grid->InvalidEntryText = "no";
  ClearEditBalloonRequests();
  Grid->Navigation().EditSelectAll = false;
  Grid->SetCells(1, 1, "old");
  Grid->ShowCellEdit();
  QTest::keyClicks(EditorWidget(), "x");
  ASSERT_EQ(Grid->InplaceEditor()->Text(), "oldx");
  EXPECT_FALSE(Grid->ValidateCell(Grid->InplaceEditor()->Text()));
  EXPECT_EQ(Grid->Cells(1, 1), "old");
  EXPECT_EQ(Grid->Col(), 1);
  EXPECT_TRUE(Grid->InplaceEditor()->Visible());
  ASSERT_EQ(EditBalloonRequests().size(), 1u);
  EXPECT_EQ(EditBalloonRequests()[0].Text, "no");
}

TEST_F(EditingGridFixture, AlwaysEditOpensTheEditorWhenTheGridGainsTheFocus) {
  Grid->Navigation().AlwaysEdit = true;
  FocusOther();
  Grid->SetFocus();
  QApplication::processEvents();
  ASSERT_TRUE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
  // Back from the text editor itself the editor stays closed.
  QTest::keyClick(EditorWidget(), Qt::Key_A);
  Grid->SetFocus();
  QApplication::processEvents();
  EXPECT_FALSE(Grid->InplaceEditor()->Visible());
}

TEST(EditorTypeTable, TextEditorTypesAreTheFilteredOnes) {
  QList<int> text;
  for (const TEditorTypeInfo& row : EditorTypes::Table)
    if (IsTextEditorType(row.Type)) text.append(row.Type);
  EXPECT_EQ(text, (QList<int>{0, 11, 12, 13, 14, 15, 16, 18, 19, 29, 39}));
}
}  // namespace
