#include "platform/WindowHandles.h"

#include "platform/Controls.h"

#include <gtest/gtest.h>

TEST(WindowHandles, AHandleFindsItsWindowWhileItLives) {
  HWND h = 0;
  {
    TWinControl w(nullptr);
    h = WindowHandle(&w);
    EXPECT_NE(h, 0u);
    EXPECT_EQ(WindowHandle(&w), h);
    EXPECT_EQ(FindControl(h), &w);
    TWinControl other(nullptr);
    EXPECT_NE(WindowHandle(&other), h);
  }
  EXPECT_EQ(FindControl(h), nullptr);
  EXPECT_EQ(SendMessage(h, WM_USER), 0);
  EXPECT_EQ(WindowHandle(nullptr), 0u);
}
