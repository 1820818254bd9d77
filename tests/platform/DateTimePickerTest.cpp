#include "platform/DateTimePicker.h"

#include "platform/Forms.h"
#include "platform/SysUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records the flags of each change notification.
class TRecordingPicker : public TDateTimePicker {
public:
  using TDateTimePicker::TDateTimePicker;
  std::vector<unsigned> ChangeFlags;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<const TNMDateTime*>(m.LParam)->Code == DTN_DATETIMECHANGE)
      ChangeFlags.push_back(reinterpret_cast<const TNMDateTime*>(m.LParam)->Flags);
    TDateTimePicker::WndProc(m);
  }
};

struct PickerFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TRecordingPicker* Picker = nullptr;
  void SetUp() override {
    FormatSettings() = TFormatSettings();
    Picker = new TRecordingPicker(Form.get());
    Picker->SetParent(Form.get());
    Picker->SetBounds(10, 10, 160, 21);
    Form->SetClientWidth(300);
    Form->SetClientHeight(100);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Picker->SetFocus();
  }
};

}  // namespace

TEST(DateTimePicker, FormatsInQtsNotation) {
  const struct {
    const char* Picker;
    const char* Qt;
  } cases[] = {{"dd/MM/yyyy", "dd/MM/yyyy"},
               {"d.M.y", "d.M.yy"},
               {"HH:mm:ss", "HH:mm:ss"},
               {"hh:mm tt", "hh:mm AP"},
               {"dddd', 'd MMMM", "dddd', 'd MMMM"}};
  for (auto c : cases) EXPECT_EQ(PickerFormatToQt(c.Picker), c.Qt);
}

TEST_F(PickerFixture, KindsFormatsAndLimits) {
  Picker->SetDateTime(EncodeDate(2026, 12, 24) + EncodeTime(13, 45, 10, 0));
  EXPECT_EQ(Picker->DisplayText(), "24/12/2026");  // the locale's short date
  Picker->SetFormat("yyyy-MM-dd");
  EXPECT_EQ(Picker->DisplayText(), "2026-12-24");
  Picker->SetKind(dtkTime);
  Picker->SetFormat("");
  EXPECT_EQ(Picker->DisplayText(), "13:45:10");
  EXPECT_NEAR(Picker->Time(), EncodeTime(13, 45, 10, 0), 1e-8);
  Picker->SetKind(dtkDate);
  Picker->SetMinDate(EncodeDate(2027, 1, 1));
  EXPECT_EQ(Picker->Date(), EncodeDate(2027, 1, 1));
  Picker->SetMinDate(0);
  Picker->SetMaxDate(EncodeDate(2020, 1, 1));
  Picker->SetDateTime(EncodeDate(2026, 1, 1));
  EXPECT_EQ(Picker->Date(), EncodeDate(2020, 1, 1));
}

TEST_F(PickerFixture, UserChangesNotifyWithTheNoDateFlag) {
  int changes = 0;
  Picker->OnChange = [&](TObject*) { ++changes; };
  Picker->SetDateTime(EncodeDate(2026, 5, 10));
  EXPECT_EQ(changes, 0);  // from code: no notification
  Picker->SetCurrentField(0);
  QTest::keyClick(Picker->Widget(), Qt::Key_Up);
  EXPECT_EQ(Picker->Date(), EncodeDate(2026, 5, 11));
  Picker->SetShowCheckbox(true);
  QCheckBox* box = Picker->Widget()->findChild<QCheckBox*>();
  ASSERT_NE(box, nullptr);
  box->click();
  EXPECT_FALSE(Picker->Checked());
  box->click();
  EXPECT_TRUE(Picker->Checked());
  EXPECT_EQ(Picker->ChangeFlags, std::vector<unsigned>({GDT_VALID, GDT_NONE, GDT_VALID}));
  EXPECT_EQ(changes, 3);
  Picker->SetChecked(false);
  EXPECT_FALSE(Picker->Checked());
  EXPECT_EQ(changes, 3);
}

TEST_F(PickerFixture, PostedRightMovesOneField) {
  Picker->SetFormat("dd/MM/yyyy");
  Picker->SetCurrentField(0);
  PostMessage(Picker, WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(Picker->CurrentField(), 0);  // only after the current handler
  QApplication::processEvents();
  EXPECT_EQ(Picker->CurrentField(), 1);
  QTest::keyClick(Picker->Widget(), Qt::Key_Right);
  EXPECT_EQ(Picker->CurrentField(), 2);
  QTest::keyClick(Picker->Widget(), Qt::Key_Right);
  EXPECT_EQ(Picker->CurrentField(), 2);
  QTest::keyClick(Picker->Widget(), Qt::Key_Left);
  EXPECT_EQ(Picker->CurrentField(), 1);
}

TEST_F(PickerFixture, DropDownAndCloseUp) {
  std::vector<QString> log;
  Picker->OnDropDown = [&](TObject*) { log.push_back("drop"); };
  Picker->OnCloseUp = [&](TObject*) { log.push_back("close"); };
  Picker->SetDroppedDown(true);
  EXPECT_TRUE(Picker->DroppedDown());
  Picker->SetDroppedDown(false);
  EXPECT_FALSE(Picker->DroppedDown());
  EXPECT_EQ(log, std::vector<QString>({"drop", "close"}));
  Picker->SetDateMode(dmUpDown);
  Picker->SetDroppedDown(true);
  EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(PickerFixture, CalendarStylesAndMinimumSize) {
  const TSize plain = Picker->CalendarMinSize();
  EXPECT_GT(plain.cx, 100);
  Picker->SetCalendarStyle({csWeekNumbers, csNoToday});
  EXPECT_GT(Picker->CalendarMinSize().cx, plain.cx);
  EXPECT_TRUE(Picker->CalendarStyle().Contains(csNoToday));
}

// The picker hears the mouse wherever it moves over it, its text part included,
// in its own coordinates.
TEST_F(PickerFixture, MovesOverTheTextPartReachThePicker) {
  std::vector<int> xs;
  Picker->OnMouseMove = [&](TObject*, TShiftState, int X, int) { xs.push_back(X); };
  for (int x : {20, 60, 150}) {
    QTest::mouseMove(Picker->Widget(), QPoint(x, 10));
    QApplication::processEvents();
  }
  EXPECT_EQ(xs, (std::vector<int>{20, 60, 150}));
}
