// The pop-up form that never takes activation.
#include "platform/NoActiveForm.h"

#include "platform/PopupWindows.h"

#include <gtest/gtest.h>

namespace {

TEST(NoActiveForm, IsADisabledBorderedPopupThatRefusesActivation) {
  TNoActiveForm form(nullptr);
  EXPECT_EQ(GetWindowStyle(&form), 0x88800000u);
  EXPECT_TRUE(IsPopupWindow(&form));
  EXPECT_EQ(form.Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
  EXPECT_EQ(form.Perform(WM_ACTIVATE, 1), 1);
}

}  // namespace
