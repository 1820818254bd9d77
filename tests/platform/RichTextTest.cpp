#include "platform/RichText.h"

#include <gtest/gtest.h>

namespace {

TRichRun Piece(const QString& Text, TRichFormat Format = {}) { return TRichRun{Text, Format}; }

TRichFormat Bold() {
  TRichFormat f;
  f.Bold = true;
  return f;
}

TRichFormat Underlined() {
  TRichFormat f;
  f.Underline = true;
  return f;
}

bool SevenBit(const QByteArray& Stream) {
  return std::all_of(Stream.begin(), Stream.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What programs of other makers write, cut down to what each case is about.
TEST(RichText, ReaderTakesForeignStreams) {
  TRichFormat red;
  red.Color = RGBColor(255, 0, 0);
  TRichFormat arial12;
  arial12.FontName = "Arial";
  arial12.SizeHalfPoints = 24;
  TRichFormat up;
  up.OffsetTwips = 60;
  TRichFormat down;
  down.OffsetTwips = -40;
  TRichFormat boldItalicUnderline = Bold();
  boldItalicUnderline.Italic = boldItalicUnderline.Underline = true;
  struct Case {
    const char* Name;
    QByteArray Stream;
    std::vector<TRichParagraph> Paragraphs;
  };
  const Case cases[] = {
      {"plain words", "{\\rtf1 Hello}", {{Piece("Hello")}}},
      {"trailing paragraph mark", "{\\rtf1\\ansi Hello\\par\r\n}", {{Piece("Hello")}}},
      {"two paragraphs and an empty one", "{\\rtf1 a\\par\\par b}", {{Piece("a")}, {}, {Piece("b")}}},
      {"group scopes bold", "{\\rtf1 x{\\b y}z}", {{Piece("x"), Piece("y", Bold()), Piece("z")}}},
      {"b0 ends bold", "{\\rtf1\\b a\\b0 b}", {{Piece("a", Bold()), Piece("b")}}},
      {"plain resets", "{\\rtf1\\b\\i\\ul a\\plain b}", {{Piece("a", boldItalicUnderline), Piece("b")}}},
      {"ulnone ends underline", "{\\rtf1\\ul a\\ulnone b}", {{Piece("a", Underlined()), Piece("b")}}},
      {"colour table, cf0 is automatic",
       "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}\\cf1 r\\cf0 a}",
       {{Piece("r", red), Piece("a")}}},
      {"font table and size",
       "{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Times;}}\\fs24 t}",
       {{Piece("t", arial12)}}},
      {"offsets in half points", "{\\rtf1\\up6 a\\dn4 b\\up0 c}", {{Piece("a", up), Piece("b", down), Piece("c")}}},
      {"code page 1252 hex", "{\\rtf1\\ansi caf\\'e9 \\'80\\'96}", {{Piece(QString::fromUtf8("café €–"))}}},
      {"unicode with one fallback", "{\\rtf1 \\u8364?x}", {{Piece(QString::fromUtf8("€x"))}}},
      {"unicode with two fallbacks", "{\\rtf1\\uc2 \\u937\\'4f\\'4dz}", {{Piece(QString::fromUtf8("Ωz"))}}},
      {"no fallback", "{\\rtf1\\uc0 \\u20013 y}", {{Piece(QString::fromUtf8("中y"))}}},
      {"negative unicode, surrogates", "{\\rtf1 \\u-10179?\\u-8704?}", {{Piece(QString::fromUtf8("😀"))}}},
      {"fallback scope ends with the group", "{\\rtf1{\\uc3 \\u937?}ab}", {{Piece(QString::fromUtf8("Ωab"))}}},
      {"starred groups skipped", "{\\rtf1{\\*\\generator Pad;}{\\*\\unknown {x}y}ok}", {{Piece("ok")}}},
      {"unknown words skipped", "{\\rtf1\\viewkind4\\nouicompat\\sl276\\slmult1 w}", {{Piece("w")}}},
      {"info and stylesheet skipped", "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}v}", {{Piece("v")}}},
      {"escaped braces and backslash", "{\\rtf1 \\{a\\}\\\\}", {{Piece("{a}\\")}}},
      {"tab and typographic words", "{\\rtf1 a\\tab b\\emdash\\ldblquote}", {{Piece(QString::fromUtf8("a\tb—“"))}}},
      {"binary data skipped", "{\\rtf1{\\pict\\bin3 {}\\}x}", {{Piece("x")}}},
      {"line breaks in the stream ignored", "{\\rtf1 a\r\nb}", {{Piece("ab")}}},
      {"cut short", "{\\rtf1 abc{\\b de", {{Piece("abc"), Piece("de", Bold())}}},
      {"unbalanced closing braces", "}}{\\rtf1 q}}}", {{Piece("q")}}},
  };
  for (const Case& c : cases) {
    TRichDocument expected;
    expected.Paragraphs = c.Paragraphs;
    EXPECT_EQ(ReadRichText(c.Stream), expected) << c.Name;
  }
}

TEST(RichText, WriterIsSevenBitAndReadsBackExactly) {
  TRichFormat boldRed = Bold();
  boldRed.Color = RGBColor(200, 10, 30);
  TRichFormat superscript;
  superscript.OffsetTwips = RichSuperscriptOffset;
  TRichFormat subscriptFont;
  subscriptFont.OffsetTwips = RichSubscriptOffset;
  subscriptFont.FontName = QString::fromUtf8("Noto Sans Ω");
  subscriptFont.SizeHalfPoints = 17;
  subscriptFont.Italic = subscriptFont.Underline = true;
  TRichDocument doc;
  doc.Paragraphs = {{Piece(QString::fromUtf8("é € "), boldRed), Piece(QString::fromUtf8("Ω 中"), superscript),
                     Piece(QString::fromUtf8(" 😀"))},
                    {},
                    {Piece("{\\}\t;", subscriptFont), Piece(QString(QChar(0x7F)) + QChar(1))},
                    {}};
  const QByteArray stream = WriteRichText(doc);
  EXPECT_TRUE(SevenBit(stream)) << stream.constData();
  EXPECT_TRUE(IsRichTextStream(stream));
  EXPECT_TRUE(stream.contains("\\up4")) << stream.constData();
  EXPECT_TRUE(stream.contains("\\dn4")) << stream.constData();
  EXPECT_EQ(ReadRichText(stream), doc);
  EXPECT_EQ(doc.PlainText("\r\n"), QString::fromUtf8("é € Ω 中 😀\r\n\r\n{\\}\t;") + QChar(0x7F) + QChar(1) + "\r\n");
}

}  // namespace
