#include "grid/features/Filter.h"

#include "grid/core/PlexStringGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(Filter, ColFilterAddsOneItemPerColumnJoinedByAnd) {
  TPlexStringGrid g(nullptr);
  TFilter& f = g.Filter();
  TFilterData& first = f.GetColFilter(2);
  EXPECT_EQ(f.Count(), 1);
  EXPECT_EQ(first.Column, 2);
  EXPECT_EQ(first.Operation, foNONE);
  TFilterData& second = f.GetColFilter(5);
  EXPECT_EQ(second.Operation, foAND);
  EXPECT_EQ(&f.GetColFilter(2), &first);
  EXPECT_EQ(f.Count(), 2);
  EXPECT_TRUE(f.HasFilter(5));
  EXPECT_FALSE(f.HasFilter(3));
  EXPECT_EQ(f.GetOwner(), &g);
}

TEST(Filter, InsertLeavesTheOperationAndRemoveTakesEveryItemOfTheColumn) {
  TPlexStringGrid g(nullptr);
  TFilter& f = g.Filter();
  f.Add().Column = 1;
  f.Insert(0).Column = 3;
  f.Add().Column = 1;
  EXPECT_EQ(f.Items(1).Operation, foSHORT);
  EXPECT_EQ(f.Items(1).Column, 3);  // appended, whatever the index
  f.RemoveColumnFilter(1);
  ASSERT_EQ(f.Count(), 1);
  EXPECT_EQ(f.Items(0).Column, 3);
}

TEST(Filter, FilterDataAssignLeavesOutMethod) {
  TFilterData source;
  source.Column = 4;
  source.Condition = ">3";
  source.CaseSensitive = false;
  source.Prefix = "p";
  source.Suffix = "s";
  source.Operation = foOR;
  source.Method = fmLiteral;
  source.Data = fcRow;
  TFilterData copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.Column, 4);
  EXPECT_EQ(copy.Condition, ">3");
  EXPECT_FALSE(copy.CaseSensitive);
  EXPECT_EQ(copy.Prefix, "p");
  EXPECT_EQ(copy.Suffix, "s");
  EXPECT_EQ(copy.Operation, foOR);
  EXPECT_EQ(copy.Data, fcRow);
  EXPECT_EQ(copy.Method, fmExpression);
}

}  // namespace

namespace {

// Column 1 holds the texts from row 1 on.
void FillColumn1(TPlexStringGrid& g, const QStringList& Texts) {
  g.SetRowCount(int(Texts.size()) + 1);
  for (int i = 0; i < Texts.size(); ++i) g.SetCells(1, i + 1, Texts[i]);
}

QStringList ShownColumn1(TPlexStringGrid& g) {
  QStringList shown;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) shown << g.Cells(1, r);
  return shown;
}

}  // namespace

TEST(Filter, FilterActiveHidesTheRejectedRowsAndBringsThemBack) {
  TPlexStringGrid g(nullptr);
  const QStringList texts{"apple", "banana", "Avocado", "cherry", "apricot"};
  FillColumn1(g, texts);
  TFilterData& f = g.Filter().ColFilter(1);
  f.Condition = "a*";
  f.CaseSensitive = false;
  g.SetTopRow(3);
  g.SetFilterActive(true);
  EXPECT_TRUE(g.FilterActive());
  EXPECT_EQ(ShownColumn1(g), QStringList({"apple", "Avocado", "apricot"}));
  EXPECT_EQ(g.TopRow(), g.FixedRows());
  EXPECT_EQ(g.FilterLevel(), 1);
  g.SetFilterActive(false);
  EXPECT_FALSE(g.FilterActive());
  EXPECT_EQ(ShownColumn1(g), texts);
}

TEST(Filter, ConditionsJoinLeftToRightAndTheCustomFilterDecidesLast) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(2);
  const auto condition = [&g](int Col, const QString& Text, TFilterOperation Op, TFilterCells Data = fcVirtual) {
    TFilterData& d = g.Filter().Add();
    d.Column = int16_t(Col);
    d.Condition = Text;
    d.Operation = Op;
    d.Data = Data;
  };
  struct Case {
    const char* Name;
    QStringList Row;  // columns 1..3
    bool Matches;
  };
  // (col1 = a or col2 = b) and col3 = c
  condition(1, "a", foNONE);
  condition(2, "b", foOR);
  condition(3, "c", foAND);
  const Case joined[] = {
      {"first alone, third", {"a", "x", "c"}, true},
      {"second alone, third", {"x", "b", "c"}, true},
      {"either, not the third", {"a", "b", "x"}, false},
      {"neither", {"x", "x", "c"}, false},
  };
  for (const Case& c : joined) {
    for (int i = 0; i < 3; ++i) g.SetCells(i + 1, 1, c.Row[i]);
    EXPECT_EQ(g.RowMatchesFilter(1), c.Matches) << c.Name;
  }
  // A failing short-cut condition ends the scan; the custom filter still has the last word.
  g.Filter().Clear();
  condition(1, "z", foSHORT);
  condition(2, "b", foOR);
  for (int i = 0; i < 3; ++i) g.SetCells(i + 1, 1, QStringList({"a", "b", "c"})[i]);
  EXPECT_FALSE(g.RowMatchesFilter(1));
  bool asked = false;
  g.OnCustomFilter = [&](TObject*, int, bool& accept) {
    asked = !accept;
    accept = true;
  };
  EXPECT_TRUE(g.RowMatchesFilter(1));
  EXPECT_TRUE(asked);
  g.OnCustomFilter = nullptr;
  // A whole-row condition looks for its text in any cell, in any case.
  g.Filter().Clear();
  condition(0, "ab", foNONE, fcRow);
  g.SetCells(3, 1, "xAby");
  EXPECT_TRUE(g.RowMatchesFilter(1));
  g.SetCells(3, 1, "xy");
  EXPECT_FALSE(g.RowMatchesFilter(1));
}
