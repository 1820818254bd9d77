#include "grid/foundation/FilterMatcher.h"

#include "grid/foundation/LocaleScope.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

TLocaleScope EnglishDayFirst() { return TLocaleScope('.', ',', '/', "dd/MM/yyyy"); }

struct MatchCase {
  const char* condition;
  const char* text;
  bool expected;
};

void ExpectMatches(const MatchCase* begin, const MatchCase* end, bool caseSensitive) {
  for (const MatchCase* c = begin; c != end; ++c)
    EXPECT_EQ(MatchFilter(c->condition, c->text, caseSensitive), c->expected)
        << "condition [" << c->condition << "] text [" << c->text << "]";
}

}  // namespace

TEST(FilterMatcher, ConditionsAgainstTexts) {
  auto locale = EnglishDayFirst();
  const MatchCase cases[] = {
      {">10", "12", true},
      {">10", "9", false},
      {">=10&<20", "20", false},
      {">=10&<20", "15", true},
      {">1/1/2024", "5/2/2024", true},
      {"<1/1/2024", "5/2/2024", false},
      {">m", "zebra", true},
      {"<m", "zebra", false},
      {"abc*", "ABCdef", true},
      {"a?c", "ac", false},
      {"a?c", "abc", true},
      {"!abc", "xyz", true},
      {"!abc", "abc", false},
      {"=abc", "abc", true},
      {"a|b", "b", true},
      {"a|b&c", "a", false},
      {"(a*|b*)&*z", "az", true},
      {"c&(a|b)", "c", false},
      {"", "", true},
      {"", "x", false},
      {"> 10", "12", true},
      {"  >  10  ", "9", false},
      {"a&", "a", false},
      {"a&", "", false},
      {"a;b", "b", true},
      {"a^b", "b", true},
      {"a(b)", "a", true},
      {"a(b)", "b", false},
      {"a)", "a)", true},
      {"\"a b\"", "a b", true},
      {"a b", "ab", true},
      {">\"a b\"", "a c", true},
      {">\"a b\"", "a a", false},
      {">=10", "10", true},
      {"<=10", "10", true},
      {"<10", "10", false},
      {">1/2", "2", true},
      {">1/2", "1/10", false},
      {"*", "", true},
      {"**a**", "xxa", true},
      {"?", "", false},
      {"(a|b)c", "a", true},
      {"((a))", "a", true},
      {"\"a&b\"", "a&b", true},
      {"!*", "", false},
      {"a!b", "ab", false},
      {"a!b", "ac", true},
      {"\">5&<9\"", "7", true},
      {"\">5&<9\"", "12", false},
      {"\">5^<3\"", "1", true},
      {"\">5^<3\"", "4", false},
  };
  ExpectMatches(std::begin(cases), std::end(cases), false);
}

TEST(FilterMatcher, CaseRules) {
  auto locale = EnglishDayFirst();
  EXPECT_TRUE(MatchFilter("abc", "ABC", false));
  EXPECT_FALSE(MatchFilter("abc", "ABC", true));
  EXPECT_TRUE(MatchFilter("ÄBC*", "äbcd", false));  // the locale's rule, beyond ASCII
  EXPECT_TRUE(MatchFilterTerm("a*", "A1", false));
  EXPECT_FALSE(MatchFilterTerm("a*", "A1", true));
}

TEST(FilterMatcher, CaseInsensitiveMatchingKeepsOneUnitPerCharacter) {
  auto locale = EnglishDayFirst();
  const MatchCase cases[] = {
      {"?", "ß", true},           {"stra?e", "Straße", true}, {"straße", "STRASSE", false},
      {"straße", "STRAßE", true}, {"??", "ß", false},         {"?le", "\uFB01le", true},
      {"f*", "\uFB01", false},    {"*SS*", "Maß", false},     {"Maß", "maß", true},
  };
  ExpectMatches(std::begin(cases), std::end(cases), false);
}

TEST(FilterMatcher, NumbersInLocaleNotation) {
  auto locale = TLocaleScope(',', '.', '/', "dd/MM/yyyy");
  const MatchCase cases[] = {
      {">1,5", "2", true},
      {">1,5", "1,2", false},
      {">1.000", "1.500", true},
      {"<1.000,5", "999", true},
  };
  ExpectMatches(std::begin(cases), std::end(cases), false);
  EXPECT_EQ(NormalizeFloatText("1.234,5"), "1234.5");
}

TEST(FilterMatcher, DatesAreNotNumbers) {
  auto locale = EnglishDayFirst();
  // 5/2/2024 is a date: against a number operand it compares as text.
  EXPECT_TRUE(MatchFilter(">10", "5/2/2024", false));
  EXPECT_FALSE(MatchFilter(">6", "5/2/2024", false));
  EXPECT_TRUE(MatchFilter(">\"31/1/2024 23:59\"", "1/2/2024", false));
}

TEST(FilterMatcher, HexadecimalFieldsMakeNoDate) {
  auto locale = EnglishDayFirst();
  // As dates these would lie after the operand; as texts "$", "0" and "5/11/x"
  // sort before "1/1/2024" or compare by character.
  const MatchCase cases[] = {
      {">1/1/2024", "$A/11/2024", false},
      {">1/1/2024", "0x5/11/2024", false},
      {"<1/1/2025", "5/11/x7E8", false},
      {">1/1/2024", "10/11/2024", true},
  };
  ExpectMatches(std::begin(cases), std::end(cases), false);
}

TEST(FilterMatcher, TextComparisonLooksAtTheFirst255Characters) {
  const QString longA(300, 'a');
  const QString longerA = QString(255, 'a') + "zzz";
  EXPECT_TRUE(MatchFilter(">=" + longA, longerA, true));
  EXPECT_FALSE(MatchFilter(">" + longA, longerA, true));
  // An operand longer than 255 characters is cut, never read past its end.
  EXPECT_TRUE(MatchFilter("<=" + QString(5000, 'b'), QString(255, 'b') + "c", true));
}

TEST(FilterMatcher, UnclosedGroupRunsToTheEnd) {
  const MatchCase cases[] = {
      {"(a|b", "b", true},  {"(a|b", "c", false}, {"(", "", true},      {"(", "x", false},
      {"x&(a", "x", false}, {"((((", "", true},   {"(a|(b", "b", true},
  };
  ExpectMatches(std::begin(cases), std::end(cases), true);
}

TEST(FilterMatcher, HelperRoutines) {
  EXPECT_EQ(RemoveBlanksOutsideQuotes(" a \" b c\" d "), "a\" b c\"d");
  EXPECT_EQ(RemoveBlanksOutsideQuotes("\"x\" \"y z\""), "\"x\"\"y z\"");
  const struct {
    const char* text;
    int pos;
  } parens[] = {
      {"(a)", 3}, {"(a(b)c)d", 7}, {"(a", 0}, {"", 0}, {"a)", 0}, {"(\")\")", 3},
  };
  for (const auto& c : parens) EXPECT_EQ(FindClosingParenthesis(c.text), c.pos) << c.text;
  int pos = 0;
  EXPECT_EQ(FindSeparatorOutsideQuotes("&|", "ab\"&\"|c", pos), QChar('|'));
  EXPECT_EQ(pos, 6);
  EXPECT_TRUE(FindSeparatorOutsideQuotes("&|", "ab\"&|", pos).isNull());
  EXPECT_EQ(pos, -1);
}

namespace {

// Wildcards as written down, trying every tail for every star; only fit
// for small inputs, to check the matcher that keeps its answers.
bool NaiveWildcard(const QString& p, const QString& t) {
  int i = 0, j = 0;
  bool matched = true, inverted = false;
  while (matched && !(i >= p.size() && j >= t.size())) {
    if (i < p.size() && p[i] == '!') {
      inverted = true;
      ++i;
    } else if (i < p.size() && p[i] == '"') {
      ++i;
    } else if (i < p.size() && p[i] == '*') {
      while (i < p.size() && p[i] == '*') ++i;
      bool found = false;
      for (int k = int(t.size()); k >= j && !found; --k) found = NaiveWildcard(p.mid(i), t.mid(k));
      matched = found;
      i = int(p.size());
      j = int(t.size());
    } else if (i < p.size() && p[i] == '?') {
      matched = j < t.size();
      ++i;
      ++j;
    } else {
      matched = i < p.size() && j < t.size() && p[i] == t[j];
      ++i;
      ++j;
    }
  }
  return inverted ? !matched : matched;
}

QString RandomText(std::mt19937& rng, const QString& alphabet, int maxLength) {
  const int n = std::uniform_int_distribution<int>(0, maxLength)(rng);
  QString s;
  for (int i = 0; i < n; ++i) s += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(rng)];
  return s;
}

// The work a condition may cost: polynomial in its length and the text's.
int64_t WorkBound(const QString& condition, const QString& text) {
  const int64_t c = condition.size() + 2, t = text.size() + 2;
  return 64 * c * c * t * (c + t);
}

}  // namespace

TEST(FilterMatcher, RandomWildcardsAgreeWithTheNaiveReading) {
  std::mt19937 rng(1311);
  for (int n = 0; n < 4000; ++n) {
    const QString pattern = RandomText(rng, "ab?*!\"", 10);
    const QString text = RandomText(rng, "ab", 10);
    TMatchWork work;
    ASSERT_EQ(MatchWildcardTerm(pattern, text, &work), NaiveWildcard(pattern, text))
        << pattern.toStdString() << " / " << text.toStdString();
    ASSERT_LE(work.Steps, WorkBound(pattern, text)) << pattern.toStdString() << " / " << text.toStdString();
  }
}

TEST(FilterMatcher, RandomConditionsStayWithinTheirWorkBound) {
  auto locale = EnglishDayFirst();
  std::mt19937 rng(2024);
  const QString conditionChars = "ab1*?!\"<>=&|;^()/. ";
  for (int n = 0; n < 3000; ++n) {
    const QString condition = RandomText(rng, conditionChars, 40);
    const QString text = RandomText(rng, "ab1/. ", 24);
    const bool caseSensitive = n % 2 == 0;
    TMatchWork work;
    const bool first = MatchFilter(condition, text, caseSensitive, &work);
    ASSERT_LE(work.Steps, WorkBound(condition, text)) << condition.toStdString() << " / " << text.toStdString();
    ASSERT_EQ(MatchFilter(condition, text, caseSensitive), first);
  }
}

TEST(FilterMatcher, ManyStarsCostPolynomialWork) {
  QString pattern;
  for (int i = 0; i < 20; ++i) pattern += "*a";
  pattern += "*b";
  const QString text(200, 'a');
  TMatchWork work;
  EXPECT_FALSE(MatchFilter(pattern, text, true, &work));
  // Trying every tail for every star would take about 200^20 steps.
  EXPECT_LE(work.Steps, int64_t(pattern.size() + 2) * (text.size() + 2) * (pattern.size() + 2) * 4);
  EXPECT_TRUE(MatchFilter(pattern.left(pattern.size() - 2), text, true));
}

TEST(FilterMatcher, DeeplyNestedGroupsEnd) {
  const QString condition = QString(5000, '(') + "a" + QString(5000, ')');
  TMatchWork work;
  EXPECT_FALSE(MatchFilter(condition, "a", true, &work));  // beyond the nesting the matcher reads
  EXPECT_TRUE(MatchFilter(QString(20, '(') + "a" + QString(20, ')'), "a", true));
}

// A hundred "*a" groups before a comparison, against 2,000 characters: the
// match gives up within its budget and answers "no match".
TEST(FilterMatcher, AHostileConditionEndsWithinTheWorkBudget) {
  QFile file(QStringLiteral(QUILLORE_FIXTURES "/hostile/filter_stars_then_compare.bin"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const qsizetype nul = bytes.indexOf('\0');
  ASSERT_GT(nul, 0);
  const QString condition = QString::fromUtf8(bytes.left(nul)), text = QString::fromUtf8(bytes.mid(nul + 1));
  for (bool caseSensitive : {false, true}) {
    TMatchWork work;
    EXPECT_FALSE(MatchFilter(condition, text, caseSensitive, &work));
    EXPECT_LT(work.Steps, 2 * MatchWorkBudget);
  }
  // An ordinary condition never comes near it.
  TMatchWork work;
  EXPECT_TRUE(MatchFilter("*a*b*c*", QString(2000, 'x') + "abc", false, &work));
  EXPECT_LT(work.Steps, MatchWorkBudget / 10);
}
