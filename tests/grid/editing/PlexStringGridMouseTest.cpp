// The grid under the mouse: presses, releases, double and right clicks on a
// shown grid, driven through the window system, with the events they fire.
#include "grid/core/PlexStringGrid.h"

#include "EditorFormFixture.h"
#include "grid/core/ControlLook.h"
#include "grid/editing/GridTransCombo.h"
#include "grid/editing/GridTransEdit.h"
#include "grid/editing/PlexColumnGrid.h"
#include "grid/features/DropList.h"
#include "grid/features/FilterDropDown.h"
#include "grid/features/SortSettings.h"
#include "platform/Menus.h"
#include "platform/Network.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "platform/SystemProbes.h"

#include <QDir>
#include <QImage>
#include <QStringList>

#include <algorithm>
#include <string>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

struct MouseGrid : EditorFormFixture {
  TPlexStringGrid* Grid = nullptr;
  QStringList Log;

  // Makes the grid (a descendant when the test wants one) with five columns of 60 and rows of 24.
  template <class T = TPlexStringGrid>
  T* MakeGrid(int Cols = 5, int Rows = 5) {
    T* g = Make<T>(0, 0, 380, 200);
    Grid = g;
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    for (int c = 0; c < Cols; ++c) Grid->SetColWidths(c, 60);
    for (int r = 0; r < Rows; ++r) Grid->SetRowHeights(r, 24);
    ShowForm(400, 220);
    Record();
    return g;
  }

  void Record() {
    Grid->OnCanClickCell = [this](TObject*, int r, int c, bool&) {
      Log << QString("CanClickCell %1,%2").arg(c).arg(r);
    };
    Grid->OnClickCell = [this](TObject*, int r, int c) { Log << QString("ClickCell %1,%2").arg(c).arg(r); };
    Grid->OnDblClickCell = [this](TObject*, int r, int c) { Log << QString("DblClickCell %1,%2").arg(c).arg(r); };
    Grid->OnRightClickCell = [this](TObject*, int r, int c) { Log << QString("RightClickCell %1,%2").arg(c).arg(r); };
    Grid->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState, int, int) {
      Log << QString("MouseDown %1").arg(b == mbLeft ? "left" : "right");
    };
    Grid->OnClick = [this](TObject*) { Log << "Click"; };
    Grid->OnCheckBoxClick = [this](TObject*, int c, int r, bool s) {
      Log << QString("CheckBoxClick %1,%2 %3").arg(c).arg(r).arg(s);
    };
    Grid->OnSelectCell = [this](TObject*, int c, int r, bool&) { Log << QString("SelectCell %1,%2").arg(c).arg(r); };
    Grid->OnRowChanging = [this](TObject*, int o, int n, bool&) { Log << QString("RowChanging %1>%2").arg(o).arg(n); };
    Grid->OnColChanging = [this](TObject*, int o, int n, bool&) { Log << QString("ColChanging %1>%2").arg(o).arg(n); };
    Grid->OnBeforeExpandNode = [this](TObject*, int r, int rr, bool&) { Log << QString("BeforeExpand %1").arg(r); };
    Grid->OnBeforeContractNode = [this](TObject*, int r, int rr, bool&) { Log << QString("BeforeContract %1").arg(r); };
    Grid->OnExpandNode = [this](TObject*, int r, int) { Log << QString("Expand %1").arg(r); };
    Grid->OnContractNode = [this](TObject*, int r, int) { Log << QString("Contract %1").arg(r); };
    Grid->OnButtonClick = [this](TObject*, int c, int r) { Log << QString("ButtonClick %1,%2").arg(c).arg(r); };
    Grid->OnAnchorClick = [this](TObject*, int r, int c, const QString& a, bool&) {
      Log << QString("AnchorClick %1,%2 %3").arg(c).arg(r).arg(a);
    };
    Grid->OnClickSort = [this](TObject*, int c) { Log << QString("ClickSort %1").arg(c); };
  }

  // The events since the last clear, in order.
  std::string Events() const { return Log.join(" | ").toStdString(); }
  // Whether an event whose entry starts so was fired.
  bool Fired(const char* Prefix) const {
    return std::any_of(Log.begin(), Log.end(), [&](const QString& e) { return e.startsWith(Prefix); });
  }

  TPoint At(int c, int r, int dx = -1, int dy = -1) const {
    const TRect cell = Grid->CellRect(c, r);
    return TPoint(dx < 0 ? (cell.Left + cell.Right) / 2 : cell.Left + dx,
                  dy < 0 ? (cell.Top + cell.Bottom) / 2 : cell.Top + dy);
  }
  void Press(TPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(Grid->Widget(), b, {}, QPoint(p.X, p.Y));
  }
  void Release(TPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(Grid->Widget(), b, {}, QPoint(p.X, p.Y));
  }
  void Click(TPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Press(p, b);
    Release(p, b);
  }
  // The window system's order for a double click: press, release, double click, release.
  void DoubleClick(TPoint p) {
    Click(p);
    Grid->Perform(WM_LBUTTONDBLCLK, 1, MakeLParam(p.X, p.Y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(p.X, p.Y));
  }
  void SetOption(TGridOption o, bool on) {
    TGridOptions opts = Grid->Options();
    if (on)
      opts.Include(o);
    else
      opts.Exclude(o);
    Grid->SetOptions(opts);
  }
};

// ---- press on check boxes and nodes

TEST_F(MouseGrid, CheckBoxPressTogglesWithItsEventsInOrder) {
  MakeGrid();
  SetOption(goEditing, true);
  Grid->AddCheckBox(2, 3, false, true);
  Log.clear();
  Click(At(2, 3));
  EXPECT_EQ(Grid->Cells(2, 3), "Y");
  EXPECT_EQ(Events(),
            "CanClickCell 2,3 | RowChanging 1>3 | ColChanging 1>2 | SelectCell 2,3 | CheckBoxClick 2,3 1 | "
            "MouseDown left | Click");
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_EQ(Grid->Row(), 3);
}

TEST_F(MouseGrid, NodeGlyphPressExpandsOrContractsUnlessRefused) {
  MakeGrid();
  Grid->CreateCellGraphic(0, 2)->CellType = ctNode;
  Grid->MouseActions().PreciseNodeClick = false;
  struct Case {
    bool Contracted, Allow;
    const char* Events;
    bool ContractedAfter;
  };
  // The release in the fixed column ends with OnClick.
  const Case cases[] = {
      {false, true, "MouseDown left | ClickCell 0,2 | BeforeContract 2 | Contract 2 | Click", true},
      {true, true, "MouseDown left | ClickCell 0,2 | BeforeExpand 2 | Expand 2 | Click", false},
      {false, false, "MouseDown left | ClickCell 0,2 | BeforeContract 2 | Click", false},
      {true, false, "MouseDown left | ClickCell 0,2 | BeforeExpand 2 | Click", true},
  };
  for (const Case& c : cases) {
    Grid->GetCellGraphic(0, 2)->CellBoolean = c.Contracted;
    const bool allow = c.Allow;
    Grid->OnBeforeExpandNode = [&](TObject*, int r, int, bool& a) {
      Log << QString("BeforeExpand %1").arg(r);
      a = allow;
    };
    Grid->OnBeforeContractNode = [&](TObject*, int r, int, bool& a) {
      Log << QString("BeforeContract %1").arg(r);
      a = allow;
    };
    Log.clear();
    Click(At(0, 2));
    EXPECT_EQ(Events(), std::string("CanClickCell 0,2 | ") + c.Events) << c.Contracted << c.Allow;
    EXPECT_EQ(Grid->GetNodeState(2), c.ContractedAfter) << c.Contracted << c.Allow;
  }
}

// A data check box column of a column grid: the column decides editability.
struct MouseColumnGrid : MouseGrid {
  TPlexColumnGrid* Columns = nullptr;
  void SetUp() override {
    Columns = MakeGrid<TPlexColumnGrid>();
    Columns->Columns()[2]->SetEditor(edDataCheckBox);
    for (int r = 1; r < 5; ++r) Grid->SetCells(2, r, "N");
    SetOption(goEditing, false);
  }
};

TEST_F(MouseColumnGrid, DataCheckBoxColumnTogglesByItsDefinition) {
  struct Case {
    const char* Name;
    bool Precise, ReadOnly, AlwaysActive;
    int Dx;  // pixels in from the cell's left; -1 for the middle
    const char* After;
  };
  const Case cases[] = {
      {"anywhere in the cell", false, false, false, -1, "Y"},   {"precise, on the box", true, false, false, 4, "Y"},
      {"precise, beside the box", true, false, false, 45, "N"}, {"read-only column", false, true, false, -1, "N"},
      {"read-only, always active", false, true, true, -1, "Y"},
  };
  for (const Case& c : cases) {
    Grid->SetCells(2, 2, "N");
    Grid->MouseActions().PreciseCheckBoxCheck = c.Precise;
    Columns->Columns()[2]->ReadOnly = c.ReadOnly;
    Grid->ControlLook().CheckAlwaysActive = c.AlwaysActive;
    Grid->SetSelection(TGridRect{1, 1, 1, 1});
    Log.clear();
    Click(At(2, 2, c.Dx));
    EXPECT_EQ(Grid->Cells(2, 2), c.After) << c.Name;
    // A toggle never fires OnClickCell; a press that does not toggle is a normal press.
    EXPECT_EQ(Fired("ClickCell"), QString(c.After) == "N") << c.Name;
    // Whatever happens to the box, the cell becomes current.
    EXPECT_EQ(Grid->Col(), 2) << c.Name;
    EXPECT_EQ(Grid->Row(), 2) << c.Name;
  }
}

// ---- the outcome table of a press

TEST_F(MouseGrid, PressOutcomes) {
  MakeGrid();
  auto* other = Make<TEdit>(0, 205, 80, 14);
  Grid->AddRating(2, 2, 5, clYellow, clGray);
  Grid->AddButton(3, 2, 20, 20, "...", haFull, vaFull);
  Grid->SetCells(1, 3, "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"x\" WIDTH=\"10\">");
  Grid->SetCells(3, 3, "http://example.com");
  QStringList opened;
  SetOpenUrlHandler([&](const QString& url) {
    opened << url;
    return true;
  });
  struct Case {
    const char* Name;
    std::function<void()> Arrange;
    TPoint Press, Release;
    const char* Events;
    std::function<bool()> Effect;
  };
  bool refuse = false;
  const Case cases[] = {
      {"refused", [&] { refuse = true; }, At(1, 1), At(1, 1), "CanClickCell 1,1",
       [&] { return !Grid->Focused() && Grid->Col() == 2 && Grid->Row() == 4; }},
      {"off the cells", [] {}, TPoint(360, 150), TPoint(360, 150), "CanClickCell -1,-1 | MouseDown left | Click",
       [&] { return Grid->Col() == 2 && Grid->Row() == 4; }},
      {"header border with sizing",
       [&] {
         SetOption(goColSizing, true);
         // The hover over the border shows the sizing cursor first.
         QTest::mouseMove(Grid->Widget(), QPoint(At(2, 0, 1).X, At(2, 0, 1).Y));
       },
       At(2, 0, 1), At(2, 0, 1), "CanClickCell 2,0 | MouseDown left", [&] { return Grid->Row() == 4; }},
      {"rating 27 pixels in", [&] { SetOption(goEditing, true); }, At(2, 2, 27), At(2, 2, 27), "CanClickCell 2,2",
       [&] { return Grid->Floats(2, 2) == 1.5; }},
      {"cell button released over it", [&] { SetOption(goEditing, true); }, At(3, 2), At(3, 2),
       "CanClickCell 3,2 | ClickCell 3,2 | ButtonClick 3,2", [] { return true; }},
      {"cell button released outside", [&] { SetOption(goEditing, true); }, At(3, 2), TPoint(395, 215),
       "CanClickCell 3,2 | ClickCell 3,2 | Click", [] { return true; }},
      {"form controls, none hit", [&] { SetOption(goEditing, true); }, At(1, 3, 55), At(1, 3, 55),
       "CanClickCell 1,3 | ClickCell 1,3", [&] { return Grid->Col() == 1 && Grid->Row() == 3 && !Grid->EditorMode(); }},
      {"link", [&] { Grid->SetURLShow(true); }, At(3, 3), At(3, 3),
       "CanClickCell 3,3 | AnchorClick 3,3 http://example.com",
       [&] { return opened == QStringList{"http://example.com"}; }},
  };
  for (const Case& c : cases) {
    SetOption(goEditing, false);
    SetOption(goColSizing, false);
    Grid->SetURLShow(false);
    refuse = false;
    other->SetFocus();
    QApplication::processEvents();
    Grid->SetSelection(TGridRect{2, 4, 2, 4});
    c.Arrange();
    Grid->OnCanClickCell = [&](TObject*, int r, int col, bool& allow) {
      Log << QString("CanClickCell %1,%2").arg(col).arg(r);
      allow = !refuse;
    };
    Log.clear();
    Press(c.Press);
    Release(c.Release);
    EXPECT_EQ(Events(), c.Events) << c.Name;
    EXPECT_TRUE(c.Effect()) << c.Name;
  }
  SetOpenUrlHandler({});
}

// With DirectEdit one click on another cell opens its text editor, which
// stays open after the release, ready for typing.
TEST_F(MouseGrid, DirectEditClickOpensTheCellsEditorAndLeavesItOpen) {
  MakeGrid();
  SetOption(goEditing, true);
  Grid->MouseActions().DirectEdit = true;
  const struct { int Col, Row; } clicks[] = {{2, 2}, {3, 1}, {1, 3}};
  for (const auto& c : clicks) {
    SCOPED_TRACE(c.Col * 10 + c.Row);
    Grid->SetCells(c.Col, c.Row, "old");
    Click(At(c.Col, c.Row));
    QApplication::processEvents();
    EXPECT_EQ(Grid->Col(), c.Col);
    EXPECT_EQ(Grid->Row(), c.Row);
    ASSERT_NE(Grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(Grid->InplaceEditor()->Visible());
    EXPECT_TRUE(Grid->InplaceEditor()->Focused());
    EXPECT_NE(Grid->GridState(), gsSelecting);
  }
  QTest::keyClicks(QApplication::focusWidget(), "new");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(1, 3), "new");
}

TEST_F(MouseGrid, CellLinkAnchorJumpsToTheCell) {
  MakeGrid();
  Grid->SetCells(1, 1, "<A href=\"CELL://R3C4\">go</A>");
  Click(At(1, 1, 5, 8));
  EXPECT_EQ(Events(), "CanClickCell 1,1 | AnchorClick 1,1 CELL://R3C4");
  EXPECT_EQ(Grid->Col(), 4);
  EXPECT_EQ(Grid->Row(), 3);
}

// ---- header sort

struct SortGrid : MouseGrid {
  void SetUp() override {
    MakeGrid(4, 4);
    Grid->SortSettings().SetShow(true);
    for (int r = 1; r < 4; ++r) Grid->SetCells(1, r, QStringList{"b", "c", "a"}[r - 1]);
    for (int r = 1; r < 4; ++r) Grid->SetCells(2, r, QString::number(r));
  }
  QString Column1() const { return QStringList{Grid->Cells(1, 1), Grid->Cells(1, 2), Grid->Cells(1, 3)}.join(""); }
};

TEST_F(SortGrid, HeaderClicksSortAndWithUndoSortUnsortOnTheThird) {
  Grid->SortSettings().UndoSort = true;
  const struct {
    const char* Column;
    int SortColumn;
  } steps[] = {{"abc", 1}, {"cba", 1}, {"bca", -1}};
  for (const auto& step : steps) {
    Log.clear();
    Click(At(1, 0));
    EXPECT_EQ(Column1(), step.Column);
    EXPECT_EQ(Grid->SortSettings().Column, step.SortColumn);
    EXPECT_EQ(Events(), QString("CanClickCell 1,0 | MouseDown left | ClickCell 1,0 | Click | ClickSort %1")
                            .arg(step.SortColumn)
                            .toStdString());
  }
  // The rows went with their cells.
  EXPECT_EQ(Grid->Cells(2, 1), "1");
}

TEST_F(SortGrid, ClicksThatDoNotSort) {
  struct Case {
    const char* Name;
    std::function<void()> Act;
  };
  const Case cases[] = {
      {"two rows",
       [&] {
         Grid->SetRowCount(2);
         Click(At(1, 0));
       }},
      {"release ending a sizing",
       [&] {
         SetOption(goColSizing, true);
         const TRect h = Grid->CellRect(1, 0);
         Press(TPoint(h.Right - 1, 10));
         QTest::mouseMove(Grid->Widget(), QPoint(h.Right + 20, 10));
         Release(TPoint(h.Right + 20, 10));
       }},
      {"release ending a column drag",
       [&] {
         SetOption(goColMoving, true);
         Press(At(1, 0));
         QTest::mouseMove(Grid->Widget(), QPoint(At(3, 0).X, At(3, 0).Y));
         Release(At(3, 0));
       }},
      {"sizing double click",
       [&] {
         SetOption(goColSizing, true);
         const TRect h = Grid->CellRect(1, 0);
         DoubleClick(TPoint(h.Right - 1, 10));
       }},
      {"refused by OnCanSort",
       [&] {
         Grid->OnCanSort = [](TObject*, int, bool& sort) { sort = false; };
         Click(At(1, 0));
       }},
  };
  for (const Case& c : cases) {
    SetUp();
    Log.clear();
    c.Act();
    for (int col = 0; col < Grid->ColCount(); ++col) EXPECT_NE(Grid->Cells(col, 1), "a") << c.Name;
    EXPECT_EQ(Grid->SortSettings().Column, -1) << c.Name;
    EXPECT_FALSE(Fired("ClickSort")) << c.Name;
    EXPECT_TRUE(Grid->FeatureCalls().empty()) << c.Name;
  }
}

// ---- double and right clicks

TEST_F(MouseGrid, DoubleClicks) {
  MakeGrid();
  SetOption(goEditing, true);
  Grid->SetCells(2, 1, "a rather long text");
  Grid->AddCheckBox(3, 2, false, true);
  Grid->OnDblClickCell = [this](TObject*, int r, int c) {
    Log << QString("DblClickCell %1,%2").arg(c).arg(r);
    if (r == 0) Grid->AutoSizeCol(c);
  };
  int sized = 0;
  Grid->OnEndColumnSize = [&](TObject*, int c) { sized = c; };

  DoubleClick(At(2, 0));
  EXPECT_TRUE(Fired("DblClickCell 2,0"));
  EXPECT_GT(Grid->ColWidths(2), 60);

  Grid->SetColWidths(2, 60);
  SetOption(goColSizing, true);
  Log.clear();
  DoubleClick(TPoint(Grid->CellRect(2, 0).Right - 1, 10));
  EXPECT_FALSE(Fired("DblClickCell"));
  EXPECT_GT(Grid->ColWidths(2), 60);
  EXPECT_EQ(sized, 2);

  Log.clear();
  DoubleClick(At(3, 2));
  EXPECT_FALSE(Fired("DblClickCell"));
  EXPECT_EQ(Grid->Cells(3, 2), "Y");
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(MouseGrid, RightClickSelectsOnlyWhenAsked) {
  MakeGrid();
  for (const bool select : {false, true}) {
    Grid->MouseActions().SelectOnRightClick = select;
    Grid->SetSelection(TGridRect{1, 1, 1, 1});
    Grid->OnRightClickCell = [this](TObject*, int r, int c) {
      Log << QString("RightClickCell %1,%2 current %3,%4").arg(c).arg(r).arg(Grid->Col()).arg(Grid->Row());
    };
    Log.clear();
    Click(At(3, 2), Qt::RightButton);
    EXPECT_TRUE(Fired(select ? "RightClickCell 3,2 current 3,2" : "RightClickCell 3,2 current 1,1")) << Events();
    const TGridRect sel = Grid->Selection();
    EXPECT_EQ(sel.Left, select ? 3 : 1);
    EXPECT_EQ(sel.Top, select ? 2 : 1);
  }
}

TEST_F(MouseGrid, FixedCellEditorIsTheOneOnFixedEditChooses) {
  MakeGrid();
  Grid->MouseActions().FixedRowsEdit = fceLeftClick;
  Grid->MouseActions().FixedRowsEditor = fceEdit;
  Grid->SetCells(2, 0, "Head");
  struct Case {
    const char* Name;
    bool Handler;
    bool Combo;
  };
  for (const Case& c : {Case{"no handler: the plain edit", false, false}, Case{"handler: a list combo", true, true}}) {
    SCOPED_TRACE(c.Name);
    QStringList asked;
    Grid->OnFixedEdit = nullptr;
    if (c.Handler)
      Grid->OnFixedEdit = [&](TObject*, int col, int row, TGridFixedCellEditor& editor, TStrings& values) {
        asked << QString("%1,%2 %3").arg(col).arg(row).arg(int(editor));
        editor = fceComboList;
        values.Clear();
        values.Add("one");
        values.Add("two");
      };
    Click(At(2, 0));
    if (!c.Handler) {
      EXPECT_TRUE(Grid->TransEdit()->Visible());
      EXPECT_EQ(Grid->TransEdit()->Text(), "Head");
      Grid->TransEdit()->StopEdit();
      continue;
    }
    EXPECT_EQ(asked, QStringList{"2,0 0"});
    TGridTransCombo* combo = Grid->TransCombo();
    ASSERT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Style(), csDropDownList);
    ASSERT_EQ(combo->Items().Count(), 2);
    EXPECT_EQ(combo->Items()[1], "two");
  }
}

TEST_F(MouseGrid, RightClickKeepsARowMultiSelectionForThePopupMenu) {
  MakeGrid(5, 6);
  Grid->MouseActions().SelectOnRightClick = true;
  Grid->MouseActions().SetDisjunctRowSelect(true);
  TPopupMenu menu(nullptr);
  menu.Add("Delete rows");
  struct Case {
    const char* Name;
    bool Menu;
    int ClickRow;
    std::vector<int> Selected;
  };
  const Case cases[] = {
      {"menu, click on a selected row: the selection stays", true, 3, {2, 3, 4}},
      {"menu, click on an unselected row: it alone", true, 5, {5}},
      {"no menu, click on a selected row: it alone", false, 3, {3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TScriptedPopupScope popups;
    popups.Service().Answers = {-1};
    Grid->SetPopupMenu(c.Menu ? &menu : nullptr);
    Grid->ClearRowSelect();
    for (int r : {2, 3, 4}) Grid->SetRowSelect(r, true);
    Click(At(2, c.ClickRow), Qt::RightButton);
    std::vector<int> selected;
    for (int r = 1; r < Grid->RowCount(); ++r)
      if (Grid->RowSelect(r)) selected.push_back(r);
    EXPECT_EQ(selected, c.Selected);
    // The release pops the control's menu up.
    EXPECT_EQ(popups.Service().Shown.size(), c.Menu ? 1u : 0u);
  }
  Grid->SetPopupMenu(nullptr);
}

TEST_F(SortGrid, Screenshot) {
  Grid->AddCheckBox(3, 1, true, true);
  Click(At(1, 0));
  const QString path = QDir::temp().filePath("quillore-grid-mouse-sorted.png");
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  EXPECT_FALSE(QImage(path).isNull());
}

TEST_F(MouseGrid, RadioGroupOptionsSplitAtTheirBoundaries) {
  MakeGrid();
  Grid->SetRowHeights(1, 60);
  TStrings* options = Grid->CreateRadio(2, 1, 0, 0);
  options->Add("one");
  options->Add("two");
  int picked = -2;
  Grid->OnRadioClick = [&](TObject*, int, int, int index) { picked = index; };
  // Each option takes the larger of the 16-pixel step and a line of text in
  // the cell's font, which the first pick puts on the canvas.
  Grid->RadioGroupClick(2, 1, 5, 1);
  EXPECT_EQ(picked, 0);
  const int line = std::max(16, Grid->Canvas().TextHeight("gh"));
  const struct { int Y, Picked; } cases[] = {{1, 0}, {line - 1, 0}, {line, -2}, {line + 1, 1}, {2 * line, -2}};
  for (const auto& c : cases) {
    picked = -2;
    Grid->RadioGroupClick(2, 1, 5, c.Y);
    EXPECT_EQ(picked, c.Picked) << c.Y;
  }
}

}  // namespace

TEST_F(MouseGrid, HeaderFilterListSizesToItsEntriesInItsOwnFont) {
  MakeGrid();
  Grid->OnGetColumnFilter = [](TObject*, int, TStrings& Filter) {
    Filter.Add("Short");
    Filter.Add("A much longer entry=x");
  };
  Grid->FilterDropDown().AutoSize = true;
  Grid->FilterDropDown().Font().SetSize(16);
  Click(At(2, 0, 60 - 10, 5));
  QApplication::processEvents();
  TDropList* list = Grid->FilterListBox();
  ASSERT_TRUE(list && list->Visible());
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(Grid->FilterDropDown().Font());
  EXPECT_EQ(list->Width(), measure.Canvas().TextWidth("A much longer entry") + 8 + 2 * GetSystemMetrics(SM_CXVSCROLL));
}
