#include "platform/Forms.h"

#include "platform/Application.h"
#include "platform/DialogKeys.h"
#include "platform/internal/ControlBridge.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

// The window of a form; its Qt events reach the form through the control's
// event bridge, the few a dialog handles itself are redirected here.
class TFormWidget : public QDialog {
public:
  explicit TFormWidget(TForm* form) : FForm(form) {}

protected:
  void keyPressEvent(QKeyEvent* e) override {
    // A form does not close on Escape by itself (a Cancel button does that).
    QWidget::keyPressEvent(e);
  }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    if (FForm) SafeCall([this] { FForm->Close(); });
  }
  void showEvent(QShowEvent* e) override {
    QDialog::showEvent(e);
    if (FForm && !e->spontaneous()) SafeCall([this] { FForm->DoShow(); });
  }
  void hideEvent(QHideEvent* e) override {
    QDialog::hideEvent(e);
    if (FForm && !e->spontaneous()) SafeCall([this] { FForm->DoHide(); });
  }
  void resizeEvent(QResizeEvent* e) override {
    QDialog::resizeEvent(e);
    if (FForm) SafeCall([this, e] { FForm->WindowResized(e->size()); });
  }
  void reject() override {}
  bool event(QEvent* e) override {
    if (e->type() == QEvent::WindowDeactivate && FForm) SafeCall([this] { FForm->Perform(CM_DEACTIVATE); });
    return QDialog::event(e);
  }

private:
  TForm* FForm;
};

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner, new TFormWidget(this)) {
  // A form starts hidden; Visible follows Show, ShowModal and Close.
  TControl::SetVisible(false);
  // A click on the form's own face takes no focus, as on the window system: a
  // press on a control that focuses itself in its own press handling (a grid)
  // reaches that control while the focus is still where it was.
  Widget()->setFocusPolicy(Qt::NoFocus);
  ApplyColorToWidget();
  SetBounds(0, 0, 320 + NonClientWidth(), 240 + NonClientHeight());
  ApplyWindowFlags();
  InstallDialogKeyRouter();
}

TForm::~TForm() {
  if (FModalLoop) FModalLoop->exit(mrCancel);
  if (OnDestroy) SafeCall([this] { OnDestroy(this); });
}

QDialog* TForm::Dialog() const { return static_cast<QDialog*>(Widget()); }

QWidget* TForm::ClientWidget() const { return Widget(); }

int TForm::NonClientWidth() const {
  switch (FBorderStyle) {
    case bsNone: return 0;
    case bsSizeable:
    case bsSizeToolWin: return 16;
    default: return 6;
  }
}

int TForm::NonClientHeight() const {
  switch (FBorderStyle) {
    case bsNone: return 0;
    case bsSizeable: return 39;
    case bsToolWindow:
    case bsSizeToolWin: return 29;
    default: return 29;
  }
}

namespace {
int Constrained(int Size, int Min, int Max) {
  if (Max > 0) Size = std::min(Size, Max);
  if (Min > 0) Size = std::max(Size, Min);
  return Size;
}
}  // namespace

void TForm::SetConstraints(const TSizeConstraints& v) {
  FConstraints = v;
  SetBounds(Left(), Top(), Width(), Height());
}

void TForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = Constrained(AWidth, FConstraints.MinWidth, FConstraints.MaxWidth);
  AHeight = Constrained(AHeight, FConstraints.MinHeight, FConstraints.MaxHeight);
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  QDialog* d = Dialog();
  if (!d) return;
  const int cw = std::max(0, ClientWidth()), ch = std::max(0, ClientHeight());
  if (FBorderStyle == bsSizeable || FBorderStyle == bsSizeToolWin) {
    // The window manager's limits are on the client area.
    const auto client = [](int Outer, int NonClient, int Free) {
      return Outer > 0 ? std::max(0, Outer - NonClient) : Free;
    };
    d->setMinimumSize(client(FConstraints.MinWidth, NonClientWidth(), 0),
                      client(FConstraints.MinHeight, NonClientHeight(), 0));
    d->setMaximumSize(client(FConstraints.MaxWidth, NonClientWidth(), QWIDGETSIZE_MAX),
                      client(FConstraints.MaxHeight, NonClientHeight(), QWIDGETSIZE_MAX));
    d->resize(cw, ch);
  } else {
    d->setFixedSize(cw, ch);
  }
  d->move(ALeft, ATop);
}

// A resize by the window manager (or by anything but SetBounds) gets the
// bounds and the size message that SetBounds would have given, so alignment,
// anchoring handlers and OnResize run; a resize we made ourselves already matches.
void TForm::WindowResized(const QSize& clientSize) {
  if (clientSize.width() == ClientWidth() && clientSize.height() == ClientHeight()) return;
  TControl::SetBounds(Left(), Top(), clientSize.width() + NonClientWidth(), clientSize.height() + NonClientHeight());
}

void TForm::SetBorderStyle(TBorderStyle v) {
  const int cw = ClientWidth(), ch = ClientHeight();
  FBorderStyle = v;
  ApplyWindowFlags();
  SetBounds(Left(), Top(), cw + NonClientWidth(), ch + NonClientHeight());
}

void TForm::ApplyWindowFlags() {
  Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint;
  if (FBorderStyle == bsNone) {
    f = Qt::Dialog | Qt::FramelessWindowHint;
  } else {
    f |= Qt::WindowTitleHint;
    if (BorderIcons & biSystemMenu) f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (FBorderStyle == bsSizeable && (BorderIcons & biMinimize)) f |= Qt::WindowMinimizeButtonHint;
    if (FBorderStyle == bsSizeable && (BorderIcons & biMaximize)) f |= Qt::WindowMaximizeButtonHint;
  }
  if (FFormStyle == fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
  const bool wasVisible = Dialog()->isVisible();
  Dialog()->setWindowFlags(f);
  if (wasVisible) Dialog()->show();
}

void TForm::ApplyColorToWidget() {
  QPalette pal = Dialog()->palette();
  pal.setColor(QPalette::Window, ToQColor(Color()));
  Dialog()->setPalette(pal);
  Dialog()->setAutoFillBackground(true);
}

void TForm::PlaceOnScreen() {
  if (Position != poScreenCenter && Position != poDesktopCenter && Position != poMainFormCenter &&
      Position != poOwnerFormCenter)
    return;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect avail = screen->availableGeometry();
  SetBounds(avail.left() + (avail.width() - Width()) / 2, avail.top() + (avail.height() - Height()) / 2, Width(),
            Height());
}

void TForm::SetVisible(bool v) {
  if (v == Visible() && Dialog()->isVisible() == v) return;
  TControl::SetVisible(v);
  if (v) {
    PlaceOnScreen();
    Dialog()->show();
  } else {
    Dialog()->hide();
  }
}

TWinControl* TForm::ActiveControl() const {
  return dynamic_cast<TWinControl*>(ControlFromWidget(Dialog()->focusWidget()));
}

void TForm::SetActiveControl(TWinControl* c) {
  if (c && c->Widget()) c->Widget()->setFocus(Qt::OtherFocusReason);
}

void TForm::SetModalResult(TModalResult v) {
  FModalResult = v;
  if (FModal && v != mrNone && FModalLoop) FModalLoop->exit(v);
}

TModalResult TForm::ShowModal() {
  if (FModal) throw EInvalidOperation("Cannot make a visible window modal");
  FModalResult = mrNone;
  FModal = true;
  // The window system gives the activation back to the window that had it
  // when the modal window closes, and that window its focused control.
  const QPointer<QWidget> previous = QApplication::activeWindow();
  QEventLoop loop;
  FModalLoop = &loop;
  Dialog()->setWindowModality(Qt::ApplicationModal);
  TControl::SetVisible(true);
  PlaceOnScreen();
  Dialog()->show();
  for (;;) {
    if (FModalResult == mrNone) loop.exec(QEventLoop::DialogExec);
    if (FModalResult == mrNone) FModalResult = mrCancel;  // the loop was ended from outside
    TCloseAction action = caHide;
    DoClose(action);
    if (action != caNone) break;
    FModalResult = mrNone;
  }
  FModalLoop = nullptr;
  FModal = false;
  TControl::SetVisible(false);
  Dialog()->hide();
  Dialog()->setWindowModality(Qt::NonModal);
  if (previous && previous != Dialog() && previous->isVisible()) {
    previous->activateWindow();
    // The hide may hand the activation elsewhere once it is processed.
    QTimer::singleShot(0, previous, [previous] {
      if (previous && previous->isVisible() && !QApplication::activeWindow()) previous->activateWindow();
    });
  }
  return FModalResult;
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TForm::Close() {
  if (FClosing) return;
  if (!CloseQuery()) return;
  if (FModal) {
    SetModalResult(mrCancel);
    return;
  }
  FClosing = true;
  TCloseAction action = caHide;
  DoClose(action);
  FClosing = false;
  if (action == caNone) return;
  SetVisible(false);
  if (Application()->MainForm() == this) Application()->Terminate();
}

void TForm::ApplyText() { Dialog()->setWindowTitle(FText); }

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TForm::PreviewKeyDown(WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); }
void TForm::PreviewKeyUp(WORD& Key, TShiftState Shift) { KeyUp(Key, Shift); }
void TForm::PreviewKeyPress(QChar& Key) { KeyPress(Key); }

void TForm::SetFormStyle(TFormStyle v) {
  if (v == FFormStyle) return;
  FFormStyle = v;
  ApplyWindowFlags();
}

void TForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CLOSE) {
    Close();
    return;
  }
  if (Message.Msg == CM_DEACTIVATE && OnDeactivate) OnDeactivate(this);
  TWinControl::WndProc(Message);
}
