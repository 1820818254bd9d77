#include "grid/foundation/CellDrawing.h"

#include "grid/foundation/DrawingProbe.h"
#include "platform/Resources.h"
#include "platform/Themes.h"

#include <gtest/gtest.h>

#include <memory>

using drawprobe::Art;
using drawprobe::TLegend;
using drawprobe::TRun;

namespace {
constexpr TColor Red = clRed, Blue = clBlue, Green = clLime;

std::unique_ptr<TBitmap> Sheet(int w, int h) { return paintprobe::Sheet(w, h); }
}  // namespace

// ---- colours ----

TEST(CellDrawing, ColourArithmetic) {
  struct Case {
    const char* what;
    TColor got, want;
  } cases[] = {
      {"halve", HalveColor(RGBColor(255, 101, 2)), RGBColor(127, 50, 1)},
      {"halve a system colour", HalveColor(clWhite), RGBColor(127, 127, 127)},
      {"halve none", HalveColor(clNone), clNone},
      {"brighten by 7 percent", AdjustColorBrightness(RGBColor(100, 50, 0), 7), RGBColor(107, 54, 0)},
      {"darken by 20 percent", AdjustColorBrightness(RGBColor(100, 50, 5), -20), RGBColor(80, 40, 4)},
      {"a raised channel stays at 255", AdjustColorBrightness(RGBColor(250, 100, 240), 7), RGBColor(255, 107, 255)},
      {"halves round to even", AdjustColorBrightness(RGBColor(50, 150, 10), 1), RGBColor(50, 152, 10)},
      {"brighten none", AdjustColorBrightness(clNone, 10), clNone},
      {"interpolate half way", InterpolateColor(RGBColor(0, 100, 200), RGBColor(100, 0, 200), 0, 10, 5),
       RGBColor(50, 50, 200)},
      {"to none keeps a system colour", InterpolateColor(clBtnFace, clNone, 0, 10, 5), clBtnFace},
      {"an empty range gives the start", InterpolateColor(RGBColor(1, 2, 3), clWhite, 4, 4, 2), RGBColor(1, 2, 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

// ---- gradients ----

TEST(CellDrawing, GradientBandsAndEdges) {
  {
    auto b = Sheet(10, 3);
    DrawGradient(b->Canvas(), Red, Blue, 0, TRect(0, 0, 10, 3), true);
    EXPECT_EQ(drawprobe::Runs(*b, Red, 1), (std::vector<TRun>{{0, 9}})) << "steps 0: two bands";
    EXPECT_EQ(drawprobe::Runs(*b, Blue, 1), (std::vector<TRun>{{9, 1}})) << "the second band is the to colour";
  }
  {
    auto b = Sheet(4, 3);
    DrawGradient(b->Canvas(), Red, Blue, 16, TRect(0, 1, 4, 2), false);
    EXPECT_EQ(Art(*b, {{Blue, 'b'}}), "....\nbbbb\n....\n") << "one pixel high: the row ends in the to colour";
  }
  {
    auto b = Sheet(6, 2);
    DrawGradient(b->Canvas(), Red, clNone, 16, TRect(0, 0, 6, 2), true);
    EXPECT_EQ(drawprobe::Count(*b, Red), 12) << "to colour none: plain in the from colour";
    DrawGradient(b->Canvas(), clNone, Blue, 16, TRect(0, 0, 6, 2), true);
    EXPECT_EQ(drawprobe::Count(*b, Blue), 12) << "from colour none: plain in the to colour";
  }
  {
    // 100 wide in 4 steps: bands of 24.75 pixels at the truncated offsets 0, 24, 49, 74, 99.
    auto b = Sheet(100, 2);
    DrawGradient(b->Canvas(), RGBColor(0, 0, 0), RGBColor(200, 0, 0), 4, TRect(0, 0, 100, 2), true);
    EXPECT_EQ(drawprobe::At(*b, 23, 0), RGBColor(0, 0, 0));
    EXPECT_EQ(drawprobe::At(*b, 24, 0), RGBColor(50, 0, 0));
    EXPECT_EQ(drawprobe::At(*b, 49, 0), RGBColor(100, 0, 0));
    EXPECT_EQ(drawprobe::At(*b, 74, 0), RGBColor(150, 0, 0));
    EXPECT_EQ(drawprobe::At(*b, 99, 0), RGBColor(200, 0, 0));
  }
  {
    auto b = Sheet(4, 4);
    DrawGradient(b->Canvas(), Red, Blue, 8, TRect(0, 2, 4, 2), false);
    EXPECT_EQ(drawprobe::Count(*b, clWhite), 16) << "zero height draws nothing";
  }
}

TEST(CellDrawing, MirrorGradient) {
  {
    auto b = Sheet(10, 12);
    DrawMirrorGradient(b->Canvas(), TRect(0, 0, 10, 10), Red, clNone, clNone, clNone, true, clNone, false, true);
    EXPECT_EQ(drawprobe::Count(*b, Red), 110) << "a plain fill is one pixel longer";
  }
  {
    auto b = Sheet(10, 10);
    DrawMirrorGradient(b->Canvas(), TRect(0, 0, 10, 10), Red, Green, Blue, clBlack, true, clNone, false, true);
    EXPECT_EQ(drawprobe::At(*b, 3, 0), Red);
    EXPECT_EQ(drawprobe::At(*b, 3, 4), Green);
    EXPECT_EQ(drawprobe::At(*b, 3, 5), Blue) << "the lower half starts with the mirror colour";
    EXPECT_EQ(drawprobe::At(*b, 3, 9), clBlack);
  }
  {
    auto b = Sheet(8, 4);
    DrawMirrorGradient(b->Canvas(), TRect(0, 0, 8, 4), clNone, clNone, clNone, clNone, false, Blue, true, true);
    EXPECT_EQ(Art(*b, {{Blue, 'b'}}), "b......b\nb......b\nb......b\nb......b\n");
  }
}

// ---- selection frame ----

namespace {
constexpr TColor Fill = 0x0000C0, InnerTop = 0x00C000, InnerBottom = 0xC00000, Outer = 0x404040,
                 CornerInner = 0x808000, CornerOuter = 0x008080;
const TLegend FrameLegend = {{Fill, 'F'},         {InnerTop, 'i'},    {InnerBottom, 'j'},
                             {Outer, 'o'},        {CornerInner, 'c'}, {CornerOuter, 'k'}};
}  // namespace

TEST(CellDrawing, SelectionFrameEndKindsPixelByPixel) {
  struct Case {
    int kind;
    const char* art;
  } cases[] = {
      {seSingle,
       "kcooooock.\n"
       "cciiiiicc.\n"
       "oiFFFFFio.\n"
       "ojFFFFFjo.\n"
       "ojFFFFFjo.\n"
       "ccjjjjjcc.\n"
       "kcooooock.\n"
       "..........\n"},
      {seLeftEnd,
       "kcooooooo.\n"
       "cciiiiiii.\n"
       "oiFFFFFFF.\n"
       "ojFFFFFFF.\n"
       "ojFFFFFFF.\n"
       "ccjjjjjjj.\n"
       "kcooooooo.\n"
       "..........\n"},
      {seRightEnd,
       "ooooooock.\n"
       "iiiiiiicc.\n"
       "FFFFFFFio.\n"
       "FFFFFFFjo.\n"
       "FFFFFFFjo.\n"
       "jjjjjjjcc.\n"
       "ooooooock.\n"
       "..........\n"},
      {seMiddle,
       "ooooooooo.\n"
       "iiiiiiiii.\n"
       "FFFFFFFFF.\n"
       "FFFFFFFFF.\n"
       "FFFFFFFFF.\n"
       "jjjjjjjjj.\n"
       "ooooooooo.\n"
       "..........\n"},
  };
  for (const Case& c : cases) {
    auto b = Sheet(10, 8);
    DrawSelectionBorder(b->Canvas(), Fill, clNone, clNone, clNone, InnerTop, InnerBottom, Outer, CornerInner,
                        CornerOuter, TRect(0, 0, 10, 8), c.kind);
    EXPECT_EQ(Art(*b, FrameLegend), c.art) << "end kind " << c.kind;
  }
}

TEST(CellDrawing, SelectionFrameOffice2007HasTwoGradedHalves) {
  const TSelectionColors& office = SelectionColorSets[scsOffice2007];
  auto b = Sheet(20, 24);
  DrawSelectionBorder(b->Canvas(), office, clWhite, TRect(0, 0, 20, 24), seSingle);
  // Inside rows 2..20, split after row 10.
  EXPECT_EQ(drawprobe::At(*b, 5, 2), office.Fill);
  EXPECT_EQ(drawprobe::At(*b, 5, 10), office.FillTo);
  EXPECT_EQ(drawprobe::At(*b, 5, 11), office.Mirror);
  EXPECT_EQ(drawprobe::At(*b, 5, 20), office.MirrorTo);
  EXPECT_EQ(drawprobe::At(*b, 5, 22), office.Outer);
  const TSelectionColors& vista = SelectionColorSets[scsVista];
  DrawSelectionBorder(b->Canvas(), vista, clWhite, TRect(0, 0, 20, 24), seSingle);
  EXPECT_EQ(drawprobe::At(*b, 5, 2), vista.Fill);
  EXPECT_EQ(drawprobe::At(*b, 5, 20), vista.FillTo) << "one gradient without lower-half colours";
}

// ---- bitmaps ----

TEST(CellDrawing, TransparentBitmapShowsTheBackgroundForItsKeyColour) {
  TBitmap glyph(3, 2);
  glyph.Canvas().Brush().Color = Green;
  glyph.Canvas().FillRect(TRect(0, 0, 3, 2));
  auto b = Sheet(6, 4);
  DrawTransparentBitmap(b->Canvas(), glyph, Blue, TRect(1, 1, 6, 4));
  EXPECT_EQ(Art(*b, {{Blue, 'b'}}), "......\n.bbb..\n.bbb..\n......\n")
      << "all key: the bitmap's own size in the background colour";
  glyph.Canvas().SetPixel(2, 1, Red);
  DrawTransparentBitmap(b->Canvas(), glyph, clBlack, TRect(1, 1, 2, 2));
  EXPECT_EQ(Art(*b, {{Red, 'r'}, {clBlack, '#'}}), "......\n.###..\n.##r..\n......\n");
}

TEST(CellDrawing, ResourceBitmapsAreFoundByName) {
  auto b = Sheet(20, 20);
  DrawResourceBitmap(b->Canvas(), Red, TRect(2, 2, 18, 18), "psgfilt");
  EXPECT_EQ(drawprobe::At(*b, 2, 2), Red) << "the corner's colour is the key";
  EXPECT_EQ(drawprobe::At(*b, 4, 3), clBlack);
  EXPECT_EQ(drawprobe::At(*b, 18, 18), clWhite) << "drawn at the bitmap's size";
  try {
    DrawResourceBitmap(b->Canvas(), Red, TRect(0, 0, 4, 4), "NOSUCHGLYPH");
    ADD_FAILURE() << "no error for an unknown name";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHGLYPH not found");
  }
}

TEST(CellDrawing, ErrorUnderlineRunsUnderTheCharacters) {
  // The fixed measurer: 7 pixels a character.
  struct Case {
    int first, count, left, right;
  } cases[] = {
      {1, 2, 7, 19},    // characters 1 and 2: from x 7 to past the start of character 2
      {4, 5, 28, 43},   // to the end of the text: the last character's x + 4
      {9, 1, 46, 49},   // beyond the text: from its end + 4, one step
  };
  for (const Case& c : cases) {
    auto b = Sheet(60, 12);
    DrawErrorUnderline(nullptr, b->Canvas(), "abcdef", TRect(0, 2, 60, 12), 0, c.first, c.count);
    const TRect ink = paintprobe::InkBounds(*b);
    EXPECT_NEAR(ink.Left, c.left, 1) << c.first;
    EXPECT_NEAR(ink.Right - 1, c.right, 1) << c.first;
    EXPECT_GE(ink.Top, 1);
    EXPECT_LE(ink.Bottom, 2 + 3 + 3 + 1) << "zig-zag 3 pixels deep below the offset";
    EXPECT_GT(drawprobe::Count(*b, Red), 0);
  }
}

// ---- in-cell buttons ----

namespace {
TColorTones Tones() {
  TColorTones t;
  t.Background = {0x101010, 0x202020, 0x303030};
  t.Hover = {0x111111, 0x212121, 0x313131};
  t.Selected = {0x121212, 0x222222, 0x323232};
  t.Disabled = {0x131313, 0x232323, 0x333333};
  return t;
}

struct ThemeScope {
  TFakeThemeServices* Fake;
  ThemeScope() {
    auto fake = std::make_unique<TFakeThemeServices>();
    Fake = fake.get();
    SetThemeServices(std::move(fake));
  }
  ~ThemeScope() { SetThemeServices(nullptr); }
};

using ButtonDrawer = void (*)(TCanvas&, TWinControl*, const TRect&, int, int, const TColorTones&);
void Combo(TCanvas& c, TWinControl* w, const TRect& r, int look, int state, const TColorTones& t) {
  DrawComboButton(c, w, r, look, state, t);
}
}  // namespace

TEST(CellDrawing, ThemedButtonsAskTheThemeForTheirPartAndState) {
  const TRect r(10, 10, 60, 30);
  struct Case {
    const char* name;
    ButtonDrawer draw;
    int state;
    std::vector<TFakeThemeServices::TDrawCall> calls;
  } cases[] = {
      {"combo normal", Combo, 0, {{"combobox", 1, 1, TRect(41, 11, 58, 29)}}},
      {"combo hot", Combo, 1, {{"combobox", 1, 1, TRect(41, 11, 58, 29)}}},
      {"combo disabled", Combo, 3, {{"combobox", 1, 4, TRect(41, 11, 58, 29)}}},
      {"push normal", DrawPushButtonFace, 0, {{"button", 1, 1, r}}},
      {"push hot", DrawPushButtonFace, 1, {{"button", 1, 2, r}}},
      {"push down", DrawPushButtonFace, 2, {{"button", 1, 3, r}}},
      {"push disabled", DrawPushButtonFace, 3, {{"button", 1, 4, r}}},
      {"spin", DrawSpinButtons, 2, {{"spin", 1, 1, TRect(44, 9, 59, 19)}, {"spin", 2, 1, TRect(44, 19, 59, 29)}}},
      {"spin disabled", DrawSpinButtons, 3, {{"spin", 1, 4, TRect(44, 9, 59, 19)}, {"spin", 2, 4, TRect(44, 19, 59, 29)}}},
  };
  for (const Case& c : cases) {
    ThemeScope theme;
    auto b = Sheet(70, 40);
    c.draw(b->Canvas(), nullptr, r, CellButtonThemed, c.state, Tones());
    ASSERT_EQ(theme.Fake->Calls.size(), c.calls.size()) << c.name;
    for (size_t i = 0; i < c.calls.size(); ++i) {
      EXPECT_EQ(theme.Fake->Calls[i].ClassList, c.calls[i].ClassList) << c.name;
      EXPECT_EQ(theme.Fake->Calls[i].PartId, c.calls[i].PartId) << c.name;
      EXPECT_EQ(theme.Fake->Calls[i].StateId, c.calls[i].StateId) << c.name;
      EXPECT_EQ(theme.Fake->Calls[i].Rect, c.calls[i].Rect) << c.name;
    }
    EXPECT_EQ(theme.Fake->OpenCount, theme.Fake->CloseCount) << c.name;
  }
}

TEST(CellDrawing, ClassicAndFlatButtonsAreTheFrameControls) {
  const TRect r(4, 4, 44, 24);
  struct Expected {
    TRect rect;
    unsigned type, flags;
  };
  struct Case {
    const char* name;
    ButtonDrawer draw;
    int look, state;
    std::vector<Expected> frames;
  } cases[] = {
      {"combo classic", Combo, 1, 0, {{TRect(25, 5, 42, 23), DFC_SCROLL, DFCS_SCROLLCOMBOBOX}}},
      {"combo classic hot", Combo, 1, 1, {{TRect(25, 5, 42, 23), DFC_SCROLL, DFCS_SCROLLCOMBOBOX}}},
      {"combo flat disabled", Combo, 2, 3,
       {{TRect(25, 5, 42, 23), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT}}},
      {"push classic", DrawPushButtonFace, 1, 0, {{r, DFC_BUTTON, DFCS_BUTTONPUSH}}},
      {"push classic hot", DrawPushButtonFace, 1, 1, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_HOT}}},
      {"push classic down", DrawPushButtonFace, 1, 2, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED}}},
      {"push flat disabled", DrawPushButtonFace, 2, 3, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_INACTIVE | DFCS_FLAT}}},
      {"spin classic", DrawSpinButtons, 1, 0,
       {{TRect(28, 3, 43, 13), DFC_SCROLL, DFCS_SCROLLUP}, {TRect(28, 14, 43, 23), DFC_SCROLL, DFCS_SCROLLDOWN}}},
      {"spin flat disabled", DrawSpinButtons, 2, 3,
       {{TRect(28, 3, 43, 13), DFC_SCROLL, DFCS_SCROLLUP | DFCS_INACTIVE | DFCS_FLAT},
        {TRect(28, 14, 43, 23), DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE | DFCS_FLAT}}},
  };
  for (const Case& c : cases) {
    auto got = Sheet(50, 30), want = Sheet(50, 30);
    c.draw(got->Canvas(), nullptr, r, c.look, c.state, Tones());
    for (const Expected& e : c.frames) DrawFrameControl(want->Canvas(), e.rect, e.type, e.flags);
    EXPECT_TRUE(paintprobe::SameImage(got->Image(), want->Image())) << c.name;
  }
}

TEST(CellDrawing, OfficeButtonsTakeTheToneOfTheirState) {
  const TColorTones t = Tones();
  const TColorTone* byState[] = {&t.Background, &t.Hover, &t.Selected, &t.Disabled};
  for (int state = 0; state < 4; ++state) {
    auto b = Sheet(50, 30);
    DrawComboButton(b->Canvas(), nullptr, TRect(4, 4, 44, 24), CellButtonOffice, state, t);
    // Button (28, 5, 42, 23): a line in the border colour at x 29, the arrow below y 12.
    EXPECT_EQ(drawprobe::At(*b, 35, 6), byState[state]->BrushColor) << state;
    EXPECT_EQ(drawprobe::At(*b, 29, 10), t.Background.BorderColor) << state;
    EXPECT_EQ(drawprobe::At(*b, 36, 14), t.Background.TextColor) << state;
    EXPECT_EQ(drawprobe::At(*b, 27, 10), clWhite) << state;

    auto p = Sheet(50, 30);
    DrawPushButtonFace(p->Canvas(), nullptr, TRect(4, 4, 44, 24), CellButtonOffice, state, t);
    EXPECT_EQ(drawprobe::At(*p, 4, 4), byState[state]->BorderColor) << state;
    EXPECT_EQ(drawprobe::At(*p, 20, 14), byState[state]->BrushColor) << state;

    auto s = Sheet(50, 30);
    DrawSpinButtons(s->Canvas(), nullptr, TRect(4, 4, 44, 24), CellButtonOffice, state, t);
    // Area (28, 3, 43, 23), split at 13: up (28, 3, 43, 13), down (28, 14, 43, 23).
    EXPECT_EQ(drawprobe::At(*s, 30, 10), byState[state]->BrushColor) << state;
    EXPECT_EQ(drawprobe::At(*s, 30, 13), clWhite) << "a gap between the two buttons";
    EXPECT_EQ(drawprobe::At(*s, 35, 7), clBlack) << "up arrow";
    EXPECT_EQ(drawprobe::At(*s, 35, 16), clBlack) << "down arrow";
  }
}

// ---- shapes ----

TEST(CellDrawing, EveryShapeLandsWhereItsFormulaSays) {
  // Polygons are rasterised by the platform, which may leave out the single
  // pixel of a sharp corner: their bounds are checked to within one pixel.
  struct Case {
    TCellShape shape;
    int w, h;
    TRect bounds;
  } cases[] = {
      {csRectangle, 20, 20, TRect(3, 3, 21, 21)},
      {csCircle, 20, 10, TRect(2, 2, 12, 12)},
      {csTriangleLeft, 20, 20, TRect(2, 2, 23, 23)},
      {csTriangleRight, 20, 20, TRect(2, 2, 23, 23)},
      {csTriangleUp, 20, 20, TRect(2, 2, 23, 23)},
      {csTriangleDown, 20, 20, TRect(2, 2, 23, 23)},
      {csDiamond, 20, 20, TRect(2, 2, 23, 23)},
      {csLineVert, 20, 20, TRect(12, 2, 13, 22)},
      {csLineHorz, 20, 20, TRect(2, 12, 22, 13)},
      {csRoundRect, 20, 20, TRect(2, 2, 22, 22)},
      {csEllips, 20, 10, TRect(2, 2, 22, 12)},
      {csSquare, 20, 10, TRect(3, 3, 11, 11)},
      {csRoundSquare, 20, 10, TRect(2, 2, 12, 12)},
      {csStar, 20, 20, TRect(2, 2, 23, 21)},
      {csArrowUp, 20, 20, TRect(2, 2, 23, 23)},
      {csArrowDown, 20, 20, TRect(2, 2, 23, 23)},
      {csArrowLeft, 20, 20, TRect(2, 2, 23, 23)},
      {csArrowRight, 20, 20, TRect(2, 2, 23, 23)},
      {csHalfStar, 20, 20, TRect(2, 2, 13, 21)},
      {TCellShape(19), 20, 20, TRect()},
  };
  for (const Case& c : cases) {
    auto b = Sheet(26, 26);
    DrawCellShape(b->Canvas(), 2, 2, c.w, c.h, c.shape, Red, clBlack);
    b->EndCanvas();
    const TRect ink = paintprobe::InkBounds(*b);
    const bool polygon = c.shape == csStar || c.shape == csHalfStar || (c.shape >= csTriangleLeft && c.shape <= csDiamond) ||
                         (c.shape >= csArrowUp && c.shape <= csArrowRight);
    if (!polygon) {
      EXPECT_EQ(ink, c.bounds) << "shape " << int(c.shape);
      continue;
    }
    EXPECT_NEAR(ink.Left, c.bounds.Left, 1) << "shape " << int(c.shape);
    EXPECT_NEAR(ink.Top, c.bounds.Top, 1) << "shape " << int(c.shape);
    EXPECT_EQ(ink.Right, c.bounds.Right) << "shape " << int(c.shape);
    EXPECT_EQ(ink.Bottom, c.bounds.Bottom) << "shape " << int(c.shape);
  }
}

TEST(CellDrawing, ShapesAreFilledWithTheBrushAndOutlinedWithThePen) {
  auto b = Sheet(26, 26);
  DrawCellShape(b->Canvas(), 2, 2, 20, 20, csStar, Red, clBlack);
  EXPECT_EQ(drawprobe::At(*b, 12, 12), Red) << "the star's centre";
  EXPECT_GT(drawprobe::Count(*b, clBlack), 40) << "its outline";
  auto half = Sheet(26, 26);
  DrawCellShape(half->Canvas(), 2, 2, 20, 20, csHalfStar, Red, clBlack);
  EXPECT_EQ(drawprobe::At(*half, 14, 12), clWhite) << "a half star has no right half";
}

TEST(CellDrawing, LayeredWindowCallsSucceedWithoutLayeredWindows) {
  EXPECT_TRUE(CallSetLayeredWindowAttributes(nullptr, clWhite, 128, LWA_ALPHA));
  TBlendFunction blend;
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
}
