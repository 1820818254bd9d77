// A column grid set up the way the table editors set theirs up, on a shown
// form, driven by the mouse.
#include "grid/editing/PlexColumnGrid.h"

#include "EditorFormFixture.h"
#include "grid/editing/EditLink.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridSpin.h"
#include "platform/Menus.h"
#include "platform/Screenshot.h"

#include <QDir>
#include <QImage>

#include <cstdlib>

namespace {

// The column layout of a typical table: a text, a check box, a list, an
// editable list and a read-only column after the fixed column.
struct TColumnSetUp {
  const char* Header;
  int Width;
  TEditorType Editor;
  const char* ComboItems;
  bool ReadOnly;
  int EditLength;
};
constexpr TColumnSetUp TableColumns[] = {
    {"", 40, edNormal, "", false, 0},
    {"Name", 90, edNormal, "", false, 15},
    {"Active", 50, edDataCheckBox, "", false, 0},
    {"Mode", 70, edComboList, "Off,Slow,Fast", false, 0},
    {"Unit", 60, edComboEdit, "ms,s", false, 0},
    {"Id", 40, edNormal, "", true, 0},
};
constexpr int TableCols = int(std::size(TableColumns));

struct ColumnGridForm : EditorFormFixture {
  TPlexColumnGrid* Grid = nullptr;
  void SetUp() override {
    Grid = Make<TPlexColumnGrid>(0, 0, 380, 150);
    Grid->SetColCount(TableCols);
    Grid->SetRowCount(5);
    TGridOptions options = Grid->Options();
    options.Include(goEditing);
    options.Include(goColSizing);
    Grid->SetOptions(options);
    for (int c = 0; c < TableCols; ++c) {
      const TColumnSetUp& s = TableColumns[c];
      TGridColumnItem* d = Grid->Columns()[c];
      d->SetHeader(s.Header);
      d->SetWidth(s.Width);
      d->SetEditor(s.Editor);
      d->ComboItems().SetCommaText(s.ComboItems);
      d->ReadOnly = s.ReadOnly;
      d->EditLength = s.EditLength;
      d->Font().SetName("Tahoma");
      d->HeaderFont().SetStyle(TFontStyles{fsBold});
    }
    Grid->Columns()[2]->SetColor(0xA8FFA8);
    Grid->SetFixedColWidth(40);
    Grid->SetFixedRowHeight(22);
    const char* rows[][TableCols] = {{"1", "Pump", "Y", "Slow", "ms", "17"}, {"2", "Valve", "N", "Off", "s", "18"}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < TableCols; ++c) Grid->SetCells(c, r + 1, rows[r][c]);
  }
  TPoint CellCenter(int c, int r) const {
    const TRect rect = Grid->CellRect(c, r);
    return TPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
  }
};

TEST_F(ColumnGridForm, DefinitionsDriveTheHooks) {
  EXPECT_EQ(Grid->Columns().Count(), TableCols);
  EXPECT_EQ(Grid->ColWidths(0), 40);
  EXPECT_EQ(Grid->RowHeights(0), 22);
  EXPECT_EQ(Grid->GetCellType(2, 1), ctDataCheckBox);
  for (int c : {3, 4}) EXPECT_TRUE(Grid->DoHasComboBox(c, 1)) << c;
  EXPECT_FALSE(Grid->CanEditCellNow(5, 1));
  EXPECT_TRUE(Grid->CanEditCellNow(1, 1));
  Grid->OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = "1"; };
  QString check;
  Grid->DoGetCheckTrue(2, 1, check);
  EXPECT_EQ(check, "Y");
}

TEST_F(ColumnGridForm, DraggingAHeaderMovesItsDefinition) {
  Grid->SetColCount(7);
  for (int c = 0; c < 7; ++c) Grid->Columns()[c]->SetWidth(c == 0 ? 40 : 45);
  TGridOptions options = Grid->Options();
  options.Include(goColMoving);
  Grid->SetOptions(options);
  ShowForm(420, 200);
  std::vector<std::pair<int, int>> moves;
  Grid->OnAfterColumnMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };
  TGridColumnItem* active = Grid->Columns()[2];
  const TPoint from = CellCenter(2, 0), to = CellCenter(5, 0);
  QWidget* w = Grid->Widget();
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(from.X, from.Y));
  QTest::mouseMove(w, QPoint(to.X, to.Y));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(to.X, to.Y));
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 5}}));
  EXPECT_EQ(Grid->Columns()[5], active);
  EXPECT_EQ(Grid->Cells(5, 0), "Active");
  EXPECT_EQ(Grid->Cells(5, 1), "Y");
  EXPECT_EQ(Grid->GetCellType(5, 1), ctDataCheckBox);
}

TEST_F(ColumnGridForm, UserResizeIsReadBackAsTheWidth) {
  ShowForm(420, 200);
  const TRect header = Grid->CellRect(1, 0);
  QWidget* w = Grid->Widget();
  const int y = (header.Top + header.Bottom) / 2;
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(header.Right - 1, y));
  QTest::mouseMove(w, QPoint(header.Right + 29, y));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(header.Right + 29, y));
  EXPECT_EQ(Grid->ColWidths(1), 120);
  EXPECT_EQ(Grid->Columns()[1]->Width(), 120);
  EXPECT_EQ(Grid->Columns()[1]->StoredWidth(), 120);
}

// The end of a sizing by mouse asks the column's limits.
TEST_F(ColumnGridForm, MaxSizeCapsAUserResize) {
  ShowForm(420, 200);
  Grid->Columns()[1]->MaxSize = 15;
  const TRect header = Grid->CellRect(1, 0);
  QWidget* w = Grid->Widget();
  const int y = (header.Top + header.Bottom) / 2;
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(header.Right - 1, y));
  QTest::mouseMove(w, QPoint(header.Right + 29, y));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(header.Right + 29, y));
  EXPECT_EQ(Grid->ColWidths(1), 15);
  EXPECT_EQ(Grid->Columns()[1]->Width(), 15);
}

// A menu that notes where it would pop up instead of showing itself.
struct TRecordingMenu : TPopupMenu {
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override { Shown.push_back(TPoint(X, Y)); }
  std::vector<TPoint> Shown;
};

TEST_F(ColumnGridForm, ColumnPopupsByTypeButtonAndRow) {
  ShowForm(420, 200);
  auto* menu = new TRecordingMenu(Form.get());
  TGridColumnItem* d = Grid->Columns()[3];
  d->ColumnPopup = menu;
  int events = 0;
  Grid->OnColumnPopup = [&](TObject*, int c, int r, TPopupMenu*& m) {
    ++events;
    EXPECT_EQ(c, 3);
    EXPECT_EQ(m, menu);
  };
  struct Case {
    TColumnPopupType Type;
    Qt::MouseButton Button;
    int Row;
    bool Event, Shown;
  };
  const Case cases[] = {
      {cpFixedCellsRClick, Qt::RightButton, 0, true, true},  {cpFixedCellsRClick, Qt::RightButton, 1, true, false},
      {cpFixedCellsRClick, Qt::LeftButton, 0, false, false}, {cpNormalCellsLClick, Qt::LeftButton, 1, true, true},
      {cpNormalCellsLClick, Qt::LeftButton, 0, true, false}, {cpAllCellsLClick, Qt::LeftButton, 0, true, true},
      {cpAllCellsRClick, Qt::RightButton, 2, true, true},    {cpNormalCellsRClick, Qt::LeftButton, 1, false, false},
  };
  for (const Case& c : cases) {
    d->ColumnPopupType = c.Type;
    events = 0;
    menu->Shown.clear();
    const TPoint at = CellCenter(3, c.Row);
    QTest::mouseClick(Grid->Widget(), c.Button, Qt::NoModifier, QPoint(at.X, at.Y));
    EXPECT_EQ(events, c.Event ? 1 : 0) << c.Type << " row " << c.Row;
    ASSERT_EQ(menu->Shown.size(), c.Shown ? 1u : 0u) << c.Type << " row " << c.Row;
    if (!c.Shown) continue;
    const TRect cell = Grid->CellRect(3, c.Row);
    EXPECT_EQ(menu->Shown[0], Grid->ClientToScreen(TPoint(cell.Left, cell.Bottom)));
  }
}

// The table as a user sees it: checked and unchecked boxes, combo buttons.
TEST_F(ColumnGridForm, Screenshot) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  Grid->ControlLook().SetDropDownAlwaysVisible(true);
  ShowForm(400, 170);
  const QString path = QDir(shots).filePath("column-grid-form.png");
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  EXPECT_FALSE(QImage(path).isNull());
}

// ---- the user's road through the editor life

TEST_F(ColumnGridForm, TypingCommitsAndAnnouncesTheEdit) {
  ShowForm(420, 200);
  std::vector<std::pair<int, int>> done;
  Grid->OnEditCellDone = [&](TObject*, int c, int r) { done.push_back({c, r}); };
  Grid->SetCol(1);
  Grid->SetRow(3);
  QWidget* w = Grid->Widget();
  QTest::keyClick(w, Qt::Key_F2);
  QTest::keyClicks(QApplication::focusWidget(), "Pump station north 7");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(1, 3), "Pump station no") << "EditLength 15 of the column";
  EXPECT_EQ(done, (std::vector<std::pair<int, int>>{{1, 3}}));
}

TEST_F(ColumnGridForm, TheOpenEditorKeepsTheColumnsLengthWhenTheGridsLimitIsWritten) {
  const struct {
    int ColumnLength;
    const char* Expected;
  } cases[] = {
      {15, "Pump station no"}, {0, "Pump station north 7"},  // the column sets no limit, and the grid's does not apply
  };
  ShowForm(420, 200);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ColumnLength);
    Grid->Columns()[1]->EditLength = c.ColumnLength;
    Grid->SetCells(1, 3, "");
    Grid->SetCol(1);
    Grid->SetRow(3);
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), "Pump");
    Grid->SetMaxEditLength(4);
    QTest::keyClicks(QApplication::focusWidget(), " station north 7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(1, 3), c.Expected);
    Grid->SetMaxEditLength(0);
  }
}

TEST_F(ColumnGridForm, F2OpensTheColumnsList) {
  ShowForm(420, 200);
  Grid->SetCol(3);
  Grid->SetRow(1);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  ASSERT_NE(Grid->ComboEditor(), nullptr);
  EXPECT_EQ(Grid->ComboEditor()->Items().CommaText(), "Off,Slow,Fast");
  EXPECT_EQ(Grid->ComboEditor()->DropDownCount(), 8);
  EXPECT_TRUE(Grid->ComboEditor()->Visible());
}

// The opened editor carries its column's settings: each list its own count.
TEST_F(ColumnGridForm, ListsOpenWithTheirColumnsDropDownCount) {
  Grid->Columns()[3]->DropDownCount = 3;
  ShowForm(420, 200);
  const struct { int Col, Count; } cases[] = {{3, 3}, {4, 8}, {3, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Col);
    if (Grid->EditMode()) Grid->HideCellEdit();
    Grid->SetCol(c.Col);
    Grid->SetRow(1);
    Grid->SetFocus();
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Grid->ComboEditor()->Visible());
    EXPECT_EQ(Grid->ComboEditor()->DropDownCount(), c.Count);
    QTest::keyClick(Grid->ComboEditor()->Widget(), Qt::Key_Escape);
    QApplication::processEvents();
  }
}

// A spin column steps by its SpinStep within SpinMin and SpinMax.
TEST_F(ColumnGridForm, SpinColumnStepsWithinItsLimits) {
  TGridColumnItem* d = Grid->Columns()[1];
  d->SetEditor(edSpinEdit);
  d->SpinMin = 0;
  d->SpinMax = 10;
  d->SpinStep = 5;
  ShowForm(420, 200);
  Grid->SetCells(1, 1, "3");
  Grid->SetCol(1);
  Grid->SetRow(1);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  TGridSpin* spin = Grid->SpinEdit();
  ASSERT_TRUE(spin->Visible());
  EXPECT_EQ(spin->MinValue, 0);
  EXPECT_EQ(spin->MaxValue, 10);
  EXPECT_EQ(spin->Increment, 5);
  const TPsgSpinButton* pair = spin->Button();
  const QPoint up = pair->UpButton()->Widget()->rect().center();
  for (const char* expected : {"8", "10"}) {
    QTest::mouseClick(pair->UpButton()->Widget(), Qt::LeftButton, {}, up);
    QApplication::processEvents();
    EXPECT_EQ(spin->Text().toStdString(), expected);
  }
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/column-grid-spin.png");
  QTest::keyClick(spin->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(1, 1), "10");
}

// An application's link: an edit of its own.
class TTextLink : public TEditLink {
public:
  using TEditLink::TEditLink;
  TEdit* Edit = nullptr;
  TWinControl* GetEditControl() override { return Edit; }
  void CreateEditor(TWinControl* AParent) override {
    if (!Edit) Edit = new TEdit(this);  // owned by the link
    Edit->SetParent(AParent);
  }
  void DestroyEditor() override {
    delete Edit;
    Edit = nullptr;
  }
  QString GetEditorValue() override { return Edit ? Edit->Text() : QString(); }
  void SetEditorValue(const QString& s) override { Edit->SetText(s); }
};

// An edCustom column opens the link its definition names.
TEST_F(ColumnGridForm, CustomColumnOpensItsEditLinkOnF2) {
  auto* link = new TTextLink(Form.get());
  TGridColumnItem* d = Grid->Columns()[1];
  d->SetEditor(edCustom);
  d->EditLink = link;
  ShowForm(420, 200);
  Grid->SetCol(1);
  Grid->SetRow(2);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  QApplication::processEvents();
  EXPECT_EQ(Grid->EditLink(), link);
  ASSERT_NE(link->Edit, nullptr);
  EXPECT_TRUE(link->Edit->Visible());
  EXPECT_EQ(link->Edit->Text(), "Valve");
}

TEST_F(ColumnGridForm, EditComboKeepsATextThatIsNoItem) {
  ShowForm(420, 200);
  Grid->SetCol(4);
  Grid->SetRow(1);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  ASSERT_TRUE(Grid->ComboEditor()->Visible());
  Grid->ComboEditor()->SetText("min");
  Grid->HideCellEdit();
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(4, 1), "min");
}

TEST_F(ColumnGridForm, ReadOnlyColumnRefusesTheKeys) {
  ShowForm(420, 200);
  Grid->SetCol(5);
  Grid->SetRow(1);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  QTest::keyClicks(Grid->Widget(), "99");
  QTest::keyClick(Grid->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(5, 1), "17");
  EXPECT_FALSE(Grid->IsEditable(5, 1));
  Grid->OnCanEditCell = [](TObject*, int, int c, bool& can) { can = can || c == 5; };
  EXPECT_TRUE(Grid->IsEditable(5, 1));
}

}  // namespace
