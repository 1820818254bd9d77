#include "platform/DialogKeys.h"

#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/internal/ControlBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

bool Broadcast(TWinControl* parent, TMessage& m) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    c->DeliverMessage(m);
    if (m.Result != 0) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && Broadcast(w, m)) return true;
  }
  return false;
}

// Sees key presses that reached a form's window because the focused control
// did not take them, and offers Enter, Escape and characters to the controls.
class TDialogKeyRouter : public QObject {
public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    auto* form = dynamic_cast<TForm*>(ControlFromWidget(window));
    if (!form) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    const bool altChar = IsAltChar(e);
    if (altChar ? widget != target : widget != window) return false;
    bool handled = false;
    SafeCall([&] { handled = Route(form, e, altChar); });
    return handled;
  }

private:
  static bool IsAltChar(const QKeyEvent* e) {
    return (e->modifiers() & Qt::AltModifier) && !(e->modifiers() & Qt::ControlModifier) && !e->text().isEmpty() &&
           e->text()[0].unicode() >= 32;
  }
  static bool Route(TForm* form, QKeyEvent* e, bool altChar) {
    const TShiftState shift = ShiftStateFromQt(e->modifiers());
    const QString text = e->text();
    if (!altChar) {
      const WORD vk = QtKeyToVirtualKey(e->key(), e->modifiers());
      if (vk == VK_RETURN || vk == VK_ESCAPE) {
        TMessage m{CM_DIALOGKEY, vk, LPARAM(shift.bits), 0};
        return Broadcast(form, m);
      }
      if (text.isEmpty() || text[0].unicode() < 32 || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    }
    TMessage m{CM_DIALOGCHAR, text[0].unicode(), LPARAM(shift.bits), 0};
    return Broadcast(form, m);
  }
};

}  // namespace

void InstallDialogKeyRouter() {
  static QPointer<TDialogKeyRouter> router;
  if (router || !qApp) return;
  router = new TDialogKeyRouter(qApp);
  qApp->installEventFilter(router);
}
