#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Screenshot.h"
#include "platform/Timers.h"
#include "platform/internal/LineEditWidget.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// Opens the protected face of the grid to the tests and records its notifications.
class TTestGrid : public TStringGrid {
public:
  explicit TTestGrid(TComponent* AOwner) : TStringGrid(AOwner) {}
  using TCustomGrid::ClampInView;
  using TCustomGrid::FocusCell;
  using TCustomGrid::HideEditor;
  using TCustomGrid::KeyDown;
  using TCustomGrid::KeyPress;
  using TCustomGrid::MoveColRow;
  using TCustomGrid::ShowEditor;
  std::vector<QString> Log;
  bool Veto = false;

protected:
  bool SelectCell(int ACol, int ARow) override {
    Log.push_back(QString("select %1,%2").arg(ACol).arg(ARow));
    return !Veto && TStringGrid::SelectCell(ACol, ARow);
  }
  void ColWidthsChanged() override {
    Log.push_back("widths");
    TStringGrid::ColWidthsChanged();
  }
  void RowHeightsChanged() override {
    Log.push_back("heights");
    TStringGrid::RowHeightsChanged();
  }
  void SizeChanged(int OldColCount, int OldRowCount) override {
    Log.push_back(QString("size %1,%2").arg(OldColCount).arg(OldRowCount));
    TStringGrid::SizeChanged(OldColCount, OldRowCount);
  }
  void TopLeftChanged() override {
    Log.push_back("topleft");
    TStringGrid::TopLeftChanged();
  }
};

class TCountedObject : public TObject {
public:
  explicit TCountedObject(int& deaths) : FDeaths(deaths) {}
  ~TCountedObject() override { ++FDeaths; }

private:
  int& FDeaths;
};

// A grid of 64 x 24 cells with 1-pixel lines and no scroll bars, 300 x 200 pixels.
struct GridFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TTestGrid* Grid = nullptr;
  void SetUp() override {
    Grid = new TTestGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 300, 200);
  }
  void Show() {
    Form->SetClientWidth(320);
    Form->SetClientHeight(220);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  // Shows the editing grid and opens the editor on cell (ACol, ARow).
  TInplaceEdit* OpenEditorAt(int ACol, int ARow) {
    TGridOptions o = Grid->Options();
    o.Include(goEditing);
    Grid->SetOptions(o);
    Show();
    Grid->MoveColRow(ACol, ARow, true, true);
    Grid->SetFocus();
    Grid->ShowEditor();
    return Grid->InplaceEditor();
  }
  void Mouse(UINT msg, int x, int y, WPARAM keys = 0) { Grid->Perform(msg, keys, MakeLParam(x, y)); }
  TPoint Center(int c, int r) const {
    const TRect rc = Grid->CellRect(c, r);
    return TPoint((rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
  }
};

}  // namespace

// ---- cells ----

TEST_F(GridFixture, CellsSurviveResizingAndHiddenColumnsComeBack) {
  Grid->SetCells(4, 4, "corner");
  Grid->SetCells(2, 1, "kept");
  Grid->SetColCount(3);
  EXPECT_EQ(Grid->Cells(2, 1), "kept");
  EXPECT_EQ(Grid->Cells(4, 4), "corner") << "columns beyond ColCount stay stored";
  Grid->SetCells(4, 1, "hidden");
  EXPECT_EQ(Grid->Cells(4, 1), "hidden");
  Grid->SetColCount(5);
  EXPECT_EQ(Grid->Cells(4, 4), "corner");
  EXPECT_EQ(Grid->Cells(4, 1), "hidden");
  Grid->SetRowCount(3);
  Grid->SetRowCount(5);
  EXPECT_EQ(Grid->Cells(4, 4), "") << "rows that left the grid are gone";
}

TEST_F(GridFixture, CellAccessOutsideTheStoreIsHarmless) {
  const TGridCoord outside[] = {{-1, 0}, {0, -1}, {5, 0}, {0, 5}, {100000, 3}, {3, 100000}};
  for (const TGridCoord c : outside) {
    Grid->SetCells(c.X, c.Y, "x");
    Grid->SetObjects(c.X, c.Y, Grid);
    EXPECT_EQ(Grid->Cells(c.X, c.Y), "") << c.X << "," << c.Y;
    EXPECT_EQ(Grid->Objects(c.X, c.Y), nullptr) << c.X << "," << c.Y;
  }
}

TEST_F(GridFixture, ObjectSlotsAreNeverFreedByTheGrid) {
  int deaths = 0;
  auto obj = std::make_unique<TCountedObject>(deaths);
  Grid->SetObjects(1, 1, obj.get());
  EXPECT_EQ(Grid->Objects(1, 1), obj.get());
  Grid->SetObjects(1, 1, nullptr);
  Grid->SetObjects(2, 2, obj.get());
  Grid->SetRowCount(2);
  delete Grid;
  Grid = nullptr;
  EXPECT_EQ(deaths, 0);
}

// ---- dimensions ----

TEST_F(GridFixture, FixedCountsMustStayBelowTheCounts) {
  try {
    Grid->SetFixedRows(5);
    FAIL() << "no exception";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed row count must be less than row count");
  }
  try {
    Grid->SetFixedCols(7);
    FAIL() << "no exception";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed column count must be less than column count");
  }
  EXPECT_EQ(Grid->FixedRows(), 1);
  Grid->SetRowCount(1);
  EXPECT_EQ(Grid->FixedRows(), 0) << "lowering the row count lowers the fixed rows";
  EXPECT_EQ(Grid->Row(), 0);
}

TEST_F(GridFixture, SizeNotificationsFireAtOnce) {
  Grid->Log.clear();
  Grid->SetColWidths(2, 80);
  Grid->SetRowHeights(3, 30);
  Grid->SetColCount(7);
  EXPECT_EQ(Grid->Log, (std::vector<QString>{"widths", "heights", "size 5,5", "widths"}));
  Grid->SetDefaultRowHeight(18);
  for (int r = 0; r < Grid->RowCount(); ++r) EXPECT_EQ(Grid->RowHeights(r), 18);
  EXPECT_EQ(Grid->ColWidths(99), Grid->DefaultColWidth());
  Grid->SetColWidths(99, 5);  // ignored
  EXPECT_EQ(Grid->ColCount(), 7);
}

// ---- geometry ----

TEST_F(GridFixture, CellRectsFollowSizesLinesAndScrolling) {
  Grid->SetRowCount(20);
  Grid->SetColCount(10);
  EXPECT_EQ(Grid->CellRect(0, 0), TRect(0, 0, 64, 24));
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(65, 25, 129, 49));
  EXPECT_EQ(Grid->CellRect(4, 1), TRect(260, 25, 300, 49)) << "clipped to the client area";
  EXPECT_EQ(Grid->CellRect(5, 1), TRect()) << "beyond the client area";
  EXPECT_EQ(Grid->CellRect(-1, 1), TRect());
  EXPECT_EQ(Grid->VisibleColCount(), 3);
  EXPECT_EQ(Grid->VisibleRowCount(), 7);
  Grid->SetTopRow(5);
  Grid->SetLeftCol(3);
  EXPECT_EQ(Grid->CellRect(0, 0), TRect(0, 0, 64, 24)) << "fixed cells stay";
  EXPECT_EQ(Grid->CellRect(0, 5), TRect(0, 25, 64, 49));
  EXPECT_EQ(Grid->CellRect(3, 0), TRect(65, 0, 129, 24));
  EXPECT_EQ(Grid->CellRect(1, 1), TRect()) << "scrolled out of view";
  EXPECT_EQ(Grid->CellRect(2, 7), TRect());
}

TEST_F(GridFixture, MouseCoordFindsTheCellOrMinusOne) {
  struct Case {
    int X, Y;
    TGridCoord Expected;
  };
  const Case cases[] = {
      {0, 0, {0, 0}},   {63, 23, {0, 0}},   {64, 24, {0, 0}},  // the line belongs to the cell before it
      {65, 25, {1, 1}}, {299, 120, {4, 4}}, {299, 130, {-1, -1}}, {-1, 5, {-1, -1}}, {10, 199, {-1, -1}},
  };
  for (const Case& c : cases) EXPECT_EQ(Grid->MouseCoord(c.X, c.Y), c.Expected) << c.X << "," << c.Y;
  int col = 0, row = 0;
  Grid->MouseToCell(310, 10, col, row);
  EXPECT_EQ(col, -1);
  EXPECT_EQ(row, -1);
}

// ---- selection ----

TEST_F(GridFixture, EveryMoveAsksSelectCellAndAVetoStopsIt) {
  Grid->Log.clear();
  Grid->SetCol(3);
  Grid->SetRow(2);
  EXPECT_EQ(Grid->Log, (std::vector<QString>{"select 3,1", "select 3,2"}));
  Grid->Veto = true;
  Grid->SetRow(4);
  EXPECT_EQ(Grid->Row(), 2);
  Grid->Veto = false;
  bool asked = false;
  Grid->OnSelectCell = [&](TObject*, int c, int r, bool& can) {
    asked = true;
    can = r != 4;
  };
  Grid->SetRow(4);
  EXPECT_TRUE(asked);
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_THROW(Grid->SetCol(9), EInvalidGridOperation);
}

TEST_F(GridFixture, WritingTheSelectionDoesNotAsk) {
  Grid->Log.clear();
  Grid->SetSelection(TGridRect{3, 4, 1, 2});
  EXPECT_TRUE(Grid->Log.empty() || Grid->Log == std::vector<QString>{"topleft"});
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 3, 4}));
  EXPECT_EQ(Grid->Anchor(), (TGridCoord{1, 2}));
  EXPECT_EQ(Grid->Col(), 3);
  EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(GridFixture, OptionsSwitchAtRunTimeWithoutLosingState) {
  Grid->SetCells(2, 2, "text");
  Grid->SetSelection(TGridRect{1, 1, 2, 3});
  TGridOptions o = Grid->Options();
  o.Include(goRowSelect);
  Grid->SetOptions(o);
  EXPECT_EQ(Grid->Selection().Right, Grid->ColCount() - 1);
  o.Exclude(goRowSelect);
  o.Include(goEditing);
  Grid->SetOptions(o);
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(Grid->Cells(2, 2), "text");
}

// ---- keyboard ----

TEST_F(GridFixture, DefaultKeysMoveTheCurrentCell) {
  Grid->SetRowCount(30);
  Grid->SetColCount(8);
  struct Case {
    WORD Key;
    TShiftState Shift;
    TGridCoord Start, Expected;
  };
  const int page = Grid->VisibleRowCount();
  const Case cases[] = {
      {VK_DOWN, {}, {2, 2}, {2, 3}},        {VK_UP, {}, {2, 1}, {2, 1}},  // not into the fixed row
      {VK_LEFT, {}, {1, 2}, {1, 2}},        {VK_RIGHT, {}, {7, 2}, {7, 2}},
      {VK_HOME, {}, {5, 2}, {1, 2}},        {VK_END, {}, {2, 2}, {7, 2}},
      {VK_NEXT, {}, {2, 2}, {2, 2 + page}}, {VK_PRIOR, {}, {2, 3}, {2, 1}},
      {VK_HOME, {ssCtrl}, {5, 9}, {1, 1}},  {VK_END, {ssCtrl}, {2, 2}, {7, 29}},
      {VK_TAB, {}, {2, 2}, {2, 2}},  // without goTabs the grid leaves Tab alone
  };
  for (const Case& c : cases) {
    Grid->MoveColRow(c.Start.X, c.Start.Y, true, true);
    WORD key = c.Key;
    Grid->KeyDown(key, c.Shift);
    EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), c.Expected) << "key " << c.Key;
  }
}

TEST_F(GridFixture, TabsWrapAndShiftArrowsExtendTheRange) {
  TGridOptions o = Grid->Options();
  o.Include(goTabs);
  Grid->SetOptions(o);
  Grid->MoveColRow(4, 1, true, true);
  WORD key = VK_TAB;
  Grid->KeyDown(key, {});
  EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{1, 2}));
  key = VK_TAB;
  Grid->KeyDown(key, {ssShift});
  EXPECT_EQ((TGridCoord{Grid->Col(), Grid->Row()}), (TGridCoord{4, 1}));
  Grid->MoveColRow(2, 2, true, true);
  key = VK_DOWN;
  Grid->KeyDown(key, {ssShift});
  key = VK_RIGHT;
  Grid->KeyDown(key, {ssShift});
  EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 3, 3}));
  EXPECT_EQ(Grid->Col(), 2) << "the current cell stays where the range began";
}

TEST_F(GridFixture, KeyDownHandlerMaySwallowTheKey) {
  Grid->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
    if (key == VK_DOWN) key = 0;
  };
  Show();
  Grid->SetFocus();
  QTest::keyClick(Grid->Widget(), Qt::Key_Down);
  EXPECT_EQ(Grid->Row(), 1);
  QTest::keyClick(Grid->Widget(), Qt::Key_Right);
  EXPECT_EQ(Grid->Col(), 2) << "a real key press reaches the grid";
}

// ---- mouse ----

TEST_F(GridFixture, ClickSelectsAndDragExtendsTheRange) {
  Show();
  TPoint a = Center(1, 1), b = Center(3, 2);
  Mouse(WM_LBUTTONDOWN, a.X, a.Y, 1);
  EXPECT_EQ(Grid->GridState(), gsSelecting);
  Mouse(WM_MOUSEMOVE, b.X, b.Y, 1);
  Mouse(WM_LBUTTONUP, b.X, b.Y);
  EXPECT_EQ(Grid->GridState(), gsNormal);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 2}));
  EXPECT_EQ(Grid->Col(), 1);
  const TPoint c = Center(2, 3);
  Mouse(WM_LBUTTONDOWN, c.X, c.Y, 1 | 4);  // with Shift
  Mouse(WM_LBUTTONUP, c.X, c.Y);
  EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 3}));
  Grid->Veto = true;
  const TPoint d = Center(4, 4);
  Mouse(WM_LBUTTONDOWN, d.X, d.Y, 1);
  Mouse(WM_LBUTTONUP, d.X, d.Y);
  EXPECT_EQ(Grid->Col(), 1) << "SelectCell refused the click";
}

TEST_F(GridFixture, DraggingBelowTheCellsScrollsOnTheTimer) {
  TManualClockScope clock;
  Grid->SetRowCount(40);
  Show();
  const TPoint a = Center(1, 2);
  Mouse(WM_LBUTTONDOWN, a.X, a.Y, 1);
  Mouse(WM_MOUSEMOVE, a.X, 250, 1);
  clock.Clock().Advance(GridDragScrollInterval * 3);
  EXPECT_EQ(Grid->TopRow(), 4);
  EXPECT_EQ(Grid->Selection().Bottom, Grid->TopRow() + Grid->VisibleRowCount() - 1);
  Mouse(WM_LBUTTONUP, a.X, 250);
  clock.Clock().Advance(GridDragScrollInterval * 3);
  EXPECT_EQ(Grid->TopRow(), 4) << "the timer stops with the release";
  EXPECT_EQ(clock.Clock().ActiveCount(), 0);
}

TEST_F(GridFixture, FixedBordersSizeColumnsAndRows) {
  TGridOptions o = Grid->Options();
  o.Include(goColSizing);
  o.Include(goRowSizing);
  Grid->SetOptions(o);
  Show();
  Mouse(WM_LBUTTONDOWN, 129, 10, 1);  // right border of column 1 in the fixed row
  EXPECT_EQ(Grid->GridState(), gsColSizing);
  Mouse(WM_MOUSEMOVE, 150, 10, 1);
  Mouse(WM_LBUTTONUP, 150, 10);
  EXPECT_EQ(Grid->ColWidths(1), 85);
  Mouse(WM_LBUTTONDOWN, 10, 49, 1);  // bottom border of row 1 in the fixed column
  EXPECT_EQ(Grid->GridState(), gsRowSizing);
  Mouse(WM_LBUTTONUP, 10, 40);
  EXPECT_EQ(Grid->RowHeights(1), 15);
  Mouse(WM_LBUTTONDOWN, 129 + 21, 60, 1);  // a border below the fixed row does not size
  EXPECT_EQ(Grid->GridState(), gsSelecting);
  Mouse(WM_LBUTTONUP, 129 + 21, 60);
}

TEST_F(GridFixture, FixedCellsMoveColumnsAndDeleteRowMovesToTheEnd) {
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 1, QString::number(c));
  TGridOptions o = Grid->Options();
  o.Include(goColMoving);
  Grid->SetOptions(o);
  std::vector<std::pair<int, int>> moved;
  Grid->OnColumnMoved = [&](TObject*, int f, int t) { moved.emplace_back(f, t); };
  Grid->OnRowMoved = [&](TObject*, int f, int t) { moved.emplace_back(-f, -t); };
  Show();
  const TPoint from = Center(1, 0), to = Center(3, 0);
  Mouse(WM_LBUTTONDOWN, from.X, from.Y, 1);
  EXPECT_EQ(Grid->GridState(), gsColMoving);
  Mouse(WM_MOUSEMOVE, to.X, to.Y, 1);
  Mouse(WM_LBUTTONUP, to.X, to.Y);
  EXPECT_EQ(moved, (std::vector<std::pair<int, int>>{{1, 3}}));
  EXPECT_EQ(Grid->Cells(1, 1), "2");
  EXPECT_EQ(Grid->Cells(3, 1), "1");
  Grid->SetCells(0, 2, "row2");
  Grid->SetCells(0, 4, "row4");
  Grid->DeleteRow(2);
  EXPECT_EQ(moved.back(), (std::pair<int, int>{-2, -4}));
  EXPECT_EQ(Grid->RowCount(), 4);
  EXPECT_EQ(Grid->Cells(0, 3), "row4");
}

TEST_F(GridFixture, WheelMovesTheRowUnlessHandled) {
  Grid->MoveColRow(1, 2, true, true);
  Grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(int16_t(-120))) << 16, 0);
  EXPECT_EQ(Grid->Row(), 3);
  Grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(int16_t(120))) << 16, 0);
  EXPECT_EQ(Grid->Row(), 2);
  Grid->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& handled) { handled = true; };
  Grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(int16_t(-120))) << 16, 0);
  EXPECT_EQ(Grid->Row(), 2);
}

// ---- editor ----

TEST_F(GridFixture, EditorShowsTheCellAndWritesItBack) {
  TGridOptions o = Grid->Options();
  o.Include(goEditing);
  Grid->SetOptions(o);
  Grid->SetCells(2, 2, "before");
  std::vector<QString> written;
  Grid->OnSetEditText = [&](TObject*, int c, int r, const QString& v) {
    written.push_back(QString("%1,%2=%3").arg(c).arg(r).arg(v));
  };
  Show();
  Grid->MoveColRow(2, 2, true, true);
  Grid->ShowEditor();
  ASSERT_TRUE(Grid->EditorMode());
  ASSERT_NE(Grid->InplaceEditor(), nullptr);
  EXPECT_TRUE(Grid->InplaceEditor()->Visible());
  EXPECT_EQ(Grid->InplaceEditor()->Text(), "before");
  EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), Grid->CellRect(2, 2));
  Grid->InplaceEditor()->SetText("after");
  Grid->HideEditor();
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_FALSE(Grid->InplaceEditor()->Visible());
  EXPECT_EQ(Grid->Cells(2, 2), "after");
  EXPECT_EQ(written, std::vector<QString>{"2,2=after"});
}

// The character that opens the editor is typed into it: the editor's key
// handling may change or refuse it, as it does every later character.
TEST_F(GridFixture, TheOpeningCharacterGoesThroughTheEditorsKeyHandling) {
  struct Case {
    Qt::Key Key;
    const char* Shown;
  };
  const Case cases[] = {{Qt::Key_X, "cell"}, {Qt::Key_A, "A"}, {Qt::Key_Backspace, ""}};
  TInplaceEdit* edit = OpenEditorAt(1, 1);
  ASSERT_NE(edit, nullptr);
  edit->OnKeyPress = [](TObject*, QChar& Key) {
    if (Key == QChar('x')) Key = QChar(0);
    Key = Key.toUpper();
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Shown);
    Grid->HideEditor();
    Grid->SetCells(1, 1, "cell");
    Grid->SetFocus();
    QTest::keyClick(Grid->Widget(), c.Key);
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(edit->Text().toStdString(), c.Shown);
  }
}

TEST_F(GridFixture, EditorAppliesTheCellsEditMask) {
  TGridOptions o = Grid->Options();
  o.Include(goEditing);
  Grid->SetOptions(o);
  Grid->OnGetEditMask = [](TObject*, int c, int, QString& mask) { mask = c == 2 ? "00:00;1;_" : ""; };
  Show();
  Grid->MoveColRow(2, 2, true, true);
  Grid->ShowEditor();
  ASSERT_NE(Grid->InplaceEditor(), nullptr);
  EXPECT_EQ(Grid->InplaceEditor()->LineEdit()->inputMask(), "99:99;_");
  Grid->HideEditor();
  Grid->MoveColRow(3, 2, true, true);
  Grid->ShowEditor();
  EXPECT_EQ(Grid->InplaceEditor()->LineEdit()->inputMask(), "");
}

TEST_F(GridFixture, EditorForwardsNavigationKeysToTheGrid) {
  TGridOptions o = Grid->Options();
  o.Include(goEditing);
  Grid->SetOptions(o);
  Grid->SetCells(2, 2, "abc");
  Show();
  Grid->MoveColRow(2, 2, true, true);
  Grid->SetFocus();
  QChar enter(13);
  Grid->KeyPress(enter);  // Enter opens the editor
  ASSERT_TRUE(Grid->EditorMode());
  QLineEdit* line = Grid->InplaceEditor()->LineEdit();
  line->setFocus();
  line->setCursorPosition(1);
  QTest::keyClick(line, Qt::Key_Left);
  EXPECT_EQ(Grid->Col(), 2) << "inside the text Left moves the caret";
  EXPECT_EQ(line->cursorPosition(), 0);
  QTest::keyClick(line, Qt::Key_X);
  QTest::keyClick(line, Qt::Key_Down);
  EXPECT_EQ(Grid->Row(), 3);
  EXPECT_EQ(Grid->Cells(2, 2), "xabc") << "leaving the cell wrote the text";
  EXPECT_FALSE(Grid->EditorMode());
  QTest::keyClick(Grid->Widget(), Qt::Key_Q);  // typing opens the editor with the character
  ASSERT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Grid->InplaceEditor()->Text(), "q");
  QTest::keyClick(Grid->InplaceEditor()->LineEdit(), Qt::Key_Return);
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(Grid->Cells(2, 3), "q");
}

TEST_F(GridFixture, EditorKeepsLineBreaksAndCountsLines) {
  TInplaceEdit* edit = OpenEditorAt(2, 2);
  ASSERT_NE(edit, nullptr);
  edit->SetText("ab");
  edit->SetSelStart(2);
  QTest::keyClick(edit->LineEdit(), Qt::Key_Return, Qt::ControlModifier);
  QTest::keyClicks(edit->LineEdit(), "cd");
  EXPECT_EQ(edit->Text(), "ab\r\ncd");
  EXPECT_EQ(edit->LineCount(), 2);
  EXPECT_EQ(edit->CaretLine(), 1);
  edit->SetSelStart(1);
  EXPECT_EQ(edit->CaretLine(), 0);
  edit->SetText("a\nb\rc");
  EXPECT_EQ(edit->LineCount(), 3);
  // One line, as a password editor is: the breaks go and Ctrl+Enter types none.
  edit->SetMultiLine(false);
  EXPECT_EQ(edit->Text(), "abc");
  edit->SetSelStart(3);
  QTest::keyClick(edit->LineEdit(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "abc");
}

// The editor shows the text's lines from the top of its formatting rectangle;
// a masked or password editor, and any other edit, shows one line.
TEST_F(GridFixture, EditorShowsItsLinesFromTheTop) {
  Grid->SetRowHeights(2, 70);
  Grid->SetColWidths(2, 90);
  TInplaceEdit* edit = OpenEditorAt(2, 2);
  ASSERT_NE(edit, nullptr);
  auto* w = static_cast<TLineEditWidget*>(edit->LineEdit());
  const struct {
    const char* Name;
    std::function<void()> Setup;
    bool Lines;
  } cases[] = {
      {"multi-line", [] {}, true},
      {"right aligned", [edit] { edit->SetAlignment(taRightJustify); }, true},
      {"masked", [edit] { edit->SetEditMask("99;1;_"); }, false},
      {"password", [edit] { edit->SetPasswordChar('*'); }, false},
      {"one line", [edit] { edit->SetMultiLine(false); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    edit->SetEditMask("");
    edit->SetPasswordChar(QChar());
    edit->SetAlignment(taLeftJustify);
    edit->SetMultiLine(true);
    c.Setup();
    edit->SetText("ab\r\ncd");
    EXPECT_EQ(w->ShowsLines(), c.Lines);
    if (!c.Lines) continue;
    EXPECT_EQ(edit->Text(), "ab\r\ncd");
    const QRect first = w->LineRect(0), second = w->LineRect(1);
    EXPECT_LE(first.top(), 3) << "at the top, not in the middle of 70 pixels";
    EXPECT_GE(second.top(), first.bottom());
    EXPECT_LT(second.bottom(), edit->Height() / 2);
    EXPECT_TRUE(w->LineRect(2).isEmpty());
    if (edit->Alignment() == taRightJustify) {
      EXPECT_GT(first.left(), edit->Width() / 2);
    }
    // The character at a point of the second line counts the break.
    EXPECT_EQ(edit->CharFromPos(TPoint(second.left(), second.center().y())), 4);
  }
  TEdit plain(Form.get());
  EXPECT_FALSE(static_cast<TLineEditWidget*>(plain.LineEdit())->ShowsLines());
}

// More lines than the cell holds, or a line longer than it, scroll the caret into view.
TEST_F(GridFixture, EditorKeepsTheCaretInView) {
  TInplaceEdit* edit = OpenEditorAt(2, 2);
  ASSERT_NE(edit, nullptr);
  auto* w = static_cast<TLineEditWidget*>(edit->LineEdit());
  const struct {
    const char* Text;
    int Line;  // the caret's, at the end
  } cases[] = {{"ab\r\ncd\r\nef\r\ngh", 3}, {"a long line that the narrow cell cannot hold", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    edit->SetText(c.Text);
    edit->SetSelStart(edit->Text().length());
    w->repaint();
    EXPECT_EQ(edit->CaretLine(), c.Line);
    const QRect line = w->LineRect(c.Line);
    EXPECT_GE(line.top(), 0);
    EXPECT_LE(line.bottom(), w->height() + 1);
    EXPECT_LE(line.right(), w->width()) << "the line's end shows";
    const QRect caret = w->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    EXPECT_TRUE(line.adjusted(-1, 0, 1, 0).contains(caret)) << "input methods open at the caret";
  }
}

// The editor reports a change to the grid, which sends it back once: one
// keystroke, one OnChange.
TEST_F(GridFixture, EditorChangesComeBackThroughTheGridOnce) {
  TGridOptions o = Grid->Options();
  o.Include(goEditing);
  Grid->SetOptions(o);
  Show();
  Grid->SetEditorMode(true);
  int changes = 0;
  Grid->InplaceEditor()->OnChange = [&changes](TObject*) { ++changes; };
  QTest::keyClick(Grid->InplaceEditor()->LineEdit(), Qt::Key_Z);
  EXPECT_EQ(changes, 1);
}

// ---- scroll bars ----

TEST_F(GridFixture, ScrollBarsMapTheThumbScaleToRows) {
  Grid->SetRowCount(101);
  const int visible = Grid->VisibleRowCount();
  const int maxTop = 101 - visible;
  struct Case {
    int Code, Pos, StartTop, ExpectedTop;
  };
  const Case cases[] = {
      {SB_LINEDOWN, 0, 1, 2},
      {SB_LINEUP, 0, 1, 1},
      {SB_PAGEDOWN, 0, 1, 1 + visible},
      {SB_PAGEUP, 0, 3, 1},
      {SB_THUMBPOSITION, 127, 1, maxTop},
      {SB_THUMBPOSITION, 0, 50, 1},
      {SB_THUMBPOSITION, 64, 1, 1 + (64 * (maxTop - 1) + 63) / 127},
      {SB_BOTTOM, 0, 1, maxTop},
      {SB_TOP, 0, 40, 1},
      {SB_THUMBTRACK, 127, 1, 1},  // without goThumbTracking the drag waits for the release
  };
  for (const Case& c : cases) {
    Grid->SetTopRow(c.StartTop);
    Grid->Perform(WM_VSCROLL, WPARAM(c.Code) | (WPARAM(c.Pos) << 16));
    EXPECT_EQ(Grid->TopRow(), c.ExpectedTop) << "code " << c.Code << " pos " << c.Pos;
  }
  Grid->SetTopRow(maxTop + 5);
  Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(Grid->TopRow(), maxTop);
}

TEST_F(GridFixture, ScrollInformationKeepsRangeAndPageWhileThePositionFollows) {
  Grid->SetScrollBars(ssBoth);
  Show();
  Grid->SetRowCount(300);
  EXPECT_EQ(Grid->GetScrollInfo(SB_VERT), (TScrollInfo{0, GridScrollScale, 0, 0}));
  // A thumb covering about half the track: the highest position stays 127.
  Grid->SetScrollInfo(SB_VERT, TScrollInfo{0, 255, 129, 300}, true);
  EXPECT_EQ(Grid->GetScrollInfo(SB_VERT), (TScrollInfo{0, 255, 129, 127}));
  QScrollBar* bar = nullptr;
  for (QScrollBar* b : Grid->Widget()->findChildren<QScrollBar*>())
    if (b->orientation() == Qt::Vertical) bar = b;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->maximum(), 127);
  EXPECT_EQ(bar->pageStep(), 129);
  Grid->SetTopRow(Grid->FixedRows() + 10);
  Grid->SetTopRow(Grid->FixedRows());
  EXPECT_EQ(Grid->GetScrollInfo(SB_VERT), (TScrollInfo{0, 255, 129, 0}));
  EXPECT_TRUE(Grid->ScrollBarVisible(SB_VERT));
}

TEST_F(GridFixture, DraggingTheThumbReportsTrackPositionAndEnd) {
  struct TScrollLog : TTestGrid {
    using TTestGrid::TTestGrid;
    std::vector<int> Codes;
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_VSCROLL) Codes.push_back(LoWord(LPARAM(Message.WParam)));
      TTestGrid::WndProc(Message);
    }
  };
  auto* grid = new TScrollLog(Form.get());
  grid->SetParent(Form.get());
  grid->SetBounds(0, 0, 300, 200);
  grid->SetRowCount(300);
  Show();
  QScrollBar* bar = nullptr;
  for (QScrollBar* b : grid->Widget()->findChildren<QScrollBar*>())
    if (b->orientation() == Qt::Vertical) bar = b;
  ASSERT_NE(bar, nullptr);
  bar->setSliderDown(true);
  bar->setSliderPosition(100);
  bar->setSliderDown(false);
  EXPECT_EQ(grid->Codes, (std::vector<int>{SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}));
  EXPECT_GT(grid->TopRow(), grid->FixedRows()) << "the release scrolls without goThumbTracking";
  grid->Codes.clear();
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(grid->Codes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
}

TEST_F(GridFixture, BarsAppearWhenThereIsSomethingToScroll) {
  Grid->SetScrollBars(ssBoth);
  // Five columns that fit beside the vertical bar.
  Grid->SetDefaultColWidth(50);
  Show();
  const int fullWidth = Grid->ClientWidth();
  EXPECT_EQ(fullWidth, 300);
  Grid->SetRowCount(50);
  EXPECT_LT(Grid->ClientWidth(), 300) << "the vertical bar takes room";
  EXPECT_EQ(Grid->ClientHeight(), 200);
  Grid->SetTopRow(10);
  const auto bars = Grid->Widget()->findChildren<QScrollBar*>();
  ASSERT_EQ(bars.size(), 2);
  const int range = 50 - Grid->VisibleRowCount() - 1;  // top rows 1 .. 50 - visible
  for (QScrollBar* b : bars) {
    if (b->orientation() != Qt::Vertical) continue;
    EXPECT_EQ(b->value(), (9 * 127 + range / 2) / range);
  }
  Grid->SetRowCount(3);
  EXPECT_EQ(Grid->ClientWidth(), 300);
  EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(GridFixture, BarsAreShownOnlyWhenTheCellsDoNotFitWhateverBarsWereUpBefore) {
  // Three columns of 56 and four rows of 20 with 1-pixel lines: 171 x 84 pixels of cells.
  Grid->SetScrollBars(ssBoth);
  Grid->SetColCount(3);
  Grid->SetRowCount(4);
  Grid->SetDefaultColWidth(56);
  Grid->SetDefaultRowHeight(20);
  Show();
  const auto bars = Grid->Widget()->findChildren<QScrollBar*>();
  ASSERT_EQ(bars.size(), 2);
  const int vw = bars[0]->orientation() == Qt::Vertical ? bars[0]->sizeHint().width() : bars[1]->sizeHint().width();
  const int hh = bars[0]->orientation() == Qt::Horizontal ? bars[0]->sizeHint().height() : bars[1]->sizeHint().height();
  struct Case {
    const char* Name;
    int Width, Height;
    bool Horz, Vert;
  };
  const Case cases[] = {
      {"room to spare", 176, 86, false, false},
      {"an exact fit", 171, 84, false, false},
      {"a column short; the horizontal bar then takes the rows' room", 170, 86, true, true},
      {"a row short; the vertical bar then takes the columns' room", 176, 83, true, true},
      {"a row short, columns fit beside the vertical bar", 171 + vw, 83, false, true},
      {"a column short, rows fit above the horizontal bar", 170, 84 + hh, true, false},
      {"far too small", 100, 50, true, true},
  };
  // From a grid that shows both bars and from one that shows none the same bars result.
  for (const Case& c : cases) {
    for (const TPoint from : {TPoint(100, 50), TPoint(300, 200)}) {
      Grid->SetBounds(0, 0, from.X, from.Y);
      Grid->SetBounds(0, 0, c.Width, c.Height);
      EXPECT_EQ(Grid->ScrollBarVisible(SB_HORZ), c.Horz) << c.Name << " from " << from.X;
      EXPECT_EQ(Grid->ScrollBarVisible(SB_VERT), c.Vert) << c.Name << " from " << from.X;
      EXPECT_EQ(Grid->ClientWidth(), c.Width - (c.Vert ? vw : 0)) << c.Name;
      EXPECT_EQ(Grid->ClientHeight(), c.Height - (c.Horz ? hh : 0)) << c.Name;
    }
  }
  // Cells that shrink back into the window take the bars away as well.
  Grid->SetBounds(0, 0, 176, 86);
  Grid->SetColWidths(2, 80);
  ASSERT_TRUE(Grid->ScrollBarVisible(SB_HORZ));
  Grid->SetColWidths(2, 56);
  EXPECT_FALSE(Grid->ScrollBarVisible(SB_HORZ));
  EXPECT_FALSE(Grid->ScrollBarVisible(SB_VERT));
}

TEST_F(GridFixture, ALastColumnThatShowsOnlyInPartCanBeScrolledTo) {
  Grid->SetScrollBars(ssBoth);
  Show();
  Grid->SetFixedCols(0);
  Grid->SetColCount(2);
  Grid->SetColWidths(0, 200);
  Grid->SetColWidths(1, 200);
  EXPECT_TRUE(Grid->ScrollBarVisible(SB_HORZ));
  Grid->SetLeftCol(1);
  EXPECT_EQ(Grid->LeftCol(), 1);
  Grid->SetColWidths(0, 100);
  Grid->SetColWidths(1, 150);
  EXPECT_FALSE(Grid->ScrollBarVisible(SB_HORZ));
  EXPECT_EQ(Grid->LeftCol(), 0);
}

TEST_F(GridFixture, ABarHiddenOrDisabledByCodeStaysSoUntilTheRangeDecidesAgain) {
  Grid->SetScrollBars(ssBoth);
  Show();
  Grid->SetColCount(20);
  ASSERT_TRUE(Grid->ScrollBarVisible(SB_HORZ));
  const int withBar = Grid->ClientHeight();
  Grid->ShowScrollBar(SB_HORZ, false);
  EXPECT_FALSE(Grid->ScrollBarVisible(SB_HORZ));
  EXPECT_GT(Grid->ClientHeight(), withBar) << "the room of the bar goes to the cells";
  // Nothing to scroll vertically, yet the bar can be put up (and disabled).
  Grid->ShowScrollBar(SB_VERT, true);
  Grid->EnableScrollBar(SB_VERT, false);
  EXPECT_TRUE(Grid->ScrollBarVisible(SB_VERT));
  EXPECT_FALSE(Grid->ScrollBarEnabled(SB_VERT));
  EXPECT_LT(Grid->ClientWidth(), 300);
  Grid->SetColCount(21);
  EXPECT_TRUE(Grid->ScrollBarVisible(SB_HORZ));
  EXPECT_FALSE(Grid->ScrollBarVisible(SB_VERT));
  EXPECT_FALSE(Grid->ScrollBarEnabled(SB_VERT)) << "enabling is the caller's";
}

// ---- painting ----

TEST_F(GridFixture, PaintsEveryVisibleCellWithItsState) {
  std::map<std::pair<int, int>, TGridDrawState> painted;
  Grid->OnDrawCell = [&](TObject*, int c, int r, TRect, TGridDrawState s) { painted[{c, r}] = s; };
  Grid->SetSelection(TGridRect{1, 1, 2, 2});
  Show();
  Grid->Repaint();
  EXPECT_EQ(painted.size(), size_t(5 * 5));
  auto state = [&](int c, int r) { return painted[std::make_pair(c, r)]; };
  EXPECT_TRUE(state(0, 3).Contains(gdFixed));
  EXPECT_TRUE(state(1, 1).Contains(gdSelected));
  EXPECT_FALSE(state(3, 3).Contains(gdSelected));
  EXPECT_FALSE(state(0, 1).Contains(gdSelected));
}

TEST_F(GridFixture, ScreenshotOfAFiveByFiveGrid) {
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString("Col %1").arg(c));
  for (int r = 1; r < 5; ++r) {
    Grid->SetCells(0, r, QString("Row %1").arg(r));
    for (int c = 1; c < 5; ++c) Grid->SetCells(c, r, QString("%1.%2").arg(r).arg(c));
  }
  Grid->SetBounds(0, 0, 5 * 65 + 2, 5 * 25 + 2);
  Grid->SetSelection(TGridRect{1, 1, 3, 2});
  Show();
  const QString path = QDir::temp().filePath("quillore-grid-5x5.png");
  ASSERT_TRUE(SaveWidgetScreenshot(Grid->Widget(), path));
  QImage shot(path);
  ASSERT_FALSE(shot.isNull());
  const TRect fixed = Grid->CellRect(0, 2), selected = Grid->CellRect(2, 2), plain = Grid->CellRect(4, 4);
  auto px = [&](const TRect& r) { return shot.pixelColor(r.Right - 3, r.Bottom - 3); };
  EXPECT_EQ(px(fixed), ToQColor(clBtnFace));
  EXPECT_EQ(px(selected), ToQColor(clHighlight));
  EXPECT_EQ(px(plain), ToQColor(clWindow));
}
