// The progress appearance tells of real changes only.
#include "grid/core/GridProgressAppearance.h"

#include <gtest/gtest.h>

namespace {

TEST(GridProgressAppearance, OnChangeFiresForRealChangesAndOnceForAssign) {
  TGridProgressAppearance look;
  EXPECT_EQ(look.CompleteColor(), 0x0000FF);
  EXPECT_EQ(look.UnCompleteColor(), clNone);
  EXPECT_EQ(look.Level2ColorTo(), 0xA8D3FF);
  EXPECT_EQ(look.Steps(), 11);
  EXPECT_EQ(look.Style(), psXP);
  int changes = 0;
  look.OnChange = [&](TObject*) { ++changes; };
  look.SetCompleteColor(0x0000FF);
  look.SetShowPercentage(true);
  EXPECT_EQ(changes, 0);
  look.SetSteps(20);
  look.SetStacked(true);
  EXPECT_EQ(changes, 2);

  TGridProgressAppearance source;
  source.SetStyle(psClassic);
  source.SetLevel1Perc(50);
  changes = 0;
  look.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(look.Style(), psClassic);
  EXPECT_EQ(look.Level1Perc(), 50);
  EXPECT_EQ(look.Steps(), 11);
}

}  // namespace
