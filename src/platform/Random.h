// The process's one seeded random generator: the same seed gives the same
// numbers in the same order, so filled test data can be repeated.
#pragma once

void RandSeed(unsigned Seed);
// A number from 0 to Range - 1; 0 for a Range of 0 or less.
int Random(int Range);
