#include "platform/FindControl.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QCursor>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

TEST(FindDragTarget, DisabledControlsCountOnlyWhenAllowed) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(100, 100, 300, 200);
  auto* panel = new TWinControl(form.get());
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 200, 100);
  auto* inner = new TGraphicControl(form.get());
  inner->SetParent(panel);
  inner->SetBounds(20, 20, 40, 30);
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));

  const TPoint onInner = inner->ClientToScreen(TPoint(5, 5));
  EXPECT_EQ(FindDragTarget(onInner, false), inner);
  EXPECT_EQ(FindDragTarget(panel->ClientToScreen(TPoint(150, 80)), false), panel);
  inner->SetEnabled(false);
  EXPECT_EQ(FindDragTarget(onInner, true), inner);
  EXPECT_EQ(FindDragTarget(onInner, false), panel);
  EXPECT_EQ(FindDragTarget(TPoint(5000, 5000), true), nullptr);
}

TEST(CursorPos, IsTheMouseCursorOnTheScreen) {
  QCursor::setPos(QPoint(123, 45));
  EXPECT_EQ(CursorPos(), TPoint(123, 45));
}
