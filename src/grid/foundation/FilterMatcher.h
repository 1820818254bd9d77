// The filter-expression matcher: decides whether a cell text satisfies a
// condition typed by the user (and/or terms, groups, comparisons, wildcards).
#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// The work one match may take: far above any condition a user types against
// any cell text, low enough that a hostile condition (a hundred stars before a
// comparison against a long text) ends at once instead of taking seconds.
constexpr int64_t MatchWorkBudget = 4'000'000;

// Counts the elementary steps of one match (characters scanned, text tails
// tried), so that the cost of a condition can be measured. A match that
// reaches Limit gives up: the terms still open answer "no match".
struct TMatchWork {
  int64_t Steps = 0;
  int64_t Limit = MatchWorkBudget;
};

// Terms joined by "&" (and), "|", ";", "^" (or) and "(...)" groups, read left
// to right without precedence. Never fails: every condition gives a result,
// within the work budget of one TMatchWork.
bool MatchFilter(const QString& Condition, const QString& Text, bool CaseSensitive, TMatchWork* Work = nullptr);
// One term; without CaseSensitive both sides are upper-cased with the locale's rule first.
bool MatchFilterTerm(const QString& Term, const QString& Text, bool CaseSensitive, TMatchWork* Work = nullptr);
// Comparisons (">", ">=", "<", "<=", "!", "^", "&") and then wildcards ("*", "?").
bool MatchWildcardTerm(const QString& Term, const QString& Text, TMatchWork* Work = nullptr);

// Drops every blank that stands after an even number of double quotes.
QString RemoveBlanksOutsideQuotes(const QString& Text);
// 1-based position of the ")" that closes the first "("; 0 when there is none.
int FindClosingParenthesis(const QString& Text);
// The first character of Chars that stands outside double quotes, with its
// 1-based position; character 0 and position -1 when there is none.
QChar FindSeparatorOutsideQuotes(const QString& Chars, const QString& Text, int& Pos);
// Locale decimal separators become "." and thousand separators are dropped.
QString NormalizeFloatText(const QString& Text);

// Comparisons look at no more than this many characters of an operand or text.
constexpr int MaxFilterOperandLength = 255;
