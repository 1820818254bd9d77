#include "grid/foundation/ArrowWindow.h"

#include "platform/PopupWindows.h"

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
