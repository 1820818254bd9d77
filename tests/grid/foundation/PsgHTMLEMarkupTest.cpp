#include "grid/foundation/PsgHTMLEEngine.h"

#include <gtest/gtest.h>

TEST(PsgHTMLEMarkup, ColourNames) {
  struct Case {
    const char* Name;
    TColor Color;
  };
  const Case cases[] = {
      {"clRed", clRed},
      {"CLRED", clRed},
      {"clblue", clBlue},
      {"clMaroon", clMaroon},
      {"clBlack", 0},
      {"red", 0},
      {"clHighLight", SystemColor(13)},
      {"clbackground", SystemColor(1)},
      {"clInfoBk", SystemColor(24)},
      {"cl3DDkShadow", SystemColor(21)},
      {"", 0},
      {"clredx", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorFromName(c.Name), c.Color) << c.Name;
}

TEST(PsgHTMLEMarkup, HexColoursAndBytes) {
  EXPECT_EQ(ColorFromHex("#FF0000"), clRed);
  EXPECT_EQ(ColorFromHex("#0000FF"), clBlue);
  EXPECT_EQ(ColorFromHex("#102030"), RGBColor(0x10, 0x20, 0x30));
  EXPECT_EQ(ColorFromHex("#FF"), clRed) << "missing digits read as 0";
  EXPECT_EQ(ColorFromHex("#"), 0);
  EXPECT_EQ(HexByteValue("7F"), 127);
  // Only ASCII hexadecimal digits count; anything else is worth 0, so a colour
  // stays inside the RGB range whatever a cell or a file holds.
  struct Case {
    QString Text;
    TColor Color;
  };
  const QString u0800(QChar(0x0800));
  const Case cases[] = {
      {"#ffffff", clWhite},
      {"#!!!!!!", 0},
      {"#G0GG0G", 0},
      {"#0000" + u0800 + u0800, 0},
      {"#" + u0800 + "F" + u0800 + "F" + u0800 + "F", RGBColor(0x0F, 0x0F, 0x0F)},
      {"#FF" + QString(QChar(0xFF26)) + QString(QChar(0xFF26)) + "00", clRed},  // full-width F
  };
  for (const Case& c : cases) EXPECT_EQ(ColorFromHex(c.Text), c.Color) << c.Text.toStdString();
  EXPECT_EQ(HexByteValue("G0"), 0);
  EXPECT_EQ(HexByteValue(u0800 + u0800), 0);
  EXPECT_EQ(HexByteValue("F"), 0);
  EXPECT_EQ(HexByteValue(""), 0);
}

TEST(PsgHTMLEMarkup, LeadingAndStrictNumbers) {
  struct Case {
    const char* Text;
    int Leading;
    bool Strict;
  };
  const Case cases[] = {
      {"40", 40, true},
      {"  40", 40, true},
      {"-7", -7, true},
      {"+7", 7, true},
      {"40px", 40, false},
      {"40 ", 40, false},
      {"", 0, false},
      {"px", 0, false},
      {"$1F", 31, true},
      {"x10", 16, true},
      {"X10", 16, true},
      {"0x10", 16, true},
      {"-$10", -16, true},
      {"0X1g", 1, false},
      {"99999999999999", 2147483647, true},
      {"-99999999999999", -2147483647 - 1, true},
      {"-", 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeadingIntValue(c.Text), c.Leading) << c.Text;
    int v = -123;
    EXPECT_EQ(StrictIntValue(c.Text, v), c.Strict) << c.Text;
    if (c.Strict) {
      EXPECT_EQ(v, c.Leading) << c.Text;
    }
  }
}

TEST(PsgHTMLEMarkup, TagsByTheirFirstCharacters) {
  struct Case {
    const char* Text;
    THtmlTag Tag;
    bool Closing;
  };
  const Case cases[] = {
      {"<b>", THtmlTag::Bold, false},
      {"<BR>", THtmlTag::Break, false},
      {"<BLAH>", THtmlTag::Blink, false},
      {"<BODY>", THtmlTag::Body, false},
      {"<BX>", THtmlTag::None, false},
      {"<a href>", THtmlTag::Anchor, false},
      {"<FONTX SIZE=\"2\">", THtmlTag::Font, false},
      {"<HI>", THtmlTag::Highlight, false},
      {"<hr>", THtmlTag::Rule, false},
      {"<HX>", THtmlTag::None, false},
      {"<i>", THtmlTag::Italic, false},
      {"<IND>", THtmlTag::Indent, false},
      {"<IMG>", THtmlTag::Image, false},
      {"<IX>", THtmlTag::None, false},
      {"<LI>", THtmlTag::ListItem, false},
      {"<P>", THtmlTag::Paragraph, false},
      {"<R A>", THtmlTag::Rotation, false},
      {"<S>", THtmlTag::Strike, false},
      {"<SH>", THtmlTag::Shadow, false},
      {"<sub>", THtmlTag::Sub, false},
      {"<SUP>", THtmlTag::Sup, false},
      {"<SUB >", THtmlTag::None, false},
      {"<SUBX>", THtmlTag::None, false},
      {"<U>", THtmlTag::Underline, false},
      {"<UL>", THtmlTag::List, false},
      {"<Z>", THtmlTag::Hidden, false},
      {"<CONTROL>", THtmlTag::Control, false},
      {"<E>", THtmlTag::Error, false},
      {"<#>", THtmlTag::None, false},
      {"</B>", THtmlTag::Bold, true},
      {"</BLINK>", THtmlTag::Blink, true},
      {"</BODY>", THtmlTag::Blink, true},
      {"</SUB>", THtmlTag::Sub, true},
      {"</SH>", THtmlTag::Shadow, true},
      {"</S>", THtmlTag::Strike, true},
      {"</UL>", THtmlTag::List, true},
      {"</U>", THtmlTag::List, true},
      {"</A>", THtmlTag::Anchor, true},
      {"</Z>", THtmlTag::Hidden, true},
      {"</B", THtmlTag::None, false},
      {"</", THtmlTag::None, false},
  };
  for (const Case& c : cases) {
    const THtmlTagKind k = RecogniseHtmlTag(QString(c.Text));
    EXPECT_EQ(k.Tag, c.Tag) << c.Text;
    EXPECT_EQ(k.Closing, c.Closing) << c.Text;
  }
}

TEST(PsgHTMLEMarkup, AttributesBySubstring) {
  QString v;
  EXPECT_TRUE(HtmlAttribute(" COLOR=\"#FF0000\"", u" COLOR", v));
  EXPECT_EQ(v, "#FF0000");
  EXPECT_TRUE(HtmlAttribute(" COLOR=CLRED", u" COLOR", v));
  EXPECT_EQ(v, "") << "a value without quotes reads as empty";
  EXPECT_TRUE(HtmlAttribute(" TITLE=\"see HREF\" HREF=\"x\"", u"HREF", v));
  EXPECT_EQ(v, " HREF=") << "the first occurrence wins, also inside another value";
  EXPECT_FALSE(HtmlAttribute(" SIZE=\"2\"", u"FACE", v));
  EXPECT_EQ(HtmlAttributeText(u"<FONT color=\"x\">rest", 5, true), " COLOR=\"X\"");
  EXPECT_EQ(HtmlAttributeText(u"<A href=\"Go\">", 2, false), " href=\"Go\"");
  EXPECT_EQ(HtmlAttributeText(u"<A", 2, false), "");
}
