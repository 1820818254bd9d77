#include "grid/foundation/FileStringList.h"

#include <gtest/gtest.h>

TEST(FileStringList, WritesLinesAndReadsThemBack) {
  TFileStringList l;
  EXPECT_TRUE(l.Eof());
  l.Write("a");
  l.Write("b");
  l.WriteLn("c");
  l.WriteLn("");
  l.Write("pending");
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l[0], "abc");
  EXPECT_EQ(l[1], "");
  l.Reset();
  l.WriteLn("d");  // the pending text was dropped by Reset
  EXPECT_EQ(l[2], "d");
  l.Reset();
  QString s;
  l.ReadLn(s);
  EXPECT_EQ(s, "abc");
  l.ReadLn(s);
  EXPECT_FALSE(l.Eof());
  l.ReadLn(s);
  EXPECT_EQ(s, "d");
  EXPECT_TRUE(l.Eof());
  EXPECT_THROW(l.ReadLn(s), EListError);
}
