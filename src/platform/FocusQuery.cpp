// Qt moves its focus widget before it tells the old one that it lost the
// focus, which gives WM_KILLFOCUS the window receiving the focus.
#include "platform/FocusQuery.h"

#include "platform/Controls.h"

#include <QApplication>

TWinControl* FindFocusedControl() {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
    if (auto* wc = dynamic_cast<TWinControl*>(TControl::FromWidget(w))) return wc;
  return nullptr;
}
