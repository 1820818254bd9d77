#include "platform/ActnList.h"
#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A control with the platform's click, callable from the test.
class TClickable : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  void PublicClick() { Click(); }
};

struct ActionFixture : ::testing::Test {
  std::unique_ptr<TComponent> Owner = std::make_unique<TComponent>(nullptr);
  TAction* Action = new TAction(Owner.get());
  TClickable* Control = new TClickable(Owner.get());
};

}  // namespace

TEST_F(ActionFixture, BindingTakesTheActionsStateAndFollowsItsChanges) {
  Action->SetCaption("&Find");
  Action->SetHint("Find the text");
  Action->SetEnabled(false);
  Control->SetAction(Action);
  EXPECT_EQ(Control->Action(), Action);
  EXPECT_EQ(Control->Caption(), "&Find");
  EXPECT_EQ(Control->Hint(), "Find the text");
  EXPECT_FALSE(Control->Enabled());

  Action->SetCaption("Find &next");
  Action->SetEnabled(true);
  Action->SetVisible(false);
  EXPECT_EQ(Control->Caption(), "Find &next");
  EXPECT_TRUE(Control->Enabled());
  EXPECT_FALSE(Control->Visible());
}

TEST_F(ActionFixture, AControlThatWentItsOwnWayNoLongerFollows) {
  Action->SetCaption("One");
  Control->SetAction(Action);
  Control->SetCaption("Mine");
  Action->SetCaption("Two");
  EXPECT_EQ(Control->Caption(), "Mine");
}

TEST_F(ActionFixture, AClickRunsOnClickWhenSetOtherwiseTheAction) {
  int executed = 0, clicked = 0;
  TObject* component = nullptr;
  Action->OnExecute = [&](TObject* sender) {
    ++executed;
    component = static_cast<TBasicAction*>(sender)->ActionComponent;
  };
  Control->SetAction(Action);
  Control->PublicClick();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(component, Control);
  EXPECT_EQ(Action->ActionComponent, nullptr);
  Control->OnClick = [&](TObject*) { ++clicked; };
  Control->PublicClick();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(clicked, 1);
}

TEST_F(ActionFixture, AFreedActionLeavesTheControlWithoutOne) {
  Control->SetAction(Action);
  delete Action;
  EXPECT_EQ(Control->Action(), nullptr);
  Control->PublicClick();  // nothing to run, nothing to crash
}

TEST_F(ActionFixture, AFreedControlUnbindsItsLink) {
  Control->SetAction(Action);
  delete Control;
  Action->SetCaption("after");  // no client left to tell
  SUCCEED();
}

TEST(ActionLink, ClientsHearOfAChangeBeforeTheActionStoresIt) {
  struct TProbeLink : TActionLink {
    bool Seen = true;
    TCustomAction* A = nullptr;
    void SetChecked(bool Value) override {
      Seen = A->Checked();
      (void)Value;
    }
  };
  TAction action(nullptr);
  TProbeLink link;
  link.A = &action;
  link.SetAction(&action);
  action.SetChecked(true);
  EXPECT_FALSE(link.Seen);
  EXPECT_TRUE(action.Checked());
  link.SetAction(nullptr);
}
