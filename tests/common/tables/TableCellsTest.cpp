// How the table editors read integers and flags out of their cells.
#include "common/tables/TableCells.h"

#include <gtest/gtest.h>

TEST(TableCells, IntegersAreReadOneWayAndAnythingElseIsMinusOne) {
  struct Case {
    const char* Text;
    int Value;
  } cases[] = {
      {"0x1F", 31},
      {"$1f", 31},
      {"  12", 12},
      {"-7", -7},
      {"+7", 7},
      {"-0x10", -16},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"0x7FFFFFFF", 2147483647},
      {"1F", -1},
      {"", -1},
      {"2147483648", -1},
      {"0x80000000", -1},
      {"12 ", -1},
      {"0x", -1},
      {"$", -1},
      {"-", -1},
      {"1.5", -1},
      {"\t3", -1},
      {"99999999999999999999", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(TableCellInt(c.Text), c.Value) << c.Text;
}

TEST(TableCells, FlagsAndKeysAreComparedTrimmed) {
  EXPECT_EQ(TableTrim(QString(" \t a b \r\n")), "a b");
  EXPECT_EQ(TableTrim(QString("\x01x\x1f")), "x");
  EXPECT_TRUE(TableFlagOn(" y "));
  EXPECT_FALSE(TableFlagOn("N"));
  EXPECT_FALSE(TableFlagOn("YES"));
  EXPECT_TRUE(TableFlagOn("1 ", "1"));
}
