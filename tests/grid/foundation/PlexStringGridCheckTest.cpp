#include "grid/foundation/PlexStringGridCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TCells = std::vector<std::vector<QString>>;  // [row][col]

// Checks a range as the string grid does: StartCheck, rows outer and columns
// inner, Correct then MarkError as switched on (MarkError's result wins), the
// result stored, a changed cell counted as failed, then StopCheck.
int CheckRange(TPlexStringGridCheck& checker, TCells& cells) {
  int failures = 0;
  checker.StartCheck();
  for (int row = 0; row < int(cells.size()); ++row)
    for (int col = 0; col < int(cells[size_t(row)].size()); ++col) {
      QString& cell = cells[size_t(row)][size_t(col)];
      const QString text = cell;
      QString result = text;
      if (checker.UseCorrect) result = checker.Correct(col, row, text);
      if (checker.UseMarkError) result = checker.MarkError(col, row, text);
      cell = result;
      if (result != text) ++failures;
    }
  checker.StopCheck();
  return failures;
}

class TUpperChecker : public TPlexStringGridCheck {
public:
  using TPlexStringGridCheck::TPlexStringGridCheck;
  std::vector<QString> Log;
  QString Correct(int, int, const QString& v) override { return v.toUpper(); }
  QString MarkError(int c, int r, const QString& v) override { return v == "bad" ? QString("<e>%1</e>").arg(v) : v; }
  void StartCheck() override { Log.push_back("start"); }
  void StopCheck() override { Log.push_back("stop"); }
};

}  // namespace

TEST(PlexStringGridCheck, TheBaseLeavesEveryCellAsItIs) {
  TPlexStringGridCheck checker(nullptr);
  EXPECT_FALSE(checker.GotoCell || checker.AutoCorrect || checker.AutoMarkError || checker.UseCorrect ||
               checker.UseMarkError);
  checker.UseCorrect = checker.UseMarkError = true;
  TCells cells{{"a", "b "}, {"", "bad"}};
  const TCells before = cells;
  EXPECT_EQ(CheckRange(checker, cells), 0);
  EXPECT_EQ(cells, before);
}

TEST(PlexStringGridCheck, WithBothChecksTheMarkedTextWins) {
  TUpperChecker checker(nullptr);
  checker.UseCorrect = checker.UseMarkError = true;
  TCells cells{{"ok", "bad"}};
  EXPECT_EQ(CheckRange(checker, cells), 1);
  EXPECT_EQ(cells, (TCells{{"ok", "<e>bad</e>"}}));
  EXPECT_EQ(checker.Log, (std::vector<QString>{"start", "stop"}));
  checker.UseMarkError = false;
  TCells corrected{{"ok"}};
  EXPECT_EQ(CheckRange(checker, corrected), 1);
  EXPECT_EQ(corrected[0][0], "OK");
}
