#include "grid/foundation/SortIndexList.h"

#include <gtest/gtest.h>

TEST(SortIndexList, TextForm) {
  TSortIndexList l;
  EXPECT_EQ(l.SaveToString(), "");
  l.AddIndex(3, true);
  l.AddIndex(0, false);
  EXPECT_EQ(l.SaveToString(), "u3;d0");
  l.Clear();
  l.AddIndex(70000, false);
  EXPECT_EQ(l.SaveToString(), "d4464");
  EXPECT_EQ(l.GetSortColumns(0), 70000);
}

TEST(SortIndexList, LoadFromStringIsLenient) {
  TSortIndexList l;
  l.AddIndex(1, true);
  int changes = 0;
  l.OnChange = [&](TObject*, int, int) { ++changes; };
  l.LoadFromString("U5;d2;x;;u7");
  EXPECT_EQ(changes, 3);
  ASSERT_EQ(l.Count(), 3);
  EXPECT_EQ(l.GetSortColumns(0), 5);
  EXPECT_FALSE(l.GetSortDirections(0));  // capital U is not "u"
  EXPECT_EQ(l.GetSortColumns(1), 2);
  EXPECT_FALSE(l.GetSortDirections(1));
  EXPECT_EQ(l.GetSortColumns(2), 7);
  EXPECT_TRUE(l.GetSortDirections(2));

  struct Case {
    const char* Text;
    int Column;
  };
  constexpr Case cases[] = {{"u12ab", 12}, {"u$1F", 31}, {"ux10", 16}, {"u0x10", 16}, {"u 4", 4}, {"uzz", 0}};
  for (const Case& c : cases) {
    l.LoadFromString(c.Text);
    ASSERT_EQ(l.Count(), 1) << c.Text;
    EXPECT_EQ(l.GetSortColumns(0), c.Column) << c.Text;
  }
}

TEST(SortIndexList, DirectionBitIsIgnoredWhenComparingColumns) {
  TSortIndexList l;
  l.AddIndex(4, false);
  l.AddIndex(2, true);
  l.AddIndex(4, true);
  EXPECT_EQ(l.FindIndex(4), 0);
  EXPECT_EQ(l.FindIndex(9), -1);
  l.ToggleIndex(4);
  EXPECT_TRUE(l.GetSortDirections(0));
  EXPECT_TRUE(l.GetSortDirections(2));  // only the first entry of the column flips
  l.ToggleIndex(9);
  l.SetSortColumns(0, 6);
  EXPECT_EQ(l.GetSortColumns(0), 6);
  EXPECT_TRUE(l.GetSortDirections(0));
  l.SetSortDirections(1, false);
  EXPECT_EQ(l.SaveToString(), "u6;d2;u4");
}
