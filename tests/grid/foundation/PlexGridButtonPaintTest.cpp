#include "grid/foundation/PlexGridButton.h"
#include "platform/Screenshot.h"
#include "platform/Themes.h"

#include "grid/foundation/GridButtonFixture.h"
// The painting probes shared by the test programs.
#if __has_include("support/PaintProbe.h")
#include "support/PaintProbe.h"
#else
#include "platform/PaintProbe.h"
#endif

#include <QCursor>
#include <QDir>
#include <QImage>

#include <cstdlib>
#include <vector>

namespace {

using paintprobe::Cells;

struct PaintFixture : GridButtonFixture {
  void SetUp() override {
    SetDefaultTextMeasurer(&TTextMeasurer::Fixed());
    QCursor::setPos(QPoint(5000, 5000));
  }
  void TearDown() override {
    SetDefaultTextMeasurer(nullptr);
    SetThemeServices(nullptr);
  }
  // What the button paints, as a bitmap.
  static std::unique_ptr<TBitmap> Shot(TPlexGridButton* b) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetImage(b->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    return bmp;
  }
  static TColor At(const TBitmap& b, int x, int y) { return FromQColor(b.Image().pixelColor(x, y)); }
  // The top-left of the red pixels.
  static TPoint RedOrigin(const TBitmap& b) {
    TPoint p(1000, 1000);
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        if (At(b, x, y) == clRed) p = TPoint(std::min(p.X, x), std::min(p.Y, y));
    return p;
  }
};

// A w x h glyph of one colour whose bottom-left pixel is the lime key.
std::unique_ptr<TBitmap> SolidGlyph(int w, int h, TColor c) {
  auto g = std::make_unique<TBitmap>(w, h);
  g->Canvas().Brush().Color = c;
  g->Canvas().FillRect(TRect(0, 0, w, h));
  g->Canvas().SetPixel(0, h - 1, clLime);
  g->EndCanvas();
  return g;
}

// A small magnifier on the lime key colour, for the pictures.
std::unique_ptr<TBitmap> Magnifier() {
  auto g = std::make_unique<TBitmap>(16, 16);
  TCanvas& c = g->Canvas();
  c.Brush().Color = clLime;
  c.FillRect(TRect(0, 0, 16, 16));
  c.Pen().Color = clNavy;
  c.Pen().Width = 2;
  c.Brush().Style = bsClear;
  c.Ellipse(2, 1, 11, 10);
  c.MoveTo(10, 9);
  c.LineTo(14, 13);
  g->EndCanvas();
  return g;
}

}  // namespace

TEST_F(PaintFixture, AGlyphWithoutCaptionSitsAtTheTopLeftCorner) {
  TPlexGridButton* b = AddButton(10, 10, 40, 23);
  b->SetGlyph(*SolidGlyph(6, 6, clRed));
  Show();
  auto shot = Shot(b);
  EXPECT_EQ(paintprobe::InkBounds(*shot, ColorToRGB(clBtnFace)), TRect(0, 0, 6, 6));
  EXPECT_EQ(At(*shot, 1, 5), clRed);
  EXPECT_NE(At(*shot, 0, 5), clLime) << "the key colour stays out";
}

TEST_F(PaintFixture, ADefaultFlatButtonLaysOutInItsClientAreaLessTwo) {
  TPlexGridButton* b = AddButton(10, 10, 22, 23);
  b->SetCaption("A");
  b->SetMargin(0);
  Show();
  struct Case {
    TButtonLayout Layout;
    TPoint Cell;
  } cases[] = {{blGlyphLeft, {2, 5}}, {blGlyphRight, {20 - 7, 5}}, {blGlyphTop, {8, 2}}, {blGlyphBottom, {8, 21 - 13}}};
  for (const Case& c : cases) {
    b->SetLayout(c.Layout);
    EXPECT_EQ(Cells(*Shot(b)), std::vector<TPoint>{c.Cell}) << int(c.Layout);
  }
  b->SetBorderDownColor(clBlack);
  b->SetLayout(blGlyphLeft);
  EXPECT_EQ(Cells(*Shot(b)), std::vector<TPoint>{TPoint(1, 5)}) << "a down border keeps one more pixel";
}

TEST_F(PaintFixture, MarginAndSpacingOfMinusOneShareTheRoomLeft) {
  TPlexGridButton* b = AddButton(10, 10, 22, 23);
  b->SetGlyph(*SolidGlyph(6, 6, clRed));
  b->SetCaption("A");
  Show();
  // Contents area (2, 2, 20, 21): 18 wide; glyph 6, letter 7.
  struct Case {
    int Margin, Spacing;
    int GlyphX, TextX;
  } cases[] = {
      {-1, 4, 3, 13},   // margin (18 - 17 + 1) div 2 = 1
      {-1, -1, 3, 10},  // both (18 - 13) div 3 = 1
      {2, -1, 4, 11},   // spacing (18 - 8 - 7) div 2 = 1
      {0, -3, 2, 5},    // other negative values as they are
  };
  for (const Case& c : cases) {
    b->SetMargin(c.Margin);
    b->SetSpacing(c.Spacing);
    auto shot = Shot(b);
    EXPECT_EQ(RedOrigin(*shot), TPoint(c.GlyphX, 9)) << c.Margin << " " << c.Spacing;
    const std::vector<TPoint> cells = Cells(*shot);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], TPoint(c.TextX, 5)) << c.Margin << " " << c.Spacing;
  }
}

TEST_F(PaintFixture, ADisabledCaptionIsEmbossed) {
  TPlexGridButton* b = AddButton(10, 10, 22, 23);
  b->SetCaption("A");
  b->SetEnabled(false);
  Show();
  auto shot = Shot(b);
  // The fixed measurer's letter is a 5 x 9 block at (1, 2) of its cell at (8, 5).
  EXPECT_EQ(At(*shot, 9, 7), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(*shot, 13, 15), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(*shot, 14, 16), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(b->State(), bsDisabled);
}

TEST_F(PaintFixture, LookTwoPaintsItsGradientTopToBottom) {
  TPlexGridButton* b = AddButton(10, 10, 22, 23);
  b->SetLook(2);
  Show();
  auto shot = Shot(b);
  EXPECT_EQ(At(*shot, 5, 0), TColor(0xFDEADA));
  // Each band is one pixel taller than its step, so the next one starts over its last row.
  EXPECT_EQ(At(*shot, 5, 1), RGBColor(0xDA - 5, 0xEA - 4, 0xFD - 2));
  // Band 15: each channel moved by round(15 x step), halves to even.
  EXPECT_EQ(At(*shot, 5, 22), RGBColor(0xDA - 77, 0xEA - 56, 0xFD - 23));
}

TEST_F(PaintFixture, TheCheckedOverlayAndTheDropDownArrow) {
  TPlexGridButton* b = AddButton(10, 10, 60, 23);
  b->SetGroupIndex(1);
  b->SetDown(true);
  b->SetDropDownButton(true);
  Show();
  auto shot = Shot(b);
  EXPECT_EQ(At(*shot, 3, 3), TColor(0x808080));
  EXPECT_EQ(At(*shot, 1, 1), TColor(0x808080));
  // R after the face is (2, 2, 58, 21), grown by the overlay to (1, 1, 59, 22): m = 11,
  // the triangle (51, 10), (55, 10), (53, 12).
  EXPECT_EQ(At(*shot, 53, 11), ColorToRGB(b->Font().Color()));
  EXPECT_EQ(At(*shot, 53, 14), TColor(0x808080));
  EXPECT_EQ(At(*shot, 45, 11), TColor(0x808080));
}

TEST_F(PaintFixture, TheHotShadedGlyphLiftsItsShadeSinksTheCaptionStays) {
  TPlexGridButton* b = AddButton(10, 10, 60, 23);
  b->SetGlyph(*SolidGlyph(6, 6, clRed));
  b->SetCaption("A");
  b->Loaded();
  Show();
  auto rest = Shot(b);
  b->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(b->MouseInButton());
  auto hot = Shot(b);
  // The glyph's red is lifted by (-1, -1); the shade shows grey beside it at (+1, +1) from rest.
  const TPoint at = RedOrigin(*rest), lifted = RedOrigin(*hot);
  EXPECT_EQ(lifted, TPoint(at.X - 1, at.Y - 1));
  EXPECT_EQ(At(*hot, at.X + 6, at.Y + 5), clGray);
  EXPECT_NE(At(*rest, at.X + 6, at.Y + 5), clGray);
  const std::vector<TPoint> restCells = Cells(*rest);
  ASSERT_EQ(restCells.size(), 1u);
  EXPECT_EQ(Cells(*hot), restCells);
}

TEST_F(PaintFixture, ANonFlatButtonPaintsTheThemedPartWhenThemesAreOn) {
  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* themes = fake.get();
  SetThemeServices(std::move(fake));
  TPlexGridButton* b = AddButton(10, 10, 60, 23);
  b->SetFlat(false);
  b->SetAutoXPStyle(true);
  Show();
  themes->Calls.clear();
  Shot(b);
  ASSERT_FALSE(themes->Calls.empty());
  EXPECT_EQ(themes->Calls.back().ClassList, "button");
  EXPECT_EQ(themes->Calls.back().PartId, 1);
  EXPECT_EQ(themes->Calls.back().StateId, 1);
  EXPECT_EQ(themes->Calls.back().Rect, TRect(0, 0, 60, 23));
  b->Perform(CM_MOUSEENTER);
  Shot(b);
  EXPECT_EQ(themes->Calls.back().StateId, 2);
  Press(b, 5, 5);
  Shot(b);
  EXPECT_EQ(themes->Calls.back().StateId, 3);
  Release(b, 5, 5);
  EXPECT_EQ(themes->OpenCount, themes->CloseCount);
}

TEST_F(PaintFixture, AClassicButtonHasTheRaisedFrameAndSinksWhenPressed) {
  TPlexGridButton* b = AddButton(10, 10, 40, 23);
  b->SetFlat(false);
  b->SetCaption("A");
  Show();
  auto up = Shot(b);
  EXPECT_EQ(At(*up, 0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(*up, 39, 22), ColorToRGB(cl3DDkShadow));
  const std::vector<TPoint> upCells = Cells(*up);
  Press(b, 5, 5);
  const std::vector<TPoint> downCells = Cells(*Shot(b));
  Release(b, 5, 5);
  ASSERT_EQ(upCells.size(), 1u);
  ASSERT_EQ(downCells.size(), 1u);
  EXPECT_EQ(downCells[0], TPoint(upCells[0].X + 1, upCells[0].Y + 1)) << "a pressed classic face sinks its contents";
}

TEST_F(PaintFixture, ARoundedFlatButtonShowsItsGradientInsideTheBorder) {
  TPlexGridButton* b = AddButton(10, 10, 40, 23);
  b->SetRounded(true);
  b->SetColor(clWhite);
  b->SetColorTo(clSilver);
  b->SetBorderColor(clRed);
  Show();
  auto shot = Shot(b);
  EXPECT_EQ(At(*shot, 20, 0), clRed);
  EXPECT_NE(At(*shot, 0, 0), clRed) << "the corner is rounded off";
  EXPECT_EQ(At(*shot, 20, 1), clWhite);
  EXPECT_EQ(At(*shot, 20, 22), clRed);
}

// Pictures of the looks and states, and of layouts and faces, for the eye.
TEST_F(PaintFixture, PicturesOfLooksStatesLayoutsAndFaces) {
  SetDefaultTextMeasurer(nullptr);
  const auto magnifier = Magnifier();
  const TBitmap& glyph = *magnifier;
  struct TCell {
    int Look;
    int State;  // 0 up, 1 hot, 2 down, 3 checked, 4 disabled, 5 up without glyph
  };
  constexpr int kW = 74, kH = 26;
  std::vector<TPlexGridButton*> hot;
  for (int look = 0; look <= 6; ++look)
    for (int state = 0; state <= 5; ++state) {
      TPlexGridButton* b = AddButton(4 + state * (kW + 4), 4 + look * (kH + 4), kW, kH);
      b->SetLook(look);
      b->SetCaption(QString("&Find %1").arg(look));
      if (state != 5) b->SetGlyph(glyph);
      b->Loaded();
      if (state == 1) hot.push_back(b);
      if (state == 2) {
        b->SetStyle(tasCheck);
        b->SetDown(true);
      }
      if (state == 3) {
        b->SetGroupIndex(10 + look);
        b->SetDown(true);
      }
      if (state == 4) b->SetEnabled(false);
    }
  const char* layouts[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) {
    TPlexGridButton* b = AddButton(4 + i * (kW + 4), 4 + 7 * (kH + 4), kW, 44);
    b->SetLook(2);
    b->SetGlyph(glyph);
    b->SetCaption(layouts[i]);
    b->SetLayout(TButtonLayout(i));
  }
  TPlexGridButton* drop = AddButton(4, 4 + 7 * (kH + 4) + 50, kW, kH);
  drop->SetLook(3);
  drop->SetCaption("Menu");
  drop->SetDropDownButton(true);
  hot.push_back(drop);
  TPlexGridButton* rounded = AddButton(4 + (kW + 4), 4 + 7 * (kH + 4) + 50, kW, kH);
  rounded->SetLook(0);
  rounded->SetBorderColor(0xAF987A);
  rounded->SetCaption("Rounded");
  TPlexGridButton* classic = AddButton(4 + 2 * (kW + 4), 4 + 7 * (kH + 4) + 50, kW, kH);
  classic->SetFlat(false);
  classic->SetGlyph(glyph);
  classic->SetCaption("Classic");
  TPlexGridButton* classicDown = AddButton(4 + 3 * (kW + 4), 4 + 7 * (kH + 4) + 50, kW, kH);
  classicDown->SetFlat(false);
  classicDown->SetGroupIndex(30);
  classicDown->SetDown(true);
  classicDown->SetCaption("Down");
  TPlexGridButton* glyphOnly = AddButton(4 + 4 * (kW + 4), 4 + 7 * (kH + 4) + 50, 22, 23);
  glyphOnly->SetGlyph(glyph);
  glyphOnly->SetLook(2);
  Show();
  Form->SetClientWidth(6 * (kW + 4) + 8);
  Form->SetClientHeight(4 + 7 * (kH + 4) + 50 + kH + 8);
  for (TPlexGridButton* b : hot) b->Perform(CM_MOUSEENTER);
  const char* dir = std::getenv("QUILLORE_SHOTS");
  const QString path = QDir(dir ? dir : QDir::tempPath()).filePath("quillore-grid-buttons.png");
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  EXPECT_FALSE(QImage(path).isNull());
}
