#include "grid/foundation/CellDrawing.h"

#include "grid/foundation/DrawingProbe.h"
#include "grid/foundation/ProgressGraphics.h"
#include "platform/Forms.h"
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
constexpr TColor Fill = 0x0000C0, InnerTop = 0x00C000, InnerBottom = 0xC00000, Outer = 0x404040, CornerInner = 0x808000,
                 CornerOuter = 0x008080;
const TLegend FrameLegend = {{Fill, 'F'},  {InnerTop, 'i'},    {InnerBottom, 'j'},
                             {Outer, 'o'}, {CornerInner, 'c'}, {CornerOuter, 'k'}};
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
      {1, 2, 7, 19},   // characters 1 and 2: from x 7 to past the start of character 2
      {4, 5, 28, 43},  // to the end of the text: the last character's x + 4
      {9, 1, 46, 49},  // beyond the text: from its end + 4, one step
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
      {"spin disabled",
       DrawSpinButtons,
       3,
       {{"spin", 1, 4, TRect(44, 9, 59, 19)}, {"spin", 2, 4, TRect(44, 19, 59, 29)}}},
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
      {"combo flat disabled",
       Combo,
       2,
       3,
       {{TRect(25, 5, 42, 23), DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE | DFCS_FLAT}}},
      {"push classic", DrawPushButtonFace, 1, 0, {{r, DFC_BUTTON, DFCS_BUTTONPUSH}}},
      {"push classic hot", DrawPushButtonFace, 1, 1, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_HOT}}},
      {"push classic down", DrawPushButtonFace, 1, 2, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED}}},
      {"push flat disabled", DrawPushButtonFace, 2, 3, {{r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_INACTIVE | DFCS_FLAT}}},
      {"spin classic",
       DrawSpinButtons,
       1,
       0,
       {{TRect(28, 3, 43, 13), DFC_SCROLL, DFCS_SCROLLUP}, {TRect(28, 14, 43, 23), DFC_SCROLL, DFCS_SCROLLDOWN}}},
      {"spin flat disabled",
       DrawSpinButtons,
       2,
       3,
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
      {csRectangle, 20, 20, TRect(3, 3, 21, 21)},    {csCircle, 20, 10, TRect(2, 2, 12, 12)},
      {csTriangleLeft, 20, 20, TRect(2, 2, 23, 23)}, {csTriangleRight, 20, 20, TRect(2, 2, 23, 23)},
      {csTriangleUp, 20, 20, TRect(2, 2, 23, 23)},   {csTriangleDown, 20, 20, TRect(2, 2, 23, 23)},
      {csDiamond, 20, 20, TRect(2, 2, 23, 23)},      {csLineVert, 20, 20, TRect(12, 2, 13, 22)},
      {csLineHorz, 20, 20, TRect(2, 12, 22, 13)},    {csRoundRect, 20, 20, TRect(2, 2, 22, 22)},
      {csEllips, 20, 10, TRect(2, 2, 22, 12)},       {csSquare, 20, 10, TRect(3, 3, 11, 11)},
      {csRoundSquare, 20, 10, TRect(2, 2, 12, 12)},  {csStar, 20, 20, TRect(2, 2, 23, 21)},
      {csArrowUp, 20, 20, TRect(2, 2, 23, 23)},      {csArrowDown, 20, 20, TRect(2, 2, 23, 23)},
      {csArrowLeft, 20, 20, TRect(2, 2, 23, 23)},    {csArrowRight, 20, 20, TRect(2, 2, 23, 23)},
      {csHalfStar, 20, 20, TRect(2, 2, 13, 21)},     {TCellShape(19), 20, 20, TRect()},
  };
  for (const Case& c : cases) {
    auto b = Sheet(26, 26);
    DrawCellShape(b->Canvas(), 2, 2, c.w, c.h, c.shape, Red, clBlack);
    b->EndCanvas();
    const TRect ink = paintprobe::InkBounds(*b);
    const bool polygon = c.shape == csStar || c.shape == csHalfStar ||
                         (c.shape >= csTriangleLeft && c.shape <= csDiamond) ||
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

TEST(CellDrawing, LayeredWindowCallsPassThroughToThePlatform) {
  TForm window(nullptr);
  EXPECT_TRUE(CallSetLayeredWindowAttributes(&window, clWhite, 128, LWA_ALPHA));
  EXPECT_FALSE(CallSetLayeredWindowAttributes(nullptr, clWhite, 128, LWA_ALPHA)) << "no window, nothing done";
  TBlendFunction blend;
  EXPECT_TRUE(CallUpdateLayeredWindow(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, clNone, &blend, ULW_ALPHA));
}

// ---- a sheet of every primitive, for the eye ----

namespace {
void Label(TCanvas& c, int x, int y, const QString& text) {
  c.Brush().Style = bsClear;
  c.Font().SetColor(clBlack);
  c.TextOut(x, y, text);
  c.Brush().Style = bsSolid;
}

void SheetButtons(TCanvas& c) {
  TColorTones office;
  office.Background = {0xF5EAE0, 0xC09060, 0x000000};
  office.Hover = {0x9CE6FF, 0x3CC7FF, 0x000000};
  office.Selected = {0x4FB7FF, 0x1E90FF, 0x000000};
  office.Disabled = {0xE0E0E0, 0xB0B0B0, 0x808080};
  for (int look = 1; look <= 3; ++look) {
    const int y = 10 + (look - 1) * 26;
    Label(c, 4, y + 3, QString("look %1").arg(look));
    for (int state = 0; state < 4; ++state) {
      const int x = 60 + state * 150;
      c.Brush().Color = clWhite;
      c.Pen().Color = clGray;
      c.Rectangle(x, y, x + 60, y + 20);
      DrawComboButton(c, nullptr, TRect(x, y, x + 60, y + 20), look, state, office);
      DrawPushButtonFace(c, nullptr, TRect(x + 64, y, x + 100, y + 20), look, state, office);
      c.Brush().Color = clWhite;
      c.Pen().Color = clGray;
      c.Rectangle(x + 104, y, x + 140, y + 20);
      DrawSpinButtons(c, nullptr, TRect(x + 104, y + 1, x + 140, y + 21), look, state, office);
    }
  }
}

void SheetShapesAndGradients(TCanvas& c) {
  Label(c, 4, 92, "shapes");
  for (int s = 0; s <= csHalfStar; ++s) DrawCellShape(c, 60 + s * 30, 88, 24, 24, TCellShape(s), 0x00C0FF, 0x004080);
  DrawGradient(c, 0xFF8000, 0x0080FF, 64, TRect(60, 120, 200, 150), true);
  DrawGradient(c, 0xFF8000, 0x0080FF, 16, TRect(210, 120, 350, 150), false);
  DrawMirrorGradient(c, TRect(360, 120, 500, 150), 0xF8E0C0, 0xF0C080, 0xE0A040, 0xF8E0C0, true, 0x804000, false, true);
  DrawResourceBitmap(c, clWhite, TRect(510, 124, 526, 140), "PSGFILT");
  DrawDropArrow(c, 545, 130, clBlack);
  Label(c, 560, 124, "mistake");
  DrawErrorUnderline(nullptr, c, "mistake", TRect(560, 124, 640, 140), 10, 2, 3);
}

void SheetSelectionFrames(TCanvas& c) {
  const char* names[] = {"grey", "vista", "win7", "office"};
  for (int set = 0; set < 4; ++set) {
    const int y = 160 + set * 26;
    Label(c, 4, y + 3, names[set]);
    for (int k = 0; k < 4; ++k) {
      const int kinds[] = {seLeftEnd, seMiddle, seMiddle, seRightEnd};
      DrawSelectionBorder(c, SelectionColorSets[set], clWhite, TRect(60 + k * 50, y, 110 + k * 50, y + 24), kinds[k]);
    }
    DrawSelectionBorder(c, SelectionColorSets[set], clWhite, TRect(280, y, 330, y + 24), seSingle);
  }
}

void SheetProgress(TCanvas& c) {
  const double values[] = {0, 42.5, 100};
  for (int i = 0; i < 3; ++i) {
    c.Brush().Color = clWhite;
    DrawProgressBar(c, TRect(360, 160 + i * 26, 500, 182 + i * 26), 0x3CB371, clWhite, 0xF0F0F0, clBlack, values[i], 2,
                    2, 0, 100, "", 0x808080, false);
    c.Brush().Color = clWhite;
    const int pies[] = {0, 25, 60};
    DrawProgressPie(c, TRect(510 + i * 40, 160, 542 + i * 40, 192), 0x3CB371, pies[i], false);
  }
  DrawRangeIndicator(c, TRect(510, 200, 630, 216), -6, 10, false, clRed, 0x3CB371);
  DrawRangeIndicator(c, TRect(510, 220, 630, 236), 8, 10, false, clRed, 0x3CB371);
  TFont font;
  font.SetName("Tahoma");
  font.SetSize(8);
  XPProgressLook look;
  look.Font = &font;
  look.Level0Color = 0x00C000;
  look.Level0ColorTo = 0x80FF80;
  look.Level1Color = 0x00C0C0;
  look.Level1ColorTo = 0x80FFFF;
  look.Level2Color = 0x0080FF;
  look.Level2ColorTo = 0x80C0FF;
  look.Level3Color = 0x0000C0;
  look.Level3ColorTo = 0x8080FF;
  look.Level1Perc = 30;
  look.Level2Perc = 70;
  look.ShowBorder = true;
  look.BorderColor = 0x808080;
  look.CompleteFontColor = clBlack;
  const int percents[] = {0, 25, 50, 80, 100};
  for (int i = 0; i < 5; ++i) {
    const int y = 270 + i * 22;
    look.Stacked = false;
    look.CompletionSmooth = false;
    DrawXPProgress(c, TRect(60, y, 190, y + 18), percents[i], look);
    look.CompletionSmooth = true;
    DrawXPProgress(c, TRect(200, y, 330, y + 18), percents[i], look);
    look.Stacked = true;
    DrawXPProgress(c, TRect(340, y, 470, y + 18), percents[i], look);
  }
  look.Vertical = true;
  look.Stacked = false;
  DrawXPProgress(c, TRect(490, 260, 514, 380), 60, look);
  look.CompletionSmooth = false;
  DrawXPProgress(c, TRect(524, 260, 548, 380), 60, look);
  look.Stacked = true;
  DrawXPProgress(c, TRect(558, 260, 582, 380), 85, look);
}
}  // namespace

TEST(CellDrawing, SheetOfEveryPrimitive) {
  TBitmap sheet(640, 390);
  TCanvas& c = sheet.Canvas();
  SheetButtons(c);
  SheetShapesAndGradients(c);
  SheetSelectionFrames(c);
  SheetProgress(c);
  sheet.EndCanvas();
  EXPECT_GT(paintprobe::InkBounds(sheet).Width(), 500);
  drawprobe::SaveShot(sheet, "primitives");
}
