#include "platform/Controls.h"

#include "platform/ActnList.h"
#include "platform/FocusQuery.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/HintWindow.h"
#include "platform/Menus.h"
#include "platform/Property.h"
#include "platform/ResourceCursors.h"
#include "platform/SystemProbes.h"
#include "platform/Timers.h"
#include "platform/internal/ControlBridge.h"
#include "platform/internal/KeyEventShift.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace {

const char* kControlProperty = "quilloreControl";

// Carries a posted message to the control's widget.
class TPostedMessageEvent : public QEvent {
public:
  static QEvent::Type EventType() {
    static int type = QEvent::registerEventType();
    return QEvent::Type(type);
  }
  explicit TPostedMessageEvent(const TMessage& m) : QEvent(EventType()), Message(m) {}
  TMessage Message;
};

// Forwards the events of a widget to its control before Qt handles them.
class TEventBridge : public QObject {
public:
  TEventBridge(TControl* control, QObject* parent) : QObject(parent), FControl(control) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    bool consumed = false;
    SafeCall([&] { consumed = HandleQtEvent(*FControl, watched, event); });
    return consumed;
  }

private:
  TControl* FControl;
};

Qt::CursorShape CursorShape(TCursor c) {
  switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

WPARAM MouseKeyFlags(TShiftState s) {
  WPARAM w = 0;
  if (s.Contains(ssLeft)) w |= 0x0001;
  if (s.Contains(ssRight)) w |= 0x0002;
  if (s.Contains(ssShift)) w |= 0x0004;
  if (s.Contains(ssCtrl)) w |= 0x0008;
  if (s.Contains(ssMiddle)) w |= 0x0010;
  return w;
}

TShiftState ShiftFromMouseKeys(WPARAM w) {
  TShiftState s;
  if (w & 0x0001) s.Include(ssLeft);
  if (w & 0x0002) s.Include(ssRight);
  if (w & 0x0004) s.Include(ssShift);
  if (w & 0x0008) s.Include(ssCtrl);
  if (w & 0x0010) s.Include(ssMiddle);
  if (QApplication::keyboardModifiers() & Qt::AltModifier) s.Include(ssAlt);
  return s;
}

}  // namespace

// ---- key translation ----

WORD QtKeyToVirtualKey(int k, Qt::KeyboardModifiers mods) {
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return WORD('A' + (k - Qt::Key_A));
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return WORD(((mods & Qt::KeypadModifier) ? VK_NUMPAD0 : '0') + (k - Qt::Key_0));
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return WORD(VK_F1 + (k - Qt::Key_F1));
  struct Pair {
    int Qt;
    WORD Vk;
  };
  static constexpr Pair table[] = {
      {Qt::Key_Backspace, VK_BACK},
      {Qt::Key_Tab, VK_TAB},
      {Qt::Key_Backtab, VK_TAB},
      {Qt::Key_Clear, VK_CLEAR},
      {Qt::Key_Return, VK_RETURN},
      {Qt::Key_Enter, VK_RETURN},
      {Qt::Key_Shift, VK_SHIFT},
      {Qt::Key_Control, VK_CONTROL},
      {Qt::Key_Alt, VK_MENU},
      {Qt::Key_Pause, VK_PAUSE},
      {Qt::Key_CapsLock, VK_CAPITAL},
      {Qt::Key_Escape, VK_ESCAPE},
      {Qt::Key_Space, VK_SPACE},
      {Qt::Key_PageUp, VK_PRIOR},
      {Qt::Key_PageDown, VK_NEXT},
      {Qt::Key_End, VK_END},
      {Qt::Key_Home, VK_HOME},
      {Qt::Key_Left, VK_LEFT},
      {Qt::Key_Up, VK_UP},
      {Qt::Key_Right, VK_RIGHT},
      {Qt::Key_Down, VK_DOWN},
      {Qt::Key_Print, VK_SNAPSHOT},
      {Qt::Key_Insert, VK_INSERT},
      {Qt::Key_Delete, VK_DELETE},
      {Qt::Key_Help, VK_HELP},
      {Qt::Key_Menu, VK_APPS},
      {Qt::Key_NumLock, VK_NUMLOCK},
      {Qt::Key_ScrollLock, VK_SCROLL},
      {Qt::Key_Asterisk, VK_MULTIPLY},
      {Qt::Key_Plus, VK_OEM_PLUS},
      {Qt::Key_Comma, VK_OEM_COMMA},
      {Qt::Key_Minus, VK_OEM_MINUS},
      {Qt::Key_Period, VK_OEM_PERIOD},
      {Qt::Key_Slash, VK_OEM_2},
      {Qt::Key_Semicolon, VK_OEM_1},
      {Qt::Key_QuoteLeft, VK_OEM_3},
      {Qt::Key_BracketLeft, VK_OEM_4},
      {Qt::Key_Backslash, VK_OEM_5},
      {Qt::Key_BracketRight, VK_OEM_6},
      {Qt::Key_Apostrophe, VK_OEM_7},
  };
  if (mods & Qt::KeypadModifier) {
    switch (k) {
      case Qt::Key_Asterisk: return VK_MULTIPLY;
      case Qt::Key_Plus: return VK_ADD;
      case Qt::Key_Minus: return VK_SUBTRACT;
      case Qt::Key_Period: return VK_DECIMAL;
      case Qt::Key_Slash: return VK_DIVIDE;
      default: break;
    }
  }
  for (const Pair& p : table)
    if (p.Qt == k) return p.Vk;
  return 0;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  TShiftState s;
  if (mods & Qt::ShiftModifier) s.Include(ssShift);
  if (mods & Qt::ControlModifier) s.Include(ssCtrl);
  if (mods & Qt::AltModifier) s.Include(ssAlt);
  if (buttons & Qt::LeftButton) s.Include(ssLeft);
  if (buttons & Qt::RightButton) s.Include(ssRight);
  if (buttons & Qt::MiddleButton) s.Include(ssMiddle);
  return s;
}

// ---- TControl ----

TControl::TControl(TComponent* AOwner, QWidget* widget) : TComponent(AOwner) {
  SetWidget(widget ? widget : new QWidget());
  FFont.OnChange = [this](TObject*) {
    if (!FFontFromParent) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  BeginDestruction();
  // The widget goes with this control: it leaves its parent when deleted,
  // so moving it out to a window of its own first would only resolve its
  // font and palette (and those of everything inside it) once more.
  if (FParent) {
    auto& list = FParent->FControls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    FParent = nullptr;
  }
  if (FWidget) {
    FWidget->setProperty(kControlProperty, QVariant());
    delete FWidget.data();
  }
}

void TControl::BeginDestruction() {
  TComponent::BeginDestruction();
  if (FWidget) FWidget->blockSignals(true);
}

void TControl::SetWidget(QWidget* w) {
  FWidget = w;
  w->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
  w->installEventFilter(new TEventBridge(this, w));
  w->setGeometry(FLeft, FTop, FWidth, FHeight);
  w->setAttribute(Qt::WA_Hover, true);
  w->setMouseTracking(true);
  ApplyFontToWidget();
}

QWidget* TControl::Widget() const { return FWidget; }

TControl* ControlFromWidget(const QWidget* w) {
  if (!w) return nullptr;
  QVariant v = w->property(kControlProperty);
  return v.isValid() ? static_cast<TControl*>(v.value<void*>()) : nullptr;
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (FParent) {
    auto& list = FParent->FControls;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  FParent = AParent;
  if (FParent) FParent->FControls.push_back(this);
  if (FWidget) {
    bool isWindow = FWidget->isWindow();
    if (!isWindow || FParent) {
      FWidget->setParent(FParent ? FParent->ClientWidget() : nullptr);
      FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
      if (FParent) FWidget->setVisible(FVisible);
    }
  }
  if (FParent) {
    if (FParentFont) ParentFontChanged();
    if (FParentColor) ParentColorChanged();
    if (FAlign != alNone) FParent->AlignControls();
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  const bool sized = AWidth != FWidth || AHeight != FHeight;
  const bool moved = ALeft != FLeft || ATop != FTop;
  if (!sized && !moved) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FWidget && !FWidget->isWindow()) FWidget->setGeometry(FLeft, FTop, FWidth, FHeight);
  if (sized) {
    Perform(WM_SIZE, 0, MakeLParam(ClientWidth(), ClientHeight()));
  }
  if (FParent && FAlign != alNone) FParent->AlignControls();
}

void TControl::SetAlign(TAlign v) {
  SetProperty(FAlign, v, [&] {
    if (FParent) FParent->AlignControls();
  });
}

void TControl::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  if (FWidget && (FParent || !v)) FWidget->setVisible(v);
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (FParent && FAlign != alNone) FParent->AlignControls();
}

bool TControl::Showing() const {
  if (!FWidget) return false;
  return FWidget->isVisible();
}

void TControl::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  if (FWidget) FWidget->setEnabled(v);
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const QString& v) {
  if (v == GetText()) return;
  FText = v;
  ApplyText();
  Perform(CM_TEXTCHANGED);
}

bool TControl::ShowHint() const {
  if (!FParentShowHint || !ParentShowHint) return FShowHint;
  return FParent ? FParent->ShowHint() : FShowHint;
}

void TControl::SetColor(TColor v) {
  FParentColor = false;
  SetProperty(FColor, v, [&] { Perform(CM_COLORCHANGED); });
}

void TControl::SetParentColor(bool v) {
  FParentColor = v;
  if (v && FParent) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParent || !FParentColor) return;
  if (FColor != FParent->Color()) {
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED);
  }
}

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  if (v && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParent || !FParentFont) return;
  FFontFromParent = true;
  FFont.Assign(FParent->Font());
  FFontFromParent = false;
}

void TControl::SetCursor(TCursor v) {
  const bool changed = v != FCursor;
  FCursor = v;
  if (FWidget) {
    FWidget->setCursor(QCursor(CursorShape(v)));
    FWidget->setProperty(ResourceCursorProperty, 0);
  }
  // A control that set a mode through its cursor learns when someone else changed it.
  if (changed) Perform(CM_CURSORCHANGED, 0, 0);
}

namespace {

// A colour set by code is the enabled look only: a disabled control keeps
// the platform's greyed text and input background, as in the library.
void SetEnabledColor(QPalette& pal, QPalette::ColorRole role, const QColor& c) {
  pal.setColor(QPalette::Active, role, c);
  pal.setColor(QPalette::Inactive, role, c);
}

}  // namespace

void TControl::ApplyFontToWidget() {
  if (!FWidget) return;
  FWidget->setFont(ToQFont(FFont));
  QPalette pal = FWidget->palette();
  QColor c = ToQColor(FFont.Color());
  SetEnabledColor(pal, QPalette::WindowText, c);
  SetEnabledColor(pal, QPalette::Text, c);
  SetEnabledColor(pal, QPalette::ButtonText, c);
  FWidget->setPalette(pal);
}

void TControl::ApplyColorToWidget() {
  if (!FWidget) return;
  QPalette pal = FWidget->palette();
  const QColor c = ToQColor(FColor);
  if (FWidget->metaObject() == &QWidget::staticMetaObject || FWidget->inherits("QDialog")) {
    // A container keeps its colour when disabled; only its contents grey.
    pal.setColor(QPalette::Window, c);
    FWidget->setAutoFillBackground(!SelfPainting());
  } else {
    SetEnabledColor(pal, QPalette::Base, c);
  }
  FWidget->setPalette(pal);
}

TForm* TControl::GetParentForm() const {
  const TControl* c = this;
  while (c) {
    if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
    c = c->FParent;
  }
  return nullptr;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  DeliverMessage(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) { DefaultHandler(Message); }

void TControl::DeliverMessage(TMessage& Message) {
  if (Destroying()) return;
  if (FMessageFilter) {
    // A copy: the filter may remove itself while it runs.
    const TMessageFilter filter = FMessageFilter;
    if (filter(Message)) return;
  }
  WndProc(Message);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (Value == FPopupMenu) return;
  if (FPopupMenu) RemoveFreeNotification(FPopupMenu);
  FPopupMenu = Value;
  if (FPopupMenu) FreeNotification(FPopupMenu);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == TOperation::opRemove && AComponent && AComponent == FPopupMenu) FPopupMenu = nullptr;
  TComponent::Notification(AComponent, Operation);
}

void TControl::DefaultHandler(TMessage& m) {
  const int x = LoWord(m.LParam), y = HiWord(m.LParam);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      TMouseButton b = m.Msg == WM_LBUTTONDOWN ? mbLeft : m.Msg == WM_RBUTTONDOWN ? mbRight : mbMiddle;
      if (b == mbLeft) FClickPending = true;
      MouseDown(b, ShiftFromMouseKeys(m.WParam), x, y);
      break;
    }
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      TMouseButton b = m.Msg == WM_LBUTTONDBLCLK ? mbLeft : m.Msg == WM_RBUTTONDBLCLK ? mbRight : mbMiddle;
      TShiftState s = ShiftFromMouseKeys(m.WParam);
      s.Include(ssDouble);
      if (b == mbLeft) DblClick();
      MouseDown(b, s, x, y);
      break;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      TMouseButton b = m.Msg == WM_LBUTTONUP ? mbLeft : m.Msg == WM_RBUTTONUP ? mbRight : mbMiddle;
      if (b == mbLeft && FClickPending) {
        FClickPending = false;
        if (ClicksOnMouseUp() && ClientRect().Contains(TPoint(x, y))) Click();
      }
      MouseUp(b, ShiftFromMouseKeys(m.WParam), x, y);
      break;
    }
    case WM_MOUSEMOVE: MouseMove(ShiftFromMouseKeys(m.WParam), x, y); break;
    case WM_CONTEXTMENU:
      // The position comes in screen coordinates.
      if (FPopupMenu) {
        FPopupMenu->Popup(x, y);
        m.Result = 1;
      }
      break;
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case CM_ENABLEDCHANGED: EnabledChanged(); break;
    case CM_FONTCHANGED: ApplyFontToWidget(); break;
    case CM_COLORCHANGED: ColorChanged(); break;
    case CM_TEXTCHANGED: TextChanged(); break;
    case CM_VISIBLECHANGED: VisibleChanged(); break;
    case WM_SIZE: Resize(); break;
    case WM_PAINT:
      if (TCanvas* c = PaintCanvas(); c && c->HandleAllocated()) Paint();
      break;
    default: break;
  }
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (FActionLink)
    FActionLink->Execute(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::EnabledChanged() { Invalidate(); }
void TControl::FontChanged() { Perform(CM_FONTCHANGED); }
void TControl::ColorChanged() {
  ApplyColorToWidget();
  Invalidate();
}
void TControl::TextChanged() { Invalidate(); }
void TControl::VisibleChanged() {}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Invalidate() {
  if (FWidget) FWidget->update();
}

void TControl::InvalidateRect(const TRect& r) {
  if (FWidget) FWidget->update(r.toQRect());
}

void TControl::Repaint() {
  if (FWidget) FWidget->repaint();
}

void TControl::Update() {
  if (FWidget && FWidget->isVisible()) FWidget->repaint();
}

void TControl::BringToFront() {
  if (FWidget) FWidget->raise();
}

void TControl::SendToBack() {
  if (FWidget) FWidget->lower();
}

TPoint TControl::ClientToScreen(const TPoint& p) const {
  if (!FWidget) return p;
  QPoint q = FWidget->mapToGlobal(QPoint(p.X, p.Y));
  return TPoint(q.x(), q.y());
}

TPoint TControl::ScreenToClient(const TPoint& p) const {
  if (!FWidget) return p;
  QPoint q = FWidget->mapFromGlobal(QPoint(p.X, p.Y));
  return TPoint(q.x(), q.y());
}

bool TControl::MouseCapture() const { return FWidget && QWidget::mouseGrabber() == FWidget; }

void TControl::SetMouseCapture(bool v) {
  if (!FWidget) return;
  if (v)
    FWidget->grabMouse();
  else if (QWidget::mouseGrabber() == FWidget)
    FWidget->releaseMouse();
}

bool TControl::TranslateMouse(QEvent* e) {
  auto* me = static_cast<QMouseEvent*>(e);
  const QPoint p = me->position().toPoint();
  TShiftState s =
      ShiftStateFromQt(me->modifiers(), me->buttons() | (e->type() != QEvent::MouseMove ? me->button() : Qt::NoButton));
  if (e->type() == QEvent::MouseButtonRelease) s = ShiftStateFromQt(me->modifiers(), me->buttons());
  UINT msg = WM_MOUSEMOVE;
  const Qt::MouseButton b = me->button();
  switch (e->type()) {
    case QEvent::MouseButtonPress:
      msg = b == Qt::RightButton ? WM_RBUTTONDOWN : b == Qt::MiddleButton ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
      break;
    case QEvent::MouseButtonDblClick:
      msg = b == Qt::RightButton ? WM_RBUTTONDBLCLK : b == Qt::MiddleButton ? WM_MBUTTONDBLCLK : WM_LBUTTONDBLCLK;
      break;
    case QEvent::MouseButtonRelease:
      msg = b == Qt::RightButton ? WM_RBUTTONUP : b == Qt::MiddleButton ? WM_MBUTTONUP : WM_LBUTTONUP;
      break;
    default: break;
  }
  // As the window system does, a move first lets the control choose the cursor;
  // the point rides along in WParam, since no cursor position is asked here.
  if (msg == WM_MOUSEMOVE) Perform(WM_SETCURSOR, WPARAM(MakeLParam(p.x(), p.y())), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
  Perform(msg, MouseKeyFlags(s), MakeLParam(p.x(), p.y()));
  // As the system's default handling of a right release asks for the context menu.
  if (msg == WM_RBUTTONUP && FWidget) {
    const QPoint g = FWidget->mapToGlobal(p);
    Perform(WM_CONTEXTMENU, 0, MakeLParam(g.x(), g.y()));
  }
  return false;
}

bool TControl::TranslatePaint(QEvent* e) {
  TCanvas* canvas = PaintCanvas();
  if (!canvas || !FWidget) return false;
  QPainter painter(FWidget);
  painter.setClipRegion(static_cast<QPaintEvent*>(e)->region());
  SetCanvasPainter(*canvas, &painter);
  struct Reset {
    TCanvas* C;
    ~Reset() { SetCanvasPainter(*C, nullptr); }
  } reset{canvas};
  Perform(WM_PAINT);
  return true;
}

bool HandleQtEvent(TControl& control, QObject* target, QEvent* e) { return control.HandleQtEvent(target, e); }

bool TControl::HandleQtEvent(QObject* target, QEvent* e) {
  if (target != FWidget || Destroying()) return false;
  switch (e->type()) {
    // A press or a key takes the hint away.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress: AppHints().CancelHint(); break;
    default: break;
  }
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      if (!FEnabled) return false;
      return TranslateMouse(e);
    case QEvent::MouseMove: {
      // The pause for the next hint starts after the control had the move, so
      // that a hint it cancelled on this move is waited for again at once.
      const QPoint at = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
      const bool handled = FEnabled && TranslateMouse(e);
      AppHints().MouseMoved(TPoint(at.x(), at.y()));
      return handled;
    }
    case QEvent::Enter:
      if (!FMouseInControl) {
        FMouseInControl = true;
        Perform(CM_MOUSEENTER);
      }
      return false;
    case QEvent::Leave:
      AppHints().MouseLeft(this);
      if (FMouseInControl) {
        FMouseInControl = false;
        Perform(CM_MOUSELEAVE);
      }
      return false;
    case QEvent::Paint:
      if (SelfPainting()) return TranslatePaint(e);
      return false;
    // The desktop's look changed: the system's theme, font and colour notices.
    case QEvent::StyleChange:
    case QEvent::ThemeChange: Perform(WM_THEMECHANGED); return false;
    case QEvent::ApplicationFontChange: Perform(CM_SYSFONTCHANGED); return false;
    case QEvent::ApplicationPaletteChange: Perform(CM_SYSCOLORCHANGE); return false;
    // The application's hint pause decides when a hint shows, not the toolkit's tooltip delay.
    case QEvent::ToolTip: return true;
    default: break;
  }
  if (e->type() == TPostedMessageEvent::EventType()) {
    TMessage m = static_cast<TPostedMessageEvent*>(e)->Message;
    DeliverMessage(m);
    return true;
  }
  if (auto* wc = dynamic_cast<TWinControl*>(this)) return wc->TranslateKey(target, e);
  return false;
}

// ---- posting ----

bool PostMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!control || !control->Widget()) return false;
  QCoreApplication::postEvent(control->Widget(), new TPostedMessageEvent(TMessage{Msg, WParam, LParam, 0}));
  return true;
}

void SendTypedChar(TWinControl* control, QChar Ch) {
  QWidget* w = control ? control->Widget() : nullptr;
  if (!w) return;
  // No key code: only the character is announced, as a posted WM_CHAR is.
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(Ch));
  QApplication::sendEvent(w->focusProxy() ? w->focusProxy() : w, &press);
}

LRESULT SendMessage(TControl* control, UINT Msg, WPARAM WParam, LPARAM LParam) {
  return control ? control->Perform(Msg, WParam, LParam) : 0;
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* AOwner, QWidget* widget) : TControl(AOwner, widget) {
  Widget()->setFocusPolicy(Qt::ClickFocus);
}

TWinControl::~TWinControl() {
  BeginDestruction();
  for (auto& [id, timer] : FTimers) TimerClock().Stop(timer);
  FTimers.clear();
  // Owned components go first, while this control still exists as their parent.
  DestroyComponents();
  for (TControl* c : std::vector<TControl*>(FControls)) c->SetParent(nullptr);
}

void TWinControl::SetTabStop(bool v) {
  FTabStop = v;
  if (Widget()) Widget()->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return Widget() != nullptr;
}

bool TWinControl::Focused() const { return Widget() && Widget()->hasFocus(); }

void TWinControl::SetFocus() {
  if (!Widget()) return;
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  // As on the window system this stands in for, focusing a control of
  // another top-level window of the application activates that window.
  // A window held back by a modal one stays as it is.
  QWidget* top = Widget()->window();
  QWidget* modal = QApplication::activeModalWidget();
  if (top && top != Widget() && top->isVisible() && !top->isActiveWindow() && QApplication::activeWindow() &&
      (!modal || modal == top))
    top->activateWindow();
  Widget()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetTimer(UINT id, int ms) {
  KillTimer(id);
  FTimers[id] = TimerClock().Start(ms, [this, id] { Perform(WM_TIMER, id, 0); });
}

void TWinControl::KillTimer(UINT id) {
  auto it = FTimers.find(id);
  if (it == FTimers.end()) return;
  TimerClock().Stop(it->second);
  FTimers.erase(it);
}

void TWinControl::AlignControls() {
  TRect r = ClientRect();
  for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : FControls) {
      if (c->Align() != pass || !c->Visible()) continue;
      switch (pass) {
        case alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
          r.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
          r.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
          r.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
          r.Right -= c->Width();
          break;
        case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
        default: break;
      }
    }
  }
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    c->DeliverMessage(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::Resize() {
  AlignControls();
  TControl::Resize();
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (TControl* c : FControls) c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (TControl* c : FControls) c->ParentColorChanged();
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = WORD(m.WParam);
      TShiftState shift = ShiftStateFromQt(QApplication::keyboardModifiers());
      TForm* form = GetParentForm();
      if (form && form != this && form->KeyPreview()) form->PreviewKeyDown(key, shift);
      if (key != 0) KeyDown(key, shift);
      m.WParam = key;
      if (key == VK_TAB && m.Msg == WM_KEYDOWN) PassTabToFocusedChild(shift.Contains(ssShift));
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = WORD(m.WParam);
      TShiftState shift = ShiftStateFromQt(QApplication::keyboardModifiers());
      TForm* form = GetParentForm();
      if (form && form != this && form->KeyPreview()) form->PreviewKeyUp(key, shift);
      if (key != 0) KeyUp(key, shift);
      m.WParam = key;
      return;
    }
    case WM_CHAR: {
      QChar ch(char16_t(m.WParam));
      TForm* form = GetParentForm();
      if (form && form != this && form->KeyPreview()) form->PreviewKeyPress(ch);
      if (ch != QChar(0)) KeyPress(ch);
      m.WParam = ch.unicode();
      return;
    }
    case WM_SETFOCUS: DoEnter(); return;
    case WM_KILLFOCUS: DoExit(); return;
    case WM_MOUSEWHEEL: {
      TShiftState shift = ShiftFromMouseKeys(m.WParam & 0xFFFF);
      int delta = HiWord(LPARAM(m.WParam));
      TPoint pos(LoWord(m.LParam), HiWord(m.LParam));
      // The form sees the wheel before the control under the mouse.
      TForm* form = GetParentForm();
      if (form && form != this && !FWheelSeenByForm && form->DoMouseWheel(shift, delta, pos)) {
        m.Result = 1;
        return;
      }
      m.Result = DoMouseWheel(shift, delta, pos) ? 1 : 0;
      return;
    }
    // A child asks its parent about a wheel turn before it scrolls itself.
    case CM_MOUSEWHEEL: {
      const TPoint pos(LoWord(m.LParam), HiWord(m.LParam));
      m.Result = DoMouseWheel(ShiftFromMouseKeys(m.WParam & 0xFFFF), HiWord(LPARAM(m.WParam)), pos) ? 1 : 0;
      return;
    }
    default: TControl::WndProc(m);
  }
}

// A Tab sent to a container (as a grid passes one on at its end) moves the
// focus on from the control inside it that holds the focus, as the dialog
// manager does. A Tab typed into a control is that control's own.
void TWinControl::PassTabToFocusedChild(bool Backward) {
  QWidget* focused = QApplication::focusWidget();
  if (!focused || !Widget()->isAncestorOf(focused)) return;
  TControl* owner = nullptr;
  for (QWidget* w = focused; w && !owner; w = w->parentWidget()) owner = ControlFromWidget(w);
  auto* holder = dynamic_cast<TWinControl*>(owner);
  if (!holder || holder == this) return;
  // The focus leaves the child of this container that holds it, with all it contains (a grid's editor too).
  while (holder->Parent() && holder->Parent() != this) holder = holder->Parent();
  if (holder->Parent() != this) return;
  SelectNextControl(holder, !Backward);
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

bool TWinControl::TranslateKey(QObject* target, QEvent* e) {
  // Handlers asking for the held keys get this event's modifiers.
  struct TKeyEventScope {
    explicit TKeyEventScope(QEvent* e) : Previous(KeyEventModifiers()) {
      if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
        Modifiers = static_cast<QKeyEvent*>(e)->modifiers();
        SetKeyEventModifiers(&Modifiers);
      }
    }
    ~TKeyEventScope() { SetKeyEventModifiers(Previous); }
    Qt::KeyboardModifiers Modifiers{};
    const Qt::KeyboardModifiers* Previous;
  } scope(e);
  switch (e->type()) {
    case QEvent::KeyPress: {
      if (FSendingReplacedKey) return false;
      auto* ke = static_cast<QKeyEvent*>(e);
      WORD vk = QtKeyToVirtualKey(ke->key(), ke->modifiers());
      // A swallowed key-down keeps the key from the widget, but its character
      // is still announced, as the system translates every key it is given.
      bool swallowed = false;
      if (vk != 0) {
        TMessage m{ke->modifiers() & Qt::AltModifier ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 0, 0};
        DeliverMessage(m);
        swallowed = m.WParam == 0;
      }
      const QString text = ke->text();
      if (text.isEmpty() || (ke->modifiers() & Qt::ControlModifier && text[0].unicode() >= 32)) return swallowed;
      // The Delete key types no character on the system (some keyboards give it DEL).
      if (ke->key() == Qt::Key_Delete) return swallowed;
      QChar ch = text[0];
      if (ch.unicode() == 127) ch = QChar(8);  // the library's backspace char
      // Enter types a carriage return; with Ctrl a line feed, as on the system.
      if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter)
        ch = QChar(ke->modifiers() & Qt::ControlModifier ? 10 : 13);
      const QChar original = ch;
      // Bit 22 of the key data marks the numeric keypad (KeyDataKeypad).
      TMessage m{WM_CHAR, ch.unicode(), (ke->modifiers() & Qt::KeypadModifier) ? LPARAM(1) << 22 : 0, 0};
      DeliverMessage(m);
      ch = QChar(char16_t(m.WParam));
      if (ch == QChar(0) || swallowed) return true;
      if (ch != original && ch.unicode() >= 32) {
        // A handler replaced the character: the widget gets the new one.
        QKeyEvent replaced(QEvent::KeyPress, 0, ke->modifiers(), QString(ch));
        FSendingReplacedKey = true;
        QApplication::sendEvent(target, &replaced);
        FSendingReplacedKey = false;
        return true;
      }
      return false;
    }
    case QEvent::KeyRelease: {
      auto* ke = static_cast<QKeyEvent*>(e);
      // A held key repeats its key-down only; the one key-up comes when it is let go.
      if (ke->isAutoRepeat()) return false;
      WORD vk = QtKeyToVirtualKey(ke->key(), ke->modifiers());
      if (vk == 0) return false;
      TMessage m{WM_KEYUP, vk, 0, 0};
      DeliverMessage(m);
      return m.WParam == 0;
    }
    case QEvent::FocusIn: {
      // The form makes the control taking its focus its active control, also
      // when the form's window itself is activated again.
      TForm* form = GetParentForm();
      if (form && form != this) Perform(CM_UIACTIVATE);
      Perform(WM_SETFOCUS);
      return false;
    }
    case QEvent::FocusOut: {
      // The containers the focus leaves along with this control hear of it
      // after the control itself (CM_EXIT), as the library's form tells them:
      // a grid whose cell editor had the focus is left only now.
      std::vector<QPointer<QWidget>> containers;
      for (TWinControl* p = Parent(); p; p = p->Parent()) containers.emplace_back(p->Widget());
      Perform(WM_KILLFOCUS);
      for (const QPointer<QWidget>& w : containers) {
        auto* container = w ? dynamic_cast<TWinControl*>(ControlFromWidget(w)) : nullptr;
        if (!container || HasFocusWithin(container)) break;
        container->Perform(CM_EXIT);
      }
      return false;
    }
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(e);
      TShiftState s = ShiftStateFromQt(we->modifiers(), we->buttons());
      const int delta = we->angleDelta().y();
      const QPoint gp = we->globalPosition().toPoint();
      WPARAM w = (MouseKeyFlags(s) & 0xFFFF) | (WPARAM(uint16_t(int16_t(delta))) << 16);
      TMessage m{WM_MOUSEWHEEL, w, MakeLParam(gp.x(), gp.y()), 0};
      // An unhandled wheel travels up the parents as copies of one event with
      // the same time stamp; the form is asked only for the first of them.
      static quint64 lastStamp = 0;
      static QPointF lastPos;
      FWheelSeenByForm = we->timestamp() != 0 && we->timestamp() == lastStamp && we->globalPosition() == lastPos;
      lastStamp = we->timestamp();
      lastPos = we->globalPosition();
      DeliverMessage(m);
      FWheelSeenByForm = false;
      return m.Result != 0;
    }
    case QEvent::Resize: return false;
    default: return false;
  }
}

// ---- TCustomControl / TGraphicControl ----

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  // Painted whole by Paint; Qt need not clear the background first.
  Widget()->setAttribute(Qt::WA_OpaquePaintEvent, true);
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

// Declared with the resource cursors; it needs the library's cursor table above.
void ShowCursorNow(TControl* Control, TCursor Value) {
  if (!Control || !Control->Widget()) return;
  Control->Widget()->setCursor(QCursor(CursorShape(Value)));
  Control->Widget()->setProperty(ResourceCursorProperty, 0);
}
