#include "platform/PopupWindows.h"

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

TEST(PopupWindows, StylesBecomeAFramelessTopLevelWindow) {
  TWinControl owner(nullptr);
  auto* w = new TCustomControl(&owner);
  w->SetParent(&owner);
  EXPECT_EQ(GetWindowStyle(w), WS_CHILD);
  SetWindowStyles(w, WS_POPUP | WS_DISABLED, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowStyle(w), WS_POPUP | WS_DISABLED);
  EXPECT_EQ(GetWindowExStyle(w), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_TRUE(IsPopupWindow(w));
  QWidget* q = w->Widget();
  EXPECT_TRUE(q->isWindow());
  EXPECT_TRUE(q->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(q->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(q->windowFlags().testFlag(Qt::WindowTransparentForInput));
  EXPECT_TRUE(q->testAttribute(Qt::WA_ShowWithoutActivating));
  MoveWindow(w, 300, 200, 40, 30);
  EXPECT_EQ(q->geometry(), QRect(300, 200, 40, 30));
  ShowWindow(w, true);
  EXPECT_TRUE(q->isVisible());
  ShowWindow(w, false);
  EXPECT_FALSE(q->isVisible());
}

TEST(PopupWindows, WindowRegionAndPolygonRegions) {
  TCustomControl w(nullptr);
  w.SetBounds(0, 0, 10, 10);
  EXPECT_FALSE(HasWindowRgn(&w));
  EXPECT_TRUE(GetWindowRgn(&w).Contains(TPoint(9, 9)));
  const TRegion triangle = TRegion::CreatePolygonRgn({{0, 0}, {8, 0}, {0, 8}}, WINDING);
  SetWindowRgn(&w, &triangle, true);
  EXPECT_TRUE(HasWindowRgn(&w));
  EXPECT_TRUE(GetWindowRgn(&w).Contains(TPoint(1, 1)));
  EXPECT_FALSE(GetWindowRgn(&w).Contains(TPoint(7, 7)));
  SetWindowRgn(&w, nullptr, false);
  EXPECT_FALSE(HasWindowRgn(&w));
  // A star drawn in one stroke: winding fills its centre, alternate leaves it out.
  const std::vector<TPoint> star = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  EXPECT_TRUE(TRegion::CreatePolygonRgn(star, WINDING).Contains(TPoint(10, 10)));
  EXPECT_FALSE(TRegion::CreatePolygonRgn(star, ALTERNATE).Contains(TPoint(10, 10)));
}

TEST(PopupWindows, APostedTabMovesTheFocus) {
  TForm form(nullptr);
  auto* a = new TEdit(&form);
  a->SetParent(&form);
  a->SetTabStop(true);
  auto* b = new TEdit(&form);
  b->SetParent(&form);
  b->SetBounds(0, 30, 80, 22);
  b->SetTabStop(true);
  form.Show();
  QApplication::setActiveWindow(form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  a->SetFocus();
  PostKeyStroke(a, VK_TAB);
  EXPECT_TRUE(a->Focused());  // queued behind the current handler
  QApplication::processEvents();
  EXPECT_TRUE(b->Focused());
}
