#include "platform/CheckLst.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"

#include <QApplication>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct ListsOnAForm : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  template <class T>
  T* Make() {
    auto* l = new T(Form.get());
    l->SetParent(Form.get());
    l->SetBounds(0, 0, 150, 120);
    l->Items().Add("one");
    l->Items().Add("two");
    l->Items().Add("three");
    Form->SetClientWidth(200);
    Form->SetClientHeight(150);
    Form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    return l;
  }
  static QPoint BoxOf(QListWidget* w, int Item) {
    QStyleOptionViewItem option;
    option.rect = w->visualItemRect(w->item(Item));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    return w->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, w).center();
  }
};
}  // namespace

// A click on a box toggles it and tells; setting from code does not; new items get boxes.
TEST_F(ListsOnAForm, CheckListToggles) {
  auto* l = Make<TCheckListBox>();
  int told = 0;
  l->OnClickCheck = [&](TObject*) { ++told; };
  QTest::mouseClick(l->List()->viewport(), Qt::LeftButton, {}, BoxOf(l->List(), 1));
  EXPECT_TRUE(l->Checked(1));
  EXPECT_EQ(told, 1);
  QTest::mouseClick(l->List()->viewport(), Qt::LeftButton, {}, BoxOf(l->List(), 1));
  EXPECT_FALSE(l->Checked(1));
  EXPECT_EQ(told, 2);
  l->SetChecked(2, true);
  EXPECT_TRUE(l->Checked(2));
  EXPECT_EQ(told, 2);
  l->Items().Add("four");
  QTest::mouseClick(l->List()->viewport(), Qt::LeftButton, {}, BoxOf(l->List(), 3));
  EXPECT_TRUE(l->Checked(3));
  EXPECT_THROW(l->Checked(4), EListError);
}

// Only a click on an item is reported, not a keyboard move.
TEST_F(ListsOnAForm, ItemClickIsTheMouseOnly) {
  auto* l = Make<TItemClickListBox>();
  int clicks = 0;
  l->OnItemClick = [&](TObject*) { ++clicks; };
  l->SetItemIndex(0);
  QTest::keyClick(l->List(), Qt::Key_Down);
  EXPECT_EQ(l->ItemIndex(), 1);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(l->List()->viewport(), Qt::LeftButton, {}, l->List()->visualItemRect(l->List()->item(2)).center());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(l->ItemIndex(), 2);
}
