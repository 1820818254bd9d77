#include "platform/SysUtils.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <climits>
#include <limits>

TEST(SysUtils, CommonIntegerConversion) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"0", 0},
      {"123", 123},
      {"  42", 42},
      {"-7", -7},
      {"+7", 7},
      {"$1F", 31},
      {"$ff", 255},
      {"x10", 16},
      {"X10", 16},
      {"0x1a", 26},
      {"0X1A", 26},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"$FFFFFFFF", -1},
      {"", -99},
      {" ", -99},
      {"12 ", -99},
      {"1a", -99},
      {"2147483648", -99},
      {"99999999999999999999", -99},
      {"$", -99},
      {"0x", -99},
      {"-", -99},
      {"1.5", -99},
      {"$1FFFFFFFF", -99},
      {"\t5", -99},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToIntDef(QString::fromUtf8(c.text), -99), c.expected) << c.text;
}

TEST(SysUtils, DecimalOnlyConversion) {
  struct Case {
    const char* text;
    int expected;
  } cases[] = {
      {"0", 0},
      {"  42", 42},
      {"-7", -7},
      {"+7", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"$1F", -99},
      {"x10", -99},
      {"0x1a", -99},
      {"010", 10},
      {"", -99},
      {"12 ", -99},
      {"2147483648", -99},
      {"-", -99},
      {"\t5", -99},
  };
  for (const Case& c : cases) {
    int v = -99;
    if (!TryStrToIntDecimal(QString::fromUtf8(c.text), v)) v = -99;
    EXPECT_EQ(v, c.expected) << c.text;
  }
}

TEST(SysUtils, StrictConversionRaisesWithTheLibraryText) {
  EXPECT_EQ(StrToInt("15"), 15);
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(SysUtils, LenientPrefixConversion) {
  int code = -1;
  EXPECT_EQ(ValInt("123", code), 123);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(ValInt("12ab", code), 12);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(ValInt("", code), 0);
  EXPECT_EQ(code, 1);
}

TEST(SysUtils, FloatUsesTheProcessDecimalSeparator) {
  TFormatSettings saved = FormatSettings();
  FormatSettings().DecimalSeparator = ',';
  double v = 0;
  EXPECT_TRUE(TryStrToFloat("1,5", v));
  EXPECT_DOUBLE_EQ(v, 1.5);
  EXPECT_FALSE(TryStrToFloat("1.5", v));
  EXPECT_EQ(FloatToStr(2.25), "2,25");
  FormatSettings().DecimalSeparator = '.';
  EXPECT_TRUE(TryStrToFloat("1.5", v));
  EXPECT_FALSE(TryStrToFloat("1,5", v));
  EXPECT_FALSE(TryStrToFloat("", v));
  EXPECT_FALSE(TryStrToFloat("abc", v));
  FormatSettings() = saved;
}

TEST(SysUtils, FormatNeverCrashesOnMismatchedPlaceholders) {
  struct Case {
    QString format;
    std::initializer_list<QVariant> args;
    QString expected;
  };
  const Case cases[] = {
      {"Row %d: %s", {3, "bad"}, "Row 3: bad"},
      {"Row %d", {}, "Row %d"},  // missing argument: the placeholder stays
      {"%d %d %d", {1}, "1 %d %d"},
      {"%d", {"abc"}, "%d"},  // text for a number: stays
      {"%s", {12}, "12"},
      {"100%%", {}, "100%"},
      {"%", {}, "%"},
      {"trailing %5", {1}, "trailing %5"},
      {"%x", {255}, "FF"},
      {"%.3d", {7}, "007"},
      {"%n%n%n%n%s%s%s", {}, "%n%n%n%n%s%s%s"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format.toStdString();
}

TEST(SysUtils, OneBasedStringHelpersAndAsciiCase) {
  EXPECT_EQ(Pos("b", "abc"), 2);
  EXPECT_EQ(Pos("z", "abc"), 0);
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abc", 5, 3), "");
  EXPECT_EQ(Copy("abc", 0, 2), "ab");
  EXPECT_EQ(UpperCase("aé z"), "Aé Z");  // only ASCII letters fold
  EXPECT_TRUE(SameText("Hello", "hELLO"));
  EXPECT_EQ(Trim(" \t x \r\n"), "x");
}

TEST(SysUtils, LocaleCaseMapsUnitForUnit) {
  struct Case {
    const char16_t* text;
    const char16_t* upper;
    const char16_t* lower;
  };
  // Positions in a text must survive case folding: no letter becomes two.
  const Case cases[] = {
      {u"straße", u"STRAßE", u"straße"},
      {u"\uFB01le", u"\uFB01LE", u"\uFB01le"},        // the fi ligature stays one unit
      {u"\u0130stanbul", u"\u0130STANBUL", nullptr},  // its full lower case is two units
      {u"äöü", u"ÄÖÜ", u"äöü"},
      {u"\U0001F600x", u"\U0001F600X", u"\U0001F600x"},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(AnsiUpperCase(text), QString::fromUtf16(c.upper)) << text.toStdString();
    if (c.lower) {
      EXPECT_EQ(AnsiLowerCase(text), QString::fromUtf16(c.lower)) << text.toStdString();
    }
    EXPECT_EQ(AnsiUpperCase(text).size(), text.size());
    EXPECT_EQ(AnsiLowerCase(text).size(), text.size());
  }
}

TEST(SysUtils, CodePagesRoundTrip) {
  const QString text = QString::fromUtf8("Grüße €");
  QByteArray ansi = UnicodeToAnsi(text);
  EXPECT_EQ(ansi, QByteArray("Gr\xFC\xDF"
                             "e \x80"));
  EXPECT_EQ(AnsiToUnicode(ansi), text);
  QByteArray oem = UnicodeToOem(QString::fromUtf8("ü"));
  EXPECT_EQ(oem, QByteArray("\x81"));
  EXPECT_EQ(UnicodeToAnsi(QString::fromUtf8("中")), QByteArray("?"));
}

TEST(SysUtils, Int64ConversionIsExactOverTheWholeRange) {
  struct Case {
    const char* text;
    bool ok;
    int64_t value;
  } cases[] = {{"-9223372036854775808", true, std::numeric_limits<int64_t>::min()},
               {"9223372036854775807", true, std::numeric_limits<int64_t>::max()},
               {"-9223372036854775809", false, 0},
               {"9223372036854775808", false, 0},
               {"-0", true, 0}};
  for (const Case& c : cases) {
    int64_t v = 0;
    EXPECT_EQ(TryStrToInt64(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
  int v = 0;
  EXPECT_TRUE(TryStrToInt("-2147483648", v));
  EXPECT_EQ(v, std::numeric_limits<int>::min());
  EXPECT_FALSE(TryStrToInt("2147483648", v));
}

// The locale's collation puts letters before case: "apple" comes before
// "Banana" in both modes, where code units would put "B" first.
TEST(SysUtils, LocaleComparisonWithAndWithoutCase) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_LT(AnsiCompareText("apple", "Banana"), 0);
  EXPECT_LT(AnsiCompareStr("apple", "Banana"), 0);
  EXPECT_EQ(AnsiCompareText("apple", "APPLE"), 0);
  EXPECT_NE(AnsiCompareStr("apple", "APPLE"), 0);
  EXPECT_GT(AnsiCompareStr("b", "a"), 0);
  QLocale::setDefault(saved);
}
