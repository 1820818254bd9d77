#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

class TTestBaseGrid : public TBaseGrid {
public:
  explicit TTestBaseGrid(TComponent* AOwner) : TBaseGrid(AOwner) {}
  using TBaseGrid::FHasCellProps;
  using TBaseGrid::FHideLastRow;
  using TBaseGrid::FNormalRowCount;
  using TBaseGrid::KeyDown;
  using TCustomGrid::MoveColRow;
  std::vector<QString> Log;
  std::map<std::pair<int, int>, int> Drawn;

  void CellTextChanged(int ACol, int ARow) override { Log.push_back(QString("changed %1,%2").arg(ACol).arg(ARow)); }
  void LastRowCellChanged() override { Log.push_back("last row"); }
  void DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    ++Drawn[{ACol, ARow}];
    TBaseGrid::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
};

class TTestGraphic : public TGridGraphicObject {
public:
  TTestGraphic(QString name, int& deaths) : FName(std::move(name)), FDeaths(deaths) {}
  ~TTestGraphic() override { ++FDeaths; }
  QString ClassName() const override { return FName; }

private:
  QString FName;
  int& FDeaths;
};

struct BaseGridFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TTestBaseGrid* Grid = nullptr;
  void SetUp() override {
    Grid = new TTestBaseGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetColCount(6);
    Grid->SetRowCount(6);
  }
  TGridCoord Current() const { return TGridCoord{Grid->Col(), Grid->Row()}; }
  void Press(WORD key) {
    WORD k = key;
    Grid->KeyDown(k, {});
  }
};

}  // namespace

// ---- cell store and properties ----

TEST_F(BaseGridFixture, NewGridPaintsItselfWithOneLine) {
  EXPECT_EQ(Grid->GridLineWidth(), 1);
  EXPECT_FALSE(Grid->DefaultDrawing());
  EXPECT_EQ(Grid->GridLineColor(), 0xC0C0C0);
  EXPECT_EQ(Grid->GridFixedLineColor(), 0x808080);
  EXPECT_EQ(Grid->PaintID(), 1);
  // The grid draws its lines inside its cells: the platform leaves no gap.
  EXPECT_EQ(Grid->PlainCellRect(2, 1).Left, Grid->PlainCellRect(1, 1).Right);
  EXPECT_EQ(Grid->PlainCellRect(1, 2).Top, Grid->PlainCellRect(1, 1).Bottom);
  Grid->SetDefaultDrawing(true);
  EXPECT_TRUE(Grid->DefaultDrawing());
  EXPECT_EQ(Grid->PlainCellRect(2, 1).Left, Grid->PlainCellRect(1, 1).Right);
}

// Code written against the platform grid sees the base grid's own values.
TEST_F(BaseGridFixture, ThePlatformGridReadsTheBaseGridsValues) {
  TCustomGrid* platformGrid = Grid;
  Grid->SetGridLineWidth(3);
  Grid->SetDefaultDrawing(true);
  Grid->MergeCells(1, 1, 2, 2);
  EXPECT_EQ(platformGrid->GridLineWidth(), 3);
  EXPECT_TRUE(platformGrid->DefaultDrawing());
  for (const TGridCoord cell : {TGridCoord{1, 1}, TGridCoord{2, 2}, TGridCoord{4, 1}, TGridCoord{0, 0}})
    EXPECT_EQ(platformGrid->CellRect(cell.X, cell.Y), Grid->CellRect(cell.X, cell.Y)) << cell.X << "," << cell.Y;
  const TRect a = Grid->PlainCellRect(1, 1), d = Grid->PlainCellRect(2, 2);
  EXPECT_EQ(platformGrid->CellRect(1, 1), TRect(a.Left, a.Top, d.Right, d.Bottom));
  platformGrid->SetGridLineWidth(2);
  EXPECT_EQ(Grid->GridLineWidth(), 2);
}

TEST_F(BaseGridFixture, PropertiesAreCreatedOnFirstUseWithTheGridsLook) {
  Grid->SetColor(clCream);
  Grid->Font().SetName("Verdana");
  EXPECT_FALSE(Grid->HasCellProperties(2, 2));
  EXPECT_FALSE(Grid->FHasCellProps);
  TCellProperties* p = Grid->GetCellProperties(2, 2);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(Grid->FHasCellProps);
  EXPECT_EQ(Grid->GetCellProperties(2, 2), p);
  EXPECT_EQ(Grid->GetGridObject(2, 2), p);
  EXPECT_EQ(p->BrushColor(), clCream);
  EXPECT_EQ(p->BrushColorTo(), clNone);
  EXPECT_EQ(p->FontName, "Verdana");
  EXPECT_EQ(p->Alignment(), taLeftJustify);
  EXPECT_EQ(p->VAlignment(), vtaTop);
  EXPECT_TRUE(p->IsBaseCell);
  EXPECT_EQ(p->CellSpanX, -1);
  EXPECT_EQ(p->CellSpanY, -1);
  EXPECT_EQ(p->OwnerCol, 2);
  EXPECT_EQ(p->OwnerRow, 2);
}

TEST_F(BaseGridFixture, AssignLeavesGradientAndOwnerGridAlone) {
  TCellProperties* a = Grid->GetCellProperties(1, 1);
  TCellProperties* b = Grid->GetCellProperties(2, 2);
  a->SetBrushColor(clRed);
  a->SetBrushColorTo(clBlue);
  a->GradientDirection = GradientHorizontal;
  a->CellObject = 42;
  a->Editor = edComboList;
  a->FontName = "Tahoma";
  b->Assign(*a);
  EXPECT_EQ(b->BrushColor(), clRed);
  EXPECT_EQ(b->CellObject, 42u);
  EXPECT_EQ(b->Editor, edComboList);
  EXPECT_EQ(b->OwnerCol, 1);
  EXPECT_EQ(b->BrushColorTo(), clNone);
  EXPECT_EQ(b->GradientDirection, GradientVertical);
  EXPECT_EQ(b->OwnerGrid(), Grid);
}

TEST_F(BaseGridFixture, ObjectsGoIntoThePropertiesOfAnEmptyCell) {
  Grid->SetObjectEx(3, 2, 1234);
  EXPECT_EQ(Grid->GetCellEx(3, 2), "");
  EXPECT_TRUE(Grid->HasCellProperties(3, 2));
  EXPECT_EQ(Grid->GetObjectEx(3, 2), 1234u);
  EXPECT_EQ(Grid->GetObjectEx(4, 4), 0u);
  EXPECT_EQ(Grid->Log, (std::vector<QString>{"changed 3,2"})) << "the blank only went to the raw store first";
}

TEST_F(BaseGridFixture, FreeingRangesFreesOnlyTheGridsOwnGraphics) {
  int deaths = 0;
  auto* owned = new TTestGraphic("TCellGraphic", deaths);
  TTestGraphic foreign("TImageGraphic", deaths);
  Grid->SetGraphicObjectEx(1, 1, owned);
  Grid->SetGraphicObjectEx(2, 1, &foreign);
  EXPECT_EQ(Grid->GetGraphicObjectEx(1, 1), owned);
  EXPECT_EQ(Grid->GetCellEx(1, 1), "");
  Grid->FreeCellPropsRange(0, 0, 5, 5);
  EXPECT_EQ(deaths, 1);
  EXPECT_FALSE(Grid->HasCellProperties(1, 1));
  EXPECT_FALSE(Grid->HasCellProperties(2, 1));
  EXPECT_EQ(Grid->GetGraphicObjectEx(2, 1), nullptr);
}

// Run with ASAN_OPTIONS=detect_leaks=1 to see the properties themselves go;
// the owned graphics show it without the leak checker.
TEST_F(BaseGridFixture, DroppedRowsFreeTheirProperties) {
  int deaths = 0;
  Grid->SetGraphicObjectEx(1, 4, new TTestGraphic("TCellGraphic", deaths));
  Grid->SetGraphicObjectEx(5, 5, new TTestGraphic("TCellGraphic", deaths));
  Grid->GetCellProperties(2, 5)->SetBrushColor(clRed);
  Grid->SetColCount(3);  // column 5 stays stored, hidden
  Grid->SetRowCount(4);
  EXPECT_EQ(deaths, 2);
  Grid->SetColCount(6);
  Grid->SetRowCount(6);
  for (int c = 0; c < 6; ++c)
    for (int r = 4; r < 6; ++r) EXPECT_FALSE(Grid->HasCellProperties(c, r)) << c << "," << r;
  Grid->SetGraphicObjectEx(0, 5, new TTestGraphic("TCellGraphic", deaths));
  Grid->DeleteRow(5);
  EXPECT_EQ(deaths, 3);
}

TEST(BaseGridAlone, FreeingWithoutPropertiesIgnoresRawSlots) {
  TBaseGrid grid(nullptr);
  TObject raw;
  grid.SetGridObject(1, 1, &raw);
  grid.FreeCellPropsRange(0, 0, 4, 4);
  EXPECT_EQ(grid.GetGridObject(1, 1), &raw);
  grid.SetGridObject(1, 1, nullptr);
}

TEST_F(BaseGridFixture, ClearingSlotsFreesNothing) {
  Grid->SetCellEx(1, 1, "a");
  TCellProperties* p = Grid->GetCellProperties(1, 1);
  Grid->ClearCellSlot(1, 1);
  EXPECT_EQ(Grid->GetCellEx(1, 1), "");
  EXPECT_FALSE(Grid->HasCellProperties(1, 1));
  Grid->SetCellProperties(2, 2, p);  // still alive: hand it on
  EXPECT_EQ(Grid->GetCellProperties(2, 2), p);
  Grid->SetCellEx(4, 0, "x");
  Grid->SetCellEx(4, 5, "y");
  Grid->ClearColCells(4);
  EXPECT_EQ(Grid->GetCellEx(4, 0) + Grid->GetCellEx(4, 5), "");
}

TEST_F(BaseGridFixture, OutOfRangeAccessWritesNothing) {
  const TGridCoord outside[] = {{-1, 0}, {0, -1}, {6, 2}, {2, 6}, {1000, 1000}};
  for (const TGridCoord c : outside) {
    TCellProperties* scratch = Grid->GetCellProperties(c.X, c.Y);
    ASSERT_NE(scratch, nullptr);
    scratch->SetBrushColor(clRed);
    EXPECT_FALSE(Grid->HasCellProperties(c.X, c.Y));
    Grid->SetCellProperties(c.X, c.Y, new TCellProperties(Grid, c.X, c.Y));  // freed, not stored
    Grid->SetObjectEx(c.X, c.Y, 5);
    Grid->SetGraphicObjectEx(c.X, c.Y, Grid);
    Grid->SetCellEx(c.X, c.Y, "x");
    EXPECT_EQ(Grid->GetObjectEx(c.X, c.Y), 0u);
    EXPECT_EQ(Grid->GetCellEx(c.X, c.Y), "");
    EXPECT_EQ(Grid->BaseCell(c.X, c.Y), TPoint(c.X, c.Y));
    EXPECT_FALSE(Grid->IsMergedCell(c.X, c.Y));
  }
  Grid->FreeCellPropsRange(-5, -5, 1000, 1000);
}

// ---- cell texts ----

TEST_F(BaseGridFixture, DisplayHooksRunForNormalRowsOnly) {
  Grid->SetCellEx(1, 1, "AB");
  Grid->SetCellEx(1, 4, "AB");
  Grid->FNormalRowCount = 3;
  int calls = 0;
  Grid->OnGetDisplText = [&](TObject*, int, int, QString& v) {
    ++calls;
    v += "!";
  };
  EXPECT_EQ(Grid->GetCellEx(1, 1), "AB!");
  Grid->OnGetDisplText = nullptr;
  Grid->OnGetDisplWideText = [](TObject*, int, int, QString&) {};
  EXPECT_EQ(Grid->GetCellEx(1, 1), WideTextPrefix + QString(QChar(0)) + "A" + QString(QChar(0)) + "B");
  EXPECT_EQ(Grid->GetCellEx(1, 4), "AB") << "row 4 is beyond the normal rows";
  EXPECT_EQ(calls, 1);
}

TEST_F(BaseGridFixture, WritingTheLastRowOfAHiddenLastRowNotifies) {
  Grid->FHideLastRow = true;
  Grid->SetCellEx(1, 5, "x");
  Grid->SetCellEx(1, 4, "y");
  EXPECT_EQ(Grid->Log, std::vector<QString>{"last row"});
}

// ---- merged cells ----

TEST_F(BaseGridFixture, MergedBlockQueries) {
  Grid->MergeCells(1, 1, 3, 2);
  EXPECT_EQ(Grid->MergeCount(), 1);
  EXPECT_EQ(Grid->BaseCell(3, 2), TPoint(1, 1));
  EXPECT_EQ(Grid->CellSpan(3, 2), TPoint(2, 1));
  EXPECT_EQ(Grid->CellExt(2, 1), TPoint(1, 1));
  EXPECT_EQ(Grid->FullCell(2, 2), TRect(1, 1, 3, 2));
  EXPECT_FALSE(Grid->IsMergedNonBaseCell(1, 1));
  EXPECT_TRUE(Grid->IsMergedNonBaseCell(2, 1));
  EXPECT_TRUE(Grid->IsXMergedCell(2, 2));
  EXPECT_TRUE(Grid->IsYMergedCell(2, 2));
  int bc = 0, br = 0;
  EXPECT_FALSE(Grid->ResolveBaseCell(3, 2, bc, br));
  EXPECT_EQ(TPoint(bc, br), TPoint(1, 1));
  EXPECT_TRUE(Grid->ResolveBaseCell(4, 4, bc, br));
  EXPECT_EQ(Grid->MinRowSpan(1), 1);
  EXPECT_EQ(Grid->MaxRowSpan(1), 1);
  EXPECT_EQ(Grid->MinRowSpan(4), 6);
  EXPECT_EQ(Grid->MaxRowSpan(4), 0);
  Grid->SetCellEx(3, 2, "block");
  EXPECT_EQ(Grid->GetGridCell(1, 1), "block");
  EXPECT_EQ(Grid->GetCellEx(2, 1), "block");
  Grid->SplitCells(2, 2);
  EXPECT_EQ(Grid->MergeCount(), 0);
  EXPECT_FALSE(Grid->IsMergedCell(1, 1));
  EXPECT_EQ(Grid->BaseCell(3, 2), TPoint(3, 2));
  EXPECT_EQ(Grid->GetCellEx(2, 1), "");
}

TEST_F(BaseGridFixture, SingleCellMergesAndSplitsOfPlainCells) {
  Grid->MergeCells(2, 2, 1, 1);
  EXPECT_FALSE(Grid->IsMergedCell(2, 2));
  EXPECT_EQ(Grid->CellSpan(2, 2), TPoint(0, 0));
  EXPECT_EQ(Grid->CellRect(2, 2).Width(), Grid->ColWidths(2)) << "still the merged path";
  Grid->MergeCells(1, 1, 0, 3);
  EXPECT_EQ(Grid->MergeCount(), 2);
  EXPECT_FALSE(Grid->HasCellProperties(1, 1));
  Grid->SplitCells(4, 4);
  EXPECT_TRUE(Grid->HasCellProperties(4, 4));
  EXPECT_EQ(Grid->MergeCount(), 1);
}

TEST_F(BaseGridFixture, SpanComparisons) {
  EXPECT_FALSE(Grid->RowSpanIdentical(1, 2)) << "no vertical merges";
  Grid->MergeCells(1, 1, 1, 3);
  EXPECT_TRUE(Grid->RowSpanIdentical(1, 2));
  Grid->MergeCells(2, 1, 1, 2);
  Grid->MergeCells(2, 3, 1, 2);
  EXPECT_TRUE(Grid->RowSpanIdentical(1, 2));
  EXPECT_FALSE(Grid->RowSpanIdentical(2, 3)) << "column 2 starts a new block on row 3";
  Grid->MergeCells(3, 4, 2, 1);
  EXPECT_FALSE(Grid->ColSpanIdentical(2, 3)) << "column 3 is merged across in row 4, column 2 is not";
  EXPECT_TRUE(Grid->ColSpanIdentical(3, 4));
}

TEST_F(BaseGridFixture, MergesAreClippedToTheGrid) {
  Grid->MergeCells(4, 4, 5, 5);
  EXPECT_EQ(Grid->CellSpan(5, 5), TPoint(1, 1));
  EXPECT_EQ(Grid->BaseCell(5, 5), TPoint(4, 4));
  Grid->SplitCells(5, 5);
  EXPECT_FALSE(Grid->IsMergedCell(4, 4));
  Grid->MergeCells(-2, 1, 3, 1);
  Grid->SplitCells(99, 99);
  EXPECT_FALSE(Grid->HasCellProperties(0, 1));
}

TEST_F(BaseGridFixture, BrokenEncodingsStayInsideTheGrid) {
  TCellProperties* p = Grid->GetCellProperties(2, 2);
  p->IsBaseCell = false;
  p->CellSpanX = 50;
  p->CellSpanY = -40;
  EXPECT_EQ(Grid->BaseCell(2, 2), TPoint(2, 2));
  Grid->SetCellEx(2, 2, "here");
  EXPECT_EQ(Grid->GetGridCell(2, 2), "here");
  TCellProperties* q = Grid->GetCellProperties(3, 3);
  q->CellSpanX = 1000000;
  q->CellSpanY = 1000000;
  const TRect r = Grid->CellRect(3, 3);
  EXPECT_LE(r.Width(), 6 * Grid->DefaultColWidth());
  EXPECT_LE(Grid->CellSize(3, 3).Y, 6 * Grid->DefaultRowHeight());
  Grid->SplitCells(3, 3);
  Grid->MoveColRow(3, 3, true, true);
  WORD key = VK_DOWN;
  q = Grid->GetCellProperties(3, 3);
  q->CellSpanY = 1000;
  Grid->KeyDown(key, {});
  EXPECT_EQ(Grid->Row(), 5);
}

TEST_F(BaseGridFixture, BlockRectangles) {
  Grid->MergeCells(1, 1, 2, 2);
  const TRect a = Grid->TCustomGrid::CellRect(1, 1), d = Grid->TCustomGrid::CellRect(2, 2);
  EXPECT_EQ(Grid->CellRect(2, 2), TRect(a.Left, a.Top, d.Right, d.Bottom));
  EXPECT_EQ(Grid->CellSize(1, 2), TPoint(2 * Grid->DefaultColWidth(), 2 * Grid->DefaultRowHeight()));
  EXPECT_EQ(Grid->VirtualCellRect(2, 1), TRect(2 * 64, 24, 3 * 64, 48));
  Grid->SplitCells(1, 1);
  Grid->MergeCells(1, 1, 1, 2);
  Grid->SetColWidths(1, 0);
  EXPECT_EQ(Grid->CellRect(1, 1), TRect(63, 24, 65, 72)) << "a zero-width column does not collapse its block";
  Grid->SetColWidths(1, 64);
  Grid->SetLeftCol(3);
  EXPECT_LT(Grid->VirtualCellRect(1, 1).Left, 64) << "scrolled out: under the fixed column";
  EXPECT_EQ(Grid->FixedColsWidth(), 64);
  EXPECT_EQ(Grid->FixedRowsHeight(), 24);
}

// ---- navigation ----

TEST_F(BaseGridFixture, ArrowsStepOverBlocks) {
  Grid->MergeCells(2, 2, 3, 2);  // columns 2..4, rows 2..3
  struct Case {
    TGridCoord Start;
    WORD Key;
    TGridCoord Expected;
  };
  const Case cases[] = {
      {{2, 2}, VK_RIGHT, {5, 2}}, {{2, 2}, VK_DOWN, {2, 4}}, {{5, 2}, VK_LEFT, {2, 2}},
      {{3, 4}, VK_UP, {2, 2}},    {{4, 3}, VK_LEFT, {1, 3}},  // from a non-base cell: exactly one cell out of the block
      {{4, 3}, VK_UP, {4, 1}},
  };
  for (const Case& c : cases) {
    Grid->SetSelection(TGridRect{c.Start.X, c.Start.Y, c.Start.X, c.Start.Y});
    Press(c.Key);
    EXPECT_EQ(Current(), c.Expected) << "from " << c.Start.X << "," << c.Start.Y << " key " << c.Key;
  }
}

TEST_F(BaseGridFixture, LeftAndUpNeverEnterTheFixedCells) {
  Grid->MergeCells(1, 1, 3, 3);
  Grid->SetSelection(TGridRect{3, 3, 3, 3});
  Press(VK_LEFT);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
  Grid->SetSelection(TGridRect{2, 3, 2, 3});
  Press(VK_UP);
  EXPECT_EQ(Current(), (TGridCoord{1, 1}));
}

TEST_F(BaseGridFixture, PageDownStopsBeforeAHiddenLastRow) {
  Grid->SetBounds(0, 0, 400, 24 * 6 + 1);
  Grid->FHideLastRow = true;
  Grid->MoveColRow(1, 1, true, true);
  Press(VK_NEXT);
  EXPECT_LE(Grid->Row(), 4);
}

TEST_F(BaseGridFixture, WheelEndsOnABaseCell) {
  Grid->MergeCells(1, 3, 1, 2);
  Grid->MoveColRow(1, 2, true, true);
  Grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(int16_t(-120))) << 16, 0);
  EXPECT_EQ(Current(), (TGridCoord{1, 3}));
  Grid->Perform(WM_MOUSEWHEEL, WPARAM(uint16_t(int16_t(-120))) << 16, 0);
  EXPECT_EQ(Current(), (TGridCoord{1, 3})) << "row 4 belongs to the block of row 3";
}

// ---- painting ----

TEST_F(BaseGridFixture, BlocksArePaintedOncePerPass) {
  Grid->MergeCells(1, 1, 2, 3);
  Grid->SetCellEx(1, 1, "merged");
  Form->SetClientWidth(420);
  Form->SetClientHeight(220);
  Form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  Grid->Drawn.clear();
  const int pass = Grid->PaintID();
  Grid->Repaint();
  EXPECT_EQ(Grid->PaintID(), pass + 1);
  EXPECT_LE((Grid->Drawn[{1, 1}]), 2);
  EXPECT_GE((Grid->Drawn[{1, 1}]), 1);
  for (const auto& [cell, n] : Grid->Drawn)
    EXPECT_TRUE(Grid->IsBaseCell(cell.first, cell.second)) << cell.first << "," << cell.second;
  EXPECT_EQ((Grid->Drawn[{4, 4}]), 1);
}

// ---- undo/redo link ----

TEST_F(BaseGridFixture, LinkedUndoRedoRestoresCellsAndIsForgottenWhenFreed) {
  auto* undo = new TPlexGridUndoRedo(nullptr);
  Grid->SetUndoRedo(undo);
  EXPECT_EQ(undo->Grid(), static_cast<IUndoRedoGrid*>(Grid));
  Grid->MergeCells(1, 1, 2, 1);
  undo->RegisterChange(2, 1, Grid->GetCellEx(2, 1), "new");
  Grid->SetCellEx(2, 1, "new");
  undo->Undo();
  EXPECT_EQ(Grid->GetGridCell(1, 1), "");
  undo->Redo();
  EXPECT_EQ(Grid->GetGridCell(1, 1), "new") << "the write went to the block's base cell";
  delete undo;
  EXPECT_EQ(Grid->UndoRedo(), nullptr);
}
