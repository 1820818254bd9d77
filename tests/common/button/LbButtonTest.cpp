#include "common/button/LbButton.h"

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A shown form with two buttons and an edit, as a dialog of the program lays them out.
class LbButtonTest : public ::testing::Test {
protected:
  void SetUp() override {
    Form.SetBounds(0, 0, 400, 200);
    Ok = Place(new TLbButton(&Form), 20, "&Save");
    Other = Place(new TLbButton(&Form), 140, "&Other");
    Edit = new TEdit(&Form);
    Edit->SetParent(&Form);
    Edit->SetBounds(20, 100, 120, 21);
    Ok->OnClick = [this](TObject* sender) {
      EXPECT_EQ(sender, Ok);
      ++OkClicks;
    };
    Other->OnClick = [this](TObject*) { ++OtherClicks; };
    Form.Show();
    QApplication::setActiveWindow(Form.Widget());
  }
  void TearDown() override { Form.Hide(); }

  TLbButton* Place(TLbButton* b, int left, const QString& caption) {
    b->SetParent(&Form);
    b->SetBounds(left, 20, 110, 28);
    b->SetCaption(caption);
    return b;
  }
  static void Enter(TLbButton* b) {
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(b->Widget(), &e);
  }
  static void Leave(TLbButton* b) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(b->Widget(), &e);
  }

  TForm Form{nullptr};
  TLbButton* Ok = nullptr;
  TLbButton* Other = nullptr;
  TEdit* Edit = nullptr;
  int OkClicks = 0;
  int OtherClicks = 0;
};

}  // namespace

TEST_F(LbButtonTest, Defaults) {
  TLbButton b(&Form);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 23);
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_TRUE(b.TabStop());
  EXPECT_EQ(b.Alignment(), taCenter);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.Style(), bsNormal);
  EXPECT_EQ(b.Layout(), blGlyphLeft);
  EXPECT_EQ(b.LightColor(), clWhite);
  EXPECT_EQ(b.ShadowColor(), clGray);
  EXPECT_EQ(b.HotTrackColor(), clNone);
  EXPECT_EQ(b.ColorWhenDown(), clNone);
  EXPECT_EQ(b.ModalResult(), mrNone);
  EXPECT_EQ(b.NumGlyphs(), 0);
  EXPECT_TRUE(b.Caption().isEmpty());
  EXPECT_FALSE(b.Default() || b.Cancel() || b.Flat() || b.WordWrap() || b.SlowDecease() || b.UseHotTrackFont());
  EXPECT_TRUE(b.HotTrackFont() == Form.Font());
}

TEST_F(LbButtonTest, KindsSetModalResultCaptionAndGlyph) {
  struct Case {
    TLbButtonKind Kind;
    TModalResult Result;
    const char* Caption;
    int GlyphHeight;
  };
  const Case cases[] = {
      {bkOK, mrOk, "OK", 18},
      {bkCancel, mrCancel, "Abbrechen", 18},
      {bkHelp, mrNone, "Hilfe", 18},
      {bkYes, mrYes, "Ja", 18},
      {bkNo, mrNo, "Nein", 18},
      {bkClose, mrNone, "Schließen", 18},
      {bkAbort, mrAbort, "Abbrechen", 18},
      {bkRetry, mrRetry, "Wiederholen", 18},
      {bkIgnore, mrIgnore, "Ignorieren", 18},
      {bkAll, mrAll, "Alle", 19},
  };
  for (const Case& c : cases) {
    TLbButton b(&Form);
    b.SetKind(c.Kind);
    EXPECT_EQ(b.Kind(), c.Kind);
    EXPECT_EQ(b.ModalResult(), c.Result) << c.Caption;
    EXPECT_EQ(b.Caption(), QString::fromUtf8(c.Caption));
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(QSize(b.Glyph().Width(), b.Glyph().Height()), QSize(36, c.GlyphHeight)) << c.Caption;
  }
  TLbButton b(&Form);
  b.SetKind(bkOK);
  b.SetKind(bkCustom);  // changes nothing but the kind
  EXPECT_EQ(b.ModalResult(), mrOk);
  EXPECT_EQ(b.Caption(), "OK");
}

TEST_F(LbButtonTest, ModalResultAndGlyphMakeTheKindCustom) {
  TLbButton b(&Form);
  b.SetKind(bkOK);
  b.SetModalResult(mrNo);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.ModalResult(), mrNo);

  b.SetKind(bkYes);
  b.SetGlyph(TBitmap(72, 24));
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.NumGlyphs(), 3);
  b.SetGlyph(TBitmap());
  EXPECT_EQ(b.NumGlyphs(), 0);
  b.SetGlyph(TBitmap(24, 24));
  EXPECT_EQ(b.NumGlyphs(), 1);
}

TEST_F(LbButtonTest, MouseClicksAndTakesTheFocus) {
  Edit->SetFocus();
  QTest::mousePress(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(Ok->Down());
  EXPECT_TRUE(Ok->Focused());
  EXPECT_EQ(Form.ActiveControl(), Ok);
  EXPECT_EQ(OkClicks, 0);
  QTest::mouseRelease(Ok->Widget(), Qt::LeftButton, {}, QPoint(12, 12));
  EXPECT_EQ(OkClicks, 1);
  EXPECT_FALSE(Ok->Down());
}

TEST_F(LbButtonTest, APressOnTheButtonClicksWhereverItIsReleased) {
  QTest::mousePress(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(Ok->Widget(), Qt::LeftButton, {}, QPoint(300, 150));
  EXPECT_EQ(OkClicks, 1);
  EXPECT_FALSE(Ok->Down());
}

TEST_F(LbButtonTest, ReleasesWithoutAPressOnTheButtonDoNotClick) {
  // Pressed on the form, released over the button.
  QTest::mousePress(Form.Widget(), Qt::LeftButton, {}, QPoint(300, 150));
  QTest::mouseRelease(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  // The right button neither presses nor clicks.
  QTest::mouseClick(Ok->Widget(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(OkClicks, 0);
  EXPECT_FALSE(Ok->Down());
  // A double click is two presses: two clicks.
  QTest::mouseDClick(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_GE(OkClicks, 1);
}

TEST_F(LbButtonTest, ADisabledButtonNeitherPressesNorClicks) {
  Ok->SetFocus();
  Ok->SetEnabled(false);
  QTest::mouseClick(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(Ok->Down());
  QTest::keyClick(Ok->Widget(), Qt::Key_Return);
  QTest::keyClick(Ok->Widget(), Qt::Key_Space);
  QTest::keyClick(Edit->Widget(), Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(OkClicks, 0);
  // Disabling clears a pressed state.
  Ok->SetEnabled(true);
  QTest::mousePress(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  Ok->SetEnabled(false);
  EXPECT_FALSE(Ok->Down());
}

TEST_F(LbButtonTest, EnterAndSpacePressOnKeyDownAndClickOnKeyUp) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    Ok->SetFocus();
    OkClicks = 0;
    QTest::keyPress(Ok->Widget(), key);
    EXPECT_TRUE(Ok->Down()) << key;
    EXPECT_EQ(OkClicks, 0);
    QTest::keyRelease(Ok->Widget(), key);
    EXPECT_EQ(OkClicks, 1) << key;
    EXPECT_FALSE(Ok->Down());
  }
  QTest::keyClick(Ok->Widget(), Qt::Key_A);
  EXPECT_EQ(OkClicks, 1);
}

TEST_F(LbButtonTest, AKeyUpClicksOnlyAfterItsOwnKeyDown) {
  Ok->SetFocus();
  // The release of an Enter that closed a message box, or of a key pressed
  // elsewhere, comes back to the focused button alone.
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyRelease(Ok->Widget(), key);
  EXPECT_EQ(OkClicks, 0);
  QTest::keyPress(Other->Widget(), Qt::Key_Return);
  QTest::keyRelease(Ok->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 0);
  // Pressed with one key, released with the other.
  QTest::keyPress(Ok->Widget(), Qt::Key_Space);
  QTest::keyRelease(Ok->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 0);
  QTest::keyRelease(Ok->Widget(), Qt::Key_Space);
  EXPECT_EQ(OkClicks, 1);
  // The focus left between press and release.
  QTest::keyPress(Ok->Widget(), Qt::Key_Return);
  Edit->SetFocus();
  Ok->SetFocus();
  QTest::keyRelease(Ok->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 1);
  EXPECT_FALSE(Ok->Down());
  EXPECT_EQ(OtherClicks, 0);
}

TEST_F(LbButtonTest, AHeldKeyClicksOncePerPress) {
  Ok->SetFocus();
  auto send = [this](QEvent::Type type, Qt::Key key, bool repeated) {
    QKeyEvent e(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "\r", repeated);
    QApplication::sendEvent(Ok->Widget(), &e);
  };
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
    for (int press = 1; press <= 2; ++press) {
      send(QEvent::KeyPress, key, false);
      // The window system repeats a held key as release and press pairs.
      for (int i = 0; i < 5; ++i) {
        send(QEvent::KeyRelease, key, true);
        send(QEvent::KeyPress, key, true);
      }
      EXPECT_TRUE(Ok->Down());
      send(QEvent::KeyRelease, key, false);
    }
  }
  EXPECT_EQ(OkClicks, 4);
}

TEST_F(LbButtonTest, TheAcceleratorClicks) {
  // Typed on a control that takes no characters, or with Alt anywhere.
  Other->SetFocus();
  QTest::keyClick(Other->Widget(), 's');
  EXPECT_EQ(OkClicks, 1);
  QTest::keyClick(Other->Widget(), 'S');
  EXPECT_EQ(OkClicks, 2);
  Edit->SetFocus();
  QTest::keyClick(Edit->Widget(), 's');
  EXPECT_EQ(OkClicks, 2);
  EXPECT_EQ(Edit->Text(), "s");
  QTest::keyClick(Edit->Widget(), Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(OkClicks, 3);
  // "&&" is an ampersand, not an accelerator; a hidden button is left alone.
  Ok->SetCaption("Save && Close");
  QTest::keyClick(Other->Widget(), '&');
  QTest::keyClick(Other->Widget(), 'c');
  Ok->SetCaption("&Save");
  Ok->Hide();
  QTest::keyClick(Other->Widget(), 's');
  EXPECT_EQ(OkClicks, 3);
  EXPECT_EQ(OtherClicks, 0);
}

TEST_F(LbButtonTest, DefaultAndCancelButtonsTakeEnterAndEscape) {
  Ok->SetDefault(true);
  Other->SetCancel(true);
  Edit->SetFocus();
  QTest::keyClick(Edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 1);
  QTest::keyClick(Edit->Widget(), Qt::Key_Escape);
  EXPECT_EQ(OtherClicks, 1);
  QTest::keyClick(Edit->Widget(), Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(OtherClicks, 1);
  // A disabled Cancel button does not take Escape.
  Other->SetEnabled(false);
  QTest::keyClick(Edit->Widget(), Qt::Key_Escape);
  EXPECT_EQ(OtherClicks, 1);
  Other->SetEnabled(true);
}

TEST_F(LbButtonTest, EnterOnAnotherButtonLeavesTheDefaultButtonAlone) {
  Ok->SetDefault(true);
  Other->SetFocus();
  QTest::keyClick(Other->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 0);
  EXPECT_EQ(OtherClicks, 1);
  // A hidden Default button is pressed by Enter but does not click.
  Ok->Hide();
  Edit->SetFocus();
  QTest::keyClick(Edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(OkClicks, 0);
}

TEST_F(LbButtonTest, TheModalResultEndsItsFormsShowModal) {
  TForm dialog(nullptr);
  auto* ok = new TLbButton(&dialog);
  ok->SetParent(&dialog);
  ok->SetBounds(10, 10, 110, 28);
  ok->SetKind(bkOK);
  auto* cancel = new TLbButton(&dialog);
  cancel->SetParent(&dialog);
  cancel->SetBounds(130, 10, 110, 28);
  cancel->SetModalResult(mrCancel);
  cancel->SetCancel(true);
  auto* edit = new TEdit(&dialog);
  edit->SetParent(&dialog);
  edit->SetBounds(10, 50, 100, 21);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  // A failing key route must not hang the test.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [&] { dialog.SetModalResult(mrIgnore); });
  guard.start(3000);

  QTimer::singleShot(0, [&] { QTest::mouseClick(ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);

  QTimer::singleShot(0, [&] {
    edit->SetFocus();
    QTest::keyClick(edit->Widget(), Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);

  // A button without a modal result leaves the form open.
  ok->SetModalResult(mrNone);
  dialog.Show();
  dialog.SetModalResult(mrNone);
  QTest::mouseClick(ok->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(dialog.ModalResult(), mrNone);
  dialog.Hide();
}

TEST_F(LbButtonTest, TheMouseOverTheButtonMakesItHot) {
  int enters = 0, exits = 0;
  Ok->OnMouseEnter = [&](TObject*) { ++enters; };
  Ok->OnMouseExit = [&](TObject*) { ++exits; };
  Enter(Ok);
  EXPECT_TRUE(Ok->CursorOnButton());
  EXPECT_EQ(Ok->HotTrackStep(), 8);
  Leave(Ok);
  EXPECT_FALSE(Ok->CursorOnButton());
  EXPECT_EQ(Ok->HotTrackStep(), 0);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  // A disabled button stays cold and silent.
  Ok->SetEnabled(false);
  Enter(Ok);
  Leave(Ok);
  EXPECT_EQ(Ok->HotTrackStep(), 0);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  // Leaving does not clear a press.
  Ok->SetEnabled(true);
  QTest::mousePress(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  Leave(Ok);
  EXPECT_TRUE(Ok->Down());
  QTest::mouseRelease(Ok->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
}

TEST_F(LbButtonTest, SlowDeceaseFadesInEightStepsOf30Ms) {
  TManualClockScope clock;
  Ok->SetSlowDecease(true);
  Enter(Ok);
  Leave(Ok);
  EXPECT_EQ(Ok->HotTrackStep(), 8);
  EXPECT_TRUE(Ok->Fading());
  for (int step = 7; step >= 0; --step) {
    clock.Clock().Advance(29);
    EXPECT_EQ(Ok->HotTrackStep(), step + 1);
    clock.Clock().Advance(1);
    EXPECT_EQ(Ok->HotTrackStep(), step);
  }
  EXPECT_FALSE(Ok->Fading());
  EXPECT_EQ(clock.Clock().ActiveCount(), 0);
  clock.Clock().Advance(300);
  EXPECT_EQ(Ok->HotTrackStep(), 0);

  // Turning the option off mid-fade ends it with step 0.
  Enter(Ok);
  Leave(Ok);
  clock.Clock().Advance(60);
  EXPECT_EQ(Ok->HotTrackStep(), 6);
  Ok->SetSlowDecease(false);
  EXPECT_EQ(Ok->HotTrackStep(), 0);
  EXPECT_EQ(clock.Clock().ActiveCount(), 0);
}

TEST_F(LbButtonTest, AFadingButtonCanBeFreed) {
  TManualClockScope clock;
  auto* b = new TLbButton(&Form);
  b->SetParent(&Form);
  b->SetSlowDecease(true);
  Enter(b);
  Leave(b);
  EXPECT_EQ(clock.Clock().ActiveCount(), 1);
  delete b;
  EXPECT_EQ(clock.Clock().ActiveCount(), 0);
  clock.Clock().Advance(300);
}

TEST_F(LbButtonTest, ColorPresetsSetTheLookButReadAsCustom) {
  Ok->SetFlat(true);
  Ok->SetColorStyle(lcsQuicken);
  EXPECT_EQ(Ok->ColorStyle(), lcsCustom);
  EXPECT_EQ(Ok->Style(), bsQuicken);
  EXPECT_EQ(Ok->Font().Color(), clWhite);
  EXPECT_EQ(Ok->Color(), TColor(0x00603000));
  EXPECT_EQ(Ok->ColorWhenDown(), TColor(0x00AD6529));
  EXPECT_EQ(Ok->HotTrackColor(), TColor(0x00CEAE9C));
  EXPECT_FALSE(Ok->Flat());
  EXPECT_FALSE(Ok->TransparentWindow());  // a preset does not touch the window

  Ok->SetColorStyle(lcsUltraFlat2);
  EXPECT_EQ(Ok->Style(), bsNormal);
  EXPECT_TRUE(Ok->Flat());
  EXPECT_EQ(Ok->Font().Color(), clBlack);
  EXPECT_EQ(Ok->Color(), clBtnFace);
  EXPECT_EQ(Ok->LightColor(), TColor(0));

  Ok->SetColorStyle(lcsCustom);  // nothing
  EXPECT_TRUE(Ok->Flat());
  Ok->SetStyle(bsModern);
  EXPECT_TRUE(Ok->TransparentWindow());
  Ok->SetStyle(bsEncarta);
  EXPECT_FALSE(Ok->TransparentWindow());
}
