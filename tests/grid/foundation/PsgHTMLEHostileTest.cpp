// Markup from a grammar of good and broken pieces, in random rectangles with
// random flags: every call ends, lines stay within the text's length, and the
// canvas comes back as it was. Run under the sanitizers.
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/PsgHTMLEEngine.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr const char* kPieces[] = {
    "<B>",
    "</B>",
    "<I>",
    "</I>",
    "<U>",
    "</U>",
    "<S>",
    "</S>",
    "<BR>",
    "<HR>",
    "<LI>",
    "</LI>",
    "<UL>",
    "</UL>",
    "</R>",
    "</FONT>",
    "<A HREF=\"x\" TITLE=\"t\">",
    "<A>",
    "</A>",
    "</P>",
    "<HI>",
    "</HI>",
    "<SH>",
    "</SH>",
    "<E>",
    "</E>",
    "<Z>",
    "</Z>",
    "<SUB>",
    "</SUB>",
    "<SUP>",
    "</SUP>",
    "<IMG SRC=\"IDX:1\">",
    "<BLINK>",
    "</BLINK>",
    "<CONTROL TYPE=\"EDIT\" WIDTH=\"20\">",
    "<BODY BGCOLOR=\"#00FF00\">",
    "<BODY BGCOLOR=\"clRed\">",
    "<#12>",
    "<#",
    "<",
    "<B",
    "</",
    ">",
    "<<",
    "\"",
    "<FONT COLOR=\"",
    "<P ALIGN=\"",
    "<IN x=\"",
    "&amp;",
    "&AMP;",
    "&nbsp;",
    "&lt;",
    "&gt;",
    "&permil;",
    "&",
    "&amp;amp;",
    "&&",
    "\r",
    "\n",
    "\r\n",
    " ",
    "  ",
    "\t",
    "word",
    "x",
    "\u00e9",
};

class TMarkupGrammar {
public:
  explicit TMarkupGrammar(unsigned seed) : Rng(seed) {}

  int Number() {
    switch (Pick(6)) {
      case 0: return static_cast<int>(Rng() - Rng());
      case 1: return -Pick(200);
      case 2: return 2147483647;
      default: return Pick(400);
    }
  }

  QString Markup() {
    QString s;
    const int pieces = Pick(40);
    for (int i = 0; i < pieces; ++i) s += Piece();
    return s;
  }

  TRect Rectangle() {
    const int l = Pick(100) - 50, t = Pick(100) - 50;
    return TRect(l, t, l + Pick(350) - 50, t + Pick(350) - 50);
  }

  THtmlDrawParams Params() {
    THtmlDrawParams p;
    p.HitX = Pick(300) - 50;
    p.HitY = Pick(300) - 50;
    p.FocusAnchor = Pick(6) - 1;
    p.HoverAnchor = Pick(6) - 1;
    p.ShadowOffset = Pick(3);
    p.HitTestOnly = Pick(3) == 0;
    p.MeasureOnly = Pick(3) == 0;
    p.Selected = Pick(4) == 0;
    p.BlinkOn = Pick(2) == 0;
    p.UnderlineOnHover = Pick(2) == 0;
    p.WordWrap = Pick(2) == 0;
    p.HoverColor = Pick(2) ? clNone : clYellow;
    p.HoverFontColor = Pick(2) ? clNone : clRed;
    return p;
  }

  int Pick(int n) { return int(Rng() % unsigned(n)); }

private:
  QString Piece() {
    switch (Pick(8)) {
      case 0:
        return QString("<FONT SIZE=\"%1\" COLOR=\"#%2\" BGCOLOR=\"cl%3\" FACE=\"Arial\">")
            .arg(Number())
            .arg(Pick(0xFFFFFF), 6, 16, QChar('0'))
            .arg(Pick(2) ? "Red" : "Nothing");
      case 1: return QString("<R A=\"%1\">").arg(Number());
      case 2:
        return QString("<P ALIGN=\"%1\" INDENT=\"%2\" BGCOLOR=\"clLime\">")
            .arg(Pick(2) ? "CENTER" : "LEFTRIGHT")
            .arg(Number());
      case 3: return QString("<IN x=\"%1\">").arg(Number());
      case 4: return QString(Pick(50) + 1, QChar('m'));  // long words
      default: return QString::fromUtf8(kPieces[Pick(int(std::size(kPieces)))]);
    }
  }

  std::mt19937 Rng;
};

struct TCanvasState {
  TColor PenColor;
  int PenWidth;
  TColor BrushColor;
  TFont Font;
};

TCanvasState StateOf(TCanvas& c) {
  TCanvasState s{c.Pen().Color, c.Pen().Width, c.Brush().Color, {}};
  s.Font.Assign(c.Font());
  return s;
}

void ExpectSameState(TCanvas& c, const TCanvasState& s, const QString& markup) {
  EXPECT_EQ(c.Pen().Color, s.PenColor) << markup.toStdString();
  EXPECT_EQ(c.Pen().Width, s.PenWidth) << markup.toStdString();
  EXPECT_EQ(c.Brush().Color, s.BrushColor) << markup.toStdString();
  EXPECT_TRUE(c.Font() == s.Font) << markup.toStdString();
}

}  // namespace

TEST(PsgHTMLEHostile, RandomMarkupEndsWithinItsLength) {
  TBitmap sheet(200, 200);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::Fixed());
  c.Font().SetColor(clBlack);
  TMarkupGrammar g(20261210);
  for (int i = 0; i < 3000; ++i) {
    const QString markup = g.Markup();
    const TRect rect = g.Rectangle();
    THtmlDrawParams p = g.Params();
    THtmlDrawResults out;
    const TCanvasState before = StateOf(c);
    DrawHtmlText(c, markup, rect, p, out);
    ExpectSameState(c, before, markup);
    // Every line is at least as tall as "gh" and takes at least one run or tag
    // of the prepared text (a carriage return grows into a four-character tag).
    EXPECT_GE(out.ContentHeight, FixedCharHeight);
    EXPECT_LE(out.ContentHeight / FixedCharHeight, 4 * markup.size() + 1) << markup.toStdString();
    if (HasFailure()) break;
  }
}

TEST(PsgHTMLEHostile, RealFontsSurviveHostileSizes) {
  TBitmap sheet(200, 120);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::FontMetrics());
  TMarkupGrammar g(7);
  for (int i = 0; i < 150; ++i) {
    const QString markup = g.Markup();
    THtmlDrawParams p = g.Params();
    THtmlDrawResults out;
    const TCanvasState before = StateOf(c);
    DrawHtmlText(c, markup, g.Rectangle(), p, out);
    ExpectSameState(c, before, markup);
  }
}

TEST(PsgHTMLEHostile, TenThousandListItems) {
  TBitmap sheet(100, 100);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::Fixed());
  QString markup;
  for (int i = 0; i < 10000; ++i) markup += "<LI>";
  THtmlDrawParams measure;
  measure.MeasureOnly = true;
  THtmlDrawResults out;
  DrawHtmlText(c, markup, TRect(0, 0, 100, 100), measure, out);
  EXPECT_EQ(out.ContentHeight, 10000 * FixedCharHeight) << "one item a line";
  DrawHtmlText(c, markup, TRect(0, 0, 100, 100), THtmlDrawParams{}, out);
  EXPECT_LE(out.ContentHeight, 100 + FixedCharHeight) << "painting stops below the area";
}

TEST(PsgHTMLEHostile, ThousandNestedRotationsUnwind) {
  TBitmap sheet(100, 100);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::Fixed());
  QString open, close;
  for (int i = 0; i < 1000; ++i) {
    open += "<R A=\"90\">";
    close += "</R>";
  }
  THtmlDrawResults out;
  for (const QString& markup : {open + "x" + close + "y", open + "x", close + "y"}) {
    DrawHtmlText(c, markup, TRect(0, 0, 100, 100), THtmlDrawParams{}, out);
    EXPECT_EQ(c.Font().Orientation(), 0);
    EXPECT_EQ(out.PlainText, markup.endsWith('x') ? "x" : (markup.startsWith("</") ? "y" : "xy"));
  }
}

TEST(PsgHTMLEHostile, NoAreaStillEnds) {
  TBitmap sheet(50, 50);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::Fixed());
  const TRect rects[] = {TRect(0, 0, 0, 0), TRect(10, 10, 5, 5), TRect(0, 0, 1, 1), TRect(-100, -100, -200, -200)};
  for (const TRect& r : rects)
    for (bool wrap : {false, true}) {
      THtmlDrawParams p;
      p.WordWrap = wrap;
      p.MeasureOnly = true;
      THtmlDrawResults out;
      DrawHtmlText(c, "one two <LI>three<IN x=\"40\">four<LI><LI>five", r, p, out);
      EXPECT_EQ(out.PlainText, "one two threefourfive");
      EXPECT_LE(out.ContentHeight / FixedCharHeight, 8);
    }
}

namespace {

QString Repeated(const QString& Piece, int Count) {
  QString s;
  s.reserve(Piece.size() * Count);
  for (int i = 0; i < Count; ++i) s += Piece;
  return s;
}

QString Control(const QString& Width, const QString& Height = QString()) {
  QString s = "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"" + Width + "\"";
  if (!Height.isNull()) s += " HEIGHT=\"" + Height + "\"";
  return s + ">";
}

QString Picture(const QString& Width, const QString& Height) {
  return "<IMG SRC=\"p\" WIDTH=\"" + Width + "\" HEIGHT=\"" + Height + "\">";
}

}  // namespace

// Sizes at and past their bound, negative ones, and counts of tags whose sizes
// would sum past the integer range: measured and painted under the sanitizers,
// every size stays within its bound and the paint stops below the area.
TEST(PsgHTMLEHostile, SizesAndCountsOfPicturesAndControlsStayBounded) {
  constexpr int Max = HtmlMaxObjectSize;
  const QString max = QString::number(Max), pastMax = QString::number(Max + 1);
  struct Case {
    QString Markup;
    int Width;   // measured content width; -1: only bounded
    int Height;  // measured content height; -1: only bounded
  };
  const Case cases[] = {
      {Control(max), Max, -1},
      {Control(pastMax), Max, -1},
      {Control("2147483647"), Max, -1},
      {Control("99999999999999999999"), Max, -1},
      {Control("-5"), 0, -1},
      {Control("-2147483648"), 0, -1},
      {Control("10", "2147483647"), 10, -1},
      {Control("10", "-2147483648"), 10, -1},
      {Picture(max, "0"), Max, Max / 2},  // the 4 x 2 picture keeps its proportions
      {Picture("2147483647", "0"), Max, Max / 2},
      {Picture("0", "2147483647"), Max, Max},
      {Picture("2147483647", "2147483647"), Max, Max},
      {Picture("-2147483648", "-1"), 4, FixedCharHeight},
      {Picture("1", "0"), 1, FixedCharHeight},  // a 4 x 2 picture one pixel wide
      // 2,100 times the bound passes the integer range.
      {Repeated(Control("2147483647"), 2100), HtmlMaxExtent, -1},
      {Repeated(Picture("2147483647", "2147483647"), 2100), HtmlMaxExtent, Max},
      {Repeated(Control("10", "2147483647") + "<BR>", 2100), 10, HtmlMaxExtent},
      {Repeated(Picture("1", "2147483647") + "<BR>", 2100), -1, HtmlMaxExtent},
      {Repeated("<UL>", 30000) + "<LI>x", -1, -1},
      {Repeated("<P INDENT=\"2147483647\">" + Control("1048576"), 2100), -1, -1},
  };
  TBitmap sheet(200, 100);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::Fixed());
  TPictureContainer pictures(nullptr);
  TBitmap picture(4, 2);
  picture.EndCanvas();
  QByteArray bytes;
  picture.SaveToBytes(bytes);
  TPictureItem* item = pictures.Items().Add();
  item->Name = "p";
  item->Picture().LoadFromBytes(bytes);
  for (const Case& k : cases) {
    const std::string label = k.Markup.left(120).toStdString();

    for (bool wrap : {false, true}) {
      THtmlDrawParams p;
      p.Pictures = &pictures;
      p.WordWrap = wrap;
      p.MeasureOnly = true;
      THtmlDrawResults out;
      DrawHtmlText(c, k.Markup, TRect(0, 0, 200, 100), p, out);
      EXPECT_GE(out.ContentWidth, 0) << label;
      EXPECT_LE(out.ContentWidth, HtmlMaxExtent) << label;
      EXPECT_GE(out.ContentHeight, FixedCharHeight) << label;
      EXPECT_LE(out.ContentHeight, HtmlMaxExtent) << label;
      EXPECT_TRUE(wrap || k.Width < 0 || out.ContentWidth == k.Width) << label << ": " << out.ContentWidth;
      EXPECT_TRUE(wrap || k.Height < 0 || out.ContentHeight == k.Height) << label << ": " << out.ContentHeight;
      // Painting ends with the first line that passes the area's bottom.
      p.MeasureOnly = false;
      const int measured = out.ContentHeight;
      DrawHtmlText(c, k.Markup, TRect(0, 0, 200, 100), p, out);
      EXPECT_LE(out.ContentHeight, std::min(measured, 100 + Max + 2 * FixedCharHeight)) << label;
    }

  }
}
