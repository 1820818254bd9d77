// The stand-alone scroll bar (requests go to the parent, position within its
// range) and the hint window (frameless, never activated, records its hint).
#include "platform/Forms.h"
#include "platform/HintWindow.h"
#include "platform/PopupWindows.h"
#include "platform/Screenshot.h"
#include "platform/ScrollBar.h"
#include "platform/WindowHandles.h"

#include <QApplication>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A parent that records the scroll messages its children send.
class TScrollParent : public TForm {
public:
  using TForm::TForm;
  std::vector<QString> Log;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL)
      Log.push_back(QString("%1 %2 %3 %4")
                        .arg(Message.Msg == WM_VSCROLL ? "V" : "H")
                        .arg(LoWord(LPARAM(Message.WParam)))
                        .arg(HiWord(LPARAM(Message.WParam)))
                        .arg(Message.LParam == LPARAM(Handle) ? "self" : "other"));
    TForm::WndProc(Message);
  }

public:
  HWND Handle = 0;
};

}  // namespace

TEST(ScrollBar, RequestsGoToTheParentAndThePositionStaysInRange) {
  TScrollParent form(nullptr);
  auto* bar = new TScrollBar(&form);
  bar->SetParent(&form);
  bar->SetKind(sbVertical);
  form.Handle = WindowHandle(bar);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->SetParams(50, 0, 200);
  EXPECT_EQ(changes, 1);
  bar->Scroll(SB_LINEDOWN);
  bar->Scroll(SB_THUMBTRACK, 120);
  EXPECT_EQ(bar->Position(), 50) << "the bar never moves itself";
  EXPECT_EQ(form.Log, (std::vector<QString>{"V 1 0 self", "V 5 120 self"}));
  ASSERT_EQ(bar->Requests().size(), 2u);
  EXPECT_EQ(bar->Requests()[1].Pos, 120);

  struct Case {
    int Set, Expected;
  };
  for (const Case c : {Case{-5, 0}, Case{250, 200}, Case{75, 75}}) {
    bar->SetPosition(c.Set);
    EXPECT_EQ(bar->Position(), c.Expected) << c.Set;
  }
  bar->SetMax(60);
  EXPECT_EQ(bar->Position(), 60);
  bar->SetPageSize(20);
  EXPECT_EQ(static_cast<QScrollBar*>(bar->Widget())->pageStep(), 20);
}

TEST(HintWindow, ShowsWithoutActivationAndRecordsItsHint) {
  TForm owner(nullptr);
  owner.Show();
  THintWindow hint(&owner);
  EXPECT_TRUE(IsPopupWindow(&hint));
  EXPECT_TRUE(hint.Widget()->testAttribute(Qt::WA_ShowWithoutActivating));
  const TRect wide = hint.CalcHintRect(400, "Row : 12");
  const TRect narrow = hint.CalcHintRect(40, "Row : 12 of many rows");
  EXPECT_EQ(wide.Left, 0);
  EXPECT_GT(wide.Width(), 6);
  EXPECT_LE(narrow.Width(), 40 + 6);
  EXPECT_GT(narrow.Height(), wide.Height()) << "a long hint wraps";
  hint.ActivateHint(TRect(100, 100, 100 + wide.Width(), 100 + wide.Height()), "Row : 12");
  QApplication::processEvents();
  EXPECT_TRUE(hint.HintShown());
  EXPECT_EQ(hint.HintText(), "Row : 12");
  EXPECT_TRUE(hint.Widget()->isVisible());
  // The window system is asked never to give it the focus (the offscreen one activates anyway).
  EXPECT_TRUE(hint.Widget()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(hint.Widget(), QString(shots) + "/hint_window.png");
  hint.ReleaseHandle();
  EXPECT_FALSE(hint.HintShown());
  EXPECT_FALSE(hint.Widget()->isVisible());
}
