#include "grid/foundation/ArrowWindow.h"

#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/PopupWindows.h"
#include "platform/Screenshot.h"
#include "platform/internal/Painting.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RegionArt(const TRegion& r, int w, int h) {
  std::string s;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s += r.Contains(TPoint(x, y)) ? '#' : '.';
    s += '\n';
  }
  return s;
}

}  // namespace

// The outlines as the window system cuts them (winding fill, the polygon's
// right and bottom edges left out).
TEST(ArrowWindow, RegionsPixelByPixel) {
  struct Case {
    TArrowDirection Dir;
    const char* Art;
  };
  const Case cases[] = {
      {arrUp,
       "..........\n....##....\n...####...\n..######..\n.########.\n...####...\n...####...\n...####...\n"
       "...####...\n..........\n"},
      {arrDown,
       "...####...\n...####...\n...####...\n...####...\n.########.\n..######..\n...####...\n....##....\n"
       "..........\n..........\n"},
      {arrLeft,
       "..........\n....#.....\n....##....\n#######...\n########..\n########..\n########..\n....###...\n"
       "....##....\n....#.....\n"},
      {arrRight,
       "..........\n..........\n...#......\n..######..\n.#######..\n########..\n.#######..\n..##......\n"
       "...#......\n..........\n"},
  };
  TWinControl grid(nullptr);
  for (const Case& c : cases) {
    auto* a = new TArrowWindow(&grid, c.Dir);
    a->SetBounds(100, 50, 10, 10);
    EXPECT_EQ(RegionArt(GetWindowRgn(a), 10, 10), c.Art) << int(c.Dir);
    EXPECT_EQ(a->Arrow(), TArrowWindow::Outline(c.Dir));
  }
}

TEST(ArrowWindow, AHiddenLimeGreenPopUpOfTheGrid) {
  TWinControl grid(nullptr);
  auto* a = new TArrowWindow(&grid, arrLeft);
  EXPECT_EQ(a->Owner(), &grid);
  EXPECT_EQ(a->Parent(), &grid);
  EXPECT_EQ(a->Color(), TColor(0x00FF00));
  EXPECT_FALSE(a->Visible());
  EXPECT_EQ(GetWindowStyle(a), WS_POPUP);
  EXPECT_EQ(GetWindowExStyle(a), 0u);
  EXPECT_EQ(a->Dir(), arrLeft);
}

// The four arrows round a column boundary of a grid, as while a column is dragged.
TEST(ArrowWindow, ScreenshotOverAGrid) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  TForm form(nullptr);
  form.SetClientWidth(300);
  form.SetClientHeight(140);
  auto* grid = new TStringGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(10, 20, 280, 110);
  for (int c = 0; c < grid->ColCount(); ++c) grid->SetCells(c, 0, QString("Col %1").arg(c));
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  const TRect cell = grid->CellRect(2, 0);
  const TPoint origin = grid->ClientToScreen(TPoint(cell.Left, 0));
  const TPoint places[] = {{origin.X - 5, origin.Y + cell.Bottom + 2},       // arrUp, below the header
                           {origin.X - 5, origin.Y - 10},                    // arrDown, above the grid
                           {origin.X - 12, origin.Y + cell.Bottom / 2 - 5},  // arrLeft, pointing right
                           {origin.X + 4, origin.Y + cell.Bottom / 2 - 5}};  // arrRight, pointing left
  const QString path = QString(shots) + "/arrows.png";
  ASSERT_TRUE(SaveWidgetScreenshot(form.Widget(), path));
  QImage picture(path);
  QPainter p(&picture);
  const QPoint formOrigin = form.Widget()->mapToGlobal(QPoint(0, 0));
  for (TArrowDirection d : {arrUp, arrDown, arrLeft, arrRight}) {
    auto* a = new TArrowWindow(grid, d);
    a->SetBounds(places[d].X, places[d].Y, 11, 11);
    a->Show();
    EXPECT_EQ(a->Widget()->geometry().topLeft(), QPoint(places[d].X, places[d].Y));
    // The window system shows the window's colour inside its region only.
    const QRegion shape =
        GetWindowRgn(a).ToQRegion().translated(places[d].X - formOrigin.x(), places[d].Y - formOrigin.y());
    for (const QRect& r : shape) p.fillRect(r, ToQColor(a->Color()));
  }
  p.end();
  picture.save(path);
  picture.copy(QRect(40, 0, 160, 80)).scaled(640, 320).save(QString(shots) + "/arrows_zoom.png");
}
