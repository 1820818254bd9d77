// The clock override the tests of dated output rely on.
#include "platform/DateTime.h"

#include <gtest/gtest.h>

TEST(DateTimeClock, AnOverrideFixesNowDateAndTimeUntilCleared) {
  const TDateTime fixed = EncodeDate(2013, 1, 9) + EncodeTime(13, 30, 0, 0);
  SetNowOverride(fixed);
  EXPECT_EQ(Now(), fixed);
  EXPECT_EQ(Date(), EncodeDate(2013, 1, 9));
  EXPECT_DOUBLE_EQ(Time(), EncodeTime(13, 30, 0, 0));
  ClearNowOverride();
  EXPECT_GT(Date(), EncodeDate(2020, 1, 1));
}
