#include "grid/foundation/PlexGridButtonActionLink.h"

#include "grid/foundation/PlexGridButton.h"
#include "platform/ActnList.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct LinkFixture : ::testing::Test {
  std::unique_ptr<TComponent> Owner = std::make_unique<TComponent>(nullptr);
  TAction* Action = new TAction(Owner.get());
  TPlexGridButton* Button = new TPlexGridButton(Owner.get());
};

}  // namespace

TEST_F(LinkFixture, TheButtonAnswersItsOwnLink) {
  Button->SetAction(Action);
  TGraphicControl other(nullptr);
  EXPECT_THROW(TPlexGridButtonActionLink{&other}, EInvalidCast);
}

TEST_F(LinkFixture, CheckedDrivesDownOnlyInAnAllUpGroupThatAgrees) {
  Button->SetAction(Action);
  Action->SetChecked(true);
  EXPECT_FALSE(Button->Down()) << "no group";
  Action->SetChecked(false);
  Button->SetGroupIndex(3);
  Button->SetAllowAllUp(true);
  Action->SetChecked(true);
  EXPECT_TRUE(Button->Down());
  Action->SetChecked(false);
  EXPECT_FALSE(Button->Down());
  Button->SetAllowAllUp(false);
  Action->SetChecked(true);
  EXPECT_FALSE(Button->Down());
}

TEST_F(LinkFixture, GroupIndexAndCaptionFollowWhileTheyAgree) {
  Action->SetCaption("&Next");
  Button->SetAction(Action);
  EXPECT_EQ(Button->Caption(), "&Next");
  Action->SetCaption("&Previous");
  EXPECT_EQ(Button->Caption(), "&Previous");
  Action->SetGroupIndex(2);
  EXPECT_EQ(Button->GroupIndex(), 2);
  Button->SetGroupIndex(5);
  Action->SetGroupIndex(6);
  EXPECT_EQ(Button->GroupIndex(), 5);
}

TEST_F(LinkFixture, AButtonGoingUpInItsGroupUnchecksItsAction) {
  auto* parent = new TWinControl(Owner.get());
  auto* other = new TPlexGridButton(Owner.get());
  for (TPlexGridButton* b : {Button, other}) {
    b->SetParent(parent);
    b->SetGroupIndex(1);
  }
  Button->SetAction(Action);
  Button->SetDown(true);
  Action->SetChecked(true);
  other->SetDown(true);
  EXPECT_FALSE(Button->Down());
  EXPECT_FALSE(Action->Checked());
}
