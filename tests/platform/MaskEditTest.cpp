#include "platform/MaskEdit.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct MaskEditFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TMaskEdit* Edit = nullptr;
  void SetUp() override {
    FormatSettings() = TFormatSettings();
    Edit = new TMaskEdit(Form.get());
    Edit->SetParent(Form.get());
    Form->SetClientWidth(200);
    Form->SetClientHeight(60);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Edit->SetFocus();
  }
};

}  // namespace

TEST(MaskEdit, MaskCharactersMapOntoQtsByOneTable) {
  FormatSettings() = TFormatSettings();
  FormatSettings().DateSeparator = '.';
  struct Case {
    const char* Library;
    const char* Qt;
    bool SaveLiterals;
  } cases[] = {
      {"000", "999;_", true},                 // digits required
      {"999", "000;_", true},                 // digits optional
      {"LlAaCc#", "AaNnXx#;_", true},         // letters, alphanumerics, any, digit or sign
      {">L<l<>L", ">A<a!A;_", true},          // case switches
      {"!99/99/00;1;_", "00.00.99;_", true},  // date separator from the locale, '!' dropped
      {"00:00;0;*", "99:99;*", false},        // time separator, literals not saved, own blank
      {"\\A0H", "\\A9\\H;_", true},           // escaped and Qt-special literals
      {"0_0", "9 9;_", true},                 // '_' is a blank literal
  };
  for (const Case& c : cases) {
    const TEditMaskInfo info = ParseEditMask(c.Library);
    EXPECT_EQ(info.QtMask, c.Qt) << c.Library;
    EXPECT_EQ(info.SaveLiterals, c.SaveLiterals) << c.Library;
  }
}

TEST_F(MaskEditFixture, MaskedTextsPerMaskKind) {
  struct Case {
    const char* Mask;
    const char* Typed;
    const char* Text;
    const char* Shown;
  } cases[] = {
      {"00/00/0000;1;_", "24122026", "24/12/2026", "24/12/2026"},
      {"00/00/0000;0;_", "24122026", "24122026", "24/12/2026"},
      {">LL;1;_", "ab", "AB", "AB"},
      {"00:00;1;_", "7", "7:", "7_:__"},
  };
  for (const Case& c : cases) {
    Edit->SetEditMask(c.Mask);
    Edit->SetText("");
    Edit->SetSelStart(0);
    QTest::keyClicks(Edit->Widget(), c.Typed);
    EXPECT_EQ(Edit->Text(), c.Text) << c.Mask;
    EXPECT_EQ(Edit->EditText(), c.Shown) << c.Mask;
  }
  // A letters-only place refuses a digit and takes the next letter.
  Edit->SetEditMask("LLL;1;_");
  Edit->SetText("");
  Edit->SetSelStart(0);
  QTest::keyClicks(Edit->Widget(), "a1bc");
  EXPECT_EQ(Edit->Text(), "abc");
}

TEST_F(MaskEditFixture, MaxLengthPasswordAndSelection) {
  Edit->SetMaxLength(3);
  QTest::keyClicks(Edit->Widget(), "abcdef");
  EXPECT_EQ(Edit->Text(), "abc");
  Edit->SetSelStart(1);
  Edit->SetSelLength(2);
  EXPECT_EQ(Edit->SelText(), "bc");
  Edit->SetPasswordChar('*');
  EXPECT_EQ(Edit->LineEdit()->displayText(), QString(3, Edit->LineEdit()->displayText()[0]));
  EXPECT_EQ(Edit->Text(), "abc");
}

// A new limit is for what is typed next; the selection and the caret stay.
TEST_F(MaskEditFixture, ANewLengthLimitKeepsTheSelection) {
  Edit->SetText("abcdef");
  Edit->SelectAll();
  Edit->SetMaxLength(10);
  EXPECT_EQ(Edit->SelStart(), 0);
  EXPECT_EQ(Edit->SelLength(), 6);
  Edit->SetSelStart(2);
  Edit->SetMaxLength(0);
  EXPECT_EQ(Edit->SelStart(), 2);
  EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(MaskEditFixture, FormattingRectangleAndCharacterAtAPoint) {
  Edit->SetBounds(0, 0, 120, 21);
  TRect r(3, 3, 80, 22);
  Edit->Perform(EM_SETRECTNP, 0, LPARAM(&r));
  TRect back;
  Edit->Perform(EM_GETRECT, 0, LPARAM(&back));
  EXPECT_EQ(back, r);
  EXPECT_EQ(Edit->LineEdit()->textMargins().left(), 3);
  EXPECT_EQ(Edit->LineEdit()->textMargins().right(), 40);
  Edit->SetText("abcdef");
  EXPECT_EQ(Edit->Perform(EM_CHARFROMPOS, 0, MakeLParam(0, 10)), 0);
  EXPECT_EQ(Edit->CharFromPos(TPoint(200, 10)), 6);
  Edit->SetEditStyle(ES_RIGHT);
  EXPECT_EQ(Edit->Alignment(), taRightJustify);
  Edit->SetEditStyle(ES_CENTER);
  EXPECT_EQ(Edit->Alignment(), taCenter);
}

namespace {
// Refuses every paste and counts the cut and paste messages it saw.
class TNoPasteEdit : public TMaskEdit {
public:
  using TMaskEdit::TMaskEdit;
  int Cuts = 0, Pastes = 0;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_PASTE) {
      ++Pastes;
      return;
    }
    if (m.Msg == WM_CUT) ++Cuts;
    TMaskEdit::WndProc(m);
  }
};
}  // namespace

TEST_F(MaskEditFixture, ClipboardKeysArriveAsMessages) {
  auto* edit = new TNoPasteEdit(Form.get());
  edit->SetParent(Form.get());
  edit->SetFocus();
  QApplication::clipboard()->setText("zz");
  edit->SetText("abc");
  edit->SelectAll();
  QTest::keyClick(edit->Widget(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(edit->Cuts, 1);
  EXPECT_EQ(edit->Text(), "");
  QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit->Widget(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(edit->Pastes, 2);
  EXPECT_EQ(edit->Text(), "");
  edit->Perform(WM_CHAR, 'q');
  EXPECT_EQ(edit->Text(), "");  // a sent char passes the filter but does not type
}
