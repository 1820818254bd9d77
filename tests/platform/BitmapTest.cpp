#include "support/PaintProbe.h"

#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace paintprobe;

TEST(Bitmap, ScanLinesOfEachPixelFormat) {
  struct Case {
    const char* Name;
    TPixelFormat Format;
    int BytesPerPixel;
  };
  const Case cases[] = {{"24-bit", pf24bit, 3}, {"32-bit", pf32bit, 4}, {"device", pfDevice, 4}};
  for (const Case& k : cases) {
    TBitmap b(5, 3);
    b.SetPixelFormat(k.Format);
    auto* row = static_cast<BYTE*>(b.ScanLine(1));
    auto* next = static_cast<BYTE*>(b.ScanLine(2));
    // Rows are padded to four bytes, as in a DIB.
    EXPECT_EQ((next - row) % 4, 0) << k.Name;
    EXPECT_GE(next - row, 5 * k.BytesPerPixel) << k.Name;
    // Blue, green, red in memory order.
    BYTE* px = row + 2 * k.BytesPerPixel;
    px[0] = 0x30, px[1] = 0x20, px[2] = 0x10;
    EXPECT_EQ(b.Canvas().Pixel(2, 1), RGBColor(0x10, 0x20, 0x30)) << k.Name;
    EXPECT_EQ(b.Canvas().Pixel(3, 1), clWhite) << k.Name;
  }
}

TEST(Bitmap, TripleAndQuadLayouts) {
  TBitmap b(2, 1);
  b.SetPixelFormat(pf24bit);
  auto* t = static_cast<TRGBTriple*>(b.ScanLine(0));
  t[1] = TRGBTriple{255, 0, 0};
  EXPECT_EQ(b.Canvas().Pixel(1, 0), clBlue);
  b.SetPixelFormat(pf32bit);
  auto* q = static_cast<TRGBQuad*>(b.ScanLine(0));
  EXPECT_EQ(q[1].rgbBlue, 255);
  q[0] = TRGBQuad{0, 0, 255, 255};
  EXPECT_EQ(b.Canvas().Pixel(0, 0), clRed);
}

TEST(Bitmap, ScanLineOutOfRangeIsAnError) {
  TBitmap b(2, 2);
  EXPECT_THROW(b.ScanLine(2), std::out_of_range);
  EXPECT_THROW(b.ScanLine(-1), std::out_of_range);
  TBitmap empty;
  EXPECT_THROW(empty.ScanLine(0), std::out_of_range);
}

// Scan-line access between drawing calls on one canvas reference.
TEST(Bitmap, CanvasGoesOnAfterScanLineAccess) {
  TBitmap b(4, 1);
  TCanvas& c = b.Canvas();
  c.Brush().Color = clRed;
  c.FillRect(TRect(0, 0, 2, 1));
  static_cast<TRGBQuad*>(b.ScanLine(0))[3] = TRGBQuad{255, 0, 0, 255};
  c.Brush().Color = clLime;
  c.FillRect(TRect(1, 0, 2, 1));
  EXPECT_EQ(Art(b), "rg.b\n");
}

TEST(Bitmap, ASnapshotOfTheImageIsNotChangedByLaterDrawing) {
  TBitmap b(2, 1);
  b.Canvas().Brush().Color = clRed;
  b.Canvas().FillRect(TRect(0, 0, 1, 1));
  const QImage snapshot = static_cast<const TBitmap&>(b).Image();
  b.Canvas().FillRect(TRect(1, 0, 2, 1));
  EXPECT_EQ(FromQColor(snapshot.pixelColor(1, 0)), clWhite);
  EXPECT_EQ(At(b, 1, 0), clRed);
}

// Premultiplied 32-bit pixels blend by their alpha when drawn.
TEST(Bitmap, PremultipliedAlphaBlends) {
  TBitmap glyph(2, 1);
  glyph.SetPixelFormat(pf32bit);
  glyph.SetAlphaFormat(afPremultiplied);
  auto* q = static_cast<TRGBQuad*>(glyph.ScanLine(0));
  q[0] = TRGBQuad{0, 0, 128, 128};  // half-transparent red
  q[1] = TRGBQuad{0, 0, 0, 0};      // fully transparent
  TBitmap sheet(2, 1);
  sheet.Canvas().Draw(0, 0, glyph);
  const TColor blended = At(sheet, 0, 0);
  EXPECT_NEAR(GetRValue(blended), 255, 1);
  EXPECT_NEAR(GetGValue(blended), 127, 1);
  EXPECT_NEAR(GetBValue(blended), 127, 1);
  EXPECT_EQ(At(sheet, 1, 0), clWhite);
}

TEST(Bitmap, ChangingAlphaFormatKeepsOrMultipliesTheBytes) {
  TBitmap b(1, 1);
  b.SetPixelFormat(pf32bit);
  auto* q = static_cast<TRGBQuad*>(b.ScanLine(0));
  *q = TRGBQuad{0, 0, 200, 100};
  b.SetAlphaFormat(afPremultiplied);  // ignored -> premultiplied: bytes taken as they are
  q = static_cast<TRGBQuad*>(b.ScanLine(0));
  EXPECT_EQ(q->rgbRed, 200);
  EXPECT_EQ(q->rgbReserved, 100);
  TBitmap d(1, 1);
  d.SetPixelFormat(pf32bit);
  d.SetAlphaFormat(afDefined);
  *static_cast<TRGBQuad*>(d.ScanLine(0)) = TRGBQuad{0, 0, 200, 100};
  d.SetAlphaFormat(afPremultiplied);  // defined -> premultiplied: multiplied in
  EXPECT_NEAR(static_cast<TRGBQuad*>(d.ScanLine(0))->rgbRed, 200 * 100 / 255, 1);
}

// Key colours: a given colour, else the bottom-left pixel; the top-left on request.
TEST(Bitmap, TransparentKeyColours) {
  struct Case {
    const char* Name;
    TColor Given;
    bool Transparent;
    const char* Expected;
  };
  const Case cases[] = {
      {"bottom-left pixel", clNone, true, "r..\n.b.\n"},
      {"given colour", clBlue, true, "rgg\n..g\n"},
      {"not transparent", clNone, false, "rgg\nbbg\n"},
  };
  for (const Case& k : cases) {
    TBitmap glyph(3, 2);
    TCanvas& g = glyph.Canvas();
    g.Brush().Color = clLime;
    g.FillRect(TRect(0, 0, 3, 2));
    g.SetPixel(0, 0, clRed);
    g.SetPixel(0, 1, clBlue);
    g.SetPixel(1, 1, clBlue);
    glyph.Transparent = k.Transparent;
    glyph.TransparentColor = k.Given;
    if (k.Given == clNone && k.Transparent) {
      // Bottom-left is blue here; make lime the bottom-left for this case.
      g.SetPixel(0, 1, clLime);
      g.SetPixel(1, 1, clBlue);
    }
    TBitmap sheet(3, 2);
    sheet.Canvas().Draw(0, 0, glyph);
    EXPECT_EQ(Art(sheet), k.Expected) << k.Name;
  }
}

TEST(Bitmap, DrawTransparentWithTheTopLeftPixel) {
  TBitmap glyph(2, 2);
  glyph.Canvas().Brush().Color = clRed;
  glyph.Canvas().FillRect(TRect(0, 0, 2, 2));
  glyph.Canvas().SetPixel(1, 1, clBlack);
  TBitmap sheet(3, 3);
  sheet.Canvas().Brush().Color = clBlue;
  sheet.Canvas().FillRect(TRect(0, 0, 3, 3));
  sheet.Canvas().DrawTransparent(1, 1, glyph, glyph.TopLeftColor());
  EXPECT_EQ(Art(sheet), "bbb\nbbb\nbb#\n");
  EXPECT_EQ(glyph.BottomLeftColor(), clRed);
}

TEST(Bitmap, StretchDrawPicksNearestPixels) {
  TBitmap small(2, 1);
  small.Canvas().SetPixel(0, 0, clRed);
  small.Canvas().SetPixel(1, 0, clBlue);
  TBitmap sheet(6, 2);
  sheet.Canvas().StretchDraw(TRect(1, 0, 5, 2), small);
  EXPECT_EQ(Art(sheet), ".rrbb.\n.rrbb.\n");
}

TEST(Bitmap, AssignCopiesPixelsAndSettings) {
  TBitmap a(2, 1);
  a.SetPixelFormat(pf24bit);
  a.Canvas().SetPixel(0, 0, clRed);
  a.Transparent = true;
  a.TransparentColor = clRed;
  TBitmap b;
  b.Assign(a);
  a.Canvas().SetPixel(1, 0, clBlue);
  EXPECT_EQ(Art(b), "r.\n");
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  EXPECT_TRUE(b.Transparent);
  EXPECT_EQ(b.KeyColor(), clRed);
}

TEST(Bitmap, SetSizeKeepsWhatFits) {
  TBitmap b(2, 2);
  b.Canvas().SetPixel(1, 1, clRed);
  b.SetSize(3, 2);
  EXPECT_EQ(Art(b), "...\n.r.\n");
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_FALSE(CanvasPainter(b.Canvas()));
}

TEST(Bitmap, SavedAndLoadedAsBmp) {
  QTemporaryDir dir;
  TBitmap b(3, 2);
  b.Canvas().SetPixel(2, 1, clRed);
  ASSERT_TRUE(b.SaveToFile(dir.filePath("a.bmp")));
  TBitmap c;
  ASSERT_TRUE(c.LoadFromFile(dir.filePath("a.bmp")));
  EXPECT_EQ(Art(c), "...\n..r\n");
  EXPECT_FALSE(c.LoadFromFile(dir.filePath("missing.bmp")));
  EXPECT_FALSE(c.ErrorText().isEmpty());
  EXPECT_EQ(Art(c), "...\n..r\n");  // unchanged after the failure
}
