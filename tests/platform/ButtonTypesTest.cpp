#include "platform/ButtonTypes.h"

#include <gtest/gtest.h>

TEST(IsAccel, TheCharacterAfterTheLastSingleAmpersand) {
  struct Case {
    const char* Caption;
    char Ch;
    bool Accel;
  } cases[] = {
      {"&Find", 'f', true}, {"&Find", 'F', true},  {"Find", 'f', false}, {"Fi&&nd", 'n', false}, {"&a&b", 'b', true},
      {"&a&b", 'a', false}, {"Find&", 'f', false}, {"", 'f', false},     {"&&&x", 'x', true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAccel(QChar(c.Ch), c.Caption), c.Accel) << c.Caption << " " << c.Ch;
}
