#include "support/PaintProbe.h"

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace paintprobe;

namespace {

struct ArtCase {
  const char* Name;
  int W, H;
  std::function<void(TCanvas&)> Draw;
  const char* Expected;
};

void RunArt(const ArtCase& c) {
  auto b = Sheet(c.W, c.H);
  c.Draw(b->Canvas());
  EXPECT_EQ(Art(*b), c.Expected) << c.Name;
}

void Pen(TCanvas& c, TColor colour, TPenStyle style = psSolid, int width = 1) {
  c.Pen().Color = colour;
  c.Pen().Style = style;
  c.Pen().Width = width;
}

void Fill(TCanvas& c, TColor colour, TBrushStyle style = bsSolid) {
  c.Brush().Color = colour;
  c.Brush().Style = style;
}

}  // namespace

// Areas cover Left..Right-1 and Top..Bottom-1; the frame of Rectangle lies inside.
TEST(Canvas, AreasCoverLeftToRightLessOne) {
  const ArtCase cases[] = {
      {"FillRect", 6, 4,
       [](TCanvas& c) {
         Fill(c, clBlack);
         c.FillRect(TRect(1, 1, 4, 3));
       },
       "......\n"
       ".###..\n"
       ".###..\n"
       "......\n"},
      {"FillRect empty and inverted", 4, 3,
       [](TCanvas& c) {
         Fill(c, clBlack);
         c.FillRect(TRect(1, 1, 1, 3));
         c.FillRect(TRect(3, 2, 1, 1));
       },
       "....\n....\n....\n"},
      {"FillRect with a clear brush", 4, 3,
       [](TCanvas& c) {
         Fill(c, clBlack, bsClear);
         c.FillRect(TRect(0, 0, 4, 3));
       },
       "....\n....\n....\n"},
      {"Rectangle", 7, 5,
       [](TCanvas& c) {
         Pen(c, clBlack);
         Fill(c, clRed);
         c.Rectangle(1, 0, 6, 4);
       },
       ".#####.\n"
       ".#rrr#.\n"
       ".#rrr#.\n"
       ".#####.\n"
       ".......\n"},
      {"Rectangle with a clear pen", 5, 4,
       [](TCanvas& c) {
         Pen(c, clBlack, psClear);
         Fill(c, clRed);
         c.Rectangle(1, 1, 4, 3);
       },
       ".....\n"
       ".rrr.\n"
       ".rrr.\n"
       ".....\n"},
      {"Rectangle with a clear brush", 5, 4,
       [](TCanvas& c) {
         Pen(c, clBlack);
         Fill(c, clRed, bsClear);
         c.Rectangle(0, 0, 4, 4);
       },
       "####.\n"
       "#..#.\n"
       "#..#.\n"
       "####.\n"},
      {"Rectangle with a wide pen", 6, 6,
       [](TCanvas& c) {
         Pen(c, clBlack, psSolid, 2);
         Fill(c, clRed);
         c.Rectangle(0, 0, 6, 6);
       },
       "######\n"
       "######\n"
       "##rr##\n"
       "##rr##\n"
       "######\n"
       "######\n"},
      {"FrameRect in the brush colour", 5, 4,
       [](TCanvas& c) {
         Fill(c, clBlue);
         c.FrameRect(TRect(0, 0, 5, 3));
       },
       "bbbbb\n"
       "b...b\n"
       "bbbbb\n"
       ".....\n"},
      {"SetPixel with a system colour", 3, 2,
       [](TCanvas& c) {
         c.SetPixel(1, 1, clWindowText);
         c.SetPixel(2, 0, clRed);
       },
       "..r\n"
       ".#.\n"},
  };
  for (const ArtCase& c : cases) RunArt(c);
}

// A line leaves out its end point, in every direction; a polyline's joints are drawn once.
TEST(Canvas, LinesLeaveOutTheirEndPoint) {
  const ArtCase cases[] = {
      {"right", 6, 1,
       [](TCanvas& c) {
         c.MoveTo(1, 0);
         c.LineTo(4, 0);
       },
       ".###..\n"},
      {"left", 6, 1,
       [](TCanvas& c) {
         c.MoveTo(4, 0);
         c.LineTo(1, 0);
       },
       "..###.\n"},
      {"down", 1, 4,
       [](TCanvas& c) {
         c.MoveTo(0, 0);
         c.LineTo(0, 3);
       },
       "#\n#\n#\n.\n"},
      {"up", 1, 4,
       [](TCanvas& c) {
         c.MoveTo(0, 3);
         c.LineTo(0, 0);
       },
       ".\n#\n#\n#\n"},
      {"diagonal", 4, 4,
       [](TCanvas& c) {
         c.MoveTo(0, 0);
         c.LineTo(3, 3);
       },
       "#...\n"
       ".#..\n"
       "..#.\n"
       "....\n"},
      {"shallow", 7, 2,
       [](TCanvas& c) {
         c.MoveTo(0, 0);
         c.LineTo(6, 2);
       },
       "##.....\n"
       "..###..\n"},
      {"to itself", 3, 1,
       [](TCanvas& c) {
         c.MoveTo(1, 0);
         c.LineTo(1, 0);
       },
       "...\n"},
      {"polyline frame", 4, 3,
       [](TCanvas& c) {
         c.Polyline({TPoint(0, 0), TPoint(3, 0), TPoint(3, 2), TPoint(0, 2), TPoint(0, 0)});
       },
       "####\n"
       "#..#\n"
       "####\n"},
      {"wide horizontal, centred", 5, 5,
       [](TCanvas& c) {
         Pen(c, clBlack, psSolid, 3);
         c.MoveTo(0, 2);
         c.LineTo(4, 2);
       },
       ".....\n"
       "####.\n"
       "####.\n"
       "####.\n"
       ".....\n"},
      {"dotted pen: three on, three off", 14, 1,
       [](TCanvas& c) {
         Pen(c, clBlack, psDot);
         c.MoveTo(0, 0);
         c.LineTo(14, 0);
       },
       "###...###...##\n"},
      {"clear pen", 4, 1,
       [](TCanvas& c) {
         Pen(c, clBlack, psClear);
         c.MoveTo(0, 0);
         c.LineTo(4, 0);
       },
       "....\n"},
  };
  for (const ArtCase& c : cases) RunArt(c);
}

TEST(Canvas, LineToMovesThePenEvenWhenNothingIsDrawn) {
  TCanvas c;
  c.MoveTo(1, 2);
  c.LineTo(5, 6);
  EXPECT_EQ(c.PenPos(), TPoint(5, 6));
}

// Shapes stay inside Left..Right-1 and Top..Bottom-1 and fill their inside.
TEST(Canvas, ShapesStayInsideTheirBounds) {
  struct Case {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    TRect Bounds;
    TPoint Inside;
  };
  const Case cases[] = {
      {"ellipse", [](TCanvas& c) { c.Ellipse(2, 3, 22, 13); }, TRect(2, 3, 22, 13), TPoint(12, 8)},
      {"circle", [](TCanvas& c) { c.Ellipse(0, 0, 9, 9); }, TRect(0, 0, 9, 9), TPoint(4, 4)},
      {"round rect", [](TCanvas& c) { c.RoundRect(1, 1, 21, 11, 6, 6); }, TRect(1, 1, 21, 11), TPoint(11, 6)},
      {"triangle",
       [](TCanvas& c) {
         c.Polygon({TPoint(2, 2), TPoint(12, 2), TPoint(2, 12)});
       },
       TRect(2, 2, 13, 13), TPoint(4, 4)},
  };
  for (const Case& k : cases) {
    auto b = Sheet(30, 20);
    Pen(b->Canvas(), clBlack);
    Fill(b->Canvas(), clRed);
    k.Draw(b->Canvas());
    EXPECT_EQ(InkBounds(*b), k.Bounds) << k.Name;
    EXPECT_EQ(At(*b, k.Inside.X, k.Inside.Y), clRed) << k.Name;
  }
}

TEST(Canvas, EllipseCornersStayEmptyAndItsEdgeUsesThePen) {
  auto b = Sheet(20, 10);
  Pen(b->Canvas(), clBlack);
  Fill(b->Canvas(), clRed);
  b->Canvas().Ellipse(0, 0, 20, 10);
  EXPECT_EQ(At(*b, 0, 0), clWhite);
  EXPECT_EQ(At(*b, 19, 9), clWhite);
  EXPECT_EQ(At(*b, 0, 5), clBlack);
  EXPECT_EQ(At(*b, 19, 4), clBlack);
  EXPECT_EQ(At(*b, 10, 0), clBlack);
}

// A five-pointed star crosses itself: the winding rule fills its centre too.
TEST(Canvas, PolygonFillsByWinding) {
  auto b = Sheet(41, 41);
  Pen(b->Canvas(), clRed, psClear);
  Fill(b->Canvas(), clBlack);
  b->Canvas().Polygon({TPoint(20, 0), TPoint(32, 38), TPoint(0, 14), TPoint(40, 14), TPoint(8, 38)});
  EXPECT_EQ(At(*b, 20, 22), clBlack);
  EXPECT_EQ(At(*b, 20, 5), clBlack);
  EXPECT_EQ(At(*b, 2, 36), clWhite);
}

// Raster operations of the pen: XOR twice leaves the picture as it was.
TEST(Canvas, PenModes) {
  struct Case {
    const char* Name;
    TPenMode Mode;
    TColor Pen, Before, After;
  };
  const Case cases[] = {
      {"copy", pmCopy, clRed, clWhite, clRed},       {"xor", pmXor, clWhite, clRed, clAqua},
      {"not xor", pmNotXor, clBlack, clRed, clAqua}, {"not", pmNot, clRed, clBlue, clYellow},
      {"black", pmBlack, clRed, clWhite, clBlack},   {"white", pmWhite, clRed, clBlack, clWhite},
      {"nop", pmNop, clRed, clBlue, clBlue},         {"merge", pmMerge, clRed, clBlue, clFuchsia},
      {"mask", pmMask, clYellow, clAqua, clLime},
  };
  for (const Case& k : cases) {
    auto b = Sheet(4, 1);
    TCanvas& c = b->Canvas();
    Fill(c, k.Before);
    c.FillRect(TRect(0, 0, 4, 1));
    c.Pen().Color = k.Pen;
    c.Pen().Mode = k.Mode;
    c.MoveTo(0, 0);
    c.LineTo(3, 0);
    EXPECT_EQ(At(*b, 1, 0), k.After) << k.Name;
    EXPECT_EQ(At(*b, 3, 0), k.Before) << k.Name;
  }
}

TEST(Canvas, XorShapesDrawnTwiceVanish) {
  auto b = Sheet(20, 12);
  TCanvas& c = b->Canvas();
  Fill(c, clRed);
  c.FillRect(TRect(0, 0, 10, 12));
  const QImage before = b->Image().copy();
  c.Pen().Mode = pmXor;
  c.Pen().Color = clWhite;
  c.Pen().Style = psDot;
  Fill(c, clBlue);
  for (int pass = 0; pass < 2; ++pass) {
    c.MoveTo(2, 1);
    c.LineTo(17, 11);
    c.MoveTo(5, 0);
    c.LineTo(5, 12);
    c.Rectangle(1, 1, 15, 9);
    if (pass == 0) {
      EXPECT_FALSE(SameImage(b->Image(), before));
    }
  }
  EXPECT_TRUE(SameImage(b->Image(), before));
}

TEST(Canvas, FloodFill) {
  auto b = Sheet(8, 5);
  TCanvas& c = b->Canvas();
  c.Brush().Color = clBlack;
  c.FrameRect(TRect(1, 1, 6, 5));
  c.Brush().Color = clRed;
  c.FloodFill(3, 3, clBlack, fsBorder);
  EXPECT_EQ(Art(*b),
            "........\n"
            ".#####..\n"
            ".#rrr#..\n"
            ".#rrr#..\n"
            ".#####..\n");
  c.Brush().Color = clBlue;
  c.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(Art(*b),
            "bbbbbbbb\n"
            "b#####bb\n"
            "b#rrr#bb\n"
            "b#rrr#bb\n"
            "b#####bb\n");
}

TEST(Canvas, PixelReadsTheBitmapAndNothingOutside) {
  auto b = Sheet(3, 3);
  b->Canvas().SetPixel(1, 1, clBtnFace);
  EXPECT_EQ(b->Canvas().Pixel(1, 1), ColorToRGB(clBtnFace));
  EXPECT_EQ(b->Canvas().Pixel(0, 0), clWhite);
  EXPECT_EQ(b->Canvas().Pixel(3, 0), clNone);
  EXPECT_EQ(b->Canvas().Pixel(-1, 0), clNone);
}

// ---- Clip regions ----

TEST(Canvas, ClipRegions) {
  struct Case {
    const char* Name;
    std::function<int(TCanvas&)> Clip;
    int Kind;
    TRect Box;
    const char* Expected;
  };
  const Case cases[] = {
      {"selected rectangle",
       [](TCanvas& c) {
         TRegion r = TRegion::CreateRectRgn(1, 1, 4, 3);
         return c.SelectClipRgn(&r);
       },
       SIMPLEREGION, TRect(1, 1, 4, 3), "......\n.###..\n.###..\n......\n"},
      {"two rectangles combined",
       [](TCanvas& c) {
         TRegion a = TRegion::CreateRectRgn(0, 0, 2, 2), b = TRegion::CreateRectRgn(4, 2, 6, 4), u;
         EXPECT_EQ(u.Combine(a, b, RGN_OR), COMPLEXREGION);
         return c.SelectClipRgn(&u);
       },
       COMPLEXREGION, TRect(0, 0, 6, 4), "##....\n##....\n....##\n....##\n"},
      {"difference",
       [](TCanvas& c) {
         TRegion a = TRegion::CreateRectRgn(0, 0, 6, 4), b = TRegion::CreateRectRgn(1, 0, 6, 4), d;
         EXPECT_EQ(d.Combine(a, b, RGN_DIFF), SIMPLEREGION);
         return c.SelectClipRgn(&d);
       },
       SIMPLEREGION, TRect(0, 0, 1, 4), "#.....\n#.....\n#.....\n#.....\n"},
      {"intersection of nothing",
       [](TCanvas& c) {
         TRegion a = TRegion::CreateRectRgn(0, 0, 2, 2), b = TRegion::CreateRectRgn(3, 3, 5, 5), n;
         EXPECT_EQ(n.Combine(a, b, RGN_AND), NULLREGION);
         return c.SelectClipRgn(&n);
       },
       NULLREGION, TRect(), "......\n......\n......\n......\n"},
      {"excluded rectangle", [](TCanvas& c) { return c.ExcludeClipRect(TRect(1, 1, 5, 3)); }, COMPLEXREGION,
       TRect(0, 0, 6, 4), "######\n#....#\n#....#\n######\n"},
      {"intersected twice",
       [](TCanvas& c) {
         c.IntersectClipRect(TRect(0, 0, 4, 4));
         return c.IntersectClipRect(TRect(2, 1, 6, 4));
       },
       SIMPLEREGION, TRect(2, 1, 4, 4), "......\n..##..\n..##..\n..##..\n"},
      {"selected then removed",
       [](TCanvas& c) {
         TRegion r = TRegion::CreateRectRgn(0, 0, 1, 1);
         c.SelectClipRgn(&r);
         return c.SelectClipRgn(nullptr);
       },
       SIMPLEREGION, TRect(0, 0, 6, 4), "######\n######\n######\n######\n"},
  };
  for (const Case& k : cases) {
    auto b = Sheet(6, 4);
    TCanvas& c = b->Canvas();
    EXPECT_EQ(k.Clip(c), k.Kind) << k.Name;
    EXPECT_EQ(c.ClipRect(), k.Box) << k.Name;
    Fill(c, clBlack);
    c.FillRect(TRect(0, 0, 6, 4));
    EXPECT_EQ(Art(*b), k.Expected) << k.Name;
  }
}

TEST(Canvas, TheRegionIsCopiedWhenSelected) {
  auto b = Sheet(4, 1);
  TRegion r = TRegion::CreateRectRgn(0, 0, 1, 1);
  b->Canvas().SelectClipRgn(&r);
  r = TRegion::CreateRectRgn(0, 0, 4, 1);
  Fill(b->Canvas(), clBlack);
  b->Canvas().FillRect(TRect(0, 0, 4, 1));
  EXPECT_EQ(Art(*b), "#...\n");
}

TEST(Canvas, SaveAndRestoreKeepFontPenBrushAndClip) {
  auto b = Sheet(4, 1);
  TCanvas& c = b->Canvas();
  c.Pen().Color = clRed;
  c.Font().SetSize(12);
  c.Save();
  c.Pen().Color = clBlue;
  c.Brush().Color = clLime;
  c.Font().SetStyle({fsBold});
  c.IntersectClipRect(TRect(0, 0, 1, 1));
  c.Restore();
  EXPECT_EQ(c.Pen().Color, clRed);
  EXPECT_EQ(c.Brush().Color, clWhite);
  EXPECT_EQ(c.Font().Size(), 12);
  EXPECT_FALSE(c.Font().Style().Contains(fsBold));
  EXPECT_FALSE(c.HasClipRegion());
  Fill(c, clBlack);
  c.FillRect(TRect(0, 0, 4, 1));
  EXPECT_EQ(Art(*b), "####\n");
}

// The clip of the painter (a paint event's region) always limits the canvas's own.
TEST(Canvas, ClipStaysInsideThePaintersClip) {
  QImage img(6, 1, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setClipRect(QRect(0, 0, 3, 1));
  TCanvas c;
  SetCanvasPainter(c, &p);
  c.ExcludeClipRect(TRect(0, 0, 1, 1));
  EXPECT_EQ(c.ClipRect(), TRect(1, 0, 3, 1));
  c.Brush().Color = clBlack;
  c.FillRect(TRect(0, 0, 6, 1));
  c.SelectClipRgn(nullptr);
  c.Brush().Color = clRed;
  c.FillRect(TRect(0, 0, 6, 1));
  p.end();
  EXPECT_EQ(FromQColor(img.pixelColor(0, 0)), clRed);
  EXPECT_EQ(FromQColor(img.pixelColor(1, 0)), clRed);
  EXPECT_EQ(FromQColor(img.pixelColor(3, 0)), clWhite);
}

// ---- Text ----

TEST(Canvas, TextOutWithTheFixedMeasurer) {
  auto b = Sheet(40, 20);
  TCanvas& c = b->Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  c.TextOut(3, 4, "a b");
  EXPECT_EQ(Cells(*b), (std::vector<TPoint>{TPoint(3, 4), TPoint(17, 4)}));
  EXPECT_EQ(c.PenPos(), TPoint(24, 4));
  EXPECT_EQ(c.TextWidth("abcd"), 28);
  EXPECT_EQ(c.TextHeight("x"), 13);
  EXPECT_EQ(c.TextExtent("ab"), (TSize{14, 13}));
}

TEST(Canvas, TextBackgroundFollowsTheBrushUnlessSetTransparent) {
  struct Case {
    const char* Name;
    TBrushStyle Style;
    int BkMode;  // 0: leave it
    TColor Behind;
  };
  const Case cases[] = {
      {"solid brush", bsSolid, 0, clRed},
      {"clear brush", bsClear, 0, clWhite},
      {"solid brush, transparent mode", bsSolid, TRANSPARENT, clWhite},
  };
  for (const Case& k : cases) {
    auto b = Sheet(20, 15);
    TCanvas& c = b->Canvas();
    Fill(c, clRed, k.Style);
    if (k.BkMode) c.SetBkMode(k.BkMode);
    c.Font().SetColor(clBlack);
    c.TextOut(0, 0, "a");
    EXPECT_EQ(At(*b, 0, 0), k.Behind) << k.Name;
    EXPECT_EQ(At(*b, 3, 5), clBlack) << k.Name;
    EXPECT_EQ(At(*b, 7, 0), clWhite) << k.Name;
  }
}

TEST(Canvas, ChangingTheBrushEndsAnExplicitBackgroundMode) {
  TCanvas c;
  c.SetBkMode(TRANSPARENT);
  EXPECT_EQ(c.BkMode(), TRANSPARENT);
  c.Brush().Color = clRed;
  EXPECT_EQ(c.BkMode(), OPAQUE);
}

TEST(Canvas, TextRectClipsAndFillsItsRectangle) {
  auto b = Sheet(30, 15);
  TCanvas& c = b->Canvas();
  Fill(c, clBlue);
  c.Font().SetColor(clBlack);
  c.TextRect(TRect(2, 0, 12, 13), 2, 0, "abc");
  EXPECT_EQ(At(*b, 2, 0), clBlue);
  EXPECT_EQ(At(*b, 11, 0), clBlue);
  EXPECT_EQ(At(*b, 12, 0), clWhite);
  EXPECT_EQ(At(*b, 10, 5), clBlack);  // second character, cut by the rectangle
  EXPECT_EQ(At(*b, 17, 5), clWhite);  // third character, outside
}

TEST(Canvas, EscapementTurnsTextCounterClockwise) {
  auto b = Sheet(30, 40);
  TCanvas& c = b->Canvas();
  c.Font().SetColor(clBlack);
  c.Font().SetOrientation(900);
  c.Brush().Style = bsClear;
  c.TextOut(5, 30, "ab");
  const TRect ink = InkBounds(*b);
  EXPECT_GE(ink.Left, 5);
  EXPECT_LE(ink.Right, 5 + 13);
  EXPECT_LE(ink.Bottom, 30);
  EXPECT_GE(ink.Top, 30 - 14);
}

TEST(Canvas, RotatedTextRectStaysInItsRectangle) {
  auto b = Sheet(40, 40);
  TCanvas& c = b->Canvas();
  c.Font().SetColor(clBlack);
  c.Font().SetOrientation(900);
  c.Brush().Style = bsClear;
  c.TextRect(TRect(0, 20, 40, 40), 5, 30, "abc");  // runs upwards, out of the rectangle
  const TRect ink = InkBounds(*b);
  EXPECT_EQ(ink.Top, 20);
  EXPECT_EQ(ink.Bottom, 30 - 1);
  EXPECT_GE(ink.Left, 5);
}

TEST(Canvas, FontMetricsComeFromTheSameCanvas) {
  TBitmap b(50, 20);
  TCanvas& c = b.Canvas();
  const int plain = c.TextWidth("Hello");
  EXPECT_GT(plain, 0);
  c.Font().SetStyle({fsBold});
  const int w = c.TextWidth("Hello");
  EXPECT_GE(w, plain);
  EXPECT_GT(c.TextHeight("Hello"), 0);
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  c.TextOut(0, 0, "Hello");
  const TRect ink = InkBounds(b);
  EXPECT_FALSE(ink.IsEmpty());
  EXPECT_LE(ink.Right, w + 2);
}

TEST(Canvas, DefaultMeasurerServesCanvasesWithoutTheirOwn) {
  TBitmap b(10, 10);
  SetDefaultTextMeasurer(&TTextMeasurer::Fixed());
  EXPECT_EQ(b.Canvas().TextWidth("abc"), 21);
  SetDefaultTextMeasurer(nullptr);
  EXPECT_EQ(&b.Canvas().TextMeasurer(), &TTextMeasurer::FontMetrics());
}

// ---- Pictures on the canvas ----

TEST(Canvas, CopyRectCopiesPixelsBetweenCanvases) {
  auto src = Sheet(4, 2);
  src->Canvas().SetPixel(1, 0, clRed);
  src->Canvas().SetPixel(2, 1, clBlue);
  auto dst = Sheet(6, 3);
  dst->Canvas().CopyRect(TRect(2, 1, 5, 3), src->Canvas(), TRect(0, 0, 3, 2));
  EXPECT_EQ(Art(*dst),
            "......\n"
            "...r..\n"
            "....b.\n");
}

// ---- Other devices ----

TEST(Canvas, DrawsOnAPrinterPage) {
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  {
    QPdfWriter writer(path);
    QPainter p(&writer);
    TCanvas c;
    SetCanvasPainter(c, &p);
    c.Pen().Color = clBlack;
    c.Brush().Color = clSilver;
    c.Rectangle(100, 100, 2000, 600);
    c.Pen().Mode = pmXor;  // not on paper: drawn as a plain pen
    c.MoveTo(100, 700);
    c.LineTo(2000, 700);
    c.Font().SetHeight(-120);
    TRect r(100, 800, 3000, 1200);
    DrawText(c, "Printed &text", r, DT_SINGLELINE | DT_VCENTER);
    c.DrawFocusRect(TRect(100, 1300, 900, 1500));
  }
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(4) == "%PDF");
  EXPECT_GT(f.size(), 500);
}

namespace {

// A small owner-drawn control: the same painting goes to a window and a bitmap.
class TPaintSample : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  static void PaintOn(TCanvas& c, int w, int h) {
    c.SetTextMeasurer(&TTextMeasurer::Fixed());
    // The canvas keeps its state from one paint to the next, as the library's does.
    c.Brush().Style = bsSolid;
    c.Brush().Color = clBtnFace;
    c.FillRect(TRect(0, 0, w, h));
    TRect r(0, 0, w, h);
    DrawEdge(c, r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    c.Pen().Color = clNavy;
    c.MoveTo(4, h - 6);
    c.LineTo(w - 4, 6);
    c.Brush().Color = clRed;
    c.Ellipse(6, 6, 20, 20);
    c.Font().SetColor(clBlack);
    c.Brush().Style = bsClear;
    TRect t(0, 0, w, h);
    DrawText(c, "&OK", t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    DrawFrameControl(c, TRect(w - 18, 4, w - 5, 17), DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    c.DrawFocusRect(TRect(3, 3, w - 3, h - 3));
  }

protected:
  void Paint() override { PaintOn(Canvas(), Width(), Height()); }
};

}  // namespace

TEST(Canvas, WindowPaintingMatchesBitmapPainting) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetClientWidth(200);
  form->SetClientHeight(100);
  auto* sample = new TPaintSample(form.get());
  sample->SetParent(form.get());
  sample->SetBounds(10, 10, 90, 40);
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
  QApplication::processEvents();
  const QImage shown = sample->Widget()->grab().toImage();

  TBitmap b(90, 40);
  TPaintSample::PaintOn(b.Canvas(), 90, 40);
  ASSERT_EQ(shown.size(), QSize(90, 40));
  const bool same = SameImage(shown, b.Image());
  EXPECT_TRUE(same);
  if (!same) {
    shown.save("/tmp/quillore_shown.png");
    b.Image().save("/tmp/quillore_bitmap.png");
  }
}

// A sheet of everything the canvas draws, in the real font; saved as a picture
// when QUILLORE_CANVAS_SHEET names a file, to look at the classic looks.
TEST(Canvas, TestSheet) {
  TBitmap b(360, 200);
  TCanvas& c = b.Canvas();
  c.Brush().Color = clBtnFace;
  c.FillRect(TRect(0, 0, 360, 200));
  const unsigned edges[] = {EDGE_RAISED, EDGE_SUNKEN, EDGE_ETCHED, EDGE_BUMP, BDR_RAISEDINNER, BDR_SUNKENOUTER};
  for (int i = 0; i < 6; ++i) {
    TRect r = Bounds(10 + i * 40, 10, 32, 24);
    DrawEdge(c, r, edges[i], BF_RECT);
  }
  const unsigned buttons[] = {DFCS_BUTTONCHECK,
                              DFCS_BUTTONCHECK | DFCS_CHECKED,
                              DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_BUTTON3STATE,
                              DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT,
                              DFCS_BUTTONRADIO,
                              DFCS_BUTTONRADIO | DFCS_CHECKED,
                              DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE};
  for (int i = 0; i < 7; ++i) DrawFrameControl(c, Bounds(10 + i * 20, 44, 13, 13), DFC_BUTTON, buttons[i]);
  DrawFrameControl(c, Bounds(160, 40, 60, 22), DFC_BUTTON, DFCS_BUTTONPUSH);
  DrawFrameControl(c, Bounds(226, 40, 60, 22), DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  const unsigned arrows[] = {DFCS_SCROLLUP,
                             DFCS_SCROLLDOWN,
                             DFCS_SCROLLLEFT,
                             DFCS_SCROLLRIGHT,
                             DFCS_SCROLLCOMBOBOX,
                             DFCS_SCROLLDOWN | DFCS_INACTIVE,
                             DFCS_SCROLLUP | DFCS_PUSHED};
  for (int i = 0; i < 7; ++i) DrawFrameControl(c, Bounds(10 + i * 20, 70, 17, 17), DFC_SCROLL, arrows[i]);
  c.Font().SetName("Tahoma");
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  TRect t = Bounds(10, 96, 160, 40);
  c.Pen().Color = clGray;
  c.Rectangle(t);
  DrawText(c, "&Word break with an end ellipsis in a narrow box", t, DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS);
  TRect s = Bounds(180, 96, 160, 20);
  c.Rectangle(s);
  DrawText(c, "Centred, single line", s, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  c.DrawFocusRect(Bounds(178, 94, 164, 24));
  c.Brush().Style = bsSolid;
  c.Brush().Color = clRed;
  c.Pen().Color = clBlack;
  c.Ellipse(10, 146, 50, 186);
  c.RoundRect(60, 146, 110, 186, 10, 10);
  c.Brush().Color = clYellow;
  c.Polygon({TPoint(140, 146), TPoint(156, 186), TPoint(118, 160), TPoint(162, 160), TPoint(124, 186)});
  c.Pen().Style = psDot;
  c.MoveTo(180, 150);
  c.LineTo(340, 150);
  c.Pen().Style = psSolid;
  c.Pen().Width = 3;
  c.MoveTo(180, 160);
  c.LineTo(340, 190);
  c.Pen().Width = 1;
  c.Font().SetOrientation(900);
  c.Brush().Style = bsClear;
  c.TextOut(345, 190, "Turned");
  EXPECT_FALSE(InkBounds(b, ColorToRGB(clBtnFace)).IsEmpty());
  if (const QByteArray path = qgetenv("QUILLORE_CANVAS_SHEET"); !path.isEmpty()) {
    EXPECT_TRUE(b.Image().save(QString::fromLocal8Bit(path)));
  }
}
