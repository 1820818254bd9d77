#include "grid/foundation/GaussianBlur.h"

#include "grid/foundation/FocusFrameMask.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::unique_ptr<TBitmap> Bitmap24(int w, int h) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(w, h);
  return b;
}

// Every row, then every column, blurred: what the copying shortcut must equal.
void FullBlur(TBitmap& b, double radius) {
  TGaussianKernel k;
  MakeGaussianKernel(k, radius, 255, 1);
  std::vector<TRGBTriple> scratch(static_cast<size_t>(std::max(b.Width(), b.Height())));
  for (int y = 0; y < b.Height(); ++y)
    BlurLine(static_cast<TRGBTriple*>(b.ScanLine(y)), b.Width() - 1, k, scratch.data());
  std::vector<TRGBTriple> column(static_cast<size_t>(b.Height()));
  for (int x = 0; x < b.Width(); ++x) {
    for (int y = 0; y < b.Height(); ++y) column[size_t(y)] = static_cast<TRGBTriple*>(b.ScanLine(y))[x];
    BlurLine(column.data(), b.Height() - 1, k, scratch.data());
    for (int y = 0; y < b.Height(); ++y) static_cast<TRGBTriple*>(b.ScanLine(y))[x] = column[size_t(y)];
  }
}

bool SamePixels(TBitmap& a, TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), size_t(a.Width()) * 3) != 0) return false;
  return true;
}

}  // namespace

TEST(GaussianBlur, KernelSizes) {
  struct Case {
    double Radius;
    int Size;
  };
  constexpr Case cases[] = {{1, 2}, {2, 5}, {3, 8}, {5, 9}};
  for (const Case& c : cases) {
    TGaussianKernel k;
    MakeGaussianKernel(k, c.Radius, 255, 1);
    EXPECT_EQ(k.Size, c.Size) << c.Radius;
    double sum = 0;
    for (int j = -k.Size; j <= k.Size; ++j) sum += k.Weight(j);
    EXPECT_NEAR(sum, 1.0, 1e-6);
  }
  TGaussianKernel k;
  MakeGaussianKernel(k, 3, 255, 1);
  EXPECT_NEAR(k.Weight(0), 0.1336, 5e-4);
}

TEST(GaussianBlur, Clamps) {
  EXPECT_EQ(ClampChannel(0, 255, 255.0), 255);
  EXPECT_EQ(ClampChannel(0, 255, 254.9), 254);
  EXPECT_EQ(ClampChannel(0, 255, -0.5), 0);
  EXPECT_EQ(ClampChannel(0, 255, 300.0), 255);
  EXPECT_EQ(ClampIndex(0, 4, -3), 0);
  EXPECT_EQ(ClampIndex(0, 4, 9), 4);
  EXPECT_EQ(ClampIndex(0, 4, 2), 2);
}

TEST(GaussianBlur, LineEndsRepeatTheEndPixels) {
  TGaussianKernel k;
  MakeGaussianKernel(k, 1, 255, 1);
  ASSERT_EQ(k.Size, 2);
  TRGBTriple line[2] = {{10, 20, 30}, {250, 240, 230}};
  TRGBTriple scratch[2];
  BlurLine(line, 1, k, scratch);
  // Position -1 and -2 read pixel 0, positions 2 read pixel 1.
  const double first = k.Weight(0) * 10.0 + k.Weight(1) * (10 + 250) + k.Weight(2) * (10 + 250);
  const double last = k.Weight(0) * 250.0 + k.Weight(1) * (10 + 250) + k.Weight(2) * (10 + 250);
  EXPECT_EQ(line[0].rgbtBlue, int(first));
  EXPECT_EQ(line[1].rgbtBlue, int(last));
}

TEST(GaussianBlur, OnlyTwentyFourBitAndAPositiveRadius) {
  TBitmap b32(10, 10);
  b32.SetPixelFormat(pf32bit);
  try {
    GaussianBlur(b32, 3);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Blur only works for 24-bit bitmaps");
  }
  auto b = Bitmap24(30, 30);
  auto before = Bitmap24(30, 30);
  CreateRoundRectMask(*b, 30, 30, 4, 5, 0);
  before->Assign(*b);
  for (double r : {0.0, -2.0}) {
    GaussianBlur(*b, r);
    EXPECT_TRUE(SamePixels(*b, *before)) << r;
  }
}

TEST(GaussianBlur, CopyingInnerRowsAndColumnsEqualsAFullBlurOfAFrame) {
  auto quick = Bitmap24(200, 60);
  auto full = Bitmap24(200, 60);
  CreateRoundRectMask(*quick, 200, 60, 4, 5, 0);
  full->Assign(*quick);
  GaussianBlur(*quick, 3);
  FullBlur(*full, 3);
  EXPECT_TRUE(SamePixels(*quick, *full));
  // Small images are blurred whole.
  auto small = Bitmap24(41, 41);
  auto smallFull = Bitmap24(41, 41);
  small->Canvas().Brush().Color = clBlack;
  small->Canvas().FillRect(TRect(0, 0, 41, 41));
  small->Canvas().Brush().Color = clWhite;
  small->Canvas().FillRect(TRect(25, 5, 30, 36));
  small->EndCanvas();
  smallFull->Assign(*small);
  GaussianBlur(*small, 2);
  FullBlur(*smallFull, 2);
  EXPECT_TRUE(SamePixels(*small, *smallFull));
}
