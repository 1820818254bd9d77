#include "grid/foundation/GridAlphaMask.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TBitmap> Filled24(int w, int h, TColor c) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  b->Canvas().Brush().Color = c;
  b->Canvas().FillRect(TRect(0, 0, w, h));
  b->EndCanvas();
  return b;
}

TRGBQuad Quad(TBitmap& b, int x, int y) { return static_cast<TRGBQuad*>(b.ScanLine(y))[x]; }

}  // namespace

TEST(GridAlphaMask, MergeMaskPremultipliesByTheMasksRed) {
  TGridAlphaMask m;
  EXPECT_EQ(m.Opacity, 255);
  EXPECT_EQ(m.PixelFormat(), pf32bit);
  auto white = Filled24(4, 3, clWhite);
  auto mask = Filled24(5, 5, RGBColor(128, 0, 0));
  static_cast<TRGBTriple*>(mask->ScanLine(1))[2].rgbtRed = 0;
  auto orange = Filled24(4, 3, RGBColor(255, 127, 1));
  m.MergeMask(*mask, *white, clRed);
  ASSERT_EQ(m.Width(), 4);
  ASSERT_EQ(m.Height(), 3);
  TRGBQuad q = Quad(m, 0, 0);
  EXPECT_EQ(q.rgbBlue, 128);
  EXPECT_EQ(q.rgbGreen, 128);
  EXPECT_EQ(q.rgbRed, 128);
  EXPECT_EQ(q.rgbReserved, 128);
  EXPECT_EQ(Quad(m, 2, 1).rgbReserved, 0);
  m.MergeMask(*mask, *orange, clNone);
  q = Quad(m, 3, 2);
  // 127 x 128/255 = 63.75 -> 64; 1 x 128/255 -> 1; 255 -> 128
  EXPECT_EQ(q.rgbRed, 128);
  EXPECT_EQ(q.rgbGreen, 64);
  EXPECT_EQ(q.rgbBlue, 1);
}

TEST(GridAlphaMask, MergeMaskNeedsTwentyFourBitsAndAMaskThatCoversTheBitmap) {
  TGridAlphaMask m;
  m.SetSize(2, 2);
  auto bitmap = Filled24(6, 6, clWhite);
  auto smallMask = Filled24(6, 5, clWhite);
  m.MergeMask(*smallMask, *bitmap, clNone);  // would read past the mask's last row
  EXPECT_EQ(m.Width(), 2);
  TBitmap b32(6, 6);
  b32.SetPixelFormat(pf32bit);
  auto mask = Filled24(6, 6, clWhite);
  m.MergeMask(*mask, b32, clNone);
  EXPECT_EQ(m.Width(), 2);
}

TEST(GridAlphaMask, AssignFromAMaskTakesItsSizeOpacityAndPixels) {
  auto mask = Filled24(8, 8, clWhite);
  auto picture = Filled24(8, 8, RGBColor(10, 20, 30));
  TGridAlphaMask source;
  source.MergeMask(*mask, *picture, clNone);
  source.Opacity = 230;
  for (auto [w, h] : {std::pair{2, 3}, std::pair{20, 30}}) {
    TGridAlphaMask target;
    target.SetSize(w, h);
    target.Assign(source);
    EXPECT_EQ(target.Opacity, 230);
    ASSERT_EQ(target.Width(), 8);
    ASSERT_EQ(target.Height(), 8);
    EXPECT_EQ(Quad(target, 7, 7).rgbRed, 10);
    EXPECT_EQ(Quad(target, 7, 7).rgbBlue, 30);
    EXPECT_EQ(target.PixelFormat(), pf32bit);
  }
  TGridAlphaMask fromPlain;
  fromPlain.Opacity = 7;
  fromPlain.Assign(*picture);
  EXPECT_EQ(fromPlain.PixelFormat(), pf32bit);
  EXPECT_EQ(fromPlain.Opacity, 7);
  EXPECT_EQ(fromPlain.Width(), 8);
  EXPECT_EQ(Quad(fromPlain, 0, 0).rgbGreen, 20);
  EXPECT_EQ(Quad(fromPlain, 0, 0).rgbReserved, 255);
}
