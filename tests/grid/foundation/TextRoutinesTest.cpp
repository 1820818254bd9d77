#include "grid/foundation/TextRoutines.h"

#include <gtest/gtest.h>

namespace {

const QString CR = QString(QChar(13)), LF = QString(QChar(10)), CRLF = CR + LF;

QString Chars(std::initializer_list<int> codes) {
  QString s;
  for (int c : codes) s += QChar(char16_t(c));
  return s;
}

}  // namespace

TEST(TextRoutines, SearchingReturnsOneBasedPositionsOrZero) {
  int pos = 77;
  EXPECT_EQ(FindCharPos('x', "", pos), 0);
  EXPECT_EQ(pos, 77) << "not found leaves the position alone";
  EXPECT_EQ(FindCharPos('b', "abcb", pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(CharPos('x', ""), 0);
  EXPECT_EQ(CharPos('c', "abc"), 3);
  EXPECT_EQ(FindTextPos("zz", "abc", pos), 0);
  EXPECT_EQ(pos, 0) << "FindTextPos always stores";
  EXPECT_EQ(FindTextPos("bc", "abc", pos), 2);
  EXPECT_EQ(UpperCasePos("BC", "abc"), 2);
  EXPECT_EQ(UpperCasePos("bc", "abc"), 0) << "the sub-text is given in upper case";
  EXPECT_EQ(WidePos(QString(QChar(0x263A)), "ab" + QString(QChar(0x263A))), 3);
  EXPECT_EQ(CountChar('a', "banana"), 3);
}

TEST(TextRoutines, CuttingAndLines) {
  QString text = "abc", head = "old";
  CutTextTo(text, ";", head);
  EXPECT_EQ(head, "");
  EXPECT_EQ(text, "abc");
  text = ";rest";
  CutTextTo(text, ";", head);
  EXPECT_EQ(head, "");
  EXPECT_EQ(text, "rest");
  text = "key=value=x";
  CutTextTo(text, "=", head);
  EXPECT_EQ(head, "key");
  EXPECT_EQ(text, "value=x");

  struct Case {
    QString Text;
    bool Keep;
    QString Line, Rest;
  };
  const Case cuts[] = {
      {"one" + CRLF + "two" + CR + "three", true, "one", "two" + CR + "three"},
      {"one" + CRLF + "two", false, "one", ""},
      {"single", true, "single", ""},
      {CR + "x", true, "", "x"},
  };
  for (const Case& c : cuts) {
    QString t = c.Text, line;
    CutFirstLine(t, c.Keep, line);
    EXPECT_EQ(line, c.Line) << c.Text.toStdString();
    EXPECT_EQ(t, c.Rest) << c.Text.toStdString();
  }
  EXPECT_EQ(CountLines("a" + CRLF + "b" + CRLF + "c", true), 3);
  EXPECT_EQ(CountLines("a" + CRLF + "b" + CRLF + "c", false), 1);
  TStringList list;
  list.Add("ab");
  list.Add("");
  list.Add("c");
  EXPECT_EQ(ConcatStrings(list), "abc");
}

TEST(TextRoutines, LineBreakEncodings) {
  struct Case {
    const char* Name;
    QString (*Fn)(const QString&);
    QString In, Out;
  };
  auto quote = [](const QString& s) {
    QString t = s;
    QuoteMultilineText(t);
    return t;
  };
  auto crlfToLf = [](const QString& s) {
    QString t = s;
    CrLfToLf(t);
    return t;
  };
  auto vtToCrLf = [](const QString& s) {
    QString t = s;
    VtToCrLf(t);
    return t;
  };
  auto crToTilde = [](const QString& s) {
    QString t = s;
    CrToTilde(t);
    return t;
  };
  auto tildeToCrLf = [](const QString& s) {
    QString t = s;
    TildeToCrLf(t);
    return t;
  };
  const Case cases[] = {
      {"quote", quote, "a" + CRLF + "b", "\"a" + Chars({11}) + "b\""},
      {"quote keeps inner quotes", quote, "say \"hi\"", "\"say \"hi\"\""},
      {"crlf", crlfToLf, "a" + CRLF + "b" + CR + "c", "a" + LF + "b" + CR + "c"},
      {"vt", vtToCrLf, "a" + Chars({11}) + "b", "a" + CRLF + "b"},
      {"vt none", vtToCrLf, "plain", "plain"},
      {"tilde", crToTilde, "a" + CRLF + "b" + LF + "c", "a~bc"},
      {"untilde", tildeToCrLf, "a~b", "a" + CRLF + "b"},
      {"caret", tildeToCrLf, "^", ""},
      {"two carets", tildeToCrLf, "^^", "^^"},
      {"escape", CrToEscapedN, "a" + CRLF + "b", "a\\nb"},
      {"unescape", EscapedNToCr, "a\\nb\\n", "a" + CR + "b" + CR},
      {"html break", CrToHtmlBreak, "a" + CRLF + "b", "a<br>" + LF + "b"},
      {"strip cr", StripCr, "a" + CRLF, "a" + LF},
      {"cr to lf", CrToLf, "a" + CRLF, "a" + LF + LF},
      {"double quotes", DoubleQuoteChars, "a\"b", "a\"\"b"},
      {"encode", EncodeLineBreaks, "a" + CRLF + "b" + Chars({0}), "a" + Chars({9, 8}) + "b" + Chars({1})},
      {"encode without cr", EncodeLineBreaks, "a" + LF + Chars({0}), "a" + LF + Chars({0})},
  };
  for (const Case& c : cases) EXPECT_EQ(c.Fn(c.In), c.Out) << c.Name;

  const QString encoded = EncodeLineBreaks("one" + CRLF + "two");
  EXPECT_EQ(DecodeLineBreaks(encoded, true), "one" + CRLF + "two");
  EXPECT_EQ(DecodeLineBreaks(encoded, false), "one");
  EXPECT_EQ(DecodeLineBreaks("a" + Chars({9}) + "b", true), "a" + Chars({9}) + "b")
      << "tabs without line breaks survive";
}

TEST(TextRoutines, QuotesAndDoubledCharacters) {
  struct Case {
    QString Text;
    int Expected;
  };
  const Case cases[] = {{"ab\"c", 3}, {"a\"\"b", 0}, {"ab\"\"", 4}, {"\"", 1}, {"", 0}, {"abc", 0}, {"a\"\"\"b", 4}};
  for (const Case& c : cases) {
    int pos = -5;
    EXPECT_EQ(FindClosingQuote('"', c.Text, pos), c.Expected) << c.Text.toStdString();
    EXPECT_EQ(pos, c.Expected);
  }
  EXPECT_EQ(CountClosingQuotes('"', "a\"b\"c"), 2);
  EXPECT_EQ(CountClosingQuotes('"', "abc"), 0);
  EXPECT_EQ(CollapseDoubledChar('"', "a\"\"b"), "a\"b");
  EXPECT_EQ(CollapseDoubledChar('"', "\"\"\""), "\"\"");
  EXPECT_EQ(CollapseDoubledChar('"', "plain"), "plain");
  QString t = "secret";
  FillTextChars(t, '*');
  EXPECT_EQ(t, "******");
}

TEST(TextRoutines, CellTextKinds) {
  struct Case {
    QString Text;
    bool Detect;
    int Kind;
  };
  const Case cases[] = {
      {"", true, 0},
      {"=", false, 3},
      {"=A1+1", true, 3},
      {"{\\rtf1 x}", true, 2},
      {WideTextPrefix + Chars({0, 'a'}), true, 5},
      {WideTextPrefix + Chars({0, '=', 0, 'x'}), true, 3},
      {"a</b>", true, 1},
      {"a</b>", false, 0},
      {"<b>bold", true, 0},
      {"<B>bold", true, 1},
      {"<I>x", true, 1},
      {"<C>x", true, 1},
      {"plain", true, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CellTextKind(c.Text, c.Detect), c.Kind) << c.Text.toStdString();
}

TEST(TextRoutines, CellReferences) {
  struct Case {
    QString Text;
    bool Ok;
    TPoint Cell;
  };
  const Case cases[] = {
      {"r12c3", true, {3, 12}}, {"R1C10", true, {10, 1}}, {"R1C", false, {}},
      {"RC12", false, {}},      {"x1c2", false, {}},      {"R12", false, {}},
      {"R1C2x", false, {}},     {"R$1C2", false, {}},     {"R99999999999C1", false, {}},
  };
  for (const Case& c : cases) {
    TPoint p(-7, -7);
    EXPECT_EQ(ParseCellReference(c.Text, p), c.Ok) << c.Text.toStdString();
    EXPECT_EQ(p, c.Ok ? c.Cell : TPoint(-7, -7)) << c.Text.toStdString();
  }
}

TEST(TextRoutines, UrlsAndAnchors) {
  EXPECT_TRUE(IsUrlText("see http://x"));
  EXPECT_TRUE(IsUrlText("mailto:a@b"));
  EXPECT_FALSE(IsUrlText("MAILTO:a@b"));
  QString t = "http://host/path";
  StripUrlPrefix(t);
  EXPECT_EQ(t, "host/path");
  t = "mailto:a@b";
  StripUrlPrefix(t);
  EXPECT_EQ(t, "a@b");
  t = "plain";
  StripUrlPrefix(t);
  EXPECT_EQ(t, "plain");

  QString dest = "untouched";
  EXPECT_FALSE(MakeUrlAnchor("no link here", "HTTP://", dest));
  EXPECT_EQ(dest, "untouched");
  ASSERT_TRUE(MakeUrlAnchor("x http://a.b/c z", "HTTP://", dest));
  EXPECT_EQ(dest, "x <a href=\"http://a.b/c\">http://a.b/c</a> z");
  ASSERT_TRUE(MakeUrlAnchor("go www.x.org?q=1", "WWW.", dest));
  EXPECT_EQ(dest, "go <a href=\"www.x.org\">www.x.org</a>?q=1");
  ASSERT_TRUE(MakeUrlAnchor("<b>http://a</b>", "HTTP://", dest));
  EXPECT_EQ(dest, "&lt;b&gt;<a href=\"http://a\">http://a</a>&lt;/b&gt;");
}

TEST(TextRoutines, ProperCase) {
  struct Case {
    QString In, Out;
  };
  const Case cases[] = {
      {"o'neil-smith", "O'Neil-Smith"},
      {"mcdonald", "McDonald"},
      {"ronald mcdonald", "Ronald McDonald"},
      {"henry ii", "Henry II"},
      {"louis iii", "Louis III"},
      {"JOHN SMITH", "John Smith"},
      {"", ""},
      {"élan vital", "Élan Vital"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToProperCase(c.In), c.Out) << c.In.toStdString();
  EXPECT_TRUE(IsWordBreakChar('.'));
  EXPECT_FALSE(IsWordBreakChar('_'));
}

TEST(TextRoutines, WideTextEncoding) {
  EXPECT_EQ(EncodeWideText("AB"), WideTextPrefix + Chars({0, 65, 0, 66}));
  const QString wide = "a" + QString(QChar(0x263A)) + QString(QChar(0xFFFF)) + QString(QChar(0x0100));
  EXPECT_EQ(DecodeWideText(EncodeWideText(wide)), wide);
  EXPECT_EQ(DecodeWideText("plain"), "plain");
  EXPECT_EQ(DecodeWideText(WideTextPrefix + Chars({0, 65, 7})), "A") << "an unpaired last character is ignored";
  EXPECT_EQ(DecodeWideText(WideTextPrefix), "");
}

TEST(TextRoutines, ColoursAndCodePages) {
  EXPECT_EQ(ColorToHexText(0x00332211), "112233");
  EXPECT_EQ(ColorToHexText(clBtnFace), "0F0000") << "system colours are not translated";
  const QString text = QString::fromUtf8("Grüße, Ørsted ±");
  QString oem = text;
  TextToOem(oem);
  EXPECT_NE(oem, text);
  EXPECT_EQ(oem[2], QChar(0x81)) << "ü is byte 0x81 in the OEM page";
  OemToText(oem);
  EXPECT_EQ(oem, text);
}

TEST(TextRoutines, ClipboardHtmlOffsets) {
  QString empty;
  WrapClipboardHtml(empty);
  EXPECT_TRUE(empty.contains("StartFragment:00000274"));
  EXPECT_TRUE(empty.contains("EndFragment:00000274"));
  EXPECT_TRUE(empty.contains("EndHTML:00000306"));
  QString html = "<b>x</b>";
  WrapClipboardHtml(html);
  EXPECT_EQ(html.indexOf("<!DOCTYPE"), 97);
  EXPECT_EQ(html.indexOf("<b>x</b>"), 274);
  EXPECT_EQ(html.indexOf("<!--EndFragment"), 274 + 8);
  EXPECT_EQ(html.size(), 306 + 8);
  EXPECT_TRUE(html.startsWith("Version:1.0\r\nStartHTML:00000097\r\nEndHTML:00000314\r\n"));
}
