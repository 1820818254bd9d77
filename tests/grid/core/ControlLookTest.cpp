// The control look's fixed-gradient colours reach the grid's colours; Assign copies without side effects.
#include "grid/core/ControlLook.h"

#include "grid/core/PlexStringGrid.h"

#include <gtest/gtest.h>

#include <functional>

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
  EXPECT_EQ(look.CheckSize(), 15);
  EXPECT_EQ(look.RadioSize(), 10);
  EXPECT_EQ(look.ControlStyle(), csTheme);
  EXPECT_EQ(look.DropDownCount, 8);
  EXPECT_EQ(look.FixedGradientHoverFrom(), 0x808080);
  EXPECT_EQ(look.FixedGradientHoverTo(), 0xFFFFFF);
  EXPECT_EQ(look.FixedGradientDownTo(), 0xC0C0C0);
  EXPECT_EQ(look.FixedGradientHoverBorder(), 0xC0C0C0);
  EXPECT_EQ(look.FixedGradientFrom(), clNone);
  EXPECT_TRUE(look.DropDownHeader().Visible());
  EXPECT_EQ(look.DropDownHeader().Font().Name(), "Tahoma");
  look.SetFixedGradientHoverFrom(0x111111);
  look.SetCommentColor(clNone);
  look.Init();
  EXPECT_EQ(look.FixedGradientHoverFrom(), 0x808080);
  EXPECT_EQ(look.CommentColor(), clRed);
}

TEST(ControlLook, AssignCopiesTheLookButNotThePaintingSwitchesAndLeavesTheGridAlone) {
  TPlexStringGrid g(nullptr);
  TControlLook source;
  source.SetFixedGradientHoverFrom(0xCFD0D1);
  source.SetFixedGradientFrom(0x010203);
  source.SetCheckSize(20);
  source.SetFlatButton(true);
  source.SetProgressXP(true);
  source.SetNoDisabledCheckRadioLook(true);
  source.SetNoDisabledButtonLook(true);
  source.FixedDropDownButton = true;
  source.DropDownHeader().Caption = "head";
  source.DropDownFooter().Buttons().Add().SetCaption("OK");
  const TColor before = g.OrvGradientFrom();
  const TColor hoverBefore = g.OrvGradientHoverFrom();

  g.ControlLook().Assign(&source);
  const TControlLook& copy = g.ControlLook();
  EXPECT_EQ(copy.FixedGradientHoverFrom(), 0xCFD0D1);
  EXPECT_EQ(copy.FixedGradientFrom(), 0x010203);
  EXPECT_EQ(copy.CheckSize(), 20);
  EXPECT_FALSE(copy.FlatButton());
  EXPECT_FALSE(copy.ProgressXP());
  EXPECT_FALSE(copy.NoDisabledCheckRadioLook());
  EXPECT_FALSE(copy.NoDisabledButtonLook());
  EXPECT_FALSE(copy.FixedDropDownButton);
  EXPECT_EQ(g.ControlLook().DropDownHeader().Caption, "head");
  ASSERT_EQ(g.ControlLook().DropDownFooter().Buttons().Count(), 1);
  EXPECT_EQ(g.ControlLook().DropDownFooter().Buttons().Items(0).Caption(), "OK");
  EXPECT_EQ(g.OrvGradientFrom(), before);
  EXPECT_EQ(g.OrvGradientHoverFrom(), hoverBefore);
}

}  // namespace

namespace {

class TRepaintCountingGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::TPlexStringGrid;
  int Repaints = 0;
  void Invalidate() override {
    ++Repaints;
    TPlexStringGrid::Invalidate();
  }
};

// Every write of the look's table that changes the value repaints the grid
// once; writing the value it has repaints nothing.
TEST(ControlLook, WritesRepaintTheGridWhenTheValueChanges) {
  TRepaintCountingGrid g(nullptr);
  TControlLook& look = g.ControlLook();
  struct TCase {
    const char* Name;
    std::function<void(bool Other)> Write;
  } cases[] = {
      {"CheckSize", [&](bool o) { look.SetCheckSize(o ? 20 : look.CheckSize()); }},
      {"RadioSize", [&](bool o) { look.SetRadioSize(o ? 14 : look.RadioSize()); }},
      {"ControlStyle", [&](bool o) { look.SetControlStyle(o ? csBorland : look.ControlStyle()); }},
      {"Color", [&](bool o) { look.SetColor(o ? clRed : look.Color()); }},
      {"CommentColor", [&](bool o) { look.SetCommentColor(o ? clNone : look.CommentColor()); }},
      {"ProgressMarginX", [&](bool o) { look.SetProgressMarginX(o ? 5 : look.ProgressMarginX()); }},
      {"ProgressMarginY", [&](bool o) { look.SetProgressMarginY(o ? 5 : look.ProgressMarginY()); }},
      {"ProgressXP", [&](bool o) { look.SetProgressXP(o ? !look.ProgressXP() : look.ProgressXP()); }},
      {"FlatButton", [&](bool o) { look.SetFlatButton(o ? !look.FlatButton() : look.FlatButton()); }},
      {"DropDownAlwaysVisible",
       [&](bool o) {
         look.SetDropDownAlwaysVisible(o ? !look.DropDownAlwaysVisible() : look.DropDownAlwaysVisible());
       }},
      {"SpinButtonsAlwaysVisible",
       [&](bool o) {
         look.SetSpinButtonsAlwaysVisible(o ? !look.SpinButtonsAlwaysVisible() : look.SpinButtonsAlwaysVisible());
       }},
      {"NoDisabledCheckRadioLook",
       [&](bool o) {
         look.SetNoDisabledCheckRadioLook(o ? !look.NoDisabledCheckRadioLook() : look.NoDisabledCheckRadioLook());
       }},
      {"NoDisabledButtonLook",
       [&](bool o) { look.SetNoDisabledButtonLook(o ? !look.NoDisabledButtonLook() : look.NoDisabledButtonLook()); }},
  };
  for (const TCase& c : cases) {
    g.Repaints = 0;
    c.Write(false);
    EXPECT_EQ(g.Repaints, 0) << c.Name << " unchanged";
    c.Write(true);
    EXPECT_EQ(g.Repaints, 1) << c.Name << " changed";
  }
}

}  // namespace
