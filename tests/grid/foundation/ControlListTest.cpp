#include "grid/foundation/ControlList.h"

#include "platform/Controls.h"

#include <gtest/gtest.h>

TEST(ControlList, ItemsAreOwnedControlsAreNot) {
  TWinControl a(nullptr), b(nullptr);
  TGraphicControl g(nullptr);
  {
    TControlList list;
    list.AddControl(1, 2, &a);
    list.AddControl(3, 4, &g);
    list.AddControl(1, 2, &b);
    EXPECT_EQ(list.ControlIndex(1, 2), 0);
    EXPECT_EQ(list.ControlIndex(3, 4), 1);
    EXPECT_EQ(list.ControlIndex(2, 1), -1);
    EXPECT_TRUE(list.HasHandle(WindowHandle(&b)));
    EXPECT_FALSE(list.HasHandle(WindowHandle(&g)));  // not a windowed control
    list.RemoveControl(0);
    EXPECT_EQ(list.GetControl(0)->Control, &g);
    EXPECT_EQ(list.ControlIndex(1, 2), 1);
  }
  EXPECT_EQ(a.Width(), 0);  // the controls outlive the list
  a.SetWidth(5);
  EXPECT_EQ(a.Width(), 5);
}
