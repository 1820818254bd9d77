#include "support/PaintProbe.h"

#include "platform/Graphics.h"

#include <gtest/gtest.h>

using namespace paintprobe;

namespace {

// The fixed measurer: every character 7 x 13, so positions are exact.
struct Drawn {
  std::vector<TPoint> Cells;
  int Result;
  std::unique_ptr<TBitmap> Sheet;
};

Drawn Draw(const QString& text, TRect r, unsigned format, int w = 120, int h = 60) {
  Drawn d{{}, 0, Sheet(w, h)};
  TCanvas& c = d.Sheet->Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  d.Result = DrawText(c, text, r, format);
  d.Cells = Cells(*d.Sheet);
  return d;
}

std::vector<TPoint> Row(int x, int y, int count) {
  std::vector<TPoint> out;
  for (int i = 0; i < count; ++i) out.push_back(TPoint(x + 7 * i, y));
  return out;
}

std::vector<TPoint> Join(std::vector<TPoint> a, const std::vector<TPoint>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(DrawText, PlacesLinesByItsFlags) {
  struct Case {
    const char* Name;
    QString Text;
    TRect Rect;
    unsigned Format;
    std::vector<TPoint> Cells;
  };
  const Case cases[] = {
      {"left top", "ab", TRect(10, 10, 100, 50), DT_LEFT | DT_TOP, Row(10, 10, 2)},
      {"centred", "ab", TRect(0, 0, 100, 40), DT_CENTER | DT_VCENTER | DT_SINGLELINE, Row(43, 13, 2)},
      {"right bottom", "ab", TRect(0, 0, 100, 40), DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, Row(86, 27, 2)},
      {"vertical centring needs a single line", "ab", TRect(0, 0, 100, 40), DT_VCENTER, Row(0, 0, 2)},
      {"bottom needs a single line", "ab", TRect(0, 0, 100, 40), DT_BOTTOM | DT_WORDBREAK, Row(0, 0, 2)},
      {"line breaks", "a\r\nbc\nd", TRect(0, 0, 100, 60), DT_LEFT,
       Join(Join(Row(0, 0, 1), Row(0, 13, 2)), Row(0, 26, 1))},
      {"single line keeps line breaks in the line",
       "a\nb",
       TRect(0, 0, 100, 40),
       DT_SINGLELINE,
       {TPoint(0, 0), TPoint(14, 0)}},
      {"word break", "aa bb cc", TRect(0, 0, 40, 60), DT_WORDBREAK,
       Join(Row(0, 0, 2), Join(Row(21, 0, 2), Row(0, 13, 2)))},
      {"word break, each line aligned", "aa bb cc", TRect(0, 0, 40, 60), DT_WORDBREAK | DT_RIGHT,
       Join(Row(5, 0, 2), Join(Row(26, 0, 2), Row(26, 13, 2)))},
      {"a long word stays whole", "abcdefgh ij", TRect(0, 0, 20, 60), DT_WORDBREAK,
       Join(Row(0, 0, 3), Row(0, 13, 2))},  // cut at the rectangle's right
      {"a long word is cut in edit-control mode", "abcdefg", TRect(0, 0, 20, 60), DT_WORDBREAK | DT_EDITCONTROL,
       Join(Join(Join(Row(0, 0, 2), Row(0, 13, 2)), Row(0, 26, 2)), Row(0, 39, 1))},
      {"end ellipsis", "abcdefgh", TRect(0, 0, 40, 20), DT_SINGLELINE | DT_END_ELLIPSIS, Row(0, 0, 5)},
      {"no ellipsis when it fits", "abcde", TRect(0, 0, 40, 20), DT_SINGLELINE | DT_END_ELLIPSIS, Row(0, 0, 5)},
      {"expanded tab", "a\tb", TRect(0, 0, 100, 20), DT_SINGLELINE | DT_EXPANDTABS, {TPoint(0, 0), TPoint(56, 0)}},
      {"tab not expanded", "a\tb", TRect(0, 0, 100, 20), DT_SINGLELINE, {TPoint(0, 0), TPoint(14, 0)}},
      {"prefix taken out", "&ab", TRect(0, 0, 100, 20), DT_SINGLELINE, Row(0, 0, 2)},
      {"double prefix shows one", "a&&b", TRect(0, 0, 100, 20), DT_SINGLELINE, Row(0, 0, 3)},
      {"no prefix", "&ab", TRect(0, 0, 100, 20), DT_SINGLELINE | DT_NOPREFIX, Row(0, 0, 3)},
      {"clipped to the rectangle", "abcdef", TRect(0, 0, 22, 20), DT_SINGLELINE, Row(0, 0, 3)},
      {"not clipped", "abcdef", TRect(0, 0, 22, 20), DT_SINGLELINE | DT_NOCLIP, Row(0, 0, 6)},
  };
  for (const Case& k : cases) EXPECT_EQ(Draw(k.Text, k.Rect, k.Format).Cells, k.Cells) << k.Name;
}

// The ellipsis replaces the characters that do not fit; the stored text is not changed.
TEST(DrawText, EllipsisKeepsWhatFits) {
  TRect r(0, 0, 40, 20);
  TBitmap b(1, 1);
  b.Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
  DrawText(b.Canvas(), "abcdefgh", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
  EXPECT_EQ(r.Right, 35);  // "ab..."
}

namespace {

// Real font widths, and the last line drawn written down.
class TRecordingMeasurer : public TTextMeasurer {
public:
  mutable QString Drawn;
  int Width(const TFont& f, const QString& t) const override { return FontMetrics().Width(f, t); }
  int LineHeight(const TFont& f) const override { return FontMetrics().LineHeight(f); }
  int Ascent(const TFont& f) const override { return FontMetrics().Ascent(f); }
  int AverageCharWidth(const TFont& f) const override { return FontMetrics().AverageCharWidth(f); }
  void Draw(QPainter& p, const TFont& f, int x, int y, const QString& text, const QColor& colour) const override {
    Drawn = text;
    FontMetrics().Draw(p, f, x, y, text, colour);
  }
};

}  // namespace

// Whatever the widths, the cut keeps the longest prefix that fits with the
// dots, as dropping one character at a time would: checked against that.
TEST(DrawText, EllipsisCutIsTheLongestPrefixThatFits) {
  TBitmap b(400, 40);
  TCanvas& c = b.Canvas();
  TRecordingMeasurer measurer;
  c.SetTextMeasurer(&measurer);
  c.Font().SetName("Tahoma");
  const QString texts[] = {"Wide WWW and narrow iii letters mixed: lIlIlI MMM", QString(400, u'x'),
                           QString("ab") + QChar(0xD83D) + QChar(0xDE00) + "cd",  // a surrogate pair
                           "x"};
  for (const QString& text : texts)
    for (int width : {0, 1, 8, 20, 37, 60, 111, 250, 399}) {
      QString expected = text;
      if (c.TextWidth(expected) > width) {
        while (!expected.isEmpty() && c.TextWidth(expected + "...") > width) expected.chop(1);
        if (!expected.isEmpty() && expected.back().isHighSurrogate()) expected.chop(1);
        expected += "...";
      }
      TRect r(0, 0, width, 40);
      measurer.Drawn.clear();
      DrawText(c, text, r, DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_NOCLIP);
      EXPECT_EQ(measurer.Drawn, expected) << text.left(20).toStdString() << " in " << width;
    }
}

// With DT_EDITCONTROL a partly visible line after the first is not drawn at all.
TEST(DrawText, EditControlHidesAPartlyVisibleLastLine) {
  const TRect rect(0, 0, 40, 20);
  auto withEdit = Draw("aa bb cc", rect, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_EQ(InkBounds(*withEdit.Sheet), TRect(1, 2, 34, 11));
  auto without = Draw("aa bb cc", rect, DT_WORDBREAK);
  EXPECT_EQ(InkBounds(*without.Sheet), TRect(1, 2, 34, 20));
  // The first line shows even when it is cut.
  auto first = Draw("ab", TRect(0, 0, 40, 8), DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_EQ(InkBounds(*first.Sheet), TRect(1, 2, 13, 8));
}

namespace {
// Fixed widths (7 a character, 13 a line), every line drawn written down.
class TLinesMeasurer : public TTextMeasurer {
public:
  mutable QStringList Drawn;
  int Width(const TFont& f, const QString& t) const override { return Fixed().Width(f, t); }
  int LineHeight(const TFont& f) const override { return Fixed().LineHeight(f); }
  int Ascent(const TFont& f) const override { return Fixed().Ascent(f); }
  int AverageCharWidth(const TFont& f) const override { return Fixed().AverageCharWidth(f); }
  void Draw(QPainter&, const TFont&, int, int, const QString& text, const QColor&) const override { Drawn << text; }
};
}  // namespace

// Wrapped as an edit control with an end ellipsis, the last line that fits
// whole ends in dots when more text follows; a text that fits keeps its lines.
TEST(DrawText, WrappedEditTextEndsItsLastWholeLineInDots) {
  struct Case {
    int Height;
    unsigned Extra;
    QStringList Lines;
  } cases[] = {
      {30, DT_END_ELLIPSIS, {"aaa bbb", "ccc d..."}},
      {13, DT_END_ELLIPSIS, {"aaa b..."}},
      {5, DT_END_ELLIPSIS, {"aaa b..."}},  // the first line shows even when cut
      {40, DT_END_ELLIPSIS, {"aaa bbb", "ccc ddd", "eee"}},
      {30, 0, {"aaa bbb", "ccc ddd"}},
  };
  TBitmap b(100, 60);
  TLinesMeasurer measurer;
  b.Canvas().SetTextMeasurer(&measurer);
  for (const Case& c : cases) {
    measurer.Drawn.clear();
    TRect r(0, 0, 56, c.Height);
    DrawText(b.Canvas(), "aaa bbb ccc ddd eee", r, DT_WORDBREAK | DT_EDITCONTROL | c.Extra);
    EXPECT_EQ(measurer.Drawn, c.Lines) << c.Height << " " << c.Extra;
  }
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
  struct Case {
    const char* Name;
    QString Text;
    TRect Rect;
    unsigned Format;
    TRect Expected;
    int Height;
  };
  const Case cases[] = {
      {"one line", "abcdefgh", TRect(5, 5, 40, 10), DT_SINGLELINE, TRect(5, 5, 61, 18), 13},
      {"word break", "aa bb cc", TRect(0, 0, 40, 0), DT_WORDBREAK, TRect(0, 0, 35, 26), 26},
      {"word break, wide rectangle", "aa bb cc", TRect(0, 0, 400, 0), DT_WORDBREAK, TRect(0, 0, 56, 13), 13},
      {"lines", "a\nbbb\n", TRect(0, 0, 10, 10), 0, TRect(0, 0, 21, 39), 39},
      {"prefix not counted", "&File", TRect(0, 0, 100, 10), DT_SINGLELINE, TRect(0, 0, 28, 13), 13},
      {"tabs counted", "a\tb", TRect(0, 0, 100, 10), DT_SINGLELINE | DT_EXPANDTABS, TRect(0, 0, 63, 13), 13},
      {"empty text is one empty line", "", TRect(3, 3, 100, 10), DT_SINGLELINE, TRect(3, 3, 3, 16), 13},
      {"long word in edit-control mode", "abcdef", TRect(0, 0, 20, 0), DT_WORDBREAK | DT_EDITCONTROL,
       TRect(0, 0, 14, 39), 39},
  };
  for (const Case& k : cases) {
    TRect r = k.Rect;
    auto d = Draw(k.Text, r, k.Format | DT_CALCRECT);
    EXPECT_TRUE(d.Cells.empty()) << k.Name;
    TBitmap b(1, 1);
    b.Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
    EXPECT_EQ(DrawText(b.Canvas(), k.Text, r, k.Format | DT_CALCRECT), k.Height) << k.Name;
    EXPECT_EQ(r, k.Expected) << k.Name;
  }
}

TEST(DrawText, ResultIsHeightOrOffsetToTheBottom) {
  EXPECT_EQ(Draw("ab", TRect(0, 0, 100, 40), DT_SINGLELINE).Result, 13);
  EXPECT_EQ(Draw("ab", TRect(0, 0, 100, 40), DT_SINGLELINE | DT_VCENTER).Result, 13 + 13);
  EXPECT_EQ(Draw("ab", TRect(0, 0, 100, 40), DT_SINGLELINE | DT_BOTTOM).Result, 40);
  EXPECT_EQ(Draw("a\nb", TRect(0, 0, 100, 40), 0).Result, 26);
}

TEST(DrawText, PrefixUnderlinesItsCharacter) {
  auto d = Draw("a&bc", TRect(0, 0, 100, 20), DT_SINGLELINE);
  // The underline is one row under the baseline (ascent 10), under "b" only.
  EXPECT_EQ(At(*d.Sheet, 7, 11), clBlack);
  EXPECT_EQ(At(*d.Sheet, 13, 11), clBlack);
  EXPECT_EQ(At(*d.Sheet, 6, 11), clWhite);
  EXPECT_EQ(At(*d.Sheet, 14, 11), clWhite);
  auto hidden = Draw("a&bc", TRect(0, 0, 100, 20), DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_EQ(At(*hidden.Sheet, 7, 11), clWhite);
  auto none = Draw("a&&bc", TRect(0, 0, 100, 20), DT_SINGLELINE);
  EXPECT_EQ(InkBounds(*none.Sheet).Bottom, 11);
}

TEST(DrawText, OpaqueBackgroundCoversTheLineOnly) {
  auto b = Sheet(60, 30);
  TCanvas& c = b->Canvas();
  c.Brush().Color = clRed;
  c.Font().SetColor(clBlack);
  TRect r(0, 0, 60, 30);
  DrawText(c, "ab", r, DT_SINGLELINE | DT_CENTER);
  EXPECT_EQ(At(*b, 23, 0), clRed);
  EXPECT_EQ(At(*b, 36, 12), clRed);
  EXPECT_EQ(At(*b, 22, 0), clWhite);
  EXPECT_EQ(At(*b, 23, 13), clWhite);
}

TEST(DrawText, KeepsTheCanvasClip) {
  auto b = Sheet(60, 20);
  TCanvas& c = b->Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  c.IntersectClipRect(TRect(0, 0, 10, 20));
  TRect r(0, 0, 60, 20);
  DrawText(c, "abc", r, DT_SINGLELINE);
  EXPECT_EQ(InkBounds(*b), TRect(1, 2, 10, 11));
  c.SelectClipRgn(nullptr);
  DrawText(c, "abc", r, DT_SINGLELINE);
  EXPECT_EQ(InkBounds(*b), TRect(1, 2, 20, 11));
}

// Real fonts: layout numbers come from the same canvas that draws.
TEST(DrawText, RealFontCentresByItsOwnMeasure) {
  TBitmap b(200, 40);
  TCanvas& c = b.Canvas();
  c.Font().SetName("Tahoma");
  c.Font().SetColor(clBlack);
  c.Brush().Style = bsClear;
  TRect calc(0, 0, 200, 40);
  DrawText(c, "Centre", calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(calc.Right, c.TextWidth("Centre"));
  EXPECT_EQ(calc.Bottom, c.TextHeight("Centre"));
  TRect r(0, 0, 200, 40);
  DrawText(c, "Centre", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const TRect ink = InkBounds(b);
  const int left = (200 - calc.Right) / 2;
  EXPECT_GE(ink.Left, left - 2);
  EXPECT_LE(ink.Right, left + calc.Right + 2);
  EXPECT_GE(ink.Top, (40 - calc.Bottom) / 2);
  EXPECT_LE(ink.Bottom, (40 - calc.Bottom) / 2 + calc.Bottom);
}

TEST(DrawText, RotatedFontTurnsTheLineAboutItsTopLeft) {
  // A quarter turn counter-clockwise: the line runs upward from its top-left corner.
  auto sheet = Sheet(60, 60);
  TCanvas& c = sheet->Canvas();
  c.Font().SetColor(clBlack);
  c.Font().SetOrientation(900);
  c.Brush().Style = bsClear;
  TRect r(20, 40, 60, 60);
  DrawText(c, "ab", r, DT_SINGLELINE | DT_NOCLIP);
  const TRect ink = InkBounds(*sheet);
  EXPECT_EQ(ink.Left, 22);
  EXPECT_EQ(ink.Right, 31);
  EXPECT_LT(ink.Bottom, 40);
  EXPECT_GT(ink.Height(), 9);
}
