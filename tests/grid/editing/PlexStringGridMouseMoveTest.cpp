// The mouse moving over a shown grid: hover, links, the drag threshold,
// sizing and moving by mouse, driven through the window system.
#include "grid/core/PlexStringGrid.h"

#include "EditorFormFixture.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/editing/PlexColumnGrid.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/PlexObj.h"
#include "platform/AppStyles.h"
#include "platform/HintWindow.h"
#include "platform/PopupWindows.h"
#include "platform/ResourceCursors.h"
#include "platform/Screenshot.h"
#include "platform/internal/Painting.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdlib>
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

TEST_F(MoveGrid, FixedBordersShowTheSplitCursors) {
  MakeGrid();
  Grid->MouseActions().SizeFixedCol = true;
  Grid->MouseActions().SizeFixedRow = true;
  struct Case {
    TPoint At;
    Qt::CursorShape Shape;
  };
  const Case cases[] = {
      {TPoint(60, 80), Qt::SplitHCursor},
      {TPoint(100, 24), Qt::SplitVCursor},
      {TPoint(100, 80), Qt::ArrowCursor},
  };
  for (const Case& c : cases) {
    Move(c.At);
    Move(TPoint(c.At.X, c.At.Y + (c.Shape == Qt::SplitVCursor ? 0 : 1)));
    Move(TPoint(c.At.X + (c.Shape == Qt::SplitHCursor ? 0 : 1), c.At.Y));
    EXPECT_EQ(Grid->Widget()->cursor().shape(), c.Shape) << c.At.X << "," << c.At.Y;
  }
  EXPECT_EQ(Grid->Cursor(), crDefault);
}

// ---- sizing and moving by mouse

TEST_F(MoveGrid, FixedColumnSizingReportsColumnZeroAndTheMouseThenSetsTheWidth) {
  MakeGrid();
  Grid->MouseActions().SizeFixedCol = true;
  Grid->OnColumnSizing = [this](TObject*, int c, int size) { Log << QString("Sizing %1 %2").arg(c).arg(size); };
  Grid->OnEndColumnSize = [this](TObject*, int c) { Log << QString("End %1").arg(c); };
  Grid->OnUpdateColumnSize = [this](TObject*, int c, int& w) { Log << QString("Update %1 %2").arg(c).arg(w); };
  const int y = At(0, 2).Y;
  Move(TPoint(59, y));
  Move(TPoint(60, y));
  Move(TPoint(61, y));
  Press(TPoint(60, y));
  Move(TPoint(75, y));
  Move(TPoint(90, y));
  Release(TPoint(90, y));
  EXPECT_EQ(Events(), "Sizing 0 75 | Sizing 0 90 | End 0 | Update 0 90");
  EXPECT_EQ(Grid->ColWidths(0), 90);
}

TEST_F(MoveGrid, SizingHintShowsTheWidthWhileSizingAndHidesOnRelease) {
  MakeGrid();
  SetOption(goColSizing, true);
  Grid->HintShowSizing = true;
  Grid->OnColumnSizing = [this](TObject*, int c, int size) { Log << QString("Sizing %1 %2").arg(c).arg(size); };
  const TRect header = Grid->CellRect(2, 0);
  const int y = (header.Top + header.Bottom) / 2;
  Move(TPoint(header.Right - 1, y));
  Press(TPoint(header.Right, y));
  Move(TPoint(header.Left + 80, y));
  Move(TPoint(header.Left + 87, y));
  ASSERT_NE(Grid->SizingHintWindow(), nullptr);
  EXPECT_TRUE(Grid->SizingHintShown());
  EXPECT_EQ(Grid->SizingHintWindow()->HintText(), "cw=<b>87</b>");
  EXPECT_TRUE(Grid->SizingHintWindow()->HintShown());
  const TPoint corner = Grid->ClientToScreen(TPoint(header.Left, header.Top));
  EXPECT_EQ(Grid->SizingHintWindow()->HintRect().Left, corner.X);
  EXPECT_EQ(Grid->SizingHintWindow()->HintRect().Top, corner.Y);
  Release(TPoint(header.Left + 87, y));
  EXPECT_FALSE(Grid->SizingHintShown());
  EXPECT_FALSE(Grid->SizingHintWindow()->HintShown());
  EXPECT_EQ(Grid->ColWidths(2), 87);
  EXPECT_EQ(Log.last().toStdString(), "Sizing 2 87");
}

TEST_F(MoveGrid, BorderDoubleClickSizesAndTheNextReleaseDoesNotSort) {
  struct Case {
    int Col;
    bool LeftBorder;
    int SizedCol;  // -1: nothing sized
  };
  // The first normal column's left border has the fixed column before it: nothing sizes.
  const Case cases[] = {{1, true, -1}, {3, true, 2}, {3, false, 3}};
  for (const Case& c : cases) {
    MakeGrid();
    SetOption(goColSizing, true);
    for (int r = 1; r < 5; ++r)
      for (int col = 1; col < 5; ++col) Grid->SetCells(col, r, QString(r % 2 ? "a long long text %1" : "b %1").arg(r));
    Grid->OnClickSort = [this](TObject*, int col) { Log << QString("Sort %1").arg(col); };
    const TRect h = Grid->CellRect(c.Col, 0);
    const TPoint p(c.LeftBorder ? h.Left + 1 : h.Right - 2, (h.Top + h.Bottom) / 2);
    Grid->Perform(WM_LBUTTONDBLCLK, 1, MakeLParam(p.X, p.Y));
    Grid->Perform(WM_LBUTTONUP, 0, MakeLParam(p.X, p.Y));
    for (int col = 1; col < 5; ++col) EXPECT_EQ(Grid->ColWidths(col) != 60, col == c.SizedCol) << c.Col << " " << col;
    EXPECT_FALSE(Log.contains(QString("Sort %1").arg(c.Col))) << c.Col;
    delete Grid;
    Log.clear();
  }
}

TEST_F(MoveGrid, MovingAColumnMovesTheSortColumnAlong) {
  MakeGrid(7, 4);
  for (int c = 0; c < 7; ++c) Grid->SetCells(c, 0, QString("H%1").arg(c));
  Grid->SortSettings().Column = 5;
  Grid->MoveColumn(2, 5);
  EXPECT_EQ(Grid->SortSettings().Column, 4);
  EXPECT_EQ(Grid->Cells(5, 0), "H2");
  Grid->MoveColumn(5, 2);
  EXPECT_EQ(Grid->SortSettings().Column, 5);
}

TEST_F(MoveGrid, EnhancedColumnDragMovesOnlyOnADropCursorOverANormalColumn) {
  struct Case {
    const char* Name;
    int Target;
    bool Refuse;
    const char* Headers;
  };
  const Case cases[] = {
      {"dropped", 4, false, "H0 H1 H3 H4 H2"},
      {"no-drop cursor", 4, true, "H0 H1 H2 H3 H4"},
      {"fixed column", 0, false, "H0 H1 H2 H3 H4"},
  };
  for (const Case& c : cases) {
    MakeGrid();
    SetOption(goColMoving, true);
    for (int col = 0; col < 5; ++col) Grid->SetCells(col, 0, QString("H%1").arg(col));
    Grid->OnColumnMoving = [&](TObject*, int, bool& allow) {
      if (c.Refuse) allow = false;
    };
    const TPoint from = At(2, 0);
    Move(from);
    Press(from);
    Move(TPoint(from.X + 10, from.Y));
    Move(At(c.Target, 0));
    EXPECT_EQ(Grid->Cursor(), c.Refuse ? crNoDrop : crDrag) << c.Name;
    Release(At(c.Target, 0));
    QStringList headers;
    for (int col = 0; col < 5; ++col) headers << Grid->Cells(col, 0);
    EXPECT_EQ(headers.join(' ').toStdString(), c.Headers) << c.Name;
    EXPECT_EQ(Grid->GridState(), gsNormal) << c.Name;
    EXPECT_EQ(Grid->Cursor(), crDefault) << c.Name;
    delete Grid;
  }
}

TEST_F(MoveGrid, EnhancedRowDragShowsTheSideArrowsAtTheEdgeWhereTheRowLands) {
  struct Case {
    int From;
    int Target;
    bool AtTop;  // a row dragged upwards lands above the target
    const char* Order;
  };
  const Case cases[] = {{4, 2, true, "R0 R1 R4 R2 R3"}, {1, 3, false, "R0 R2 R3 R1 R4"}};
  for (const Case& c : cases) {
    MakeGrid();
    SetOption(goRowMoving, true);
    for (int r = 0; r < 5; ++r) Grid->SetCells(0, r, QString("R%1").arg(r));
    const TPoint from = At(0, c.From);
    Move(from);
    Press(from);
    Move(TPoint(from.X, from.Y + 3));
    Move(At(0, c.Target));
    // The arrows mark the row reached at the previous step.
    Move(At(0, c.Target, 10));
    TArrowWindow* left = Grid->MoveArrow(2);
    TArrowWindow* right = Grid->MoveArrow(3);
    ASSERT_TRUE(left && right);
    EXPECT_EQ(left->Dir(), arrLeft);
    EXPECT_EQ(right->Dir(), arrRight);
    EXPECT_TRUE(left->Visible()) << c.From;
    EXPECT_TRUE(right->Visible()) << c.From;
    EXPECT_FALSE(Grid->MoveArrow(0)->Visible());
    const TRect cell = Grid->CellRect(0, c.Target);
    const TPoint edge = Grid->ClientToScreen(TPoint(cell.Left, (c.AtTop ? cell.Top : cell.Bottom) - 5));
    EXPECT_EQ(TPoint(left->Left(), left->Top()), TPoint(edge.X - 10, edge.Y)) << c.From;
    EXPECT_EQ(right->Left(), Grid->ClientToScreen(TPoint(cell.Right, 0)).X) << c.From;
    Release(At(0, c.Target, 10));
    EXPECT_FALSE(left->Visible());
    EXPECT_FALSE(right->Visible());
    QStringList rows;
    for (int r = 0; r < 5; ++r) rows << Grid->Cells(0, r);
    EXPECT_EQ(rows.join(' ').toStdString(), c.Order) << c.From;
    delete Grid;
  }
}

// The side arrows drawn into the form's picture where the window system would show them.
TEST_F(MoveGrid, ScreenshotOfTheSideArrowsOfARowDrag) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  MakeGrid();
  Grid->SetBounds(20, 10, 360, 200);
  SetOption(goRowMoving, true);
  for (int r = 0; r < 5; ++r) Grid->SetCells(0, r, QString("Row %1").arg(r));
  QApplication::processEvents();
  const TPoint from = At(0, 4);
  Move(from);
  Press(from);
  Move(TPoint(from.X, from.Y - 3));
  Move(At(0, 2));
  Move(At(0, 2, 10));
  const QString path = QString(shots) + "/row-move-arrows.png";
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  QImage picture(path);
  QPainter painter(&picture);
  const QPoint origin = Form->Widget()->mapToGlobal(QPoint(0, 0));
  for (int i = 2; i < 4; ++i) {
    TArrowWindow* a = Grid->MoveArrow(i);
    ASSERT_TRUE(a->Visible());
    const QRegion shape = GetWindowRgn(a).ToQRegion().translated(a->Left() - origin.x(), a->Top() - origin.y());
    for (const QRect& r : shape) painter.fillRect(r, ToQColor(a->Color()));
  }
  painter.end();
  picture.save(path);
  Release(At(0, 2, 10));
}

TEST_F(MoveGrid, TheFloatingFootersRowIsNeitherMovedNorArmedForRowSelection) {
  MakeGrid();
  Grid->MouseActions().RowSelect = true;
  for (int r = 0; r < 5; ++r) Grid->SetCells(1, r, QString("R%1").arg(r));
  Grid->SetRowHeights(2, 30);
  Grid->FloatingFooter().FooterStyle = fsFixedLastRow;
  Grid->FloatingFooter().SetVisible(true);
  const auto order = [this] {
    QStringList rows;
    for (int r = 0; r < 5; ++r) rows << Grid->Cells(1, r);
    return rows.join(' ').toStdString();
  };
  Grid->MoveRow(2, 4);
  Grid->MoveRow(4, 1);
  EXPECT_EQ(order(), "R0 R1 R2 R3 R4");
  EXPECT_EQ(Grid->RowHeights(2), 30);
  EXPECT_EQ(Grid->RowHeights(4), 24);
  Grid->MoveRow(2, 3);
  EXPECT_EQ(order(), "R0 R1 R3 R2 R4");
  EXPECT_EQ(Grid->RowHeights(3), 30);
  // Over the footer's header cell no row selection is armed; without the footer it is.
  Move(At(0, 4));
  Move(At(0, 4, 10));
  EXPECT_EQ(Grid->MouseSelectMode(), msNormal);
  Grid->FloatingFooter().SetVisible(false);
  Move(At(0, 4, 12));
  EXPECT_EQ(Grid->MouseSelectMode(), msRow);
}

TEST_F(MoveGrid, ASynchronisedGridMovesTheSameColumnOrRowOnce) {
  struct Case {
    bool Columns;
    bool Synced;
    const char* Other;
  };
  const Case cases[] = {
      {true, true, "0 2 3 1 4"},
      {true, false, "0 1 2 3 4"},
      {false, true, "0 2 3 1 4"},
      {false, false, "0 1 2 3 4"},
  };
  for (const Case& c : cases) {
    MakeGrid();
    auto* other = Make<TPlexStringGrid>(0, 0, 200, 100);
    other->SetColCount(5);
    other->SetRowCount(5);
    for (int i = 0; i < 5; ++i) {
      Grid->SetCells(i, i, QString::number(i));
      other->SetCells(c.Columns ? i : 0, c.Columns ? 0 : i, QString::number(i));
    }
    // Each grid names the other: the move must not come back.
    Grid->SyncGrid().SetGrid(other);
    other->SyncGrid().SetGrid(Grid);
    Grid->SyncGrid().MoveColumn = Grid->SyncGrid().MoveRow = c.Synced;
    other->SyncGrid().MoveColumn = other->SyncGrid().MoveRow = true;
    if (c.Columns)
      Grid->MoveColumn(1, 3);
    else
      Grid->MoveRow(1, 3);
    QStringList seen;
    for (int i = 0; i < 5; ++i) seen << other->Cells(c.Columns ? i : 0, c.Columns ? 0 : i);
    EXPECT_EQ(seen.join(' ').toStdString(), c.Other) << c.Columns << c.Synced;
    // This grid moved once: the moved entry sits at 3.
    EXPECT_EQ(Grid->Cells(c.Columns ? 3 : 1, c.Columns ? 1 : 3), "1") << c.Columns << c.Synced;
    delete other;
    delete Grid;
  }
}

TEST_F(MoveGrid, AHiddenRowsCellsMoveWithTheirColumn) {
  MakeGrid();
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 5; ++r) Grid->SetCells(c, r, QString("%1.%2").arg(c).arg(r));
  Grid->HideRow(2);
  Grid->MoveColumn(1, 3);
  Grid->UnHideRow(2);
  QStringList row2, row3;
  for (int c = 0; c < 5; ++c) {
    row2 << Grid->Cells(c, 2);
    row3 << Grid->Cells(c, 3);
  }
  EXPECT_EQ(row2.join(' ').toStdString(), "0.2 2.2 3.2 1.2 4.2");
  EXPECT_EQ(row3.join(' ').toStdString(), "0.3 2.3 3.3 1.3 4.3");
}

// ---- style and panning

TEST_F(MoveGrid, AStyleChangeGivesTheGridTheStylesColours) {
  MakeGrid();
  const TColor plain = Grid->Color();
  Grid->Perform(CM_STYLECHANGED);
  EXPECT_EQ(Grid->Color(), plain);
  auto owned = std::make_unique<TFakeAppStyleServices>();
  TFakeAppStyleServices& styles = *owned;
  SetAppStyleServices(std::move(owned));
  Grid->Perform(CM_STYLECHANGED);
  EXPECT_EQ(Grid->Color(), styles.NormalColor);
  EXPECT_EQ(Grid->GridLineColor(), styles.BorderColors[aseGridNormalCell]);
  EXPECT_EQ(Grid->Font().Color(), styles.TextColors[aseGridNormalCell]);
  EXPECT_EQ(Grid->FixedFont().Color(), styles.TextColors[aseGridFixedCell]);
  SetAppStyleServices(nullptr);
}

TEST_F(MoveGrid, PanningShowsTheIndicatorOfItsDirectionsAtThePanPoint) {
  struct Case {
    TIntelliPan Pan;
    bool Vertical;
    bool Horizontal;
    const char* Shot;
  };
  const Case cases[] = {
      {ipBoth, true, true, "pan-both.png"},
      {ipHorizontal, false, true, "pan-horizontal.png"},
      {ipVertical, true, false, "pan-vertical.png"},
  };
  const auto dark = [](TColor c) { return GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80; };
  for (const Case& c : cases) {
    MakeGrid();
    Grid->IntelliPan = c.Pan;
    const TPoint p = At(2, 2, 2, 2);
    Grid->Perform(WM_MBUTTONDOWN, 0, MakeLParam(p.X, p.Y));
    ASSERT_TRUE(Grid->Panning());
    // The corner is the picture's key colour, shown white; the middle dot is dark.
    EXPECT_EQ(PaintedPixel(Grid, p.X, p.Y), clWhite);
    EXPECT_TRUE(dark(PaintedPixel(Grid, p.X + 15, p.Y + 15)));
    EXPECT_EQ(dark(PaintedPixel(Grid, p.X + 15, p.Y + 6)), c.Vertical) << c.Shot;
    EXPECT_EQ(dark(PaintedPixel(Grid, p.X + 15, p.Y + 25)), c.Vertical) << c.Shot;
    EXPECT_EQ(dark(PaintedPixel(Grid, p.X + 6, p.Y + 15)), c.Horizontal) << c.Shot;
    EXPECT_EQ(dark(PaintedPixel(Grid, p.X + 25, p.Y + 15)), c.Horizontal) << c.Shot;
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      EXPECT_TRUE(SaveWidgetScreenshot(Grid->Widget(), QString(shots) + "/" + c.Shot));
    }
    Grid->Perform(WM_LBUTTONDOWN, 0, MakeLParam(p.X, p.Y));
    EXPECT_FALSE(Grid->Panning());
    EXPECT_FALSE(dark(PaintedPixel(Grid, p.X + 15, p.Y + 15)));
    delete Grid;
  }
}

}  // namespace

namespace {

// The wheel hooks the grid's window procedure calls once the parent let the wheel through.
struct TWheelGrid : TPlexStringGrid {
  using TPlexStringGrid::DoMouseWheelDown;
  using TPlexStringGrid::DoMouseWheelUp;
  using TPlexStringGrid::TPlexStringGrid;
};

TEST_F(MoveGrid, WheelHooksMoveTheRowOnlyWhenTheWheelMovesTheSelection) {
  struct Case {
    TWheelAction Action;
    bool Enabled;
    bool HandledByEvent;
    int RowAfterDown;
    bool Result;
  };
  const Case cases[] = {
      {waMoveSelection, true, false, 3, true},
      {waScroll, true, false, 2, false},
      {waScroll, true, true, 2, true},
      {waMoveSelection, false, false, 2, false},
  };
  for (const Case& c : cases) {
    auto* g = MakeGrid<TWheelGrid>();
    g->MouseActions().SetWheelAction(c.Action);
    g->EnableWheel = c.Enabled;
    g->MouseActions().DirectEdit = true;
    g->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) { handled = c.HandledByEvent; };
    g->FocusCell(2, 2);
    EXPECT_EQ(g->DoMouseWheelDown(TShiftState(), TPoint(10, 10)), c.Result) << c.Action << c.Enabled;
    EXPECT_EQ(g->Row(), c.RowAfterDown) << c.Action << c.Enabled;
    // No editor opens on the move, and DirectEdit comes back.
    EXPECT_FALSE(g->EditorMode());
    EXPECT_TRUE(g->MouseActions().DirectEdit);
    delete g;
  }
}

}  // namespace
