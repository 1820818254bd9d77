#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/DrawingProbe.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {
constexpr TColor NormalColour = 0xF0F0F0, FixedColour = 0xC8C8C8, SelectedColour = 0x800000, GridColour = 0xFFFFFF,
                 HoverColour = 0x00C0FF, ActiveColour = 0x00FFC0, LineColour = 0x202020, FixedLine = 0x606060;

// A grid that supplies its cells' colours, as the string grid does, and
// records the content rectangles it is handed.
class TLookGrid : public TBaseGrid {
public:
  explicit TLookGrid(TComponent* AOwner) : TBaseGrid(AOwner) {}
  using TBaseGrid::FHideLastRow;
  using TBaseGrid::FHoverRowIdx;
  bool Nodes = false;
  std::map<std::pair<int, int>, TColor> CellColours;
  std::map<std::pair<int, int>, int> Drawn;
  std::map<std::pair<int, int>, TRect> Content;

  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush& ABrush, TColor&,
                           TColor&, TColor&, TFont&, TAlignment&, TVAlignment&, bool&,
                           TCellGradientDirection&) override {
    if (AState.Contains(gdFixed))
      ABrush.Color = FixedColour;
    else if (AState.Contains(gdSelected))
      ABrush.Color = SelectedColour;
    else if (auto it = CellColours.find({ACol, ARow}); it != CellColours.end())
      ABrush.Color = it->second;
    else
      ABrush.Color = NormalColour;
  }
  bool HasNodes() override { return Nodes; }
  void DrawGridCell(TCanvas&, int ACol, int ARow, TRect ARect, TGridDrawState) override {
    ++Drawn[{ACol, ARow}];
    Content[{ACol, ARow}] = ARect;
  }
};

// Cells are 40 x 20 pixels; one fixed column and row.
struct BaseGridPaint : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TLookGrid* Grid = nullptr;
  std::unique_ptr<TBitmap> Sheet = paintprobe::Sheet(240, 120);
  void SetUp() override {
    Grid = new TLookGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 240, 120);
    Grid->SetColor(GridColour);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColCount(6);
    Grid->SetRowCount(6);
    Grid->SetGridLineColor(LineColour);
    Grid->SetGridFixedLineColor(FixedLine);
  }
  TColor At(int x, int y) { return drawprobe::At(*Sheet, x, y); }
  void Paint(int col, int row, TGridDrawState state = {}) {
    Grid->PaintCell(Sheet->Canvas(), col, row, Grid->CellRect(col, row), state);
  }
};
}  // namespace

TEST_F(BaseGridPaint, SelectionFrameEndKindsAndFocusSets) {
  Grid->SetSelectionStyle(ssOffice2007);
  Grid->SetSelection(TGridRect{2, 2, 4, 2});
  for (bool drawFocus : {true, false}) {
    TGridOptions o = Grid->Options();
    if (drawFocus)
      o.Include(goDrawFocusSelected);
    else
      o.Exclude(goDrawFocusSelected);
    Grid->SetOptions(o);
    const TSelectionColors& set = SelectionColorSets[drawFocus ? scsOffice2007 : scsUnfocused];
    for (int col : {2, 3, 4}) Paint(col, 2, {gdSelected});
    const char* which = drawFocus ? "focused set" : "grey set without the focus";
    // Column 2 (80..119) is the left end, 3 the middle, 4 (160..199) the right end.
    EXPECT_EQ(At(80, 40), GridColour) << which << ": outer corner of the left end";
    EXPECT_EQ(At(80, 45), set.Outer) << which;
    // The inside's first row (42) is the gradient's start.
    EXPECT_EQ(At(118, 42), set.Fill) << which << ": no right edge at the left end";
    EXPECT_EQ(At(120, 40), set.Outer) << which << ": the middle has only its top and bottom lines";
    EXPECT_EQ(At(120, 42), set.Fill) << which;
    EXPECT_EQ(At(160, 42), set.Fill) << which << ": no left edge at the right end";
    EXPECT_EQ(At(198, 45), set.Outer) << which;
    EXPECT_EQ(At(198, 40), GridColour) << which << ": outer corner of the right end";
    EXPECT_EQ(At(100, 59), LineColour) << which << ": the grid line below the frame";
  }
}

TEST_F(BaseGridPaint, DefaultStyleFillsASelectedCellWithItsColour) {
  Paint(2, 2, {gdSelected});
  EXPECT_EQ(At(100, 50), SelectedColour);
  EXPECT_EQ(At(81, 41), SelectedColour) << "no frame";
}

TEST_F(BaseGridPaint, HoverRowCells) {
  Grid->SetHoverRow(true);
  Grid->SetHoverRowColor(HoverColour);
  Grid->FHoverRowIdx = 2;
  struct Case {
    THoverRowCells cells;
    TColor normal, selected, fixed;
  } cases[] = {
      {{hcNormal}, HoverColour, SelectedColour, FixedColour},
      {{hcNormal, hcSelected}, HoverColour, HoverColour, FixedColour},
      {{hcFixed}, HoverColour, SelectedColour, HoverColour},  // normal cells always hover
  };
  for (const Case& c : cases) {
    Grid->SetHoverRowCells(c.cells);
    Paint(1, 2);
    Paint(3, 2, {gdSelected});
    Paint(0, 2, {gdFixed});
    EXPECT_EQ(At(60, 50), c.normal);
    EXPECT_EQ(At(140, 50), c.selected);
    EXPECT_EQ(At(20, 50), c.fixed);
    Paint(1, 3);
    EXPECT_EQ(At(60, 70), NormalColour) << "other rows keep their colours";
  }
}

TEST_F(BaseGridPaint, ActiveRowSkipsTheCurrentCellAndWinsOverHover) {
  Grid->SetActiveRowShow(true);
  Grid->SetActiveRowColor(ActiveColour);
  Grid->SetHoverRow(true);
  Grid->SetHoverRowColor(HoverColour);
  Grid->FHoverRowIdx = 2;
  Grid->SetSelection(TGridRect{3, 2, 3, 2});
  for (int col = 0; col < 6; ++col)
    Paint(col, 2,
          col == 0   ? TGridDrawState{gdFixed}
          : col == 3 ? TGridDrawState{gdSelected, gdFocused}
                     : TGridDrawState{});
  EXPECT_EQ(At(60, 50), ActiveColour);
  EXPECT_EQ(At(180, 50), ActiveColour);
  EXPECT_EQ(At(140, 50), HoverColour) << "the current cell itself is not in the active colour";
  EXPECT_EQ(At(20, 50), FixedColour);
}

TEST_F(BaseGridPaint, LineWidthsAndContentRectangles) {
  struct Case {
    int width;
    TColor below, at;  // colours at rows 36 and 39 of cell (1, 1) (20..39)
    TRect content;
  } cases[] = {
      {1, NormalColour, LineColour, TRect(41, 21, 79, 39)},
      {3, LineColour, LineColour, TRect(43, 23, 77, 37)},  // 3-pixel pen centred at row 38 and column 78
      {0, NormalColour, NormalColour, TRect(40, 20, 80, 40)},
  };
  for (const Case& c : cases) {
    Grid->SetGridLineWidth(c.width);
    Paint(1, 1);
    EXPECT_EQ(At(60, 37), c.below) << c.width;
    EXPECT_EQ(At(60, 39), c.at) << c.width;
    EXPECT_EQ(At(79, 30), c.at) << c.width << ": right line";
    EXPECT_EQ(At(60, 35), NormalColour) << c.width;
    EXPECT_EQ((Grid->Content[{1, 1}]), c.content) << c.width;
  }
  Paint(1, 0, {gdFixed});
  EXPECT_EQ(At(60, 19), FixedLine) << "fixed cells: one-pixel lines in the fixed colour";
  EXPECT_EQ(At(79, 10), FixedLine);
  EXPECT_EQ((Grid->Content[{1, 0}]), TRect(40, 0, 79, 18));
}

TEST_F(BaseGridPaint, NodeColumnAndRightToLeftLines) {
  Grid->Nodes = true;
  Paint(0, 2, {gdFixed});
  Paint(1, 2);
  EXPECT_EQ(At(20, 59), FixedColour) << "no bottom line in column 0 of a grid with nodes";
  EXPECT_EQ(At(60, 59), LineColour);
  Grid->Nodes = false;
  Grid->SetBiDiMode(bdRightToLeft);
  Grid->SetSelectionStyle(ssWin7);
  Sheet->Canvas().Brush().Color = clWhite;
  Sheet->Canvas().FillRect(TRect(0, 0, 240, 120));
  Paint(2, 3);
  EXPECT_EQ(At(120, 70), LineColour) << "the right line one pixel further right";
  EXPECT_EQ(At(119, 70), NormalColour);
  Grid->SetSelection(TGridRect{1, 1, 1, 1});
  Paint(1, 1, {gdSelected});
  // The frame of (40, 20, 80, 40) grows to (40, 20, 81, 41): its right edge at x 79, its inner bottom
  // line at y 38 (the outer one at 39 lies under the grid line).
  EXPECT_EQ(At(79, 25), SelectionColorSets[scsUnfocused].Outer);
  EXPECT_EQ(At(60, 38), SelectionColorSets[scsUnfocused].InnerBottom);
}

TEST_F(BaseGridPaint, TheFocusedSetNeedsTheFocus) {
  Grid->SetSelectionStyle(ssVista);
  Grid->SetSelection(TGridRect{2, 2, 2, 2});
  Form->Show();
  Grid->SetFocus();
  QCoreApplication::processEvents();
  if (!Grid->Focused()) GTEST_SKIP() << "no input focus on this display";
  Paint(2, 2, {gdSelected, gdFocused});
  EXPECT_EQ(At(80, 45), SelectionColorSets[scsVista].Outer);
}

TEST_F(BaseGridPaint, HiddenLastRowShowsOnlyTheGridColour) {
  Grid->FHideLastRow = true;
  Sheet->Canvas().Brush().Color = clBlack;
  Sheet->Canvas().FillRect(TRect(0, 0, 240, 120));
  Grid->SetRowCount(5);
  Paint(1, 4);
  EXPECT_EQ(At(60, 90), GridColour);
  EXPECT_EQ(At(79, 99), GridColour) << "no lines";
  EXPECT_EQ((Grid->Drawn[{1, 4}]), 0) << "no content";
}

TEST_F(BaseGridPaint, PaintCellExtKeepsTheRectangleAndPaintsNoContent) {
  Grid->SetActiveRowColor(ActiveColour);
  Grid->PaintCellExt(Sheet->Canvas(), 2, 0, TRect(120, 80, 160, 100), {gdSelected});
  EXPECT_EQ(At(140, 90), ActiveColour) << "a selected cell takes the active-row colours";
  EXPECT_EQ(At(100, 10), clWhite) << "the cell's own place is not painted";
  EXPECT_EQ((Grid->Drawn[{2, 0}]), 0);
}

TEST_F(BaseGridPaint, AMergedBlockIsPaintedOncePerPassAsOneRectangle) {
  Grid->MergeCells(1, 1, 2, 2);
  Grid->CellColours[{1, 1}] = 0x0000C0;
  Form->SetClientWidth(240);
  Form->SetClientHeight(120);
  Grid->Drawn.clear();
  const int pass = Grid->PaintID();
  TBitmap shot;
  PaintControlTo(Grid, shot);
  EXPECT_EQ(Grid->PaintID(), pass + 1);
  EXPECT_EQ((Grid->Drawn[{1, 1}]), 2) << "once for the base cell, once for its first non-base cell";
  EXPECT_EQ((Grid->Drawn[{2, 1}]) + (Grid->Drawn[{1, 2}]) + (Grid->Drawn[{2, 2}]), 0);
  EXPECT_EQ((Grid->Content[{1, 1}]), TRect(41, 21, 119, 59));
  EXPECT_EQ(drawprobe::At(shot, 79, 39), 0x0000C0) << "no grid lines inside the block";
  EXPECT_EQ(drawprobe::At(shot, 100, 50), 0x0000C0) << "cells that paint nothing are covered by the block";
  EXPECT_EQ(drawprobe::At(shot, 100, 59), LineColour) << "the block's own lines";
  EXPECT_EQ(drawprobe::At(shot, 119, 30), LineColour);
  PaintControlTo(Grid, shot);
  EXPECT_EQ((Grid->Drawn[{1, 1}]), 4) << "due again in the next pass";
}

TEST_F(BaseGridPaint, ABlockWithItsBaseCellScrolledOutIsClippedToTheScrollingArea) {
  Grid->MergeCells(1, 1, 2, 3);
  Grid->CellColours[{1, 1}] = 0x0000C0;
  Grid->SetTopRow(2);
  TBitmap shot;
  PaintControlTo(Grid, shot);
  EXPECT_GE((Grid->Drawn[{1, 1}]), 1) << "painted through a visible cell of the block";
  EXPECT_EQ((Grid->Content[{1, 1}]), TRect(41, 1, 119, 59)) << "the whole block, reaching under the fixed row";
  EXPECT_EQ(drawprobe::At(shot, 60, 10), FixedColour) << "the fixed row is not painted over";
  EXPECT_EQ(drawprobe::At(shot, 60, 30), 0x0000C0);
  EXPECT_EQ(drawprobe::At(shot, 100, 50), 0x0000C0);
}

// A grid in each selection style, with and without the focused look, for the eye.
TEST_F(BaseGridPaint, SheetOfTheSelectionStyles) {
  Grid->SetColCount(6);
  Grid->SetRowCount(6);
  Grid->MergeCells(4, 3, 2, 2);
  Grid->CellColours[{4, 3}] = 0xE0C0FF;
  Grid->SetCellEx(4, 3, "merged");
  Grid->SetHoverRow(true);
  Grid->SetHoverRowColor(HoverColour);
  Grid->FHoverRowIdx = 4;
  Grid->SetActiveRowShow(true);
  Grid->SetActiveRowColor(ActiveColour);
  Grid->SetSelection(TGridRect{1, 2, 3, 2});
  TBitmap sheet(2 * 250, 4 * 130);
  const TGridSelectionStyle styles[] = {ssDefault, ssVista, ssWin7, ssOffice2007};
  for (int s = 0; s < 4; ++s) {
    for (int focused = 0; focused < 2; ++focused) {
      Grid->SetSelectionStyle(styles[s]);
      TGridOptions o = Grid->Options();
      if (focused)
        o.Include(goDrawFocusSelected);
      else
        o.Exclude(goDrawFocusSelected);
      Grid->SetOptions(o);
      TBitmap shot;
      PaintControlTo(Grid, shot);
      sheet.Canvas().Draw(focused * 250, s * 130, shot);
      if (styles[s] != ssDefault) {
        const TSelectionColors& set = SelectionColorSets[focused ? int(styles[s]) : int(scsUnfocused)];
        EXPECT_EQ(drawprobe::At(shot, 40, 45), set.Outer) << "style " << s << " focused " << focused;
      }
    }
  }
  drawprobe::SaveShot(sheet, "grid-selection-styles");
}

// Pictures of the base grid: where its lines go, what is left to the content,
// and that a changed look reaches the screen without being asked for.
namespace {

// Fills the rectangle handed to the content in lime, so a picture shows it.
class TMarkingGrid : public TBaseGrid {
public:
  using TBaseGrid::TBaseGrid;
  void DrawGridCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    ACanvas.Brush().Color = clLime;
    ACanvas.FillRect(ARect);
  }
};

// A shown grid of 4 x 4 cells of 40 x 20, white, with black lines.
struct BaseGridPicture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TMarkingGrid* Grid = nullptr;
  void SetUp() override {
    Grid = new TMarkingGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetColCount(4);
    Grid->SetRowCount(4);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Grid->SetBounds(0, 0, 160, 80);
    Grid->SetColor(clWhite);
    Grid->SetFixedColor(clWhite);
    Grid->SetGridLineColor(clBlack);
    Grid->SetGridFixedLineColor(clBlue);
    Form->SetClientWidth(170);
    Form->SetClientHeight(90);
    Form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  QImage Picture() const { return Grid->Widget()->grab().toImage(); }
  // The smallest rectangle of `cell` holding every pixel of `color`.
  TRect Ink(const QImage& img, TRect cell, TColor color) const {
    int l = cell.Right, t = cell.Bottom, r = -1, b = -1;
    for (int y = cell.Top; y < cell.Bottom; ++y)
      for (int x = cell.Left; x < cell.Right; ++x)
        if (FromQColor(img.pixelColor(x, y)) == color) {
          l = std::min(l, x);
          t = std::min(t, y);
          r = std::max(r, x);
          b = std::max(b, y);
        }
    return r < 0 ? TRect() : TRect(l, t, r + 1, b + 1);
  }
};

}  // namespace

TEST_F(BaseGridPicture, TheContentGetsTheCellLessItsLines) {
  struct Case {
    int LineWidth;
    TGridCoord Cell;
    // The content's rectangle relative to the cell's corners.
    int Left, Top, RightCut, BottomCut;
    TColor Line;
  };
  // A fixed cell always has a one-pixel line and keeps one more pixel free
  // above it; a normal cell loses its line width on every side.
  const Case cases[] = {
      {1, {0, 0}, 0, 0, 1, 2, clBlue}, {1, {0, 2}, 0, 0, 1, 2, clBlue},  {1, {2, 0}, 0, 0, 1, 2, clBlue},
      {3, {0, 2}, 0, 0, 1, 2, clBlue}, {1, {2, 2}, 1, 1, 1, 1, clBlack}, {3, {2, 2}, 3, 3, 3, 3, clBlack},
  };
  for (const Case& c : cases) {
    Grid->SetGridLineWidth(c.LineWidth);
    const QImage img = Picture();
    const TRect cell = Grid->CellRect(c.Cell.X, c.Cell.Y);
    const std::string where =
        "cell " + std::to_string(c.Cell.X) + "," + std::to_string(c.Cell.Y) + " line " + std::to_string(c.LineWidth);
    EXPECT_EQ(Ink(img, cell, clLime),
              TRect(cell.Left + c.Left, cell.Top + c.Top, cell.Right - c.RightCut, cell.Bottom - c.BottomCut))
        << where;
    EXPECT_EQ(FromQColor(img.pixelColor(cell.Right - 1, cell.Top + 5)), c.Line) << where;
    EXPECT_EQ(FromQColor(img.pixelColor(cell.Left + 5, cell.Bottom - 1)), c.Line) << where;
  }
}

TEST_F(BaseGridPicture, AChangedLookIsRepaintedWithoutBeingAsked) {
  struct Case {
    const char* Name;
    std::function<void(TBaseGrid&)> Change;
  };
  const Case cases[] = {
      {"line colour", [](TBaseGrid& g) { g.SetGridLineColor(clRed); }},
      {"fixed line colour", [](TBaseGrid& g) { g.SetGridFixedLineColor(clRed); }},
      {"line width", [](TBaseGrid& g) { g.SetGridLineWidth(2); }},
      {"selection style", [](TBaseGrid& g) { g.SetSelectionStyle(ssOffice2007); }},
      {"active row", [](TBaseGrid& g) { g.SetActiveRowShow(true); }},
      {"active row colour", [](TBaseGrid& g) { g.SetActiveRowColor(clRed); }},
  };
  for (const Case& c : cases) {
    QApplication::processEvents();
    const int pass = Grid->PaintID();
    c.Change(*Grid);
    QTest::qWait(20);
    EXPECT_GT(Grid->PaintID(), pass) << c.Name;
  }
  // What was painted is the new look.
  const QImage img = Picture();
  const TRect normal = Grid->CellRect(2, 2), fixed = Grid->CellRect(0, 2);
  EXPECT_EQ(FromQColor(img.pixelColor(normal.Right - 1, normal.Top + 5)), clRed);
  EXPECT_EQ(FromQColor(img.pixelColor(fixed.Right - 1, fixed.Top + 5)), clRed);
}
