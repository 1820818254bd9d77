#include "platform/Random.h"

#include <random>

namespace {
std::minstd_rand& Generator() {
  static std::minstd_rand generator(0);
  return generator;
}
}  // namespace

void RandSeed(unsigned Seed) { Generator().seed(Seed); }

int Random(int Range) {
  if (Range <= 0) return 0;
  return std::uniform_int_distribution<int>(0, Range - 1)(Generator());
}
