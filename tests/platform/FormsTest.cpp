#include "platform/Application.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Forms, SettingModalResultEndsShowModalWithIt) {
  TForm form(nullptr);
  bool shown = false;
  form.OnShow = [&](TObject*) { shown = true; };
  QTimer::singleShot(0, [&] { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Modal());
}

TEST(Forms, TheCloseBoxGivesCancelAndOnCloseCanRefuse) {
  TForm form(nullptr);
  int closes = 0;
  form.OnClose = [&](TObject*, TCloseAction& action) {
    if (++closes == 1) {
      action = caNone;  // the first close is refused; the user tries again
      QTimer::singleShot(0, [&] { form.Widget()->close(); });
    }
  };
  QTimer::singleShot(0, [&] { form.Widget()->close(); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(closes, 2);
}

TEST(Forms, ModalResultSetDuringOnShowEndsAtOnce) {
  TForm form(nullptr);
  form.OnShow = [&](TObject*) { form.SetModalResult(mrNo); };
  EXPECT_EQ(form.ShowModal(), mrNo);
}

TEST(Forms, ClientSizeAndFixedBorder) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(694);
  form.SetClientHeight(396);
  EXPECT_EQ(form.ClientWidth(), 694);
  EXPECT_EQ(form.ClientHeight(), 396);
  form.Show();
  EXPECT_EQ(form.Widget()->size(), QSize(694, 396));
  form.SetCaption("Title");
  EXPECT_EQ(form.Caption(), "Title");
  form.Hide();
}

TEST(Forms, AResizeByTheWindowSystemIsTheFormsOwnResize) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  auto* client = new TPanel(&form);
  client->SetParent(&form);
  client->SetAlign(alClient);
  std::vector<QSize> resizes;
  form.OnResize = [&](TObject*) { resizes.push_back(QSize(form.ClientWidth(), form.ClientHeight())); };
  form.Show();
  QApplication::processEvents();
  EXPECT_TRUE(resizes.empty());  // showing the size set by code is no resize
  form.Widget()->resize(420, 260);
  QApplication::processEvents();
  EXPECT_EQ(resizes, std::vector<QSize>{QSize(420, 260)});
  EXPECT_EQ(form.Width(), 420 + form.NonClientWidth());
  EXPECT_EQ(form.Height(), 260 + form.NonClientHeight());
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 420, 260));
  // A handler that corrects the size wins over the window system.
  form.OnResize = [&](TObject*) {
    if (form.ClientWidth() != 300) form.SetClientWidth(300);
  };
  form.Widget()->resize(500, 250);
  QApplication::processEvents();
  EXPECT_EQ(form.Widget()->size(), QSize(300, 250));
  EXPECT_EQ(client->BoundsRect(), Bounds(0, 0, 300, 250));
  form.Hide();
}

TEST(Forms, SizeConstraintsHoldForCodeAndForTheWindowSystem) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetBounds(10, 10, 500, 400);
  form.SetConstraints({300, 200, 800, 0});
  form.SetBounds(10, 10, 100, 100);
  EXPECT_EQ(form.Width(), 300);
  EXPECT_EQ(form.Height(), 200);
  form.SetWidth(5000);
  EXPECT_EQ(form.Width(), 800);
  form.SetHeight(3000);  // no maximum height
  EXPECT_EQ(form.Height(), 3000);
  form.Show();
  QApplication::processEvents();
  form.Widget()->resize(50, 50);  // dragged smaller from outside
  QApplication::processEvents();
  EXPECT_EQ(form.Widget()->size(), QSize(300 - form.NonClientWidth(), 200 - form.NonClientHeight()));
  EXPECT_EQ(form.Width(), 300);
  EXPECT_EQ(form.Height(), 200);
  // Tightening the limits moves the window inside them at once.
  form.SetConstraints({400, 250, 0, 0});
  EXPECT_EQ(form.Width(), 400);
  EXPECT_EQ(form.Height(), 250);
  form.Hide();
}

TEST(Forms, EscapeDoesNotCloseAForm) {
  TForm form(nullptr);
  QTimer::singleShot(0, [&] {
    QTest::keyClick(form.Widget(), Qt::Key_Escape);
    QTimer::singleShot(10, [&] { form.SetModalResult(mrOk); });
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(ApplicationObject, FormsAreCreatedInOrderAndTheFirstIsMain) {
  struct TFirst : TForm {
    using TForm::TForm;
  };
  struct TSecond : TForm {
    using TForm::TForm;
  };
  TFirst* first = nullptr;
  TSecond* second = nullptr;
  std::vector<QString> created;
  Application()->CreateForm(first);
  Application()->CreateForm(second);
  EXPECT_EQ(Application()->MainForm(), first);
  EXPECT_EQ(Application()->Forms(Application()->FormCount() - 1), second);
  EXPECT_EQ(second->Owner(), Application());
  DestroyApplication();
}

TEST(Forms, TheFormIsPaintedInItsColour) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSingle);
  form.SetClientWidth(50);
  form.SetClientHeight(40);
  form.Show();
  EXPECT_EQ(form.Widget()->grab().toImage().pixelColor(10, 10), ToQColor(clBtnFace));
  form.SetColor(RGBColor(248, 247, 237));
  EXPECT_EQ(form.Widget()->grab().toImage().pixelColor(10, 10), QColor(248, 247, 237));
  form.Hide();
}

namespace {
// Notes the focus messages it receives.
class TFocusLog : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> Received;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_UIACTIVATE || m.Msg == WM_SETFOCUS) Received.push_back(m.Msg);
    TCustomControl::WndProc(m);
  }
};
}  // namespace

// The form makes the control that takes its focus its active one, and says so
// before the control hears of the focus; a control outside a form is not told.
TEST(Forms, TheControlTakingTheFocusIsActivatedByItsForm) {
  TForm form(nullptr);
  auto* first = new TFocusLog(&form);
  auto* second = new TFocusLog(&form);
  for (TFocusLog* c : {first, second}) {
    c->SetParent(&form);
    c->SetTabStop(true);
  }
  second->SetTop(40);
  form.Show();
  QApplication::setActiveWindow(form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  first->Received.clear();
  second->Received.clear();
  form.SetActiveControl(second);
  QApplication::processEvents();
  EXPECT_EQ(second->Received, (std::vector<UINT>{CM_UIACTIVATE, WM_SETFOCUS}));
  EXPECT_TRUE(first->Received.empty());
  form.SetActiveControl(first);
  QApplication::processEvents();
  EXPECT_EQ(first->Received, (std::vector<UINT>{CM_UIACTIVATE, WM_SETFOCUS}));
  form.Hide();

  TFocusLog alone(nullptr);
  alone.Widget()->show();
  QApplication::setActiveWindow(alone.Widget());
  alone.SetFocus();
  QApplication::processEvents();
  EXPECT_EQ(alone.Received, std::vector<UINT>{WM_SETFOCUS});
}
