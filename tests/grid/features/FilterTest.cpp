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
