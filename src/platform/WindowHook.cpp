#include "platform/WindowHook.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/internal/ControlBridge.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QThread>
#include <QWidget>

#include <map>

namespace {

// One application-wide filter per hook; it never consumes an event.
class THookFilter : public QObject {
public:
  explicit THookFilter(HOOKPROC proc) : FProc(proc) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Move && event->type() != QEvent::Resize) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    TCWPStruct cwp;
    cwp.message = WM_WINDOWPOSCHANGED;
    cwp.hwnd = ControlFromWidget(widget);
    SafeCall([&] { FProc(HC_ACTION, 0, LPARAM(&cwp)); });
    return false;
  }

private:
  HOOKPROC FProc;
};

std::map<HHOOK, QPointer<THookFilter>>& Hooks() {
  static std::map<HHOOK, QPointer<THookFilter>> hooks;
  return hooks;
}

}  // namespace

HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc, void*, DWORD) {
  if (IdHook != WH_CALLWNDPROC || !Proc || !qApp) return 0;
  static HHOOK next = 0;
  auto* filter = new THookFilter(Proc);
  filter->setParent(qApp);
  qApp->installEventFilter(filter);
  Hooks()[++next] = filter;
  return next;
}

bool UnhookWindowsHookEx(HHOOK Hook) {
  auto it = Hooks().find(Hook);
  if (it == Hooks().end()) return false;
  delete it->second.data();
  Hooks().erase(it);
  return true;
}

LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) { return 0; }

DWORD GetCurrentThreadId() { return DWORD(reinterpret_cast<uintptr_t>(QThread::currentThreadId())); }

int InstalledWindowHookCount() {
  int n = 0;
  for (const auto& [hook, filter] : Hooks())
    if (filter) ++n;
  return n;
}
