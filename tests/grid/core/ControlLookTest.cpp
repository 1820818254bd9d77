// The control look's fixed-gradient colours reach the grid's colours; Assign copies without side effects.
#include "grid/core/ControlLook.h"

#include "grid/core/PlexStringGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlLook, FixedGradientWritesReachTheGridOnlyWhereTheTableSays) {
  TPlexStringGrid g(nullptr);
  TControlLook& look = g.ControlLook();
  look.SetFixedGradientFrom(0x123456);
  EXPECT_EQ(g.OrvGradientFrom(), 0x123456);
  look.SetFixedGradientFrom(clNone);  // none leaves the grid's colour
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
  EXPECT_EQ(g.OrvGradientFrom(), 0x123456);
  look.SetFixedGradientMirrorTo(clRed);
  EXPECT_EQ(g.OrvGradientMirrorTo(), clRed);
  look.SetFixedGradientMirrorTo(clNone);  // mirror colours are always handed on
  EXPECT_EQ(g.OrvGradientMirrorTo(), clNone);
  look.SetFixedGradientHoverFrom(clBtnFace);  // system colours arrive as RGB
  EXPECT_EQ(g.OrvGradientHoverFrom(), ColorToRGB(clBtnFace));
  look.SetFixedGradientDownBorder(0xD5BCAA);
  EXPECT_EQ(g.OrvGradientDownBorder(), 0xD5BCAA);
}

TEST(ControlLook, DefaultsAndInit) {
  TControlLook look;
  EXPECT_EQ(look.CheckSize, 15);
  EXPECT_EQ(look.RadioSize, 10);
  EXPECT_EQ(look.ControlStyle, csTheme);
  EXPECT_EQ(look.DropDownCount, 8);
  EXPECT_EQ(look.FixedGradientHoverFrom(), 0x808080);
  EXPECT_EQ(look.FixedGradientHoverTo(), 0xFFFFFF);
  EXPECT_EQ(look.FixedGradientDownTo(), 0xC0C0C0);
  EXPECT_EQ(look.FixedGradientHoverBorder(), 0xC0C0C0);
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
  EXPECT_TRUE(look.DropDownHeader().Visible());
  EXPECT_EQ(look.DropDownHeader().Font().Name(), "Tahoma");
  look.SetFixedGradientHoverFrom(0x111111);
  look.CommentColor = clNone;
  look.Init();
  EXPECT_EQ(look.FixedGradientHoverFrom(), 0x808080);
  EXPECT_EQ(look.CommentColor, clRed);
}

TEST(ControlLook, AssignCopiesTheLookButNotThePaintingSwitchesAndLeavesTheGridAlone) {
  TPlexStringGrid g(nullptr);
  TControlLook source;
  source.SetFixedGradientHoverFrom(0xCFD0D1);
  source.SetFixedGradientFrom(0x010203);
  source.CheckSize = 20;
  source.FlatButton = true;
  source.ProgressXP = true;
  source.NoDisabledCheckRadioLook = true;
  source.NoDisabledButtonLook = true;
  source.FixedDropDownButton = true;
  source.DropDownHeader().Caption = "head";
  source.DropDownFooter().Buttons().Add().SetCaption("OK");
  const TColor before = g.OrvGradientFrom();
  const TColor hoverBefore = g.OrvGradientHoverFrom();

  g.ControlLook().Assign(&source);
  const TControlLook& copy = g.ControlLook();
  EXPECT_EQ(copy.FixedGradientHoverFrom(), 0xCFD0D1);
  EXPECT_EQ(copy.FixedGradientFrom(), 0x010203);
  EXPECT_EQ(copy.CheckSize, 20);
  EXPECT_FALSE(copy.FlatButton);
  EXPECT_FALSE(copy.ProgressXP);
  EXPECT_FALSE(copy.NoDisabledCheckRadioLook);
  EXPECT_FALSE(copy.NoDisabledButtonLook);
  EXPECT_FALSE(copy.FixedDropDownButton);
  EXPECT_EQ(g.ControlLook().DropDownHeader().Caption, "head");
  ASSERT_EQ(g.ControlLook().DropDownFooter().Buttons().Count(), 1);
  EXPECT_EQ(g.ControlLook().DropDownFooter().Buttons().Items(0).Caption(), "OK");
  EXPECT_EQ(g.OrvGradientFrom(), before);
  EXPECT_EQ(g.OrvGradientHoverFrom(), hoverBefore);
}

}  // namespace
