#include "grid/foundation/FilterMatcher.h"

#include "grid/foundation/NumberDateRoutines.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <map>
#include <vector>

namespace {

// Groups nest by recursion; deeper groups than this count as not matching.
constexpr int MaxGroupDepth = 64;

void AddWork(TMatchWork* work, int64_t steps) {
  if (work) work->Steps += steps;
}

bool OverBudget(const TMatchWork* work) { return work && work->Steps > work->Limit; }

// The number reading of a text already normalised to a "." decimal point.
bool ReadNormalizedFloat(QString s, double& value) {
  s.replace('.', LocaleDecimalSeparator());
  return TryStrToFloat(s, value);
}

template <typename T>
int Order(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Texts by character code over their first 255 characters; a beginning of the other is smaller.
int CompareLimitedText(const QString& a, const QString& b) {
  const int na = std::min(int(a.size()), MaxFilterOperandLength);
  const int nb = std::min(int(b.size()), MaxFilterOperandLength);
  for (int i = 0; i < std::min(na, nb); ++i)
    if (a[i] != b[i]) return Order(a[i].unicode(), b[i].unicode());
  return Order(na, nb);
}

// The text against the operand: as numbers, else as dates, else as texts.
int CompareWithOperand(const QString& text, const QString& operand, TMatchWork* work) {
  AddWork(work, text.size() + operand.size() + 1);
  TDateTime textDate = 0, operandDate = 0;
  const bool textIsDate = ParseDateTimeText(text, textDate);
  const bool operandIsDate = ParseDateTimeText(operand, operandDate);
  double textNumber = 0, operandNumber = 0;
  if (!textIsDate && !operandIsDate && ReadNormalizedFloat(NormalizeFloatText(text), textNumber) &&
      ReadNormalizedFloat(NormalizeFloatText(operand), operandNumber))
    return Order(textNumber, operandNumber);
  if (textIsDate && operandIsDate) return Order(textDate, operandDate);
  return CompareLimitedText(text, operand);
}

// The operand from `start`: up to a blank, "&" or "|" outside double quotes,
// without a leading and a trailing double quote, at most 255 characters.
QString ReadOperand(const QString& term, int start, TMatchWork* work) {
  int quotes = 0, end = start;
  for (; end < term.size(); ++end) {
    const QChar c = term[end];
    if (c == '"')
      ++quotes;
    else if (quotes % 2 == 0 && (c == ' ' || c == '&' || c == '|'))
      break;
  }
  AddWork(work, end - start + 1);
  QString operand = term.mid(start, end - start);
  if (operand.startsWith('"')) operand.remove(0, 1);
  if (operand.endsWith('"')) operand.chop(1);
  return operand.left(MaxFilterOperandLength);
}

struct TComparePart {
  bool Has = false;
  bool Result = false;
};

// The greater (sign 1) or less (sign -1) part that starts at the operator `at`.
TComparePart ComparePart(const QString& term, int at, const QString& text, int sign, TMatchWork* work) {
  int i = at + 1;
  const bool inclusive = i < term.size() && term[i] == '=';
  if (inclusive) ++i;
  while (i < term.size() && term[i] == ' ') ++i;
  const int order = CompareWithOperand(text, ReadOperand(term, i, work), work);
  return {true, order * sign > 0 || (inclusive && order == 0)};
}

// One term against one text. Each "*" matches the rest of the term against
// every tail of the text; those answers depend only on where the rest and the
// tail start, so each is worked out once and kept, which keeps a term with
// many stars from costing the text length to the power of the stars.
class TTermMatcher {
public:
  TTermMatcher(const QString& term, const QString& text, TMatchWork* work);
  bool Match() { return MatchFrom(0, 0); }

private:
  bool MatchFrom(int p, int t);
  bool Decide(int p, int t, bool& result);
  bool Wildcard(int p, int t);
  bool AnyTailMatches(int p, int t);
  void FillTailAnswers(int p);

  const QString& FTerm;
  const QString& FText;
  TMatchWork* FWork;
  // Entry p is true when the term from p holds ">", "<" or "!", the only
  // characters that bring the comparison steps into play.
  std::vector<char> FComparesFrom;
  // For a term position p after a run of stars: entry t is true when the term
  // from p matches some tail of the text that starts at t or later.
  std::map<int, std::vector<char>> FAnyTail;
};

TTermMatcher::TTermMatcher(const QString& term, const QString& text, TMatchWork* work)
    : FTerm(term), FText(text), FWork(work), FComparesFrom(size_t(term.size()) + 1, 0) {
  for (int i = int(term.size()) - 1; i >= 0; --i) {
    const QChar c = term[i];
    FComparesFrom[size_t(i)] = FComparesFrom[size_t(i) + 1] || c == '>' || c == '<' || c == '!';
  }
  AddWork(FWork, term.size() + 1);
}

bool TTermMatcher::MatchFrom(int p, int t) {
  if (OverBudget(FWork)) return false;
  bool result = false;
  if (Decide(p, t, result)) return result;
  return Wildcard(p, t);
}

// The comparison steps; false when they leave the decision to the wildcards.
bool TTermMatcher::Decide(int p, int t, bool& result) {
  AddWork(FWork, 1);
  if (!FComparesFrom[size_t(p)]) return false;
  const QString term = FTerm.mid(p);
  const int gt = int(term.indexOf('>')), lt = int(term.indexOf('<'));
  const bool negated = term.contains('!');
  AddWork(FWork, term.size() + 1);
  const QString text = FText.mid(t);
  TComparePart greater, less;
  if (gt >= 0) greater = ComparePart(term, gt, text, 1, FWork);
  if (lt >= 0) less = ComparePart(term, lt, text, -1, FWork);
  if (negated && gt < 0) greater = {true, true};
  if (negated && lt < 0) less = {true, true};
  if (term.contains('^') && (greater.Has || less.Has)) {
    result = less.Result || greater.Result;
    return true;
  }
  if (term.contains('&') && greater.Has && less.Has) {
    result = less.Result && greater.Result;
    return true;
  }
  result = true;
  return (gt >= 0 && greater.Result) || (lt >= 0 && less.Result);
}

bool TTermMatcher::Wildcard(int p, int t) {
  const int np = int(FTerm.size()), nt = int(FText.size());
  bool matched = true, inverted = false;
  while (matched && !(p >= np && t >= nt)) {
    AddWork(FWork, 1);
    const QChar c = p < np ? FTerm[p] : QChar();
    if (p < np && c == '!') {
      inverted = true;
      ++p;
    } else if (p < np && c == '"') {
      ++p;
    } else if (p < np && c == '*') {
      while (p < np && FTerm[p] == '*') ++p;
      matched = AnyTailMatches(p, std::min(t, nt));
      p = np;
      t = nt;
    } else if (p < np && c == '?') {
      matched = t < nt;
      ++p;
      ++t;
    } else {
      matched = p < np && t < nt && FText[t] == c;
      ++p;
      ++t;
    }
  }
  return inverted ? !matched : matched;
}

bool TTermMatcher::AnyTailMatches(int p, int t) {
  auto it = FAnyTail.find(p);
  if (it == FAnyTail.end()) {
    FillTailAnswers(p);
    it = FAnyTail.find(p);
  }
  return it->second[size_t(t)] != 0;
}

// Works out the answers for p after those of every later star, so that
// matching never recurses deeper than one level whatever the number of stars.
void TTermMatcher::FillTailAnswers(int p) {
  std::vector<int> positions;
  for (int i = int(FTerm.size()); i >= p; --i) {
    const bool afterStars = i == p || (i > 0 && FTerm[i - 1] == '*' && (i == int(FTerm.size()) || FTerm[i] != '*'));
    if (afterStars && !FAnyTail.count(i)) positions.push_back(i);
  }
  AddWork(FWork, int(FTerm.size()) - p + 1);
  const int nt = int(FText.size());
  for (int at : positions) {
    std::vector<char> any(size_t(nt) + 2, 0);
    for (int t = nt; t >= 0 && !OverBudget(FWork); --t) any[size_t(t)] = any[size_t(t) + 1] || MatchFrom(at, t);
    FAnyTail.emplace(at, std::move(any));
  }
}

bool MatchFilterAt(const QString& Condition, const QString& Text, bool CaseSensitive, int depth, TMatchWork* work);

bool CombineValue(bool result, QChar pending, bool value) {
  if (pending.isNull()) return value;
  if (pending == '&') return result && value;
  if (pending == '(') return result;
  return result || value;
}

bool MatchFilterAt(const QString& Condition, const QString& Text, bool CaseSensitive, int depth, TMatchWork* work) {
  AddWork(work, Condition.size() + 1);
  QString rest = RemoveBlanksOutsideQuotes(Trim(Condition));
  if (rest.startsWith('=')) rest.remove(0, 1);
  bool result = true;
  QChar pending;
  for (;;) {
    int at = -1;
    QChar separator = FindSeparatorOutsideQuotes("(;^&|", rest, at);
    AddWork(work, at > 0 ? at : rest.size() + 1);
    if (separator.isNull()) break;
    bool value = false;
    if (rest.startsWith('(')) {
      // A group without its ")" runs to the end of the condition.
      int close = FindClosingParenthesis(rest);
      AddWork(work, close > 0 ? close : rest.size());
      if (close == 0) close = int(rest.size()) + 1;
      if (depth < MaxGroupDepth) value = MatchFilterAt(rest.mid(1, close - 2), Text, CaseSensitive, depth + 1, work);
      rest = rest.mid(close);
      separator = '(';
    } else {
      value = MatchFilterTerm(rest.left(at - 1), Text, CaseSensitive, work);
      rest = rest.mid(at);
    }
    result = CombineValue(result, pending, value);
    pending = separator;
  }
  return CombineValue(result, pending, MatchFilterTerm(rest, Text, CaseSensitive, work));
}

}  // namespace

bool MatchFilter(const QString& Condition, const QString& Text, bool CaseSensitive, TMatchWork* Work) {
  TMatchWork own;
  return MatchFilterAt(Condition, Text, CaseSensitive, 0, Work ? Work : &own);
}

bool MatchFilterTerm(const QString& Term, const QString& Text, bool CaseSensitive, TMatchWork* Work) {
  TMatchWork own;
  if (!Work) Work = &own;
  if (CaseSensitive) return MatchWildcardTerm(Term, Text, Work);
  return MatchWildcardTerm(AnsiUpperCase(Term), AnsiUpperCase(Text), Work);
}

bool MatchWildcardTerm(const QString& Term, const QString& Text, TMatchWork* Work) {
  TMatchWork own;
  return TTermMatcher(Term, Text, Work ? Work : &own).Match();
}

QString RemoveBlanksOutsideQuotes(const QString& Text) {
  QString r;
  r.reserve(Text.size());
  int quotes = 0;
  for (QChar c : Text) {
    if (c == '"') ++quotes;
    if (c != ' ' || quotes % 2 == 1) r += c;
  }
  return r;
}

int FindClosingParenthesis(const QString& Text) {
  int open = 0, close = 0;
  for (int i = 0; i < Text.size(); ++i) {
    if (Text[i] == '(')
      ++open;
    else if (Text[i] == ')' && ++close == open)
      return i + 1;
  }
  return 0;
}

QChar FindSeparatorOutsideQuotes(const QString& Chars, const QString& Text, int& Pos) {
  int quotes = 0;
  for (int i = 0; i < Text.size(); ++i) {
    const QChar c = Text[i];
    if (c == '"')
      ++quotes;
    else if (quotes % 2 == 0 && Chars.contains(c)) {
      Pos = i + 1;
      return c;
    }
  }
  Pos = -1;
  return QChar();
}

QString NormalizeFloatText(const QString& Text) {
  const QChar decimal = LocaleDecimalSeparator(), thousand = LocaleThousandSeparator();
  QString r;
  r.reserve(Text.size());
  for (QChar c : Text) {
    if (c == decimal)
      r += '.';
    else if (c != thousand)
      r += c;
  }
  return r;
}
