#include "support/PaintProbe.h"

#include "grid/foundation/HTMLPictureCache.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"
#include "platform/ImageList.h"
#include "platform/Themes.h"

#include <gtest/gtest.h>

namespace {

QByteArray BitmapBytes(int W, int H, TColor Colour) {
  TBitmap bitmap(W, H);
  bitmap.Canvas().Brush().Color = Colour;
  bitmap.Canvas().FillRect(TRect(0, 0, W, H));
  bitmap.EndCanvas();
  QByteArray bytes;
  bitmap.SaveToBytes(bytes);
  return bytes;
}

QImage Solid(int W, int H, Qt::GlobalColor Colour) {
  QImage image(W, H, QImage::Format_ARGB32);
  image.fill(Colour);
  return image;
}

// A white sheet with the fixed 7 x 13 measurer, a container of named
// pictures and a 16 x 16 image list.
struct TObjectSheet {
  TBitmap Sheet{240, 120};
  TPictureContainer Pictures{nullptr};
  TImageList Images{16, 16};
  THtmlDrawParams Params;
  THtmlDrawResults Out;

  TObjectSheet() {
    Sheet.Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
    Sheet.Canvas().Font().SetColor(clBlack);
    Sheet.Canvas().Brush().Color = clWhite;
    Sheet.Canvas().FillRect(TRect(0, 0, 240, 120));
    Params.Pictures = &Pictures;
    Params.Images = &Images;
  }
  void AddPicture(const QString& Name, int W, int H, TColor Colour) {
    TPictureItem* item = Pictures.Items().Add();
    item->Name = Name;
    item->Picture().LoadFromBytes(BitmapBytes(W, H, Colour));
  }
  bool Draw(const QString& Markup, int Width = 240) {
    return DrawHtmlText(Sheet.Canvas(), Markup, TRect(0, 0, Width, 120), Params, Out);
  }
  TColor At(int X, int Y) {
    Sheet.EndCanvas();
    return paintprobe::At(Sheet, X, Y);
  }
};

// Pictures start at x 1: the engine keeps one pixel free at the left edge.
constexpr int X0 = 1;

TEST(HtmlObjects, ImageListIndexWithinTheList) {
  for (int count : {3, 2}) {
    TObjectSheet s;
    for (int i = 0; i < count; ++i) s.Images.Add(Solid(16, 16, i == 2 ? Qt::red : Qt::blue));
    s.Draw(QStringLiteral("<IMG SRC=\"IDX:2\">"));
    EXPECT_EQ(s.Out.ContentWidth, count == 3 ? 16 : 0) << count;
    EXPECT_EQ(s.At(X0 + 8, 8), count == 3 ? clRed : clWhite) << count;
    if (count == 3) {
      EXPECT_GE(s.Out.ContentHeight, 16);
    }
  }
  TObjectSheet negative;
  negative.Images.Add(Solid(16, 16, Qt::red));
  negative.Draw(QStringLiteral("<IMG SRC=\"IDX:-1\">"));
  EXPECT_EQ(negative.Out.ContentWidth, 0);
}

TEST(HtmlObjects, PrintingStretchesImageListPicturesByThePrintScale) {
  TObjectSheet s;
  s.Images.Add(Solid(16, 16, Qt::red));
  s.Params.Printing = true;
  s.Params.PrintScale = 2;
  s.Draw(QStringLiteral("<IMG SRC=\"IDX:0\">"));
  EXPECT_EQ(s.At(X0 + 31, 31), clRed);
  EXPECT_EQ(s.At(X0 + 33, 10), clWhite);
  EXPECT_EQ(s.Out.ContentWidth, 16);
}

TEST(HtmlObjects, WidthAloneKeepsThePictureProportions) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("PIC"), 64, 48, clRed);
  s.Draw(QStringLiteral("<IMG SRC=\"pic\" WIDTH=\"32\">"));
  EXPECT_EQ(s.Out.ContentWidth, 32);
  EXPECT_EQ(s.At(X0 + 31, 23), clRed);
  EXPECT_EQ(s.At(X0 + 33, 10), clWhite);
  EXPECT_EQ(s.At(X0 + 10, 25), clWhite);
  TObjectSheet natural;
  natural.AddPicture(QStringLiteral("pic"), 64, 48, clRed);
  natural.Draw(QStringLiteral("<IMG SRC=\"PIC\" WIDTH=\"-5\">"));
  EXPECT_EQ(natural.Out.ContentWidth, 64) << "a negative width counts as none";
}

TEST(HtmlObjects, LinkedPictureShowsItsAltPictureUnderThePoint) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("A"), 10, 10, clRed);
  s.AddPicture(QStringLiteral("B"), 10, 10, clBlue);
  const QString markup = QStringLiteral("<A HREF=\"x\"><IMG SRC=\"a\" ALT=\"b\"></A>");
  s.Params.HitX = 5;
  s.Params.HitY = 5;
  s.Params.HitTestOnly = true;
  EXPECT_TRUE(s.Draw(markup));
  EXPECT_EQ(s.Out.HitAnchorHref, "x");
  s.Params.HitTestOnly = false;
  s.Draw(markup);
  EXPECT_EQ(s.At(X0 + 5, 5), clBlue);
  s.Params.HitX = s.Params.HitY = 100;
  s.Draw(markup);
  EXPECT_EQ(s.At(X0 + 5, 5), clRed);
}

TEST(HtmlObjects, AColonWithoutALocationFindsNothing) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("C:\\pic.bmp"), 10, 10, clRed);
  s.Draw(QStringLiteral("<IMG SRC=\"C:\\pic.bmp\">"));
  EXPECT_EQ(s.Out.ContentWidth, 0);
}

TEST(HtmlObjects, LocationsGoThroughTheCacheAndStayThere) {
  TObjectSheet s;
  THTMLPictureCache cache;
  s.Params.PictureCache = &cache;
  s.Draw(QStringLiteral("<IMG SRC=\"http://host/a.gif\"><IMG SRC=\"http://host/a.gif\">"));
  EXPECT_EQ(cache.Count(), 1);
  EXPECT_FALSE(cache.GetPicture(0)->Asynch);
  EXPECT_EQ(cache.GetPicture(0)->ID, "http://host/a.gif");
  EXPECT_EQ(s.Out.ContentWidth, 0);
}

TEST(HtmlObjects, PicturesWrapUnlessWiderThanTheLine) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("P"), 40, 30, clRed);
  s.Draw(QStringLiteral("abcdefghij<IMG SRC=\"p\">"), 100);
  EXPECT_EQ(s.Out.ContentWidth, 70);
  EXPECT_EQ(s.Out.ContentHeight, FixedCharHeight + 30);
  s.Draw(QStringLiteral("abcdefghij<IMG SRC=\"p\" WIDTH=\"150\">"), 100);
  EXPECT_EQ(s.Out.ContentWidth, 220);
}

TEST(HtmlObjects, SystemIconsAreSixteenOrThirtyTwo) {
  TObjectSheet s;
  s.Draw(QStringLiteral("<IMG SRC=\"SSYS:readme.txt\">"));
  EXPECT_EQ(s.Out.ContentWidth, 16);
  s.Draw(QStringLiteral("<IMG SRC=\"LSYS:5\">"));
  EXPECT_EQ(s.Out.ContentWidth, 32);
}

TEST(HtmlObjects, CheckBoxFoundByItsId) {
  TObjectSheet s;
  s.Params.HitTestOnly = true;
  s.Params.ControlId = QStringLiteral("c1");
  EXPECT_TRUE(s.Draw(QStringLiteral("ab<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"20\">")));
  EXPECT_EQ(s.Out.HitAnchorHref, "ctrl");
  EXPECT_EQ(s.Out.ControlType, "CHECK");
  EXPECT_EQ(s.Out.ControlValue, "TRUE");
  EXPECT_EQ(s.Out.ControlRect.Width(), 16);
  EXPECT_EQ(s.Out.ControlRect.Height(), 16);
  EXPECT_EQ(s.Out.ControlRect.Left, X0 + 14);
}

TEST(HtmlObjects, ControlsWithoutAPlainWidthAreLeftOut) {
  for (const char* width : {"", " WIDTH=\"60px\""}) {
    TObjectSheet s;
    s.Params.HitTestOnly = true;
    s.Params.ControlId = QStringLiteral("e");
    const QString markup = QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\"%1>").arg(width);
    EXPECT_FALSE(s.Draw(markup)) << width;
    EXPECT_EQ(s.Out.ContentWidth, 0) << width;
  }
}

TEST(HtmlObjects, BodyBackgroundTilesWithinTheRectangleOnly) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("t"), 8, 8, clRed);
  THtmlDrawResults out;
  DrawHtmlText(s.Sheet.Canvas(), QStringLiteral("<BODY BACKGROUND=\"t\">"), TRect(10, 10, 30, 30), s.Params, out);
  EXPECT_EQ(s.At(10, 10), clRed);
  EXPECT_EQ(s.At(29, 29), clRed);
  EXPECT_EQ(s.At(30, 20), clWhite);
  EXPECT_EQ(s.At(20, 30), clWhite);
  EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(HtmlObjects, AlignTopMovesTheLinesTextUp) {
  TObjectSheet s;
  s.AddPicture(QStringLiteral("p"), 10, 40, clBlue);
  s.Draw(QStringLiteral("<IMG SRC=\"p\" ALIGN=\"TOP\">x"));
  // The text's glyph box ends gh's height below the line top, not at the line's foot.
  EXPECT_NE(s.At(X0 + 12, 5), clWhite);
  EXPECT_EQ(s.At(X0 + 12, 35), clWhite);
}

// The desktop draws themed parts through the fake, which records them.
class HtmlThemedControls : public ::testing::Test {
protected:
  void SetUp() override {
    auto fake = std::make_unique<TFakeThemeServices>();
    Fake = fake.get();
    SetThemeServices(std::move(fake));
    InitHtmlEngine();
  }
  void TearDown() override { SetThemeServices(nullptr); }
  TFakeThemeServices* Fake = nullptr;
};

TEST_F(HtmlThemedControls, ButtonIsPressedOnlyUnderThePoint) {
  struct TCase {
    int HitX;
    int State;
  };
  for (const TCase c : {TCase{200, 1}, TCase{X0 + 30, 3}}) {
    TObjectSheet s;
    s.Params.ControlDown = true;
    s.Params.HitX = c.HitX;
    s.Params.HitY = 12;
    s.Draw(QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"60\">"));
    ASSERT_EQ(Fake->Calls.size(), 1u);
    EXPECT_EQ(Fake->Calls[0].ClassList, "button");
    EXPECT_EQ(Fake->Calls[0].PartId, 1);
    EXPECT_EQ(Fake->Calls[0].StateId, c.State) << c.HitX;
    Fake->Calls.clear();
  }
  EXPECT_EQ(Fake->OpenCount, Fake->CloseCount);
}

TEST_F(HtmlThemedControls, TickedCheckBoxInItsBox) {
  TObjectSheet s;
  s.Draw(QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"true\" WIDTH=\"20\">"));
  ASSERT_EQ(Fake->Calls.size(), 1u);
  EXPECT_EQ(Fake->Calls[0].PartId, 3);
  EXPECT_EQ(Fake->Calls[0].StateId, 5);
  const TRect box = Fake->Calls[0].Rect;
  EXPECT_EQ(box.Width(), 13);
  EXPECT_EQ(box.Height(), 15);
  EXPECT_EQ(box.Left, X0 + 2);
}

}  // namespace

#include "grid/foundation/GifFixtures.h"

namespace {

// Every kind of object on one sheet, saved for a look: natural and stretched
// pictures, icons, two GIF frames, a tiled body, each control type, classic
// look (the pressed button is under the point with the control key down).
TEST(HtmlObjects, SheetOfEveryObject) {
  TObjectSheet s;
  s.Sheet.SetSize(420, 200);
  s.Sheet.Canvas().FillRect(TRect(0, 0, 420, 200));
  s.AddPicture(QStringLiteral("nat"), 20, 14, clRed);
  s.AddPicture(QStringLiteral("tile"), 8, 8, 0x00E0E0FF);
  TPictureItem* gif = s.Pictures.Items().Add();
  gif->Name = QStringLiteral("gif");
  gif->Picture().LoadFromBytes(gif::ThreeFrames());
  s.Images.Add(Solid(16, 16, Qt::darkGreen));
  THtmlDrawResults out;
  DrawHtmlText(s.Sheet.Canvas(), QStringLiteral("<BODY BACKGROUND=\"tile\">tiled"), TRect(300, 150, 410, 190), s.Params,
               out);
  s.Draw(
      QStringLiteral("<IMG SRC=\"nat\"> <IMG SRC=\"nat\" WIDTH=\"40\"> <IMG SRC=\"IDX:0\"> <IMG SRC=\"SSYS:.\"> "
                     "<IMG SRC=\"LSYS:6\"> <IMG SRC=\"gif\" WIDTH=\"16\">"));
  gif->Picture().SetFrame(2);
  DrawHtmlText(s.Sheet.Canvas(), QStringLiteral("frame 2: <IMG SRC=\"gif\" HEIGHT=\"24\">"), TRect(300, 0, 420, 60),
               s.Params, out);
  s.Params.ControlDown = true;
  s.Params.HitX = 235;
  s.Params.HitY = 95;
  DrawHtmlText(s.Sheet.Canvas(),
               QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"edit\" WIDTH=\"60\"> "
                              "<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"secret\" WIDTH=\"60\"> "
                              "<CONTROL TYPE=\"MASK\" ID=\"m\" VALUE=\"12-34\" WIDTH=\"50\"> "
                              "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"combo\" WIDTH=\"70\"><BR>"
                              "<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\" WIDTH=\"16\"> check "
                              "<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"TRUE\" WIDTH=\"16\"> radio "
                              "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"60\"> "
                              "<CONTROL TYPE=\"BUTTON\" ID=\"b2\" VALUE=\"Pressed\" WIDTH=\"70\">"),
               TRect(0, 60, 420, 150), s.Params, out);
  s.Sheet.EndCanvas();
  EXPECT_TRUE(s.Sheet.Image().save(QStringLiteral(QUILLORE_TOOLS_DIR) + "/html_objects.png"));
}

}  // namespace
