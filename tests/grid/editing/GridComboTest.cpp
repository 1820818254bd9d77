// The combo editor in its grid: what each key does with the list open or
// closed, the wheel, lookup completion and a list combo on a cell whose text
// is no item.
#include "grid/editing/GridCombo.h"

#include "EditingGridFixture.h"
#include "platform/Screenshot.h"

#include <QCursor>
#include <QWheelEvent>

#include <cstdlib>

namespace {

struct GridComboTest : EditingGridFixture {
  TGridCombo* Combo = nullptr;
  void SetUp() override {
    EditingGridFixture::SetUp();
    Combo = Grid->ComboEditor();
    for (const char* item : {"A", "B", "C"}) Grid->AddComboString(item);
  }
  void Open(TEditorType Type, int ACol, int ARow, const QString& Text) {
    Grid->SetCells(ACol, ARow, Text);
    Grid->DefaultEditor = Type;
    Grid->SetCol(ACol);
    Grid->SetRow(ARow);
    // The grid takes the cell's text as the old one when it gains the focus.
    FocusOther();
    Grid->SetFocus();
    QApplication::processEvents();
    Grid->ShowCellEdit();
    ASSERT_TRUE(Combo->Visible());
  }
  // A key down as the combo's window gets it (the platform's open list keeps the keys to itself).
  void KeyDownInCombo(WORD Key) { Combo->Perform(WM_KEYDOWN, Key); }
  void Wheel(int Delta) {
    const QPointF at(5, 5);
    QWheelEvent e(at, Combo->Widget()->mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(Combo->Widget(), &e);
  }
};

enum class TValidator { None, Accepts, Refuses };

struct TKeyCase {
  const char* Name;
  TEditorType Type;
  bool ListOpen;
  Qt::Key Key;
  bool GetUpDown;
  bool Tabs;
  TValidator Validator;
  // Outcome
  bool StaysOpen;
  const char* Cell;
  int Col, Row;
};

constexpr bool Open = true, Closed = false;

const TKeyCase KeyCases[] = {
    // list combo, list closed
    {"list Enter commits", edComboList, Closed, Qt::Key_Return, true, false, TValidator::None, false, "B", 2, 2},
    {"list Escape cancels", edComboList, Closed, Qt::Key_Escape, true, false, TValidator::None, false, "B", 2, 2},
    {"list Tab without goTabs leaves in place", edComboList, Closed, Qt::Key_Tab, true, false, TValidator::None, false,
     "B", 2, 2},
    {"list Tab with goTabs moves on", edComboList, Closed, Qt::Key_Tab, true, true, TValidator::None, false, "B", 3, 2},
    {"list Down steps the item", edComboList, Closed, Qt::Key_Down, true, false, TValidator::None, true, "B", 2, 2},
    {"list Down leaves the editor", edComboList, Closed, Qt::Key_Down, false, false, TValidator::None, false, "B", 2,
     3},
    {"list Up leaves the editor", edComboList, Closed, Qt::Key_Up, false, false, TValidator::None, false, "B", 2, 1},
    {"list Left to the grid", edComboList, Closed, Qt::Key_Left, true, false, TValidator::None, false, "B", 1, 2},
    {"list PageDown to the base", edComboList, Closed, Qt::Key_PageDown, true, false, TValidator::None, true, "B", 2,
     2},
    // editable combo, list closed
    {"edit Enter commits", edComboEdit, Closed, Qt::Key_Return, true, false, TValidator::None, false, "Bx", 2, 2},
    {"edit Escape cancels", edComboEdit, Closed, Qt::Key_Escape, true, false, TValidator::None, false, "B", 2, 2},
    {"edit Down commits and moves", edComboEdit, Closed, Qt::Key_Down, true, false, TValidator::None, false, "Bx", 2,
     3},
    {"edit Down without GetUpDown", edComboEdit, Closed, Qt::Key_Down, false, false, TValidator::None, false, "Bx", 2,
     3},
    {"edit PageDown leaves", edComboEdit, Closed, Qt::Key_PageDown, true, false, TValidator::None, false, "Bx", 2, 2},
    {"edit End to the base", edComboEdit, Closed, Qt::Key_End, true, false, TValidator::None, true, "B", 2, 2},
    {"edit Left to the base", edComboEdit, Closed, Qt::Key_Left, true, false, TValidator::None, true, "B", 2, 2},
    {"edit Tab with goTabs", edComboEdit, Closed, Qt::Key_Tab, true, true, TValidator::None, false, "Bx", 3, 2},
    {"edit Tab with a validator", edComboEdit, Closed, Qt::Key_Tab, true, false, TValidator::Accepts, false, "Bx", 2,
     2},
    // list open
    {"open Enter commits", edComboEdit, Open, Qt::Key_Return, true, false, TValidator::None, false, "Bx", 2, 2},
    {"open Left hides and goes to the grid", edComboEdit, Open, Qt::Key_Left, true, false, TValidator::None, false,
     "Bx", 1, 2},
    {"open Down to the list", edComboEdit, Open, Qt::Key_Down, false, false, TValidator::None, true, "B", 2, 2},
    // refused values keep the editor
    {"refused Enter", edComboEdit, Closed, Qt::Key_Return, true, false, TValidator::Refuses, true, "B", 2, 2},
    {"refused Down", edComboEdit, Closed, Qt::Key_Down, true, false, TValidator::Refuses, true, "B", 2, 2},
    {"refused Tab", edComboEdit, Closed, Qt::Key_Tab, true, false, TValidator::Refuses, true, "B", 2, 2},
    {"refused Tab with goTabs", edComboList, Closed, Qt::Key_Tab, true, true, TValidator::Refuses, true, "B", 2, 2},
};

WORD VirtualKey(Qt::Key Key) {
  switch (Key) {
    case Qt::Key_Return: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Tab: return VK_TAB;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Left: return VK_LEFT;
    default: return VK_RIGHT;
  }
}

}  // namespace

TEST_F(GridComboTest, KeysByOptions) {
  // The outcome of the key alone: no editor opened again on the cell moved to.
  Grid->Navigation().AdvanceAutoEdit = false;
  for (const TKeyCase& c : KeyCases) {
    SCOPED_TRACE(c.Name);
    Grid->Navigation().ComboGetUpDown = c.GetUpDown;
    TGridOptions options = Grid->Options();
    if (c.Tabs)
      options.Include(goTabs);
    else
      options.Exclude(goTabs);
    Grid->SetOptions(options);
    Grid->AlwaysValidate = c.Validator == TValidator::Refuses;
    Grid->OnCellValidate = nullptr;
    if (c.Validator != TValidator::None) {
      const bool accept = c.Validator == TValidator::Accepts;
      Grid->OnCellValidate = [accept](TObject*, int, int, QString&, bool& valid) { valid = accept; };
    }
    Grid->NoAutoAdvance = false;
    Open(c.Type, 2, 2, "B");
    if (c.Type == edComboEdit) {
      Combo->SetText("Bx");
      QApplication::processEvents();
    }
    if (c.ListOpen) {
      Combo->SetDroppedDown(true);
      QApplication::processEvents();
      KeyDownInCombo(VirtualKey(c.Key));
    } else {
      QTest::keyPress(Combo->Widget(), c.Key);
    }
    // A refused key tells the grid not to advance until the key comes up.
    EXPECT_EQ(Grid->NoAutoAdvance, c.Validator == TValidator::Refuses);
    if (!c.ListOpen) QTest::keyRelease(Combo->Widget(), c.Key);
    QApplication::processEvents();
    EXPECT_EQ(Grid->EditMode(), c.StaysOpen);
    EXPECT_EQ(Combo->Visible(), c.StaysOpen);
    EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
    EXPECT_EQ(Grid->Col(), c.Col);
    EXPECT_EQ(Grid->Row(), c.Row);
    EXPECT_FALSE(Grid->NoAutoAdvance);
    Combo->SetDroppedDown(false);
    Grid->HideInplaceEdit();
    QApplication::processEvents();
  }
}

TEST_F(GridComboTest, UpDownInAListComboStepTheItemOnlyWithComboGetUpDown) {
  QStringList changes;
  Grid->OnComboChange = [&](TObject*, int c, int r, int i, const QString& s) {
    changes.append(QString("%1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s));
  };
  Grid->Navigation().ComboGetUpDown = true;
  Open(edComboList, 1, 1, "A");
  QTest::keyClick(Combo->Widget(), Qt::Key_Down);
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(changes, QStringList{"1,1 1 B"});
  QTest::keyClick(Combo->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(1, 1), "B");
  Grid->Navigation().ComboGetUpDown = false;
  Open(edComboList, 1, 1, "A");
  QTest::keyClick(Combo->Widget(), Qt::Key_Down);
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_EQ(Grid->Cells(1, 1), "A");
}

TEST_F(GridComboTest, WheelStepsTheItemAndReportsTheRealColumn) {
  QStringList log;
  Grid->OnComboChange = [&](TObject*, int c, int r, int i, const QString& s) {
    log.append(QString("combo %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s));
  };
  Grid->OnComboObjectChange = [&](TObject*, int c, int, int i, const QString&, TObject*) {
    log.append(QString("object %1 %2").arg(c).arg(i));
  };
  Grid->OnEditChange = [&](TObject*, int c, int, const QString& v) { log.append(QString("edit %1 %2").arg(c).arg(v)); };
  Grid->HideColumn(1);
  Grid->SetCells(3, 1, "A");
  Open(edComboList, 2, 1, "A");  // displayed column 2 holds real column 3
  ASSERT_EQ(Grid->RealColIndex(2), 3);
  log.clear();
  Wheel(-120);
  Wheel(-120);
  Wheel(-120);  // stays on the last item
  Wheel(120);
  EXPECT_EQ(Combo->ItemIndex(), 1);
  EXPECT_EQ(log.size(), 12);
  EXPECT_EQ(log.mid(0, 3), (QStringList{"edit 3 B", "combo 3,1 1 B", "object 3 1"}));
  EXPECT_EQ(log.mid(9, 3), (QStringList{"edit 3 B", "combo 3,1 1 B", "object 3 1"}));
  EXPECT_EQ(Grid->Row(), 1) << "the wheel stays with the combo";
}

TEST_F(GridComboTest, LookupCompletesFromTheItemsFirstThenFromTheLookupList) {
  Grid->ClearComboString();
  Grid->AddComboString("Modbus");
  Grid->AddComboString("Bacnet");
  Grid->LookupItems().Add("Mqtt");
  Grid->Lookup = true;
  struct {
    const char* Typed;
    const char* Text;
  } cases[] = {{"mo", "moDBUS"}, {"ba", "baCNET"}, {"mq", "mqTT"}, {"x", "x"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed);
    Open(edComboEdit, 1, 1, "");
    QTest::keyClicks(Combo->Widget(), c.Typed);
    // The completed tail is selected; the typed start keeps its case.
    EXPECT_EQ(Combo->Text().left(2) + Combo->Text().mid(2).toUpper(), c.Text);
    EXPECT_EQ(Combo->SelStart(), QString(c.Typed).length());
    EXPECT_EQ(Combo->SelLength(), QString(c.Text).length() - QString(c.Typed).length());
    Grid->HideInplaceEdit();
  }
}

TEST_F(GridComboTest, ListComboOnACellThatIsNoItem) {
  QStringList log;
  Grid->OnComboChange = [&](TObject*, int, int, int i, const QString& s) {
    log.append(QString("change %1 %2").arg(i).arg(s));
  };
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    SCOPED_TRACE(key);
    log.clear();
    Open(edComboList, 1, 1, "X");
    EXPECT_EQ(Combo->ItemIndex(), 0);
    EXPECT_EQ(log, QStringList{"change 0 A"});
    QTest::keyClick(Combo->Widget(), key);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(1, 1), key == Qt::Key_Escape ? "X" : "A");
  }
}

TEST_F(GridComboTest, EscapeInAComboWhoseListLacksTheTextKeepsTheText) {
  Open(edComboEdit, 1, 1, "free");
  QTest::keyClicks(Combo->Widget(), "x");
  QTest::keyClick(Combo->Widget(), Qt::Key_Escape);
  EXPECT_EQ(Grid->Cells(1, 1), "free");
}

TEST_F(GridComboTest, FocusLossCommitsAndLookupHistoryKeepsTheText) {
  Grid->LookupHistory = true;
  Open(edComboEdit, 1, 1, "");
  QTest::keyClicks(Combo->Widget(), "Z1");
  FocusOther();
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(1, 1), "Z1");
  EXPECT_EQ(Combo->Items().IndexOf("Z1"), 3);
}

TEST_F(GridComboTest, KeyPressReachesTheGridAndEnterTheReturnKeyEvent) {
  QString pressed;
  int returns = 0;
  Grid->OnKeyPress = [&](TObject* Sender, QChar& Key) {
    if (Sender == Combo) pressed += Key;
  };
  Combo->OnReturnKey = [&](TObject*) { ++returns; };
  Open(edComboEdit, 1, 1, "");
  QTest::keyClicks(Combo->Widget(), "ab");
  EXPECT_EQ(Combo->Text(), "ab");
  QTest::keyClick(Combo->Widget(), Qt::Key_Return);
  EXPECT_EQ(pressed, QString("ab") + QChar(13));
  EXPECT_EQ(returns, 1);
}

TEST_F(GridComboTest, DropWidthFollowsTheWidestItem) {
  Grid->ClearComboString();
  Grid->AddComboString(QString(60, 'W'));
  Open(edComboList, 1, 1, "");
  const int text = Grid->Canvas().TextWidth(QString(60, 'W'));
  Combo->SizeDropDownWidth();
  EXPECT_EQ(Combo->DroppedWidth(), text + 8);
  for (int i = 0; i < 10; ++i) Grid->AddComboString(QString::number(i));
  Combo->SizeDropDownWidth();
  EXPECT_EQ(Combo->DroppedWidth(), text + 25) << "a scrolling list keeps room for its bar";
}

TEST_F(GridComboTest, Screenshot) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString("Col %1").arg(c));
  Open(edComboEdit, 2, 2, "B");
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid-combo.png");
}

TEST_F(GridComboTest, AClickThatOpensTheEditableComboPutsTheCaretUnderThePointer) {
  Grid->Navigation().EditSelectAll = false;
  Grid->DefaultEditor = edComboEdit;
  ClickToOpen(2, 2, "ABCDEFGH");
  ASSERT_TRUE(Combo->Visible());
  const int expected = Combo->EditCharFromPos(PointerIn(*Combo));
  EXPECT_GT(expected, 0);
  EXPECT_LT(expected, 8);
  EXPECT_EQ(Combo->SelStart(), expected);
  EXPECT_EQ(Combo->SelLength(), 0);
}
