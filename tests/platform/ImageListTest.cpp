// Image lists: bitmaps drawn in code join the list as they paint.
#include "platform/ImageList.h"

#include "platform/Graphics.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(ImageList, ABitmapJoinsWithoutItsKeyColour) {
  TBitmap bitmap(8, 8);
  bitmap.Canvas().Brush().Color = clWhite;
  bitmap.Canvas().FillRect(TRect(0, 0, 8, 8));
  bitmap.Canvas().Brush().Color = clRed;
  bitmap.Canvas().FillRect(TRect(2, 2, 6, 6));
  TImageList images(16, 16);
  bitmap.Transparent = true;
  bitmap.TransparentColor = clWhite;
  EXPECT_EQ(images.Add(bitmap), 0);
  bitmap.Transparent = false;
  EXPECT_EQ(images.Add(bitmap), 1);

  TBitmap out;
  ASSERT_TRUE(images.GetBitmap(0, out));
  EXPECT_EQ(out.Width(), 16);  // scaled to the list
  EXPECT_EQ(qAlpha(out.Image().pixel(0, 0)), 0);
  EXPECT_EQ(out.Image().pixel(8, 8), qRgb(255, 0, 0));
  ASSERT_TRUE(images.GetBitmap(1, out));
  EXPECT_EQ(out.Image().pixel(0, 0), qRgb(255, 255, 255));
}
