// Fills and cell checks: which cells a fill writes, date cells, and a
// checker run that corrects and marks without piling marks up.
#include "grid/core/PlexStringGrid.h"
#include "grid/features/CellMarkText.h"
#include "grid/foundation/PlexStringGridCheck.h"
#include "platform/DateTime.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {

struct Fills : ::testing::Test {
  Fills() {
    g.SetColCount(5);
    g.SetRowCount(6);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SetFixedFooters(1);
    g.SetFixedRightCols(1);
  }
  TPlexStringGrid g{nullptr};
};

TEST_F(Fills, TextFillWithoutFixedLeavesEveryFixedCell) {
  g.TextFill(false, "x");
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 5; ++c) {
      const bool normal = r >= 1 && r <= 4 && c >= 1 && c <= 3;
      EXPECT_EQ(g.GetCellEx(c, r), normal ? "x" : "") << c << "," << r;
    }
}

TEST_F(Fills, LinearFormatAndRandomFills) {
  g.LinearFill(true);
  EXPECT_EQ(g.GetCellEx(0, 0), "0:0");
  EXPECT_EQ(g.GetCellEx(3, 5), "3:5");
  g.FormatFill(false, "%d-%d");
  EXPECT_EQ(g.GetCellEx(3, 4), "3-4");
  EXPECT_EQ(g.GetCellEx(4, 4), "4:4");

  RandSeed(7);
  g.RandomFill(false, 10);
  const QString first = g.GetCellEx(2, 2);
  RandSeed(7);
  g.RandomFill(false, 10);
  EXPECT_EQ(g.GetCellEx(2, 2), first);
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 3; ++c) {
      const int v = g.GetCellEx(c, r).toInt();
      EXPECT_TRUE(v >= 0 && v < 10) << v;
    }
}

TEST_F(Fills, NullDates) {
  const TDateTime day = EncodeDate(2024, 3, 5) + 0.5;
  g.SetDates(1, 1, day);
  EXPECT_EQ(g.GetDates(1, 1), EncodeDate(2024, 3, 5));
  g.ShowNullDates = false;
  g.SetDates(1, 1, 0);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  g.ShowNullDates = true;
  g.SetDates(1, 1, 0);
  EXPECT_NE(g.GetCellEx(1, 1), "");
  g.SetCellEx(1, 2, "no date");
  EXPECT_THROW(g.GetDates(1, 2), EConvertError);
}

// Upper-cases "teh" as a correction and marks every "X".
class Checker : public TPlexStringGridCheck {
public:
  Checker() : TPlexStringGridCheck(nullptr) {}
  QString Correct(int, int, const QString& Value) override {
    QString s = Value;
    return s.replace("teh", "the");
  }
  QString MarkError(int, int, const QString& Value) override {
    QString s = Value;
    return s.replace("X", "<e>X</e>");
  }
  void StartCheck() override { ++Starts; }
  int Starts = 0;
};

TEST_F(Fills, CheckGridCorrectsMarksAndNeverPilesMarks) {
  EXPECT_TRUE(g.CheckGrid(false));  // no checker
  Checker checker;
  checker.UseCorrect = true;
  g.SetCellChecker(&checker);
  g.SetCellEx(1, 1, "teh cat");
  g.SetCellEx(2, 2, "fine");
  EXPECT_FALSE(g.CheckGrid(false));
  EXPECT_EQ(g.GetCellEx(1, 1), "the cat");
  EXPECT_TRUE(g.CheckGrid(false));
  EXPECT_EQ(checker.Starts, 2);

  checker.UseMarkError = true;
  g.SetCellEx(1, 1, "teh X");
  EXPECT_FALSE(g.CheckCell(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 1), "the <e>X</e>");
  EXPECT_FALSE(g.CheckCell(1, 1));
  EXPECT_EQ(g.GetCellEx(1, 1), "the <e>X</e>");
  g.SetCellChecker(nullptr);
}

TEST(CellMarkText, UnMarkText) {
  const struct {
    const char* In;
    const char* Out;
  } cases[] = {{"a<e>b</e>c", "abc"}, {"<E>x</E>", "x"}, {"&lt;tag&gt;", "<tag>"}, {"<b>keep</b>", "<b>keep</b>"}};
  for (const auto& c : cases) EXPECT_EQ(UnMarkText(c.In), c.Out) << c.In;
}

}  // namespace
