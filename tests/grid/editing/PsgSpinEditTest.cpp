#include "grid/editing/PsgSpinEdit.h"

#include "EditorFormFixture.h"
#include "platform/DateTimeFormat.h"
#include "platform/SystemProbes.h"
#include "platform/Themes.h"
#include "platform/Timers.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct SpinFixture : EditorFormFixture {
  TPsgSpinEdit* Spin = nullptr;
  TEdit* Other = nullptr;
  void SetUp() override {
    FormatSettings() = TFormatSettings();
    FormatSettings().DecimalSeparator = ',';
    FormatSettings().ThousandSeparator = '.';
    FormatSettings().DateSeparator = '/';
    FormatSettings().ShortDateFormat = "dd/mm/yyyy";
    FormatSettings().LongTimeFormat = "hh:nn:ss";
    ShowForm();
    Spin = Make<TPsgSpinEdit>(10, 10, 121, 21);
    Other = Make<TEdit>(10, 60, 80, 21);
    Spin->SetFocus();
  }
  void TearDown() override { FormatSettings() = TFormatSettings(); }
  void Type(const char* keys) { QTest::keyClicks(Spin->Widget(), keys); }
  void Caret(int pos) { Spin->SetSelStart(pos); }
};

}  // namespace

TEST_F(SpinFixture, DefaultsAndThePairSize) {
  EXPECT_EQ(Spin->Text(), "0");
  EXPECT_EQ(Spin->SpinType(), sptNormal);
  EXPECT_EQ(Spin->MaxValue, 100);
  EXPECT_EQ(Spin->Button()->Width(), 15);
  EXPECT_EQ(Spin->Button()->Height(), 21 - 5);
  EXPECT_EQ(Spin->Button()->Left(), 121 - 15 - 5);
  TRect r;
  Spin->Perform(EM_GETRECT, 0, LPARAM(&r));
  EXPECT_EQ(r, TRect(0, 0, 121 - 15 - 2, 22));
  Spin->SetBorderStyle(bsNone);
  Spin->SetWidth(120);
  Spin->Perform(EM_GETRECT, 0, LPARAM(&r));
  EXPECT_EQ(r, TRect(3, 3, 120 - 15 - 2 - 3, 22));
  EXPECT_EQ(Spin->Button()->Left(), 120 - 15 - 1);
}

TEST_F(SpinFixture, EqualLimitsMeanNoLimit) {
  Spin->MinValue = 0;
  Spin->MaxValue = 0;
  Spin->SetValue(-5);
  EXPECT_EQ(Spin->Text(), "-5");
  Spin->MaxValue = 10;
  Spin->SetValue(-5);
  EXPECT_EQ(Spin->Text(), "0");
  Spin->SetValue(50);
  EXPECT_EQ(Spin->Text(), "10");
}

TEST_F(SpinFixture, TypedValueOutsideTheLimitsIsClampedOnExit) {
  Spin->SelectAll();
  Type("150");
  EXPECT_EQ(Spin->Text(), "150");
  Other->SetFocus();
  EXPECT_EQ(Spin->Text(), "100");
}

TEST_F(SpinFixture, ReadingTextsThatAreNoValue) {
  Spin->MinValue = 3;
  Spin->SetText("");
  EXPECT_EQ(Spin->Value(), 0);
  EXPECT_NEAR(Spin->DateValue(), Now(), 1.0 / 1440);
  Spin->SetText("abc");
  EXPECT_EQ(Spin->Value(), 3);
  EXPECT_EQ(Spin->TimeValue(), 0);
  Spin->MinDateValue = 100;
  EXPECT_EQ(Spin->DateValue(), 100);
}

TEST_F(SpinFixture, FloatThatDoesNotParseFallsBackToTheFloatLowerLimit) {
  Spin->MinValue = 5;
  Spin->MinFloatValue = 2.5;
  Spin->SetSpinType(sptFloat);
  Spin->SetText("abc");
  EXPECT_EQ(Spin->FloatValue(), 2.5);
}

TEST_F(SpinFixture, PrecisionTwo) {
  Spin->SetSpinType(sptFloat);
  Spin->SetPrecision(2);
  Spin->SetFloatValue(1.5);
  EXPECT_EQ(Spin->Text(), "1,50");
  Caret(4);  // after both decimals
  const int beeps = MessageBeepCount();
  Type("7");
  EXPECT_EQ(Spin->Text(), "1,50");
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
  Spin->SetSelStart(2);
  Spin->SetSelLength(1);
  Type("7");
  EXPECT_EQ(Spin->Text(), "1,70");
  Spin->SetPrecision(0);
  Spin->SetFloatValue(2.25);
  EXPECT_EQ(Spin->Text(), "2,25");
}

TEST_F(SpinFixture, DateStepsByTheFieldUnderTheCaret) {
  Spin->SetSpinType(sptDate);
  const struct {
    const char* Start;
    int Caret;
    bool Up;
    const char* After;
  } cases[] = {
      {"31/01/2026", 4, true, "28/02/2026"},   // month: the day clamped to February
      {"31/01/2026", 0, true, "01/02/2026"},   // day
      {"01/03/2026", 1, false, "28/02/2026"},  // day down across the month
      {"15/06/2026", 8, true, "15/06/2027"},   // year
      {"29/02/2024", 8, true, "28/02/2025"},   // year from 29 February: the day clamped
  };
  for (auto c : cases) {
    Spin->SetText(c.Start);
    Caret(c.Caret);
    if (c.Up)
      Spin->SpinUp(false);
    else
      Spin->SpinDown(false);
    EXPECT_EQ(Spin->Text(), c.After) << c.Start << " caret " << c.Caret;
    EXPECT_EQ(Spin->SelStart(), c.Caret);
  }
  FormatSettings().ShortDateFormat = "mm/dd/yyyy";
  Spin->SetText("01/31/2026");
  Caret(0);
  Spin->SpinUp(false);
  EXPECT_TRUE(Spin->UsDates());
  EXPECT_EQ(Spin->Text(), "02/28/2026");
}

TEST_F(SpinFixture, TimeWrapsAroundMidnight) {
  Spin->SetSpinType(sptTime);
  const struct {
    const char* Start;
    int Caret;
    bool Up;
    const char* After;
  } cases[] = {
      {"23:30:00", 0, true, "00:30:00"},
      {"00:30:00", 0, false, "23:30:00"},
      {"10:59:00", 3, true, "11:00:00"},
      {"10:00:00", 7, false, "09:59:59"},
  };
  for (auto c : cases) {
    Spin->SetText(c.Start);
    Caret(c.Caret);
    if (c.Up)
      Spin->SpinUp(false);
    else
      Spin->SpinDown(false);
    EXPECT_EQ(Spin->Text(), c.After) << c.Start;
  }
  Spin->ShowSeconds = false;
  Spin->SetTimeValue(EncodeTime(7, 5, 0, 0));
  EXPECT_EQ(Spin->Text(), "7:05");
}

TEST_F(SpinFixture, StepKeysNeverReachKeyDown) {
  int keyDowns = 0;
  Spin->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keyDowns; };
  Spin->SetValue(10);
  const struct {
    Qt::Key Key;
    int Value;
  } cases[] = {{Qt::Key_Up, 11}, {Qt::Key_Down, 10}, {Qt::Key_PageUp, 11}, {Qt::Key_PageDown, 10}};
  for (auto c : cases) {
    QTest::keyClick(Spin->Widget(), c.Key);
    EXPECT_EQ(Spin->Value(), c.Value);
  }
  EXPECT_EQ(keyDowns, 0);
  Spin->SetSpinType(sptFloat);
  Spin->SetFloatValue(1);
  QTest::keyClick(Spin->Widget(), Qt::Key_PageUp);
  EXPECT_EQ(Spin->FloatValue(), 2);
  QTest::keyClick(Spin->Widget(), Qt::Key_Up);
  EXPECT_NEAR(Spin->FloatValue(), 2.1, 1e-9);
}

TEST_F(SpinFixture, EditorDisabledStepsOnly) {
  Spin->EditorEnabled = false;
  Spin->SetValue(5);
  Caret(1);
  const int beeps = MessageBeepCount();
  Type("7");
  QTest::keyClick(Spin->Widget(), Qt::Key_Backspace);
  QTest::keyClick(Spin->Widget(), Qt::Key_Delete);
  Spin->SelectAll();
  Spin->Perform(WM_CUT);
  Spin->Perform(WM_PASTE);
  EXPECT_EQ(Spin->Text(), "5");
  EXPECT_EQ(MessageBeepCount(), beeps + 2);
  QTest::keyClick(Spin->Widget(), Qt::Key_Up);
  EXPECT_EQ(Spin->Text(), "6");
  EXPECT_EQ(Spin->SelText(), "6");  // each integer step selects the whole text
  QTest::mouseClick(Spin->Button()->UpButton()->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(Spin->Text(), "7");
}

TEST_F(SpinFixture, CharacterFilterPerType) {
  const QChar ctrlV(0x16), enter(13), bs(8), esc(27);
  const struct {
    TPsgSpinType Type;
    const char* Text;
    int Caret;
    QChar Key;
    bool Accepted;
  } cases[] = {
      {sptNormal, "12", 2, '5', true},    {sptNormal, "12", 2, ',', false},         {sptNormal, "12", 2, '.', false},
      {sptNormal, "12", 2, ctrlV, false}, {sptNormal, "12", 0, '-', true},          {sptNormal, "12", 1, '-', false},
      {sptNormal, "-12", 0, '-', false},  {sptNormal, "12", 2, 'a', false},         {sptNormal, "12", 2, bs, true},
      {sptFloat, "1", 1, ',', true},      {sptFloat, "1,5", 3, ',', false},         {sptFloat, "1", 1, '.', false},
      {sptFloat, "1", 1, esc, true},      {sptFloat, "1", 1, ':', false},           {sptDate, "1/2", 3, '/', true},
      {sptTime, "1:2", 3, ':', true},     {sptTime, "1:2:3", 5, ':', false},        {sptDate, "1", 1, ':', false},
      {sptNormal, "1", 1, enter, false},  {sptNormal, "1", 1, QChar(0x0663), true},  // Arabic-Indic three
  };
  for (auto c : cases) {
    Spin->SetSpinType(c.Type);
    Spin->SetText(c.Text);
    Caret(c.Caret);
    QChar key = c.Key;
    EXPECT_EQ(Spin->AcceptsKey(key), c.Accepted)
        << "type " << c.Type << " text " << c.Text << " key " << int(c.Key.unicode());
  }
  // A selection holding the minus lets a new one in at the start.
  Spin->SetSpinType(sptNormal);
  Spin->SetText("-12");
  Spin->SelectAll();
  QChar minus('-');
  EXPECT_TRUE(Spin->AcceptsKey(minus));
}

TEST_F(SpinFixture, KeypadDecimalTypesTheLocaleSeparator) {
  Spin->SetSpinType(sptFloat);
  Spin->ExcelStyleDecimalSeparator = true;
  Spin->SetText("1");
  Caret(1);
  QTest::keyClick(Spin->Widget(), Qt::Key_Period, Qt::KeypadModifier);
  EXPECT_EQ(Spin->Text(), "1,");
}

TEST_F(SpinFixture, EnterWithReturnIsTabMovesOnAndStillBeeps) {
  Spin->ReturnIsTab = true;
  const int beeps = MessageBeepCount();
  QTest::keyClick(Spin->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(Other->Focused());
  EXPECT_EQ(MessageBeepCount(), beeps + 1);
}

TEST_F(SpinFixture, HeldArrowRepeatsAfter400ThenEvery100Ms) {
  TManualClockScope clock;
  Spin->SetValue(0);
  QWidget* up = Spin->Button()->UpButton()->Widget();
  QTest::mousePress(up, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  const struct { int Advance, Value; } steps[] = {{399, 0}, {1, 1}, {99, 1}, {1, 2}, {100, 3}};
  for (auto s : steps) {
    clock.Clock().Advance(s.Advance);
    EXPECT_EQ(Spin->Value(), s.Value) << "at " << clock.Clock().Now();
  }
  QTest::mouseRelease(up, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(Spin->Value(), 4);  // the release clicks once more
  clock.Clock().Advance(1000);
  EXPECT_EQ(Spin->Value(), 4);
}

// Up and Down on the focused arrow pair step once and stay there: the edit
// around it never sees them.
TEST_F(SpinFixture, ArrowKeysOnTheFocusedPairStepOnce) {
  TPsgSpinButton* pair = Spin->Button();
  pair->SetTabStop(true);
  int editKeys = 0;
  Spin->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++editKeys; };
  const struct {
    Qt::Key Key;
    int Value;
  } cases[] = {{Qt::Key_Up, 6}, {Qt::Key_Down, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Value);
    Spin->SetValue(5);
    pair->SetFocus();
    ASSERT_TRUE(pair->Focused());
    QTest::keyClick(pair->Widget(), c.Key);
    EXPECT_EQ(Spin->Value(), c.Value);
    EXPECT_EQ(editKeys, 0);
  }
}

TEST_F(SpinFixture, HorizontalPairIsAtLeast20WideWithDownOnTheLeft) {
  Spin->SetDirection(spHorizontal);
  TPsgSpinButton* pair = Spin->Button();
  EXPECT_EQ(pair->Width(), 20);
  pair->SetWidth(12);
  EXPECT_EQ(pair->Width(), 20);
  EXPECT_EQ(pair->DownButton()->Left(), 0);
  EXPECT_EQ(pair->DownButton()->Width(), 10);
  EXPECT_EQ(pair->UpButton()->Left(), 11);
  EXPECT_EQ(pair->UpButton()->ButtonDirection, bdRight);
  EXPECT_EQ(pair->DownButton()->ButtonDirection, bdLeft);
  Spin->SetDirection(spVertical);
  pair->SetBounds(0, 0, 10, 17);
  EXPECT_EQ(pair->Width(), 15);
  EXPECT_EQ(pair->UpButton()->BoundsRect(), Bounds(0, 0, 15, 8));
  EXPECT_EQ(pair->DownButton()->BoundsRect(), Bounds(0, 7, 15, 10));
}

TEST_F(SpinFixture, DefaultGlyphsAreTheNineBySixArrows) {
  TBitmap up;
  ASSERT_TRUE(LoadGridGlyph(up, "PsgSpinUp"));
  EXPECT_EQ(up.Width(), 9);
  EXPECT_EQ(up.Height(), 6);
  EXPECT_EQ(up.BottomLeftColor(), clOlive);
  EXPECT_EQ(Spin->Button()->UpButton()->Glyph().Width(), 9);
  EXPECT_EQ(Spin->Button()->DownButton()->NumGlyphs(), 1);
}

TEST_F(SpinFixture, ColouredPairPaintsItsArrows) {
  TPsgSpinButton* pair = Spin->Button();
  pair->ButtonColor = clWhite;
  pair->ButtonColorHot = clWhite;
  pair->ButtonColorDown = clWhite;
  pair->SetBounds(pair->Left(), 0, 15, 16);
  TControl* up = pair->UpButton();
  // bdUp: the triangle (4,4) (8,4) (6,2) in black on the button colour.
  EXPECT_EQ(PaintedPixel(up, 6, 3), clBlack);
  EXPECT_EQ(PaintedPixel(up, 1, 6), clWhite);
}

TEST_F(SpinFixture, ThemedArrowsUseTheSpinParts) {
  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* f = fake.get();
  SetThemeServices(std::move(fake));
  Spin->SetIsWinXP(true);
  const struct {
    TSpinDirection Direction;
    int UpPart, DownPart;
  } cases[] = {{spVertical, 1, 2}, {spHorizontal, 3, 4}};
  for (auto c : cases) {
    Spin->SetDirection(c.Direction);
    f->Calls.clear();
    Spin->Button()->UpButton()->Widget()->grab();
    Spin->Button()->DownButton()->Widget()->grab();
    ASSERT_EQ(f->Calls.size(), 2u);
    EXPECT_EQ(f->Calls[0].ClassList, "spin");
    EXPECT_EQ(f->Calls[0].PartId, c.UpPart);
    EXPECT_EQ(f->Calls[1].PartId, c.DownPart);
    EXPECT_EQ(f->Calls[0].StateId, 1);
  }
  Spin->Button()->UpButton()->Perform(CM_MOUSEENTER);
  f->Calls.clear();
  Spin->Button()->UpButton()->Widget()->grab();
  ASSERT_EQ(f->Calls.size(), 1u);
  EXPECT_EQ(f->Calls[0].StateId, 2);  // hot
  SetThemeServices(nullptr);
}
