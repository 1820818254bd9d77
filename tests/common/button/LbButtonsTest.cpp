#include "common/button/LbButtons.h"

#include "common/button/LbButton.h"
#include "platform/Forms.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr TColor FormColor = 0x00EDF7F8;
constexpr int W = 110, H = 28;

enum TState { stNormal, stHot, stPressed, stDisabled };

TColor PixelAt(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)) & 0x00FFFFFF; }

// A red square on the key colour: one glyph cell.
std::unique_ptr<TBitmap> RedSquareGlyph(int cells = 1) {
  QImage g(24 * cells, 24, QImage::Format_RGB32);
  g.fill(QColor(255, 0, 255));
  {
    QPainter p(&g);
    for (int c = 0; c < cells; ++c) p.fillRect(c * 24 + 4, 4, 16, 16, c == 0 ? QColor(255, 0, 0) : QColor(0, 0, 255));
  }
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetImage(g);
  return bitmap;
}

// Buttons on a shown form, photographed through the form so that the
// see-through looks show the form's colour at their corners.
class LbButtonsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form.SetBounds(0, 0, 4 * (W + 10) + 10, 7 * (H + 10) + 10);
    Form.SetColor(FormColor);
    Form.Show();
    QApplication::setActiveWindow(Form.Widget());
  }
  void TearDown() override { Form.Hide(); }

  // The look the program's forms give their buttons.
  TLbButton* Make(TLbButtonStyle style, int col = 0, int row = 0) {
    auto* b = new TLbButton(&Form);
    b->SetParent(&Form);
    b->SetBounds(10 + col * (W + 10), 10 + row * (H + 10), W, H);
    b->SetStyle(style);
    b->SetColor(FormColor);
    b->SetColorWhenDown(0x000080FF);
    b->SetHotTrackColor(clYellow);
    b->SetLightColor(clGray);
    b->SetCaption("Delete Row");
    b->SetGlyph(*RedSquareGlyph());
    b->Font().SetColor(clBlack);
    b->SetAlignment(taLeftJustify);
    return b;
  }
  static void Enter(TLbButton* b) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b->Widget(), &e);
  }
  // The button as the screen shows it, in the given state.
  QImage Shot(TLbButton* b, TState state) {
    if (state == stHot) Enter(b);
    if (state == stDisabled) b->SetEnabled(false);
    if (state == stPressed) QTest::mousePress(b->Widget(), Qt::LeftButton, {}, QPoint(W - 6, 3));
    const QImage img = Form.Widget()->grab(b->Widget()->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    if (state == stPressed) {
      b->Hide();  // released off the form's road: no click needed here
      QTest::mouseRelease(b->Widget(), Qt::LeftButton, {}, QPoint(W - 6, 3));
      b->Show();
    }
    return img;
  }

  TForm Form{nullptr};
};

// How dark the darkest pixel of a region is (0 black .. 255 white).
int Darkest(const QImage& img, const QRect& r) {
  int d = 255;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) d = std::min(d, qGray(img.pixel(x, y)));
  return d;
}

bool Holds(const QImage& img, QRgb rgb) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF)) return true;
  return false;
}

}  // namespace

TEST(LbButtons, HotTrackBlendRoundsHalvesToEven) {
  struct Case {
    TColor Color, Hot;
    int Step;
    TColor Expected;
  };
  const Case cases[] = {
      {0x000000, 0xFFFFFF, 4, 0x808080},  // 127.5 -> 128
      {0x000000, 0xFFFFFF, 0, 0x000000},     {0x000000, 0xFFFFFF, 8, 0xFFFFFF},
      {0x000000, 0x0000FF, 1, 0x000020},  // 255/8 = 31.875 -> 32
      {0x000001, 0x000002, 4, 0x000002},  // 1.5 -> 2
      {0x000002, 0x000003, 4, 0x000002},  // 2.5 -> 2
      {0x00EDF7F8, clYellow, 8, 0x0000FFFF}, {clBtnFace, clBtnFace, 3, ColorToRGB(clBtnFace)},
  };
  for (const Case& c : cases) EXPECT_EQ(BlendHotTrackColor(c.Color, c.Hot, c.Step), c.Expected) << c.Step;
}

TEST(LbButtons, GradientBandsRunFromTheFirstColourToTheSecond) {
  TBitmap bmp(20, 80);
  bmp.Canvas().Brush().Color = clLime;
  DrawGradientBands(bmp.Canvas(), 0x000000, 0xF8F8F8, 2, 4, 18, 66);
  const QImage& img = bmp.Image();
  EXPECT_EQ(PixelAt(img, 2, 4), TColor(0x000000));  // band 0
  // Band 31 starts at the bottom itself: band 30 is the last one seen.
  EXPECT_EQ(PixelAt(img, 17, 65), TColor(0xF0F0F0));
  EXPECT_EQ(PixelAt(img, 2, 6), TColor(0x080808));    // band 1: 248/31 = 8 per band
  EXPECT_EQ(PixelAt(img, 18, 30), TColor(0xFFFFFF));  // right edge untouched
  EXPECT_EQ(PixelAt(img, 5, 66), TColor(0xFFFFFF));   // nothing below the bottom
  EXPECT_EQ(bmp.Canvas().Brush().Color, clLime);      // the canvas state is given back
}

TEST(LbButtons, GlyphCellsAndTheirKeyColour) {
  TBitmap bmp(40, 30);
  const auto strip = RedSquareGlyph(2);
  DrawGlyphCell(bmp.Canvas(), *strip, 24, 0, 0, 1);
  DrawGlyphCell(bmp.Canvas(), *strip, 24, 16, 0, 5);  // beyond the strip: cell 0
  const QImage& img = bmp.Image();
  EXPECT_EQ(PixelAt(img, 10, 10), TColor(clBlue));
  EXPECT_EQ(PixelAt(img, 1, 1), TColor(clWhite));  // key colour left out
  EXPECT_EQ(PixelAt(img, 30, 10), TColor(clRed));
  EXPECT_FALSE(Holds(img, qRgb(255, 0, 255)));
}

TEST_F(LbButtonsTest, EncartaFaceInEachState) {
  const QImage normal = Shot(Make(bsEncarta, 0, 0), stNormal);
  const QImage hot = Shot(Make(bsEncarta, 1, 0), stHot);
  const QImage pressed = Shot(Make(bsEncarta, 2, 0), stPressed);
  const QImage disabled = Shot(Make(bsEncarta, 3, 0), stDisabled);
  EXPECT_EQ(PixelAt(normal, W - 3, 2), FormColor);
  EXPECT_EQ(PixelAt(normal, 0, 0), clGray);
  EXPECT_EQ(PixelAt(hot, W - 3, 2), clYellow);
  EXPECT_EQ(PixelAt(pressed, W - 3, 2), TColor(0x000080FF));
  EXPECT_EQ(PixelAt(disabled, W - 3, 2), FormColor);
  // Pressed without the one-pixel shift: the glyph stays where it was.
  EXPECT_EQ(PixelAt(normal, 8, 8), clRed);
  EXPECT_EQ(PixelAt(pressed, 8, 8), clRed);
  EXPECT_NE(PixelAt(pressed, 7, 7), clRed);
  // The one-cell glyph shows on a disabled button; its caption turns grey.
  EXPECT_EQ(PixelAt(disabled, 8, 8), clRed);
  const QRect caption(36, 6, W - 44, H - 12);
  EXPECT_LT(Darkest(normal, caption), 80);
  EXPECT_GE(Darkest(disabled, caption), 100);
}

TEST_F(LbButtonsTest, NormalFrameSwapsItsColoursWhenPressed) {
  auto* b = Make(bsNormal);
  b->SetLightColor(clWhite);
  const QImage normal = Shot(b, stNormal);
  EXPECT_EQ(PixelAt(normal, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(normal, 0, H - 1), clWhite);
  EXPECT_EQ(PixelAt(normal, W - 1, 0), clGray);
  EXPECT_EQ(PixelAt(normal, W - 1, H - 1), clGray);
  const QImage pressed = Shot(b, stPressed);
  EXPECT_EQ(PixelAt(pressed, 0, 0), clGray);
  EXPECT_EQ(PixelAt(pressed, W - 1, H - 1), clWhite);
  // The normal look moves its content one pixel when pressed.
  EXPECT_EQ(PixelAt(pressed, 9, 9), clRed);
  EXPECT_NE(PixelAt(pressed, 8, 8), clRed);
}

TEST_F(LbButtonsTest, AFlatButtonShowsItsFrameOnlyWhenHotOrPressed) {
  auto* b = Make(bsNormal);
  b->SetLightColor(clWhite);
  b->SetFlat(true);
  EXPECT_EQ(PixelAt(Shot(b, stNormal), 0, 0), FormColor);
  EXPECT_EQ(PixelAt(Shot(b, stHot), 0, 0), clWhite);
  auto* c = Make(bsNormal, 1);
  c->SetFlat(true);
  EXPECT_EQ(PixelAt(Shot(c, stDisabled), 0, 0), FormColor);
}

TEST_F(LbButtonsTest, SeeThroughLooksLeaveTheirCornersToTheForm) {
  auto* modern = Make(bsModern);
  modern->SetLightColor(clWhite);
  const QImage m = Shot(modern, stNormal);
  EXPECT_EQ(PixelAt(m, 0, 0), FormColor);
  // Light at the top and bottom, the face colour where the two gradients meet.
  EXPECT_GT(qGray(m.pixel(W / 2, 2)), qGray(m.pixel(W / 2, H / 4 + 1)));
  EXPECT_GT(qGray(m.pixel(W / 2, H - 3)), qGray(m.pixel(W / 2, H / 4 + 1)));
  EXPECT_FALSE(Holds(m, qRgb(255, 0, 255)));

  auto* quicken = Make(bsQuicken, 1);
  quicken->SetColorStyle(lcsQuicken);
  const QImage q = Shot(quicken, stNormal);
  EXPECT_EQ(PixelAt(q, 0, 0), FormColor);
  EXPECT_EQ(PixelAt(q, 4, 0), TColor(0x00C0C0C0));
  EXPECT_EQ(PixelAt(q, W - 3, H / 2), TColor(0x00603000));
  EXPECT_FALSE(Holds(q, qRgb(255, 0, 255)));

  const QImage s = Shot(Make(bsShape, 2), stNormal);
  EXPECT_EQ(PixelAt(s, 0, 0), FormColor);
  EXPECT_EQ(PixelAt(s, (W - 24) / 2 + 5, (H - 24) / 2 + 5), clRed);  // the glyph, centred
  EXPECT_FALSE(Holds(s, qRgb(255, 0, 255)));
}

TEST_F(LbButtonsTest, TheOldLookRingsTheFocusedButtonInBlack) {
  auto* b = Make(bsOld);
  b->SetFocus();
  const QImage img = Shot(b, stNormal);
  EXPECT_EQ(PixelAt(img, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(img, W - 1, H - 1), clBlack);
  EXPECT_EQ(PixelAt(img, 1, 1), clGray);  // the face's own light edge, moved in
}

TEST_F(LbButtonsTest, ALongCaptionIsCutNotWrapped) {
  auto* b = Make(bsNormal);
  b->SetGlyph(TBitmap());
  b->SetAlignment(taLeftJustify);
  const QString caption = "Set the List of DeviceNet Slaves Connected to Converter";
  b->SetCaption(caption);
  const QImage img = Shot(b, stNormal);
  EXPECT_EQ(b->Caption(), caption);
  EXPECT_GE(Darkest(img, QRect(W - 3, 2, 2, H - 4)), 150);  // nothing drawn past the margin
  EXPECT_LT(Darkest(img, QRect(4, 2, 30, H - 4)), 80);
  // One line only: the lower part of the face stays empty.
  EXPECT_GE(Darkest(img, QRect(2, H - 5, W - 4, 3)), 150);
}

TEST_F(LbButtonsTest, ScreenshotOfEveryLookAndState) {
  const TLbButtonStyle styles[] = {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken};
  const char* names[] = {"bsNormal", "bsEncarta", "bsModern", "bsOld", "bsShape", "bsQuicken"};
  QImage sheet(4 * (W + 10) + 90, 6 * (H + 10) + 10, QImage::Format_RGB32);
  sheet.fill(ToQColor(FormColor));
  QPainter p(&sheet);
  for (int row = 0; row < 6; ++row) {
    p.setPen(Qt::black);
    p.drawText(QRect(4, 10 + row * (H + 10), 80, H), Qt::AlignVCenter, names[row]);
    for (int col = 0; col < 4; ++col) {
      TLbButton* b = Make(styles[row], col, 0);
      if (styles[row] == bsModern) b->SetColorStyle(lcsAqua);
      if (styles[row] == bsQuicken) b->SetColorStyle(lcsQuicken);
      if (styles[row] == bsModern || styles[row] == bsQuicken) b->SetGlyph(*RedSquareGlyph());
      const QImage shot = Shot(b, TState(col));
      p.drawImage(90 + col * (W + 10), 10 + row * (H + 10), shot);
      EXPECT_FALSE(Holds(shot, qRgb(255, 0, 255))) << names[row] << " " << col;
      delete b;
    }
  }
  p.end();
  const QString path = QStringLiteral(QUILLORE_TOOLS_DIR) + "/button-looks.png";
  EXPECT_TRUE(sheet.save(path)) << path.toStdString();
}

TEST_F(LbButtonsTest, ScreenshotOfTheKindsAndTheProgramGlyphs) {
  QImage sheet(5 * (W + 10) + 10, 5 * (H + 10) + 70, QImage::Format_RGB32);
  sheet.fill(ToQColor(FormColor));
  QPainter p(&sheet);
  for (int k = bkOK; k <= bkAll; ++k) {
    const int i = k - bkOK;
    for (int disabled = 0; disabled < 2; ++disabled) {
      auto* b = new TLbButton(&Form);
      b->SetParent(&Form);
      b->SetBounds(10, 10, W, H);
      b->SetKind(TLbButtonKind(k));
      const QImage shot = Shot(b, disabled ? stDisabled : stNormal);
      p.drawImage(10 + (i % 5) * (W + 10), 10 + (i / 5 * 2 + disabled) * (H + 10), shot);
      EXPECT_FALSE(Holds(shot, qRgb(255, 0, 255))) << k;
      delete b;
    }
  }
  const char* glyphs[] = {"Info", "Options", "Close", "New", "Open", "Parameters", "LoRaWAN", "Update"};
  int x = 10;
  for (const char* name : glyphs) {
    const QImage g = QImage(QString(":/glyphs/%1.bmp").arg(name));
    ASSERT_FALSE(g.isNull()) << name;
    auto* b = new TLbButton(&Form);
    b->SetParent(&Form);
    b->SetBounds(10, 10, g.width() > 24 ? 50 : 36, 50);
    b->SetStyle(bsEncarta);
    b->SetColor(FormColor);
    b->SetLightColor(clGray);
    TBitmap glyph;
    glyph.SetImage(g);
    b->SetGlyph(glyph);
    p.drawImage(x, 4 * (H + 10) + 14, Shot(b, stNormal));
    x += b->Width() + 8;
    delete b;
  }
  p.end();
  EXPECT_TRUE(sheet.save(QStringLiteral(QUILLORE_TOOLS_DIR) + "/button-kinds.png"));
}
