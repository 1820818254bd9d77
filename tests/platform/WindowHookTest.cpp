#include "platform/Forms.h"
#include "platform/WindowHook.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

std::vector<TCWPStruct> GSeen;

LRESULT Recorder(int Code, WPARAM WParam, LPARAM LParam) {
  GSeen.push_back(*reinterpret_cast<const TCWPStruct*>(LParam));
  return CallNextHookEx(0, Code, WParam, LParam);
}

// The form's own view of its position, to show the move still arrives.
class TMoveProbe : public QObject {
public:
  int Moves = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Move) ++Moves;
    return false;
  }
};

}  // namespace

TEST(WindowHook, AWindowMoveReachesTheHookAndStillTheWindow) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(50, 50, 200, 100);
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
  TMoveProbe probe;
  form->Widget()->installEventFilter(&probe);

  const int before = InstalledWindowHookCount();
  const HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, Recorder, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, 0u);
  EXPECT_EQ(InstalledWindowHookCount(), before + 1);
  GSeen.clear();
  form->Widget()->move(120, 90);
  QApplication::processEvents();
  bool seenForm = false;
  for (const TCWPStruct& s : GSeen) seenForm |= s.hwnd == form.get() && s.message == WM_WINDOWPOSCHANGED;
  EXPECT_TRUE(seenForm);
  EXPECT_GE(probe.Moves, 1);

  EXPECT_TRUE(UnhookWindowsHookEx(hook));
  EXPECT_FALSE(UnhookWindowsHookEx(hook));
  EXPECT_EQ(InstalledWindowHookCount(), before);
  GSeen.clear();
  form->Widget()->move(60, 60);
  QApplication::processEvents();
  EXPECT_TRUE(GSeen.empty());
}

TEST(WindowHook, OnlyTheCallWindowKindWithAProcedureInstalls) {
  EXPECT_EQ(SetWindowsHookEx(2, Recorder, nullptr, 0), 0u);
  EXPECT_EQ(SetWindowsHookEx(WH_CALLWNDPROC, nullptr, nullptr, 0), 0u);
}
