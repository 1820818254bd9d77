#include "grid/editing/BalloonSettings.h"
#include "grid/editing/ShowModified.h"

#include <gtest/gtest.h>

TEST(EditSettings, Defaults) {
  TBalloonSettings b;
  EXPECT_FALSE(b.Enable());
  EXPECT_EQ(b.BackgroundColor, clNone);
  EXPECT_EQ(b.TextColor, clNone);
  EXPECT_EQ(b.InitialDelay, -1);
  EXPECT_EQ(b.ReshowDelay, -1);
  EXPECT_EQ(b.AutoHideDelay, -1);
  EXPECT_EQ(b.Transparency, 0);
  TShowModified m;
  EXPECT_FALSE(m.Enabled);
  EXPECT_EQ(m.Color(), clYellow);
}

TEST(EditSettings, AssignCopiesFieldsWithoutEventsAndOnlyFromItsOwnClass) {
  int balloonEvents = 0, modifiedEvents = 0;
  TBalloonSettings from, to;
  from.SetEnable(true);
  from.TextColor = clRed;
  from.BackgroundColor = clBlue;
  from.InitialDelay = 10;
  from.ReshowDelay = 20;
  from.AutoHideDelay = 30;
  from.Transparency = 40;
  to.OnEnableChange = [&](TObject*) { ++balloonEvents; };
  to.Assign(&from);
  EXPECT_TRUE(to.Enable());
  EXPECT_EQ(to.TextColor, clRed);
  EXPECT_EQ(to.BackgroundColor, clBlue);
  EXPECT_EQ(to.InitialDelay + to.ReshowDelay + to.AutoHideDelay, 60);
  EXPECT_EQ(to.Transparency, 0);  // not copied
  EXPECT_EQ(balloonEvents, 0);

  TShowModified m, n;
  n.SetColor(clLime);
  n.Enabled = true;
  m.OnChange = [&](TObject*) { ++modifiedEvents; };
  m.Assign(&n);
  EXPECT_EQ(m.Color(), clLime);
  EXPECT_TRUE(m.Enabled);
  EXPECT_EQ(modifiedEvents, 0);
  // Across classes: nothing changes and nothing is raised.
  TShowModified fresh;
  fresh.Assign(&from);
  EXPECT_EQ(fresh.Color(), clYellow);
  EXPECT_FALSE(fresh.Enabled);
  to.Assign(&n);
  EXPECT_TRUE(to.Enable());
}

TEST(EditSettings, ColourWriteNotifiesEnabledAloneDoesNot) {
  TShowModified m;
  std::vector<int> repainted;  // the grid repaints its first column on the notification
  m.OnChange = [&](TObject*) { repainted.push_back(0); };
  m.Enabled = true;
  EXPECT_TRUE(repainted.empty());
  m.SetColor(clAqua);
  EXPECT_EQ(repainted, std::vector<int>({0}));
  TBalloonSettings b;
  int enables = 0;
  b.OnEnableChange = [&](TObject*) { ++enables; };
  b.SetEnable(false);
  EXPECT_EQ(enables, 1);
}
