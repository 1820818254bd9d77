#include "platform/BiDi.h"

#include <gtest/gtest.h>

TEST(BiDi, SystemLocaleReadsLeftToRightUnlessATestSaysOtherwise) {
  EXPECT_FALSE(SysLocaleMiddleEast());
  SetSysLocaleMiddleEast(true);
  EXPECT_TRUE(SysLocaleMiddleEast());
  SetSysLocaleMiddleEast(false);
  EXPECT_FALSE(SysLocaleMiddleEast());
}
