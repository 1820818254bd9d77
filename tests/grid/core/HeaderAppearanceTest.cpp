// The drop-down bar looks: which writes tell the owning bar, and what Assign copies.
#include "grid/core/HeaderAppearance.h"

#include "grid/core/FooterAppearance.h"

#include <gtest/gtest.h>

namespace {

TEST(HeaderAppearance, OnlyVisibleTellsTheBarAndButtonsTellTheirCollection) {
  THeaderAppearance look;
  int changes = 0, buttonChanges = 0;
  look.OnChange = [&](TObject*) { ++changes; };
  look.OnButtonsChanged = [&](TObject*) { ++buttonChanges; };
  look.Height = 30;
  look.Color = clRed;
  look.SetVisible(true);
  EXPECT_EQ(changes, 0);
  look.SetVisible(false);
  EXPECT_EQ(changes, 1);

  THeaderButton& button = look.Buttons().Add();
  EXPECT_EQ(buttonChanges, 1);
  button.SetCaption("Go");
  button.SetCaption("Go");
  button.SetEnabled(false);
  button.SetWidth(40);
  EXPECT_EQ(buttonChanges, 4);
  button.Height = 12;  // stored only
  button.ImageIndex = 3;
  EXPECT_EQ(buttonChanges, 4);
}

TEST(HeaderAppearance, AssignCopiesEverythingAndAssignColorsOnlyTheColours) {
  TFooterAppearance source;
  source.Caption = "foot";
  source.Height = 40;
  source.ColorTo = clNone;
  source.SizeGrip = false;
  source.SetVisible(false);
  source.Font().SetName("Verdana");
  TFooterButton& ok = source.Buttons().Add();
  ok.SetCaption("OK");
  ok.ModalResult = mrOk;
  ok.Height = 18;

  TFooterAppearance copy;
  int changes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(copy.Visible());
  EXPECT_EQ(copy.Caption, "foot");
  EXPECT_EQ(copy.Height, 40);
  EXPECT_FALSE(copy.SizeGrip);
  EXPECT_EQ(copy.Font().Name(), "Verdana");
  ASSERT_EQ(copy.Buttons().Count(), 1);
  EXPECT_EQ(copy.Buttons().Items(0).ModalResult, mrOk);
  EXPECT_EQ(copy.Buttons().Items(0).Height, 18);

  THeaderAppearance header;
  header.Assign(&source);  // another class: ignored
  EXPECT_TRUE(header.Visible());

  TFooterAppearance colours;
  colours.AssignColors(source);
  EXPECT_EQ(colours.ColorTo, clNone);
  EXPECT_EQ(colours.Font().Name(), "Verdana");
  EXPECT_EQ(colours.Height, 22);
  EXPECT_EQ(colours.Caption, "");
  EXPECT_EQ(colours.Buttons().Count(), 0);
}

}  // namespace
