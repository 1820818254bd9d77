// The mouse moving over a shown grid: hover, links, the drag threshold,
// sizing and moving by mouse, driven through the window system.
#include "grid/core/PlexStringGrid.h"

#include "EditorFormFixture.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/editing/PlexColumnGrid.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/SortSettings.h"
#include "platform/HintWindow.h"
#include "platform/ResourceCursors.h"

#include <QEvent>
#include <QStringList>

#include <string>

namespace {

// Counts the paint events the grid's window receives.
struct PaintCounter : QObject {
  int Paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

struct MoveGrid : EditorFormFixture {
  TPlexStringGrid* Grid = nullptr;
  QStringList Log;

  void TearDown() override { AppHints().Reset(); }

  template <class T = TPlexStringGrid>
  T* MakeGrid(int Cols = 5, int Rows = 5) {
    T* g = Make<T>(0, 0, 380, 200);
    Grid = g;
    Grid->SetColCount(Cols);
    Grid->SetRowCount(Rows);
    for (int c = 0; c < Cols; ++c) Grid->SetColWidths(c, 60);
    for (int r = 0; r < Rows; ++r) Grid->SetRowHeights(r, 24);
    ShowForm(400, 220);
    return g;
  }
  std::string Events() const { return Log.join(" | ").toStdString(); }
  TPoint At(int c, int r, int dx = -1, int dy = -1) const {
    const TRect cell = Grid->CellRect(c, r);
    return TPoint(dx < 0 ? (cell.Left + cell.Right) / 2 : cell.Left + dx,
                  dy < 0 ? (cell.Top + cell.Bottom) / 2 : cell.Top + dy);
  }
  void Move(TPoint p) { QTest::mouseMove(Grid->Widget(), QPoint(p.X, p.Y)); }
  void Press(TPoint p) { QTest::mousePress(Grid->Widget(), Qt::LeftButton, {}, QPoint(p.X, p.Y)); }
  void Release(TPoint p) { QTest::mouseRelease(Grid->Widget(), Qt::LeftButton, {}, QPoint(p.X, p.Y)); }
  void SetOption(TGridOption o, bool on) {
    TGridOptions opts = Grid->Options();
    if (on)
      opts.Include(o);
    else
      opts.Exclude(o);
    Grid->SetOptions(opts);
  }
};

// ---- hover

TEST_F(MoveGrid, HoverRowRepaintsOnceAlongARowAndLeavingClearsIt) {
  MakeGrid();
  Grid->SetHoverRow(true);
  PaintCounter counter;
  Grid->Widget()->installEventFilter(&counter);
  Move(At(1, 2));
  QApplication::processEvents();
  EXPECT_EQ(Grid->HoverRowIndex(), 2);
  EXPECT_GE(counter.Paints, 1);
  counter.Paints = 0;
  for (int c = 1; c < 5; ++c) {
    Move(At(c, 2, 5));
    Move(At(c, 2, 40));
    QApplication::processEvents();
  }
  EXPECT_EQ(counter.Paints, 0);
  Move(At(1, 3));
  QApplication::processEvents();
  EXPECT_EQ(Grid->HoverRowIndex(), 3);
  EXPECT_GE(counter.Paints, 1);
  Grid->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(Grid->HoverRowIndex(), -1);
  Grid->Widget()->removeEventFilter(&counter);
}

TEST_F(MoveGrid, FixedRowsHoverLightsTheColumnHeaderNotTheFixedColumn) {
  MakeGrid();
  Grid->HoverFixedCells = hfFixedRows;
  Move(At(2, 0));
  EXPECT_EQ(Grid->HoverFixedCell(), TPoint(2, 0));
  EXPECT_TRUE(Grid->IsHoverFixedCell(2, 0));
  Move(At(0, 3));
  EXPECT_EQ(Grid->HoverFixedCell(), TPoint(0, 3));
  EXPECT_FALSE(Grid->IsHoverFixedCell(0, 3));
  Move(At(2, 0));
  Grid->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(Grid->HoverFixedCell(), TPoint(-1, -1));
}

TEST_F(MoveGrid, MovingBetweenTwoLinksEntersTheSecondAndLeavingExitsTheLast) {
  MakeGrid();
  Grid->SetColWidths(2, 200);
  Grid->SetCells(2, 2, "<a href=\"one\">One</a> and <a href=\"two\">Two</a>");
  Grid->OnAnchorEnter = [this](TObject*, int r, int c, const QString& a) {
    Log << QString("Enter %1,%2 %3").arg(c).arg(r).arg(a);
  };
  Grid->OnAnchorExit = [this](TObject*, int r, int c, const QString& a) {
    Log << QString("Exit %1,%2 %3").arg(c).arg(r).arg(a);
  };
  // Find a point on each link by walking along the cell.
  const TRect cell = Grid->CellRect(2, 2);
  int onOne = -1, onTwo = -1;
  for (int x = cell.Left; x < cell.Right; ++x)
    for (int y = cell.Top + 2; y < cell.Bottom - 2; y += 3) {
      Move(TPoint(x, y));
      if (Grid->HoverAnchor() == "one" && onOne < 0) onOne = x * 1000 + y;
      if (Grid->HoverAnchor() == "two" && onTwo < 0) onTwo = x * 1000 + y;
    }
  ASSERT_GE(onOne, 0);
  ASSERT_GE(onTwo, 0);
  Move(At(1, 1));
  Log.clear();
  Move(TPoint(onOne / 1000, onOne % 1000));
  EXPECT_EQ(Grid->Cursor(), crHandPoint);
  Move(TPoint(onTwo / 1000, onTwo % 1000));
  Move(At(1, 1));
  EXPECT_EQ(Events(), "Enter 2,2 one | Enter 2,2 two | Exit 1,1 two");
  EXPECT_EQ(Grid->Cursor(), crDefault);
}

TEST_F(MoveGrid, ADragFromASelectedCellStartsOnlyBeyondThreePixels) {
  struct Case {
    int Distance;
    bool Drags;
  };
  for (const Case c : {Case{3, false}, Case{4, true}}) {
    MakeGrid();
    Grid->DragDropSettings().OleDropSource = true;
    Grid->OnOleDragStart = [this](TObject*, int r, int col) { Log << QString("DragStart %1,%2").arg(col).arg(r); };
    Grid->FocusCell(2, 2);
    Log.clear();
    const TPoint p = At(2, 2);
    Press(p);
    Move(TPoint(p.X + c.Distance, p.Y));
    Move(TPoint(p.X, p.Y + c.Distance));
    Release(TPoint(p.X, p.Y + c.Distance));
    EXPECT_EQ(Log.contains("DragStart 2,2"), c.Drags) << c.Distance;
    delete Grid;
    Log.clear();
  }
}

TEST_F(MoveGrid, SizeWithFormFollowsTheFormsResize) {
  MakeGrid();
  Grid->SizeWithForm = true;
  const int w = Grid->Width(), h = Grid->Height();
  Form->Widget()->resize(Form->Widget()->width() + 50, Form->Widget()->height() + 20);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Width(), w + 50);
  EXPECT_EQ(Grid->Height(), h + 20);
}

// ---- the cursor the move chooses

TEST_F(MoveGrid, HeaderHoverShowsTheSelectionCursorOfItsMode) {
  MakeGrid();
  Grid->MouseActions().ColSelect = true;
  Grid->MouseActions().RowSelect = true;
  Grid->MouseActions().AllSelect = true;
  SetOption(goColSizing, true);
  struct Case {
    TPoint At;
    TMouseSelectMode Mode;
    int Resource;
  };
  const Case cases[] = {
      {At(2, 0), msColumn, crSelectColumn},
      {At(0, 3), msRow, crSelectRow},
      {At(0, 0), msAll, crSelectAll},
      {At(2, 2), msNormal, 0},
      // On a header border the column sizes: no selection mode.
      {At(2, 0, 59), msNormal, 0},
  };
  for (const Case& c : cases) {
    Move(c.At);
    // The cursor follows on the next move, as the window system asks for it first.
    Move(TPoint(c.At.X + 1, c.At.Y));
    EXPECT_EQ(Grid->MouseSelectMode(), c.Mode) << c.At.X << "," << c.At.Y;
    EXPECT_EQ(ShownResourceCursor(Grid), c.Resource) << c.At.X << "," << c.At.Y;
  }
}

}  // namespace
