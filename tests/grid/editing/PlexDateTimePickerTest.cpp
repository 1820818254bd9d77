#include "grid/editing/PlexDateTimePicker.h"
#include "grid/editing/PsgDateTimePicker.h"

#include "EditorFormFixture.h"
#include "platform/SysUtils.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PickerFixture : EditorFormFixture {
  TPlexDateTimePicker* Picker = nullptr;
  TEdit* Other = nullptr;
  void SetUp() override {
    FormatSettings() = TFormatSettings();
    ShowForm();
    Picker = Make<TPlexDateTimePicker>(100, 20, 200, 21);
    Other = Make<TEdit>(10, 200, 80, 21);
    Picker->SetDateTime(EncodeDate(2026, 3, 14) + EncodeTime(9, 26, 53, 0));
  }
  void TypeInField(int field, const char* keys) {
    Picker->SetFocus();
    Picker->SetCurrentField(field);
    QTest::keyClicks(Picker->Widget(), keys);
    // "DTPShiftFocus" runs after the key press; the Right it posts after that.
    QApplication::processEvents();
    QApplication::processEvents();
  }
};

}  // namespace

TEST(PickerVersions, VersionsReadAsFourNumbersAndIgnoreWrites) {
  TForm form(nullptr);
  auto* psg = new TPsgDateTimePicker(&form);
  auto* plex = new TPlexDateTimePicker(&form);
  psg->SetVersion("9.9.9.9");
  plex->SetVersion("9.9.9.9");
  EXPECT_EQ(psg->Version(), "1.0.0.0");
  EXPECT_EQ(plex->Version(), "1.2.0.0");
  EXPECT_EQ(TPsgDateTimePicker::GetVersionNr(), 0x01000000u);
  EXPECT_EQ(TPlexDateTimePicker::GetVersionNr(), 0x01020000u);
  // The look rules that differ between the two.
  EXPECT_TRUE(psg->Ctl3D());
  EXPECT_EQ(psg->BorderColor(), clNone);
  auto* plain = new TCustomDateTimePicker(&form);
  EXPECT_FALSE(plain->Ctl3D());
  EXPECT_EQ(plain->BorderColor(), clBlack);
  plain->SetMetroStyle(true);
  EXPECT_FALSE(plain->MetroActive());
  plex->SetMetroStyle(true);
  EXPECT_TRUE(plex->MetroActive());
  EXPECT_NE(DTPShiftFocusMessage(), 0u);
  EXPECT_EQ(DTPShiftFocusMessage(), RegisterWindowMessage("DTPShiftFocus"));
}

TEST_F(PickerFixture, DateTimeKeepsWholeSeconds) {
  Picker->SetDateTime(EncodeDate(2026, 3, 14) + EncodeTime(9, 26, 53, 789));
  int h, m, s, ms;
  DecodeTime(Picker->DateTime(), h, m, s, ms);
  EXPECT_EQ(ms, 0);
  EXPECT_EQ(s, 53);
  EXPECT_EQ(std::trunc(Picker->DateTime()), EncodeDate(2026, 3, 14));
  Picker->SetDate(EncodeDate(2027, 1, 2));
  DecodeTime(Picker->DateTime(), h, m, s, ms);
  EXPECT_EQ(h * 10000 + m * 100 + s, 92653);  // the date write keeps the time of day
}

TEST_F(PickerFixture, KindSwitchesFreeAndRemakeTheTimePicker) {
  ASSERT_NE(Picker->TimePicker(), nullptr);
  EXPECT_TRUE(Picker->TimePicker()->Visible());
  Picker->SetAutoTab(true);
  EXPECT_TRUE(Picker->TimePicker()->AutoTab());
  Picker->SetKind(dkDate);
  EXPECT_EQ(Picker->TimePicker(), nullptr);
  Picker->SetKind(dkDateTime);
  ASSERT_NE(Picker->TimePicker(), nullptr);
  EXPECT_FALSE(Picker->TimePicker()->AutoTab());  // until AutoTab is written again
  EXPECT_EQ(Picker->TimePicker()->TDateTimePicker::Kind(), dtkTime);
  Picker->SetKind(dkTime);
  EXPECT_EQ(Picker->TDateTimePicker::Kind(), dtkTime);
  EXPECT_EQ(Picker->TimePicker(), nullptr);
}

TEST_F(PickerFixture, TimePartStandsAtTheRightByTheLayoutTable) {
  TCustomDateTimePicker* time = Picker->TimePicker();
  ASSERT_NE(time, nullptr);
  const int A = Picker->MeasureText(time->DisplayText()) + 31;
  // Version-6 controls with visual styles inactive.
  EXPECT_EQ(time->BoundsRect(), Bounds(200 - A - 21, 2, A, 21 - 4));
  Picker->SetBounds(100, 20, 240, 25);
  EXPECT_EQ(time->BoundsRect(), Bounds(240 - A - 21, 2, A, 25 - 4));
}

TEST_F(PickerFixture, UntickedBoxDisablesTheTimePart) {
  Picker->SetShowCheckbox(true);
  std::vector<QString> log;
  Picker->OnDropDown = [&](TObject*) { log.push_back("drop"); };
  Picker->OnCloseUp = [&](TObject*) { log.push_back("close"); };
  Picker->SetChecked(false);
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
  Picker->SetChecked(true);
  EXPECT_TRUE(Picker->TimePicker()->Enabled());
  // The user unticks: the change notification carries "no date".
  TNMDateTime nm{DTN_DATETIMECHANGE, GDT_NONE, 0};
  Picker->Perform(CN_NOTIFY, 0, LPARAM(&nm));
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
  Picker->SetDroppedDown(true);
  Picker->SetDroppedDown(false);
  EXPECT_EQ(log, std::vector<QString>({"drop", "close"}));
}

TEST_F(PickerFixture, TimePartChangesReachOnChangeAndOnTimeChange) {
  std::vector<QString> log;
  Picker->OnChange = [&](TObject* s) { log.push_back(s == Picker ? "change" : "?"); };
  Picker->OnTimeChange = [&](TObject* s) { log.push_back(s == Picker ? "time" : "?"); };
  Picker->TimePicker()->SetFocus();
  Picker->TimePicker()->SetCurrentField(0);
  QTest::keyClick(Picker->TimePicker()->Widget(), Qt::Key_Up);
  EXPECT_EQ(log, std::vector<QString>({"change", "time"}));
  int h, m, s, ms;
  DecodeTime(Picker->DateTime(), h, m, s, ms);
  EXPECT_EQ(h, 10);
}

TEST_F(PickerFixture, AutoTabWithAFormatEndingInY) {
  Picker->SetFormat("dd/MM/yyyy");
  Picker->SetAutoTab(true);
  TypeInField(0, "2");  // the day changes: on to the month
  EXPECT_EQ(Picker->CurrentField(), 1);
  EXPECT_TRUE(Picker->Focused());
  TypeInField(2, "2031");  // the year changes and is the format's last part: into the time part
  EXPECT_TRUE(Picker->TimePicker()->Focused());
}

TEST_F(PickerFixture, AutoTabWithAnEmptyFormat) {
  Picker->SetAutoTab(true);
  ASSERT_EQ(Picker->Format(), "");
  TypeInField(2, "2031");  // only the year changed
  EXPECT_TRUE(Picker->TimePicker()->Focused());
  TypeInField(0, "2");
  EXPECT_EQ(Picker->CurrentField(), 1);
}

TEST_F(PickerFixture, LabelAlwaysEnabledAndPlacement) {
  Picker->SetLabelCaption("Start");
  ASSERT_NE(Picker->PickerLabel(), nullptr);
  Picker->SetLabelMargin(100);
  Picker->SetLabelPosition(lpLeftTopLeft);
  EXPECT_EQ(Picker->PickerLabel()->Left(), 0);
  EXPECT_EQ(Picker->PickerLabel()->Top(), 20);
  Picker->SetEnabled(false);
  EXPECT_FALSE(Picker->PickerLabel()->Enabled());
  EXPECT_FALSE(Picker->TimePicker()->Enabled());
  Picker->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(Picker->PickerLabel()->Enabled());
  Picker->SetEnabled(true);
  Picker->SetEnabled(false);
  EXPECT_TRUE(Picker->PickerLabel()->Enabled());
}

TEST_F(PickerFixture, MetroLookOfTheDatePicker) {
  auto* psg = Make<TPsgDateTimePicker>(10, 60, 150, 21);
  psg->ButtonColor = clLime;
  psg->ButtonColorHot = clLime;
  psg->ButtonColorDown = clLime;
  const int x = 150 - 6, y = 10;
  EXPECT_NE(PaintedPixel(psg, x, y), clLime);  // Metro off: the platform's look
  psg->SetMetroStyle(true);
  EXPECT_EQ(PaintedPixel(psg, x, y), clLime);
  psg->SetKind(dtkTime);  // no drop-down button for the time kind
  EXPECT_NE(PaintedPixel(psg, x, y), clLime);
  psg->SetKind(dtkDate);
  // A focus border colour alone frames the picker only while it has the focus.
  psg->FocusBorderColor = clRed;
  Other->SetFocus();
  EXPECT_NE(PaintedPixel(psg, 0, 10), clRed);
  psg->SetFocus();
  EXPECT_EQ(PaintedPixel(psg, 0, 10), clRed);
}

// The drop-down button is hot only while the mouse is over it: moving onto
// the text part (a child of the picker) takes the hot state away.
TEST_F(PickerFixture, ButtonIsHotOnlyWhileTheMouseIsOverIt) {
  QWidget* w = Picker->Widget();
  const struct {
    QPoint At;
    bool Hot;
  } moves[] = {{QPoint(w->width() - 5, 10), true},
               {QPoint(20, 10), false},
               {QPoint(w->width() - 8, 8), true},
               {QPoint(60, 12), false}};
  for (const auto& m : moves) {
    SCOPED_TRACE(m.At.x());
    QTest::mouseMove(w, m.At);
    QApplication::processEvents();
    EXPECT_EQ(Picker->ButtonHover(), m.Hot);
  }
}
