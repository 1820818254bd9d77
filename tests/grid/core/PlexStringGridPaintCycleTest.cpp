// One whole paint pass of the grid as pixels: the background in the empty
// area, the border of the later looks, the resize lines, the end-of-pass
// event; and the focus frame's window around the edited cell.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/foundation/GridFocusWindow.h"
#include "grid/foundation/GridUnits.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/LayeredWindows.h"
#include "platform/PopupWindows.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
constexpr TColor GridColour = 0xF0F0F0;

// Five columns of 40 pixels fill the 200-pixel width; three rows of 20 leave
// the lower part of the 150-pixel height empty.
struct PlexStringGridPaintCycle : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPlexStringGrid* Grid = nullptr;
  void SetUp() override {
    Form->SetClientWidth(260);
    Form->SetClientHeight(200);
    Grid = new TPlexStringGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(10, 10, 200, 150);
    Grid->SetLook(glStandard);
    Grid->SetColor(GridColour);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColCount(5);
    Grid->SetRowCount(3);
    Grid->BackGround().SetColorTo(clNone);
  }
  std::unique_ptr<TBitmap> Picture() {
    auto b = std::make_unique<TBitmap>();
    PaintControlTo(Grid, *b);
    return b;
  }
};

TEST_F(PlexStringGridPaintCycle, TheEmptyAreaTakesTheBackgroundOnlyWhereNoCellIs) {
  TBackGround& bg = Grid->BackGround();
  TBitmap tile(8, 8);
  tile.Canvas().Brush().Color = clRed;
  tile.Canvas().FillRect(TRect(0, 0, 8, 8));
  struct TCase {
    const char* What;
    TBackgroundDisplay Display;
    TBackGroundCells Cells;
    TColor ColorTo;
    bool WithBitmap;
    int Columns;
    bool Below, Right;
  };
  const TCase cases[] = {
      {"gradient below the last row when the columns fill the width", bdGradientVert, bcFixed, clBlue, false, 5, true,
       false},
      {"gradient right of the last column too when they do not", bdGradientHorz, bcFixed, clBlue, false, 4, true, true},
      {"ColorTo none paints no gradient", bdGradientHorz, bcAll, clNone, false, 4, false, false},
      {"tiles of a normal-cell background", bdTile, bcNormal, clNone, true, 4, true, true},
      {"tiles of a fixed-cell background: nothing", bdTile, bcFixed, clNone, true, 4, false, false},
      {"a placed bitmap", bdFixed, bcAll, clNone, true, 4, false, false},
  };
  for (const TCase& c : cases) {
    Grid->SetColCount(c.Columns);
    const TBitmap none;
    bg.SetBitmap(c.WithBitmap ? tile : none);
    bg.SetDisplay(c.Display);
    bg.SetCells(c.Cells);
    bg.SetColor(clRed);
    bg.SetColorTo(c.ColorTo);
    const std::unique_ptr<TBitmap> shot = Picture();
    const TBitmap& b = *shot;
    EXPECT_EQ(paintprobe::At(b, 100, 120) != GridColour, c.Below) << c.What;
    EXPECT_EQ(paintprobe::At(b, 185, 30) != GridColour, c.Right) << c.What;
    // normal cells keep their own colour unless the background takes them
    if (c.Cells != bcNormal) {
      EXPECT_EQ(paintprobe::At(b, 100, 50), GridColour) << c.What;
    }
  }
  // A placed bitmap shows where it lies, and only there.
  bg.SetLeft(100);
  bg.SetTop(100);
  const std::unique_ptr<TBitmap> shot = Picture();
  const TBitmap& b = *shot;
  EXPECT_EQ(paintprobe::At(b, 103, 103), clRed);
  EXPECT_EQ(paintprobe::At(b, 120, 120), GridColour);
}

TEST_F(PlexStringGridPaintCycle, ASizeLineDrawnTwiceLeavesTheImageAsItWas) {
  const QImage before = Picture()->Image();
  for (bool column : {true, false}) {
    if (column)
      Grid->DrawColSizeLine(50);
    else
      Grid->DrawRowSizeLine(30);
    const QImage with = Picture()->Image();
    EXPECT_FALSE(paintprobe::SameImage(before, with));
    int changed = 0;
    for (int i = 0; i < 150; ++i)
      changed += column ? with.pixel(50, i) != before.pixel(50, i) : with.pixel(i, 30) != before.pixel(i, 30);
    // a dotted line: about every other pixel
    EXPECT_GT(changed, 50);
    if (column)
      Grid->DrawColSizeLine(50);
    else
      Grid->DrawRowSizeLine(30);
    EXPECT_TRUE(paintprobe::SameImage(before, Picture()->Image()));
  }
}

TEST_F(PlexStringGridPaintCycle, TheLaterLooksFrameTheGridAndEveryPassEndsWithOnPainted) {
  int passes = 0;
  Grid->OnPainted = [&passes](TObject*) { ++passes; };
  Form->SetColor(clYellow);
  struct TCase {
    TGridLook Look;
    bool Flat;
    bool Framed;
  };
  const TCase cases[] = {{glStandard, false, false}, {glClassic, false, false}, {glXP, false, true},
                         {glSoft, false, true},      {glXP, true, false},       {glOffice2007, false, true}};
  for (const TCase& c : cases) {
    Grid->SetLook(c.Look);
    Grid->SetBorderColor(clBlue);  // after the look, which writes its own
    Grid->SetFlat(c.Flat);
    const int before = passes;
    const std::unique_ptr<TBitmap> shot = Picture();
    const TBitmap& b = *shot;
    EXPECT_EQ(passes, before + 1);
    EXPECT_EQ(paintprobe::At(b, 1, 70) == clBlue, c.Framed) << c.Look;
    EXPECT_EQ(paintprobe::At(b, 198, 70) == clBlue, c.Framed) << c.Look;
    EXPECT_EQ(paintprobe::At(b, 0, 70) == ColorToRGB(clYellow), c.Framed) << c.Look;
  }
}

struct PlexStringGridFocusFrame : PlexStringGridPaintCycle {
  void SetUp() override {
    PlexStringGridPaintCycle::SetUp();
    // The units' window hook moves the frame; started here, ended again after.
    StartedUnits = StartedGridUnits().isEmpty();
    if (StartedUnits) InitGridUnits();
    Form->SetBounds(100, 80, 300, 240);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Grid->FocusCell(2, 1);
  }
  void TearDown() override {
    Grid->HideFocusWindow();
    if (StartedUnits) FinalizeGridUnits();
  }
  bool StartedUnits = false;
};

TEST_F(PlexStringGridFocusFrame, TheFrameStandsFourPixelsOutOfTheCellAndFollowsTheForm) {
  const TRect cell = Grid->CellRect(2, 1);
  Grid->ShowFocusWindow(cell);
  TGridFocusWindow* frame = Grid->FocusWindow();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(frame->Visible());
  EXPECT_EQ(FocusFrameGrid(), Grid);
  const TPoint origin = Grid->ClientToScreen(TPoint(cell.Left - 4, cell.Top - 4));
  EXPECT_EQ(frame->Left(), origin.X);
  EXPECT_EQ(frame->Top(), origin.Y);
  EXPECT_EQ(frame->Width(), cell.Width() + 9);
  EXPECT_EQ(frame->Height(), cell.Height() + 9);
  EXPECT_TRUE(GetWindowExStyle(frame) & WS_EX_LAYERED);
  // The picture: the frame's colour where the blurred outline runs, nothing inside.
  TBitmap image;
  ASSERT_TRUE(GetLayeredImage(frame, image));
  ASSERT_EQ(image.Width(), cell.Width() + 9);
  const QImage& q = image.Image();
  const int w = q.width(), h = q.height();
  EXPECT_GT(qAlpha(q.pixel(4, h / 2)), 100);
  EXPECT_EQ(qAlpha(q.pixel(w / 2, h / 2)), 0);
  EXPECT_LE(qAlpha(q.pixel(4, h / 2)), 230);
  // The window's shape leaves the cell itself free: 4 pixels at left and top, 5 at right and bottom.
  const TRegion shape = GetWindowRgn(frame);
  EXPECT_TRUE(shape.Contains(TPoint(3, 10)));
  EXPECT_FALSE(shape.Contains(TPoint(4, 10)));
  EXPECT_FALSE(shape.Contains(TPoint(w - 6, 10)));
  EXPECT_TRUE(shape.Contains(TPoint(w - 5, 10)));

  Form->Widget()->move(Form->Widget()->pos() + QPoint(30, 20));
  QApplication::processEvents();
  const TPoint moved = Grid->ClientToScreen(TPoint(cell.Left - 4, cell.Top - 4));
  EXPECT_EQ(moved.X, origin.X + 30);
  EXPECT_EQ(frame->Left(), moved.X);
  EXPECT_EQ(frame->Top(), moved.Y);

  Grid->HideFocusWindow();
  EXPECT_FALSE(frame->Visible());
  EXPECT_EQ(FocusFrameGrid(), nullptr);
}

TEST_F(PlexStringGridFocusFrame, ScreenshotOfTheFrameOverAnEditedCell) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetLook(glXP);
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 3; ++r) Grid->SetCellEx(c, r, QString("%1:%2").arg(c).arg(r));
  Grid->FocusCell(2, 1);
  Form->Widget()->activateWindow();
  Grid->SetFocus();
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  if (!Grid->EditorMode()) Grid->SetEditorMode(true);
  QApplication::processEvents();
  const TRect cell = Grid->CellRect(2, 1);
  Grid->ShowFocusWindow(cell);
  QApplication::processEvents();
  QImage picture = Form->Widget()->grab().toImage();
  TBitmap frame;
  ASSERT_TRUE(GetLayeredImage(Grid->FocusWindow(), frame));
  const QPoint at = Form->Widget()->mapFromGlobal(QPoint(Grid->FocusWindow()->Left(), Grid->FocusWindow()->Top()));
  QPainter p(&picture);
  p.drawImage(at, frame.Image());
  p.end();
  EXPECT_TRUE(picture.scaled(picture.size() * 2).save(QDir(shots).filePath("grid_focus_frame.png")));
}

}  // namespace
