#include "platform/LayeredWindows.h"

#include "platform/Controls.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

TEST(LayeredWindows, TheImageTimesTheConstantAlpha) {
  TCustomControl w(nullptr);
  TBitmap image(4, 2);
  image.SetPixelFormat(pf32bit);
  image.SetAlphaFormat(afPremultiplied);
  auto* px = static_cast<TRGBQuad*>(image.ScanLine(0));
  px[0] = {100, 50, 20, 200};  // premultiplied blue, green, red, alpha
  px[1] = {0, 0, 0, 0};
  TBitmap shown;
  EXPECT_FALSE(GetLayeredImage(&w, shown));
  const TPoint pos(40, 50);
  ASSERT_TRUE(UpdateLayeredWindow(&w, &pos, image, 128));
  EXPECT_EQ(w.Widget()->geometry(), QRect(40, 50, 4, 2));
  EXPECT_TRUE(w.Widget()->testAttribute(Qt::WA_TranslucentBackground));
  ASSERT_TRUE(GetLayeredImage(&w, shown));
  const QRgb p0 = shown.Image().convertToFormat(QImage::Format_ARGB32_Premultiplied).pixel(0, 0);
  EXPECT_EQ(qAlpha(p0), 100);  // 200 x 128 / 255
  EXPECT_EQ(qBlue(p0), 50);
  EXPECT_EQ(qRed(p0), 10);
  EXPECT_EQ(qAlpha(shown.Image().pixel(1, 0)), 0);
  // A key colour leaves its pixels out of what the window shows.
  px[1] = {0x30, 0x20, 0x10, 0xFF};
  ASSERT_TRUE(UpdateLayeredWindow(&w, nullptr, image, 255));
  EXPECT_EQ(w.Widget()->geometry().topLeft(), QPoint(40, 50));
  EXPECT_TRUE(SetLayeredWindowAttributes(&w, RGBColor(0x10, 0x20, 0x30), 0, LWA_COLORKEY));
  ASSERT_TRUE(GetLayeredImage(&w, shown));
  EXPECT_EQ(qAlpha(shown.Image().pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(shown.Image().pixel(0, 0)), 200);
  EXPECT_TRUE(SetLayeredWindowAttributes(&w, clNone, 200, LWA_ALPHA));
  EXPECT_NEAR(w.Widget()->windowOpacity(), 200 / 255.0, 0.01);
}
