// The application's hint mechanism, the hint window, the balloon tooltip and
// the cursor query that comes before every mouse move.
#include "platform/HintWindow.h"

#include "platform/Forms.h"
#include "platform/ResourceCursors.h"
#include "platform/Timers.h"
#include "platform/ToolTips.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A control that answers the hint query and the tooltip's requests, and records its messages.
class THintProbe : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  QStringList Log;
  std::function<void(THintInfo&, TMessage&)> OnHintShow;
  std::u16string TipText = u"tip";

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_HINTSHOW && OnHintShow) {
      OnHintShow(*reinterpret_cast<THintInfo*>(m.LParam), m);
      return;
    }
    if (m.Msg == WM_SETCURSOR || m.Msg == WM_MOUSEMOVE) {
      const LPARAM at = m.Msg == WM_SETCURSOR ? LPARAM(m.WParam) : m.LParam;
      Log << QString("%1 %2,%3").arg(m.Msg == WM_SETCURSOR ? "cursor" : "move").arg(LoWord(at)).arg(HiWord(at));
    }
    if (m.Msg == WM_NOTIFY) {
      auto* info = reinterpret_cast<TNMTTDispInfo*>(m.LParam);
      if (info->Code == TTN_GETDISPINFOW) info->Text = TipText.c_str();
      Log << (info->Code == TTN_GETDISPINFOW ? "text" : info->Code == TTN_SHOW ? "show" : "pop");
      return;
    }
    TCustomControl::WndProc(m);
  }
  void Paint() override { Canvas().FillRect(ClientRect()); }
};

struct HintFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  THintProbe* Probe = nullptr;
  void SetUp() override {
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Probe = new THintProbe(Form.get());
    Probe->SetParent(Form.get());
    Probe->SetBounds(10, 10, 120, 80);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  void TearDown() override {
    AppHints().Reset();
    SetMonitorRects({});
  }
};

}  // namespace

TEST_F(HintFixture, TheControlDecidesTextPositionAndWhetherItShows) {
  Probe->SetHint("plain");
  Probe->SetShowHint(true);
  const TPoint at = Probe->ClientToScreen(TPoint(20, 30));
  struct Case {
    const char* Name;
    LRESULT Result;
    const char* Text;
    bool Shown;
  };
  for (const Case c :
       {Case{"own text", 0, "answered", true}, Case{"refused", 1, "answered", false}, Case{"emptied", 0, "", false}}) {
    Probe->OnHintShow = [&](THintInfo& info, TMessage& m) {
      EXPECT_EQ(info.HintStr, "plain");
      EXPECT_EQ(info.CursorPos, TPoint(20, 30));
      EXPECT_EQ(info.HintControl, Probe);
      info.HintStr = c.Text;
      info.HintPos = TPoint(at.X + 5, at.Y + 7);
      m.Result = c.Result;
    };
    AppHints().ActivateHint(at);
    EXPECT_EQ(AppHints().HintShown(), c.Shown) << c.Name;
    if (c.Shown) {
      EXPECT_EQ(AppHints().HintWindow()->HintText(), c.Text);
      EXPECT_EQ(AppHints().HintWindow()->HintRect().Left, at.X + 5);
      EXPECT_EQ(AppHints().HintWindow()->HintRect().Top, at.Y + 7);
      EXPECT_EQ(AppHints().HintControl(), Probe);
    }
  }
  AppHints().CancelHint();
  EXPECT_FALSE(AppHints().HintShown());
  // Without ShowHint on the control or a parent, nothing is asked.
  Probe->SetShowHint(false);
  Probe->OnHintShow = [](THintInfo&, TMessage&) { ADD_FAILURE() << "asked"; };
  AppHints().ActivateHint(at);
  EXPECT_FALSE(AppHints().HintShown());
}

TEST_F(HintFixture, TheHintPauseDecidesWhenTheHintShows) {
  Probe->SetHint("plain");
  Probe->SetShowHint(true);
  struct Case {
    int Pause;
  };
  for (const Case c : {Case{300}, Case{1200}}) {
    TManualClockScope clock;
    AppHints().HintPause = c.Pause;
    QTest::mouseMove(Probe->Widget(), QPoint(20, 30));
    EXPECT_TRUE(AppHints().HintPending());
    // Moving on inside the control does not start the pause again; the hint shows where the mouse is.
    clock.Clock().Advance(c.Pause - 100);
    QTest::mouseMove(Probe->Widget(), QPoint(40, 35));
    clock.Clock().Advance(99);
    EXPECT_FALSE(AppHints().HintShown()) << c.Pause;
    clock.Clock().Advance(1);
    ASSERT_TRUE(AppHints().HintShown()) << c.Pause;
    EXPECT_EQ(AppHints().HintWindow()->HintText(), "plain");
    const TPoint at = Probe->ClientToScreen(TPoint(40, 35));
    EXPECT_EQ(AppHints().HintWindow()->HintRect().Left, at.X);
    EXPECT_EQ(AppHints().HintWindow()->HintRect().Top, at.Y + 20);
    // A press takes it away; the next move waits the whole pause again.
    QTest::mousePress(Probe->Widget(), Qt::LeftButton, {}, QPoint(40, 35));
    QTest::mouseRelease(Probe->Widget(), Qt::LeftButton, {}, QPoint(40, 35));
    EXPECT_FALSE(AppHints().HintShown());
    QTest::mouseMove(Probe->Widget(), QPoint(41, 35));
    clock.Clock().Advance(c.Pause - 1);
    EXPECT_FALSE(AppHints().HintShown()) << c.Pause;
    clock.Clock().Advance(1);
    EXPECT_TRUE(AppHints().HintShown()) << c.Pause;
    AppHints().Reset();
  }
  AppHints().HintPause = 500;
}

TEST_F(HintFixture, OnlyThePauseOfAControlThatShowsHintsBringsItsHint) {
  TManualClockScope clock;
  Probe->SetHint("plain");
  Probe->SetShowHint(false);
  QTest::mouseMove(Probe->Widget(), QPoint(20, 30));
  EXPECT_FALSE(AppHints().HintPending());
  // A parent that shows hints answers for the control.
  Form->SetShowHint(true);
  Form->SetHint("form");
  QTest::mouseMove(Probe->Widget(), QPoint(21, 30));
  EXPECT_TRUE(AppHints().HintPending());
  // The toolkit's own tooltip request does not cut the pause short.
  QHelpEvent help(QEvent::ToolTip, QPoint(21, 30), Probe->Widget()->mapToGlobal(QPoint(21, 30)));
  QApplication::sendEvent(Probe->Widget(), &help);
  EXPECT_FALSE(AppHints().HintShown());
  clock.Clock().Advance(AppHints().HintPause);
  ASSERT_TRUE(AppHints().HintShown());
  EXPECT_EQ(AppHints().HintControl(), Form.get());
  AppHints().Reset();
}

TEST_F(HintFixture, AHintWindowStaysOnItsMonitor) {
  SetMonitorRects({TRect(0, 0, 800, 600), TRect(800, 0, 1600, 600)});
  THintWindow w(nullptr);
  struct Case {
    TRect At;
    TPoint TopLeft;
  };
  const Case cases[] = {
      {TRect(10, 10, 110, 30), TPoint(10, 10)},
      {TRect(750, 10, 850, 30), TPoint(700, 10)},
      {TRect(1550, 590, 1650, 610), TPoint(1500, 580)},
  };
  for (const Case& c : cases) {
    w.ActivateHint(c.At, "x");
    EXPECT_EQ(TPoint(w.HintRect().Left, w.HintRect().Top), c.TopLeft) << c.At.Left;
    EXPECT_EQ(w.HintRect().Width(), 100);
  }
}

TEST_F(HintFixture, EveryMoveFirstAsksForTheCursorAtItsPoint) {
  QTest::mouseMove(Probe->Widget(), QPoint(12, 14));
  QTest::mouseMove(Probe->Widget(), QPoint(30, 40));
  EXPECT_EQ(Probe->Log.join(" | ").toStdString(), "cursor 12,14 | move 12,14 | cursor 30,40 | move 30,40");
  ShowResourceCursor(Probe, crSelectColumn);
  EXPECT_EQ(ShownResourceCursor(Probe), crSelectColumn);
  ShowCursorNow(Probe, crDefault);
  EXPECT_EQ(ShownResourceCursor(Probe), 0);
}

TEST_F(HintFixture, BalloonAsksItsToolForTheTextEachTimeItShows) {
  TToolTipWindow tip(Form.get());
  tip.AddTool(Probe, Probe->ClientRect());
  tip.SetTitle(7, "Title");
  EXPECT_EQ(tip.TitleIcon(), TTI_NONE);
  tip.SetTitle(TTI_WARNING, "Title");
  tip.SetOpacity(200);
  EXPECT_EQ(tip.Opacity(), 200);
  Probe->Log.clear();
  tip.Popup(Probe->ClientToScreen(TPoint(5, 5)));
  EXPECT_TRUE(tip.BalloonShown());
  EXPECT_EQ(tip.Text(), "tip");
  Probe->TipText = u"second";
  tip.Pop();
  EXPECT_FALSE(tip.BalloonShown());
  tip.Popup(Probe->ClientToScreen(TPoint(5, 5)));
  EXPECT_EQ(tip.Text(), "second");
  EXPECT_EQ(Probe->Log.join(" | ").toStdString(), "text | show | pop | text | show");
}
