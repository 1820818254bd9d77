// Pictures of the base grid: where its lines go, what is left to the content,
// and that a changed look reaches the screen without being asked for.
#include "grid/foundation/BaseGrid.h"

#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
      {1, {0, 0}, 0, 0, 1, 2, clBlue}, {1, {0, 2}, 0, 0, 1, 2, clBlue}, {1, {2, 0}, 0, 0, 1, 2, clBlue},
      {3, {0, 2}, 0, 0, 1, 2, clBlue}, {1, {2, 2}, 1, 1, 1, 1, clBlack}, {3, {2, 2}, 3, 3, 3, 3, clBlack},
  };
  for (const Case& c : cases) {
    Grid->SetGridLineWidth(c.LineWidth);
    const QImage img = Picture();
    const TRect cell = Grid->CellRect(c.Cell.X, c.Cell.Y);
    const std::string where = "cell " + std::to_string(c.Cell.X) + "," + std::to_string(c.Cell.Y) + " line " +
                              std::to_string(c.LineWidth);
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
