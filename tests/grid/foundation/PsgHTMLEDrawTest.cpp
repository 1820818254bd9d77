#include "support/PaintProbe.h"

#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

using namespace paintprobe;

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

// One run the engine drew, with the font it was drawn in.
struct TDrawnRun {
  QString Text;
  int X, Y;
  TColor Colour;
  TFontStyles Style;
  int Size;
  QString Name;
  int Orientation;
};

// The fixed 7 x 13 measurer that also writes down every run drawn.
class TRecordingMeasurer : public TTextMeasurer {
public:
  mutable std::vector<TDrawnRun> Runs;
  int Width(const TFont& f, const QString& t) const override { return Fixed().Width(f, t); }
  int LineHeight(const TFont& f) const override { return Fixed().LineHeight(f); }
  int Ascent(const TFont& f) const override { return Fixed().Ascent(f); }
  int AverageCharWidth(const TFont& f) const override { return Fixed().AverageCharWidth(f); }
  void Draw(QPainter& p, const TFont& f, int x, int y, const QString& text, const QColor& colour) const override {
    Runs.push_back({text, x, y, FromQColor(colour), f.Style(), f.Size(), f.Name(), f.Orientation()});
    Fixed().Draw(p, f, x, y, text, colour);
  }
};

constexpr int H = FixedCharHeight, W = FixedCharWidth;

// A white sheet with black text in 8 points, and the engine's outputs.
struct THtmlSheet {
  std::unique_ptr<TBitmap> Sheet;
  TRecordingMeasurer Measurer;
  THtmlDrawResults Out;
  bool Hit = false;

  explicit THtmlSheet(int w = 200, int h = 120) : Sheet(std::make_unique<TBitmap>(w, h)) {
    TCanvas& c = Sheet->Canvas();
    c.SetTextMeasurer(&Measurer);
    c.Font().SetColor(clBlack);
    c.Brush().Color = clWhite;
  }
  TCanvas& Canvas() { return Sheet->Canvas(); }
  bool Draw(const QString& markup, const TRect& r, const THtmlDrawParams& p = {}) {
    Hit = DrawHtmlText(Canvas(), markup, r, p, Out);
    return Hit;
  }
  const TDrawnRun* Run(const QString& text) const {
    for (const TDrawnRun& r : Measurer.Runs)
      if (r.Text == text) return &r;
    return nullptr;
  }
};

THtmlDrawParams MeasuringOnly(bool wrap = false) {
  THtmlDrawParams p;
  p.MeasureOnly = true;
  p.WordWrap = wrap;
  return p;
}

}  // namespace

TEST(PsgHTMLEDraw, LayoutTable) {
  struct Case {
    const char* Name;
    QString Markup;
    int Width;
    bool Wrap;
    QString Plain;
    int Lines;
    int ContentWidth;
  };
  const QString CR = QStringLiteral("\r");
  const Case cases[] = {
      {"styles are one line", "<B>bold</B> plain", 300, true, "bold plain", 1, 10 * W},
      {"a final blank is not counted", "one two ", 300, true, "one two ", 1, 7 * W},
      {"wrapped at a blank", "one two three", 70, true, "one two three", 2, 7 * W},
      {"a word wider than the area keeps a line", "abcdefghijklmnopq", 40, true, "abcdefghijklmnopq", 1, 17 * W},
      {"without wrap: one run cut by an ellipsis", "one two three", 70, false, "one two three", 1, 9 * W},
      {"without wrap: the text after an overflowing later run is dropped", "ab <B>cdefghijklmnop</B>xyz", 51, false,
       "ab cdefghijklmnop", 1, 10 * W},
      {"two breaks make three lines", "x<BR><BR>y", 300, false, "x" + CR + CR + "y", 3, W},
      {"a carriage return is a break, a line feed nothing", "a\r\nb", 300, false, "a" + CR + "b", 2, W},
      {"an unclosed tag ends the text", "a < b", 300, false, "a ", 1, W},
      {"&AMP; is an ampersand, doubled for the prefix rule", "&AMP;", 300, false, "&&", 1, W},
      {"a lone ampersand underlines", "x&y", 300, false, "x&y", 1, 2 * W},
      {"entities sweep again after &amp;", "&amp;quot;", 300, false, "&\"", 1, W},
      {"per mille", "&permil;", 300, false, QString(QChar(0x2030)), 1, W},
      {"text entities", "a&nbsp;&lt;b&gt;", 300, false, "a <b>", 1, 5 * W},
      {"hash markers", "<#123>x", 300, false, "#123x", 1, 5 * W},
      {"the four-line list", "<UL><LI>a</LI><LI>b</LI></UL>", 300, false, "ab", 4, 12 + W},
      {"hidden text takes no room", "a<Z>bbb</Z>c", 300, false, "abbbc", 1, 2 * W},
      {"a short tag at the end is dropped", "ab<B", 300, false, "ab", 1, 2 * W},
      {"a tag without '>' ends the text", "ab<xy", 300, false, "ab", 1, 2 * W},
      {"a second list item starts a new line", "<LI>a<LI>b", 300, false, "ab", 2, 12 * 0 + W},
      {"indent tag moves right", "ab<IN x=\"40\">c", 300, false, "abc", 1, 40 + W},
      {"indent tag behind the text does nothing", "abcdefghi<IN x=\"40\">c", 300, false, "abcdefghic", 1, 10 * W},
      {"indent tag needs a strict number", "ab<IN x=\"40px\">c", 300, false, "abc", 1, 3 * W},
      {"empty text", "", 300, false, "", 1, 0},
  };
  for (const Case& c : cases) {
    THtmlSheet s;
    s.Draw(c.Markup, TRect(0, 0, c.Width, 2000), MeasuringOnly(c.Wrap));
    EXPECT_EQ(s.Out.PlainText, c.Plain) << c.Name;
    EXPECT_EQ(s.Out.ContentHeight, c.Lines * H) << c.Name;
    EXPECT_EQ(s.Out.ContentWidth, c.ContentWidth) << c.Name;
    // Painting lays the same lines out.
    THtmlSheet p(400, 200);
    THtmlDrawParams params;
    params.WordWrap = c.Wrap;
    p.Draw(c.Markup, TRect(0, 0, c.Width, 2000), params);
    EXPECT_EQ(p.Out.ContentHeight, c.Lines * H) << c.Name << " (painted)";
    EXPECT_EQ(p.Out.PlainText, c.Plain) << c.Name << " (painted)";
  }
}

TEST(PsgHTMLEDraw, FontTagColoursAndSizes) {
  struct Case {
    const char* Markup;
    TColor Colour;
    int Size;
  };
  const Case cases[] = {
      {"<FONT COLOR=\"#ff0000\">x", clRed, 8},
      {"<FONT COLOR=\"red\">x", clBlack, 8},
      {"<FONT COLOR=\"clRed\">x", clRed, 8},
      {"<FONT COLOR=clRed>x", clBlue, 8},
      {"<FONT SIZE=\"7\">x", clBlue, 7},
      {"<FONT SIZE=\"2\">x", clBlue, 10},
      {"<FONT SIZE=3>x", clBlue, 12},
      {"<FONT SIZE=3 COLOR=\"clLime\">x", clLime, 0},
      {"<FONTX SIZE=\"5\">x", clBlue, 16},
      {"<FONT SIZE=\"4\">y</FONT>x", clBlue, 8},
      {"<FONT COLOR=\"clRed\">y</FONT>x", clBlue, 8},
      {"<FONT BGCOLOR=\"clRed\">x", clBlue, 8},
  };
  for (const Case& c : cases) {
    THtmlSheet s;
    s.Canvas().Font().SetColor(clBlue);
    s.Draw(c.Markup, TRect(0, 0, 200, 100));
    const TDrawnRun* r = s.Run("x");
    ASSERT_NE(r, nullptr) << c.Markup;
    EXPECT_EQ(r->Colour, c.Colour) << c.Markup;
    EXPECT_EQ(r->Size, c.Size) << c.Markup;
  }
  // A system colour name reaches the painter as that system colour.
  THtmlSheet s;
  s.Draw("<FONT COLOR=\"clHighLight\">x", TRect(0, 0, 200, 100));
  EXPECT_EQ(s.Run("x")->Colour, FromQColor(ToQColor(clHighlight)));
  // Selected cells keep the caller's colours.
  THtmlSheet sel;
  THtmlDrawParams p;
  p.Selected = true;
  sel.Draw("<FONT COLOR=\"clRed\">x", TRect(0, 0, 200, 100), p);
  EXPECT_EQ(sel.Run("x")->Colour, clBlack);
}

TEST(PsgHTMLEDraw, StylesTagsAndTheirClosers) {
  THtmlSheet s;
  s.Draw("<b>b</B><i>i</i><U>u</U><S>s</S><BLINK>k</B>n<R A=\"90\">r</R>o", TRect(0, 0, 200, 100));
  EXPECT_TRUE(s.Run("b")->Style.Contains(fsBold)) << "tag letters ignore case";
  EXPECT_TRUE(s.Run("i")->Style.Contains(fsItalic));
  EXPECT_TRUE(s.Run("u")->Style.Contains(fsUnderline));
  EXPECT_TRUE(s.Run("s")->Style.Contains(fsStrikeOut));
  EXPECT_TRUE(s.Run("n")->Style.Empty());
  EXPECT_EQ(s.Run("r")->Orientation, 900);
  EXPECT_EQ(s.Run("o")->Orientation, 0);
  // A lone ampersand underlines the character after it.
  THtmlSheet amp;
  amp.Draw("x&y", TRect(0, 0, 200, 100));
  EXPECT_EQ(amp.Run("xy")->X, 1);
  for (int x = 1 + W; x < 1 + 2 * W; ++x) EXPECT_EQ(At(*amp.Sheet, x, 11), clBlack) << x;
  for (int x = 1; x < 1 + W; ++x) EXPECT_EQ(At(*amp.Sheet, x, 11), clWhite) << x;
  // Blinking text is drawn in the background colour while it is hidden.
  THtmlSheet blink;
  THtmlDrawParams p;
  p.BlinkOn = false;
  blink.Draw("<BLINK>k</BLINK>n", TRect(0, 0, 200, 100), p);
  EXPECT_EQ(blink.Run("k")->Colour, clWhite);
  EXPECT_EQ(blink.Run("n")->Colour, clBlack);
}

TEST(PsgHTMLEDraw, SubscriptDropsByAQuarterOfItsHeight) {
  THtmlSheet s;
  s.Draw("H<SUB>2</SUB>O", TRect(0, 0, 200, 100));
  EXPECT_EQ(s.Out.ContentHeight, H + H / 4);
  EXPECT_EQ(s.Run("H")->Y, 0);
  EXPECT_EQ(s.Run("2")->Y, H / 4);
  EXPECT_EQ(s.Run("O")->Y, 0);
  EXPECT_EQ(s.Run("O")->X, 1 + 2 * W);
  THtmlSheet sup;
  sup.Draw("x<SUP>2</SUP>", TRect(0, 0, 200, 100));
  EXPECT_EQ(sup.Out.ContentHeight, H + H / 4);
  EXPECT_EQ(sup.Run("x")->Y, H / 4);
  EXPECT_EQ(sup.Run("2")->Y, 0);
  THtmlSheet notSub;
  notSub.Draw("H<SUB >2", TRect(0, 0, 200, 100));
  EXPECT_EQ(notSub.Out.ContentHeight, H);
}

TEST(PsgHTMLEDraw, ParagraphAlignmentHoldsForLaterLines) {
  struct Case {
    const char* Markup;
    int X1, X2;
  };
  const Case cases[] = {
      {"<P ALIGN=\"RIGHT\">abc<BR>de", 100 - 3 * W, 100 - 2 * W},
      {"<P ALIGN=\"LEFTRIGHT\">abc<BR>de", 100 - 3 * W, 100 - 2 * W},
      {"<P ALIGN=\"CENTER\">abc<BR>de", 1 + (99 - 3 * W) / 2, 1 + (99 - 2 * W) / 2},
      {"<P ALIGN=\"RIGHT\">abc<P ALIGN=\"LEFT\"><BR>de", 1, 1},
      {"<P INDENT=\"10\">abc<BR>de", 11, 11},
  };
  for (const Case& c : cases) {
    THtmlSheet s;
    s.Draw(c.Markup, TRect(0, 0, 100, 100));
    EXPECT_EQ(s.Run("abc")->X, c.X1) << c.Markup;
    EXPECT_EQ(s.Run("de")->X, c.X2) << c.Markup;
  }
}

TEST(PsgHTMLEDraw, AnchorsHitFocusAndHover) {
  THtmlSheet s;
  THtmlDrawParams p;
  p.HitTestOnly = true;
  p.HitX = 10;
  p.HitY = 5;
  s.Out.HitAnchorHref = "untouched";
  EXPECT_TRUE(s.Draw("<A HREF=\"go\" TITLE=\"Go there\">link</A> rest", TRect(0, 0, 200, 100), p));
  EXPECT_EQ(s.Out.HitAnchorHref, "go");
  EXPECT_EQ(s.Out.HitAnchorTitle, "Go there");
  EXPECT_EQ(s.Out.HitAnchorIndex, 1);
  EXPECT_EQ(s.Out.AnchorCount, 1);
  EXPECT_EQ(s.Out.HoverRect, TRect(1, 0, 1 + 4 * W, H));
  EXPECT_TRUE(s.Measurer.Runs.empty()) << "a hit test paints nothing";

  // A link wrapped onto a second line: hit there, its rectangle starts at that line's left and top.
  THtmlSheet wrapped;
  p.WordWrap = true;
  p.HitX = 5;
  p.HitY = H + 5;
  EXPECT_TRUE(wrapped.Draw("<A HREF=\"w\">one two</A>", TRect(0, 0, 40, 100), p));
  EXPECT_EQ(wrapped.Out.HitAnchorHref, "w");
  EXPECT_EQ(wrapped.Out.HoverRect, TRect(1, H, 1 + 3 * W, 2 * H));
  p.WordWrap = false;
  p.HitY = 5;

  // Off the link: nothing is hit and the caller's values stay.
  THtmlSheet miss;
  p.HitX = 40;
  miss.Out.HitAnchorHref = "untouched";
  EXPECT_FALSE(miss.Draw("<A HREF=\"go\">link</A> rest", TRect(0, 0, 200, 100), p));
  EXPECT_EQ(miss.Out.HitAnchorHref, "untouched");
  EXPECT_EQ(miss.Out.HitAnchorIndex, -1);

  // The second anchor (0-based 1) carries the focus rectangle.
  THtmlSheet focus;
  THtmlDrawParams fp;
  fp.FocusAnchor = 1;
  focus.Draw("<A HREF=\"a\">x</A><A HREF=\"b\">y</A>", TRect(0, 0, 200, 100), fp);
  EXPECT_EQ(focus.Out.FocusAnchorHref, "b");
  EXPECT_EQ(focus.Out.AnchorCount, 2);
  // The dotted frame runs from one pixel left of y to one pixel right of it.
  int frame = 0;
  for (int x = W; x <= 2 * W + 1; ++x) frame += At(*focus.Sheet, x, 0) != clWhite;
  EXPECT_GT(frame, 2);
  for (int x = 0; x < W; ++x) EXPECT_EQ(At(*focus.Sheet, x, 0), clWhite) << "x has no frame";

  // Underline on hover: only the hovered anchor is underlined and takes the hover colours.
  THtmlSheet hover;
  THtmlDrawParams hp;
  hp.UnderlineOnHover = true;
  hp.HoverAnchor = 2;
  hp.HoverFontColor = clRed;
  hp.HoverColor = clLime;
  hover.Draw("<A HREF=\"a\">x</A><A HREF=\"b\">y</A>z", TRect(0, 0, 200, 100), hp);
  EXPECT_FALSE(hover.Run("x")->Style.Contains(fsUnderline));
  EXPECT_EQ(hover.Run("x")->Colour, clBlue);
  EXPECT_TRUE(hover.Run("y")->Style.Contains(fsUnderline));
  EXPECT_EQ(hover.Run("y")->Colour, clRed);
  EXPECT_EQ(At(*hover.Sheet, 1 + W, 0), clLime) << "hover background behind y";
  EXPECT_EQ(hover.Run("z")->Colour, clBlack);
  EXPECT_FALSE(hover.Run("z")->Style.Contains(fsUnderline));
  EXPECT_EQ(At(*hover.Sheet, 1 + 2 * W, 0), clWhite) << "the background ends with the anchor";
}

TEST(PsgHTMLEDraw, ListBulletsAndRule) {
  THtmlSheet s;
  s.Draw("<UL><LI>a</LI><UL><LI>b</LI></UL></UL>x<HR>y", TRect(0, 0, 100, 120));
  const TDrawnRun* dot = s.Run(QString(QChar(0x00B7)));
  ASSERT_NE(dot, nullptr);
  EXPECT_EQ(dot->Name, "Symbol");
  EXPECT_EQ(dot->X, 1);
  EXPECT_EQ(s.Run("a")->X, 1 + 12);
  ASSERT_NE(s.Run("o"), nullptr) << "second level";
  EXPECT_EQ(s.Run("o")->X, 1 + 12);
  EXPECT_EQ(s.Run("b")->X, 1 + 24);
  EXPECT_EQ(s.Run("b")->Name, s.Run("a")->Name) << "the font name comes back after the bullet";
  // The rule lies one pixel under the line of x, across the area.
  const int xTop = s.Run("x")->Y;
  EXPECT_EQ(At(*s.Sheet, 1, xTop + H + 1), clBlack);
  EXPECT_EQ(At(*s.Sheet, 98, xTop + H + 1), clBlack);
  EXPECT_EQ(At(*s.Sheet, 0, xTop + H + 1), clWhite);
  EXPECT_EQ(s.Run("y")->Y, xTop + H);
}

TEST(PsgHTMLEDraw, BackgroundsHighlightAndParagraphBands) {
  THtmlSheet s;
  s.Draw("<P BGCOLOR=\"clLime\">a<BR>b</P>c<BR><HI>h</HI>i<BR><FONT BGCOLOR=\"#FF0000\">f</FONT>g",
         TRect(0, 0, 100, 120));
  EXPECT_EQ(At(*s.Sheet, 98, 5), clLime) << "band of the paragraph's first line";
  EXPECT_EQ(At(*s.Sheet, 0, 5), clLime) << "the band spans the caller's area";
  EXPECT_EQ(At(*s.Sheet, 98, H + 5), clLime) << "and of every later line until </P>";
  EXPECT_EQ(At(*s.Sheet, 98, 2 * H + 5), clWhite);
  EXPECT_EQ(At(*s.Sheet, 1, 3 * H), FromQColor(ToQColor(clHighlight)));
  EXPECT_EQ(s.Run("h")->Colour, FromQColor(ToQColor(clHighlightText)));
  EXPECT_EQ(s.Run("i")->Colour, clBlack);
  EXPECT_EQ(At(*s.Sheet, 1 + W, 3 * H), clWhite);
  EXPECT_EQ(At(*s.Sheet, 1, 4 * H), clRed);
  EXPECT_EQ(At(*s.Sheet, 1 + W, 4 * H), clWhite);
  // Other highlight colours for every later call.
  SetHtmlHighlightColors(clYellow, clRed);
  THtmlSheet hi;
  hi.Draw("<HI>h</HI>", TRect(0, 0, 100, 120));
  SetHtmlHighlightColors(clHighlight, clHighlightText);
  EXPECT_EQ(At(*hi.Sheet, 1, 0), clYellow);
  EXPECT_EQ(hi.Run("h")->Colour, clRed);
  // Body colour fills the whole area and is what a closing font tag returns to.
  THtmlSheet body;
  body.Draw("<BODY BGCOLOR=\"clAqua\">a<FONT BGCOLOR=\"clRed\">b</FONT>c", TRect(0, 0, 100, 50));
  EXPECT_EQ(At(*body.Sheet, 99 - 1, 49 - 1), clAqua);
  EXPECT_EQ(At(*body.Sheet, 1 + W, 0), clRed);
  EXPECT_EQ(At(*body.Sheet, 1 + 2 * W, 0), clAqua);
}

TEST(PsgHTMLEDraw, ShadowAndErrorUnderline) {
  THtmlSheet s;
  s.Draw("<SH>a<BR>b</SH>c<BR><E>ee</E>", TRect(0, 0, 100, 120));
  // The shadow copy shows one pixel right of and below each block.
  EXPECT_EQ(At(*s.Sheet, 1 + 6, 11), clGray);
  EXPECT_EQ(At(*s.Sheet, 1 + 6, H + 11), clGray);
  EXPECT_EQ(At(*s.Sheet, 1 + W + 6, H + 11), clWhite) << "c has no shadow";
  // A red zig-zag around the baseline of the error text.
  const int base = 3 * H;
  int red = 0;
  for (int x = 0; x < 20; ++x)
    for (int y = base - 2; y <= base + 2; ++y) red += At(*s.Sheet, x, y) == clRed;
  EXPECT_GE(red, 14);
  EXPECT_EQ(At(*s.Sheet, 30, base + 1), clWhite) << "the zig-zag ends with the text";
}

TEST(PsgHTMLEDraw, PaintingStopsBelowTheAreaMeasuringDoesNot) {
  THtmlSheet s;
  s.Draw("a<BR>b<BR>c<BR>d", TRect(0, 0, 100, 30));
  EXPECT_EQ(s.Out.ContentHeight, 2 * H);
  EXPECT_NE(s.Run("b"), nullptr);
  EXPECT_EQ(s.Run("c"), nullptr);
  THtmlSheet m;
  m.Draw("a<BR>b<BR>c<BR>d", TRect(0, 0, 100, 30), MeasuringOnly());
  EXPECT_EQ(m.Out.ContentHeight, 4 * H);
}

TEST(PsgHTMLEDraw, CanvasStateIsKept) {
  THtmlSheet s;
  TCanvas& c = s.Canvas();
  c.Pen().Color = clTeal;
  c.Pen().Width = 3;
  c.Brush().Color = clSilver;
  c.Font().SetName("Verdana");
  c.Font().SetSize(11);
  c.Font().SetStyle({fsItalic});
  TFont before;
  before.Assign(c.Font());
  s.Draw(
      "<B><U><FONT FACE=\"Arial\" SIZE=\"5\" COLOR=\"clRed\" BGCOLOR=\"clLime\"><HI><E><P BGCOLOR=\"clRed\">"
      "<R A=\"45\"><R A=\"30\">x<HR><A HREF=\"h\">y",
      TRect(0, 0, 100, 120));
  EXPECT_EQ(c.Pen().Color, clTeal);
  EXPECT_EQ(c.Pen().Width, 3);
  EXPECT_EQ(c.Brush().Color, clSilver);
  EXPECT_EQ(c.Brush().Style, bsSolid);
  EXPECT_TRUE(c.Font() == before);
}

TEST(PsgHTMLEDraw, LoneClosersHaveDefinedEffects) {
  THtmlSheet s;
  THtmlDrawParams p;
  p.HoverColor = clRed;
  p.HoverFontColor = clLime;
  s.Draw("</A></H></R></F></U></P>x</B>y", TRect(0, 0, 100, 120), p);
  EXPECT_EQ(s.Run("x")->Colour, clBlack);
  EXPECT_EQ(s.Run("x")->Orientation, 0);
  EXPECT_FALSE(s.Run("x")->Style.Contains(fsUnderline));
  EXPECT_EQ(At(*s.Sheet, 1, H), clWhite) << "no background from a stray closer";
  EXPECT_EQ(InkBounds(*s.Sheet), TRect(2, H + 2, 2 * W + 1 - 1, H + 11)) << "no focus frame, only x and y";
  // Nested rotations unwind one by one.
  THtmlSheet r;
  r.Draw("<R A=\"90\">a<R A=\"45\">b</R>c</R>d</R>e", TRect(0, 0, 100, 120));
  EXPECT_EQ(r.Run("a")->Orientation, 900);
  EXPECT_EQ(r.Run("b")->Orientation, 450);
  EXPECT_EQ(r.Run("c")->Orientation, 900);
  EXPECT_EQ(r.Run("d")->Orientation, 0);
  EXPECT_EQ(r.Run("e")->Orientation, 0);
}

TEST(PsgHTMLEDraw, ReadingOrderUnderARightToLeftLocale) {
  EXPECT_EQ(BiDiTextFlags(DT_LEFT, bdRightToLeft), DT_LEFT) << "left-to-right locale: unchanged";
  SetSysLocaleMiddleEast(true);
  EXPECT_EQ(BiDiTextFlags(DT_LEFT, bdRightToLeft), DT_RIGHT | DT_RTLREADING);
  EXPECT_EQ(BiDiTextFlags(DT_RIGHT, bdRightToLeft), DT_RTLREADING);
  EXPECT_EQ(BiDiTextFlags(DT_CENTER, bdRightToLeft), DT_CENTER | DT_RTLREADING);
  EXPECT_EQ(BiDiTextFlags(DT_LEFT, bdRightToLeftReadingOnly), DT_RTLREADING);
  EXPECT_EQ(BiDiTextFlags(DT_LEFT, bdLeftToRight), DT_LEFT);
  // Hit tests mirror: the first run lies at the right edge.
  THtmlSheet s;
  THtmlDrawParams p;
  p.HitTestOnly = true;
  p.BiDiMode = bdRightToLeft;
  p.HitX = 95;
  p.HitY = 5;
  const bool hit = s.Draw("<A HREF=\"r\">ab</A>cd", TRect(0, 0, 100, 100), p);
  SetSysLocaleMiddleEast(false);
  EXPECT_TRUE(hit);
  EXPECT_EQ(s.Out.HitAnchorHref, "r");
}

TEST(PsgHTMLEDraw, TheSecondPassPaintsEveryRunItsLineWasMeasuredWith) {
  // Measured over the whole width, painted in the rectangle the indent narrowed:
  // the second control no longer fits there, yet the line was measured with it
  // and "xy" after it (cut to its ellipsis when it does not wrap).
  const QString markup =
      "<P INDENT=\"50\"><CONTROL TYPE=\"EDIT\" WIDTH=\"130\" VALUE=\"a\">"
      "<CONTROL TYPE=\"EDIT\" WIDTH=\"130\" VALUE=\"b\">xy";
  for (bool wrap : {false, true}) {
    THtmlSheet s(400, 100);
    s.Draw(markup, TRect(0, 0, 300, 100), MeasuringOnly(wrap));
    const int oneLine = s.Out.ContentHeight;
    THtmlDrawParams p;
    p.WordWrap = wrap;
    s.Draw(markup, TRect(0, 0, 300, 100), p);
    EXPECT_EQ(s.Out.ContentHeight, oneLine);
    const int afterControls = 1 + 50 + 130 + 130;
    bool painted = false;
    for (const TDrawnRun& r : s.Measurer.Runs) painted = painted || (r.X == afterControls && !r.Text.isEmpty());
    EXPECT_TRUE(painted) << "wrap " << wrap;
    if (wrap) {
      EXPECT_NE(s.Run("xy"), nullptr);
    }
  }
}
