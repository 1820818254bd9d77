// A sampler of rendered cells in real fonts, saved as a picture to look at
// (html_sampler.png in the build folder).
#include "support/PaintProbe.h"

#include "grid/foundation/PsgHTMLE.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

namespace {

struct TSamplerCell {
  const char* Markup;
  bool Wrap;
  int FocusAnchor;
  int HoverAnchor;
};

constexpr TSamplerCell kCells[] = {
    {"<B>bold</B> <I>italic</I> <U>underline</U> <S>strike</S> <b><i>both</i></b>", false, -1, -1},
    {"<FONT COLOR=\"#ff0000\">red</FONT> <FONT COLOR=\"clBlue\" SIZE=\"4\">blue 14pt</FONT> "
     "<FONT BGCOLOR=\"clYellow\">on yellow</FONT>",
     false, -1, -1},
    {"Find <HI>this</HI> word, <FONT FACE=\"Courier New\">courier</FONT>", false, -1, -1},
    {"<P ALIGN=\"CENTER\" BGCOLOR=\"#FFE0C0\">centred band<BR>second line</P>", false, -1, -1},
    {"<P ALIGN=\"RIGHT\">right aligned<BR>also right</P>", false, -1, -1},
    {"<UL><LI>first item</LI><UL><LI>nested item</LI></UL></UL>", false, -1, -1},
    {"above the rule<HR>below the rule", false, -1, -1},
    {"H<SUB>2</SUB>O and E = mc<SUP>2</SUP>", false, -1, -1},
    {"<R A=\"-15\">turned by -15</R> then level", false, -1, -1},
    {"<SH><B>shadowed text</B></SH> plain", false, -1, -1},
    {"a <E>mispeled</E> word", false, -1, -1},
    {"<A HREF=\"a\">focused link</A> and <A HREF=\"b\">hovered link</A>", false, 0, 2},
    {"one two three four five six seven eight nine ten eleven", true, -1, -1},
    {"one two three four five six seven eight nine ten eleven", false, -1, -1},
    {"&copy; &reg; &euro; &permil; a&amp;b &lt;tag&gt; &Eacute;", false, -1, -1},
    {"<BODY BGCOLOR=\"clInfoBk\">body colour, <IN x=\"150\">indented to 150", false, -1, -1},
};

constexpr int kCellWidth = 290, kCellHeight = 56, kGap = 6;

}  // namespace

TEST(PsgHTMLESampler, RendersEveryKindOfCell) {
  constexpr int columns = 2, rows = int(std::size(kCells)) / columns;
  TBitmap sheet(columns * (kCellWidth + kGap) + kGap, rows * (kCellHeight + kGap) + kGap);
  TCanvas& c = sheet.Canvas();
  c.SetTextMeasurer(&TTextMeasurer::FontMetrics());
  c.Brush().Color = clWhite;
  c.FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  c.Font().SetName("Tahoma");
  c.Font().SetSize(9);
  c.Font().SetColor(clBlack);
  for (int i = 0; i < int(std::size(kCells)); ++i) {
    const TSamplerCell& cell = kCells[i];
    const int x = kGap + (i % columns) * (kCellWidth + kGap), y = kGap + (i / columns) * (kCellHeight + kGap);
    const TRect r(x, y, x + kCellWidth, y + kCellHeight);
    c.Brush().Color = clSilver;
    c.FrameRect(TRect(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1));
    c.Brush().Color = clWhite;
    THtmlDrawParams p;
    p.WordWrap = cell.Wrap;
    p.FocusAnchor = cell.FocusAnchor;
    p.HoverAnchor = cell.HoverAnchor;
    p.UnderlineOnHover = cell.HoverAnchor > 0;
    p.HoverColor = cell.HoverAnchor > 0 ? TColor(0xFFF0E0) : clNone;
    p.HoverFontColor = cell.HoverAnchor > 0 ? clRed : clNone;
    p.ShadowOffset = 2;
    THtmlDrawResults out;
    c.Save();
    c.IntersectClipRect(r);
    DrawHtmlText(c, cell.Markup, r, p, out);
    c.Restore();
    TBitmap probe(kCellWidth, kCellHeight);
    probe.Canvas().CopyRect(TRect(0, 0, kCellWidth, kCellHeight), c, r);
    EXPECT_FALSE(paintprobe::InkBounds(probe).IsEmpty()) << cell.Markup;
  }
  sheet.EndCanvas();
  const QString path = QStringLiteral(QUILLORE_TOOLS_DIR) + "/html_sampler.png";
  EXPECT_TRUE(sheet.Image().save(path));
}
