#include "grid/foundation/PsgHTMLE.h"

#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

TEST(PsgHTMLEText, EntityTableInOrder) {
  EXPECT_EQ(EntityTable[0].Char, u'é');
  EXPECT_STREQ(EntityTable[0].Name, "&eacute;");
  EXPECT_EQ(EntityTable[48].Char, u'\u20AC');
  EXPECT_STREQ(EntityTable[48].Name, "&euro;");
  EXPECT_STREQ(EntityTable[54].Name, "&Otilde;");
  // Every pair converts both ways.
  for (const THtmlEntity& e : EntityTable) {
    const QString c(QChar(e.Char));
    EXPECT_EQ(HtmlEncode(c, true), QLatin1String(e.Name));
    EXPECT_EQ(HtmlDecode(QLatin1String(e.Name), true), c);
  }
}

TEST(PsgHTMLEText, StrippingTags) {
  EXPECT_EQ(StripHtmlTags("a<b>b</b>c"), "abc");
  EXPECT_EQ(StripHtmlTags("x<br>y"), "x" + CRLF + "y");
  EXPECT_EQ(StripHtmlTags("x<HR>y<Br>z"), "x" + CRLF + "y" + CRLF + "z");
  EXPECT_EQ(StripHtmlTags("a<b"), "a<b");
  EXPECT_EQ(StripHtmlTags("a>b<i>c"), "a>bc");
  EXPECT_EQ(HtmlPlainText("a>b<i>c"), "a>b<i>c") << "highlighting's walk stops at a stray '>'";
  EXPECT_EQ(HtmlPlainText("<b>Name</b>"), "Name");
  EXPECT_EQ(StripHtmlTags(""), "");
}

TEST(PsgHTMLEText, EncodingAndDecoding) {
  EXPECT_EQ(HtmlEncode("a&b", false), "a&amp;b");
  EXPECT_EQ(HtmlEncode("<é>", true), "&lt;&eacute;&gt;");
  EXPECT_EQ(HtmlEncode("<é>", false), "&lt;é&gt;");
  EXPECT_EQ(HtmlEncode("&amp;", false), "&amp;amp;");
  EXPECT_EQ(HtmlEncode("\"", false), "&quot;");
  EXPECT_EQ(HtmlDecode("&Eacute;t&eacute;", true), "Été");
  EXPECT_EQ(HtmlDecode("&LT;", true), "&LT;");
  EXPECT_EQ(HtmlDecode("&otilde;", true), "õ");
  EXPECT_EQ(HtmlDecode("&otilde;", false), "&otilde;");
  EXPECT_EQ(HtmlDecode("&amp;quot;", false), "\"");
  EXPECT_EQ(SpacesToNbsp("a b"), "a&nbsp;b");
  EXPECT_EQ(SpacesToNbsp("  "), "&nbsp;&nbsp;");
}

TEST(PsgHTMLEText, Highlighting) {
  struct Case {
    const char* Markup;
    const char* Search;
    bool CaseSensitive;
    const char* Result;
  };
  const Case cases[] = {
      {"ab ab", "ab", true, "<HI>ab</HI> <HI>ab</HI>"},
      // The character after a match is skipped, so an occurrence starting there stays plain.
      {"abab", "ab", true, "<HI>ab</HI>ab"},
      {"<b>Name</b>", "am", true, "<b>N<HI>am</HI>e</b>"},
      {"a < b", "b", true, "a &lt; <HI>b</HI>"},
      {"Abc", "a", false, "<HI>A</HI>bc"},
      {"Abc", "a", true, "Abc"},
      {"x", "", true, "x"},
      {"", "a", true, ""},
      // The opening tag goes before the tags in front of the first character.
      {"<b>ab</b>", "ab", true, "<HI><b>ab</HI></b>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HighlightHtmlText(c.Markup, c.Search, "HI", c.CaseSensitive), c.Result) << c.Markup;
  EXPECT_EQ(UnhighlightHtmlText("<hi>x</HI> &lt;", "hi"), "x <");
  EXPECT_EQ(UnhighlightHtmlText("<HI<HI>>x", "HI"), "x") << "a removal that forms a new tag removes that too";
}

namespace {

// Highlighting as a match-by-match insertion into the text, each tag placed
// by PlainToHtmlPosition: what the one-walk highlighting must agree with.
QString HighlightOneByOne(const QString& Markup, const QString& Search, const QString& Tag, bool CaseSensitive) {
  QString plain = HtmlPlainText(Markup), result = Markup, search = Search;
  auto escaped = [](QString t) { return t.replace("<", "&lt;").replace(">", "&gt;"); };
  if (Markup.contains(Search) && (plain.contains('<') || plain.contains('>'))) {
    plain = escaped(plain);
    result = plain;
    search = escaped(search);
  }
  for (int offset = 0;;) {
    const int m = FindTextFrom(search, plain, offset, CaseSensitive);
    if (m < 1) break;
    result.insert(PlainToHtmlPosition(result, m) - 1, "<" + Tag + ">");
    result.insert(PlainToHtmlPosition(result, m + int(search.size())) - 1, "</" + Tag + ">");
    offset = m + int(search.size());
  }
  return result;
}

}  // namespace

TEST(PsgHTMLEText, HighlightingAgreesWithMatchByMatchInsertion) {
  const char* pieces[] = {"<b>", "</b>", "a", "ab", "A", "B", " ", "<", ">", "x<y", "&lt;", "\u00e9", "\u00df", "<i", "\u00c9"};
  const char* searches[] = {"a", "ab", "B", "ba", "<", "x<y", "\u00e9", "\u00c9a", "aa"};
  unsigned seed = 12345;
  auto pick = [&](unsigned n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int i = 0; i < 2000; ++i) {
    QString markup;
    for (unsigned k = pick(12); k > 0; --k) markup += QString::fromUtf8(pieces[pick(std::size(pieces))]);
    const QString search = QString::fromUtf8(searches[pick(std::size(searches))]);
    const bool caseSensitive = pick(2) == 0;
    ASSERT_EQ(HighlightHtmlText(markup, search, "HI", caseSensitive),
              HighlightOneByOne(markup, search, "HI", caseSensitive))
        << markup.toStdString() << " / " << search.toStdString() << " / " << caseSensitive;
  }
}

TEST(PsgHTMLEText, PositionsAreClamped) {
  EXPECT_EQ(PlainToHtmlPosition("<b>ab</b>", 1), 1);
  EXPECT_EQ(PlainToHtmlPosition("<b>ab</b>", 2), 5);
  EXPECT_EQ(PlainToHtmlPosition("<b>ab</b>", 3), 6) << "after the last plain character, before the closing tag";
  EXPECT_EQ(PlainToHtmlPosition("<b>ab</b>", 4), 10) << "past the plain text: after the end";
  EXPECT_EQ(PlainToHtmlPosition("<b>ab</b>", 99), 10);
  EXPECT_EQ(PlainToHtmlPosition("", 0), 1);
  EXPECT_EQ(PlainToHtmlPosition("a<b", 3), 4);
}

TEST(PsgHTMLEText, Searching) {
  int pos = 77;
  EXPECT_EQ(FindTextFrom("b", "abab", 0, true, pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(FindTextFrom("b", "abab", 2, true), 4);
  EXPECT_EQ(FindTextFrom("B", "abab", 0, true), 0);
  EXPECT_EQ(FindTextFrom("B", "abab", 0, false), 2);
  EXPECT_EQ(FindTextFrom("É", "été", 0, false), 1) << "the locale's upper-casing";
  EXPECT_EQ(FindTextFrom("b", "ab", 9, true), 0);
  EXPECT_EQ(FindTextFrom("b", "ab", -3, true), 2);
  EXPECT_EQ(FindTextFrom("", "ab", 0, true, pos), 0) << "an empty search finds nothing";
  EXPECT_EQ(pos, 0);
  EXPECT_EQ(PosIgnoreCase("Br", "x<bR>"), 3);
  EXPECT_EQ(PosIgnoreCase("é", "É"), 0) << "ASCII folding only";
  EXPECT_EQ(PosIgnoreCase("", "abc"), 0);
  QString text = "a<BR>b<br>";
  EXPECT_TRUE(ReplaceFirstIgnoreCase("<br>", "|", text));
  EXPECT_EQ(text, "a|b<br>");
  EXPECT_FALSE(ReplaceFirstIgnoreCase("", "|", text));
  EXPECT_FALSE(ReplaceFirstIgnoreCase("zz", "|", text));
  EXPECT_EQ(text, "a|b<br>");
  EXPECT_EQ(PosAndStore("b", "abc", pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(PosInUpper("BC", "abc", pos), 2);
  EXPECT_EQ(PosInUpper("bc", "abc", pos), 0);
}
