// The seeded generator: repeatable from a seed, inside its range, 0 for an empty range.
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

TEST(Random, SameSeedSameNumbersWithinTheRange) {
  const auto draw = [] {
    std::vector<int> v;
    for (int i = 0; i < 50; ++i) v.push_back(Random(7));
    return v;
  };
  RandSeed(42);
  const std::vector<int> first = draw();
  RandSeed(42);
  EXPECT_EQ(draw(), first);
  for (int v : first) EXPECT_TRUE(v >= 0 && v < 7) << v;
  EXPECT_NE(std::count(first.begin(), first.end(), first[0]), 50) << "the numbers vary";
  for (int range : {0, -3}) EXPECT_EQ(Random(range), 0) << range;
  EXPECT_EQ(Random(1), 0);
}

}  // namespace
