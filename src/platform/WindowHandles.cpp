#include "platform/WindowHandles.h"

#include "platform/Controls.h"
#include "platform/internal/ControlBridge.h"

#include <QApplication>
#include <QWidget>

namespace {

const char* kHandleProperty = "quilloreWindowHandle";

}  // namespace

HWND WindowHandle(TControl* Control) {
  if (!Control || !Control->Widget()) return 0;
  QWidget* w = Control->Widget();
  const QVariant v = w->property(kHandleProperty);
  if (v.isValid()) return HWND(v.toULongLong());
  // Numbers start where the system's do, far from small integers a caller might confuse.
  static HWND next = 0x10000;
  const HWND h = next;
  next += 4;
  w->setProperty(kHandleProperty, QVariant::fromValue(qulonglong(h)));
  return h;
}

TControl* FindControl(HWND Handle) {
  if (Handle == 0) return nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    const QVariant v = w->property(kHandleProperty);
    if (v.isValid() && HWND(v.toULongLong()) == Handle) return ControlFromWidget(w);
  }
  return nullptr;
}

LRESULT SendMessage(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TControl* c = FindControl(Handle);
  return c ? c->Perform(Msg, WParam, LParam) : 0;
}
