#include "grid/foundation/NumberDateRoutines.h"

#include "grid/foundation/LocaleScope.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// "," thousands, "." decimals, "/" dates in day/month/year order.
TLocaleScope EnglishDayFirst() { return TLocaleScope('.', ',', '/', "dd/MM/yyyy"); }

}  // namespace

TEST(NumberDateRoutines, LimitValueAndIntMinMax) {
  struct Case {
    int value, lower, upper, expected;
  };
  const Case cases[] = {
      {5, 10, 10, 5}, {5, 0, 3, 3}, {5, 7, 0, 7},  {5, 7, 3, 3}, {5, -1, -9, 5},
      {-4, 0, 0, -4}, {2, 1, 9, 2}, {12, 1, 9, 9}, {0, 1, 9, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LimitValue(c.value, c.lower, c.upper), c.expected) << c.value << " " << c.lower << " " << c.upper;
  EXPECT_EQ(IntMax(-3, 2), 2);
  EXPECT_EQ(IntMin(-3, 2), -3);
  EXPECT_TRUE(CellInGridRect(1, 1, 3, 4, 3, 4));
  EXPECT_TRUE(CellInGridRect(1, 1, 3, 4, 1, 1));
  EXPECT_FALSE(CellInGridRect(1, 1, 3, 4, 4, 2));
  EXPECT_FALSE(CellInGridRect(1, 1, 3, 4, 2, 0));
}

TEST(NumberDateRoutines, CharacterClassesFollowTheLocale) {
  auto locale = TLocaleScope(',', ' ', '.', "dd.MM.yyyy");
  EXPECT_TRUE(IsNumberChar(QChar(0x0663)));  // Arabic-Indic three
  EXPECT_TRUE(IsNumberChar(QChar(0x00BD)));  // one half
  EXPECT_FALSE(IsNumberChar('a'));
  EXPECT_TRUE(IsDigitOrMinus('-'));
  EXPECT_TRUE(IsLocaleNumberChar(','));
  EXPECT_TRUE(IsLocaleNumberChar(' '));
  EXPECT_FALSE(IsLocaleNumberChar('.'));
  EXPECT_TRUE(IsLocaleNumberOrSignChar('+'));
  EXPECT_TRUE(IsPlainNumberChar('.'));
  EXPECT_FALSE(IsPlainNumberChar(','));
}

TEST(NumberDateRoutines, NormalizeNumberText) {
  auto locale = EnglishDayFirst();
  const struct {
    const char* text;
    const char* expected;
  } cases[] = {
      {"(1,234.50)", "-1234.50"}, {"$ -12", "-12"}, {"12 kg", "12"}, {"-", "-"},     {"", ""},    {"  \t42  ", "42"},
      {"1.5e+3", "1.5e+3"},       {"abc", ""},      {"USD 7", "7"},  {"EUR 7", "E"}, {"()", "-"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeNumberText(c.text), QString(c.expected)) << c.text;
}

TEST(NumberDateRoutines, NormalizeNumberTextWithCommaDecimals) {
  auto locale = TLocaleScope(',', '.', '.', "dd.MM.yyyy");
  EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
  EXPECT_EQ(NormalizeNumberText("-0,25 %"), "-0.25");
}

TEST(NumberDateRoutines, NumericTextKind) {
  auto locale = EnglishDayFirst();
  const struct {
    const char* text;
    int kind;
  } cases[] = {
      {"12", ntkInteger},       {"-12", ntkInteger},         {"1,234.5", ntkFloat},      {"1,23,4", ntkNotANumber},
      {"1,234,567", ntkFloat},  {"1e5", ntkScientific},      {"-1.5e-3", ntkScientific}, {"1.2.3", ntkNotANumber},
      {"12-", ntkNotANumber},   {"", ntkNotANumber},         {"e5", ntkNotANumber},      {"5e", ntkNotANumber},
      {"1e5e5", ntkNotANumber}, {"--1", ntkNotANumber},      {"abc", ntkNotANumber},     {"3.25", ntkFloat},
      {"1,5e3", ntkNotANumber}, {"-1.5e-3-", ntkNotANumber},
  };
  for (const auto& c : cases) EXPECT_EQ(NumericTextKind(c.text), c.kind) << c.text;
}

TEST(NumberDateRoutines, ParseDateTimeText) {
  auto locale = EnglishDayFirst();
  const struct {
    const char* text;
    bool ok;
    int y, mo, d, h, mi, s;
  } cases[] = {
      {"5/11/2024 14:30", true, 2024, 11, 5, 14, 30, 0},
      {"5/11/2024 14:05", true, 2024, 11, 5, 14, 5, 0},
      {"5/11/2024 14:05:09", true, 2024, 11, 5, 14, 5, 9},
      {"  5/11/2024  ", true, 2024, 11, 5, 0, 0, 0},
      {"5/11/23", true, 23, 11, 5, 0, 0, 0},  // years as written
      {"5/11/2024 14:30:75", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 14:30:60", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 24:00", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 12:60", false, 0, 0, 0, 0, 0, 0},
      {"31/11/2024", false, 0, 0, 0, 0, 0, 0},
      {"29/2/2023", false, 0, 0, 0, 0, 0, 0},
      {"29/2/2024", true, 2024, 2, 29, 0, 0, 0},
      {"5/11", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 noon", false, 0, 0, 0, 0, 0, 0},
      {"32/1/2024", false, 0, 0, 0, 0, 0, 0},
      {"1/13/2024", false, 0, 0, 0, 0, 0, 0},
      {"-1/1/2024", false, 0, 0, 0, 0, 0, 0},
      {"1/1/-5", false, 0, 0, 0, 0, 0, 0},
      {"65537/1/2024", false, 0, 0, 0, 0, 0, 0},  // no 16-bit wrap to day 1
      {"a/1/2024", false, 0, 0, 0, 0, 0, 0},
      {"1/1/", false, 0, 0, 0, 0, 0, 0},
      {"", false, 0, 0, 0, 0, 0, 0},
      {"0/1/2024", false, 0, 0, 0, 0, 0, 0},
      // Decimal digits only: no hexadecimal field makes a date or a time.
      {"$A/11/2024", false, 0, 0, 0, 0, 0, 0},
      {"5/0xB/2024", false, 0, 0, 0, 0, 0, 0},
      {"5/11/x7E8", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 $E:30", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 14:x1E", false, 0, 0, 0, 0, 0, 0},
      {"5/11/2024 14:30:$9", false, 0, 0, 0, 0, 0, 0},
      {" +5/11/2024", true, 2024, 11, 5, 0, 0, 0},
  };
  for (const auto& c : cases) {
    TDateTime v = -1;
    ASSERT_EQ(ParseDateTimeText(c.text, v), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_DOUBLE_EQ(v, EncodeDate(c.y, c.mo, c.d) + EncodeTime(c.h, c.mi, c.s, 0)) << c.text;
  }
}

TEST(NumberDateRoutines, ParseDateTimeTextTakesFieldOrderFromTheFormat) {
  auto us = TLocaleScope('.', ',', '-', "M-d-yyyy");
  TDateTime v = 0;
  ASSERT_TRUE(ParseDateTimeText("11-5-2024", v));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2024, 11, 5));
  FormatSettings().ShortDateFormat = "yyyy-MM-dd";
  ASSERT_TRUE(ParseDateTimeText("2024-11-05", v));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2024, 11, 5));
  FormatSettings().ShortDateFormat = "dd-MM";  // no year letter: nothing can be read
  EXPECT_FALSE(ParseDateTimeText("05-11-2024", v));
}

TEST(NumberDateRoutines, StepDateCalendarSteps) {
  const TDateTime noon = 0.5;
  const struct {
    uint16_t y, m, d;
    TDateTime from, expected;
  } cases[] = {
      {0, 1, 0, EncodeDate(2023, 12, 15) + noon, EncodeDate(2024, 1, 15)},
      {0, 65535, 0, EncodeDate(2024, 1, 15), EncodeDate(2023, 12, 15)},
      {0, 65535, 0, EncodeDate(2024, 3, 15), EncodeDate(2024, 2, 15)},
      {0, 12, 0, EncodeDate(2024, 12, 1), EncodeDate(2025, 12, 1)},
      {0, 30, 0, EncodeDate(2024, 1, 1), EncodeDate(2026, 7, 1)},
      {0, 65534, 0, EncodeDate(2024, 1, 10), EncodeDate(2023, 11, 10)},
      // A day the target month lacks becomes its last day.
      {0, 1, 0, EncodeDate(2024, 1, 31), EncodeDate(2024, 2, 29)},
      {0, 1, 0, EncodeDate(2023, 1, 31), EncodeDate(2023, 2, 28)},
      {0, 1, 0, EncodeDate(2024, 3, 31), EncodeDate(2024, 4, 30)},
      {1, 0, 0, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
      {4, 0, 0, EncodeDate(2024, 2, 29), EncodeDate(2028, 2, 29)},
      {65535, 0, 0, EncodeDate(2024, 5, 6) + noon, EncodeDate(2023, 5, 6)},
      {0, 0, 3, EncodeDate(2024, 12, 30) + noon, EncodeDate(2025, 1, 2) + noon},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(StepDate(c.y, c.m, c.d, c.from, 7.25), c.expected) << c.y << " " << c.m << " " << c.d;
}

TEST(NumberDateRoutines, StepDateFractionalStep) {
  const TDateTime d = EncodeDate(2024, 1, 1);
  EXPECT_DOUBLE_EQ(StepDate(1, 0, 1, d, 0.25), d + 0.25);
  EXPECT_DOUBLE_EQ(StepDate(0, 0, 0, d, 2.0), d + 2.0);
  EXPECT_DOUBLE_EQ(StepDate(1, 1, 1, d, -1.5), d - 1.5);
}

TEST(NumberDateRoutines, StepDateOutsideTheCalendarRaises) {
  EXPECT_THROW(StepDate(65535, 0, 0, EncodeDate(1, 6, 1), 0), EConvertError);
  EXPECT_THROW(StepDate(1, 0, 0, EncodeDate(9999, 6, 1), 0), EConvertError);
  EXPECT_THROW(StepDate(0, 65535, 0, EncodeDate(1, 1, 1), 0), EConvertError);
}

TEST(NumberDateRoutines, ParseShortDates) {
  const struct {
    const char* text;
    bool eu;
    TDateTime expected;
  } cases[] = {
      {"05.11.24", true, EncodeDate(2024, 11, 5)},
      {"05.11.99", true, EncodeDate(1999, 11, 5)},
      {"05.11.26", true, EncodeDate(1926, 11, 5)},
      {"05.11.25", true, EncodeDate(2025, 11, 5)},
      {"5/11", true, 0},
      {"11/5/24", false, EncodeDate(2024, 11, 5)},
      {"11-5-2024", false, EncodeDate(2024, 11, 5)},  // longer years as written
      {"1/2.3", true, 0},                             // "/" wins; one "/" only
      {"11 5 24", false, 0},
      {"a/5/24", false, 0},
      {"0x5.11.24", true, 0},
      {"$5.11.24", true, 0},
      {"5/11/x7E8", false, 0},
      {"5/$B/24", false, 0},
      {" 5.+11.24", true, EncodeDate(2024, 11, 5)},
      {"", false, 0},
  };
  for (const auto& c : cases) {
    const TDateTime v = c.eu ? ParseShortDateEU(c.text) : ParseShortDateUS(c.text);
    EXPECT_DOUBLE_EQ(v, c.expected) << c.text;
  }
  EXPECT_THROW(ParseShortDateEU("31.02.24"), EConvertError);
  EXPECT_THROW(ParseShortDateUS("13/1/24"), EConvertError);
}

TEST(NumberDateRoutines, IsDateLikeText) {
  auto locale = EnglishDayFirst();
  const struct {
    const char* text;
    bool expected;
  } cases[] = {
      {"/5/11", false}, {"5//11", false}, {"5/1/1", true},     {"5/1/", true},
      {"5/11", false},  {"", false},      {"12/2024/x", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDateLikeText(c.text), c.expected) << c.text;
}
