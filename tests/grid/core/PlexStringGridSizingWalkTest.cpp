// Sizing as the user does it on a shown form: a double click on a header
// border, and the window resized from outside with a stretched last column.
#include "grid/core/ColumnSize.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct SizingWalk : ::testing::Test {
  TForm Form{nullptr};
  TPlexStringGrid* Grid = nullptr;

  void SetUp() override {
    Form.SetBorderStyle(bsSizeable);
    Form.SetClientWidth(420);
    Form.SetClientHeight(220);
    Grid = new TPlexStringGrid(&Form);
    Grid->SetParent(&Form);
    Grid->SetAlign(alClient);
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    TGridOptions options = Grid->Options();
    options.Include(goColSizing);
    Grid->SetOptions(options);
    const char* headers[] = {"", "Name", "Address", "Value"};
    for (int c = 0; c < 4; ++c) Grid->SetCells(c, 0, headers[c]);
    for (int r = 1; r < 6; ++r) {
      Grid->SetCells(0, r, QString::number(r));
      Grid->SetCells(1, r, r == 3 ? "a name much longer than its column" : "short");
      Grid->SetCells(2, r, QString("%1").arg(r * 1000));
      Grid->SetCells(3, r, "v");
    }
    Form.Show();
    QApplication::setActiveWindow(Form.Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.Widget()));
  }

  void Shot(const char* Name) {
    QApplication::processEvents();
    if (const char* shots = std::getenv("QUILLORE_SHOTS"))
      SaveWidgetScreenshot(Form.Widget(), QString(shots) + "/" + Name + ".png");
  }

  int SumOfWidths() const {
    int sum = 0;
    for (int c = 0; c < Grid->ColCount(); ++c) sum += Grid->ColWidths(c);
    return sum;
  }
};

TEST_F(SizingWalk, DoubleClickOnAHeaderBorderFitsTheColumnToItsText) {
  Shot("sizing-walk-before");
  const int before = Grid->ColWidths(1);
  const int right = Grid->CellRect(1, 0).Right;
  QTest::mouseDClick(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(right - 1, 8));
  QApplication::processEvents();
  const int fitted = Grid->ColWidths(1);
  EXPECT_GT(fitted, before);
  EXPECT_EQ(fitted, Grid->GetCellTextSize(1, 3, false, false).cx + Grid->GetHorzTextPadding() +
                        2 * (Grid->GridLineWidth() + 1));
  EXPECT_EQ(Grid->Cells(1, 3), "a name much longer than its column") << "the double click edits nothing";
  Shot("sizing-walk-dblclick");
  // The border just left of a column's header sizes the column before it.
  Grid->SetCells(2, 4, "an address wider than before");
  const int left = Grid->CellRect(3, 0).Left;
  QTest::mouseDClick(Grid->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(left + 1, 8));
  QApplication::processEvents();
  EXPECT_EQ(Grid->ColWidths(2), Grid->GetCellTextSize(2, 4, false, false).cx + Grid->GetHorzTextPadding() +
                                    2 * (Grid->GridLineWidth() + 1));
  EXPECT_EQ(Grid->ColWidths(1), fitted);
}

TEST_F(SizingWalk, ResizingTheWindowKeepsTheStretchedColumnAtTheRightEdge) {
  Grid->SetScrollBars(ssNone);
  Grid->ColumnSize().SetStretch(true);
  QApplication::processEvents();
  const int fixedPart = Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2);
  for (const int width : {560, 300, 420}) {
    SCOPED_TRACE(width);
    Form.Widget()->resize(width, 220);
    QApplication::processEvents();
    ASSERT_EQ(Grid->Width(), width);
    EXPECT_EQ(Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2), fixedPart) << "only the last column";
    EXPECT_EQ(SumOfWidths(), Grid->ClientWidth() - 1);
    if (width == 560) Shot("sizing-walk-stretched-wide");
    if (width == 300) Shot("sizing-walk-stretched-narrow");
  }
}

// As the forms have it: both bars allowed and more rows than fit. Narrower
// than the other columns, the last one falls back to the default width and
// the columns scroll; wider again, it stretches again.
TEST_F(SizingWalk, ResizingWithBothBarsAndMoreRowsThanFit) {
  Grid->SetRowCount(30);
  Grid->ColumnSize().SetStretch(true);
  QApplication::processEvents();
  const int others = Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2);
  for (const int width : {560, 150, 420}) {
    SCOPED_TRACE(width);
    Form.Widget()->resize(width, 220);
    QApplication::processEvents();
    EXPECT_TRUE(Grid->VertScrollBarShown());
    if (others < Grid->ClientWidth()) {
      EXPECT_EQ(SumOfWidths(), Grid->ClientWidth() - 1);
      EXPECT_FALSE(Grid->HorzScrollBarShown());
    } else {
      EXPECT_EQ(Grid->ColWidths(3), Grid->DefaultColWidth());
      EXPECT_TRUE(Grid->HorzScrollBarShown());
    }
    if (width == 560) Shot("sizing-walk-bars-wide");
    if (width == 150) Shot("sizing-walk-bars-narrow");
    if (width == 420) Shot("sizing-walk-bars-again");
  }
}

}  // namespace
