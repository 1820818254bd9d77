#include "grid/foundation/FocusFrameMask.h"

#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RedArt(TBitmap& b) {
  std::string s;
  for (int y = 0; y < b.Height(); ++y) {
    const auto* row = static_cast<const TRGBTriple*>(b.ScanLine(y));
    for (int x = 0; x < b.Width(); ++x) s += row[x].rgbtRed == 255 ? '#' : row[x].rgbtRed == 0 ? '.' : '+';
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(FocusFrameMask, WithoutAPenAFilledWhiteShapeInsetByTwo) {
  TBitmap b;
  CreateRoundRectMask(b, 16, 12, 0, 5, 0);
  ASSERT_EQ(b.PixelFormat(), pf24bit);
  const std::string art = RedArt(b);
  EXPECT_EQ(art.find('+'), std::string::npos);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool inside = x >= 2 && x < 14 && y >= 2 && y < 10;
      if (!inside) {
        EXPECT_EQ(art[size_t(y * 17 + x)], '.') << x << "," << y;
      }
    }
  EXPECT_EQ(art[size_t(6 * 17 + 2)], '#');   // left edge
  EXPECT_EQ(art[size_t(6 * 17 + 13)], '#');  // right edge, Right - 1
  EXPECT_EQ(art[size_t(2 * 17 + 8)], '#');   // top edge
  EXPECT_EQ(art[size_t(9 * 17 + 8)], '#');   // bottom edge, Bottom - 1
  EXPECT_EQ(art[size_t(2 * 17 + 2)], '.');   // a rounded corner
}

TEST(FocusFrameMask, TheFrameOfTheFocusWindowIsASoftRing) {
  TBitmap b;
  CreateRoundRectMask(b, 200, 60, 4, 5, 3);
  const auto red = [&](int x, int y) { return int(static_cast<const TRGBTriple*>(b.ScanLine(y))[x].rgbtRed); };
  EXPECT_EQ(red(100, 30), 0);   // the editor's place stays clear
  EXPECT_GT(red(100, 4), 100);  // on the outline
  EXPECT_GT(red(4, 30), 100);
  EXPECT_LT(red(100, 0), red(100, 4));  // softened outwards
  EXPECT_GT(red(100, 0), 0);
  EXPECT_EQ(red(100, 4), red(40, 4));  // inner columns repeat
  EXPECT_EQ(red(4, 25), red(4, 35));
}
