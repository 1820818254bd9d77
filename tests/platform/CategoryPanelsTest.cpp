#include "platform/CategoryPanels.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct GroupFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TCategoryPanelGroup* Group = nullptr;
  std::vector<TCategoryPanel*> P;
  void SetUp() override {
    Form->SetClientWidth(300);
    Form->SetClientHeight(300);
    Group = new TCategoryPanelGroup(Form.get());
    Group->SetParent(Form.get());
    Group->SetBounds(0, 0, 300, 300);
    for (int i = 0; i < 3; ++i) {
      auto* p = new TCategoryPanel(Form.get());
      p->SetPanelGroup(Group);
      p->SetCaption(QString("Panel %1").arg(i));
      P.push_back(p);
    }
  }
  std::vector<int> Tops() const {
    std::vector<int> t;
    for (auto* p : P) t.push_back(p->Visible() ? p->Top() : -1);
    return t;
  }
};
}  // namespace

TEST_F(GroupFixture, PanelsStackByTopWithoutGaps) {
  P[0]->SetHeight(60);
  P[1]->SetHeight(100);
  P[2]->SetHeight(80);
  // Order by Top values: 2, 0, 1.
  P[2]->SetTop(-50);
  P[0]->SetTop(500);
  P[1]->SetTop(900);
  EXPECT_EQ(Tops(), std::vector<int>({80, 140, 0}));
  P[2]->SetHeight(30);  // a height change stacks again
  EXPECT_EQ(Tops(), std::vector<int>({30, 90, 0}));
  P[0]->Hide();
  EXPECT_EQ(Tops(), std::vector<int>({-1, 30, 0}));
}

TEST_F(GroupFixture, CollapsedPanelShowsItsHeaderAndKeepsTheHeightSetMeanwhile) {
  for (int i = 0; i < 3; ++i) P[i]->SetBounds(0, i * 1000, 100, 100);
  P[0]->SetCollapsed(true);
  EXPECT_EQ(P[0]->Height(), 24);
  EXPECT_EQ(P[1]->Top(), 24);
  P[0]->SetHeight(151);  // set while collapsed
  EXPECT_EQ(P[0]->Height(), 24);
  EXPECT_EQ(P[0]->ClientWidget()->isVisibleTo(P[0]->Widget()), false);
  P[0]->SetCollapsed(false);
  EXPECT_EQ(P[0]->Height(), 151);
  EXPECT_EQ(P[1]->Top(), 151);
  EXPECT_EQ(P[0]->ClientWidget()->geometry(), QRect(0, 24, P[0]->Width(), 127));
}

TEST_F(GroupFixture, HeaderClickCollapsesAndExpands) {
  Form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  int collapses = 0, expands = 0;
  P[1]->OnCollapse = [&](TObject*) { ++collapses; };
  P[1]->OnExpand = [&](TObject*) { ++expands; };
  QTest::mouseClick(P[1]->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  EXPECT_TRUE(P[1]->Collapsed());
  QTest::mouseClick(P[1]->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  EXPECT_FALSE(P[1]->Collapsed());
  EXPECT_EQ(collapses, 1);
  EXPECT_EQ(expands, 1);
  P[1]->SetEnabled(false);  // a disabled panel does not toggle
  QTest::mouseClick(P[1]->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  EXPECT_FALSE(P[1]->Collapsed());
}

TEST_F(GroupFixture, ChildrenLieBelowTheHeaderAndScrollMessagesMoveByLines) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(P[0]);
  edit->SetBounds(191, 9, 238, 21);
  P[0]->SetHeight(400);
  Form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  EXPECT_EQ(edit->Widget()->mapTo(P[0]->Widget(), QPoint(0, 0)), QPoint(191, 33));
  EXPECT_GT(Group->ScrollRange(), 0);
  Group->Perform(WM_VSCROLL, SB_LINEDOWN);
  Group->Perform(WM_VSCROLL, SB_ENDSCROLL);
  EXPECT_EQ(Group->ScrollPos(), Group->VertScrollIncrement);
  Group->Perform(WM_VSCROLL, SB_LINEUP);
  EXPECT_EQ(Group->ScrollPos(), 0);
}

TEST_F(GroupFixture, TheFormSeesTheWheelFirst) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(P[0]);
  Form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  int formCalls = 0, editCalls = 0;
  Form->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    ++formCalls;
    EXPECT_EQ(delta, -120);
    handled = true;
  };
  edit->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { ++editCalls; };
  QWheelEvent we(QPointF(5, 5), edit->Widget()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  we.setTimestamp(1234);
  QApplication::sendEvent(edit->Widget(), &we);
  EXPECT_EQ(formCalls, 1);
  EXPECT_EQ(editCalls, 0);
}

TEST_F(GroupFixture, MovingPanelsOneBelowTheOtherBuildsThatOrder) {
  // Order 2, 0, 1 by setting each Top to the bottom of the one before.
  for (auto* p : P) p->SetHeight(50);
  P[2]->SetTop(0);
  P[0]->SetTop(P[2]->Top() + P[2]->Height());
  P[1]->SetTop(P[0]->Top() + P[0]->Height());
  EXPECT_EQ(Tops(), std::vector<int>({50, 100, 0}));
}
