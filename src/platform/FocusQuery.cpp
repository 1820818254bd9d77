// Qt moves its focus widget before it tells the old one that it lost the
// focus, which gives WM_KILLFOCUS the window receiving the focus.
#include "platform/FocusQuery.h"

#include "platform/Controls.h"
#include "platform/internal/ControlBridge.h"

#include <QApplication>
#include <QWidget>

TWinControl* FindFocusedControl() {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
    if (auto* wc = dynamic_cast<TWinControl*>(ControlFromWidget(w))) return wc;
  return nullptr;
}

bool HasFocusWithin(const TWinControl* Container) {
  for (TControl* c = FindFocusedControl(); c; c = c->Parent())
    if (c == Container) return true;
  return false;
}
