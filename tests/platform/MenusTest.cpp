#include "platform/Menus.h"

#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// Records the WM_COMMAND messages it receives.
class TCommandProbe : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<WPARAM> Commands;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_COMMAND) Commands.push_back(m.WParam);
    TCustomControl::WndProc(m);
  }
};
}  // namespace

TEST(PopupMenu, ScriptedChoiceRunsTheItemsClick) {
  TScriptedPopupScope scope;
  scope.Service().Answers = {1, -1};
  TPopupMenu menu(nullptr);
  menu.Tag = 7;
  menu.Add("one");
  TMenuItem* two = menu.Add("two");
  two->Tag = 22;
  intptr_t clicked = 0;
  two->OnClick = [&](TObject* s) { clicked = static_cast<TMenuItem*>(s)->Tag; };
  menu.Popup(100, 200);
  EXPECT_EQ(clicked, 22);
  EXPECT_EQ(menu.LastChosen(), two);
  ASSERT_EQ(scope.Service().Shown.size(), 1u);
  EXPECT_EQ(scope.Service().Shown[0].Captions, QStringList({"one", "two"}));
  EXPECT_EQ(scope.Service().Shown[0].ScreenPos, TPoint(100, 200));
  clicked = 0;
  menu.Popup(1, 1);  // dismissed
  EXPECT_EQ(clicked, 0);
  EXPECT_EQ(menu.LastChosen(), nullptr);
}

TEST(PopupMenu, RawMenuReportsTheCommandIdAsWmCommand) {
  TScriptedPopupScope scope;
  scope.Service().Answers = {2, 0, -1};
  TForm form(nullptr);
  auto* owner = new TCommandProbe(&form);
  TPopupMenu menu(nullptr);
  for (int i = 0; i < 3; ++i) menu.Add(QString("u%1").arg(i), i + 1);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_LEFTBUTTON, 5, 6, owner), 3);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_LEFTBUTTON | TPM_RETURNCMD, 5, 6, owner), 1);
  EXPECT_EQ(TrackPopupMenu(menu, TPM_LEFTBUTTON, 5, 6, owner), 0);
  EXPECT_EQ(owner->Commands, std::vector<WPARAM>({3}));
  EXPECT_EQ(scope.Service().Shown.back().Flags, TPM_LEFTBUTTON);
}
