#include "grid/foundation/HandleList.h"

#include "platform/SysUtils.h"

#include <gtest/gtest.h>

TEST(HandleList, FirstOccurrenceAndIndexes) {
  THandleList l;
  l.Add(5);
  l.Add(7);
  l.Add(5);
  l.Insert(0, 9);
  EXPECT_TRUE(l.HasValue(5));
  l.DeleteValue(5);  // the first of the two
  ASSERT_EQ(l.Count(), 3);
  EXPECT_EQ(l.GetInteger(0), 9u);
  EXPECT_EQ(l.GetInteger(1), 7u);
  EXPECT_EQ(l.GetInteger(2), 5u);
  l.DeleteValue(42);
  EXPECT_EQ(l.Count(), 3);
  l.SetInteger(1, 8);
  l.Delete(0);
  EXPECT_EQ(l.GetInteger(0), 8u);
  EXPECT_THROW(l.GetInteger(2), EListError);
  EXPECT_THROW(l.Insert(4, 1), EListError);
}
