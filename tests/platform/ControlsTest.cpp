#include "platform/Application.h"
#include "platform/Buttons.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/KeyboardState.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <typeinfo>

namespace {

constexpr UINT WM_PROBE = WM_USER + 7;

// A control that records the messages it receives, in order.
class TProbe : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<QString> Log;
  std::function<void(TMessage&)> OnMessage;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_PROBE) {
      Log.push_back(QString("probe %1").arg(m.WParam));
      if (OnMessage) OnMessage(m);
      m.Result = 42;
      return;
    }
    TCustomControl::WndProc(m);
  }
  void Paint() override {
    Canvas().Brush().Color = clRed;
    Canvas().FillRect(ClientRect());
  }
};

struct FormFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  void ShowForm() {
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
};

}  // namespace

TEST_F(FormFixture, SentMessageRunsAtOncePostedAfterTheHandlerReturned) {
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  std::vector<QString> order;
  probe->OnMessage = [&](TMessage& m) {
    if (m.WParam == 1) {
      PostMessage(probe, WM_PROBE, 2);
      order.push_back("after post");
      EXPECT_EQ(SendMessage(probe, WM_PROBE, 3), 42);
      order.push_back("after send");
    }
  };
  EXPECT_EQ(probe->Perform(WM_PROBE, 1), 42);
  EXPECT_EQ(probe->Log, std::vector<QString>({"probe 1", "probe 3"}));
  QApplication::processEvents();
  EXPECT_EQ(probe->Log, std::vector<QString>({"probe 1", "probe 3", "probe 2"}));
  EXPECT_EQ(order, std::vector<QString>({"after post", "after send"}));
}

TEST(Messages, RegisteredNamesKeepTheirNumber) {
  UINT a = RegisterWindowMessage("GridEditDone");
  UINT b = RegisterWindowMessage("DTPShiftFocus");
  EXPECT_GE(a, 0xC000u);
  EXPECT_NE(a, b);
  EXPECT_EQ(RegisterWindowMessage("GridEditDone"), a);
}

TEST_F(FormFixture, EditTextFromCodeFiresOnChangeOnlyWhenItChanges) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  int changes = 0;
  edit->OnChange = [&](TObject* s) {
    EXPECT_EQ(s, edit);
    ++changes;
  };
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  edit->SetText("abc");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(FormFixture, CheckedFromCodeFiresOnClickOnlyWhenItChanges) {
  auto* box = new TCheckBox(Form.get());
  box->SetParent(Form.get());
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(clicks, 1);
  box->SetChecked(false);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(box->Checked());
}

TEST_F(FormFixture, ListComboItemIndexFromCodeFiresNothing) {
  auto* combo = new TComboBox(Form.get());
  combo->SetParent(Form.get());
  combo->SetStyle(csDropDownList);
  combo->Items().Add("EU868");
  combo->Items().Add("US915");
  int events = 0;
  combo->OnChange = [&](TObject*) { ++events; };
  combo->OnSelect = [&](TObject*) { ++events; };
  combo->OnClick = [&](TObject*) { ++events; };
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "US915");
  combo->SetItemIndex(7);  // out of range: nothing selected
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(events, 0);
}

TEST_F(FormFixture, KeyZeroInOnKeyPressOrOnKeyDownSwallowsTheKey) {
  ShowForm();
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  edit->OnKeyPress = [](TObject*, QChar& key) {
    if (key == 'x') key = QChar(0);
    if (key == 'a') key = 'A';
  };
  edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
    if (key == VK_DELETE) key = 0;
  };
  edit->SetFocus();
  QTest::keyClicks(edit->Widget(), "axb");
  EXPECT_EQ(edit->Text(), "Ab");
  edit->LineEdit()->setCursorPosition(0);
  QTest::keyClick(edit->Widget(), Qt::Key_Delete);
  EXPECT_EQ(edit->Text(), "Ab");
}

TEST_F(FormFixture, ASwallowedKeyDownStillAnnouncesItsCharacter) {
  ShowForm();
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  edit->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
    if (key == 'A' || key == VK_RETURN) key = 0;
  };
  QStringList chars;
  edit->OnKeyPress = [&](TObject*, QChar& k) { chars.append(QString::number(k.unicode())); };
  edit->SetFocus();
  QTest::keyClicks(edit->Widget(), "ab");
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(chars, QStringList({"97", "98", "13"}));
  EXPECT_EQ(edit->Text(), "b") << "the swallowed key itself never reaches the widget";
}

TEST_F(FormFixture, KeyIsDownTellsTheLeftAltFromAltGr) {
  ShowForm();
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  QStringList seen;
  edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState) {
    if (key != VK_INSERT) return;
    seen.append(QString("%1%2%3").arg(KeyIsDown(VK_LMENU)).arg(KeyIsDown(VK_RMENU)).arg(KeyIsDown(VK_MENU)));
  };
  edit->SetFocus();
  QTest::keyClick(edit->Widget(), Qt::Key_Insert, Qt::AltModifier);
  QTest::keyClick(edit->Widget(), Qt::Key_Insert, Qt::GroupSwitchModifier);
  QTest::keyClick(edit->Widget(), Qt::Key_Insert);
  EXPECT_EQ(seen, QStringList({"101", "011", "000"}));
}

TEST_F(FormFixture, ATabSentToAContainerMovesTheFocusOnFromItsChild) {
  ShowForm();
  auto* first = new TEdit(Form.get());
  first->SetParent(Form.get());
  auto* second = new TEdit(Form.get());
  second->SetParent(Form.get());
  second->SetTop(40);
  first->SetFocus();
  QApplication::processEvents();
  Form->Perform(WM_KEYDOWN, VK_TAB, 0);
  QApplication::processEvents();
  EXPECT_TRUE(second->Focused());
}

TEST_F(FormFixture, FocusingAControlOfAnotherWindowActivatesThatWindow) {
  ShowForm();
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  TForm other(nullptr);
  auto* otherEdit = new TEdit(&other);
  otherEdit->SetParent(&other);
  other.Show();
  otherEdit->SetFocus();
  QApplication::processEvents();
  ASSERT_TRUE(other.Widget()->isActiveWindow());
  int deactivated = 0;
  other.OnDeactivate = [&](TObject*) { ++deactivated; };
  edit->SetFocus();
  QApplication::processEvents();
  EXPECT_TRUE(Form->Widget()->isActiveWindow());
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(deactivated, 1);
  // Not past a modal window.
  other.Widget()->setWindowModality(Qt::ApplicationModal);
  other.Hide();
  other.Show();
  otherEdit->SetFocus();
  QApplication::processEvents();
  ASSERT_TRUE(other.Widget()->isActiveWindow());
  edit->SetFocus();
  QApplication::processEvents();
  EXPECT_TRUE(other.Widget()->isActiveWindow());
  EXPECT_FALSE(Form->Widget()->isActiveWindow());
}

TEST_F(FormFixture, KeyPreviewLetsTheFormSeeKeysFirst) {
  ShowForm();
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  Form->SetKeyPreview(true);
  std::vector<QString> order;
  Form->OnKeyPress = [&](TObject*, QChar& k) {
    order.push_back("form");
    if (k == 'q') k = QChar(0);
  };
  edit->OnKeyPress = [&](TObject*, QChar&) { order.push_back("edit"); };
  edit->SetFocus();
  QTest::keyClicks(edit->Widget(), "wq");
  EXPECT_EQ(order, std::vector<QString>({"form", "edit", "form"}));
  EXPECT_EQ(edit->Text(), "w");
}

TEST_F(FormFixture, MouseClickOrderIsDownClickUp) {
  ShowForm();
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  probe->SetBounds(10, 10, 50, 50);
  std::vector<QString> order;
  probe->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
    EXPECT_EQ(b, mbLeft);
    EXPECT_TRUE(s.Contains(ssLeft));
    order.push_back(QString("down %1,%2").arg(x).arg(y));
  };
  probe->OnClick = [&](TObject*) { order.push_back("click"); };
  probe->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { order.push_back("up"); };
  QTest::mouseClick(probe->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(order, std::vector<QString>({"down 5,6", "click", "up"}));
}

TEST_F(FormFixture, RightReleasePopsUpTheControlsMenuUntilTheMenuIsFreed) {
  ShowForm();
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  probe->SetBounds(10, 10, 50, 50);
  auto* menu = new TPopupMenu(Form.get());
  int chosen = 0;
  menu->Add("Copy")->OnClick = [&](TObject*) { ++chosen; };
  probe->SetPopupMenu(menu);
  TScriptedPopupScope popups;
  popups.Service().Answers = {0, 0};
  std::vector<QString> order;
  probe->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { order.push_back("up"); };
  menu->OnPopup = [&](TObject*) { order.push_back("popup"); };
  QTest::mouseClick(probe->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(order, std::vector<QString>({"up", "popup"}));
  ASSERT_EQ(popups.Service().Shown.size(), 1u);
  const TPoint at = probe->ClientToScreen(TPoint(5, 6));
  EXPECT_EQ(popups.Service().Shown[0].ScreenPos, at);
  EXPECT_EQ(chosen, 1);
  // A left click asks for no menu.
  QTest::mouseClick(probe->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(popups.Service().Shown.size(), 1u);
  delete menu;
  EXPECT_EQ(probe->PopupMenu(), nullptr);
  QTest::mouseClick(probe->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
  EXPECT_EQ(popups.Service().Shown.size(), 1u);
}

TEST_F(FormFixture, ExceptionInAHandlerReachesTheErrorDialogAndTheProgramGoesOn) {
  TScriptedDialogScope dialogs;
  ShowForm();
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  probe->SetBounds(0, 0, 40, 40);
  int clicks = 0;
  probe->OnClick = [&](TObject*) {
    ++clicks;
    throw EConvertError("'x' is not a valid integer value");
  };
  QTest::mouseClick(probe->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseClick(probe->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(clicks, 2);
  ASSERT_EQ(dialogs->Records().size(), 2u);
  EXPECT_EQ(dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(dialogs->Records()[0].Text, "'x' is not a valid integer value");
  probe->OnClick = [](TObject*) { throw std::runtime_error("plain"); };
  QTest::mouseClick(probe->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(dialogs->Records().back().Text, "plain");
}

TEST_F(FormFixture, CustomControlPaintsThroughItsCanvas) {
  ShowForm();
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  probe->SetBounds(20, 20, 30, 30);
  QImage img = probe->Widget()->grab().toImage();
  EXPECT_EQ(img.pixelColor(15, 15), QColor(255, 0, 0));
}

TEST_F(FormFixture, ParentFontFlowsToChildrenUntilAChildSetsItsOwn) {
  auto* label = new TLabel(Form.get());
  label->SetParent(Form.get());
  auto* other = new TLabel(Form.get());
  other->SetParent(Form.get());
  other->Font().SetName("Tahoma");
  other->Font().SetSize(12);
  Form->Font().SetName("Verdana");
  Form->Font().SetSize(8);
  EXPECT_EQ(label->Font().Name(), "Verdana");
  EXPECT_TRUE(label->ParentFont());
  EXPECT_FALSE(other->ParentFont());
  EXPECT_EQ(other->Font().Size(), 12);
}

TEST_F(FormFixture, VisibilityIsTheControlsOwnFlag) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  EXPECT_TRUE(edit->Visible());
  EXPECT_FALSE(edit->Showing());  // the form is not shown yet
  ShowForm();
  EXPECT_TRUE(edit->Showing());
  edit->Hide();
  EXPECT_FALSE(edit->Visible());
  EXPECT_FALSE(edit->Showing());
}

namespace {

// Pixels of the grabbed control whose lightness lies in [from, to]: text in
// black ink is near 0, the platform's greyed text in the middle.
int PixelsLit(TControl* c, int from, int to) {
  const QImage shot = c->Widget()->grab().toImage();
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const int l = QColor(shot.pixel(x, y)).lightness();
      n += l >= from && l <= to;
    }
  return n;
}
int InkPixels(TControl* c) { return PixelsLit(c, 0, 60); }
int GreyedPixels(TControl* c) { return PixelsLit(c, 150, 215); }

}  // namespace

TEST_F(FormFixture, DisabledControlsKeepTheDisabledLookWhateverColoursCodeSet) {
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  edit->SetBounds(10, 10, 120, 21);
  edit->SetText("888 888");
  auto* box = new TCheckBox(Form.get());
  box->SetParent(Form.get());
  box->SetBounds(10, 50, 150, 17);
  box->SetCaption("WWW WWW");
  // Set by code as the forms do: text colour, font and input colour.
  for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(box)}) {
    c->Font().SetName("Verdana");
    c->Font().SetColor(clBlack);
    c->SetColor(clWhite);
  }
  ShowForm();
  ASSERT_GT(InkPixels(edit), 10);
  ASSERT_GT(InkPixels(box), 10);
  edit->SetEnabled(false);
  box->SetEnabled(false);
  for (TControl* c : {static_cast<TControl*>(edit), static_cast<TControl*>(box)}) {
    EXPECT_EQ(InkPixels(c), 0) << typeid(*c).name();
    EXPECT_GT(GreyedPixels(c), 10) << typeid(*c).name();
  }
  EXPECT_NE(edit->Widget()->palette().color(QPalette::Disabled, QPalette::Base), QColor(Qt::white));
  edit->SetEnabled(true);
  EXPECT_GT(InkPixels(edit), 10);
  EXPECT_EQ(edit->Widget()->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
}

TEST(Controls, DestroyingAParentFirstLeavesNoDanglingChild) {
  auto form = std::make_unique<TForm>(nullptr);
  TComponent owner(nullptr);
  auto* edit = new TEdit(&owner);  // owned elsewhere, parented by the form
  edit->SetParent(form.get());
  form.reset();
  EXPECT_EQ(edit->Parent(), nullptr);
  edit->SetText("still usable");
  EXPECT_EQ(edit->Text(), "still usable");
}

TEST_F(FormFixture, ComboSelectionSurvivesAddingItemsAndGoesWithClear) {
  auto* combo = new TComboBox(Form.get());
  combo->SetParent(Form.get());
  combo->SetStyle(csDropDownList);
  combo->Items().Add("A");
  combo->Items().Add("B");
  combo->SetItemIndex(1);
  combo->Items().Add("C");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "B");
  combo->Items().Clear();
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(FormFixture, BroadcastGoesToEachChildUntilOneAnswers) {
  auto* first = new TProbe(Form.get());
  auto* second = new TProbe(Form.get());
  auto* third = new TProbe(Form.get());
  for (TProbe* p : {first, second, third}) p->SetParent(Form.get());
  TMessage m{WM_PROBE, 5, 0, 0};
  Form->Broadcast(m);
  EXPECT_EQ(m.Result, 42);
  EXPECT_EQ(first->Log.size(), 1u);
  EXPECT_TRUE(second->Log.empty());
  EXPECT_TRUE(third->Log.empty());
}

TEST_F(FormFixture, DesktopLookChangesArriveAsThemeFontAndColourNotices) {
  auto* probe = new TProbe(Form.get());
  probe->SetParent(Form.get());
  std::vector<UINT> seen;
  struct TNoticeProbe : TCustomControl {
    using TCustomControl::TCustomControl;
    std::vector<UINT>* Seen = nullptr;
    void WndProc(TMessage& m) override {
      if (m.Msg == WM_THEMECHANGED || m.Msg == CM_SYSFONTCHANGED || m.Msg == CM_SYSCOLORCHANGE) Seen->push_back(m.Msg);
      TCustomControl::WndProc(m);
    }
  };
  auto* notices = new TNoticeProbe(Form.get());
  notices->Seen = &seen;
  notices->SetParent(Form.get());
  ShowForm();
  QEvent style(QEvent::StyleChange), font(QEvent::ApplicationFontChange), palette(QEvent::ApplicationPaletteChange);
  QApplication::sendEvent(notices->Widget(), &style);
  QApplication::sendEvent(notices->Widget(), &font);
  QApplication::sendEvent(notices->Widget(), &palette);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_THEMECHANGED, CM_SYSFONTCHANGED, CM_SYSCOLORCHANGE}));
}

namespace {
// Counts the cursor-changed notices a control receives.
class TCursorProbe : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int Notices = 0;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_CURSORCHANGED) ++Notices;
    TCustomControl::WndProc(m);
  }
};
}  // namespace

// A control hears of a change of its cursor, once per change, whoever made it.
TEST_F(FormFixture, ACursorChangeIsAnnouncedToTheControl) {
  auto* probe = new TCursorProbe(Form.get());
  probe->SetParent(Form.get());
  probe->SetCursor(crHandPoint);
  EXPECT_EQ(probe->Notices, 1);
  probe->SetCursor(crHandPoint);
  EXPECT_EQ(probe->Notices, 1);
  probe->SetCursor(crDefault);
  EXPECT_EQ(probe->Notices, 2);
  EXPECT_EQ(probe->Cursor(), crDefault);
}

// ---- Destruction ----

namespace {

// A form whose handlers use its own members, as the system's forms do: the
// members are gone before the platform's part of the form frees the controls.
class TLoggingForm : public TForm {
public:
  TLoggingForm() : TForm(nullptr) {
    SetClientWidth(300);
    SetClientHeight(200);
    Button = new TButton(this);
    Button->SetParent(this);
    Button->SetBounds(20, 20, 120, 40);
    Button->OnMouseEnter = [this](TObject*) { Log.push_back("enter"); };
    Button->OnMouseLeave = [this](TObject*) { Log.push_back("leave"); };
  }
  TButton* Button;
  std::vector<std::string> Log;
};

}  // namespace

TEST_F(FormFixture, AShownButtonFreedUnderTheMouseGetsNoLeave) {
  auto* b = new TButton(Form.get());
  b->SetParent(Form.get());
  b->SetBounds(20, 20, 120, 40);
  ShowForm();
  int enters = 0, leaves = 0, messages = 0;
  b->OnMouseEnter = [&](TObject*) { ++enters; };
  b->OnMouseLeave = [&](TObject*) { ++leaves; };
  QTest::mouseMove(b->Widget(), QPoint(30, 15));
  ASSERT_EQ(enters, 1);
  b->SetMessageFilter([&](TMessage&) {
    ++messages;
    return false;
  });
  delete b;
  EXPECT_EQ(leaves, 0);
  EXPECT_EQ(messages, 0);
  // The form under the pointer goes on as before.
  int formClicks = 0;
  Form->OnClick = [&](TObject*) { ++formClicks; };
  QTest::mouseClick(Form->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
  EXPECT_EQ(formClicks, 1);
}

TEST(Controls, AFormClosedWithThePointerOverAControlRunsNoHandlerOfIt) {
  auto form = std::make_unique<TLoggingForm>();
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
  QTest::mouseMove(form->Button->Widget(), QPoint(30, 15));
  ASSERT_EQ(form->Log, std::vector<std::string>{"enter"});
  form.reset();  // the leave of the dying button must not reach the freed log
  QApplication::processEvents();
}

namespace {
// Counts the containers' notice that the focus left them with all they hold.
class TExitProbePanel : public TPanel {
public:
  using TPanel::TPanel;
  int Exits = 0;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_EXIT) ++Exits;
    TPanel::WndProc(Message);
  }
};
}  // namespace

// A container hears of the focus leaving it (CM_EXIT) after the control that
// lost the focus, and only when the focus went outside it.
TEST_F(FormFixture, AContainerIsToldWhenTheFocusLeavesAllItHolds) {
  ShowForm();
  auto* outer = new TExitProbePanel(Form.get());
  outer->SetParent(Form.get());
  auto* inner = new TExitProbePanel(Form.get());
  inner->SetParent(outer);
  auto* first = new TEdit(Form.get());
  first->SetParent(inner);
  auto* second = new TEdit(Form.get());
  second->SetParent(inner);
  auto* beside = new TEdit(Form.get());
  beside->SetParent(outer);
  auto* away = new TEdit(Form.get());
  away->SetParent(Form.get());
  int exitsWhenSecondLeft = -1;
  second->OnExit = [&](TObject*) { exitsWhenSecondLeft = inner->Exits; };
  first->SetFocus();
  QApplication::processEvents();
  second->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(inner->Exits, 0);
  beside->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(exitsWhenSecondLeft, 0);  // the control first, then its containers
  EXPECT_EQ(inner->Exits, 1);
  EXPECT_EQ(outer->Exits, 0);
  away->SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(outer->Exits, 1);
  EXPECT_EQ(inner->Exits, 1);
}
