#include "platform/PopupMenu.h"

#include <gtest/gtest.h>

TEST(PopupMenu, OpeningTellsOfIt) {
  TPopupMenu menu(nullptr);
  int popups = 0;
  menu.OnPopup = [&](TObject* sender) {
    EXPECT_EQ(sender, &menu);
    ++popups;
  };
  menu.Popup(40, 70);
  EXPECT_EQ(popups, 1);
}

TEST(PopupMenu, ItsRemovalReachesWhoAskedToHear) {
  struct TWatcher : TComponent {
    using TComponent::TComponent;
    TComponent* Removed = nullptr;
    void Notification(TComponent* c, TOperation op) override {
      TComponent::Notification(c, op);
      if (op == TOperation::opRemove) Removed = c;
    }
  } watcher(nullptr);
  auto* menu = new TPopupMenu(nullptr);
  watcher.FreeNotification(menu);
  delete menu;
  EXPECT_EQ(watcher.Removed, menu);
}
